// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace tarnquil {

// The style of the route and fix windows: Fusion, drawing two things itself that Fusion
// reads from PNG files without naming their format (which loads every
// image-format plug-in installed to ask which one reads PNG) before the
// window is first shown: the frame of a group box, and the icon of the menu
// bar's button for the menus that do not fit. A table's header marks the
// current cell's column by underlining its title, not in bold, which would
// open the Chinese font's bold face for one title of the first frame.
class ProgramStyle : public QProxyStyle
{
    Q_OBJECT

public:
    ProgramStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace tarnquil
