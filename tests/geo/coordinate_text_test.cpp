// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/coordinate_text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "geo/characters.h"
#include "geo/errors.h"
#include "geo/position_text.h"

#include "row_name.h"

namespace {

using geo::Axis;
using geo::EntryMode;
using geo::NumberForm;
using geo::Rule;
using geo::readCoordinate;
using geo::readRouteCoordinate;

constexpr auto Lat = Axis::Latitude;
constexpr auto Lon = Axis::Longitude;

// Where a text is read, in which form: the classic window's fields (M, S)
// and the route's surfaces (RM, RS, RD).
enum class Where { M, S, RM, RS, RD };
constexpr auto M = Where::M;
constexpr auto S = Where::S;
constexpr auto RM = Where::RM;
constexpr auto RS = Where::RS;
constexpr auto RD = Where::RD;

double read(const std::string& text, Where where, Axis axis)
{
    switch (where) {
    case Where::M: return readCoordinate(text, EntryMode::Minutes, axis);
    case Where::S: return readCoordinate(text, EntryMode::Seconds, axis);
    case Where::RM: return readRouteCoordinate(text, NumberForm::Minutes, axis);
    case Where::RS: return readRouteCoordinate(text, NumberForm::Seconds, axis);
    case Where::RD: return readRouteCoordinate(text, NumberForm::Degrees, axis);
    }
    return 0;
}

// Expected values are given to seven decimals.
constexpr double kSevenDecimals = 5e-8;

struct ReadRow {
    const char* name;
    std::string text;
    Where where;
    Axis axis;
    double degrees;
};

class CoordinateText : public ::testing::TestWithParam<ReadRow> {};

TEST_P(CoordinateText, ReadsAsMeant)
{
    const ReadRow& row = GetParam();
    EXPECT_NEAR(read(row.text, row.where, row.axis), row.degrees, kSevenDecimals) << row.text;
}

INSTANTIATE_TEST_SUITE_P(Table, CoordinateText, ::testing::Values(
    ReadRow{"SouthLast", "4250.0S", M, Lat, -42.8333333},
    ReadRow{"ChineseWordWithBlank", "西经 11624", M, Lon, -116.4},
    ReadRow{"TrailingEIsEast", "11624e", M, Lon, 116.4},
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
    ReadRow{"TwoPrimesAreSeconds", "42ᵒ05′30′′S", M, Lat, -42.0916667},
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
    ReadRow{"DegreeSignIgnoresTheForm", "116°24’E", S, Lon, 116.4},
    // The rule for plain numbers: packed where degrees are not possible.
    ReadRow{"PackedWithHemisphere", "3010.2N", M, Lat, 30.17},
    ReadRow{"LeadingZerosCountAsDegreeDigits", "0030.0N", M, Lat, 0.5},
    ReadRow{"LeadingZerosInALongitude", "00119.8E", M, Lon, 1.33},
    ReadRow{"ThreeDigitsAreNoLatitudeDegrees", "855N", M, Lat, 8.9166667},
    ReadRow{"RoutePackedLongitude", "12205.3", RM, Lon, 122.0883333},
    ReadRow{"RoutePackedBareLatitude", "-4250", RM, Lat, -42.8333333},
    ReadRow{"OnlyPackedPossible", "5106.5N", M, Lat, 51.1083333},
    ReadRow{"PackedLatitudeDegreesOutOfRangeAsDegrees", "200N", M, Lat, 2},
    ReadRow{"OnlyDegreesPossible", "75N", M, Lat, 75},
    ReadRow{"RouteDecimalDegrees", "-73.9857", RM, Lon, -73.9857},
    ReadRow{"RouteDecimalDegreesLatitude", "-73.9857", RM, Lat, -73.9857},
    ReadRow{"ZeroEitherWay", "0N", M, Lat, 0},
    ReadRow{"RouteZeroEitherWay", "00.0", RS, Lon, 0},
    ReadRow{"SecondsFormFractionIsDegrees", "25.3N", S, Lat, 25.3},
    ReadRow{"SecondsFormShortNumberIsPadded", "425N", S, Lat, 0.0736111},
    ReadRow{"RouteSecondsForm", "1021125", RS, Lon, 102.1902778},
    ReadRow{"NmeaFollowsTheRule", "930.5,N", M, Lat, 9.5083333},
    // The 度 form: a plain number is decimal degrees; marks read as always.
    ReadRow{"DegreesForm", "25.3N", RD, Lat, 25.3},
    ReadRow{"DegreesFormBare", "31.4", RD, Lat, 31.4},
    ReadRow{"DegreesFormWest", "128.7W", RD, Lon, -128.7},
    ReadRow{"DegreesFormLeadingZeros", "0025.3N", RD, Lat, 25.3},
    ReadRow{"DegreesFormMarks", "30°10.2′N", RD, Lat, 30.17},
    ReadRow{"DegreesFormBlanks", "30 5.3N", RD, Lat, 30.0883333},
    ReadRow{"DegreesFormNmeaStaysPacked", "4250.1234,N", RD, Lat, 42.83539},
    // Blanks separate parts with a hemisphere, a label, or on a route.
    ReadRow{"BlanksSeparateDegreesAndMinutes", "30 5.3N", M, Lat, 30.0883333},
    ReadRow{"BlanksSeparateThreeParts", "30 10 12N", M, Lat, 30.17},
    ReadRow{"BlanksWithALabel", "Lat 30 5.3", S, Lat, 30.0883333},
    ReadRow{"RouteBlanksSeparate", "42 5", RM, Lat, 42.0833333},
    ReadRow{"BlanksThenMinuteMark", "30 10.2′N", M, Lat, 30.17},
    ReadRow{"BlanksAfterMinutesMark", "42°50 30N", M, Lat, 42.8416667},
    ReadRow{"ClassicBareBlanksAreIgnored", "4 2 5 0", M, Lat, 42.8333333},
    // The Admiralty's middle dot after a minute or second mark.
    ReadRow{"AdmiraltyMiddleDot", "30°10′·2N", M, Lat, 30.17},
    ReadRow{"AdmiraltyMiddleDotHundredths", "51°07′·23N", M, Lat, 51.1205},
    ReadRow{"AdmiraltyMiddleDotSeconds", "42°50′30″·5", M, Lat, 42.8418056},
    // A lower-case s after a seconds mark is south.
    ReadRow{"SmallSAfterSecondsMarkIsSouth", "42°50′30″s", M, Lat, -42.8416667},
    ReadRow{"SmallSAfterPackedNumberIsSouth", "4250s", M, Lat, -42.8333333},
    ReadRow{"DegreeLetterBeforeHemisphere", "116dE", M, Lon, 116}),
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
            EXPECT_NEAR(read(text, M, marker.axis), sign * degrees, kSevenDecimals)
                << marker.name << ": " << text;
        const Axis other = marker.axis == Lat ? Lon : Lat;
        EXPECT_THROW(read(marker.text + "4230", M, other), geo::CoordinateError)
            << marker.name << " in the other axis";
    }
}

