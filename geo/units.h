// SPDX-License-Identifier: GPL-3.0-or-later
// Units of the results.
#pragma once

namespace geo {

inline constexpr double kKilometresPerNauticalMile = 1.852;

// Nautical miles for a distance in kilometres: kilometres / 1.852.
double nauticalMiles(double kilometres);

}  // namespace geo
