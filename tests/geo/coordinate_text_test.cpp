// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/coordinate_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "geo/errors.h"
#include "geo/position_text.h"

#include "row_name.h"

namespace {

using geo::Axis;
using geo::EntryMode;
using geo::Rule;
using geo::readCoordinate;

constexpr auto M = EntryMode::Minutes;
constexpr auto S = EntryMode::Seconds;
constexpr auto Lat = Axis::Latitude;
constexpr auto Lon = Axis::Longitude;

// Expected values are given to seven decimals.
constexpr double kSevenDecimals = 5e-8;

struct ReadRow {
    const char* name;
    std::string text;
    EntryMode mode;
    Axis axis;
    double degrees;
};

class CoordinateText : public ::testing::TestWithParam<ReadRow> {};

TEST_P(CoordinateText, ReadsAsMeant)
{
    const ReadRow& row = GetParam();
    EXPECT_NEAR(readCoordinate(row.text, row.mode, row.axis), row.degrees, kSevenDecimals)
        << row.text;
}

INSTANTIATE_TEST_SUITE_P(Table, CoordinateText, ::testing::Values(
    ReadRow{"SouthLast", "4250.0S", M, Lat, -42.8333333},
    ReadRow{"ChineseWordWithBlank", "西经 11624", M, Lon, -116.4},
    ReadRow{"TrailingEIsEast", "11624e", M, Lon, 116.4},
    ReadRow{"PackedMinutesOfSixtyStay", "4275N", M, Lat, 43.25},
    ReadRow{"SecondsBlanksGoBeforeTheCut", "42 11 25", S, Lat, 42.1902778},
    ReadRow{"PlusKeepsTheSecondsCuts", "+425", S, Lat, 0.7069444},
    ReadRow{"DegreeLetterBeforeMinutes", "42d02N", M, Lat, 42.0333333},
    ReadRow{"DegreeLetterSingleDigit", "8d03E", M, Lon, 8.05},
    ReadRow{"DegreeLetterThreeDigits", "116d00E", S, Lon, 116},
    ReadRow{"DegreeLetterWestUnderOneDegree", "0d30W", M, Lon, -0.5},
    ReadRow{"DegreeLetterWithPrime", "42D50.5'N", M, Lat, 42.8416667},
    ReadRow{"UnmarkedMinutes", "42°50.5N", M, Lat, 42.8416667},
    ReadRow{"UnmarkedSeconds", "42°50'30N", M, Lat, 42.8416667},
    ReadRow{"ChineseUnmarkedSeconds", "42度50分30", S, Lat, 42.8416667},
    ReadRow{"AdmiraltyMinutes", "38°52′.3N", M, Lat, 38.8716667},
    ReadRow{"AdmiraltySeconds", "42°50′30″.5", M, Lat, 42.8418056},
    ReadRow{"LookAlikeMarks", "42˚50´30˝N", M, Lat, 42.8416667},
    ReadRow{"InputMethodQuotes", "42⁰50‘30“", M, Lat, 42.8416667},
    ReadRow{"TwoPrimesAreSeconds", "42ᵒ05′′S", M, Lat, -42.0013889},
    ReadRow{"TwoRightQuotesAreSeconds", "42∘0’30’’", M, Lat, 42.0083333},
    ReadRow{"ColonsWithSeconds", "42:50:30N", M, Lat, 42.8416667},
    ReadRow{"ColonsAfterHemisphere", "N42:50.5", S, Lat, 42.8416667},
    ReadRow{"ColonsWithMinus", "-42:50:30", M, Lat, -42.8416667},
    ReadRow{"FullWidthColons", "１２１：３０Ｅ", M, Lon, 121.5},
    ReadRow{"DashesWithSeconds", "38-52-18N", M, Lat, 38.8716667},
    ReadRow{"DashesAfterHemisphere", "S38-52.3", M, Lat, -38.8716667},
    ReadRow{"EnDashLongitude", "121\u201340.7E", M, Lon, 121.6783333},
    ReadRow{"NmeaLatitudeInTheSecondsForm", "4250.1234,N", S, Lat, 42.83539},
    ReadRow{"NmeaLongitude", "09338.8000,W", M, Lon, -93.6466667},
    ReadRow{"NmeaWithTrailingComma", "09338.8000,W,", S, Lon, -93.6466667},
    ReadRow{"LabelWithColon", "Lat: 42°50′N", M, Lat, 42.8333333},
    ReadRow{"LongLabelFullWidthColon", "LONGITUDE：116°24′E", M, Lon, 116.4},
    ReadRow{"ShortLongitudeLabel", "lon 116 24 e", M, Lon, 116.4},
    ReadRow{"AbbreviationPointIsNoDecimalPoint", "Lat. 42°N", M, Lat, 42},
    ReadRow{"ChineseLabel", "纬度：4250", M, Lat, 42.8333333},
    ReadRow{"ChineseHemisphereAsLabel", "北纬：30°10′", M, Lat, 30.1666667},
    ReadRow{"MinusSignCharacter", "\u22124250", M, Lat, -42.8333333},
    ReadRow{"EnDashAsMinus", "\u20134250", M, Lat, -42.8333333},
    ReadRow{"FigureDashAsMinus", "\u2012421125", S, Lat, -42.1902778},
    ReadRow{"NoBreakAndThinSpaces", "42\u00A050.0\u2009\u202FN", M, Lat, 42.8333333},
    ReadRow{"IdeographicAndTabs", "\t42\u300050\r\n", M, Lat, 42.8333333},
    ReadRow{"ZeroWidthAndByteOrderMark", "\uFEFF42\u200B50\u2060\u00AD", M, Lat, 42.8333333},
    ReadRow{"TrailingFullStop", "4250.0S.", M, Lat, -42.8333333},
    ReadRow{"TrailingIdeographicFullStop", "42°50′N。", M, Lat, 42.8333333},
    ReadRow{"TrailingSemicolon", "11624E；", M, Lon, 116.4},
    ReadRow{"LatitudeOfNinety", "90°00′00″S", M, Lat, -90},
    ReadRow{"DegreeSignIgnoresTheForm", "116°24’E", S, Lon, 116.4}),
    geo::testing::RowName());

// Every hemisphere marker, first and last, in the packed form and with marks.
struct Marker {
    const char* name;
    std::string text;
    Axis axis;
    bool negative;
};

const std::vector<Marker>& markers()
{
    static const std::vector<Marker> all = {
        {"N", "N", Lat, false},       {"n", "n", Lat, false},      {"S", "S", Lat, true},
        {"s", "s", Lat, true},        {"E", "E", Lon, false},      {"e", "e", Lon, false},
        {"W", "W", Lon, true},        {"w", "w", Lon, true},       {"FullN", "Ｎ", Lat, false},
        {"FullS", "Ｓ", Lat, true},   {"FullE", "Ｅ", Lon, false}, {"FullW", "Ｗ", Lon, true},
        {"Fulln", "ｎ", Lat, false},  {"Fulls", "ｓ", Lat, true},  {"Fulle", "ｅ", Lon, false},
        {"Fullw", "ｗ", Lon, true},   {"Bei", "北", Lat, false},   {"Nan", "南", Lat, true},
        {"Dong", "东", Lon, false},   {"Xi", "西", Lon, true},     {"Beiwei", "北纬", Lat, false},
        {"Nanwei", "南纬", Lat, true}, {"Dongjing", "东经", Lon, false},
        {"Xijing", "西经", Lon, true},
    };
    return all;
}

TEST(CoordinateText, EveryHemisphereMarkerFirstAndLast)
{
    for (const Marker& marker : markers()) {
        const double sign = marker.negative ? -1 : 1;
        const std::vector<std::pair<std::string, double>> texts = {
            {marker.text + "4230", 42.5},          {"4230" + marker.text, 42.5},
            {marker.text + "42°30′", 42.5},        {"42°30′" + marker.text, 42.5},
            {marker.text + "42:30:36", 42.51},     {"42-30.6" + marker.text, 42.51}};
        for (const auto& [text, degrees] : texts)
            EXPECT_NEAR(readCoordinate(text, M, marker.axis), sign * degrees, kSevenDecimals)
                << marker.name << ": " << text;
        const Axis other = marker.axis == Lat ? Lon : Lat;
        EXPECT_THROW(readCoordinate(marker.text + "4230", M, other), geo::CoordinateError)
            << marker.name << " in the other axis";
    }
}

// A packed text, marked or not, reads as the conversion of its number.
TEST(CoordinateText, PackedTextsAreTheConversionBitForBit)
{
    const std::vector<std::pair<std::string, EntryMode>> numbers = {
        {"4250.0", M}, {"9338.80", M}, {"32799", M}, {"0.001", M}, {"42.5", M},
        {"421125", S}, {"1021125", S}, {"425", S},   {"5", S},     {"3276759", S}};
    for (const auto& [number, mode] : numbers) {
        const double converted = geo::toDecimalDegrees(number, mode);
        EXPECT_EQ(readCoordinate(number, mode, Lat), converted) << number;
        EXPECT_EQ(readCoordinate(number + "W", mode, Lon), -converted) << number;
        EXPECT_EQ(readCoordinate("-" + number, mode, Lat), -converted) << number;
        EXPECT_EQ(readCoordinate("+" + number, mode, Lat), converted) << number;
    }
}

struct RefusalRow {
    const char* name;
    std::string text;
    EntryMode mode;
    Axis axis;
    Rule rule;
    std::size_t position;  // of the first character that breaks the rule
};

class CoordinateRefusal : public ::testing::TestWithParam<RefusalRow> {};

TEST_P(CoordinateRefusal, SaysWhichRuleAndWhere)
{
    const RefusalRow& row = GetParam();
    try {
        const double degrees = readCoordinate(row.text, row.mode, row.axis);
        ADD_FAILURE() << '"' << row.text << "\" read as " << degrees;
    } catch (const geo::CoordinateError& error) {
        EXPECT_EQ(error.rule(), row.rule) << row.text;
        EXPECT_EQ(error.position(), row.position) << row.text;
        EXPECT_EQ(error.axis(), row.axis) << row.text;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, CoordinateRefusal, ::testing::Values(
    RefusalRow{"BlanksOnly", " \t\u3000\u00A0", M, Lat, Rule::NoNumber, 0},
    RefusalRow{"LabelAlone", "Lat:", M, Lat, Rule::NoNumber, 0},
    RefusalRow{"HemisphereAlone", "N", M, Lat, Rule::NoNumber, 0},
    RefusalRow{"LetterAmongSecondsDigits", "4x1125", S, Lat, Rule::StrayCharacter, 1},
    RefusalRow{"FirstFaultBeforeTheWrongHemisphere", "4x50E", M, Lat, Rule::StrayCharacter, 1},
    RefusalRow{"DirectionOverride", "42\u202E50", M, Lat, Rule::StrayCharacter, 2},
    RefusalRow{"LeftToRightMarkIsNotIgnored", "\u200E4250", M, Lat, Rule::StrayCharacter, 0},
    RefusalRow{"ExponentIsNoNumber", "1.1624E4", M, Lon, Rule::MisplacedHemisphere, 6},
    RefusalRow{"ExponentLetterD", "4.25D3", M, Lat, Rule::FractionNotLast, 0},
    RefusalRow{"DecimalComma", "4250,5", M, Lat, Rule::DecimalComma, 4},
    RefusalRow{"TwoPoints", "42.50.0", M, Lat, Rule::TwoPoints, 5},
    RefusalRow{"HemisphereInside", "42N50", M, Lat, Rule::MisplacedHemisphere, 2},
    RefusalRow{"TwoHemispheres", "N4250S", M, Lat, Rule::TwoHemispheres, 5},
    RefusalRow{"EastInALatitude", "4250E", M, Lat, Rule::WrongAxis, 4},
    RefusalRow{"LongitudeLabelInALatitude", "经度 4250", M, Lat, Rule::WrongAxis, 0},
    RefusalRow{"LatitudeLabelInALongitude", "Lat 116°E", M, Lon, Rule::WrongAxis, 0},
    RefusalRow{"HemisphereAndMinus", "-4250S", M, Lat, Rule::HemisphereAndMinus, 0},
    RefusalRow{"TrailingPlus", "4250+", M, Lat, Rule::MisplacedSign, 4},
    RefusalRow{"MinusAfterDegrees", "42°-50′", M, Lat, Rule::MisplacedSign, 3},
    RefusalRow{"FractionInTheSecondsForm", "421125.5", S, Lat, Rule::FractionInSeconds, 6},
    RefusalRow{"MinuteMarkWithoutDegrees", "4250′", M, Lat, Rule::NoDegreeSign, 4},
    RefusalRow{"MarkWithoutNumber", "42°′", M, Lat, Rule::MissingNumber, 3},
    RefusalRow{"TwoColons", "42::30", M, Lat, Rule::MissingNumber, 3},
    RefusalRow{"MinutesBeforeDegrees", "50′42°", M, Lat, Rule::MarksOutOfOrder, 2},
    RefusalRow{"TwoDegreeSigns", "42°5°", M, Lat, Rule::MarksOutOfOrder, 4},
    RefusalRow{"ColonThenMark", "42:50′", M, Lat, Rule::MixedNotation, 5},
    RefusalRow{"NumberAfterSeconds", "42°50′30″5", M, Lat, Rule::ExtraNumber, 9},
    RefusalRow{"FourColonParts", "1:2:3:4", M, Lat, Rule::ExtraNumber, 6},
    RefusalRow{"FractionAfterDegreeSign", "42°.5", M, Lat, Rule::DetachedFraction, 3},
    RefusalRow{"FractionBeforeTheLastPart", "42.5°30′", M, Lat, Rule::FractionNotLast, 0},
    RefusalRow{"SixtyMinutes", "42°60′", M, Lat, Rule::SixtyOrMore, 3},
    RefusalRow{"SixtySecondsAfterColons", "42:05:60", M, Lat, Rule::SixtyOrMore, 6},
    RefusalRow{"NmeaMinutesOfSixty", "4260.5,N", S, Lat, Rule::SixtyOrMore, 2},
    RefusalRow{"DashWithoutHemisphere", "38-52.3", M, Lat, Rule::DashNeedsHemisphere, 2},
    RefusalRow{"PackedNumberWithDegreeSign", "4250.0°N", M, Lat, Rule::OutOfRange, 0},
    RefusalRow{"PackedNumberWithDegreeLetter", "4250D", M, Lat, Rule::OutOfRange, 0},
    RefusalRow{"BeyondTheAntimeridian", "180°30′E", M, Lon, Rule::OutOfRange, 0},
    RefusalRow{"BeyondThePole", "90°00′01″N", M, Lat, Rule::OutOfRange, 0},
    RefusalRow{"MinutesFormDegrees", "32800N", M, Lat, Rule::OutOfRange, 0},
    RefusalRow{"SecondsFormDegrees", "3276800000W", S, Lon, Rule::OutOfRange, 0},
    RefusalRow{"MoreDigitsThanADouble", std::string(400, '9') + "°", M, Lon, Rule::OutOfRange, 0}),
    geo::testing::RowName());

TEST(CoordinateText, RefusalsCarryTheirLimits)
{
    const auto limitsOf = [](const std::string& text, EntryMode mode, Axis axis) {
        try {
            readCoordinate(text, mode, axis);
        } catch (const geo::CoordinateError& error) {
            return std::pair(error.limits().lowest, error.limits().highest);
        }
        return std::pair(0.0, 0.0);
    };
    EXPECT_EQ(limitsOf("91°", M, Lat), std::pair(-90.0, 90.0));
    EXPECT_EQ(limitsOf("181:00", M, Lon), std::pair(-180.0, 180.0));
    EXPECT_EQ(limitsOf("-32800", M, Lat), std::pair(-327.0, 327.0));
    EXPECT_EQ(limitsOf("3276800000", S, Lat), std::pair(-32768.0, 32767.0));
}

struct PositionRow {
    const char* name;
    std::string text;
    double latitude, longitude;
    std::string latitudePart, longitudePart;
};

class PositionText : public ::testing::TestWithParam<PositionRow> {};

TEST_P(PositionText, ReadsBothPartsAsWritten)
{
    const PositionRow& row = GetParam();
    const geo::PositionReading reading = geo::readPosition(row.text, M);
    EXPECT_NEAR(reading.position.latitude, row.latitude, kSevenDecimals);
    EXPECT_NEAR(reading.position.longitude, row.longitude, kSevenDecimals);
    EXPECT_EQ(reading.parts.latitude, row.latitudePart);
    EXPECT_EQ(reading.parts.longitude, row.longitudePart);
    const std::optional<geo::PositionParts> split = geo::splitPosition(row.text);
    ASSERT_TRUE(split.has_value());
    EXPECT_EQ(split->latitude, row.latitudePart);
}

INSTANTIATE_TEST_SUITE_P(Table, PositionText, ::testing::Values(
    PositionRow{"MarksLast", "30°10.2′N 122°05.3′E", 30.17, 122.0883333, "30°10.2′N", "122°05.3′E"},
    PositionRow{"MarksFirst", "N30°10.2′ E122°05.3′", 30.17, 122.0883333, "N30°10.2′", "E122°05.3′"},
    PositionRow{"PackedWithComma", "3010.2N,12205.3E", 30.17, 122.0883333, "3010.2N", "12205.3E"},
    PositionRow{"Nmea", "4250.1234,N,09338.8000,W", 42.83539, -93.6466667, "4250.1234,N",
                "09338.8000,W"},
    PositionRow{"Chinese", "北纬30°10.2′ 东经122°05.3′", 30.17, 122.0883333, "北纬30°10.2′",
                "东经122°05.3′"},
    PositionRow{"LongitudeFirstWithSlash", "122°05.3′W / 30°10.2′S", -30.17, -122.0883333,
                "30°10.2′S", "122°05.3′W"},
    PositionRow{"BlanksInsideTheParts", "30 10.2 N; 122 05.3 E", 30.17, 122.0883333, "30 10.2 N",
                "122 05.3 E"}),
    geo::testing::RowName());

TEST(PositionText, RefusesWhatIsNoWholePosition)
{
    const std::vector<std::pair<std::string, Rule>> texts = {
        {"42.8333, -93.6467", Rule::AmbiguousPosition},
        {"30°10.2′N", Rule::IncompletePosition},
        {"30°10.2′N122°05.3′E", Rule::IncompletePosition},
        {"30°10.2′N 30°10.2′N", Rule::WrongAxis},
        {"30°10.2′N 122°x5.3′E", Rule::StrayCharacter},
    };
    for (const auto& [text, rule] : texts) {
        try {
            geo::readPosition(text, M);
            ADD_FAILURE() << text << " was read";
        } catch (const geo::CoordinateError& error) {
            EXPECT_EQ(error.rule(), rule) << text;
        }
        EXPECT_FALSE(geo::splitPosition(text).has_value()) << text;
    }
}

}  // namespace