// A bare packed text in the classic window reads as the conversion of its
// number, whatever the number, with a sign too.
TEST(CoordinateText, PackedTextsAreTheConversionBitForBit)
{
    const std::vector<std::pair<std::string, EntryMode>> numbers = {
        {"4250.0", EntryMode::Minutes}, {"9338.80", EntryMode::Minutes},
        {"32799", EntryMode::Minutes},  {"0.001", EntryMode::Minutes},
        {"42.5", EntryMode::Minutes},   {"4275", EntryMode::Minutes},
        {"421125", EntryMode::Seconds}, {"1021125", EntryMode::Seconds},
        {"425", EntryMode::Seconds},    {"5", EntryMode::Seconds},
        {"3276759", EntryMode::Seconds}};
    for (const auto& [number, mode] : numbers) {
        const double converted = geo::toDecimalDegrees(number, mode);
        EXPECT_EQ(readCoordinate(number, mode, Lat), converted) << number;
        EXPECT_EQ(readCoordinate("-" + number, mode, Lat), -converted) << number;
        EXPECT_EQ(readCoordinate("+" + number, mode, Lat), converted) << number;
    }
}

// Where the rule for plain numbers finds only the packed reading, it is the
// double nearest the exact degrees and minutes (and seconds), with a
// hemisphere and on a route, where the bare number's conversion in the
// classic window may miss it by an ulp (it does for 8959.9999, 17959.99 and
// 421125), and the same double as the text with marks.
// Each value by python3 (from fractions import Fraction):
//   float(Fraction(89) + Fraction("59.9999") / 60).hex()
//   float(Fraction(42) + Fraction(11) / 60 + Fraction(25) / 3600).hex()
TEST(CoordinateText, RuledPackedTextsAreTheNearestDouble)
{
    struct Packed {
        std::string number;
        EntryMode mode;
        Axis axis;
        std::string marks;
        double nearest;
    };
    const std::vector<Packed> numbers = {
        {"4250.0", EntryMode::Minutes, Lat, "42°50.0′", 0x1.56aaaaaaaaaabp+5},
        {"8959.9999", EntryMode::Minutes, Lat, "89°59.9999′", 0x1.67ffff9026e28p+6},
        {"9338.80", EntryMode::Minutes, Lon, "93°38.80′", 0x1.76962fc962fc9p+6},
        {"17959.99", EntryMode::Minutes, Lon, "179°59.99′", 0x1.67ffea27983c1p+7},
        {"421125", EntryMode::Seconds, Lat, "42°11′25″", 0x1.5185b05b05b06p+5},
        {"1021125", EntryMode::Seconds, Lon, "102°11′25″", 0x1.98c2d82d82d83p+6},
        {"0425", EntryMode::Seconds, Lat, "0°04′25″", 0x1.2d82d82d82d83p-4}};
    for (const auto& [number, mode, axis, marks, nearest] : numbers) {
        const std::string south = axis == Lat ? "S" : "W";
        const std::string north = axis == Lat ? "N" : "E";
        EXPECT_EQ(readCoordinate(number + north, mode, axis), nearest) << number;
        EXPECT_EQ(readCoordinate(number + south, mode, axis), -nearest) << number;
        EXPECT_EQ(readRouteCoordinate(number, geo::numberForm(mode), axis), nearest) << number;
        EXPECT_EQ(readRouteCoordinate("-" + number, geo::numberForm(mode), axis), -nearest)
            << number;
        EXPECT_EQ(readRouteCoordinate(marks + north, geo::numberForm(mode), axis), nearest)
            << marks;
    }
}

