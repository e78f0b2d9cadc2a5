// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/plain_number.h"

#include <algorithm>
#include <optional>

#include "geo/number_reading.h"
#include "geo/sexagesimal_value.h"
#include "geo/units.h"

namespace geo {
namespace {

// The most digits whole degrees have before the point: 90, 180.
constexpr std::size_t kLatitudeDegreeDigits = 2;
constexpr std::size_t kLongitudeDegreeDigits = 3;
constexpr int kSexagesimalBase = 60;
// Packed numbers: two digits of minutes, two of seconds.
constexpr std::size_t kPartDigits = 2;

double limitOf(Axis axis) { return axis == Axis::Latitude ? kMaxLatitude : kMaxLongitude; }

Limits axisLimits(Axis axis) { return {-limitOf(axis), limitOf(axis)}; }

std::size_t degreeDigits(Axis axis)
{
    return axis == Axis::Latitude ? kLatitudeDegreeDigits : kLongitudeDegreeDigits;
}

std::size_t wholeDigits(std::u32string_view digits)
{
    const std::size_t point = digits.find(U'.');
    return point == std::u32string_view::npos ? digits.size() : point;
}

// The whole part of the digits [from, to) is below 60.
bool belowSixty(std::u32string_view digits, std::size_t from, std::size_t to)
{
    int whole = 0;
    for (std::size_t i = from; i < to && digits[i] != U'.'; ++i) {
        whole = whole * 10 + static_cast<int>(digits[i] - U'0');
        if (whole >= kSexagesimalBase) return false;
    }
    return true;
}

PlainVerdict read(double degrees)
{
    PlainVerdict verdict;
    verdict.degrees = degrees;
    return verdict;
}

PlainVerdict refused(Rule rule, std::size_t from, std::size_t to, Limits limits = {})
{
    PlainVerdict verdict;
    verdict.kind = PlainVerdict::Kind::Refused;
    verdict.rule = rule;
    verdict.from = from;
    verdict.to = to;
    verdict.limits = limits;
    return verdict;
}

PlainVerdict withinAxis(double degrees, std::u32string_view digits, Axis axis)
{
    if (!(degrees <= limitOf(axis)))
        return refused(Rule::OutOfRange, 0, digits.size(), axisLimits(axis));
    return read(degrees);
}

// 4250.5: the last two digits of the whole part and the fraction are minutes.
PlainVerdict packedMinutes(std::u32string_view digits, Axis axis)
{
    const std::size_t whole = wholeDigits(digits);
    const std::size_t minutes = whole >= kPartDigits ? whole - kPartDigits : 0;
    if (!belowSixty(digits, minutes, digits.size()))
        return refused(Rule::SixtyOrMore, minutes, digits.size());
    return withinAxis(sexagesimalDegrees(digits.substr(0, minutes), digits.substr(minutes), {}),
                      digits, axis);
}

// 421125: seconds, the minutes before them, the rest degrees; missing
// digits are zeros.
PlainVerdict packedSeconds(std::u32string_view digits, Axis axis)
{
    const std::size_t whole = wholeDigits(digits);
    if (whole < digits.size()) return refused(Rule::FractionInSeconds, whole, whole + 1);
    const std::size_t seconds = whole >= kPartDigits ? whole - kPartDigits : 0;
    const std::size_t minutes = seconds >= kPartDigits ? seconds - kPartDigits : 0;
    if (!belowSixty(digits, minutes, seconds))
        return refused(Rule::SixtyOrMore, minutes, seconds);
    if (!belowSixty(digits, seconds, whole)) return refused(Rule::SixtyOrMore, seconds, whole);
    return withinAxis(sexagesimalDegrees(digits.substr(0, minutes),
                                         digits.substr(minutes, seconds - minutes),
                                         digits.substr(seconds)),
                      digits, axis);
}

std::u32string zeros(std::size_t count) { return std::u32string(count, U'0'); }

// The digits with leading zeros up to `width` before the point.
std::u32string padded(std::u32string_view digits, std::size_t width)
{
    const std::size_t whole = wholeDigits(digits);
    return (whole < width ? zeros(width - whole) : std::u32string()) + std::u32string(digits);
}

// Degrees as written: the digits before the last `kept`, without leading
// zeros, or 0.
std::u32string degreesBefore(std::u32string_view whole, std::size_t kept)
{
    std::u32string degrees(whole.substr(0, whole.size() > kept ? whole.size() - kept : 0));
    degrees.erase(0, degrees.find_first_not_of(U'0'));
    return degrees.empty() ? U"0" : degrees;
}

std::u32string decimalDigits(int value)
{
    std::u32string text;
    do {
        text.insert(text.begin(), char32_t(U'0' + value % 10));
        value /= 10;
    } while (value > 0);
    return text;
}

// 360 less the digits (above 180, at most 360), in decimal as written:
// "359.5" -> "0.5", "200.25" -> "159.75", "181" -> "179".
std::u32string fullCircleLess(std::u32string_view digits)
{
    const std::size_t wholeLength = wholeDigits(digits);
    std::u32string fraction(digits.substr(std::min(wholeLength + 1, digits.size())));
    int whole = 0;
    for (std::size_t i = 0; i < wholeLength; ++i) whole = whole * 10 + int(digits[i] - U'0');
    const bool anyFraction = fraction.find_first_not_of(U'0') != std::u32string::npos;
    if (!anyFraction) return decimalDigits(static_cast<int>(kFullCircle) - whole);
    // 1 - 0.f, digit by digit: nines' complement, plus one in the last place.
    std::u32string rest(fraction.size(), U'0');
    int carry = 1;
    for (std::size_t i = fraction.size(); i-- > 0;) {
        int digit = 9 - int(fraction[i] - U'0') + carry;
        carry = digit / 10;
        rest[i] = char32_t(U'0' + digit % 10);
    }
    return decimalDigits(static_cast<int>(kFullCircle) - 1 - whole) + U"." + rest;
}

// Two digits of a part, from the last digits of the whole part.
std::u32string partDigits(std::u32string_view whole, std::size_t end)
{
    const std::size_t from = end >= kPartDigits ? end - kPartDigits : 0;
    const std::u32string part(whole.substr(from, end - from));
    return zeros(kPartDigits - part.size()) + part;
}

}  // namespace

PlainVerdict plainNumberVerdict(std::u32string_view digits, NumberForm form, Axis axis)
{
    const double value = readNumberPrefix(digits);
    if (form == NumberForm::Degrees) {
        if (!(value <= limitOf(axis)))
            return refused(Rule::OutOfRange, 0, digits.size(), axisLimits(axis));
        return read(value);
    }
    const bool degreesShaped = wholeDigits(digits) <= degreeDigits(axis);
    const bool asDegrees = degreesShaped && value <= limitOf(axis);
    const PlainVerdict packed = form == NumberForm::Minutes ? packedMinutes(digits, axis)
                                                            : packedSeconds(digits, axis);
    const bool asPacked = packed.kind == PlainVerdict::Kind::Read;
    if (asDegrees && asPacked) {
        if (packed.degrees == value) return read(value);  // 0 either way
        PlainVerdict verdict;
        verdict.kind = PlainVerdict::Kind::Ambiguous;
        verdict.rule = Rule::AmbiguousNumber;
        return verdict;
    }
    // 359.5: 3°59.5′, or 359.5° east, which is 0°30′W?
    if (degreesShaped && asPacked && axis == Axis::Longitude && value > kMaxLongitude &&
        value <= kFullCircle) {
        PlainVerdict verdict;
        verdict.kind = PlainVerdict::Kind::Ambiguous;
        verdict.rule = Rule::ZeroTo360Longitude;
        return verdict;
    }
    if (asDegrees) return read(value);
    if (asPacked) return packed;
    if (degreesShaped) return refused(Rule::OutOfRange, 0, digits.size(), axisLimits(axis));
    return packed;
}

TwoReadings twoReadings(std::u32string_view digits, NumberForm form, Axis axis,
                        std::u32string_view before, std::u32string_view after, bool negative)
{
    const std::size_t wholeLength = wholeDigits(digits);
    const std::u32string_view whole = digits.substr(0, wholeLength);
    const std::u32string_view fraction = digits.substr(wholeLength);
    const auto written = [&](const std::u32string& number) {
        return std::u32string(before) + number + std::u32string(after);
    };
    TwoReadings readings;
    readings.degrees = written(std::u32string(digits) + U"°");
    // Enough digits before the point that the number cannot be degrees.
    const std::size_t packedWidth = degreeDigits(axis) + kPartDigits;
    if (form == NumberForm::Seconds) {
        readings.packedForm = EntryMode::Seconds;
        readings.packed = written(degreesBefore(whole, 2 * kPartDigits) + U"°" +
                                  partDigits(whole, wholeLength >= kPartDigits
                                                        ? wholeLength - kPartDigits
                                                        : 0) +
                                  U"′" + partDigits(whole, wholeLength) + U"″");
        readings.packedSpelling = written(padded(digits, packedWidth + kPartDigits));
    } else {
        readings.packedForm = EntryMode::Minutes;
        readings.packed = written(degreesBefore(whole, kPartDigits) + U"°" +
                                  partDigits(whole, wholeLength) + std::u32string(fraction) + U"′");
        readings.packedSpelling = written(padded(digits, packedWidth));
    }
    if (axis == Axis::Longitude && readNumberPrefix(digits) > kMaxLongitude)
        readings.withinHalfCircle = fullCircleLess(digits) + (negative ? U"°E" : U"°W");
    return readings;
}

}  // namespace geo
