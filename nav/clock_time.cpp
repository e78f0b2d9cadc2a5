// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/clock_time.h"

#include <cmath>

#include "nav/errors.h"
#include "nav/rounding.h"

namespace nav {

namespace {

constexpr double kMinutesPerHour = 60;

}  // namespace

double roundedMinutes(double hours)
{
    if (!(hours >= 0 && std::isfinite(hours)))
        throw RangeError(Quantity::Hours, hours);
    const double minutes = roundHalfAway(hours * kMinutesPerHour);
    if (!std::isfinite(minutes))
        throw RangeError(Quantity::Hours, hours);
    return minutes;
}

std::optional<ClockTime> arrivalTime(ClockTime departure, double hours)
{
    const double minutes = roundedMinutes(hours);
    // Compared as doubles first: minutes beyond the calendar may not fit the
    // integer count of std::chrono::minutes.
    if (departure > kLatestClockTime ||
        minutes > static_cast<double>((kLatestClockTime - departure).count()))
        return std::nullopt;
    return departure + std::chrono::minutes{static_cast<std::chrono::minutes::rep>(minutes)};
}

}  // namespace nav
