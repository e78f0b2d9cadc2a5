// SPDX-License-Identifier: GPL-3.0-or-later
// The central-angle search of distance(), on its own so that it can be tested
// at every edge of every candidate's tolerance band.
#pragma once

namespace geo::detail {

// Kilometres for a half-angle sine u (finite, not negative): one step below
// the largest candidate B with |sin(B / 2) - u| < 0.00001, or 179.999 steps
// when none matches.
double distanceForHalfAngleSine(double u);

}  // namespace geo::detail
