// SPDX-License-Identifier: GPL-3.0-or-later
// The candidate angles of the downward searches, made the plain way: 180,
// then 0.001 subtracted again and again, with every rounding on the way.
#pragma once

#include <vector>

namespace geo::testing {

// Candidates 0 .. 180000; the last is the first one below zero.
const std::vector<double>& searchCandidates();

// Kilometres for a result angle in degrees, as the distance search gives them.
double kilometresOf(double degrees);

}  // namespace geo::testing
