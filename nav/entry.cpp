// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/entry.h"

#include <charconv>
#include <cmath>

namespace nav {

namespace {

// "YYYY-MM-DD HH:MM": 'd' marks a digit, anything else must stand as it is.
constexpr std::string_view kClockPattern = "dddd-dd-dd dd:dd";

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool matchesPattern(std::string_view text)
{
    if (text.size() != kClockPattern.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool ok = kClockPattern[i] == 'd' ? isDigit(text[i]) : text[i] == kClockPattern[i];
        if (!ok)
            return false;
    }
    return true;
}

// The digits at [first, first + count) of a text matchesPattern accepted.
int number(std::string_view text, std::size_t first, std::size_t count)
{
    int value = 0;
    for (char c : text.substr(first, count))
        value = value * 10 + (c - '0');
    return value;
}

// Digits with at most one point, and at least one digit.
bool isPlainDecimal(std::string_view text)
{
    int points = 0;
    int digits = 0;
    for (char c : text) {
        if (c == '.')
            ++points;
        else if (isDigit(c))
            ++digits;
        else
            return false;
    }
    return points <= 1 && digits > 0;
}

// The nearest double of a text isPlainDecimal accepts; nothing when it
// does not fit a double.
std::optional<double> plainDecimal(std::string_view text)
{
    if (!isPlainDecimal(text))
        return std::nullopt;
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

constexpr double kFullCircle = 360;

}  // namespace

std::optional<ClockTime> readClockTime(std::string_view text)
{
    if (!matchesPattern(text))
        return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year{number(text, 0, 4)},
                                           std::chrono::month{static_cast<unsigned>(number(text, 5, 2))},
                                           std::chrono::day{static_cast<unsigned>(number(text, 8, 2))}};
    const int hour = number(text, 11, 2);
    const int minute = number(text, 14, 2);
    if (!date.ok() || hour > 23 || minute > 59)
        return std::nullopt;
    return std::chrono::local_days{date} + std::chrono::hours{hour} + std::chrono::minutes{minute};
}

std::optional<double> readSpeed(std::string_view text)
{
    const std::optional<double> knots = plainDecimal(text);
    if (!knots || !(*knots > 0))
        return std::nullopt;
    return knots;
}

std::optional<double> readCourse(std::string_view text)
{
    const std::optional<double> degrees = plainDecimal(text);
    if (!degrees || *degrees > kFullCircle)
        return std::nullopt;
    return degrees;
}

std::optional<double> readDistance(std::string_view text)
{
    return plainDecimal(text);
}

}  // namespace nav
