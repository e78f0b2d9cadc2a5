// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/entry.h"

#include <gtest/gtest.h>

#include <string>

#include "row_name.h"

namespace {

using namespace std::chrono;

TEST(ClockTimeRead, GivesTheDateAndClock)
{
    EXPECT_EQ(nav::readClockTime("2025-06-01 08:05"), local_days{2025y / June / 1} + 8h + 5min);
    EXPECT_EQ(nav::readClockTime("2000-02-29 23:59"), local_days{2000y / February / 29} + 23h + 59min);
}

struct RefusedRow {
    const char* name;
    std::string text;
};

class ClockTimeRefused : public ::testing::TestWithParam<RefusedRow> {};

TEST_P(ClockTimeRefused, IsEmpty)
{
    EXPECT_FALSE(nav::readClockTime(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Table, ClockTimeRefused, ::testing::Values(
    RefusedRow{"NoLeapDay", "2023-02-29 08:00"},
    RefusedRow{"NoLeapCentury", "1900-02-29 08:00"},
    RefusedRow{"MonthThirteen", "2024-13-01 08:00"},
    RefusedRow{"DayZero", "2024-01-00 08:00"},
    RefusedRow{"April31", "2024-04-31 08:00"},
    RefusedRow{"Hour24", "2024-01-01 24:00"},
    RefusedRow{"Minute60", "2024-01-01 23:60"},
    RefusedRow{"OneDigitHour", "2024-01-01 8:00"},
    RefusedRow{"IsoSeparator", "2024-01-01T08:00"},
    RefusedRow{"TrailingBlank", "2024-01-01 08:00 "},
    RefusedRow{"Seconds", "2024-01-01 08:00:00"},
    RefusedRow{"FullWidthDigits", "２０２４-01-01 08:00"},
    RefusedRow{"SignedYear", "+024-01-01 08:00"},
    RefusedRow{"EmbeddedNul", std::string("2024-01-01 08:0\0", 16)}),
    geo::testing::RowName());

struct SpeedRow {
    const char* name;
    const char* text;
    double knots;
};

class SpeedRead : public ::testing::TestWithParam<SpeedRow> {};

TEST_P(SpeedRead, GivesTheNearestDouble)
{
    EXPECT_EQ(nav::readSpeed(GetParam().text), GetParam().knots);
}

INSTANTIATE_TEST_SUITE_P(Table, SpeedRead, ::testing::Values(
    SpeedRow{"Whole", "12", 12},
    SpeedRow{"NoIntegerPart", ".5", 0.5},
    SpeedRow{"TrailingPoint", "5.", 5},
    SpeedRow{"LeadingZeros", "007.50", 7.5},
    SpeedRow{"ManyDigits", "13.333333333333333333333", 13.333333333333333333333}),
    geo::testing::RowName());

class SpeedRefused : public ::testing::TestWithParam<RefusedRow> {};

TEST_P(SpeedRefused, IsEmpty)
{
    EXPECT_FALSE(nav::readSpeed(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Table, SpeedRefused, ::testing::Values(
    RefusedRow{"Zero", "0.000"},
    RefusedRow{"Negative", "-3"},
    RefusedRow{"Plus", "+3"},
    RefusedRow{"Exponent", "1e3"},
    RefusedRow{"DecimalComma", "12,5"},
    RefusedRow{"TwoPoints", "1.2.3"},
    RefusedRow{"PointAlone", "."},
    RefusedRow{"Unit", "12 kn"},
    RefusedRow{"Infinity", "inf"},
    RefusedRow{"NotANumber", "nan"},
    RefusedRow{"FullWidthDigits", "１２"},
    RefusedRow{"TooLargeForADouble", std::string(400, '9')},
    RefusedRow{"Empty", ""}),
    geo::testing::RowName());

}  // namespace
