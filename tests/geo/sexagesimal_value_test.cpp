// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/sexagesimal_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "geo/characters.h"

#include "row_name.h"

namespace {

struct SumRow {
    const char* name;
    std::string degrees, minutes, seconds;
    double nearest;
};

double sum(const std::string& degrees, const std::string& minutes, const std::string& seconds)
{
    return geo::sexagesimalDegrees(geo::decodeUtf8(degrees), geo::decodeUtf8(minutes),
                                   geo::decodeUtf8(seconds));
}

// The doubles added one by one, as a reader without exact arithmetic would.
double addedAsDoubles(const std::string& degrees, const std::string& minutes,
                      const std::string& seconds)
{
    const auto value = [](const std::string& text) { return std::strtod(text.c_str(), nullptr); };
    return value(degrees) + value(minutes) / 60 + value(seconds) / 3600;
}

class SexagesimalSum : public ::testing::TestWithParam<SumRow> {};

TEST_P(SexagesimalSum, IsTheNearestDouble)
{
    const SumRow& row = GetParam();
    EXPECT_EQ(sum(row.degrees, row.minutes, row.seconds), row.nearest)
        << std::hexfloat << sum(row.degrees, row.minutes, row.seconds);
}

// Each value by python3: float(Fraction(d) + Fraction(m) / 60 + Fraction(s) / 3600).hex()
// (from fractions import Fraction; an empty text is 0; OverflowError is inf).
const std::string kZeros330(330, '0');
INSTANTIATE_TEST_SUITE_P(Table, SexagesimalSum, ::testing::Values(
    // 122 + 4 / 60.0 + 15 / 3600.0 is 0x1.e848888888888p+6, an ulp below.
    SumRow{"SecondsAddedOnceRounded", "122", "04", "15", 0x1.e848888888889p+6},
    SumRow{"SameAsDecimalMinutes", "122", "04.25", "", 0x1.e848888888889p+6},
    SumRow{"Latitude", "30", "03", "30", 0x1.e0eeeeeeeeeefp+4},
    SumRow{"NothingWritten", "", "", "", 0},
    SumRow{"ZerosWritten", "000", "00.000", "00", 0},
    SumRow{"HalfSecond", "", "", "0.5", 0x1.23456789abcdfp-13},
    // 1e-301 / 3600: added as doubles, 0x1.3819790048192p-1012.
    SumRow{"TinySecondsExact", "", "", "0." + std::string(300, '0') + "1", 0x1.3819790048191p-1012},
    SumRow{"SubnormalSeconds", "", "", "0." + std::string(310, '0') + "1", 0x0.000002182ed01p-1022},
    SumRow{"BelowEveryDouble", "", "", "0." + kZeros330 + "1", 0},
    SumRow{"LeadingZeros", std::string(500, '0') + "42", "50.5", "", 0x1.56bbbbbbbbbbcp+5},
    SumRow{"BeyondEveryDouble", std::string(400, '9'), "", "",
           std::numeric_limits<double>::infinity()},
    SumRow{"RoundsUpToTheDegree", "89", "59.99999999999999999", "", 90},
    SumRow{"LongSeconds", "42", "11", "25." + std::string(200, '3'), 0x1.5185e0e696f1fp+5},
    SumRow{"PointWithoutFraction", "42.", "30.", "", 42.5}),
    geo::testing::RowName());

struct OracleRow {
    const char* degrees;
    const char* minutes;
    const char* seconds;
    double nearest;
};

constexpr OracleRow kOracle[] = {
#include "sexagesimal_oracle.inc"
};

// Random texts as typed, long fractions, texts within 1e-40 of a halfway
// point between two doubles and texts exactly on one (ties to even).
TEST(SexagesimalSum, EveryOracleRowIsTheNearestDouble)
{
    int naiveMisses = 0;
    for (const OracleRow& row : kOracle) {
        EXPECT_EQ(sum(row.degrees, row.minutes, row.seconds), row.nearest)
            << row.degrees << " " << row.minutes << " " << row.seconds;
        naiveMisses += addedAsDoubles(row.degrees, row.minutes, row.seconds) != row.nearest;
    }
    // The table tells an exact sum from one added as doubles.
    EXPECT_GT(naiveMisses, 50);
}

}  // namespace
