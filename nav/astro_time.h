// SPDX-License-Identifier: GPL-3.0-or-later
// The instants of the almanac and their time scales.
//
// An instant is given in UTC, as a ship's chronometer and radio time signals
// keep it, with DUT1 = UT1 - UTC as broadcast (0 when unknown; each second of
// it is 0.25′ of hour angle). From it:
//   TT  = UTC + (TAI - UTC) + 32.184 s, TAI - UTC from the leap-second table
//         (ERFA's eraDat: 37 s since 2017-01-01; a leap second announced
//         after the library was built is not known, and later instants keep
//         the table's last value);
//   UT1 = UTC + DUT1.
// No ΔT is extrapolated by a formula: TT - UT1 is whatever these two give.
// Positions are computed in TT, the Earth's rotation (GHA) in UT1.
//
// Dates and times:
//   2026-12-08 09:30:15.5, 2016-12-31 23:59:60 (a leap second)   instants
//   2025-02-29, 2026-04-31, 24:00:00, 2017-06-30 23:59:60        TimeError NoSuchTime
//   1969-07-20, 2100-01-01                                       TimeError OutOfRange
// Years run from kFirstAlmanacYear (UTC in whole seconds of TAI since
// 1972) to kLastAlmanacYear; the almanac's accuracy is measured 2000 .. 2050.
#pragma once

#include "nav/time_zone.h"
#include "nav/utc_time.h"

namespace nav {

inline constexpr int kFirstAlmanacYear = 1972;
inline constexpr int kLastAlmanacYear = 2099;
inline constexpr double kMaxDut1 = 0.9;  // seconds: IERS keeps |UT1 - UTC| below it
inline constexpr double kSecondsPerDay = 86400;

// A Julian date in two parts, as ERFA takes it: the sum is the date, split so
// that no precision is lost (the first part a whole or half day).
struct JulianDate {
    double whole = 0;
    double fraction = 0;
    double days() const noexcept { return whole + fraction; }
};

class Instant {
public:
    // Throws TimeError for a time as above and RangeError (Quantity::Dut1)
    // for a DUT1 that is not finite or beyond kMaxDut1.
    static Instant fromUtc(const UtcTime& utc, double dut1 = 0);

    // The instant `seconds` SI seconds later (earlier when negative), with
    // the same DUT1; across a leap second the clock shows 23:59:60. Throws
    // TimeError (OutOfRange) when it leaves the almanac's years.
    Instant later(double seconds) const;

    // SI seconds from `earlier` to this instant.
    double secondsSince(const Instant& earlier) const noexcept;

    UtcTime utc() const;
    double dut1() const noexcept { return dut1_; }
    JulianDate tt() const noexcept { return tt_; }
    JulianDate ut1() const noexcept { return ut1_; }

private:
    Instant(JulianDate tai, double dut1);
    JulianDate tai_;
    JulianDate tt_;
    JulianDate ut1_;
    double dut1_ = 0;
};

// The UTC date and time of a reading of a clock kept in `zone`, and back:
// the clock moves by the zone's offset, the seconds stay as read (07:59:60
// UTC+8 is the leap second 23:59:60 UTC). Throws TimeError (NoSuchTime) for
// a date or time of day out of its range.
//   2026-12-08 09:30:15 UTC+8 -> 2026-12-08 01:30:15 UTC
//   2026-01-01 03:00:00 UTC+5:45 -> 2025-12-31 21:15:00 UTC
UtcTime utcFromZone(const UtcTime& clock, TimeZone zone);
UtcTime zoneFromUtc(const UtcTime& utc, TimeZone zone);

}  // namespace nav
