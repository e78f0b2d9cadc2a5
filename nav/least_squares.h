// SPDX-License-Identifier: GPL-3.0-or-later
// Inside nav's fix (fix.h): the point (and common compass error) whose
// summed squared distances from the position lines are least. Not for use
// outside nav.
#pragma once

#include <optional>
#include <vector>

#include "geo/angle.h"
#include "nav/position_line.h"

namespace nav::fixing {

struct Fit {
    geo::GeoPoint position;
    double commonError = 0;  // degrees added to every bearing
    std::vector<LineValue> values;  // at the fit
};

// From `start`, Gauss-Newton, turning to Newton's method if it has not
// converged after a few steps (when the lines pass far from the fix it
// creeps or swings), each step halved until the sum falls. With
// `withError` the common error is fitted too. Empty when the steps do not
// converge or the lines cannot be evaluated on the way.
std::optional<Fit> leastSquares(const Figure& figure, const std::vector<PositionLine>& lines,
                                geo::GeoPoint start, bool withError);

}  // namespace nav::fixing
