// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/window_look.h"

#include <QAccessibleWidget>
#include <QDirIterator>
#include <QImageReader>
#include <QPainter>
#include <QStyleOptionGroupBox>
#include <qdrawutil.h>

using namespace Qt::StringLiterals;

namespace tarnquil {

void setColour(QWidget* control, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = control->palette();
    palette.setColor(role, colour);
    control->setPalette(palette);
}

void fillBackground(QWidget* control)
{
    setColour(control, QPalette::Window, windowColour());
    control->setAutoFillBackground(true);
}

void PlainFrameStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                         QPainter* painter, const QWidget* widget) const
{
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || box == nullptr || !(box->subControls & SC_GroupBoxFrame)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QRect label = subControlRect(CC_GroupBox, box, SC_GroupBoxLabel, widget);
    QRect frame = box->rect;
    frame.setTop(label.center().y());
    qDrawShadeRect(painter, frame, box->palette, true, 1);
    painter->fillRect(label, box->palette.window());

    QStyleOptionGroupBox title = *box;
    title.subControls &= ~SC_GroupBoxFrame;
    QProxyStyle::drawComplexControl(control, &title, painter, widget);
}

QRect PlainFrameStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                     SubControl subControl, const QWidget* widget) const
{
    const QRect rect = QProxyStyle::subControlRect(control, option, subControl, widget);
    if (control == CC_GroupBox && subControl == SC_GroupBoxLabel)
        return rect.translated(titleIndent, 0);
    return rect;
}

// Qt shows a plain top-level widget to screen readers as a bare client area
// (AT-SPI's "filler"), and its AT-SPI bridge announces the activation only of
// windows and dialogs. As a window it is a frame named by its title.
QAccessibleInterface* windowInterface(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr || !widget->isWindow() || className != u"QWidget"_s)
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}

// A PNG from the program's resources, read by Qt's own PNG reader. Left to
// find the format itself, QImageReader would first load every image-format
// plugin installed (and the libraries they use) to ask each whether it reads
// PNG, which costs the start-up about as much as decoding all the PNGs.
QPixmap resourcePng(const QString& path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

// The icon in every size the resources hold, for the window system to choose
// from. The folders are walked without a name filter: a wildcard filter is
// compiled into a regular expression, which the start-up can do without.
QIcon applicationIcon()
{
    QIcon icon;
    QDirIterator files(u":/icons/hicolor"_s, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        if (file.endsWith(u".png"_s))
            icon.addPixmap(resourcePng(file));
    }
    return icon;
}

}  // namespace tarnquil
