// SPDX-License-Identifier: GPL-3.0-or-later
// How navigation results are written: courses, distances, positions, times
// under way and clock times, as UTF-8 texts for the window and the command
// line. Courses, distances and the minutes of a position are rounded as
// printf's "%.1f" rounds: to the nearest of the double's exact binary value,
// so 0.35, stored just below, shows 0.3 (an exact tie goes to the even
// digit). Times under way are rounded to the minute by roundedMinutes. The
// decimal sign is always ".", whatever the locale.
#pragma once

#include <string>

#include "geo/angle.h"
#include "nav/clock_time.h"
#include "nav/leg.h"
#include "nav/time_zone.h"

namespace nav {

// A course, degrees true, to 0.1 degree in three integer digits. One that
// rounds to 360.0 is north, 000.0.
//   5 -> "005.0"   123.44 -> "123.4"   359.96 -> "000.0"   -0.0 -> "000.0"
// Throws RangeError (Quantity::Course) for a course that is not finite or
// lies outside 0 .. 360.
std::string formatCourse(double degrees);

// A distance in n mile to 0.1, with a leading zero below one.
//   0.84 -> "0.8"   12 -> "12.0"   577.66 -> "577.7"
// Throws RangeError (Quantity::Distance) for one that is not finite or is
// negative.
std::string formatDistance(double nauticalMiles);

// A latitude or longitude as degrees and minutes to 0.01′, the hemisphere
// last: latitude degrees in two digits, longitude degrees in three, minutes
// always two digits before the point and two after; U+00B0 and U+2032.
// Minutes that round to 60.00′ carry into the degrees. A value that rounds
// to zero is N or E. The text reads back, by geo::readCoordinate, to within
// 0.005′ of the value.
//   30.17 -> "30°10.20′N"      -5 (longitude) -> "005°00.00′W"
//   0 -> "00°00.00′N"          -0.00001 -> "00°00.00′N"
//   29.99999 -> "30°00.00′N"   (59.9994′ rounds to 60.00′ and carries)
// Throws RangeError as checkPosition (earth.h) does.
std::string formatLatitude(double degrees);
std::string formatLongitude(double degrees);

// Both halves, latitude first, one space between:
//   {30.17, 122.08833333} -> "30°10.20′N 122°05.30′E"
std::string formatPosition(geo::GeoPoint position);

// A signed angle between two directions (a leeway α, a drift angle β, their
// sum γ), degrees to 0.1 with its sign; one that rounds to zero has none.
//   3 -> "+3.0"   -2.04 -> "-2.0"   0.04 -> "0.0"   -0.04 -> "0.0"   180 -> "+180.0"
// Throws RangeError (Quantity::Course) for one that is not finite or lies
// beyond a full circle either way.
std::string formatAngleDifference(double degrees);

// How far the great circle's initial course lies from the rhumb line's
// course (大圆改正量): the great circle's initial course minus the rhumb
// line's, taken the short way round the compass, in (-180, 180], to 0.1
// degree with its sign; one that rounds to zero has none. A leg whose
// rhumb-line distance is zero has no course to correct: "0.0".
//   RL 090.0, GC 060.3 -> "-29.7"   RL 359.0, GC 001.0 -> "+2.0"
//   RL 010.00, GC 009.96 -> "0.0"
// Throws RangeError (Quantity::Course) as formatCourse does for either course.
std::string formatCourseCorrection(const Leg& leg);

// What the great circle saves over the rhumb line, in n mile to 0.1. The
// great circle is the shortest path, so the difference is never negative;
// a negative one of round-off, on a meridian or the equator, shows "0.0".
//   RL 1057.2, GC 1043.9 -> "13.3"
// Throws RangeError (Quantity::Distance) as formatDistance does for either
// distance.
std::string formatDistanceSaved(const Leg& leg);

// A time under way, hours and minutes "h:mm", rounded by roundedMinutes
// (clock_time.h); the hours have as many digits as they need. The form of
// the cumulative time under way (航时) and of a leg's own time (航段航时).
//   1 / 12 -> "0:05"   25.5 -> "25:30"   123.1167 -> "123:07"
// Throws what roundedMinutes throws.
std::string formatTimeUnderWay(double hours);

// A clock time of the years 0000 .. 9999 as "YYYY-MM-DD HH:MM", the form
// readClockTime (entry.h) reads back.
//   2025-01-01 00:30 -> "2025-01-01 00:30"
std::string formatClockTime(ClockTime time);

// The total time of a passage, whole days, "天", then hours and minutes as
// formatTimeUnderWay writes them below a day: "d天 h:mm", rounded once by
// roundedMinutes. The days are written also when there are none, so that
// every total reads the same way and "5:30" is never taken for days.
//   5.5 -> "0天 5:30"   24 -> "1天 0:00"   53.1167 -> "2天 5:07"
//   23.9999 -> "1天 0:00"   (the minutes round up into the next day)
// Throws what roundedMinutes throws.
std::string formatTotalTime(double hours);

// A speed in knots to 0.1, as formatDistance writes a distance, without the
// unit: the form of a speed nav computes (the average speed of a passage).
// A speed the navigator typed is shown as typed: its shortest decimal form.
//   12.46 -> "12.5"   0.04 -> "0.0"   9.95 -> "9.9" (stored just below)
// Throws RangeError (Quantity::Speed) for one that is not finite or is
// negative.
std::string formatSpeed(double knots);

// A zone as "UTC", or "UTC" with the offset's sign and its hours, then ":"
// and two digits of minutes when there are any; readTimeZone (entry.h)
// reads it back.
//   UTC -> "UTC"   +8 h -> "UTC+8"   -5 h -> "UTC-5"   +5:30 -> "UTC+5:30"
//   +5:45 -> "UTC+5:45"   -9:30 -> "UTC-9:30"   -12 h -> "UTC-12"
std::string formatTimeZone(TimeZone zone);

// A time with its zone, as "YYYY-MM-DD HH:MM" (formatClockTime), one space
// and the zone; readZonedTime (entry.h) reads it back.
//   2025-03-02 03:02 at +8 h -> "2025-03-02 03:02 UTC+8"
//   2025-03-01 00:00 at UTC  -> "2025-03-01 00:00 UTC"
std::string formatZonedTime(ZonedTime time);

}  // namespace nav