// One position written in each notation is one double: a fix or a route
// that gets the same mark twice lists it once.
TEST(CoordinateText, OnePositionWrittenTwoWaysIsOneDouble)
{
    struct Spellings {
        const char* name;
        std::vector<std::pair<std::string, geo::NumberForm>> texts;
        Axis axis;
    };
    using geo::NumberForm;
    const std::vector<Spellings> positions = {
        {"LongitudeSecondsAndMinutes",
         {{"122°04′15″E", NumberForm::Minutes}, {"12204.25E", NumberForm::Minutes},
          {"122:04:15E", NumberForm::Minutes}, {"122-04.25E", NumberForm::Minutes},
          {"122 04 15E", NumberForm::Minutes}, {"1220415E", NumberForm::Seconds},
          {"122°04.25′E", NumberForm::Degrees}},
         Lon},
        {"LatitudeSecondsAndMinutes",
         {{"30°03′30″N", NumberForm::Minutes}, {"3003.5N", NumberForm::Minutes},
          {"300330N", NumberForm::Seconds}, {"30°03.5′N", NumberForm::Minutes}},
         Lat},
    };
    for (const Spellings& position : positions) {
        const double first =
            readRouteCoordinate(position.texts.front().first, position.texts.front().second,
                                position.axis);
        for (const auto& [text, form] : position.texts)
            EXPECT_EQ(readRouteCoordinate(text, form, position.axis), first)
                << position.name << ": " << text;
    }
    const geo::PositionReading marks =
        geo::readPosition("30°03′30″N 122°04′15″E", geo::NumberForm::Minutes);
    const geo::PositionReading packed = geo::readPosition("3003.5N 12204.25E", geo::NumberForm::Minutes);
    EXPECT_EQ(marks.position.latitude, packed.position.latitude);
    EXPECT_EQ(marks.position.longitude, packed.position.longitude);
}

struct RefusalRow {
    const char* name;
    std::string text;
    Where where;
    Axis axis;
    Rule rule;
    std::size_t position;  // of the first character that breaks the rule
};

class CoordinateRefusal : public ::testing::TestWithParam<RefusalRow> {};

