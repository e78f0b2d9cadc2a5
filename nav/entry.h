// SPDX-License-Identifier: GPL-3.0-or-later
// Readers of what a navigator types besides positions: the departure time,
// the speed, a course and a distance. All read ASCII only and never depend
// on the locale; a text they refuse gives an empty result.
#pragma once

#include <optional>
#include <string_view>

#include "nav/clock_time.h"

namespace nav {

// A clock time written exactly as "YYYY-MM-DD HH:MM": ASCII digits, one
// space, a valid Gregorian date and a time from 00:00 to 23:59.
//   "2024-02-29 08:00"  "0001-01-01 00:00"  "2025-12-31 23:59"     read
//   "2023-02-29 08:00"  "2024-13-01 08:00"  "2024-01-01 24:00"
//   "2024-01-01 8:00"   "2024-1-1 08:00"    "2024-01-01T08:00"
//   " 2024-01-01 08:00" "2024-01-01 08:00:00"  "２０２４-…"         refused
std::optional<ClockTime> readClockTime(std::string_view text);

// A speed in knots as a plain decimal number above zero: digits with at
// most one point, no sign, exponent, blank or grouping.
//   "12"  "12.5"  ".5"  "5."  "0.1"                                   read
//   "0"  "0.0"  "-3"  "+3"  "1e3"  "12,5"  " 12"  "12 kn"  "inf"  "nan"  ""
//                                                                    refused
std::optional<double> readSpeed(std::string_view text);

// A course in degrees true as a plain decimal number from 0 to 360 (both
// north), written as readSpeed reads a speed.
//   "0"  "45"  "045.5"  "360"  ".5"                                  read
//   "360.1"  "-5"  "+5"  "45°"  "1e2"  "45,5"  " 45"  ""              refused
std::optional<double> readCourse(std::string_view text);

// A distance in n mile as a plain decimal number, zero or more, written as
// readSpeed reads a speed.
//   "0"  "12.5"  "1000000"  ".5"                                     read
//   "-1"  "+1"  "12 nm"  "1e3"  "12,5"  "inf"  ""                     refused
std::optional<double> readDistance(std::string_view text);

}  // namespace nav
