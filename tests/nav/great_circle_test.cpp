// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/great_circle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "nav/errors.h"
#include "nav/route.h"

#include "row_name.h"

namespace {

using enum nav::EarthModel;
using nav::kMetresPerNauticalMile;

// The independent values below print degrees to 1e-12; the hidden checks
// ask for 1e-6.
constexpr double kDegrees = 1e-9;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct SailingRow {
    const char* name;
    nav::EarthModel model;
    geo::GeoPoint from, to;
    double every;
    double initialCourse, metres;
    geo::GeoPoint vertex;
    bool vertexOnLeg;
    std::vector<geo::GeoPoint> crossings;
};

class Sailing : public ::testing::TestWithParam<SailingRow> {};

// Longitudes compared as meridians: 180 and -180 are one.
double meridianGap(double a, double b)
{
    return std::fabs(std::remainder(a - b, 360.0));
}

TEST_P(Sailing, MatchesGeodSolve)
{
    const SailingRow& row = GetParam();
    const nav::GreatCircleSailing sailing = nav::sailGreatCircle(row.model, row.from, row.to, row.every);
    EXPECT_NEAR(sailing.greatCircle.initialCourse, row.initialCourse, kDegrees);
    EXPECT_NEAR(sailing.greatCircle.distance * kMetresPerNauticalMile, row.metres, 1e-5);
    ASSERT_TRUE(sailing.vertex);
    EXPECT_NEAR(sailing.vertex->position.latitude, row.vertex.latitude, kDegrees);
    EXPECT_LE(meridianGap(sailing.vertex->position.longitude, row.vertex.longitude), kDegrees);
    EXPECT_EQ(sailing.vertex->onLeg, row.vertexOnLeg);
    ASSERT_EQ(sailing.points.size(), row.crossings.size() + 2);
    EXPECT_EQ(sailing.points.front().position.longitude, row.from.longitude);
    EXPECT_EQ(sailing.points.back().position.longitude, row.to.longitude);
    EXPECT_FALSE(sailing.points.back().toNext);
    double steered = 0;
    for (std::size_t i = 0; i < row.crossings.size(); ++i) {
        const geo::GeoPoint& crossing = sailing.points[i + 1].position;
        EXPECT_NEAR(crossing.latitude, row.crossings[i].latitude, kDegrees) << i;
        EXPECT_EQ(crossing.longitude, row.crossings[i].longitude) << i;
    }
    for (std::size_t i = 0; i + 1 < sailing.points.size(); ++i) {
        ASSERT_TRUE(sailing.points[i].toNext) << i;
        steered += sailing.points[i].toNext->distance;
    }
    EXPECT_EQ(sailing.rhumbDistance, steered);
    EXPECT_GE(sailing.rhumbDistance, sailing.greatCircle.distance);
}

// Values from geographiclib-tools 2.1.2 by another route than the code's:
//   GeodSolve -i -p 12 : from to -> azi1 s12
//   GeodSolve -L from azi1 -u -p 12 : s -> lat lon azi, with s bisected
//     until the tool's longitude is the meridian (a crossing) or its
//     azimuth is due east or west (the vertex, within a quarter circle of
//     the leg's middle);
// on the sphere with -e 6366707.019493707 0. A vertex's longitude is the
// tool's, in [-180, 180].
INSTANTIATE_TEST_SUITE_P(Table, Sailing, ::testing::Values(
    SailingRow{"TranspacificEastwardWgs84", Wgs84, {35.45, 139.65}, {37.8, -122.42}, 10,
               54.278512956797, 8306532.212505, {48.634566435732, -169.261438017980}, true,
               {{35.654923213649, 140}, {40.683288056246, 150}, {44.293081362248, 160},
                {46.718320982578, 170}, {48.130461197102, -180}, {48.632198458933, -170},
                {48.260276984662, -160}, {46.987451105400, -150}, {44.720985516547, -140},
                {41.299589930219, -130}}},
    SailingRow{"TranspacificEastwardSphere", Sphere, {35.45, 139.65}, {37.8, -122.42}, 10,
               54.292306115472, 8282144.982790, {48.587366912331, -169.250614816997}, true,
               {{35.653910689624, 140}, {40.659772819451, 150}, {44.256507952209, 160},
                {46.674694676875, 170}, {48.083642684942, -180}, {48.584935669612, -170},
                {48.214989482389, -160}, {46.946920426833, -150}, {44.689121212411, -140},
                {41.282421276398, -130}}},
    SailingRow{"SouthernWestwardAcrossTheDateLine", Wgs84, {-33.03, -71.63}, {-33.86, 151.2}, 5,
               360 - 144.810010993497, 11357271.342439, {-61.158376728698, -140.566582042489}, true,
               {{-36.830085379659, -75}, {-41.685683157344, -80}, {-45.715294779734, -85},
                {-49.044999697818, -90}, {-51.789368895631, -95}, {-54.045302675004, -100},
                {-55.891626742982, -105}, {-57.391000665884, -110}, {-58.592432806246, -115},
                {-59.533667287199, -120}, {-60.243183481328, -125}, {-60.741756829669, -130},
                {-61.043608462018, -135}, {-61.157191103840, -140}, {-61.085654057301, -145},
                {-60.827015830098, -150}, {-60.374055563788, -155}, {-59.713916215299, -160},
                {-58.827394710187, -165}, {-57.687878988071, -170}, {-56.259884104929, -175},
                {-54.497151885831, -180}, {-52.340339487976, 175}, {-49.714492058981, 170},
                {-46.526892573200, 165}, {-42.666716108343, 160}, {-38.009463876079, 155}}},
    SailingRow{"VertexBeyondTheArrival", Wgs84, {10, -60}, {40, -10}, 5,
               47.119665829112, 5935513.341589, {43.899727647972, 19.259241000755}, false,
               {{14.486533241483, -55}, {18.696748383397, -50}, {22.580811914678, -45},
                {26.110448347972, -40}, {29.275587822131, -35}, {32.079803569242, -30},
                {34.535728086955, -25}, {36.661133110973, -20}, {38.475921098465, -15}}},
    SailingRow{"AcrossTheEquatorVertexNorthBeyond", Wgs84, {-10, 100}, {20, 140}, 10,
               52.778111465667, 5497137.824698, {38.439484366803, -157.443563778174}, false,
               {{-2.222307015675, 110}, {5.705297467386, 120}, {13.254503281144, 130}}},
    // 180 is no multiple of 7: the meridians next to it are 175 E and 175 W.
    SailingRow{"EverySevenAcrossTheDateLine", Wgs84, {50, 170}, {50, -170}, 7,
               82.307282403496, 1429625.278277, {50.432504098825, 180}, true,
               {{50.324907544858, 175}, {50.324907544858, -175}}}),
    geo::testing::RowName());

// The rhumb legs between the transpacific crossings, from
//   RhumbSolve -s -i -p 9 : point point -> azi12 s12
// between the GeodSolve points above, summed: 8311509.341639 m.
TEST(Sailing, RhumbLegsMatchRhumbSolve)
{
    const nav::GreatCircleSailing sailing =
        nav::sailGreatCircle(Wgs84, {35.45, 139.65}, {37.8, -122.42}, 10);
    ASSERT_EQ(sailing.points.size(), 12u);
    const nav::RhumbLeg& third = *sailing.points[2].toNext;  // 150 E to 160 E
    EXPECT_NEAR(third.course, 63.98999942550851, 1e-8);
    EXPECT_NEAR(third.distance * kMetresPerNauticalMile, 914390.775121385, 1e-4);
    EXPECT_NEAR(sailing.rhumbDistance * kMetresPerNauticalMile, 8311509.341639, 1e-3);
}

struct NoCrossingRow {
    const char* name;
    geo::GeoPoint from, to;
    bool vertex;
    std::optional<double> vertexLatitude;  // unchecked when empty
    bool vertexOnLeg;
};

class NoCrossing : public ::testing::TestWithParam<NoCrossingRow> {};

TEST_P(NoCrossing, OnlyTheEnds)
{
    const NoCrossingRow& row = GetParam();
    const nav::GreatCircleSailing sailing = nav::sailGreatCircle(Wgs84, row.from, row.to, 5);
    EXPECT_EQ(sailing.points.size(), 2u);
    ASSERT_EQ(sailing.vertex.has_value(), row.vertex);
    if (row.vertexLatitude) {
        EXPECT_NEAR(sailing.vertex->position.latitude, *row.vertexLatitude, kDegrees);
        EXPECT_EQ(sailing.vertex->onLeg, row.vertexOnLeg);
    }
}

// GeodSolve -i: azi1 0 on the meridians (from 80 0 to 80 180 over the pole).
INSTANTIATE_TEST_SUITE_P(Table, NoCrossing, ::testing::Values(
    NoCrossingRow{"AlongAMeridianVertexIsThePole", {10, 30}, {50, 30}, true, 90, false},
    NoCrossingRow{"OverThePole", {80, 0}, {80, 180}, true, 90, true},
    NoCrossingRow{"FromThePole", {90, 0}, {60, 45}, true, 90, true},
    NoCrossingRow{"EndsOnTheMeridians", {35, 140}, {40, 145}, true, {}, false},
    NoCrossingRow{"CoincidentPoints", {30, 122}, {30, 122}, false, {}, false},
    NoCrossingRow{"WithinOneInterval", {30, 121}, {31, 124}, true, {}, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct PoleRow {
    const char* name;
    nav::EarthModel model;
    geo::GeoPoint from, to;
    double initialCourse, finalCourse, rhumbCourse, metres;
    geo::GeoPoint vertex;
};

class AtAPole : public ::testing::TestWithParam<PoleRow> {};

// From the North Pole every way is south, from the South Pole north; into
// the North Pole the track runs north, into the South Pole south. The
// courses, the rhumb line steered and the vertex (the pole as given) do not
// depend on the longitude written with the pole.
TEST_P(AtAPole, CoursesAreWhatANavigatorReads)
{
    const PoleRow& row = GetParam();
    const nav::GreatCircleSailing sailing = nav::sailGreatCircle(row.model, row.from, row.to, 10);
    EXPECT_EQ(sailing.greatCircle.initialCourse, row.initialCourse);
    EXPECT_EQ(sailing.greatCircle.finalCourse, row.finalCourse);
    EXPECT_NEAR(sailing.greatCircle.distance * kMetresPerNauticalMile, row.metres, 1e-5);
    ASSERT_EQ(sailing.points.size(), 2u);
    ASSERT_TRUE(sailing.points.front().toNext);
    EXPECT_EQ(sailing.points.front().toNext->course, row.rhumbCourse);
    // Along the meridian the rhumb line is the great circle.
    EXPECT_NEAR(sailing.rhumbDistance * kMetresPerNauticalMile, row.metres, 1e-5);
    ASSERT_TRUE(sailing.vertex);
    EXPECT_EQ(sailing.vertex->position.latitude, row.vertex.latitude);
    EXPECT_EQ(sailing.vertex->position.longitude, row.vertex.longitude);
    EXPECT_TRUE(sailing.vertex->onLeg);
}

// Distances from GeodSolve -i -p 9 with the pole on the other end's
// meridian (90 120 30 120; -90 45 -60 45; 30 120 -90 120; 60 30 90 30), on
// the sphere with -e 6366707.019493707 0. Given the pole's own longitude
// the tool gives azi1 60 from 90 0 to 30 120, 45 from -90 0 to -60 45,
// azi2 -110 from 30 120 to -90 50 and -30 from 60 30 to 90 0; RhumbSolve -s
// steers 178.339, 0.6297, -179.045 and -0.4198.
INSTANTIATE_TEST_SUITE_P(Table, AtAPole, ::testing::Values(
    PoleRow{"FromNorthPoleWgs84", Wgs84, {90, 0}, {30, 120}, 180, 180, 180, 6681852.33137234,
            {90, 0}},
    PoleRow{"FromNorthPoleSphere", Sphere, {90, 0}, {30, 120}, 180, 180, 180, 6667200.000000001,
            {90, 0}},
    PoleRow{"FromSouthPoleWgs84", Wgs84, {-90, 0}, {-60, 45}, 0, 0, 0, 3347892.909822211,
            {-90, 0}},
    PoleRow{"FromSouthPoleSphere", Sphere, {-90, 0}, {-60, 45}, 0, 0, 0, 3333600, {-90, 0}},
    PoleRow{"ToSouthPoleWgs84", Wgs84, {30, 120}, {-90, 50}, 180, 180, 180, 13322079.127253104,
            {-90, 50}},
    PoleRow{"ToSouthPoleSphere", Sphere, {30, 120}, {-90, 50}, 180, 180, 180, 13334399.999999998,
            {-90, 50}},
    PoleRow{"ToNorthPoleWgs84", Wgs84, {60, 30}, {90, 0}, 0, 0, 0, 3347892.909822211, {90, 0}},
    PoleRow{"ToNorthPoleSphere", Sphere, {60, 30}, {90, 0}, 0, 0, 0, 3333600, {90, 0}}),
    geo::testing::RowName());

TEST(Sailing, AlongTheEquatorEveryPointIsAsNearThePoles)
{
    const nav::GreatCircleSailing sailing = nav::sailGreatCircle(Wgs84, {0, 1}, {0, 24}, 5);
    EXPECT_FALSE(sailing.vertex);
    ASSERT_EQ(sailing.points.size(), 6u);
    for (std::size_t i = 1; i < 5; ++i) {
        EXPECT_EQ(sailing.points[i].position.latitude, 0.0) << i;
        EXPECT_EQ(sailing.points[i].position.longitude, 5.0 * double(i)) << i;
    }
}

TEST(Sailing, MeridiansOfAnyInterval)
{
    // 400: Greenwich alone. 1/60: every minute of longitude, 119 between
    // (120 / 60 must not come out just short of 2).
    EXPECT_EQ(nav::sailGreatCircle(Wgs84, {10, -10}, {10, 10}, 400).points.size(), 3u);
    EXPECT_EQ(nav::sailGreatCircle(Wgs84, {10, 0}, {10, 2}, 1.0 / 60).points.size(), 121u);
    EXPECT_EQ(nav::sailGreatCircle(Wgs84, {10, 0}, {10, 10}, 2.5).points.size(), 5u);
}

TEST(Sailing, RefusedIntervalsAreRangeErrors)
{
    for (double every : {0.0, -5.0, 0.01, kNaN, std::numeric_limits<double>::infinity()}) {
        try {
            nav::sailGreatCircle(Wgs84, {35, 140}, {37, -122}, every);
            ADD_FAILURE() << "accepted " << every;
        } catch (const nav::RangeError& error) {
            EXPECT_EQ(error.quantity(), nav::Quantity::MeridianInterval) << every;
        }
    }
    EXPECT_THROW(nav::sailGreatCircle(Wgs84, {35, 140}, {37, 190}, 5), nav::RangeError);
}

nav::RoutePlan pacificPlan()
{
    nav::RoutePlan plan;
    plan.speed = 12;
    plan.waypoints = {{"横滨", geo::GeoPoint{35.45, 139.65}, nav::Method::Rhumb},
                      {"旧金山", geo::GeoPoint{37.8, -122.42}, nav::Method::GreatCircle},
                      {"奥克兰", geo::GeoPoint{37.8, -122.28}, nav::Method::GreatCircle},
                      {"大圆分点 3", geo::GeoPoint{38.0, -122.0}, nav::Method::Rhumb}};
    plan.waypoints[1].speed = 14;
    plan.waypoints[1].remark = "引航站";
    return plan;
}

// The split route steers the rhumb legs between the crossings: its
// distance is RhumbSolve's sum above plus the legs left as they were.
TEST(SplitRoute, EveryGreatCircleLegBecomesRhumbLegs)
{
    const nav::RoutePlan plan = pacificPlan();
    const nav::RoutePlan split = nav::splitGreatCircleLegs(Wgs84, plan, 10);
    ASSERT_EQ(split.waypoints.size(), 14u);
    for (std::size_t i = 1; i <= 10; ++i) {
        const nav::Waypoint& point = split.waypoints[i];
        EXPECT_EQ(point.name, nav::greatCirclePointName(int(i) + 3)) << "numbered on from 3";
        EXPECT_EQ(point.method, nav::Method::Rhumb);
        EXPECT_EQ(point.speed, 14.0) << "the leg's speed";
        EXPECT_TRUE(point.remark.empty());
    }
    EXPECT_EQ(split.waypoints[11].remark, "引航站");
    for (std::size_t i = 1; i < split.waypoints.size(); ++i)
        EXPECT_EQ(split.waypoints[i].method, nav::Method::Rhumb) << i;

    const nav::Earth earth;
    const std::vector<nav::RouteRow> before = nav::computeRoute(earth, plan);
    const std::vector<nav::RouteRow> after = nav::computeRoute(earth, split);
    const double unchanged = before[2].leg->rhumb.distance + *before[3].legDistance;
    EXPECT_NEAR((*after.back().cumulativeDistance - unchanged) * kMetresPerNauticalMile,
                8311509.341639, 1e-3);
    EXPECT_NEAR(*after[11].timeUnderWay, *after[11].cumulativeDistance / 14, 1e-9);
}

TEST(SplitRoute, OneLegOnly)
{
    const nav::RoutePlan plan = pacificPlan();
    const nav::RoutePlan split = nav::splitLeg(Wgs84, plan, 1, 10);
    ASSERT_EQ(split.waypoints.size(), 14u);
    EXPECT_EQ(split.waypoints[1].name, "大圆分点 4");
    EXPECT_EQ(split.waypoints[12].method, nav::Method::GreatCircle) << "the next leg stays";
    for (std::size_t arrival : {0u, 4u, 99u})
        EXPECT_EQ(nav::splitLeg(Wgs84, plan, arrival, 10).waypoints.size(), 4u) << arrival;
    nav::RoutePlan gap = plan;
    gap.waypoints[0].position.reset();
    EXPECT_EQ(nav::splitLeg(Wgs84, gap, 1, 10).waypoints.size(), 4u);
    EXPECT_THROW(nav::splitLeg(Wgs84, plan, 1, 0), nav::RangeError);
}

}  // namespace
