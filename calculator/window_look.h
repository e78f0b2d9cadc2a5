// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window's look: its colour, its frames, its icon, and how
// screen readers see it.
#pragma once

#include <QColor>
#include <QIcon>
#include <QPalette>
#include <QPixmap>
#include <QProxyStyle>

class QAccessibleInterface;

namespace tarnquil {

// The window's surface, its fields' and its buttons'.
inline QColor windowColour()
{
    return {0xE2, 0xEC, 0xFD};
}

void setColour(QWidget* control, QPalette::ColorRole role, const QColor& colour);

// The control's own surface, painted in the window colour.
void fillBackground(QWidget* control);

// Draws a frame as an etched line around a surface of the frame's own
// background colour, with the title on that colour, instead of Fusion's
// shaded panel, which would darken the frame's colour. The title stands a
// little in from the left edge.
class PlainFrameStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl subControl, const QWidget* widget) const override;

private:
    static constexpr int titleIndent = 6;
};

// Qt shows a plain top-level widget to screen readers as a bare client area
// (AT-SPI's "filler"), and its AT-SPI bridge announces the activation only of
// windows and dialogs: the factory that makes the window a frame named by
// its title, for QAccessible::installFactory.
QAccessibleInterface* windowInterface(const QString& className, QObject* object);

// A PNG from the program's resources, read by Qt's own PNG reader.
QPixmap resourcePng(const QString& path);

// The icon in every size the resources hold.
QIcon applicationIcon();

}  // namespace tarnquil
