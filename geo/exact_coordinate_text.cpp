// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/exact_coordinate_text.h"

#include "geo/coordinate_text.h"
#include "geo/errors.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>

namespace geo {

namespace {

std::string_view hemisphereOf(double degrees, Axis axis)
{
    const bool latitude = axis == Axis::Latitude;
    // A zero of either sign is N or E, as the display writes it.
    if (std::signbit(degrees) && degrees != 0)
        return latitude ? "S" : "W";
    return latitude ? "N" : "E";
}

constexpr int kFewestMinuteDecimals = 3;
constexpr int kMinutesPerDegree = 60;
// How far, in units in the last place of the value, a candidate's degrees
// summed in doubles may lie from it and still be worth reading: the sum is
// off by two units at most, the text's own value by half a unit.
constexpr double kCandidateUlps = 4;

// "30°50.000′N": the minutes, scaled by 10^decimals, with two digits
// before their point.
std::string minutesText(int degrees, std::int64_t scaledMinutes, std::int64_t scale, int decimals,
                        std::string_view hemisphere)
{
    const std::int64_t whole = scaledMinutes / scale;
    std::string fraction = std::to_string(scaledMinutes % scale);
    fraction.insert(0, std::size_t(decimals) - fraction.size(), '0');
    return std::to_string(degrees) + "°" + (whole < 10 ? "0" : "") + std::to_string(whole) + "."
        + fraction + "′" + std::string(hemisphere);
}

// The reader is the judge: the marks make the form no matter.
bool readsBackAs(const std::string& text, double degrees, Axis axis)
{
    try {
        return readRouteCoordinate(text, NumberForm::Minutes, axis) == degrees;
    } catch (const CoordinateError&) {
        return false;
    }
}

// The text of `decimals` decimals of the minute that reads as `degrees`, if
// there is one. The fraction of a degree is exact; its minutes, scaled, are
// off by far less than one unit of the last decimal, so the decimal minutes
// nearest the double lie among the integers beside the scaled value.
std::optional<std::string> minutesWithDecimals(double degrees, Axis axis, int decimals)
{
    const double magnitude = std::fabs(degrees);
    const double whole = std::floor(magnitude);
    const double unitInLastPlace = std::nextafter(magnitude, HUGE_VAL) - magnitude;
    std::int64_t scale = 1;
    for (int k = 0; k < decimals; ++k)
        scale *= 10;
    const double minutesPerDegree = kMinutesPerDegree * double(scale);
    const auto below = std::int64_t(std::floor((magnitude - whole) * minutesPerDegree));
    for (std::int64_t minutes = std::max<std::int64_t>(below - 1, 0);
         minutes <= below + 2 && minutes < kMinutesPerDegree * scale; ++minutes) {
        // Reading is dear; only a text that may give the double is read.
        const double summed = whole + double(minutes) / minutesPerDegree;
        if (std::fabs(summed - magnitude) > kCandidateUlps * unitInLastPlace)
            continue;
        std::string text = minutesText(int(whole), minutes, scale, decimals, hemisphereOf(degrees, axis));
        if (readsBackAs(text, degrees, axis))
            return text;
    }
    return std::nullopt;
}

}  // namespace

std::string exactDegreesText(double degrees, Axis axis)
{
    // 'fixed' without a precision is the shortest that reads back; the
    // longest a double gives (1.8e308, or 5e-324) is some 330 characters.
    std::array<char, 400> digits{};
    const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), std::fabs(degrees),
                                       std::chars_format::fixed);
    return std::string(digits.data(), written.ptr) + "°" + std::string(hemisphereOf(degrees, axis));
}

std::string exactCoordinateText(double degrees, Axis axis)
{
    if (std::isfinite(degrees)) {
        for (int decimals = kFewestMinuteDecimals; decimals <= kMostMinuteDecimals; ++decimals) {
            if (std::optional<std::string> text = minutesWithDecimals(degrees, axis, decimals))
                return *std::move(text);
        }
    }
    return exactDegreesText(degrees, axis);
}

}  // namespace geo
