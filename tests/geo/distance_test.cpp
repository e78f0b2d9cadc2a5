// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/distance.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "geo/errors.h"
#include "step_scan.h"

#include "row_name.h"

namespace {

using geo::distance;
using oracle::kilometresOf;

constexpr double kSevenDecimals = 5e-8;
constexpr double kStepKilometres = 0.001 * 40030.1729092 / 360;

// Index of the candidate whose kilometres are nearest `km`.
std::size_t candidateIndexOf(double km)
{
    return static_cast<std::size_t>(std::llround((180 - km / kStepKilometres * 0.001) / 0.001));
}

struct DistanceRow {
    const char* name;
    double lat1, lon1, lat2, lon2;
    double km;
};


class Distance : public ::testing::TestWithParam<DistanceRow> {};

TEST_P(Distance, IsAWholeStepOfTheDriftingSearch)
{
    const DistanceRow& row = GetParam();
    const double km = distance(row.lat1, row.lon1, row.lat2, row.lon2);
    EXPECT_NEAR(km, row.km, kSevenDecimals);
    // Bit for bit the kilometres of a candidate made by repeated subtraction,
    // not of a recomputed thousandth.
    EXPECT_EQ(km, kilometresOf(oracle::candidateAngles()[candidateIndexOf(row.km)]));
    EXPECT_EQ(distance(row.lat2, row.lon2, row.lat1, row.lon1), km) << "swapped points";
}

INSTANTIATE_TEST_SUITE_P(Table, Distance, ::testing::Values(
    DistanceRow{"OneDegreeOnEquator", 0, 0, 0, 1, 111.1949247},
    DistanceRow{"BeijingShanghai", 39.9, 116.4, 31.2, 121.5, 1071.9190745},
    DistanceRow{"AcrossEquator", 30, 0, -30, 0, 6671.6954848},
    DistanceRow{"AcrossEquatorSouthFirst", -30, 0, 30, 0, 6671.6954848},
    DistanceRow{"AcrossDateLine", 0, 179, 0, -179, 222.3898494},
    DistanceRow{"PoleToPole", 90, 0, -90, 0, 20014.9752597},
    DistanceRow{"QuarterEquatorArcsNotChords", 0, 0, 0, 90, 11510.3426352},
    DistanceRow{"SixtyNorth", 60, 0, 60, 90, 5142.2092949},
    DistanceRow{"NearlyAntipodal", 89.5, 0, -90, 0, 20014.9752597},
    DistanceRow{"HalfAStep", 0, 0, 0, 0.00045, -0.0000001},
    DistanceRow{"OneStep", 0, 0, 0, 0.0009, 0.1111949},
    DistanceRow{"StillOneStep", 0, 0, 0, 0.0018, 0.1111949},
    DistanceRow{"TwoSteps", 0, 0, 0, 0.0027, 0.2223898},
    DistanceRow{"IdenticalPoints", 30, 120, 30, 120, -0.0000001},
    DistanceRow{"NoMatchOnEquator", 0, 0, 0, 120, 20014.9752597},
    DistanceRow{"NoMatchAtThirtyNorth", 30, 0, 30, 180, 20014.9752597}), geo::testing::RowName());

TEST(Distance, IdenticalPointsGiveATinyNegativeDistance)
{
    // The last candidate tested lies near 0.001; one step below it the drift
    // has carried the candidate just under zero.
    const double km = distance(12.5, -45, 12.5, -45);
    EXPECT_LT(km, 0);
    EXPECT_GT(km, -1e-7);
    EXPECT_EQ(km, kilometresOf(oracle::candidateAngles().back()));
}

TEST(Distance, ExactHalfTurnIsNotFolded)
{
    // 180.5 is folded to 179.5, 180 is kept; so 180 lies farther than 180.5.
    EXPECT_GT(distance(60, 0, 60, 180), distance(60, 0, 60, 180.5));
    EXPECT_EQ(distance(60, 0, 60, 180.5), distance(60, 0, 60, 179.5));
}

TEST(Distance, SouthernLatitudeSizeCountsForParallels)
{
    EXPECT_EQ(distance(-40, 10, -40, 20), distance(40, 10, 40, 20));
}

struct FaultRow {
    const char* name;
    double lat1, lon1, lat2, lon2;
};

class DistanceFault : public ::testing::TestWithParam<FaultRow> {};

TEST_P(DistanceFault, IsAnArithmeticError)
{
    const FaultRow& row = GetParam();
    EXPECT_THROW(distance(row.lat1, row.lon1, row.lat2, row.lon2), geo::ArithmeticError);
}

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kMax = std::numeric_limits<double>::max();

INSTANTIATE_TEST_SUITE_P(Table, DistanceFault, ::testing::Values(
    FaultRow{"NaNLatitude", kNaN, 0, 0, 0},
    FaultRow{"NaNLongitude", 0, 0, 0, kNaN},
    FaultRow{"InfiniteLatitude", 0, 0, kInf, 0},
    FaultRow{"InfiniteLongitude", 0, -kInf, 0, 0},
    FaultRow{"LongitudeDifferenceOverflows", 0, kMax, 0, -kMax},
    FaultRow{"LatitudeDifferenceOverflows", kMax, 0, -kMax, 0},
    FaultRow{"ArcOverflows", 0, 1e306, 0, 0}),
    geo::testing::RowName());

TEST(Distance, HugeFiniteArgumentsStillGiveAStep)
{
    // sin of a huge finite argument is finite; only overflow is a fault.
    const double km = distance(1e300, 0, 0, 0);
    EXPECT_TRUE(std::isfinite(km));
}

}  // namespace
