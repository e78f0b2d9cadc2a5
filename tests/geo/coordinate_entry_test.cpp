// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/coordinate_entry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "geo/errors.h"

#include "row_name.h"

namespace {

using geo::EntryMode;
using geo::Reading;
using geo::toDecimalDegrees;

// Expected values are given to seven decimals.
constexpr double kSevenDecimals = 5e-8;

struct ConversionRow {
    const char* name;
    EntryMode mode;
    std::string text;
    double degrees;
};


class Conversion : public ::testing::TestWithParam<ConversionRow> {};

TEST_P(Conversion, GivesDecimalDegrees)
{
    EXPECT_NEAR(toDecimalDegrees(GetParam().text, GetParam().mode), GetParam().degrees,
                kSevenDecimals)
        << GetParam().text;
}

constexpr auto M = EntryMode::Minutes;
constexpr auto S = EntryMode::Seconds;

INSTANTIATE_TEST_SUITE_P(Table, Conversion, ::testing::Values(
    ConversionRow{"MinutesChartExample", M, "4250.0", 42.8333333},
    ConversionRow{"MinutesDecimalMinutes", M, "9338.80", 93.6466667},
    ConversionRow{"MinutesSeventyFiveAccepted", M, "4275", 43.25},
    ConversionRow{"MinutesOnlyMinutes", M, "42.5", 0.7083333},
    ConversionRow{"MinutesBlankSkipped", M, "42 50", 42.8333333},
    ConversionRow{"MinutesNoNumber", M, "abc", 0},
    ConversionRow{"MinutesOneBlank", M, " ", 0},
    ConversionRow{"MinutesLargestDegrees", M, "32799", 328.65},
    ConversionRow{"MinutesTrailingText", M, "4250abc", 42.8333333},
    ConversionRow{"MinutesSouth", M, "-4250.0", -42.8333333},
    ConversionRow{"MinutesSouthBlankAfterSign", M, "- 4250", -42.8333333},
    ConversionRow{"MinutesWestUnderOneDegree", M, "-0030", -0.5},
    ConversionRow{"MinutesWestLargest", M, "-32799", -328.65},
    ConversionRow{"MinutesFullWidth", M, "４２５０．０", 42.8333333},
    ConversionRow{"MinutesFullWidthMinus", M, "－４２５０", -42.8333333},
    ConversionRow{"MinutesMinusSign", M, "\u22124250", -42.8333333},
    ConversionRow{"MinutesExponent", M, "4.25E3", 42.8333333},
    ConversionRow{"MinutesLoneMinus", M, "-", 0},
    ConversionRow{"SecondsChartExample", S, "421125", 42.1902778},
    ConversionRow{"SecondsThreeDigitDegrees", S, "1021125", 102.1902778},
    ConversionRow{"SecondsNoDegrees", S, "0425", 0.0736111},
    ConversionRow{"SecondsSharedCharacter", S, "425", 0.7069444},
    ConversionRow{"SecondsOneCharacter", S, "5", 5.0 / 60 + 5.0 / 3600},
    ConversionRow{"SecondsSouth", S, "-421125", -42.1902778},
    ConversionRow{"SecondsSouthUnderOneDegree", S, "-0425", -0.0736111},
    ConversionRow{"SecondsFullWidth", S, "４２１１２５", 42.1902778},
    ConversionRow{"SecondsSixtyAccepted", S, "426060", 43.0166667},
    ConversionRow{"SecondsBlanksInFront", S, "  421125", 42.1902778},
    ConversionRow{"SecondsTextInFrontEndsPrefix", S, "ab421125", 0.1902778},
    ConversionRow{"SecondsDigitsAfterPrefixEnds", S, "25000x0000", 2.0}), geo::testing::RowName());

TEST(Conversion, HalfDegreeRoundsToEven)
{
    // The number ends at the letter, the pieces are "00" and "00", so the
    // degrees are exactly 2.5 and 3.5 before rounding: the even neighbour wins.
    EXPECT_EQ(toDecimalDegrees("25000x0000", EntryMode::Seconds), 2.0);
    EXPECT_EQ(toDecimalDegrees("35000x0000", EntryMode::Seconds), 4.0);
    EXPECT_EQ(toDecimalDegrees("-25000x0000", EntryMode::Seconds), -2.0);
}

struct FailureRow {
    const char* name;
    EntryMode mode;
    std::string text;
    bool overflow;
    Reading reading;
    std::u32string piece;
};


class ConversionFailure : public ::testing::TestWithParam<FailureRow> {};

TEST_P(ConversionFailure, SaysWhichReadingFailed)
{
    const FailureRow& row = GetParam();
    try {
        toDecimalDegrees(row.text, row.mode);
        ADD_FAILURE() << "no failure for \"" << row.text << '"';
    } catch (const geo::OverflowError& error) {
        EXPECT_TRUE(row.overflow) << "overflow, expected type mismatch";
        EXPECT_EQ(error.reading(), row.reading);
        EXPECT_EQ(error.piece(), row.piece);
    } catch (const geo::TypeMismatchError& error) {
        EXPECT_FALSE(row.overflow) << "type mismatch, expected overflow";
        EXPECT_EQ(error.reading(), row.reading);
        EXPECT_EQ(error.piece(), row.piece);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, ConversionFailure, ::testing::Values(
    FailureRow{"MinutesHundredDegreesTooBig", M, "32800", true, Reading::HundredDegrees, U"32800"},
    FailureRow{"MinutesWestTooBig", M, "-32800", true, Reading::HundredDegrees, U"32800"},
    FailureRow{"MinutesDegreesTooBig", M, "1E7", true, Reading::Degrees, U"1E7"},
    FailureRow{"MinutesInfinite", M, "1E999", true, Reading::Degrees, U"1E999"},
    FailureRow{"MinutesThousandDigits", M, std::string(1000, '1'), true, Reading::Degrees,
               std::u32string(1000, U'1')},
    FailureRow{"SecondsLetterInSeconds", S, "42112a", false, Reading::SecondsDigits, U"2a"},
    FailureRow{"SecondsLetterInMinutes", S, "42x125", false, Reading::MinutesDigits, U"x1"},
    FailureRow{"SecondsMinutesReadFirst", S, "42x12a", false, Reading::MinutesDigits, U"x1"},
    FailureRow{"SecondsEmpty", S, "", false, Reading::MinutesDigits, U""},
    FailureRow{"SecondsLoneSign", S, "42-", false, Reading::SecondsDigits, U"2-"},
    FailureRow{"SecondsLonePoint", S, "4211 .", false, Reading::SecondsDigits, U" ."},
    FailureRow{"SecondsBlankPiece", S, "42  25", false, Reading::MinutesDigits, U"  "},
    FailureRow{"SecondsMalformedByte", S, "4211\xff" "5", false, Reading::SecondsDigits,
               U"\uFFFD5"},
    FailureRow{"SecondsHalfRoundsToEvenOverflow", S, "327675000x0000", true, Reading::Degrees,
               U"327675000x0000"},
    FailureRow{"SecondsWestTooBig", S, "-327685000", true, Reading::Degrees, U"327685000"},
    FailureRow{"SecondsInfinite", S, "1E99991125", true, Reading::Degrees, U"1E99991125"}),
    geo::testing::RowName());

TEST(ConversionFailure, LargestSecondsDegreesStillFit)
{
    EXPECT_EQ(toDecimalDegrees("327670000", EntryMode::Seconds), 32767);
    EXPECT_EQ(toDecimalDegrees("-327670000", EntryMode::Seconds), -32767);
    EXPECT_EQ(toDecimalDegrees("327665000x0000", EntryMode::Seconds), 32766);
}

TEST(Conversion, CountsCharactersNotBytes)
{
    // Each full-width digit is three bytes but one character: cutting bytes
    // would split them and fail.
    EXPECT_NEAR(toDecimalDegrees("１１２５", EntryMode::Seconds), 0.1902778, kSevenDecimals);
    EXPECT_NEAR(toDecimalDegrees("４２５", EntryMode::Seconds), 0.7069444, kSevenDecimals);
    EXPECT_NEAR(toDecimalDegrees("42é1125", EntryMode::Seconds), 0.1902778, kSevenDecimals);
}

}  // namespace
