// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/display.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "nav/earth.h"
#include "nav/errors.h"

namespace nav {

namespace {

constexpr double kFullCircle = 360;
constexpr double kMinutesPerDegree = 60;
constexpr double kMinutesPerHour = 60;
constexpr std::string_view kDegreeSign = "\u00B0";
constexpr std::string_view kMinuteSign = "\u2032";
constexpr std::string_view kSixtyMinutes = "60.00";
constexpr std::string_view kZeroMinutes = "00.00";

// printf into a string of the length it needs: the hours of a long time
// under way may have hundreds of digits.
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
    std::string minutes = printed("%05.2f", (magnitude - degrees) * kMinutesPerDegree);
    if (minutes == kSixtyMinutes) {
        degrees += 1;
        minutes = kZeroMinutes;
    }
    const bool zero = degrees == 0 && minutes == kZeroMinutes;
    const char hemisphere = value < 0 && !zero ? axis.negative : axis.positive;
    std::string text = printed("%0*.0f", axis.degreeDigits, degrees);
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
    const std::string text = printed("%05.1f", degrees + 0.0);
    return text == "360.0" ? "000.0" : text;
}

std::string formatDistance(double nauticalMiles)
{
    checkDistance(nauticalMiles);
    return printed("%.1f", nauticalMiles + 0.0);
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
    const std::string magnitude = printed("%.1f", std::fabs(difference));
    if (magnitude == "0.0")
        return magnitude;
    return (difference < 0 ? "-" : "+") + magnitude;
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
    return printed("%.0f:%02.0f", wholeHours, minutes - wholeHours * kMinutesPerHour);
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
