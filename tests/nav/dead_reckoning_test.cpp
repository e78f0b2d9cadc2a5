// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/earth.h"

#include <gtest/gtest.h>

#include <limits>

#include "nav/errors.h"

#include "row_name.h"

namespace {

using enum nav::EarthModel;
using enum nav::Method;

constexpr double kDegrees = 1e-9;
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct RunRow {
    const char* name;
    nav::EarthModel model;
    nav::Method method;
    geo::GeoPoint from;
    double course, distance;  // degrees true, n mile
    geo::GeoPoint reached;
};

class DeadReckoning : public ::testing::TestWithParam<RunRow> {};

TEST_P(DeadReckoning, MatchesGeographicLibTools)
{
    const RunRow& row = GetParam();
    const geo::GeoPoint reached =
        nav::Earth(row.model).deadReckoning(row.from, row.course, row.distance, row.method);
    EXPECT_NEAR(reached.latitude, row.reached.latitude, kDegrees);
    EXPECT_NEAR(reached.longitude, row.reached.longitude, kDegrees);
}

// Each row as printed by geographiclib-tools 2.1.2, the distance given in
// metres (n mile x 1852):
//   GeodSolve -p 9 (great circle), RhumbSolve -s -p 9 (rhumb line) :
//     lat1 lon1 course metres -> lat2 lon2
// on the sphere with -e 6366707.019493707 0. The tools write the 180th
// meridian as 180, nav as -180.
INSTANTIATE_TEST_SUITE_P(Table, DeadReckoning, ::testing::Values(
    RunRow{"RhumbAcrossAntimeridian", Wgs84, Rhumb, {35, 170}, 80, 900,
           {37.60836788968835, -171.72073440637388}},
    RunRow{"GreatCircleAcrossAntimeridian", Wgs84, GreatCircle, {50, 175}, 45, 1000,
           {59.78576541680157, -161.34011536112985}},
    RunRow{"RhumbAcrossEquator", Wgs84, Rhumb, {5, 100}, 200, 600,
           {-4.44308685991113, 96.5820426580604}},
    RunRow{"GreatCircleAcrossEquator", Wgs84, GreatCircle, {3, -30}, 170, 500,
           {-5.24713977623343, -28.55445726888546}},
    RunRow{"RhumbAlongParallel", Wgs84, Rhumb, {40, 10}, 90, 300,
           {40, 16.50632281745093}},
    RunRow{"GreatCircleLeavesParallel", Wgs84, GreatCircle, {40, 10}, 90, 300,
           {39.81773222079649, 16.49482188641246}},
    RunRow{"RhumbLongWestward", Wgs84, Rhumb, {-33.9, 151.3}, 268, 4000,
           {-36.23036979894081, 70.12425210068368}},
    RunRow{"GreatCircleLongWestward", Wgs84, GreatCircle, {-33.9, 151.3}, 268, 4000,
           {-14.31874782440206, 80.17266389248695}},
    RunRow{"RhumbAcrossEquatorSphere", Sphere, Rhumb, {5, 100}, 200, 600,
           {-4.39692620785908, 96.57591123075811}},
    RunRow{"GreatCircleAcrossAntimeridianSphere", Sphere, GreatCircle, {50, 175}, 45, 1000,
           {59.7937809935787, -161.22845979105648}},
    RunRow{"GreatCircleOverNorthPole", Wgs84, GreatCircle, {80, 20}, 0, 1500,
           {75.12411865572049, -160}},
    RunRow{"GreatCircleFromSouthPole", Wgs84, GreatCircle, {-90, 0}, 30, 600,
           {-80.05038377074096, 30}},
    RunRow{"RhumbCourse360IsNorth", Wgs84, Rhumb, {10, 20}, 360, 120,
           {12.00913345141052, 20}},
    RunRow{"RhumbToThe180thMeridianSphere", Sphere, Rhumb, {0, 179}, 90, 60,
           {0, -180}},
    RunRow{"GreatCircleToThe180thMeridianSphere", Sphere, GreatCircle, {0, 179}, 90, 60,
           {0, -180}},
    RunRow{"NoRunStaysPut", Wgs84, Rhumb, {31.2, 121.5}, 135, 0,
           {31.19999999999999, 121.5}}),
    geo::testing::RowName());

// Running a leg's own course and distance from its start arrives at its end.
TEST(DeadReckoning, RunningALegArrivesAtItsEnd)
{
    const nav::Earth earth;
    const geo::GeoPoint from{35.45, 139.65};
    const geo::GeoPoint to{37.8, -122.42};
    const nav::Leg leg = earth.leg(from, to);
    for (nav::Method method : {Rhumb, GreatCircle}) {
        const geo::GeoPoint reached =
            earth.deadReckoning(from, leg.course(method), leg.distance(method), method);
        EXPECT_NEAR(reached.latitude, to.latitude, kDegrees);
        EXPECT_NEAR(reached.longitude, to.longitude, kDegrees);
    }
}

struct RefusedRow {
    const char* name;
    geo::GeoPoint from;
    double course, distance;
    nav::Quantity quantity;
};

class RefusedRun : public ::testing::TestWithParam<RefusedRow> {};

TEST_P(RefusedRun, IsARangeErrorByEitherMethod)
{
    const RefusedRow& row = GetParam();
    for (nav::Method method : {Rhumb, GreatCircle}) {
        try {
            nav::Earth().deadReckoning(row.from, row.course, row.distance, method);
            ADD_FAILURE() << "accepted";
        } catch (const nav::RangeError& error) {
            EXPECT_EQ(error.quantity(), row.quantity);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Table, RefusedRun, ::testing::Values(
    RefusedRow{"NegativeDistance", {30, 120}, 90, -0.1, nav::Quantity::Distance},
    RefusedRow{"NaNDistance", {30, 120}, 90, kNaN, nav::Quantity::Distance},
    RefusedRow{"DistancePastTheLongestRun", {30, 120}, 90, 1.000001e6, nav::Quantity::Distance},
    RefusedRow{"NegativeCourse", {30, 120}, -1, 10, nav::Quantity::Course},
    RefusedRow{"CoursePast360", {30, 120}, 360.5, 10, nav::Quantity::Course},
    RefusedRow{"InfiniteCourse", {30, 120}, kInf, 10, nav::Quantity::Course},
    RefusedRow{"StartPastThePole", {91, 120}, 90, 10, nav::Quantity::Latitude}),
    geo::testing::RowName());

struct PoleRow {
    const char* name;
    geo::GeoPoint from;
    double course, distance;
};

class RhumbThroughPole : public ::testing::TestWithParam<PoleRow> {};

TEST_P(RhumbThroughPole, IsAPoleErrorNotANaN)
{
    const PoleRow& row = GetParam();
    EXPECT_THROW(nav::Earth().deadReckoning(row.from, row.course, row.distance, Rhumb), nav::PoleError);
}

// RhumbSolve -s -p 9 : 40 10 0 5741200 -> 88.48905288241762 nan
// RhumbSolve -s -p 9 : 90 10 30 1852 -> 89.98564041630108 nan
// The same runs by great circle, and a rhumb line just short of the pole,
// give positions.
INSTANTIATE_TEST_SUITE_P(Table, RhumbThroughPole, ::testing::Values(
    PoleRow{"NorthwardPastThePole", {40, 10}, 0, 3100},
    PoleRow{"SouthwardPastThePole", {-40, 10}, 180, 3100},
    PoleRow{"FromThePoleOffTheMeridian", {90, 10}, 30, 1}),
    geo::testing::RowName());

TEST(RhumbThroughPole, OtherRunsNearThePoleGivePositions)
{
    const nav::Earth earth;
    // RhumbSolve -s -p 9 : 40 10 0 5572436 -> 89.99999374216756 10
    EXPECT_NEAR(earth.deadReckoning({40, 10}, 0, 5572436 / 1852.0, Rhumb).latitude, 89.99999374216756, kDegrees);
    EXPECT_NO_THROW(earth.deadReckoning({40, 10}, 0, 3100, GreatCircle));
    EXPECT_NO_THROW(earth.deadReckoning({90, 10}, 180, 100, Rhumb));
}

}  // namespace
