// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/display.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <stdexcept>

#include "geo/errors.h"
#include "geo/number_reading.h"

namespace geo {
namespace {

// Room for the longest fixed-notation shortest form of a double: 309 integer
// digits, or a point followed by 323 zeros and 17 digits.
constexpr std::size_t kFixedDigitsCapacity = 400;

// Decimal places a pattern asks for; whether it has a point at all.
struct PatternShape {
    std::size_t decimals = 0;
    bool hasPoint = false;
};

PatternShape parsePattern(std::string_view pattern)
{
    PatternShape shape;
    for (char c : pattern) {
        if (c == '.' && !shape.hasPoint) {
            shape.hasPoint = true;
        } else if (c == '#') {
            if (shape.hasPoint) ++shape.decimals;
        } else {
            throw std::invalid_argument("formatNumber: pattern takes '#' and one '.'");
        }
    }
    return shape;
}

// Adds one unit in the last place of a string of decimal digits; returns
// whether a new leading digit is needed ("999" -> "000", true).
bool incrementDigits(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    return true;
}

}  // namespace

std::string formatNumber(double value, std::string_view pattern)
{
    const PatternShape shape = parsePattern(pattern);
    if (!std::isfinite(value)) throw ArithmeticError("formatNumber: value not finite");

    std::array<char, kFixedDigitsCapacity> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                            std::fabs(value), std::chars_format::fixed);
    if (error != std::errc{}) throw std::logic_error("formatNumber: buffer too small");
    const std::string_view shortest(buffer.data(), static_cast<std::size_t>(end - buffer.data()));

    const std::size_t point = shortest.find('.');
    std::string integer(shortest.substr(0, point));
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : shortest.substr(point + 1);

    // Round half away from zero on the decimal digits themselves.
    std::string kept(fraction.substr(0, std::min(shape.decimals, fraction.size())));
    kept.resize(shape.decimals, '0');
    if (shape.decimals < fraction.size() && fraction[shape.decimals] >= '5') {
        if (incrementDigits(kept) && incrementDigits(integer)) integer.insert(0, 1, '1');
    }

    integer.erase(0, integer.find_first_not_of('0'));
    kept.erase(kept.find_last_not_of('0') + 1);

    std::string text;
    if (std::signbit(value) && !(integer.empty() && kept.empty())) text.push_back('-');
    text += integer;
    if (shape.hasPoint) text += '.';
    text += kept;
    return text;
}

}  // namespace geo


namespace geo {
namespace {

constexpr std::string_view kKilometrePattern = "####.###";
constexpr std::string_view kNauticalMilePattern = "#####.###";
constexpr std::string_view kDegreePattern = "####.###";

}  // namespace

DistanceReadout distanceReadout(double kilometres)
{
    DistanceReadout readout;
    readout.kilometres = formatNumber(kilometres, kKilometrePattern);
    // Read back as the window's fields are read; a lone point reads as 0.
    const double shown = readNumberPrefix(std::string_view(readout.kilometres));
    readout.nauticalMiles = formatNumber(shown / kKilometresPerNauticalMile, kNauticalMilePattern);
    return readout;
}

std::string angleReadout(double degrees) { return formatNumber(degrees, kDegreePattern); }

}  // namespace geo
