// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/angle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "geo/errors.h"
#include "step_scan.h"

#include "row_name.h"

namespace {

using geo::angle;
using geo::angleFromCosine;
using geo::GeoPoint;

struct CosineRow {
    const char* name;
    double x;
    double degrees;  // exact double
};

class AngleFromCosine : public ::testing::TestWithParam<CosineRow> {};

TEST_P(AngleFromCosine, IsOneStepBelowTheFirstPassingCandidate)
{
    EXPECT_EQ(angleFromCosine(GetParam().x), GetParam().degrees);
}

INSTANTIATE_TEST_SUITE_P(Table, AngleFromCosine, ::testing::Values(
    CosineRow{"MinusOne", -1, 179.999},
    CosineRow{"Zero", 0, 90.00399999957028},
    CosineRow{"Half", 0.5, 60.004999999455435},
    CosineRow{"One", 1, 0.8089999995045751},
    CosineRow{"JustInsideLowerBand", -1.00009, 179.999},
    CosineRow{"JustInsideUpperEdgeOfMinusOne", -0.99991, 179.999},
    CosineRow{"NoCandidateAbove", 1.0002, 0.8089999995045751},
    CosineRow{"NoCandidateBelow", -1.0002, 179.999},
    CosineRow{"FarBelow", -1e300, 179.999},
    CosineRow{"FarAbove", 1e300, 0.8089999995045751}),
    geo::testing::RowName());

TEST(AngleFromCosine, ResultIsADriftingCandidate)
{
    const auto& candidates = oracle::candidateAngles();
    EXPECT_EQ(angleFromCosine(0), candidates[89996]);
    EXPECT_EQ(angleFromCosine(1), candidates[179191]);
}

TEST(AngleFromCosine, NonFiniteIsAnArithmeticError)
{
    EXPECT_THROW(angleFromCosine(std::numeric_limits<double>::quiet_NaN()), geo::ArithmeticError);
    EXPECT_THROW(angleFromCosine(std::numeric_limits<double>::infinity()), geo::ArithmeticError);
}

struct AngleRow {
    const char* name;
    GeoPoint point1, point2, reference;
    double degrees;
};

class Angle : public ::testing::TestWithParam<AngleRow> {};

TEST_P(Angle, AtTheReferencePoint)
{
    const AngleRow& row = GetParam();
    EXPECT_EQ(angle(row.point1, row.point2, row.reference), row.degrees);
    EXPECT_EQ(angle(row.point2, row.point1, row.reference), row.degrees) << "points swapped";
}

INSTANTIATE_TEST_SUITE_P(Table, Angle, ::testing::Values(
    AngleRow{"MeridianReferenceBetween", {10, 0}, {-10, 0}, {0, 0}, 170.0319999999524},
    AngleRow{"MeridianReferenceBelow", {10, 0}, {20, 0}, {0, 0}, 5.0639999995046},
    AngleRow{"FirstCandidatePasses", {1, 0}, {0, 0}, {0.5, 0}, 179.999},
    AngleRow{"WiderMeridianSpan", {2, 0}, {0, 0}, {1, 0}, 179.4119999999972},
    AngleRow{"AllEqual", {30, 30}, {30, 30}, {30, 30}, 60.004999999455435},
    AngleRow{"ReferenceIsPoint1", {30, 120}, {31, 121}, {30, 120}, 90.00399999957028},
    AngleRow{"ReferenceIsPoint2", {31, 121}, {30, 120}, {30, 120}, 90.00399999957028},
    AngleRow{"PointsEqual", {30, 120}, {30, 120}, {31, 121}, 0.8089999995045751},
    AngleRow{"UnderAStepApartCountsAsEqual", {30, 120}, {30.0008, 120}, {30, 120},
             60.004999999455435},
    AngleRow{"OneStepApartIsDistinct", {30, 120}, {30.001, 120}, {30, 120}, 90.00399999957028},
    AngleRow{"EquatorNoCandidatePasses", {0, -10}, {0, 10}, {0, 0}, 179.999}),
    geo::testing::RowName());

TEST(Angle, NonFiniteArgumentIsAnArithmeticError)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_THROW(angle({nan, 0}, {1, 1}, {0, 0}), geo::ArithmeticError);
    EXPECT_THROW(angle({0, 0}, {1, 1}, {0, std::numeric_limits<double>::infinity()}),
                 geo::ArithmeticError);
}

}  // namespace
