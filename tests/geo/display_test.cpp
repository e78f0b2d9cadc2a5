// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/display.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>
#include <string>

#include "geo/errors.h"

#include "row_name.h"

namespace {

using geo::formatNumber;

struct FormatRow {
    const char* name;
    double value;
    const char* pattern;
    std::string text;
};

class FormatNumber : public ::testing::TestWithParam<FormatRow> {};

TEST_P(FormatNumber, RendersByPattern)
{
    EXPECT_EQ(formatNumber(GetParam().value, GetParam().pattern), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, FormatNumber, ::testing::Values(
    FormatRow{"Kilometres", 1071.9190745, "####.###", "1071.919"},
    FormatRow{"TrailingZeroDropped", 60.0404968, "#####.###", "60.04"},
    FormatRow{"MoreIntegerDigitsThanPlaces", 20014.9752597, "####.###", "20014.975"},
    FormatRow{"NoLeadingZero", 0.5, "####.###", ".5"},
    FormatRow{"WholeNumberKeepsPoint", 100, "####.###", "100."},
    FormatRow{"ZeroIsThePointAlone", 0, "####.###", "."},
    FormatRow{"HalfRoundsUpFromShortestForm", 1.0005, "####.###", "1.001"},
    FormatRow{"HalfRoundsUp", 2.0625, "####.###", "2.063"},
    FormatRow{"NegativeHalfRoundsAwayFromZero", -0.0005, "####.###", "-.001"},
    FormatRow{"JustBelowHalfRoundsDown", 0.00049999, "####.###", "."},
    FormatRow{"TinyNegativeHasNoSign", -5.5088810364537116e-08, "####.###", "."},
    FormatRow{"NegativeZeroHasNoSign", -0.0, "#####.###", "."},
    FormatRow{"CarryIntoInteger", 9.9996, "####.###", "10."},
    FormatRow{"CarryAddsADigit", 999.9995, "####.###", "1000."},
    FormatRow{"Negative", -12.3456, "####.###", "-12.346"},
    FormatRow{"AngleNearHalfTurn", 179.999, "####.###", "179.999"},
    FormatRow{"AngleDrift", 170.0319999999524, "####.###", "170.032"},
    FormatRow{"AngleNearRight", 90.00399999957028, "####.###", "90.004"},
    FormatRow{"AngleSixty", 60.004999999455435, "####.###", "60.005"},
    FormatRow{"AngleSmall", 5.0639999995046, "####.###", "5.064"},
    FormatRow{"AngleBelowOne", 0.8089999995045751, "####.###", ".809"},
    FormatRow{"NauticalMiles", 1071.919 / 1.852, "#####.###", "578.79"},
    FormatRow{"Huge", 1e21, "####.###", "1000000000000000000000."},
    FormatRow{"SmallestSubnormal", std::numeric_limits<double>::denorm_min(), "####.###", "."},
    FormatRow{"NoPointInPattern", 2.5, "###", "3"},
    FormatRow{"OneDecimal", 0.25, "#.#", ".3"}),
    geo::testing::RowName());

TEST(FormatNumber, LargestDoubleIsWrittenInFull)
{
    const std::string text = formatNumber(std::numeric_limits<double>::max(), "####.###");
    EXPECT_EQ(text.size(), 310u);
    EXPECT_EQ(text.substr(0, 6), "179769");
    EXPECT_EQ(text.back(), '.');
}

TEST(FormatNumber, RejectsBadPatternsAndNonFiniteValues)
{
    EXPECT_THROW(formatNumber(1, "##.#.#"), std::invalid_argument);
    EXPECT_THROW(formatNumber(1, "0.00"), std::invalid_argument);
    EXPECT_THROW(formatNumber(std::numeric_limits<double>::infinity(), "####.###"),
                 geo::ArithmeticError);
    EXPECT_THROW(formatNumber(std::numeric_limits<double>::quiet_NaN(), "####.###"),
                 geo::ArithmeticError);
}

}  // namespace

namespace {

// The nautical miles come from the kilometres as shown: 0.890 / 1.852 is
// 0.4806, while the exact 0.88956 / 1.852 would show .48.
TEST(DistanceReadout, NauticalMilesFollowTheKilometresShown)
{
    const geo::DistanceReadout readout = geo::distanceReadout(0.8895593979822223);
    EXPECT_EQ(readout.kilometres, ".89");
    EXPECT_EQ(readout.nauticalMiles, ".481");
}

}  // namespace
