// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/number_reading.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "geo/characters.h"
#include "row_name.h"

namespace {

using geo::readNumberPrefix;
using geo::readNumberStrict;

struct ReadingRow {
    const char* name;
    std::string text;
    double value;
};


constexpr double kInfinity = std::numeric_limits<double>::infinity();

class PrefixReading : public ::testing::TestWithParam<ReadingRow> {};

TEST_P(PrefixReading, ReadsTheNumberAtTheStart)
{
    EXPECT_EQ(readNumberPrefix(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Table, PrefixReading, ::testing::Values(
    ReadingRow{"Plain", "4250.0", 4250},
    ReadingRow{"BlankBetweenDigits", "42 50", 4250},
    ReadingRow{"TabAndLineFeedSkipped", "\t4\n2\t5 0", 4250},
    ReadingRow{"BlankAfterSign", "- 4250", -4250},
    ReadingRow{"PlusSign", "+7", 7},
    ReadingRow{"StopsAtLetter", "12abc", 12},
    ReadingRow{"NoNumber", "abc", 0},
    ReadingRow{"Empty", "", 0},
    ReadingRow{"LoneSign", "-", 0},
    ReadingRow{"LonePoint", ".", 0},
    ReadingRow{"LeadingPoint", ".5", 0.5},
    ReadingRow{"TrailingPoint", "5.", 5},
    ReadingRow{"SecondPointEnds", "1.5.3", 1.5},
    ReadingRow{"ExponentE", "1E3", 1000},
    ReadingRow{"ExponentLowerD", "2d-2", 0.02},
    ReadingRow{"ExponentWithBlanks", "1 E - 2", 0.01},
    ReadingRow{"ExponentLetterAlone", "1E", 1},
    ReadingRow{"ExponentSignAlone", "1E+", 1},
    ReadingRow{"ExponentLetterThenText", "7Ex", 7},
    ReadingRow{"NoHexPrefix", "&H10", 0},
    ReadingRow{"ZeroXIsZero", "0x10", 0},
    ReadingRow{"NoThousandsSeparator", "1,000", 1},
    ReadingRow{"NoCurrency", "$5", 0},
    ReadingRow{"CommaIsNoPoint", "3,5", 3},
    ReadingRow{"CarriageReturnEnds", "4\r2", 4},
    ReadingRow{"FullWidthDigits", "４２５０．０", 4250},
    ReadingRow{"FullWidthSigns", "－１２", -12},
    ReadingRow{"FullWidthPlus", "＋３", 3},
    ReadingRow{"MinusSign", "\u22125", -5},
    ReadingRow{"IdeographicSpace", "\u30004\u30002", 42},
    ReadingRow{"FullWidthExponentLetter", "1Ｅ5", 100000},
    ReadingRow{"ArabicIndicDigitsAreNotDigits", "\u0664\u0662", 0},
    ReadingRow{"MalformedByteEnds", "12\xff" "34", 12},
    ReadingRow{"TruncatedSequenceEnds", "5\xe4\xb8", 5},
    ReadingRow{"Overflow", "1E999", kInfinity},
    ReadingRow{"NegativeOverflow", "-1e400", -kInfinity},
    ReadingRow{"JustAboveMax", "1.8e308", kInfinity},
    ReadingRow{"Max", "1.7976931348623157e308", std::numeric_limits<double>::max()},
    ReadingRow{"Underflow", "1e-999", 0},
    ReadingRow{"SmallestSubnormal", "5e-324", std::numeric_limits<double>::denorm_min()},
    ReadingRow{"HugeExponentDigits", "1e99999999999999999999999999", kInfinity},
    ReadingRow{"HugeNegativeExponent", "1e-99999999999999999999999999", 0},
    ReadingRow{"NearestDouble", "0.1", 0.1},
    ReadingRow{"LeadingZerosAfterPoint", "0.000123", 0.000123},
    ReadingRow{"ZerosShiftAgainstExponent", "0.00000000001e11", 1}), geo::testing::RowName());

TEST(PrefixReading, ThousandDigitsOverflow)
{
    EXPECT_EQ(readNumberPrefix(std::string(1000, '9')), kInfinity);
}

TEST(PrefixReading, ManyLeadingZerosThenDigits)
{
    // A long significand is rounded once, correctly, not digit by digit.
    EXPECT_EQ(readNumberPrefix(std::string(5000, '0') + "12.5"), 12.5);
    EXPECT_EQ(readNumberPrefix("0." + std::string(400, '0') + "1e401"), 1);
}

TEST(PrefixReading, NegativeZeroKeepsItsSign)
{
    const double value = readNumberPrefix("-0");
    EXPECT_EQ(value, 0);
    EXPECT_TRUE(std::signbit(value));
}

class StrictReading : public ::testing::TestWithParam<ReadingRow> {};

TEST_P(StrictReading, ReadsTheWholeText)
{
    EXPECT_EQ(readNumberStrict(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Table, StrictReading, ::testing::Values(
    ReadingRow{"TwoDigits", "42", 42},
    ReadingRow{"BlanksAround", " 4.5 ", 4.5},
    ReadingRow{"Negative", "-7", -7},
    ReadingRow{"LeadingPoint", ".5", 0.5},
    ReadingRow{"TrailingPoint", "5.", 5},
    ReadingRow{"Exponent", "2e3", 2000},
    ReadingRow{"ExponentD", "2D-1", 0.2},
    ReadingRow{"FullWidth", "２５", 25},
    ReadingRow{"IdeographicBlanks", "\u300025\u3000", 25},
    ReadingRow{"Underflow", "1e-999", 0}), geo::testing::RowName());

struct MismatchRow {
    const char* name;
    std::string text;
};

class StrictMismatch : public ::testing::TestWithParam<MismatchRow> {};

TEST_P(StrictMismatch, FailsWithTypeMismatch)
{
    try {
        readNumberStrict(GetParam().text);
        ADD_FAILURE() << "no failure for \"" << GetParam().text << '"';
    } catch (const geo::TypeMismatchError& error) {
        EXPECT_EQ(error.reading(), geo::Reading::WholeText);
        // Malformed bytes come back as U+FFFD.
        EXPECT_EQ(error.piece(), geo::decodeUtf8(GetParam().text));
    }
}

INSTANTIATE_TEST_SUITE_P(Table, StrictMismatch, ::testing::Values(
    MismatchRow{"Empty", ""},
    MismatchRow{"Blanks", "  "},
    MismatchRow{"Letter", "2a"},
    MismatchRow{"LetterFirst", "x1"},
    MismatchRow{"LoneMinus", "-"},
    MismatchRow{"LonePlus", "+"},
    MismatchRow{"LonePoint", "."},
    MismatchRow{"SignPoint", "-."},
    MismatchRow{"ExponentWithoutDigits", "1E"},
    MismatchRow{"ExponentSignWithoutDigits", "1e-"},
    MismatchRow{"BlankInside", "4 2"},
    MismatchRow{"BlankAfterSign", "- 4"},
    MismatchRow{"TwoPoints", "1.2.3"},
    MismatchRow{"HexPrefix", "0x10"},
    MismatchRow{"ThousandsSeparator", "1,000"},
    MismatchRow{"Currency", "$5"},
    MismatchRow{"CarriageReturn", "5\r"},
    MismatchRow{"MalformedByte", "5\xff"},
    MismatchRow{"TwoSigns", "--5"}), geo::testing::RowName());

TEST(StrictReading, TooLargeForADoubleIsOverflow)
{
    EXPECT_THROW(readNumberStrict("1e400"), geo::OverflowError);
    EXPECT_THROW(readNumberStrict(std::string(400, '9')), geo::OverflowError);
}

}  // namespace