TEST_P(CoordinateRefusal, SaysWhichRuleAndWhere)
{
    const RefusalRow& row = GetParam();
    try {
        const double degrees = read(row.text, row.where, row.axis);
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
    RefusalRow{"MoreDigitsThanADouble", std::string(400, '9') + "°", M, Lon, Rule::OutOfRange, 0},
    // The rule for plain numbers: both readings possible and different.
    RefusalRow{"AmbiguousWithHemisphere", "25.3N", M, Lat, Rule::AmbiguousNumber, 0},
    RefusalRow{"AmbiguousWholeDegrees", "30N", M, Lat, Rule::AmbiguousNumber, 0},
    RefusalRow{"AmbiguousLongitude", "135E", M, Lon, Rule::AmbiguousNumber, 0},
    RefusalRow{"AmbiguousThreeDigitLongitude", "119.8E", M, Lon, Rule::AmbiguousNumber, 0},
    RefusalRow{"AmbiguousHemisphereFirst", "S 5.3", M, Lat, Rule::AmbiguousNumber, 2},
    RefusalRow{"AmbiguousWithALabel", "Lat: 25.3", M, Lat, Rule::AmbiguousNumber, 5},
    RefusalRow{"RouteAmbiguousBare", "31.4", RM, Lat, Rule::AmbiguousNumber, 0},
    RefusalRow{"RouteAmbiguousNegative", "-31.4", RM, Lon, Rule::AmbiguousNumber, 1},
    RefusalRow{"SecondsFormAmbiguous", "30N", S, Lat, Rule::AmbiguousNumber, 0},
    RefusalRow{"NmeaAmbiguous", "25.3,N", M, Lat, Rule::AmbiguousNumber, 0},
    // Neither reading possible.
    RefusalRow{"PackedMinutesOfSixtyWithHemisphere", "3075.0N", M, Lat, Rule::SixtyOrMore, 2},
    RefusalRow{"PackedMinutesOfSixtyWithLabel", "纬度 4275", M, Lat, Rule::SixtyOrMore, 5},
    RefusalRow{"RoutePackedMinutesOfSixty", "4275", RM, Lat, Rule::SixtyOrMore, 2},
    RefusalRow{"PackedSecondsOfSixty", "421175N", S, Lat, Rule::SixtyOrMore, 4},
    RefusalRow{"RoutePackedMinutesOfSixtyInTheSecondsForm", "427525", RS, Lat, Rule::SixtyOrMore, 2},
    RefusalRow{"PackedBeyondThePole", "9100N", M, Lat, Rule::OutOfRange, 0},
    RefusalRow{"RoutePackedBeyondTheAntimeridian", "18030", RM, Lon, Rule::OutOfRange, 0},
    RefusalRow{"NeitherDegreesNorPacked", "95N", M, Lat, Rule::OutOfRange, 0},
    RefusalRow{"RouteFractionInTheSecondsForm", "421125.5", RS, Lat, Rule::FractionInSeconds, 6},
    RefusalRow{"DegreesFormPackedNumber", "3010.2N", RD, Lat, Rule::OutOfRange, 0},
    RefusalRow{"DegreesFormBeyondThePole", "-90.5", RD, Lat, Rule::OutOfRange, 1},
    // Blanks between numbers.
    RefusalRow{"BlanksAmongColons", "42:50 30N", M, Lat, Rule::MixedNotation, 5},
    RefusalRow{"RouteFourBlankParts", "4 2 5 0", RM, Lat, Rule::ExtraNumber, 6},
    RefusalRow{"FractionAfterBlanks", "30 .5N", M, Lat, Rule::DetachedFraction, 3},
    RefusalRow{"BlankInsideDegrees", "4 2°50′N", M, Lat, Rule::MarksOutOfOrder, 3},
    // Skipped minutes.
    RefusalRow{"SecondsRightAfterDegrees", "30°10″N", M, Lat, Rule::MissingMinutes, 5},
    RefusalRow{"TwoPrimesRightAfterDegrees", "30°10′′N", M, Lat, Rule::MissingMinutes, 5},
    RefusalRow{"ChineseSecondsAfterDegrees", "30度10秒", M, Lat, Rule::MissingMinutes, 5},
    // A lower-case s after the number that follows a minute mark.
    RefusalRow{"SmallSAfterMinuteMarkNumber", "42°50′30s", M, Lat, Rule::SecondsOrSouth, 8},
    RefusalRow{"SmallSAfterChineseMinute", "42度50分30 s", M, Lat, Rule::SecondsOrSouth, 9},
    RefusalRow{"FullWidthSmallS", "42°50′30ｓ", M, Lat, Rule::SecondsOrSouth, 8},
    // The character at fault is named.
    RefusalRow{"EnglishWordsForMarks", "30 deg 10.2 min N", M, Lat, Rule::UnknownWord, 3},
    RefusalRow{"EnglishHemisphereWord", "30°10′ North", M, Lat, Rule::UnknownWord, 7},
    RefusalRow{"WordEndingInAHemisphereLetter", "30°10.2 min", RM, Lat, Rule::UnknownWord, 8},
    RefusalRow{"WholePositionInALatitude", "30°10.2′N 122°05.3′E", M, Lat, Rule::WholePosition, 0},
    RefusalRow{"WholePositionInALongitudeCell", " 3010.2N,12205.3E", RM, Lon, Rule::WholePosition, 1},
    RefusalRow{"AmbiguousWholePositionInALatitude", "25.3N 128.7E", RM, Lat, Rule::WholePosition, 0},
    RefusalRow{"NulInside", std::string("42\0 50N", 7), M, Lat, Rule::StrayCharacter, 2},
    RefusalRow{"MiddleDotAsPoint", "30·5N", M, Lat, Rule::StrayCharacter, 2},
    RefusalRow{"MiddleDotAfterDegrees", "30°·5N", M, Lat, Rule::DetachedFraction, 3}),
    geo::testing::RowName());

