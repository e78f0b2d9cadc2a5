// SPDX-License-Identifier: GPL-3.0-or-later
// Departure and arrival times on the departure time's own clock.
//
// A time is a plain clock reading, to the minute: the arithmetic is that of
// the calendar alone (std::chrono's local days), so no summer time can
// shift an arrival. An arrival is reckoned on the clock the voyage left
// with; the zone that clock reads is kept beside it (time_zone.h), and the
// same instant on another zone's clock follows from the offsets alone.
#pragma once

#include <chrono>
#include <optional>

namespace nav {

using ClockTime = std::chrono::local_time<std::chrono::minutes>;

// The last time the display writes in four-digit years: 9999-12-31 23:59.
inline constexpr ClockTime kLatestClockTime =
    std::chrono::local_days{std::chrono::year{9999} / std::chrono::December / 31} +
    std::chrono::hours{23} + std::chrono::minutes{59};

// A time under way in hours to whole minutes, the nearest (half a minute
// rounds up), as a whole number of minutes in a double so that any finite
// time fits. The one rounding of both the time shown and the arrival time.
//   0.0833 -> 5    25.5 -> 1530    1 / 120 -> 1
// Throws RangeError (Quantity::Hours) for hours that are not finite or
// negative, or so large that their minutes are not finite.
double roundedMinutes(double hours);

// Departure plus the time under way rounded by roundedMinutes: the arrival
// time (ETA) as shown. Empty when it would fall after kLatestClockTime.
//   2024-12-31 23:00 + 1.5 h -> 2025-01-01 00:30
// Throws what roundedMinutes throws.
std::optional<ClockTime> arrivalTime(ClockTime departure, double hours);

}  // namespace nav
