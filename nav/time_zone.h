// SPDX-License-Identifier: GPL-3.0-or-later
// Zone times (区时): a clock time together with the zone it is read in.
//
// A zone is a fixed offset from UTC, as a ship sets its clocks, never a
// civil time zone with summer time: the offset alone converts a time, so
// the arithmetic stays that of whole minutes (clock_time.h) and is exact.
// Offsets run from UTC-12 to UTC+14, the zones any clock keeps, in quarter
// hours (UTC+5:30 India, UTC+5:45 Nepal, UTC+12:45 Chatham); east is
// positive, as in "UTC+8". The nautical zone description (ZD) writes the
// opposite sign (ZD -8 for UTC+8); nav never uses it.
#pragma once

#include <chrono>
#include <optional>

#include "nav/clock_time.h"

namespace nav {

inline constexpr int kMinutesPerZoneStep = 15;             // a quarter hour
inline constexpr int kWestmostZoneMinutes = -12 * 60;      // UTC-12
inline constexpr int kEastmostZoneMinutes = 14 * 60;       // UTC+14
inline constexpr double kDegreesPerNauticalZone = 15;      // one hour of longitude

class TimeZone {
public:
    // UTC.
    constexpr TimeZone() = default;

    // The zone `minutes` east of UTC: a multiple of 15 from -720 to +840.
    //   0  330 (UTC+5:30)  345  -720  840           a zone
    //   10  -735  855                               empty
    static constexpr std::optional<TimeZone> fromMinutes(int minutes)
    {
        if (minutes < kWestmostZoneMinutes || minutes > kEastmostZoneMinutes ||
            minutes % kMinutesPerZoneStep != 0)
            return std::nullopt;
        return TimeZone(minutes);
    }

    // The nautical zone (船时) of a longitude: round(longitude / 15) hours,
    // so zone 0 spans 7.5 W .. 7.5 E and each zone 15 degrees. A meridian
    // at a boundary (7.5, 22.5 … 172.5 east or west) belongs to the zone
    // farther from Greenwich, a half rounding away from zero:
    // the zones are the same east and west. At the date line the two
    // half-zones keep the same clock a day apart: 172.5 E .. 180 E is
    // UTC+12, 172.5 W .. 180 W is UTC-12. The 180th meridian itself belongs
    // to the side the longitude is written on: +180 (180°00′E) is UTC+12,
    // -180 (180°W, as Earth::deadReckoning and the great-circle points write
    // it) is UTC-12.
    //   0 -> UTC   7.4999 -> UTC   7.5 -> UTC+1   -7.5 -> UTC-1
    //   121.5 -> UTC+8   172.4999 -> UTC+11   172.5 -> UTC+12
    //   180 -> UTC+12   -180 -> UTC-12   -172.5 -> UTC-12   -172.4999 -> UTC-11
    // Throws RangeError (Quantity::Longitude) for a longitude that is not
    // finite or lies outside -180 .. 180.
    static TimeZone nautical(double longitude);

    // Minutes east of UTC.
    constexpr int minutes() const noexcept { return minutes_; }
    constexpr std::chrono::minutes offset() const noexcept { return std::chrono::minutes{minutes_}; }

    friend constexpr bool operator==(TimeZone, TimeZone) = default;

private:
    explicit constexpr TimeZone(int minutes) : minutes_(minutes) {}
    int minutes_ = 0;
};

inline constexpr TimeZone kUtc{};
// The zone a departure is given in unless another is chosen: China's coast.
inline constexpr TimeZone kDefaultDepartureZone = *TimeZone::fromMinutes(8 * 60);

// The first time the display writes in four-digit years, 0000-01-01 00:00,
// the counterpart of kLatestClockTime.
inline constexpr ClockTime kEarliestClockTime =
    std::chrono::local_days{std::chrono::year{0} / std::chrono::January / 1} +
    std::chrono::minutes{0};

// A clock reading and the zone it is read in: one instant.
struct ZonedTime {
    ClockTime clock;
    TimeZone zone;
    friend bool operator==(const ZonedTime&, const ZonedTime&) = default;
};

// The same instant on the clock of `zone`: the clock moves by the
// difference of the offsets, exactly.
//   2025-03-01 08:00 UTC+8 in UTC     -> 2025-03-01 00:00 UTC
//   2025-03-01 08:00 UTC+8 in UTC-5   -> 2025-02-28 19:00 UTC-5
//   2025-03-01 00:30 UTC+5:45 in UTC  -> 2025-02-28 18:45 UTC
// Empty when the clock there would fall outside kEarliestClockTime ..
// kLatestClockTime, which the display cannot write.
std::optional<ZonedTime> inZone(ZonedTime time, TimeZone zone);

}  // namespace nav
