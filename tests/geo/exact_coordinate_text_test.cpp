// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/exact_coordinate_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "geo/characters.h"
#include "geo/coordinate_text.h"
#include "geo/errors.h"
#include "geo/sexagesimal_value.h"

#include "row_name.h"

namespace {

using geo::Axis;

constexpr geo::NumberForm kForms[] = {geo::NumberForm::Minutes, geo::NumberForm::Seconds,
                                      geo::NumberForm::Degrees};

// Whether text reads as exactly `degrees` in every form.
bool readsBackInEveryForm(const std::string& text, double degrees, Axis axis)
{
    for (const geo::NumberForm form : kForms) {
        try {
            if (geo::readRouteCoordinate(text, form, axis) != degrees)
                return false;
        } catch (const geo::CoordinateError&) {
            return false;
        }
    }
    return true;
}

// The doubles of the rows are Python's nearest doubles to the exact values,
// e.g. python3 -c "from fractions import Fraction as F; print(repr(float(30+F('50.0001')/60)))"
// and for the third of a second, 30°10′15⅓″: float(30+F(10,60)+F(46,3)/3600);
// the double just below 31: math.nextafter(31.0, 0).
struct TextRow {
    const char* name;
    double degrees;
    Axis axis;
    std::string text;
};

class ExactCoordinateText : public ::testing::TestWithParam<TextRow> {};

TEST_P(ExactCoordinateText, WritesTheMinutesOrFallsBack)
{
    const TextRow& row = GetParam();
    EXPECT_EQ(geo::exactCoordinateText(row.degrees, row.axis), row.text);
    EXPECT_TRUE(readsBackInEveryForm(row.text, row.degrees, row.axis)) << row.text;
}

INSTANTIATE_TEST_SUITE_P(Table, ExactCoordinateText, ::testing::Values(
    TextRow{"WholeMinutes", 30.833333333333332, Axis::Latitude, "30°50.000′N"},
    TextRow{"FourDecimalsNeeded", 30.833335, Axis::Latitude, "30°50.0001′N"},
    TextRow{"MinutesBelowTenPadded", 122.07083333333334, Axis::Longitude, "122°04.250′E"},
    TextRow{"West", -122.07083333333334, Axis::Longitude, "122°04.250′W"},
    TextRow{"South", -33.5, Axis::Latitude, "33°30.000′S"},
    TextRow{"SecondsThatAreThreeDecimals", 48.63458333333333, Axis::Latitude, "48°38.075′N"},
    TextRow{"SevenDecimalsAtMost", 30.835390945, Axis::Latitude, "30°50.1234567′N"},
    TextRow{"WholeDegrees", 31, Axis::Latitude, "31°00.000′N"},
    TextRow{"Zero", 0, Axis::Latitude, "0°00.000′N"},
    TextRow{"NegativeZeroIsEast", -0.0, Axis::Longitude, "0°00.000′E"},
    TextRow{"TinyButShort", 1e-05, Axis::Latitude, "0°00.0006′N"},
    TextRow{"Pole", -90, Axis::Latitude, "90°00.000′S"},
    TextRow{"DateLineWest", -180, Axis::Longitude, "180°00.000′W"},
    TextRow{"EightDecimalsFallBack", 30.835390946333334, Axis::Latitude, "30.835390946333334°N"},
    TextRow{"ComputedValueFallsBack", 0.1 + 0.2, Axis::Latitude, "0.30000000000000004°N"},
    TextRow{"ThirdOfASecondFallsBack", 30.170925925925925, Axis::Latitude, "30.170925925925925°N"},
    TextRow{"TooSmallForSevenDecimals", 1e-12, Axis::Longitude, "0.000000000001°E"},
    TextRow{"JustBelowWholeDegree", 30.999999999999996, Axis::Latitude, "30.999999999999996°N"}),
    geo::testing::RowName());

// Every thousandth of a minute at a few degrees: the three decimals written,
// whatever the sum's rounding, as the navigator would write the position.
TEST(ExactCoordinateText, EveryThousandthOfAMinute)
{
    for (const int degrees : {0, 1, 29, 89, 179}) {
        for (int thousandths = 0; thousandths < 60000; thousandths += 31) {
            char minutes[16];
            std::snprintf(minutes, sizeof minutes, "%02d.%03d", thousandths / 1000, thousandths % 1000);
            const double value = geo::sexagesimalDegrees(geo::decodeUtf8(std::to_string(degrees)),
                                                         geo::decodeUtf8(minutes), U"");
            const std::string expected = std::to_string(degrees) + "°" + minutes + "′E";
            ASSERT_EQ(geo::exactCoordinateText(value, Axis::Longitude), expected);
        }
    }
}

// Computed positions, of either branch: every text reads back as the double.
TEST(ExactCoordinateText, ComputedValuesReadBack)
{
    for (int i = -9000; i <= 9000; ++i) {
        const double latitude = i * 0.009999999;
        ASSERT_TRUE(readsBackInEveryForm(geo::exactCoordinateText(latitude, Axis::Latitude), latitude,
                                         Axis::Latitude))
            << latitude;
    }
}

struct DegreesRow {
    const char* name;
    double degrees;
    Axis axis;
    std::string text;
};

class ExactDegreesText : public ::testing::TestWithParam<DegreesRow> {};

TEST_P(ExactDegreesText, WritesTheShortestDegrees)
{
    EXPECT_EQ(geo::exactDegreesText(GetParam().degrees, GetParam().axis), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, ExactDegreesText, ::testing::Values(
    DegreesRow{"Decimal", 31.2304, Axis::Latitude, "31.2304°N"},
    DegreesRow{"West", -121.5, Axis::Longitude, "121.5°W"},
    DegreesRow{"NegativeZero", -0.0, Axis::Latitude, "0°N"},
    DegreesRow{"NoExponent", 1e-05, Axis::Latitude, "0.00001°N"},
    DegreesRow{"SeventeenDigits", 122.33333333333333, Axis::Longitude, "122.33333333333333°E"}),
    geo::testing::RowName());

}  // namespace
