// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/astro_time.h"

#include <erfa.h>

#include <array>
#include <chrono>
#include <cmath>

#include "nav/errors.h"

namespace nav {

namespace {

constexpr int kSecondDigits = 9;  // UTC read back to the nanosecond
constexpr double kMaxClockSecond = 61;  // a minute ending with a leap second

void checkYear(int year)
{
    if (year < kFirstAlmanacYear || year > kLastAlmanacYear)
        throw TimeError(TimeProblem::OutOfRange);
}

JulianDate plusDays(JulianDate date, double days)
{
    return {date.whole, date.fraction + days};
}

}  // namespace

Instant::Instant(JulianDate tai, double dut1) : tai_(tai), dut1_(dut1)
{
    eraTaitt(tai.whole, tai.fraction, &tt_.whole, &tt_.fraction);
    JulianDate utc;
    eraTaiutc(tai.whole, tai.fraction, &utc.whole, &utc.fraction);
    eraUtcut1(utc.whole, utc.fraction, dut1, &ut1_.whole, &ut1_.fraction);
}

Instant Instant::fromUtc(const UtcTime& utc, double dut1)
{
    if (!std::isfinite(dut1) || std::fabs(dut1) > kMaxDut1)
        throw RangeError(Quantity::Dut1, dut1);
    checkYear(utc.year);
    if (!std::isfinite(utc.second))
        throw TimeError(TimeProblem::NoSuchTime);
    JulianDate date;
    // Negative: a field out of range. 2 and 3: a second past the day's end
    // (60 on a day without a leap second). 1 (a year beyond the leap-second
    // table's last sure year) is no fault: TAI - UTC keeps its last value.
    const int status = eraDtf2d("UTC", utc.year, utc.month, utc.day, utc.hour, utc.minute,
                                utc.second, &date.whole, &date.fraction);
    if (status < 0 || status >= 2)
        throw TimeError(TimeProblem::NoSuchTime);
    JulianDate tai;
    eraUtctai(date.whole, date.fraction, &tai.whole, &tai.fraction);
    return Instant(tai, dut1);
}

Instant Instant::later(double seconds) const
{
    const Instant instant(plusDays(tai_, seconds / kSecondsPerDay), dut1_);
    checkYear(instant.utc().year);
    return instant;
}

double Instant::secondsSince(const Instant& earlier) const noexcept
{
    return ((tai_.whole - earlier.tai_.whole) + (tai_.fraction - earlier.tai_.fraction)) *
           kSecondsPerDay;
}

UtcTime Instant::utc() const
{
    JulianDate utc;
    eraTaiutc(tai_.whole, tai_.fraction, &utc.whole, &utc.fraction);
    int year = 0, month = 0, day = 0;
    std::array<int, 4> hmsf{};
    eraD2dtf("UTC", kSecondDigits, utc.whole, utc.fraction, &year, &month, &day, hmsf.data());
    return {year, month, day, hmsf[0], hmsf[1], hmsf[2] + hmsf[3] * std::pow(10.0, -kSecondDigits)};
}

namespace {

// The clock `minutes` later, the seconds as they were.
UtcTime shifted(const UtcTime& clock, int minutes)
{
    using namespace std::chrono;
    const year_month_day date{year{clock.year}, month{static_cast<unsigned>(clock.month)},
                              std::chrono::day{static_cast<unsigned>(clock.day)}};
    if (clock.month < 1 || clock.month > 12 || clock.day < 1 || !date.ok() || clock.hour < 0 ||
        clock.hour > 23 || clock.minute < 0 || clock.minute > 59 || !std::isfinite(clock.second) ||
        clock.second < 0 || clock.second >= kMaxClockSecond)
        throw TimeError(TimeProblem::NoSuchTime);
    const sys_time<std::chrono::minutes> start =
        sys_days(date) + hours{clock.hour} + std::chrono::minutes{clock.minute + minutes};
    const sys_days day = floor<days>(start);
    const year_month_day moved{day};
    const hh_mm_ss<std::chrono::minutes> time{start - day};
    return {static_cast<int>(moved.year()), static_cast<int>(static_cast<unsigned>(moved.month())),
            static_cast<int>(static_cast<unsigned>(moved.day())), static_cast<int>(time.hours().count()),
            static_cast<int>(time.minutes().count()), clock.second};
}

}  // namespace

UtcTime utcFromZone(const UtcTime& clock, TimeZone zone)
{
    return shifted(clock, -zone.minutes());
}

UtcTime zoneFromUtc(const UtcTime& utc, TimeZone zone)
{
    return shifted(utc, zone.minutes());
}

}  // namespace nav