TEST(CoordinateText, RefusalsCarryTheirLimits)
{
    const auto limitsOf = [](const std::string& text, Where where, Axis axis) {
        try {
            read(text, where, axis);
        } catch (const geo::CoordinateError& error) {
            return std::pair(error.limits().lowest, error.limits().highest);
        }
        return std::pair(0.0, 0.0);
    };
    EXPECT_EQ(limitsOf("91°", M, Lat), std::pair(-90.0, 90.0));
    EXPECT_EQ(limitsOf("181:00", M, Lon), std::pair(-180.0, 180.0));
    EXPECT_EQ(limitsOf("-32800", M, Lat), std::pair(-327.0, 327.0));
    EXPECT_EQ(limitsOf("3276800000", S, Lat), std::pair(-32768.0, 32767.0));
    // With a hemisphere, and on a route, the packed forms' 16-bit limits are
    // never reached: the axis' range refuses first.
    EXPECT_EQ(limitsOf("32800N", M, Lat), std::pair(-90.0, 90.0));
    EXPECT_EQ(limitsOf("-32800", RM, Lat), std::pair(-90.0, 90.0));
    EXPECT_EQ(limitsOf("3276800000", RS, Lon), std::pair(-180.0, 180.0));
    EXPECT_EQ(limitsOf("18100", RM, Lon), std::pair(-180.0, 180.0));
}

TEST(CoordinateText, RefusalsCarryTheirSurface)
{
    const auto surfaceOf = [](const std::string& text, Where where) {
        try {
            read(text, where, Lat);
        } catch (const geo::CoordinateError& error) {
            return error.surface();
        }
        ADD_FAILURE() << text << " was read";
        return geo::Surface::ClassicWindow;
    };
    EXPECT_EQ(surfaceOf("32800", M), geo::Surface::ClassicWindow);
    EXPECT_EQ(surfaceOf("9100N", S), geo::Surface::ClassicWindow);
    EXPECT_EQ(surfaceOf("9100", RM), geo::Surface::Route);
    EXPECT_EQ(surfaceOf("30", RS), geo::Surface::Route);
    EXPECT_EQ(surfaceOf("N", RD), geo::Surface::Route);
}

// The two readings an ambiguous number is refused with, which the message
// offers as the ways to write it.
struct AmbiguityRow {
    const char* name;
    std::string text;
    Where where;
    Axis axis;
    std::string degrees, packed, packedSpelling;
};

class Ambiguity : public ::testing::TestWithParam<AmbiguityRow> {};

TEST_P(Ambiguity, NamesBothReadingsAndHowToWriteThem)
{
    const AmbiguityRow& row = GetParam();
    try {
        read(row.text, row.where, row.axis);
        ADD_FAILURE() << row.text << " was read";
        return;
    } catch (const geo::CoordinateError& error) {
        ASSERT_EQ(error.rule(), Rule::AmbiguousNumber) << row.text;
        const geo::TwoReadings& readings = error.readings();
        EXPECT_EQ(geo::encodeUtf8(readings.degrees), row.degrees);
        EXPECT_EQ(geo::encodeUtf8(readings.packed), row.packed);
        EXPECT_EQ(geo::encodeUtf8(readings.packedSpelling), row.packedSpelling);
        const bool seconds = row.where == S || row.where == RS;
        EXPECT_EQ(readings.packedForm, seconds ? EntryMode::Seconds : EntryMode::Minutes);
    }
    // Each way offered reads as what it says, in the same field.
    EXPECT_EQ(read(row.degrees, row.where, row.axis), read(row.degrees, RD, row.axis));
    EXPECT_EQ(read(row.packedSpelling, row.where, row.axis),
              read(row.packed, row.where, row.axis));
}

INSTANTIATE_TEST_SUITE_P(Table, Ambiguity, ::testing::Values(
    AmbiguityRow{"MinutesLatitude", "25.3N", M, Lat, "25.3°N", "0°25.3′N", "0025.3N"},
    AmbiguityRow{"MinutesOneDigit", "5.3n", M, Lat, "5.3°n", "0°05.3′n", "0005.3n"},
    AmbiguityRow{"OnlyAFraction", ".5S", M, Lat, ".5°S", "0°00.5′S", "0000.5S"},
    AmbiguityRow{"ChineseHemisphereFirst", "北纬30", M, Lat, "北纬30°", "北纬0°30′", "北纬0030"},
    AmbiguityRow{"MinutesLongitude", "135E", M, Lon, "135°E", "1°35′E", "00135E"},
    AmbiguityRow{"MinutesLongitudeFraction", "119.8E", M, Lon, "119.8°E", "1°19.8′E", "00119.8E"},
    AmbiguityRow{"RouteMinus", "-31.4", RM, Lat, "-31.4°", "-0°31.4′", "-0031.4"},
    AmbiguityRow{"SecondsLatitude", "30N", S, Lat, "30°N", "0°00′30″N", "000030N"},
    AmbiguityRow{"SecondsLongitude", "135E", RS, Lon, "135°E", "0°01′35″E", "0000135E"}),
    geo::testing::RowName());

