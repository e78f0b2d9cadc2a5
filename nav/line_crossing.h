// SPDX-License-Identifier: GPL-3.0-or-later
// Inside nav's fix (fix.h): where two position lines meet, every point on
// the Earth, each found by Newton's method from a crossing on the local map;
// or, where they do not meet within sight, why. Not for use outside nav.
#pragma once

#include <vector>

#include "geo/angle.h"
#include "nav/errors.h"
#include "nav/fix_sketch.h"
#include "nav/position_line.h"

namespace nav::fixing {

struct Crossings {
    std::vector<geo::GeoPoint> solutions;  // as found, each once
    NoFixReason reason = NoFixReason::LinesApart;  // when there are none
};

Crossings crossingsOf(const Figure& figure, const LocalMap& map, const PositionLine& a,
                      const PositionLine& b);

}  // namespace nav::fixing
