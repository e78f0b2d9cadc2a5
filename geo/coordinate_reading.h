// SPDX-License-Identifier: GPL-3.0-or-later
// The reading of one coordinate inside a longer text, which the readers of
// coordinate_text.h share. Not for callers outside the computation layer.
#pragma once

#include <cstddef>
#include <string_view>

#include "geo/axis.h"
#include "geo/coordinate_entry.h"

namespace geo {

struct CoordinateReading {
    double degrees = 0;
    bool hemisphere = false;  // written with N, S, E, W or their Chinese words
};

// Reads characters [begin, end) of `text` as one coordinate, by the rules of
// readCoordinate(). A refusal's piece and position refer to `text` as a whole.
CoordinateReading readCoordinateAt(std::u32string_view text, std::size_t begin,
                                   std::size_t end, EntryMode mode, Axis axis);

}  // namespace geo
