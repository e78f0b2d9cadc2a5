// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/refusal_mark.h"

#include <QAction>
#include <QLineEdit>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

constexpr int iconPixels = 16;
const QColor markColour(0xC6, 0x28, 0x28);
const char* const markName = "refusalMark";
// What the field said of itself before it was marked, given back after.
const char* const toolTipBefore = "toolTipBeforeRefusal";
const char* const descriptionBefore = "descriptionBeforeRefusal";

QPixmap paintedMark(qreal scale)
{
    QPixmap pixmap(QSize(iconPixels, iconPixels) * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(markColour);
    painter.drawEllipse(QRectF(1, 1, iconPixels - 2, iconPixels - 2));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(7, 3.5, 2, 6.5), 1, 1);
    painter.drawEllipse(QRectF(7, 11, 2, 2));
    return pixmap;
}

}  // namespace

QIcon refusalIcon()
{
    QIcon icon;
    icon.addPixmap(paintedMark(1));
    icon.addPixmap(paintedMark(2));
    return icon;
}

void markRefused(QLineEdit* field, const QString& reason)
{
    if (field->findChild<QAction*>(QLatin1StringView(markName)) == nullptr) {
        auto* mark = new QAction(refusalIcon(), u"无法识别"_s, field);
        mark->setObjectName(QLatin1StringView(markName));
        field->addAction(mark, QLineEdit::TrailingPosition);
        QPalette palette = field->palette();
        palette.setColor(QPalette::Base, refusalTint);
        field->setPalette(palette);
        field->setProperty(toolTipBefore, field->toolTip());
        field->setProperty(descriptionBefore, field->accessibleDescription());
    }
    field->setToolTip(reason);
    field->setAccessibleDescription(reason);
}

void clearRefusal(QLineEdit* field)
{
    QAction* mark = field->findChild<QAction*>(QLatin1StringView(markName));
    if (mark == nullptr)
        return;
    delete mark;
    field->setPalette(QPalette());
    field->setToolTip(field->property(toolTipBefore).toString());
    field->setAccessibleDescription(field->property(descriptionBefore).toString());
}

QVariant CellRefusalMark::data(const QString& reason, int role) const
{
    if (reason.isEmpty())
        return {};
    switch (role) {
    case Qt::BackgroundRole:
        return refusalTint;
    case Qt::DecorationRole:
        if (icon_.isNull())
            icon_ = refusalIcon();
        return icon_;
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        return reason;
    default:
        return {};
    }
}

}  // namespace tarnquil
