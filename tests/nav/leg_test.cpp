// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/earth.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "nav/errors.h"

#include "row_name.h"

namespace {

using enum nav::EarthModel;
using nav::kMetresPerNauticalMile;

// The tools print metres to 1e-9 and degrees to 1e-14 (-p 9); the library
// may differ from them in the last bit of a double.
constexpr double kMetres = 1e-6;
constexpr double kDegrees = 1e-9;
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct LegRow {
    const char* name;
    nav::EarthModel model;
    geo::GeoPoint from, to;
    double initialCourse, finalCourse, greatCircleMetres, rhumbCourse, rhumbMetres;
};

class Leg : public ::testing::TestWithParam<LegRow> {};

TEST_P(Leg, MatchesGeographicLibTools)
{
    const LegRow& row = GetParam();
    const nav::Leg leg = nav::Earth(row.model).leg(row.from, row.to);
    EXPECT_NEAR(leg.greatCircle.initialCourse, row.initialCourse, kDegrees);
    EXPECT_NEAR(leg.greatCircle.finalCourse, row.finalCourse, kDegrees);
    EXPECT_NEAR(leg.greatCircle.distance * kMetresPerNauticalMile, row.greatCircleMetres, kMetres);
    EXPECT_NEAR(leg.rhumb.course, row.rhumbCourse, kDegrees);
    EXPECT_NEAR(leg.rhumb.distance * kMetresPerNauticalMile, row.rhumbMetres, kMetres);
    for (double course : {leg.greatCircle.initialCourse, leg.greatCircle.finalCourse, leg.rhumb.course})
        EXPECT_TRUE(course >= 0 && course < 360 && !std::signbit(course)) << course;
}

// Each row as printed by geographiclib-tools 2.1.2 for the row's two points:
//   GeodSolve -i -p 9 : lat1 lon1 lat2 lon2 -> azi1 azi2 s12
//   RhumbSolve -s -i -p 9 : lat1 lon1 lat2 lon2 -> azi12 s12
// on the sphere with -e 6366707.019493707 0 (nav::kSphereRadius). Courses are
// the azimuths plus 360 where negative.
INSTANTIATE_TEST_SUITE_P(Table, Leg, ::testing::Values(
    LegRow{"CoastalWgs84", Wgs84, {30.17, 122.0883}, {29.9333, 122.3083},
           140.98698893303555, 141.09716097775032, 33743.154325572, 141.04216234617707, 33743.159523991},
    LegRow{"BeijingShanghaiWgs84", Wgs84, {39.9, 116.4}, {31.2, 121.5},
           152.87915022551391, 155.85425131705489, 1069819.450792051, 154.44601782009852, 1069939.350345679},
    LegRow{"BeijingShanghaiSphere", Sphere, {39.9, 116.4}, {31.2, 121.5},
           152.97787304706776, 155.95294316118319, 1070563.913487212, 154.5448445817803, 1070683.890684056},
    LegRow{"TranspacificWgs84", Wgs84, {35.45, 139.65}, {37.8, -122.42},
           54.2785129567969, 123.18647347473942, 8306532.212504757, 88.29449191707458, 8762117.525760803},
    LegRow{"TranspacificSphere", Sphere, {35.45, 139.65}, {37.8, -122.42},
           54.29230611547231, 123.15975718446595, 8282144.982789977, 88.28709450299884, 8736028.030521234},
    LegRow{"EquatorWestwardWgs84", Wgs84, {0, 10}, {0, -20},
           270, 270, 3339584.723798207, 270, 3339584.723798207},
    LegRow{"EquatorWestwardSphere", Sphere, {0, 10}, {0, -20},
           270, 270, 3333600, 270, 3333600},
    LegRow{"ToNorthPoleWgs84", Wgs84, {60, 30}, {90, 30},
           0, 0, 3347892.909822211, 0, 3347892.90982221},
    // A pole lies on every meridian: the rows with a pole given off the
    // other end's meridian are the tools' values with the pole on it, as
    // the leg is sailed; given the pole's own longitude, the tools start or
    // end on that meridian (60 30 90 0: azi2 -30, a rhumb line of -0.41979
    // spiralling onto it, 89.9 m longer; 90 0 30 120: azi1 60).
    LegRow{"ToNorthPoleOtherMeridian", Wgs84, {60, 30}, {90, 0},
           0, 0, 3347892.909822211, 0, 3347892.90982221},
    LegRow{"ToNorthPoleSphere", Sphere, {60, 30}, {90, 0},
           0, 0, 3333600, 0, 3333600},
    LegRow{"FromSouthPole", Wgs84, {-90, 0}, {-60, 45},
           0, 0, 3347892.909822211, 0, 3347892.90982221},
    LegRow{"FromSouthPoleSphere", Sphere, {-90, 0}, {-60, 45},
           0, 0, 3333600, 0, 3333600},
    LegRow{"FromNorthPoleWgs84", Wgs84, {90, 0}, {30, 120},
           180, 180, 6681852.33137234, 180, 6681852.331372342},
    LegRow{"FromNorthPoleSphere", Sphere, {90, 0}, {30, 120},
           180, 180, 6667200.000000001, 180, 6667200.000000001},
    LegRow{"ToSouthPoleWgs84", Wgs84, {30, 120}, {-90, 50},
           180, 180, 13322079.127253104, 180, 13322079.127253106},
    LegRow{"ToSouthPoleSphere", Sphere, {30, 120}, {-90, 50},
           180, 180, 13334399.999999998, 180, 13334400},
    LegRow{"NorthPoleToSouthPole", Wgs84, {90, 10}, {-90, -100},
           180, 180, 20003931.458625447, 180, 20003931.458625443},
    LegRow{"MeridianSouthwardWgs84", Wgs84, {45, -30}, {-15, -30},
           180, 180, 6643933.967378289, 180, 6643933.967378288},
    LegRow{"MeridianSouthwardSphere", Sphere, {45, -30}, {-15, -30},
           180, 180, 6667199.999999999, 180, 6667200.000000001},
    LegRow{"CoincidentPoints", Wgs84, {10, 20}, {10, 20},
           180, 180, 0, 0, 0},
    LegRow{"NearlyAntipodalWgs84", Wgs84, {30, 0}, {-29.9, 179.8},
           18.10947526367302, 161.90926275426051, 19989832.827609532, 109.15288275315334, 20205258.060742158},
    LegRow{"NearlyAntipodalSphere", Sphere, {30, 0}, {-29.9, 179.8},
           60.06243863338258, 120.03741029274791, 19979367.614264604, 109.26177619879749, 20177014.575794958},
    LegRow{"OppositeMeridiansEastward", Wgs84, {20, -10}, {20, 170},
           0, 180, 15579198.950282177, 90, 18836475.535775151},
    LegRow{"OppositeMeridiansWestward", Wgs84, {20, 170}, {20, -10},
           0, 180, 15579198.950282177, 270, 18836475.535775151}),
    geo::testing::RowName());

// On the sphere a minute of arc is a nautical mile, along any great circle.
TEST(Leg, SphereMinuteOfArcIsOneNauticalMile)
{
    const nav::Earth sphere(Sphere);
    EXPECT_NEAR(sphere.leg({0, 0}, {0, 1}).greatCircle.distance, 60, 1e-9);
    EXPECT_NEAR(sphere.leg({10, 20}, {-35, 20}).greatCircle.distance, 45 * 60, 1e-9);
    EXPECT_NEAR(sphere.leg({0, 0}, {45, 90}).greatCircle.distance, 90 * 60, 1e-9);
}

struct RefusedRow {
    const char* name;
    geo::GeoPoint position;
    nav::Quantity quantity;
};

class RefusedPosition : public ::testing::TestWithParam<RefusedRow> {};

TEST_P(RefusedPosition, IsARangeErrorAtEitherEnd)
{
    const RefusedRow& row = GetParam();
    const nav::Earth earth;
    for (bool atStart : {true, false}) {
        try {
            atStart ? earth.leg(row.position, {0, 0}) : earth.leg({0, 0}, row.position);
            ADD_FAILURE() << "accepted, at start: " << atStart;
        } catch (const nav::RangeError& error) {
            EXPECT_EQ(error.quantity(), row.quantity);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Table, RefusedPosition, ::testing::Values(
    RefusedRow{"LatitudePastNorthPole", {90.000001, 0}, nav::Quantity::Latitude},
    RefusedRow{"LatitudeNaN", {kNaN, 0}, nav::Quantity::Latitude},
    RefusedRow{"LatitudeInfinite", {-kInf, 0}, nav::Quantity::Latitude},
    RefusedRow{"LongitudePast180West", {0, -180.000001}, nav::Quantity::Longitude},
    RefusedRow{"LongitudeNaN", {0, kNaN}, nav::Quantity::Longitude}),
    geo::testing::RowName());

TEST(Leg, EdgesOfTheRangesAreOneMeridian)
{
    EXPECT_NEAR(nav::Earth().leg({0, 180}, {0, -180}).greatCircle.distance, 0, 1e-9);
    nav::Earth earth;
    earth = nav::Earth(Sphere);  // replaced when the user picks another model
    EXPECT_NEAR(earth.leg({-90, 180}, {90, -180}).rhumb.distance, 180 * 60, 1e-9);
}

}  // namespace
