// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/display.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "geo/units.h"
#include "nav/earth.h"
#include "nav/errors.h"

namespace nav {

namespace {

using geo::kFullCircle;
using geo::kMinutesPerDegree;
constexpr double kMinutesPerHour = 60;
constexpr double kMinutesPerDay = 24 * kMinutesPerHour;
constexpr std::string_view kDays = "天";
constexpr std::string_view kUtcWord = "UTC";
constexpr std::string_view kDegreeSign = "\u00B0";
constexpr std::string_view kMinuteSign = "\u2032";
constexpr std::string_view kSixtyMinutes = "60.00";
constexpr std::string_view kZeroMinutes = "00.00";

// A value with `decimals` decimals, rounded as printf's %f rounds (the exact
// binary value to the nearest, a tie to even), zero-padded to `width`
// characters. Unlike printf, always with a point, whatever the locale: Qt
// sets the program's locale from the environment, and a German one would
// write "5,0". The hours of a long time under way may have hundreds of
// digits, up to the 309 of the largest double.
std::string fixed(double value, int decimals, std::size_t width = 0)
{
    std::array<char, 512> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed, decimals);
    std::string text(buffer.data(), error == std::errc{} ? end : buffer.data());
    if (text.size() < width) text.insert(0, width - text.size(), '0');
    return text;
}

// Whole numbers of a date and a time, which printf writes the same in every locale.
template <class... Args>
std::string printed(const char* format, Args... args)
{
    const int length = std::snprintf(nullptr, 0, format, args...);
    std::string text(static_cast<std::size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, format, args...);
    return text;
}

struct Hemispheres {
    int degreeDigits;
    char positive;
    char negative;
};

constexpr Hemispheres kLatitude = {2, 'N', 'S'};
constexpr Hemispheres kLongitude = {3, 'E', 'W'};

std::string degreesAndMinutes(double value, Hemispheres axis)
{
    const double magnitude = std::fabs(value);
    double degrees = std::floor(magnitude);
    // magnitude - degrees is exact (both lie within a factor two, or degrees
    // is zero), so the minutes carry one rounding before they are printed.
    std::string minutes = fixed((magnitude - degrees) * kMinutesPerDegree, 2, kZeroMinutes.size());
    if (minutes == kSixtyMinutes) {
        degrees += 1;
        minutes = kZeroMinutes;
    }
    const bool zero = degrees == 0 && minutes == kZeroMinutes;
    const char hemisphere = value < 0 && !zero ? axis.negative : axis.positive;
    std::string text = fixed(degrees, 0, axis.degreeDigits);
    text += kDegreeSign;
    text += minutes;
    text += kMinuteSign;
    text += hemisphere;
    return text;
}

void checkCourse(double degrees)
{
    if (!(degrees >= 0 && degrees <= kFullCircle))
        throw RangeError(Quantity::Course, degrees);
}

void checkDistance(double nauticalMiles)
{
    if (!(nauticalMiles >= 0 && std::isfinite(nauticalMiles)))
        throw RangeError(Quantity::Distance, nauticalMiles);
}

}  // namespace

std::string formatCourse(double degrees)
{
    checkCourse(degrees);
    // + 0.0 turns -0.0 into 0, which prints without a sign.
    const std::string text = fixed(degrees + 0.0, 1, 5);
    return text == "360.0" ? "000.0" : text;
}

std::string formatDistance(double nauticalMiles)
{
    checkDistance(nauticalMiles);
    return fixed(nauticalMiles + 0.0, 1);
}

std::string formatCourseCorrection(const Leg& leg)
{
    checkCourse(leg.rhumb.course);
    checkCourse(leg.greatCircle.initialCourse);
    // Between coincident points the solvers' courses (000.0 and 180.0) are
    // conventions, not directions, and their difference means nothing.
    if (leg.rhumb.distance == 0)
        return "0.0";
    double difference = leg.greatCircle.initialCourse - leg.rhumb.course;
    if (difference > kFullCircle / 2)
        difference -= kFullCircle;
    else if (difference <= -kFullCircle / 2)
        difference += kFullCircle;
    return formatAngleDifference(difference);
}

std::string formatAngleDifference(double degrees)
{
    if (!(std::fabs(degrees) <= kFullCircle))
        throw RangeError(Quantity::Course, degrees);
    const std::string magnitude = fixed(std::fabs(degrees), 1);
    if (magnitude == "0.0")
        return magnitude;
    return (degrees < 0 ? "-" : "+") + magnitude;
}

std::string formatDistanceSaved(const Leg& leg)
{
    checkDistance(leg.rhumb.distance);
    checkDistance(leg.greatCircle.distance);
    return formatDistance(std::max(leg.rhumb.distance - leg.greatCircle.distance, 0.0));
}

std::string formatLatitude(double degrees)
{
    checkPosition({degrees, 0});
    return degreesAndMinutes(degrees, kLatitude);
}

std::string formatLongitude(double degrees)
{
    checkPosition({0, degrees});
    return degreesAndMinutes(degrees, kLongitude);
}

std::string formatPosition(geo::GeoPoint position)
{
    checkPosition(position);
    return degreesAndMinutes(position.latitude, kLatitude) + ' ' +
           degreesAndMinutes(position.longitude, kLongitude);
}

std::string formatTimeUnderWay(double hours)
{
    const double minutes = roundedMinutes(hours);
    const double wholeHours = std::floor(minutes / kMinutesPerHour);
    return fixed(wholeHours, 0) + ':' + fixed(minutes - wholeHours * kMinutesPerHour, 0, 2);
}

std::string formatTotalTime(double hours)
{
    const double minutes = roundedMinutes(hours);
    // std::fmod is exact, and so are the whole numbers below it.
    const double withinDay = std::fmod(minutes, kMinutesPerDay);
    const double days = (minutes - withinDay) / kMinutesPerDay;
    const double wholeHours = std::floor(withinDay / kMinutesPerHour);
    return fixed(days, 0) + std::string(kDays) + ' ' + fixed(wholeHours, 0) + ':' +
           fixed(withinDay - wholeHours * kMinutesPerHour, 0, 2);
}

std::string formatSpeed(double knots)
{
    if (!(knots >= 0 && std::isfinite(knots)))
        throw RangeError(Quantity::Speed, knots);
    return fixed(knots + 0.0, 1);
}

std::string formatTimeZone(TimeZone zone)
{
    const int minutes = zone.minutes();
    if (minutes == 0)
        return std::string(kUtcWord);
    const int magnitude = minutes < 0 ? -minutes : minutes;
    const int perHour = static_cast<int>(kMinutesPerHour);
    std::string text = std::string(kUtcWord) + (minutes < 0 ? '-' : '+') + std::to_string(magnitude / perHour);
    if (magnitude % perHour != 0)
        text += printed(":%02d", magnitude % perHour);
    return text;
}

std::string formatZonedTime(ZonedTime time)
{
    return formatClockTime(time.clock) + ' ' + formatTimeZone(time.zone);
}

std::string formatClockTime(ClockTime time)
{
    const auto day = std::chrono::floor<std::chrono::days>(time);
    const std::chrono::year_month_day date{day};
    const std::chrono::hh_mm_ss clock{time - day};
    return printed("%04d-%02u-%02u %02d:%02d", static_cast<int>(date.year()),
                   static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                   static_cast<int>(clock.hours().count()),
                   static_cast<int>(clock.minutes().count()));
}

}  // namespace nav
