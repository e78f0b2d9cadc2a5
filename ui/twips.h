// SPDX-License-Identifier: GPL-3.0-or-later
// The window's geometry is given in twips (1/1440 inch, 15 per pixel at 96
// dots per inch); Qt places widgets in device-independent pixels.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tarnquil {

inline constexpr int twipsPerPixel = 15;

constexpr int fromTwips(int twips) { return twips / twipsPerPixel; }

constexpr QPoint pointFromTwips(int left, int top)
{
    return {fromTwips(left), fromTwips(top)};
}

constexpr QSize sizeFromTwips(int width, int height)
{
    return {fromTwips(width), fromTwips(height)};
}

// Left and top are relative to the container, as Qt's widget geometry is.
constexpr QRect rectFromTwips(int left, int top, int width, int height)
{
    return {fromTwips(left), fromTwips(top), fromTwips(width), fromTwips(height)};
}

}  // namespace tarnquil
