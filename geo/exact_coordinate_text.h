// SPDX-License-Identifier: GPL-3.0-or-later
// A latitude or longitude written so that readRouteCoordinate
// (coordinate_text.h) reads it back as the very same double, in every
// number form (分, 秒, 度): the marks, never a plain number, say what each
// part is. A hemisphere letter, never a sign: a spreadsheet takes neither
// for a number or a formula. A zero of either sign is N or E.
#pragma once

#include "geo/axis.h"

#include <string>

namespace geo {

// Whole degrees and minutes as a navigator reads them, with as many decimals
// of the minute as the double needs, and at least three, when at most
// kMostMinuteDecimals give it back; else exactDegreesText. UTF-8 with ° and ′.
//   30.833333333333332 (30°50′)       -> "30°50.000′N"
//   30.833335 (30°50.0001′)           -> "30°50.0001′N"
//   -122.07083333333334 (122°04.25′)  -> "122°04.250′W"
//   1e-05 (0°00.0006′)                -> "0°00.0006′N"
//   -180                               -> "180°00.000′W"
//   30.835390946333334 (30°50.12345678′, one decimal too many)
//                                      -> "30.835390946333334°N"
//   0.30000000000000004 (0.1 + 0.2)    -> "0.30000000000000004°N"
// For a finite value within the axis's range.
std::string exactCoordinateText(double degrees, Axis axis);

// The shortest decimal degrees of the magnitude that read back as the same
// double, a degree sign and the hemisphere, never an exponent:
//   31.2304 -> "31.2304°N"   -121.5 (longitude) -> "121.5°W"
//   0 -> "0°N"   -0 -> "0°N"   -180 -> "180°W"   1e-05 -> "0.00001°N"
std::string exactDegreesText(double degrees, Axis axis);

// The most decimals of the minute exactCoordinateText writes: 0.0000001′ is
// some 0.2 mm, the finest a receiver gives (NMEA's ddmm.mmmmmmm). A double
// that needs more was computed, not typed, and its decimal degrees are no
// longer than its minutes.
inline constexpr int kMostMinuteDecimals = 7;

}  // namespace geo
