// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/coordinate_entry.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "geo/errors.h"
#include "geo/number_reading.h"
#include "geo/characters.h"
#include "geo/units.h"

namespace geo {
namespace {

// Packing factors: minutes stand in the hundreds place of a seconds-form
// number, degrees in the hundreds place of a minutes-form number and in the
// ten-thousands place of a seconds-form number.
constexpr double kMinutesPlace = 100;
constexpr double kDegreesPlaceMinutesForm = 100;
constexpr double kDegreesPlaceSecondsForm = 10000;
constexpr int kSecondsDigits = 2;
constexpr int kMinutesAndSecondsDigits = 4;

// Whole degrees live in a signed 16-bit integer.
using Degrees = std::int16_t;

bool fitsDegrees(double integral)
{
    return integral >= std::numeric_limits<Degrees>::min() &&
           integral <= std::numeric_limits<Degrees>::max();
}

// Rounds to the nearest integer, an exact half to the even neighbour, without
// depending on the floating-point environment's rounding mode, nor on the C
// library's std::round (MinGW-w64's gives 1 for 0.49999999999999994).
double roundHalfEven(double x)
{
    double whole = 0;
    const double fraction = std::fabs(std::modf(x, &whole));  // exact
    const double awayFromZero = whole + (x > 0 ? 1 : -1);
    if (fraction < 0.5) return whole;
    if (fraction > 0.5) return awayFromZero;
    return std::fmod(whole, 2.0) == 0 ? whole : awayFromZero;
}

double throwIfOverflow(const PackedDegrees& result, std::u32string_view text)
{
    if (result.overflow) throw OverflowError(*result.overflow, std::u32string(text));
    return result.degrees;
}

double fromMinutesForm(std::u32string_view text)
{
    return throwIfOverflow(fromPackedMinutes(readNumberPrefix(text)), text);
}

double fromSecondsForm(std::u32string_view text)
{
    const std::size_t length = text.size();
    // Texts shorter than four characters are cut from their start, so the
    // minutes and seconds pieces may share characters ("425": 42 and 25).
    const std::u32string_view seconds =
        length >= kSecondsDigits ? text.substr(length - kSecondsDigits) : text;
    const std::u32string_view minutes =
        length >= kMinutesAndSecondsDigits
            ? text.substr(length - kMinutesAndSecondsDigits, kSecondsDigits)
            : text.substr(0, kSecondsDigits);

    const double packed = readNumberPrefix(text);
    const double strictMinutes = readNumberStrict(minutes, Reading::MinutesDigits);
    const double strictSeconds = readNumberStrict(seconds, Reading::SecondsDigits);
    // A piece the strict reader takes is one number, which the prefix reader
    // reads to the same value.
    return throwIfOverflow(fromPackedSeconds(packed, strictMinutes, strictSeconds), text);
}

double fromPositiveText(std::u32string_view text, EntryMode mode)
{
    return mode == EntryMode::Minutes ? fromMinutesForm(text) : fromSecondsForm(text);
}

}  // namespace

PackedDegrees fromPackedMinutes(double packed)
{
    const double degrees = std::floor(packed / kDegreesPlaceMinutesForm);
    if (!fitsDegrees(degrees)) return {0, Reading::Degrees};
    const int hundredDegrees =
        static_cast<int>(kDegreesPlaceMinutesForm) * static_cast<Degrees>(degrees);
    if (!fitsDegrees(hundredDegrees)) return {0, Reading::HundredDegrees};
    const auto whole = static_cast<Degrees>(degrees);
    const auto degreesPlace = static_cast<Degrees>(hundredDegrees);
    return {whole + (packed - degreesPlace) / kMinutesPerDegree, std::nullopt};
}

PackedDegrees fromPackedSeconds(double packed, double minutes, double seconds)
{
    const double degrees = roundHalfEven((packed - minutes * kMinutesPlace - seconds) /
                                         kDegreesPlaceSecondsForm);
    if (!fitsDegrees(degrees)) return {0, Reading::Degrees};
    return {minutes / kMinutesPerDegree + static_cast<Degrees>(degrees) +
                seconds / kSecondsPerDegree,
            std::nullopt};
}

double toDecimalDegrees(std::string_view text, EntryMode mode)
{
    return toDecimalDegrees(decodeUtf8(text), mode);
}

double toDecimalDegrees(std::u32string_view characters, EntryMode mode)
{
    if (!(readNumberPrefix(characters) < 0)) return fromPositiveText(characters, mode);

    // South or west: the sign belongs to the whole coordinate, minutes and
    // seconds included, so convert the text without it and negate.
    std::u32string unsignedText(characters);
    for (std::size_t i = 0; i < unsignedText.size(); ++i) {
        if (fold(unsignedText[i]) == U'-') {
            unsignedText.erase(i, 1);
            break;
        }
    }
    return -fromPositiveText(unsignedText, mode);
}

}  // namespace geo
