// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/entry.h"
#include "nav/errors.h"
#include "nav/observation.h"

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

// The forms a navigator also types, each read as the same time.
struct ClockFormRow {
    const char* name;
    const char* text;
};

class ClockTimeForms : public ::testing::TestWithParam<ClockFormRow> {};

TEST_P(ClockTimeForms, ReadAsTheSameTime)
{
    EXPECT_EQ(nav::readClockTime(GetParam().text), local_days{2025y / March / 1} + 8h);
}

INSTANTIATE_TEST_SUITE_P(Table, ClockTimeForms, ::testing::Values(
    ClockFormRow{"Slashes", "2025/3/1 8:00"},
    ClockFormRow{"SlashesTwoDigits", "2025/03/01 08:00"},
    ClockFormRow{"IsoSeparator", "2025-03-01T08:00"},
    ClockFormRow{"OneDigitHour", "2025-03-01 8:00"},
    ClockFormRow{"OneDigitMonthAndDay", "2025-3-1 08:00"}),
    geo::testing::RowName());

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
    RefusedRow{"MixedSeparators", "2024/01-01 08:00"},
    RefusedRow{"TwoDigitYear", "24-01-01 08:00"},
    RefusedRow{"ThreeDigitMonth", "2024-001-01 08:00"},
    RefusedRow{"OneDigitMinute", "2024-01-01 8:0"},
    RefusedRow{"ThreeDigitHour", "2024-01-01 008:00"},
    RefusedRow{"TwoBlanks", "2024-01-01  08:00"},
    RefusedRow{"LowerCaseT", "2024-01-01t08:00"},
    RefusedRow{"IsoZoneSuffix", "2024-01-01T08:00Z"},
    RefusedRow{"SlashDay31OfApril", "2024/4/31 8:00"},
    RefusedRow{"NoTime", "2024-01-01"},
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

// Course, distance and meridian interval share the speed's number grammar;
// each row is a bound of its own or a text the grammar refuses.
struct DecimalRow {
    const char* name;
    std::optional<double> (*read)(std::string_view);
    std::string text;
    std::optional<double> value;
};

class CourseAndDistanceRead : public ::testing::TestWithParam<DecimalRow> {};

