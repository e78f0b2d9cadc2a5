// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/program_style.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOption>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

constexpr int iconPixels = 16;

// Two chevrons pointing right (») or, for a vertical bar, down.
QPixmap chevrons(qreal scale, bool horizontal)
{
    QPixmap pixmap(QSize(iconPixels, iconPixels) * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QApplication::palette().color(QPalette::ButtonText), 1.5));
    if (!horizontal) {
        painter.translate(iconPixels, 0);
        painter.rotate(90);
    }
    for (const qreal left : {4.0, 9.0}) {
        QPainterPath chevron;
        chevron.moveTo(left, 4);
        chevron.lineTo(left + 3.5, 8);
        chevron.lineTo(left, 12);
        painter.drawPath(chevron);
    }
    return pixmap;
}

}  // namespace

ProgramStyle::ProgramStyle()
    : QProxyStyle(u"Fusion"_s)
{
}

// Fusion's own frame: a rounded outline in its frame colour, the window
// colour a shade darker inside.
void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const
{
    if (element != PE_FrameGroupBox) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const QColor window = option->palette.color(QPalette::Window);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(window.darker(140));
    painter->setBrush(window.darker(104));
    painter->drawRoundedRect(QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    painter->restore();
}

void ProgramStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const
{
    // A header view gives the second version of the option, with its
    // elision. Fusion draws the whole section itself, its title with it.
    const auto* header = qstyleoption_cast<const QStyleOptionHeaderV2*>(option);
    if (element != CE_Header || header == nullptr || !(header->state & State_On)) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    QStyleOptionHeaderV2 plain = *header;
    plain.state &= ~State_On;
    painter->save();
    QFont font = painter->font();
    font.setUnderline(true);
    painter->setFont(font);
    QProxyStyle::drawControl(element, &plain, painter, widget);
    painter->restore();
}

QIcon ProgramStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                               const QWidget* widget) const
{
    const bool horizontal = standardIcon == SP_ToolBarHorizontalExtensionButton;
    if (!horizontal && standardIcon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    QIcon icon;
    icon.addPixmap(chevrons(1, horizontal));
    icon.addPixmap(chevrons(2, horizontal));
    return icon;
}

}  // namespace tarnquil
