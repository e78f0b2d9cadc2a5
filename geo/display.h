// SPDX-License-Identifier: GPL-3.0-or-later
// How results are shown: a digit pattern such as "####.###", and the window's
// readouts of a distance and an angle.
#pragma once

#include <string>
#include <string_view>

namespace geo {

// Renders value by a pattern of '#' digit places with at most one '.'.
// The value is rounded to as many decimals as there are '#' after the point,
// half away from zero, starting from its shortest round-trip decimal form (so
// 1.0005 rounds to 1.001 although the double lies just below 1.0005). The
// integer part is written in full without leading zeros, nothing for zero;
// the point is always written when the pattern has one; decimals follow
// without trailing zeros. A value that rounds to zero has no minus sign.
//   1071.9190745 "####.###"  -> "1071.919"     0.5 -> ".5"
//   100          "####.###"  -> "100."         0   -> "."
//   -0.0005      "####.###"  -> "-.001"        -5.5e-8 -> "."
// Throws std::invalid_argument for a pattern with other characters or a
// second point, and ArithmeticError for a value that is not finite.
std::string formatNumber(double value, std::string_view pattern);

inline constexpr double kKilometresPerNauticalMile = 1.852;

// A distance as the window shows it.
struct DistanceReadout {
    std::string kilometres;     // "####.###"
    std::string nauticalMiles;  // "#####.###"
};

// The kilometres by "####.###", and the nautical miles by "#####.###" computed
// from the kilometres as shown, rounded to three decimals, not from the exact
// distance: a reader who divides the one shown by 1.852 gets the other.
//   1071.9190745 -> "1071.919", "578.79"     (1071.919 / 1.852 = 578.7899...)
// Throws ArithmeticError for a value that is not finite.
DistanceReadout distanceReadout(double kilometres);

// An angle in degrees as the window shows it, by "####.###".
//   0.8089999995045751 -> ".809"
std::string angleReadout(double degrees);

}  // namespace geo
