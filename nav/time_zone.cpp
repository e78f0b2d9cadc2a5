// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/time_zone.h"

#include <cmath>

#include "nav/earth.h"
#include "nav/rounding.h"

namespace nav {

namespace {

constexpr int kMinutesPerHour = 60;

}  // namespace

TimeZone TimeZone::nautical(double longitude)
{
    checkPosition({0, longitude});
    // longitude / 15 is exact at every boundary (15k + 7.5 gives k + 0.5),
    // and division rounds monotonically, so no longitude short of a boundary
    // rounds onto it.
    const int hours = static_cast<int>(roundHalfAway(longitude / kDegreesPerNauticalZone));
    return TimeZone(hours * kMinutesPerHour);
}

std::optional<ZonedTime> inZone(ZonedTime time, TimeZone zone)
{
    const ClockTime clock = time.clock - time.zone.offset() + zone.offset();
    if (clock < kEarliestClockTime || clock > kLatestClockTime)
        return std::nullopt;
    return ZonedTime{clock, zone};
}

}  // namespace nav