TEST_P(CourseAndDistanceRead, GivesTheNumberOrNothing)
{
    EXPECT_EQ(GetParam().read(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Table, CourseAndDistanceRead, ::testing::Values(
    DecimalRow{"CourseNorthAsZero", nav::readCourse, "0", 0.0},
    DecimalRow{"CourseNorthAs360", nav::readCourse, "360", 360.0},
    DecimalRow{"CourseThreeDigits", nav::readCourse, "045.5", 45.5},
    DecimalRow{"CourseAbove360", nav::readCourse, "360.1", std::nullopt},
    DecimalRow{"CourseNegative", nav::readCourse, "-5", std::nullopt},
    DecimalRow{"CourseDegreeSign", nav::readCourse, "45°", std::nullopt},
    DecimalRow{"CourseEmpty", nav::readCourse, "", std::nullopt},
    DecimalRow{"DistanceZero", nav::readDistance, "0", 0.0},
    DecimalRow{"DistanceLarge", nav::readDistance, "1000000", 1e6},
    DecimalRow{"DistanceNoIntegerPart", nav::readDistance, ".5", 0.5},
    DecimalRow{"DistanceNegative", nav::readDistance, "-1", std::nullopt},
    DecimalRow{"DistancePlus", nav::readDistance, "+1", std::nullopt},
    DecimalRow{"DistanceUnit", nav::readDistance, "12 nm", std::nullopt},
    DecimalRow{"DistanceExponent", nav::readDistance, "1e3", std::nullopt},
    DecimalRow{"DistanceTooLargeForADouble", nav::readDistance, std::string(400, '9'), std::nullopt},
    DecimalRow{"IntervalWhole", nav::readMeridianInterval, "5", 5.0},
    DecimalRow{"IntervalHalfDegree", nav::readMeridianInterval, "0.5", 0.5},
    DecimalRow{"IntervalOneMinute", nav::readMeridianInterval, "0.0166667", 0.0166667},
    DecimalRow{"IntervalBelowOneMinute", nav::readMeridianInterval, "0.0166666", std::nullopt},
    DecimalRow{"IntervalZero", nav::readMeridianInterval, "0", std::nullopt},
    DecimalRow{"IntervalDegreeSign", nav::readMeridianInterval, "5°", std::nullopt},
    DecimalRow{"IntervalNegative", nav::readMeridianInterval, "-5", std::nullopt},
    DecimalRow{"SignedMinus", nav::readSignedDecimal, "-2.5", -2.5},
    DecimalRow{"SignedPlus", nav::readSignedDecimal, "+3", 3.0},
    DecimalRow{"SignedBare", nav::readSignedDecimal, "0", 0.0},
    DecimalRow{"SignedTwoSigns", nav::readSignedDecimal, "--2", std::nullopt},
    DecimalRow{"SignedSignAlone", nav::readSignedDecimal, "-", std::nullopt},
    DecimalRow{"SignedHemisphereLetter", nav::readSignedDecimal, "2.5E", std::nullopt},
    DecimalRow{"SignedMinusSign", nav::readSignedDecimal, "\u2212" "3", std::nullopt}),
    geo::testing::RowName());

// A watch time: minutes after midnight, or nothing.
struct WatchRow {
    const char* name;
    std::string text;
    std::optional<int> minutes;
};

class WatchTimeRead : public ::testing::TestWithParam<WatchRow> {};

TEST_P(WatchTimeRead, GivesMinutesAfterMidnight)
{
    EXPECT_EQ(nav::readWatchTime(GetParam().text), GetParam().minutes);
}

INSTANTIATE_TEST_SUITE_P(Table, WatchTimeRead, ::testing::Values(
    WatchRow{"OneDigitHour", "9:30", 570},
    WatchRow{"LastMinute", "23:59", 1439},
    WatchRow{"Midnight", "0:00", 0},
    WatchRow{"HourTwentyFour", "24:00", std::nullopt},
    WatchRow{"SixtyMinutes", "9:60", std::nullopt},
    WatchRow{"NoColon", "0930", std::nullopt},
    WatchRow{"Seconds", "9:30:00", std::nullopt},
    WatchRow{"LeadingBlank", " 9:30", std::nullopt}),
    geo::testing::RowName());

// The run between two watch times: the later one the next day when it is
// earlier on the clock.
TEST(RunBetween, CountsOnPastMidnight)
{
    EXPECT_EQ(nav::runBetween(90, 12, 9 * 60, 9 * 60 + 30).distance, 6);
    EXPECT_EQ(nav::runBetween(90, 12, 23 * 60 + 50, 10).distance, 4);
    EXPECT_EQ(nav::runBetween(90, 12, 600, 600).distance, 0);
    EXPECT_EQ(nav::runBetween(45, 12, 0, 60).course, 45);
    EXPECT_THROW(nav::runBetween(400, 12, 0, 60), nav::RangeError);
}

// Sights are timed to the second; times of whole minutes give the watch
// times' run to the last bit (13.7 kn for 37 minutes: 13.7 × 37 / 60, not
// 13.7 × 2220 / 3600, which differs in its last bit).
TEST(RunBetweenSeconds, TimesSightsToTheSecond)
{
    EXPECT_EQ(nav::runBetweenSeconds(90, 12, 9 * 3600 + 30 * 60 + 15, 9 * 3600 + 42 * 60 + 45).distance, 2.5);
    EXPECT_EQ(nav::runBetweenSeconds(90, 12, 23 * 3600 + 59 * 60 + 30, 30).distance, 0.2);
    EXPECT_EQ(nav::runBetweenSeconds(90, 13.7, 0, 37 * 60).distance, nav::runBetween(90, 13.7, 0, 37).distance);
    EXPECT_THROW(nav::runBetweenSeconds(90, 12, 0, 86400), nav::RangeError);
    EXPECT_THROW(nav::runBetweenSeconds(90, 12, -1, 60), nav::RangeError);
}

}  // namespace
