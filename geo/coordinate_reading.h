// SPDX-License-Identifier: GPL-3.0-or-later
// The reading of one coordinate inside a longer text, which the readers of
// coordinate_text.h and position_text.h share. Not for callers outside the
// computation layer.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

#include "geo/axis.h"
#include "geo/coordinate_characters.h"
#include "geo/number_form.h"
#include "geo/surface.h"

namespace geo {

struct ReadingRules {
    NumberForm form = NumberForm::Minutes;
    Surface surface = Surface::ClassicWindow;
    // A part of a whole position, which must say which axis it is: with a
    // hemisphere or a label (MissingHemisphere otherwise).
    bool positionPart = false;
    // A lone angle (readAngle): above 0, the largest magnitude it may have,
    // in place of the axis's; it takes no hemisphere and no label.
    double angleLimit = 0;
};

struct CoordinateReading {
    double degrees = 0;
};

// Reads `characters` (placedCharacters() of the text, or a run of them) as
// one coordinate, by the rules of readCoordinate(). [begin, end) is where the
// characters stand in `text`; a refusal's piece and position refer to `text`
// as a whole.
CoordinateReading readPlacedCoordinate(std::u32string_view text,
                                       std::span<const Placed> characters, std::size_t begin,
                                       std::size_t end, const ReadingRules& rules, Axis axis);

// Whether the text is a whole position in any number form, for telling a
// navigator that a latitude or longitude field got both.
bool isWholePosition(std::u32string_view text, std::span<const Placed> characters);

}  // namespace geo
