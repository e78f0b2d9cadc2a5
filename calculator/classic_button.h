// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPainter;
class QStyleOptionButton;

namespace tarnquil {

// Draws a push button as a classic desktop dialog does, whatever the style:
// a flat face in the palette's button colour inside a two-pixel 3-D bevel,
// raised, or sunken with the caption one pixel down and right while pressed;
// the caption centred in the button text colour; a dotted rectangle inside
// the face while the button has the focus. The window asks for its own face
// colour, which a style's shaded face (Fusion's white gradient) would not show.
void drawClassicButton(QPainter& painter, const QStyleOptionButton& button);

}  // namespace tarnquil
