// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/time_zone.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "nav/display.h"
#include "nav/entry.h"
#include "nav/errors.h"
#include "nav/eta_zone.h"

#include "row_name.h"

namespace {

using namespace std::chrono;
using nav::ZoneRefusal;

nav::TimeZone zone(int minutes)
{
    return nav::TimeZone::fromMinutes(minutes).value();
}

struct ZoneReadRow {
    const char* name;
    std::string text;
    int minutes;
};

class ZoneRead : public ::testing::TestWithParam<ZoneReadRow> {};

TEST_P(ZoneRead, GivesTheOffset)
{
    const std::optional<nav::TimeZone> read = nav::readTimeZone(GetParam().text);
    ASSERT_TRUE(read) << GetParam().text;
    EXPECT_EQ(read->minutes(), GetParam().minutes);
    EXPECT_FALSE(nav::zoneRefusal(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Table, ZoneRead, ::testing::Values(
    ZoneReadRow{"SignedHours", "+8", 480},
    ZoneReadRow{"West", "-5", -300},
    ZoneReadRow{"HalfHour", "+5:30", 330},
    ZoneReadRow{"TwoDigitHours", "+05:30", 330},
    ZoneReadRow{"ZeroMinutesWritten", "+8:00", 480},
    ZoneReadRow{"UnsignedZero", "0", 0},
    ZoneReadRow{"MinusZero", "-0", 0},
    ZoneReadRow{"UtcAlone", "UTC", 0},
    ZoneReadRow{"UtcLowerCase", "utc", 0},
    ZoneReadRow{"UtcEast", "UTC+8", 480},
    ZoneReadRow{"QuarterHour", "UTC+5:45", 345},
    ZoneReadRow{"WestmostZone", "UTC-12", -720},
    ZoneReadRow{"EastmostZone", "UTC+14", 840},
    ZoneReadRow{"MinusSign", "UTC\u22123:30", -210},
    ZoneReadRow{"FullWidthSignAndDigit", "\uFF0B\uFF18", 480},
    ZoneReadRow{"FullWidthThroughout", "\uFF35\uFF34\uFF23\uFF0D\uFF15\uFF1A\uFF13\uFF10", -330}),
    geo::testing::RowName());

struct ZoneRefusedRow {
    const char* name;
    std::string text;
    ZoneRefusal refusal;
};

class ZoneRefused : public ::testing::TestWithParam<ZoneRefusedRow> {};

TEST_P(ZoneRefused, SaysWhy)
{
    EXPECT_FALSE(nav::readTimeZone(GetParam().text));
    EXPECT_EQ(nav::zoneRefusal(GetParam().text), GetParam().refusal);
}

INSTANTIATE_TEST_SUITE_P(Table, ZoneRefused, ::testing::Values(
    ZoneRefusedRow{"UnsignedHours", "8", ZoneRefusal::NoSign},
    ZoneRefusedRow{"UtcUnsignedHours", "UTC8", ZoneRefusal::NoSign},
    ZoneRefusedRow{"PastEastmost", "+15", ZoneRefusal::OutOfRange},
    ZoneRefusedRow{"QuarterPastEastmost", "+14:15", ZoneRefusal::OutOfRange},
    ZoneRefusedRow{"QuarterPastWestmost", "-12:15", ZoneRefusal::OutOfRange},
    ZoneRefusedRow{"TwentyMinutes", "+5:20", ZoneRefusal::NotQuarterHour},
    ZoneRefusedRow{"OneDigitMinutes", "+5:7", ZoneRefusal::NotAZone},
    ZoneRefusedRow{"SixtyMinutes", "+5:60", ZoneRefusal::NotAZone},
    ZoneRefusedRow{"NoColon", "+530", ZoneRefusal::NotAZone},
    ZoneRefusedRow{"DecimalHours", "+5.5", ZoneRefusal::NotAZone},
    ZoneRefusedRow{"BlankAfterUtc", "UTC +8", ZoneRefusal::NotAZone},
    ZoneRefusedRow{"TrailingBlank", "+8 ", ZoneRefusal::NotAZone},
    ZoneRefusedRow{"Gmt", "GMT+8", ZoneRefusal::NotAZone},
    ZoneRefusedRow{"SignAlone", "+", ZoneRefusal::NotAZone},
    ZoneRefusedRow{"TwoSigns", "++8", ZoneRefusal::NotAZone},
    ZoneRefusedRow{"Empty", "", ZoneRefusal::NotAZone},
    ZoneRefusedRow{"MalformedUtf8", "+\xFF" "8", ZoneRefusal::NotAZone},
    ZoneRefusedRow{"ChineseZoneName", "东8区", ZoneRefusal::NotAZone}),
    geo::testing::RowName());

TEST(TimeZone, OnlyQuarterHoursFromWestmostToEastmost)
{
    EXPECT_TRUE(nav::TimeZone::fromMinutes(-720));
    EXPECT_TRUE(nav::TimeZone::fromMinutes(840));
    EXPECT_FALSE(nav::TimeZone::fromMinutes(-735));
    EXPECT_FALSE(nav::TimeZone::fromMinutes(855));
    EXPECT_FALSE(nav::TimeZone::fromMinutes(10));
    EXPECT_FALSE(nav::TimeZone::fromMinutes(-1));
}

struct ZoneShownRow {
    const char* name;
    int minutes;
    std::string text;
};

class ZoneShown : public ::testing::TestWithParam<ZoneShownRow> {};

TEST_P(ZoneShown, AsUtcAndOffset)
{
    EXPECT_EQ(nav::formatTimeZone(zone(GetParam().minutes)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, ZoneShown, ::testing::Values(
    ZoneShownRow{"Utc", 0, "UTC"},
    ZoneShownRow{"East", 480, "UTC+8"},
    ZoneShownRow{"West", -300, "UTC-5"},
    ZoneShownRow{"HalfHour", 330, "UTC+5:30"},
    ZoneShownRow{"QuarterHour", 345, "UTC+5:45"},
    ZoneShownRow{"WestQuarterBelowAnHour", -45, "UTC-0:45"},
    ZoneShownRow{"TwoDigitHours", -720, "UTC-12"},
    ZoneShownRow{"TwoDigitHoursAndMinutes", 765, "UTC+12:45"}),
    geo::testing::RowName());

// Every zone there is, written and read back.
TEST(TimeZone, EveryZoneReadsBackAsWritten)
{
    int zones = 0;
    for (int minutes = nav::kWestmostZoneMinutes; minutes <= nav::kEastmostZoneMinutes;
         minutes += nav::kMinutesPerZoneStep, ++zones)
        EXPECT_EQ(nav::readTimeZone(nav::formatTimeZone(zone(minutes))), zone(minutes)) << minutes;
    EXPECT_EQ(zones, 105);
}

struct NauticalRow {
    const char* name;
    double longitude;
    int hours;
};

class NauticalZone : public ::testing::TestWithParam<NauticalRow> {};

TEST_P(NauticalZone, OfTheLongitude)
{
    EXPECT_EQ(nav::TimeZone::nautical(GetParam().longitude).minutes(), GetParam().hours * 60);
}

INSTANTIATE_TEST_SUITE_P(Table, NauticalZone, ::testing::Values(
    NauticalRow{"Greenwich", 0, 0},
    NauticalRow{"JustShortOfFirstBoundary", std::nextafter(7.5, 0.0), 0},
    NauticalRow{"FirstBoundaryGoesEast", 7.5, 1},
    NauticalRow{"FirstBoundaryWestGoesWest", -7.5, -1},
    NauticalRow{"JustShortOfFirstBoundaryWest", std::nextafter(-7.5, 0.0), 0},
    NauticalRow{"Shanghai", 121.5, 8},
    NauticalRow{"BoundaryOfZoneEight", 112.5, 8},
    NauticalRow{"JustShortOfBoundaryOfZoneEight", std::nextafter(112.5, 0.0), 7},
    NauticalRow{"BoundaryOfZoneMinusFive", -67.5, -5},
    NauticalRow{"JustShortOfEastDateLineZone", std::nextafter(172.5, 0.0), 11},
    NauticalRow{"EastDateLineZoneBoundary", 172.5, 12},
    NauticalRow{"EastOfTheDateLine", 179.9, 12},
    NauticalRow{"DateLineWrittenEast", 180, 12},
    NauticalRow{"DateLineWrittenWest", -180, -12},
    NauticalRow{"WestOfTheDateLine", -179.9, -12},
    NauticalRow{"WestDateLineZoneBoundary", -172.5, -12},
    NauticalRow{"JustShortOfWestDateLineZone", std::nextafter(-172.5, 0.0), -11}),
    geo::testing::RowName());

TEST(NauticalZone, RefusesALongitudeOffTheEarth)
{
    for (double longitude : {180.5, -181.0, std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity()})
        EXPECT_THROW(nav::TimeZone::nautical(longitude), nav::RangeError) << longitude;
}

struct ConvertedRow {
    const char* name;
    const char* from;
    int toMinutes;
    const char* to;  // "" for none
};

class InZone : public ::testing::TestWithParam<ConvertedRow> {};

TEST_P(InZone, IsTheSameInstant)
{
    const std::optional<nav::ZonedTime> from = nav::readZonedTime(GetParam().from);
    ASSERT_TRUE(from);
    const std::optional<nav::ZonedTime> to = nav::inZone(*from, zone(GetParam().toMinutes));
    EXPECT_EQ(to ? nav::formatZonedTime(*to) : "", GetParam().to);
}

INSTANTIATE_TEST_SUITE_P(Table, InZone, ::testing::Values(
    ConvertedRow{"ToUtc", "2025-03-01 08:00 UTC+8", 0, "2025-03-01 00:00 UTC"},
    ConvertedRow{"BackAcrossMidnight", "2025-03-01 08:00 UTC+8", -300, "2025-02-28 19:00 UTC-5"},
    ConvertedRow{"QuarterHourZone", "2025-03-01 00:30 UTC+5:45", 0, "2025-02-28 18:45 UTC"},
    ConvertedRow{"AcrossTheDateLine", "2025-03-01 10:00 UTC+12", -720, "2025-02-28 10:00 UTC-12"},
    ConvertedRow{"IntoANewYear", "2024-12-31 23:59 UTC", 15, "2025-01-01 00:14 UTC+0:15"},
    ConvertedRow{"PastTheLastYearShown", "9999-12-31 20:00 UTC-5", 0, ""},
    ConvertedRow{"BeforeTheFirstYearShown", "0000-01-01 05:00 UTC+8", 0, ""},
    ConvertedRow{"AtTheFirstMinuteShown", "0000-01-01 08:00 UTC+8", 0, "0000-01-01 00:00 UTC"}),
    geo::testing::RowName());

TEST(ZonedTime, ShownWithItsZoneAndReadBack)
{
    const nav::ZonedTime time{local_days{2025y / March / 2} + 3h + 2min, zone(480)};
    EXPECT_EQ(nav::formatZonedTime(time), "2025-03-02 03:02 UTC+8");
    EXPECT_EQ(nav::readZonedTime("2025-03-02 03:02 UTC+8"), time);
    EXPECT_EQ(nav::readZonedTime("2025/3/2 3:02 +8"), time);
}

TEST(ZonedTime, RefusesATimeWithoutItsZone)
{
    for (const char* text : {"2025-03-02 03:02", "2025-03-02 03:02UTC+8", "2025-03-02 03:02  UTC+8",
                             "2025-03-02 03:02 UTC+15", "2025-03-02 03:02 8", "UTC+8", ""})
        EXPECT_FALSE(nav::readZonedTime(text)) << text;
}

TEST(EtaZone, WordsReadBackAndNothingElse)
{
    for (nav::EtaZone zone : {nav::EtaZone::Departure, nav::EtaZone::Utc, nav::EtaZone::Ship})
        EXPECT_EQ(nav::readEtaZoneWord(nav::etaZoneWord(zone)), zone);
    for (const char* word : {"UTC", "departure", " ship", ""})
        EXPECT_FALSE(nav::readEtaZoneWord(word)) << word;
}

}  // namespace
