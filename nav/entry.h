// SPDX-License-Identifier: GPL-3.0-or-later
// Readers of what a navigator types besides positions: the departure time,
// the speed, a course and a distance. All read ASCII only and never depend
// on the locale; a text they refuse gives an empty result.
#pragma once

#include <optional>
#include <string_view>

#include "nav/clock_time.h"
#include "nav/time_zone.h"

namespace nav {

// A clock time: a date of a four-digit year, a valid Gregorian month and
// day, then one space or a "T", then hours and minutes from 00:00 to 23:59.
// The date is written with "-" or with "/" (the same both times); month,
// day and hour in one or two digits, minutes in two; ASCII only.
//   "2024-02-29 08:00"  "0001-01-01 00:00"  "2025-12-31 23:59"
//   "2025/3/1 8:00"  "2025/03/01 08:00"  "2025-03-01T08:00"  "2025-3-1 8:00"
//                                                                      read
//   "2023-02-29 08:00"  "2024-13-01 08:00"  "2024-01-01 24:00"
//   "2024/01-01 08:00"  "24-01-01 08:00"  "2024-001-01 08:00"  "2024-01-01 8:0"
//   "2024-01-01  08:00"  "2024-01-01t08:00"  "2024-01-01T08:00Z"
//   " 2024-01-01 08:00" "2024-01-01 08:00:00"  "２０２４-…"          refused
std::optional<ClockTime> readClockTime(std::string_view text);

// A watch time of a running fix, hours and minutes as in readClockTime
// without the date: minutes after midnight, 0 .. 1439.
//   "9:30" -> 570   "09:30" -> 570   "0:00" -> 0   "23:59" -> 1439     read
//   "24:00"  "9:60"  "0930"  "9.30"  " 9:30"  "9:30:00"  ""            refused
std::optional<int> readWatchTime(std::string_view text);

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

// A signed number, such as a compass error (罗经差, east positive): a
// plain decimal as readSpeed reads it, zero included, after at most one
// sign. Whether it is in range is the caller's to check.
//   "-2.5"  "+3"  "3"  "0"  "-0.5"                                    read
//   "--2"  "2.5E"  "2,5"  " 3"  "−3" (U+2212)  ""                     refused
std::optional<double> readSignedDecimal(std::string_view text);

// The interval between the meridians of a great-circle sailing
// (great_circle.h), degrees of longitude, written as readSpeed reads a
// speed, at least kSmallestMeridianInterval (one minute of longitude).
//   "5"  "10"  "2.5"  "0.5"  "360"                                    read
//   "0"  "0.01"  "-5"  "+5"  "5°"  "1e1"  " 5"  ""                    refused
std::optional<double> readMeridianInterval(std::string_view text);

// A time zone (time_zone.h) as a navigator writes it: "UTC" alone, or an
// offset with its sign, after "UTC" or alone: the hours in one or two
// digits, then ":" and the minutes in two digits when they are not zero.
// "UTC" may be written in any case. A sign is needed for any zone but UTC,
// because the nautical zone description writes the opposite sign (ZD -8 is
// UTC+8): "8" alone could mean either. Full-width forms an input method
// types (＋８, ＵＴＣ－５：３０) and the minus sign U+2212 read as their ASCII
// forms; blanks are not skipped.
//   "+8"  "-5"  "+5:30"  "+05:30"  "0"  "-0"  "UTC"  "utc"  "UTC+8"  "UTC-5"
//   "UTC+5:45"  "UTC-12"  "UTC+14"  "UTC−3:30" (U+2212)  "＋８"          read
//   "8" "UTC8" (no sign)   "+15" "-12:15" "+14:15" (beyond UTC-12 .. UTC+14)
//   "+5:20" (not a quarter hour)   "+5:7" "+5:60" "+530" "+5.5" "+123"
//   "UTC +8" " +8" "GMT+8" "Z" "+" "UTC+" ""                          refused
std::optional<TimeZone> readTimeZone(std::string_view text);

// Why readTimeZone refuses a text, for the message that says so.
enum class ZoneRefusal {
    NotAZone,        // not of the grammar above: "GMT+8", "+5.5", ""
    NoSign,          // an offset other than zero without its sign: "8", "UTC8"
    OutOfRange,      // beyond UTC-12 .. UTC+14: "+15", "-12:15"
    NotQuarterHour,  // minutes other than 00, 15, 30, 45: "+5:20"
};

// Empty when readTimeZone reads the text.
std::optional<ZoneRefusal> zoneRefusal(std::string_view text);

// A time with its zone, as formatZonedTime (display.h) writes it: a clock
// time readClockTime reads, one space, a zone readTimeZone reads.
//   "2025-03-02 03:02 UTC+8"  "2025-03-01 00:00 UTC"  "2025/3/1 8:00 +5:30"
//                                                                      read
//   "2025-03-02 03:02" (no zone)  "2025-03-02 03:02UTC+8"
//   "2025-03-02 03:02  UTC+8"  "2025-03-02 03:02 UTC+15"             refused
std::optional<ZonedTime> readZonedTime(std::string_view text);

}  // namespace nav
