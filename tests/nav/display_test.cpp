// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/display.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "geo/coordinate_text.h"
#include "nav/entry.h"
#include "nav/errors.h"

#include "row_name.h"

namespace {

using nav::formatCourse, nav::formatDistance, nav::formatLatitude, nav::formatLongitude,
    nav::formatTimeUnderWay, nav::formatTotalTime, nav::formatSpeed;

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct ShownRow {
    const char* name;
    std::string (*format)(double);
    double value;
    std::string text;
};

class Shown : public ::testing::TestWithParam<ShownRow> {};

TEST_P(Shown, AsTheNavigatorReadsIt)
{
    EXPECT_EQ(GetParam().format(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, Shown, ::testing::Values(
    ShownRow{"CourseLeadingZeros", formatCourse, 5, "005.0"},
    ShownRow{"CourseRoundsDown", formatCourse, 123.44, "123.4"},
    ShownRow{"CourseRoundsUpToNorth", formatCourse, 359.96, "000.0"},
    ShownRow{"CourseStaysBelowNorth", formatCourse, 359.94, "359.9"},
    ShownRow{"CourseFullCircleIsNorth", formatCourse, 360, "000.0"},
    ShownRow{"CourseNegativeZero", formatCourse, -0.0, "000.0"},
    // 0.35 is stored as 0.34999999999999997..., 0.45 as 0.45000000000000001...
    ShownRow{"CourseRoundsTheStoredValueDown", formatCourse, 0.35, "000.3"},
    ShownRow{"CourseRoundsTheStoredValueUp", formatCourse, 0.45, "000.5"},
    ShownRow{"DistanceLeadingZero", formatDistance, 0.84, "0.8"},
    ShownRow{"DistanceNegativeZero", formatDistance, -0.0, "0.0"},
    ShownRow{"DistanceWholeKeepsItsTenth", formatDistance, 12, "12.0"},
    ShownRow{"DistanceBeijingShanghai", formatDistance, 577.656290924434, "577.7"},
    ShownRow{"DistanceCarryAddsADigit", formatDistance, 999.96, "1000.0"},
    ShownRow{"LatitudeNorth", formatLatitude, 30.17, "30°10.20′N"},
    ShownRow{"LatitudeSouth", formatLatitude, -33.9, "33°54.00′S"},
    ShownRow{"LatitudeOneDigitDegrees", formatLatitude, 5.5, "05°30.00′N"},
    ShownRow{"LatitudeZero", formatLatitude, 0, "00°00.00′N"},
    ShownRow{"LatitudeRoundsToZeroIsNorth", formatLatitude, -0.00001, "00°00.00′N"},
    ShownRow{"LatitudeSmallestSouth", formatLatitude, -0.0001, "00°00.01′S"},
    ShownRow{"LatitudeMinutesCarry", formatLatitude, 10 + 59.996 / 60, "11°00.00′N"},
    ShownRow{"LatitudeMinutesJustBelowCarry", formatLatitude, 10 + 59.994 / 60, "10°59.99′N"},
    ShownRow{"LatitudeCarryToThePole", formatLatitude, 89.99999, "90°00.00′N"},
    ShownRow{"LongitudeEast", formatLongitude, 122.088333333333, "122°05.30′E"},
    ShownRow{"LongitudeOneDigitDegrees", formatLongitude, 5, "005°00.00′E"},
    ShownRow{"LongitudeTwoDigitDegreesWest", formatLongitude, -45.25, "045°15.00′W"},
    ShownRow{"LongitudeZero", formatLongitude, 0, "000°00.00′E"},
    ShownRow{"LongitudeRoundsToZeroIsEast", formatLongitude, -0.000001, "000°00.00′E"},
    ShownRow{"LongitudeCarryAddsADigit", formatLongitude, -(99 + 59.9999 / 60), "100°00.00′W"},
    ShownRow{"Longitude180West", formatLongitude, -180, "180°00.00′W"},
    ShownRow{"LongitudeCarryTo180", formatLongitude, -179.999999, "180°00.00′W"},
    ShownRow{"TimeFiveMinutes", formatTimeUnderWay, 1.0 / 12, "0:05"},
    ShownRow{"TimeMoreThanADay", formatTimeUnderWay, 25.5, "25:30"},
    ShownRow{"TimeThreeHourDigits", formatTimeUnderWay, 123 + 7.0 / 60, "123:07"},
    ShownRow{"TimeBelowHalfAMinute", formatTimeUnderWay, 29.4 / 3600, "0:00"},
    ShownRow{"TimeAboveHalfAMinute", formatTimeUnderWay, 30.6 / 3600, "0:01"},
    ShownRow{"TimeMinutesCarryIntoTheHour", formatTimeUnderWay, 2 + 59.6 / 60, "3:00"},
    ShownRow{"TotalUnderADayShowsNoDays", formatTotalTime, 5.5, "0天 5:30"},
    ShownRow{"TotalZero", formatTotalTime, 0, "0天 0:00"},
    ShownRow{"TotalWholeDay", formatTotalTime, 24, "1天 0:00"},
    ShownRow{"TotalDaysHoursMinutes", formatTotalTime, 53 + 7.0 / 60, "2天 5:07"},
    ShownRow{"TotalMinutesCarryIntoTheDay", formatTotalTime, 23 + 59.6 / 60, "1天 0:00"},
    ShownRow{"TotalHoursBelowTheDayStayOneDigit", formatTotalTime, 33.5, "1天 9:30"},
    ShownRow{"TotalManyDays", formatTotalTime, 1e6, "41666天 16:00"},
    ShownRow{"SpeedRoundsToATenth", formatSpeed, 12.46, "12.5"},
    // 9.95 is stored as 9.949999999999999289...
    ShownRow{"SpeedRoundsTheStoredValue", formatSpeed, 9.95, "9.9"},
    ShownRow{"SpeedLeadingZero", formatSpeed, 0.04, "0.0"},
    ShownRow{"SpeedWholeKeepsItsTenth", formatSpeed, 12, "12.0"},
    ShownRow{"AngleToPortHasPlus", nav::formatAngleDifference, 3, "+3.0"},
    ShownRow{"AngleToStarboardHasMinus", nav::formatAngleDifference, -2.04, "-2.0"},
    ShownRow{"AngleRoundingToZeroFromAboveHasNoSign", nav::formatAngleDifference, 0.04, "0.0"},
    ShownRow{"AngleRoundingToZeroFromBelowHasNoSign", nav::formatAngleDifference, -0.04, "0.0"},
    ShownRow{"AngleNegativeZeroHasNoSign", nav::formatAngleDifference, -0.0, "0.0"},
    ShownRow{"AngleJustRoundingAwayFromZero", nav::formatAngleDifference, -0.05000001, "-0.1"},
    ShownRow{"AngleHalfCircle", nav::formatAngleDifference, 180, "+180.0"}),
    geo::testing::RowName());

struct RefusedRow {
    const char* name;
    std::string (*format)(double);
    double value;
};

class Refused : public ::testing::TestWithParam<RefusedRow> {};

TEST_P(Refused, IsARangeError)
{
    EXPECT_THROW(GetParam().format(GetParam().value), nav::RangeError);
}

INSTANTIATE_TEST_SUITE_P(Table, Refused, ::testing::Values(
    RefusedRow{"CourseNegative", formatCourse, -0.01},
    RefusedRow{"CoursePastFullCircle", formatCourse, 360.01},
    RefusedRow{"CourseNaN", formatCourse, kNaN},
    RefusedRow{"DistanceNegative", formatDistance, -0.01},
    RefusedRow{"DistanceInfinite", formatDistance, kInf},
    RefusedRow{"LatitudePastThePole", formatLatitude, 90.01},
    RefusedRow{"LongitudePast180", formatLongitude, -180.01},
    RefusedRow{"LongitudeNaN", formatLongitude, kNaN},
    RefusedRow{"TimeNegative", formatTimeUnderWay, -0.01},
    RefusedRow{"TimeInfinite", formatTimeUnderWay, kInf},
    RefusedRow{"TimeWhoseMinutesOverflow", formatTimeUnderWay, 1e307},
    RefusedRow{"TotalNegative", formatTotalTime, -0.01},
    RefusedRow{"TotalNaN", formatTotalTime, kNaN},
    RefusedRow{"SpeedNegative", formatSpeed, -0.01},
    RefusedRow{"SpeedInfinite", formatSpeed, kInf},
    RefusedRow{"AngleNaN", nav::formatAngleDifference, kNaN},
    RefusedRow{"AnglePastAFullCircle", nav::formatAngleDifference, -360.5}),
    geo::testing::RowName());

// Only the courses and distances of the two methods matter here.
nav::Leg legOf(double rhumbCourse, double rhumbDistance, double initialCourse, double distance)
{
    return {{rhumbCourse, rhumbDistance}, {initialCourse, initialCourse, distance}};
}

struct ComparedRow {
    const char* name;
    std::string (*format)(const nav::Leg&);
    nav::Leg leg;
    std::string text;
};

class Compared : public ::testing::TestWithParam<ComparedRow> {};

TEST_P(Compared, GreatCircleAgainstRhumbLine)
{
    EXPECT_EQ(GetParam().format(GetParam().leg), GetParam().text);
}

using nav::formatCourseCorrection, nav::formatDistanceSaved;

INSTANTIATE_TEST_SUITE_P(Table, Compared, ::testing::Values(
    ComparedRow{"CorrectionWest", formatCourseCorrection, legOf(90, 100, 60.3, 99), "-29.7"},
    ComparedRow{"CorrectionEast", formatCourseCorrection, legOf(250, 100, 253.2, 99), "+3.2"},
    ComparedRow{"CorrectionAcrossNorthEast", formatCourseCorrection, legOf(359, 100, 1, 99), "+2.0"},
    ComparedRow{"CorrectionAcrossNorthWest", formatCourseCorrection, legOf(1, 100, 359, 99), "-2.0"},
    ComparedRow{"CorrectionHalfCircleIsPositive", formatCourseCorrection, legOf(0, 100, 180, 99), "+180.0"},
    ComparedRow{"CorrectionRoundingToZeroHasNoSign", formatCourseCorrection, legOf(10, 100, 9.96, 99), "0.0"},
    ComparedRow{"CorrectionCoincidentPoints", formatCourseCorrection, legOf(0, 0, 180, 0), "0.0"},
    ComparedRow{"SavedTenths", formatDistanceSaved, legOf(90, 1057.2, 60, 1043.9), "13.3"},
    ComparedRow{"SavedRoundOffIsZero", formatDistanceSaved, legOf(0, 60, 0, 60.000000001), "0.0"}),
    geo::testing::RowName());

TEST(Compared, RefusesWhatTheOtherRulesRefuse)
{
    EXPECT_THROW(formatCourseCorrection(legOf(kNaN, 1, 0, 1)), nav::RangeError);
    EXPECT_THROW(formatCourseCorrection(legOf(0, 1, 360.5, 1)), nav::RangeError);
    EXPECT_THROW(formatDistanceSaved(legOf(0, kInf, 0, 1)), nav::RangeError);
    EXPECT_THROW(formatDistanceSaved(legOf(0, 1, 0, -1)), nav::RangeError);
}

TEST(Position, LatitudeThenLongitude)
{
    EXPECT_EQ(nav::formatPosition({30.17, 122.088333333333}), "30°10.20′N 122°05.30′E");
    EXPECT_EQ(nav::formatPosition({-0.0, -0.0}), "00°00.00′N 000°00.00′E");
    EXPECT_THROW(nav::formatPosition({0, 200}), nav::RangeError);
}

// Every text shown reads back through geo's coordinate reader to within
// 0.005′ (half the last place shown), on a sweep over both axes with a step
// that meets no round number.
TEST(Position, TextsReadBackWithinHalfTheLastPlace)
{
    constexpr int kSteps = 30000;
    constexpr double kTolerance = 0.005 / 60 * (1 + 1e-9);
    for (int i = 0; i <= kSteps; ++i) {
        const double latitude = -90 + 180.0 * i / kSteps * 0.99999737;
        const double longitude = -180 + 360.0 * i / kSteps * 0.99999911;
        const std::string latitudeText = formatLatitude(latitude);
        const std::string longitudeText = formatLongitude(longitude);
        ASSERT_NEAR(geo::readCoordinate(latitudeText, geo::EntryMode::Minutes, geo::Axis::Latitude),
                    latitude, kTolerance) << latitudeText;
        ASSERT_NEAR(geo::readCoordinate(longitudeText, geo::EntryMode::Minutes, geo::Axis::Longitude),
                    longitude, kTolerance) << longitudeText;
    }
}

struct ArrivalRow {
    const char* name;
    const char* departure;
    double hours;
    const char* arrival;
};

class Arrival : public ::testing::TestWithParam<ArrivalRow> {};

TEST_P(Arrival, IsDepartureOnItsOwnClockPlusTheTimeShown)
{
    const ArrivalRow& row = GetParam();
    const std::optional<nav::ClockTime> arrival = nav::arrivalTime(*nav::readClockTime(row.departure), row.hours);
    ASSERT_TRUE(arrival);
    EXPECT_EQ(nav::formatClockTime(*arrival), row.arrival);
}

INSTANTIATE_TEST_SUITE_P(Table, Arrival, ::testing::Values(
    ArrivalRow{"AcrossMidnight", "2024-03-10 22:30", 2.5, "2024-03-11 01:00"},
    ArrivalRow{"AcrossLeapDay", "2024-02-28 20:00", 30, "2024-03-01 02:00"},
    ArrivalRow{"AcrossFebruaryEndNoLeap", "2023-02-28 20:00", 30, "2023-03-02 02:00"},
    ArrivalRow{"AcrossCenturyNoLeap", "2100-02-28 23:00", 1, "2100-03-01 00:00"},
    ArrivalRow{"AcrossYearEnd", "2024-12-31 23:00", 1.5, "2025-01-01 00:30"},
    ArrivalRow{"NoSummerTimeGap", "2025-03-30 01:30", 1, "2025-03-30 02:30"},
    ArrivalRow{"RoundsUpToTheMinute", "2025-06-01 12:00", 30.6 / 3600, "2025-06-01 12:01"},
    ArrivalRow{"RoundsDownToTheMinute", "2025-06-01 12:00", 29.4 / 3600, "2025-06-01 12:00"},
    ArrivalRow{"LongPassage", "2025-01-01 00:00", 1000, "2025-02-11 16:00"},
    ArrivalRow{"LastMinuteShown", "9999-12-31 23:00", 59.0 / 60, "9999-12-31 23:59"}),
    geo::testing::RowName());

TEST(Arrival, PastTheLastYearShownIsEmpty)
{
    const nav::ClockTime departure = *nav::readClockTime("9999-12-31 23:00");
    EXPECT_FALSE(nav::arrivalTime(departure, 1));
    EXPECT_FALSE(nav::arrivalTime(departure, 1e300)) << "minutes beyond any integer";
}

// The arrival is the departure plus exactly the time under way as shown,
// also a hair either side of half a minute.
TEST(Arrival, AddsTheTimeUnderWayShown)
{
    const nav::ClockTime departure = *nav::readClockTime("2025-12-31 23:59");
    for (int halfMinutes = 0; halfMinutes < 4000; ++halfMinutes) {
        const double exact = halfMinutes / 120.0;
        for (double hours : {std::nextafter(exact, 0.0), exact, std::nextafter(exact, 1e9)}) {
            const std::string shown = formatTimeUnderWay(hours);
            const std::size_t colon = shown.find(':');
            const int minutes = std::stoi(shown.substr(0, colon)) * 60 + std::stoi(shown.substr(colon + 1));
            ASSERT_EQ(*nav::arrivalTime(departure, hours), departure + std::chrono::minutes{minutes}) << hours;
        }
    }
}

TEST(ClockTime, ShownTextReadsBack)
{
    for (const char* text : {"2024-02-29 08:05", "0001-01-01 00:00", "9999-12-31 23:59"})
        EXPECT_EQ(nav::formatClockTime(*nav::readClockTime(text)), text);
}

}  // namespace