// A longitude above 180° and up to 360° may be counted east all the way
// round (359.5° is 0°30′W): where it may also be packed it is refused with
// both readings, where it may not it is out of range; 180° and every
// latitude are read as before.
struct FullCircleRow {
    const char* name;
    std::string text;
    Where where;
    Axis axis;
    Rule rule;                     // the refusal, or NoNumber for a text read
    double degrees;                // a text read
    std::string degreesReading, packed, packedSpelling, withinHalfCircle;
};

class FullCircle : public ::testing::TestWithParam<FullCircleRow> {};

TEST_P(FullCircle, IsNotTakenForPackedDegrees)
{
    const FullCircleRow& row = GetParam();
    if (row.rule == Rule::NoNumber) {
        EXPECT_NEAR(read(row.text, row.where, row.axis), row.degrees, kSevenDecimals);
        return;
    }
    try {
        const double degrees = read(row.text, row.where, row.axis);
        ADD_FAILURE() << row.text << " was read as " << degrees;
        return;
    } catch (const geo::CoordinateError& error) {
        ASSERT_EQ(error.rule(), row.rule) << row.text;
        if (row.rule != Rule::ZeroTo360Longitude) return;
        const geo::TwoReadings& readings = error.readings();
        EXPECT_EQ(geo::encodeUtf8(readings.degrees), row.degreesReading);
        EXPECT_EQ(geo::encodeUtf8(readings.packed), row.packed);
        EXPECT_EQ(geo::encodeUtf8(readings.packedSpelling), row.packedSpelling);
        EXPECT_EQ(geo::encodeUtf8(readings.withinHalfCircle), row.withinHalfCircle);
    }
    // Each way offered reads as what it says, in the same field.
    EXPECT_EQ(read(row.packedSpelling, row.where, row.axis), read(row.packed, row.where, row.axis));
    const double east = std::strtod(row.degreesReading.c_str(), nullptr);
    EXPECT_NEAR(read(row.withinHalfCircle, row.where, row.axis), east > 0 ? east - 360 : east + 360,
                1e-12);
}

constexpr auto NotRefused = Rule::NoNumber;
INSTANTIATE_TEST_SUITE_P(Table, FullCircle, ::testing::Values(
    FullCircleRow{"JustWestOfGreenwich", "359.5", RM, Lon, Rule::ZeroTo360Longitude, 0,
                  "359.5°", "3°59.5′", "00359.5", "0.5°W"},
    FullCircleRow{"WholeDegrees", "200", RM, Lon, Rule::ZeroTo360Longitude, 0,
                  "200°", "2°00′", "00200", "160°W"},
    FullCircleRow{"WithEast", "200E", M, Lon, Rule::ZeroTo360Longitude, 0,
                  "200°E", "2°00′E", "00200E", "160°W"},
    FullCircleRow{"SecondsForm", "359", RS, Lon, Rule::ZeroTo360Longitude, 0,
                  "359°", "0°03′59″", "0000359", "1°W"},
    FullCircleRow{"JustPast180", "180.5", RM, Lon, Rule::OutOfRange, 0, "", "", "", ""},
    FullCircleRow{"FullCircle", "360", RM, Lon, Rule::OutOfRange, 0, "", "", "", ""},
    FullCircleRow{"OnePast180", "181", RM, Lon, Rule::OutOfRange, 0, "", "", "", ""},
    FullCircleRow{"TheAntimeridian", "180", RM, Lon, NotRefused, 180, "", "", "", ""},
    FullCircleRow{"LatitudeStaysPacked", "359.5", RM, Lat, NotRefused, 3 + 59.5 / 60, "", "", "", ""},
    FullCircleRow{"LatitudeWholeDegrees", "200N", M, Lat, NotRefused, 2, "", "", "", ""},
    FullCircleRow{"FourDigitsArePacked", "0359.5", RM, Lon, NotRefused, 3 + 59.5 / 60, "", "", "", ""}),
    geo::testing::RowName());

// The side a text states, for a hemisphere written in a column of its own.
struct SideRow {
    const char* name;
    std::string text;
    Axis axis;
    geo::StatedSide side;
};

class StatedSide : public ::testing::TestWithParam<SideRow> {};

TEST_P(StatedSide, ByHemisphereOrSignOnly)
{
    const SideRow& row = GetParam();
    EXPECT_EQ(geo::statedSide(row.text, row.axis), row.side) << row.text;
}

