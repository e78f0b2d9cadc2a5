// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/coordinate_text.h"

#include <gtest/gtest.h>

#include <string>

#include "geo/errors.h"

#include "row_name.h"

namespace {

using geo::Axis;
using geo::EntryMode;
using geo::Notation;
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
    ReadRow{"SouthFirst", "S4250.0", M, Lat, -42.8333333},
    ReadRow{"ChineseSouth", "南4250.0", M, Lat, -42.8333333},
    ReadRow{"ChineseWordWithBlank", "西经 11624", M, Lon, -116.4},
    ReadRow{"LowerCaseWest", "11624w", M, Lon, -116.4},
    ReadRow{"TrailingEIsEast", "11624e", M, Lon, 116.4},
    ReadRow{"ExponentInsideStaysANumber", "1.1624E4", M, Lon, 116.4},
    ReadRow{"FullWidthHemisphere", "４２５０Ｓ", M, Lat, -42.8333333},
    ReadRow{"PlusWithHemisphere", "+4250S", M, Lat, -42.8333333},
    ReadRow{"PackedMinutesOfSixtyStay", "4275N", M, Lat, 43.25},
    ReadRow{"SecondsBlanksGoBeforeTheCut", "42 11 25", S, Lat, 42.1902778},
    ReadRow{"SecondsSouth", "南421125", S, Lat, -42.1902778},
    ReadRow{"DegreesAndMinutes", "42°50.0′N", M, Lat, 42.8333333},
    ReadRow{"DegreesMinutesSeconds", "42°50'30\"S", M, Lat, -42.8416667},
    ReadRow{"TwoApostrophesAreSeconds", "42°50'30''", M, Lat, 42.8416667},
    ReadRow{"ChineseMarks", "北纬42度50.0分", M, Lat, 42.8333333},
    ReadRow{"DegreesOnly", "42.5°", M, Lat, 42.5},
    ReadRow{"SecondsWithoutMinutes", "42º36″", M, Lat, 42.01},
    ReadRow{"MinusCoversTheMinutes", "-42°50.0′", M, Lat, -42.8333333},
    ReadRow{"DegreeSignIgnoresTheForm", "116°24’E", S, Lon, 116.4}),
    geo::testing::RowName());

struct RefusalRow {
    const char* name;
    std::string text;
    EntryMode mode;
    Axis axis;
    Notation notation;
};

class CoordinateRefusal : public ::testing::TestWithParam<RefusalRow> {};

TEST_P(CoordinateRefusal, SaysWhichRule)
{
    const RefusalRow& row = GetParam();
    try {
        const double degrees = readCoordinate(row.text, row.mode, row.axis);
        ADD_FAILURE() << '"' << row.text << "\" read as " << degrees;
    } catch (const geo::NotationError& error) {
        EXPECT_EQ(error.notation(), row.notation) << row.text;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, CoordinateRefusal, ::testing::Values(
    RefusalRow{"BlanksOnly", " \t\u3000", M, Lat, Notation::NoNumber},
    RefusalRow{"HemisphereAlone", "N", M, Lat, Notation::NoNumber},
    RefusalRow{"SignAlone", "-", M, Lat, Notation::NoNumber},
    RefusalRow{"Letters", "abc", M, Lat, Notation::StrayCharacter},
    RefusalRow{"TrailingLetter", "4250.0x", M, Lat, Notation::StrayCharacter},
    RefusalRow{"ExponentLetterAtTheEnd", "4250D", M, Lat, Notation::StrayCharacter},
    RefusalRow{"LetterAmongSecondsDigits", "4x1125", S, Lat, Notation::StrayCharacter},
    RefusalRow{"DecimalComma", "4250,5", M, Lat, Notation::DecimalComma},
    RefusalRow{"HemisphereInside", "42N50", M, Lat, Notation::MisplacedHemisphere},
    RefusalRow{"TwoHemispheres", "N4250S", M, Lat, Notation::TwoHemispheres},
    RefusalRow{"EastInALatitude", "4250E", M, Lat, Notation::WrongAxis},
    RefusalRow{"SouthInALongitude", "S11624", S, Lon, Notation::WrongAxis},
    RefusalRow{"HemisphereAndMinus", "-4250S", M, Lat, Notation::HemisphereAndMinus},
    RefusalRow{"MinusInside", "42-50", M, Lat, Notation::MisplacedSign},
    RefusalRow{"FractionInTheSecondsForm", "421125.5", S, Lat, Notation::FractionInSeconds},
    RefusalRow{"MinuteMarkWithoutDegrees", "4250′", M, Lat, Notation::NoDegreeSign},
    RefusalRow{"MinutesWithoutMark", "42°50", M, Lat, Notation::MissingMark},
    RefusalRow{"MarkWithoutNumber", "42°′", M, Lat, Notation::MissingNumber},
    RefusalRow{"MinutesBeforeDegrees", "50′42°", M, Lat, Notation::MarksOutOfOrder},
    RefusalRow{"TwoDegreeSigns", "42°5°", M, Lat, Notation::MarksOutOfOrder},
    RefusalRow{"FractionBeforeTheLastPart", "42.5°30′", M, Lat, Notation::FractionNotLast},
    RefusalRow{"SixtyMinutes", "42°60′", M, Lat, Notation::SixtyOrMore},
    RefusalRow{"SixtySeconds", "42°5′60.0″", M, Lat, Notation::SixtyOrMore}),
    geo::testing::RowName());

TEST(CoordinateText, PackedTextsFailAsTheirConversion)
{
    EXPECT_THROW(readCoordinate("42.50.0", M, Lat), geo::TypeMismatchError);
    EXPECT_THROW(readCoordinate("32800N", M, Lat), geo::OverflowError);
    EXPECT_THROW(readCoordinate("3276800000W", S, Lon), geo::OverflowError);
}

}  // namespace
