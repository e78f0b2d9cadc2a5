// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace tarnquil {

// Draws a group box as an etched line around a surface of the box's own
// background colour, with the title on that colour, instead of Fusion's
// shaded panel, which would darken the frame's colour. The title stands a
// little in from the left edge.
class PlainFrameStyle : public QProxyStyle
{
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl subControl, const QWidget* widget) const override;
};

}  // namespace tarnquil