using enum geo::StatedSide;
INSTANTIATE_TEST_SUITE_P(Table, StatedSide, ::testing::Values(
    SideRow{"PlainNumber", "31.4", Lat, Unstated},
    SideRow{"Marks", "31°24′", Lat, Unstated},
    SideRow{"Empty", "", Lat, Unstated},
    SideRow{"Unreadable", "4x", Lat, Unstated},
    SideRow{"SouthLast", "31.4S", Lat, Negative},
    SideRow{"SouthFirstFullWidth", "Ｓ31°24′", Lat, Negative},
    SideRow{"ChineseSouth", "南纬31°24′", Lat, Negative},
    SideRow{"Minus", "-31.4", Lat, Negative},
    SideRow{"MinusSign", "\u221231.4", Lat, Negative},
    SideRow{"Plus", "+31.4", Lat, Positive},
    SideRow{"LabelThenNorth", "Lat: N31.4", Lat, Positive},
    SideRow{"TrailingFullStop", "121.5E。", Lon, Positive},
    SideRow{"WestWord", "121°30′西", Lon, Negative},
    SideRow{"LongitudeInLatitude", "31.4E", Lat, OtherAxis},
    SideRow{"LatitudeInLongitude", "N121.5", Lon, OtherAxis},
    SideRow{"WordEndingInS", "30 mins", Lat, Unstated}),
    geo::testing::RowName());

struct PositionRow {
    const char* name;
    std::string text;
    double latitude, longitude;
    std::string latitudePart, longitudePart;
    NumberForm form = NumberForm::Minutes;
};

class PositionText : public ::testing::TestWithParam<PositionRow> {};

TEST_P(PositionText, ReadsBothPartsAsWritten)
{
    const PositionRow& row = GetParam();
    const geo::PositionReading reading = geo::readPosition(row.text, row.form);
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
                "122 05.3 E"},
    PositionRow{"ListComma", "30°10′12″N、122°05′18″E", 30.17, 122.0883333, "30°10′12″N",
                "122°05′18″E"},
    PositionRow{"BlankSeparatedParts", "30 5.3N 122 5.3E", 30.0883333, 122.0883333, "30 5.3N",
                "122 5.3E"},
    PositionRow{"LabelsInsteadOfHemispheres", "Lat 30°10′ Lon 122°05′", 30.1666667, 122.0833333,
                "Lat 30°10′", "Lon 122°05′"},
    PositionRow{"AdmiraltyMiddleDot", "51°07′·23N 001°18′·5W", 51.1205, -1.3083333,
                "51°07′·23N", "001°18′·5W"},
    PositionRow{"DegreesForm", "25.3N 128.7E", 25.3, 128.7, "25.3N", "128.7E", NumberForm::Degrees},
    PositionRow{"DegreesFormHemispheresFirst", "N30.17 E122.09", 30.17, 122.09, "N30.17",
                "E122.09", NumberForm::Degrees},
    PositionRow{"SecondsFormFractionsAreDegrees", "25.3N 128.7E", 25.3, 128.7, "25.3N", "128.7E",
                NumberForm::Seconds},
    PositionRow{"ThreeHundredBlanksBetween", "30°10.2′N" + std::string(300, ' ') + "122°05.3′E",
                30.17, 122.0883333, "30°10.2′N", "122°05.3′E"},
    PositionRow{"SixtyFourKibibytesOfBlanks",
                std::string(32 << 10, ' ') + "3010.2N\t12205.3E" + std::string(32 << 10, '\n'),
                30.17, 122.0883333, "3010.2N", "12205.3E"}),
    geo::testing::RowName());

TEST(PositionText, RefusesWhatIsNoWholePosition)
{
    const std::vector<std::pair<std::string, Rule>> texts = {
        {"42.8333, -93.6467", Rule::AmbiguousPosition},
        {"30°10.2′N", Rule::IncompletePosition},
        {"30°10.2′N122°05.3′E", Rule::IncompletePosition},
        {"30°10.2′N 30°10.2′N", Rule::WrongAxis},
        {"30°10.2′N 122°x5.3′E", Rule::StrayCharacter},
        // A bare number is no longitude, and could be two: 122.5° or 1°22.5′.
        {"30°10.2′N 122.5", Rule::MissingHemisphere},
        {"122.5, 30°10.2′N", Rule::MissingHemisphere},
        {"30°10,2′N", Rule::DecimalComma},
        {"30°10,2′N 122°05.3′E", Rule::DecimalComma},
        {"30 deg 10.2 min N, 122 deg 5.3 min E", Rule::UnknownWord},
        {"30°10″N 122°05′E", Rule::MissingMinutes},
        {"3075.0N 12205.3E", Rule::SixtyOrMore},
        {std::string(257, '1') + "N 122E", Rule::PositionTooLong},
    };
    for (const auto& [text, rule] : texts) {
        try {
            geo::readPosition(text, EntryMode::Minutes);
            ADD_FAILURE() << text << " was read";
        } catch (const geo::CoordinateError& error) {
            EXPECT_EQ(error.rule(), rule) << text;
        }
        EXPECT_FALSE(geo::splitPosition(text).has_value()) << text;
    }
}

