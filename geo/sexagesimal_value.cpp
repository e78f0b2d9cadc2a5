// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/sexagesimal_value.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "geo/number_reading.h"

namespace geo {
namespace {

constexpr std::uint32_t kSecondsPerMinute = 60;
constexpr std::uint32_t kSecondsPerDegree = 3600;
constexpr std::uint32_t kBase = 10;
// A halfway point between two neighbouring doubles has at most 767
// significant decimal digits; a quotient cut after this many, with a last
// digit 1 for whatever was cut, lies on the same side of every one of them
// as the exact quotient, so the decimal reader rounds it as it would round
// the exact value.
constexpr std::size_t kSignificantDigits = 800;

struct Decimal {
    std::u32string_view whole;
    std::u32string_view fraction;
};

Decimal split(std::u32string_view text)
{
    const std::size_t point = text.find(U'.');
    if (point == std::u32string_view::npos) return {text, {}};
    return {text.substr(0, point), text.substr(point + 1)};
}

// Adds factor x the decimal's digits, scaled by 10^scale, into `sum`: one
// column per decimal place, the units of the scaled integer at the end.
void addScaled(std::vector<std::uint32_t>& sum, const Decimal& decimal, std::size_t scale,
               std::uint32_t factor)
{
    const std::size_t columns = sum.size();
    // The last fraction digit stands scale - fraction.size() columns before the end.
    std::size_t column = columns - (scale - decimal.fraction.size());
    for (std::size_t i = decimal.fraction.size(); i-- > 0;)
        sum[--column] += factor * static_cast<std::uint32_t>(decimal.fraction[i] - U'0');
    for (std::size_t i = decimal.whole.size(); i-- > 0;)
        sum[--column] += factor * static_cast<std::uint32_t>(decimal.whole[i] - U'0');
}

}  // namespace

double sexagesimalDegrees(std::u32string_view degrees, std::u32string_view minutes,
                          std::u32string_view seconds)
{
    const Decimal parts[] = {split(degrees), split(minutes), split(seconds)};
    const std::uint32_t factors[] = {kSecondsPerDegree, kSecondsPerMinute, 1};
    std::size_t scale = 0, whole = 0;
    for (const Decimal& part : parts) {
        scale = std::max(scale, part.fraction.size());
        whole = std::max(whole, part.whole.size());
    }
    // The exact sum in seconds, times 10^scale, as an integer in decimal
    // columns; one more column in front for 3600 x 9 carried over.
    constexpr std::size_t kCarryColumns = 5;
    std::vector<std::uint32_t> sum(kCarryColumns + whole + scale, 0);
    for (std::size_t p = 0; p < 3; ++p) addScaled(sum, parts[p], scale, factors[p]);
    for (std::size_t i = sum.size(); i-- > 1;) {
        sum[i - 1] += sum[i] / kBase;
        sum[i] %= kBase;
    }

    // Long division by 3600, written out as a decimal text with its point.
    std::string quotient;
    quotient.reserve(sum.size() + kSignificantDigits + 3);
    std::uint32_t remainder = 0;
    std::size_t significant = 0;
    const auto put = [&](std::uint32_t digit) {
        if (digit != 0 || significant > 0) ++significant;
        quotient.push_back(static_cast<char>('0' + digit));
    };
    const std::size_t integerColumns = sum.size() - scale;
    for (std::size_t i = 0; i < sum.size(); ++i) {
        if (i == integerColumns) quotient.push_back('.');
        remainder = remainder * kBase + sum[i];
        put(remainder / kSecondsPerDegree);
        remainder %= kSecondsPerDegree;
    }
    if (scale == 0) quotient.push_back('.');
    while (remainder != 0 && significant < kSignificantDigits) {
        remainder *= kBase;
        put(remainder / kSecondsPerDegree);
        remainder %= kSecondsPerDegree;
    }
    if (remainder != 0) quotient.push_back('1');
    return readNumberPrefix(quotient);
}

}  // namespace geo