// Numbers that are ambiguous in the 分 form refuse the position for that
// part, but the text is still a position to split into its fields.
TEST(PositionText, AmbiguousPartsAreNamedYetSplit)
{
    for (const std::string text : {"25.3N 128.7E", "N30 E122", "30N、135E"}) {
        try {
            geo::readPosition(text, EntryMode::Minutes);
            ADD_FAILURE() << text << " was read";
        } catch (const geo::CoordinateError& error) {
            EXPECT_EQ(error.rule(), Rule::AmbiguousNumber) << text;
            EXPECT_EQ(error.axis(), Lat) << text;
        }
        EXPECT_TRUE(geo::splitPosition(text).has_value()) << text;
    }
}

// Blanks cost nothing but the reading: a mebibyte of them is read at once.
TEST(PositionText, MebibyteOfBlanks)
{
    std::string text;
    for (int i = 0; i < (1 << 19); ++i) text += "3 ";
    EXPECT_THROW(geo::readPosition(text, EntryMode::Minutes), geo::CoordinateError);
    const std::string spread = std::string(1 << 20, ' ') + "30°N" + std::string(1 << 20, ' ') +
                               "122°E";
    EXPECT_EQ(geo::readPosition(spread, EntryMode::Minutes).position.longitude, 122);
}

}  // namespace

// A lone angle (an altitude, an azimuth): a plain number is decimal degrees,
// marks and blanks are degrees, minutes and seconds, and no hemisphere or
// label is taken.
struct AngleRow {
    const char* name;
    std::string text;
    double limit;
    double degrees;
};

class LoneAngle : public ::testing::TestWithParam<AngleRow> {};

TEST_P(LoneAngle, ReadsAsMeant)
{
    const AngleRow& row = GetParam();
    EXPECT_NEAR(geo::readAngle(row.text, row.limit), row.degrees, kSevenDecimals) << row.text;
}

INSTANTIATE_TEST_SUITE_P(Table, LoneAngle, ::testing::Values(
    AngleRow{"DegreesAndMinutes", "12°47.3′", 90, 12.7883333},
    AngleRow{"Seconds", "12°47′18″", 90, 12.7883333},
    AngleRow{"BlanksSeparateMinutes", "12 47.3", 90, 12.7883333},
    AngleRow{"ColonsSeparateMinutes", "12:47.3", 90, 12.7883333},
    AngleRow{"PlainNumberIsDecimalNotPacked", "12.788", 90, 12.788},
    AngleRow{"DecimalWithMark", "12.788°", 90, 12.788},
    AngleRow{"ChineseMarks", "12度47.3分", 90, 12.7883333},
    AngleRow{"NegativeKeepsItsSign", "-0.5", 90, -0.5},
    AngleRow{"AzimuthBeyondHalfCircle", "359°59.9′", 360, 359.9983333},
    AngleRow{"LeadingZeroAzimuth", "045", 360, 45}),
    geo::testing::RowName());

struct AngleRefusalRow {
    const char* name;
    std::string text;
    double limit;
    Rule rule;
};

class LoneAngleRefusal : public ::testing::TestWithParam<AngleRefusalRow> {};

TEST_P(LoneAngleRefusal, SaysWhichRule)
{
    const AngleRefusalRow& row = GetParam();
    try {
        geo::readAngle(row.text, row.limit);
        ADD_FAILURE() << row.text << " was read";
    } catch (const geo::CoordinateError& error) {
        EXPECT_EQ(error.rule(), row.rule) << row.text;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, LoneAngleRefusal, ::testing::Values(
    AngleRefusalRow{"PackedIsNoAltitude", "1247.3", 90, Rule::OutOfRange},
    AngleRefusalRow{"AboveTheZenith", "90°00.1′", 90, Rule::OutOfRange},
    AngleRefusalRow{"AzimuthBeyondTheCircle", "360.5", 360, Rule::OutOfRange},
    AngleRefusalRow{"HemisphereIsNoAngle", "12°47.3′N", 90, Rule::WrongAxis},
    AngleRefusalRow{"EastIsNoAngleEither", "12°47.3′E", 90, Rule::MisplacedHemisphere},
    AngleRefusalRow{"DashWithoutHemisphere", "12-47.3", 90, Rule::DashNeedsHemisphere},
    AngleRefusalRow{"SixtyMinutes", "12°60′", 90, Rule::SixtyOrMore},
    AngleRefusalRow{"DecimalComma", "12,5", 90, Rule::DecimalComma},
    AngleRefusalRow{"Nothing", "", 90, Rule::NoNumber}),
    geo::testing::RowName());
