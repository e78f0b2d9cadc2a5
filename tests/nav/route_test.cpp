// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/route.h"

#include <gtest/gtest.h>

#include <limits>

#include "nav/display.h"
#include "nav/entry.h"
#include "nav/errors.h"

#include "row_name.h"

namespace {

using enum nav::Method;

nav::RoutePlan coastalPlan()
{
    return {.waypoints = {{"吴淞口", geo::GeoPoint{31.4, 121.5}, Rhumb},
                          {"舟山", geo::GeoPoint{30.17, 122.0883}, Rhumb},
                          {"台山", geo::GeoPoint{29.9333, 122.3083}, GreatCircle},
                          {"基隆", geo::GeoPoint{25.15, 121.75}, Rhumb}},
            .speed = 12.5,
            .departure = nav::readClockTime("2024-12-31 20:00")};
}

// Distances, times and arrivals follow from the legs by the method of each:
// the sums of the exact distances, over the speed, onto the departure.
TEST(Route, CumulativeValuesFollowFromTheLegs)
{
    const nav::Earth earth;
    const nav::RoutePlan plan = coastalPlan();
    const std::vector<nav::RouteRow> rows = nav::computeRoute(earth, plan);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_FALSE(rows[0].leg);
    EXPECT_EQ(rows[0].cumulativeDistance, 0.0);
    EXPECT_EQ(rows[0].eta, plan.departure);
    double run = 0;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const nav::Leg leg = earth.leg(*plan.waypoints[i - 1].position, *plan.waypoints[i].position);
        run += leg.distance(plan.waypoints[i].method);
        ASSERT_TRUE(rows[i].leg) << i;
        EXPECT_EQ(rows[i].leg->greatCircle.finalCourse, leg.greatCircle.finalCourse);
        EXPECT_EQ(rows[i].leg->rhumb.distance, leg.rhumb.distance);
        EXPECT_EQ(rows[i].legDistance, leg.distance(plan.waypoints[i].method));
        EXPECT_EQ(rows[i].cumulativeDistance, run);
        EXPECT_EQ(rows[i].timeUnderWay, run / 12.5);
        EXPECT_EQ(rows[i].eta, nav::arrivalTime(*plan.departure, run / 12.5));
    }
    EXPECT_LT(rows[2].legDistance, rows[2].leg->rhumb.distance) << "the great circle is taken";
}

// The last row as a navigator reads it. From the tools:
//   RhumbSolve -s -i -p 9 : 31.4 121.5 30.17 122.0883 -> 147533.365271875 m
//   GeodSolve -i -p 9 : 30.17 122.0883 29.9333 122.3083 -> 33743.154325572 m
//   RhumbSolve -s -i -p 9 : 29.9333 122.3083 25.15 121.75
//     -> -174.06299618734454 532907.706144716 m
// 385.6286 n mile in all, 30.8503 h at 12.5 kn: 30 h 51 min after
// 2024-12-31 20:00.
TEST(Route, TextsOfTheLastRow)
{
    const nav::RouteRow last = nav::computeRoute(nav::Earth(), coastalPlan()).back();
    EXPECT_EQ(nav::formatCourse(last.leg->rhumb.course), "185.9");
    EXPECT_EQ(nav::formatDistance(*last.legDistance), "287.7");
    EXPECT_EQ(nav::formatDistance(*last.cumulativeDistance), "385.6");
    EXPECT_EQ(nav::formatTimeUnderWay(*last.timeUnderWay), "30:51");
    EXPECT_EQ(nav::formatClockTime(*last.eta), "2025-01-02 02:51");
}

// A waypoint without a position empties the two legs that touch it and
// every cumulative value from there on; later legs are still given.
TEST(Route, MissingPositionEmptiesItsLegsAndWhatFollows)
{
    nav::RoutePlan plan = coastalPlan();
    plan.waypoints.insert(plan.waypoints.begin() + 2, nav::Waypoint{"未读出", std::nullopt, Rhumb});
    const std::vector<nav::RouteRow> rows = nav::computeRoute(nav::Earth(), plan);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_TRUE(rows[1].leg && rows[1].cumulativeDistance && rows[1].timeUnderWay && rows[1].eta);
    EXPECT_FALSE(rows[2].leg || rows[2].legDistance || rows[3].leg || rows[3].legDistance);
    EXPECT_TRUE(rows[4].leg && rows[4].legDistance) << "台山 to 基隆 has both ends";
    for (std::size_t i : {2u, 3u, 4u})
        EXPECT_FALSE(rows[i].cumulativeDistance || rows[i].timeUnderWay || rows[i].eta) << i;

    plan = coastalPlan();
    plan.waypoints.front().position.reset();
    for (const nav::RouteRow& row : nav::computeRoute(nav::Earth(), plan))
        EXPECT_FALSE(row.cumulativeDistance || row.timeUnderWay || row.eta);
}

TEST(Route, TimesNeedASpeedAndArrivalsADeparture)
{
    nav::RoutePlan plan = coastalPlan();
    plan.departure.reset();
    const nav::RouteRow withoutDeparture = nav::computeRoute(nav::Earth(), plan).back();
    EXPECT_TRUE(withoutDeparture.timeUnderWay && !withoutDeparture.eta);
    plan.speed.reset();
    plan.departure = coastalPlan().departure;
    const nav::RouteRow withoutSpeed = nav::computeRoute(nav::Earth(), plan).back();
    EXPECT_TRUE(withoutSpeed.cumulativeDistance && !withoutSpeed.timeUnderWay && !withoutSpeed.eta);
    EXPECT_TRUE(nav::computeRoute(nav::Earth(), nav::RoutePlan{}).empty());
}

TEST(Route, RefusedSpeedsAndPositionsAreRangeErrors)
{
    for (double knots : {0.0, -12.0, std::numeric_limits<double>::quiet_NaN(),
                         std::numeric_limits<double>::infinity(),
                         std::numeric_limits<double>::denorm_min() /* times overflow */}) {
        nav::RoutePlan plan = coastalPlan();
        plan.speed = knots;
        try {
            nav::computeRoute(nav::Earth(), plan);
            ADD_FAILURE() << "accepted " << knots;
        } catch (const nav::RangeError& error) {
            EXPECT_EQ(error.quantity(), nav::Quantity::Speed);
        }
    }
    nav::RoutePlan plan = coastalPlan();
    plan.waypoints[2].position = geo::GeoPoint{29.9, 190};
    EXPECT_THROW(nav::computeRoute(nav::Earth(), plan), nav::RangeError);
}

}  // namespace

namespace {

// Along the equator of the Sphere model a degree of longitude is exactly
// 60 n mile, by rhumb line and great circle alike: distances and times can
// be written down by hand.
nav::Waypoint onEquator(const char* name, double longitude, std::optional<double> knots = {})
{
    nav::Waypoint waypoint{name, geo::GeoPoint{0, longitude}, Rhumb};
    waypoint.speed = knots;
    return waypoint;
}

constexpr double kHours = 1e-12;

struct LegSpeedRow {
    const char* name;
    std::optional<double> routeSpeed;
    std::optional<double> speedB, speedC;  // of the legs A-B (60 n mile), B-C (120 n mile)
    std::optional<double> legTimeB, legTimeC, timeA, timeC;
};

class LegSpeeds : public ::testing::TestWithParam<LegSpeedRow> {};

void expectHours(const std::optional<double>& actual, const std::optional<double>& expected,
                 const char* what)
{
    ASSERT_EQ(actual.has_value(), expected.has_value()) << what;
    if (expected) {
        EXPECT_NEAR(*actual, *expected, kHours) << what;
    }
}

TEST_P(LegSpeeds, TimeEachLegAtItsOwnSpeed)
{
    const LegSpeedRow& row = GetParam();
    nav::RoutePlan plan;
    plan.waypoints = {onEquator("A", 100), onEquator("B", 101, row.speedB),
                      onEquator("C", 103, row.speedC)};
    plan.speed = row.routeSpeed;
    const std::vector<nav::RouteRow> rows = nav::computeRoute(nav::Earth(nav::EarthModel::Sphere), plan);
    EXPECT_FALSE(rows[0].legTime);
    expectHours(rows[1].legTime, row.legTimeB, "B's leg time");
    expectHours(rows[2].legTime, row.legTimeC, "C's leg time");
    expectHours(rows[0].timeUnderWay, row.timeA, "A's time under way");
    expectHours(rows[2].timeUnderWay, row.timeC, "C's time under way");
}

INSTANTIATE_TEST_SUITE_P(Table, LegSpeeds, ::testing::Values(
    LegSpeedRow{"RouteSpeedOnly", 12, {}, {}, 5, 10, 0, 15},
    LegSpeedRow{"OneLegFaster", 12, {}, 15, 5, 8, 0, 13},
    LegSpeedRow{"EveryLegItsOwnWithoutRouteSpeed", {}, 6, 20, 10, 6, 0, 16},
    LegSpeedRow{"FirstLegWithoutAnySpeed", {}, {}, 20, {}, 6, 0, {}},
    LegSpeedRow{"LastLegWithoutAnySpeed", {}, 6, {}, 10, {}, 0, {}},
    LegSpeedRow{"NoSpeedAnywhere", {}, {}, {}, {}, {}, {}, {}}),
    geo::testing::RowName());

TEST(LegSpeeds, RefusedSpeedsAreRangeErrors)
{
    for (double knots : {0.0, -6.0, std::numeric_limits<double>::quiet_NaN(),
                         std::numeric_limits<double>::infinity(),
                         std::numeric_limits<double>::denorm_min() /* times overflow */}) {
        nav::RoutePlan plan;
        plan.waypoints = {onEquator("A", 100), onEquator("B", 101, knots)};
        try {
            nav::computeRoute(nav::Earth(), plan);
            ADD_FAILURE() << "accepted " << knots;
        } catch (const nav::RangeError& error) {
            EXPECT_EQ(error.quantity(), nav::Quantity::Speed) << knots;
        }
    }
}

// What is left to run from each waypoint, and nothing across a gap.
TEST(DistanceToGo, FromEachWaypointToTheLast)
{
    nav::RoutePlan plan;
    plan.waypoints = {onEquator("A", 100), onEquator("B", 101), onEquator("C", 103),
                      onEquator("D", 106)};
    const std::vector<nav::RouteRow> rows = nav::computeRoute(nav::Earth(nav::EarthModel::Sphere), plan);
    const double expected[] = {360, 300, 180, 0};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ASSERT_TRUE(rows[i].distanceToGo) << i;
        EXPECT_NEAR(*rows[i].distanceToGo, expected[i], 1e-9) << i;
    }
    EXPECT_EQ(rows.back().distanceToGo, 0.0);
}

TEST(DistanceToGo, NothingBeforeTheLastGap)
{
    nav::RoutePlan plan;
    plan.waypoints = {onEquator("A", 100), onEquator("B", 101), nav::Waypoint{"未读出", std::nullopt, Rhumb},
                      onEquator("D", 103), onEquator("E", 106)};
    const std::vector<nav::RouteRow> rows = nav::computeRoute(nav::Earth(nav::EarthModel::Sphere), plan);
    EXPECT_FALSE(rows[0].distanceToGo || rows[1].distanceToGo || rows[2].distanceToGo);
    ASSERT_TRUE(rows[3].distanceToGo && rows[4].distanceToGo);
    EXPECT_NEAR(*rows[3].distanceToGo, 180, 1e-9);
    EXPECT_EQ(*rows[4].distanceToGo, 0.0);

    plan.waypoints.back().position.reset();
    for (const nav::RouteRow& row : nav::computeRoute(nav::Earth(), plan))
        EXPECT_FALSE(row.distanceToGo) << "the last waypoint has no position";
}

// Westward across the date line at 20 kn, leaving 150 E at 20:00 in its own
// zone (UTC+10): 1740, 60 and 600 n mile, arrivals 87, 90 and 120 h later.
// Ship's time jumps back a day where the date line is crossed.
struct ThreeZonesRow {
    const char* name;
    double thirdLongitude;  // 180 written east or west
    const char* departureZone[4];
    const char* utc[4];
    const char* ship[4];
};

class EtaZones : public ::testing::TestWithParam<ThreeZonesRow> {};

std::string shown(const std::optional<nav::ZonedTime>& time)
{
    return time ? nav::formatZonedTime(*time) : "";
}

TEST_P(EtaZones, SameInstantOnThreeClocks)
{
    const ThreeZonesRow& row = GetParam();
    nav::RoutePlan plan;
    plan.waypoints = {onEquator("A", 150), onEquator("B", 179), onEquator("C", row.thirdLongitude),
                      onEquator("D", -170)};
    plan.speed = 20;
    plan.departure = nav::readClockTime("2025-03-01 20:00");
    plan.departureZone = *nav::readTimeZone("+10");
    const std::vector<nav::RouteRow> rows = nav::computeRoute(nav::Earth(nav::EarthModel::Sphere), plan);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(shown(rows[i].etas.in(nav::EtaZone::Departure)), row.departureZone[i]) << i;
        EXPECT_EQ(shown(rows[i].etas.in(nav::EtaZone::Utc)), row.utc[i]) << i;
        EXPECT_EQ(shown(rows[i].etas.in(nav::EtaZone::Ship)), row.ship[i]) << i;
        EXPECT_EQ(rows[i].etas.departure->clock, rows[i].eta) << i;
    }
    const nav::RouteTotals totals = nav::routeTotals(rows);
    EXPECT_EQ(shown(totals.arrival.in(nav::EtaZone::Ship)), row.ship[3]);
    EXPECT_EQ(nav::formatTotalTime(*totals.hours), "5天 0:00");
    EXPECT_EQ(nav::formatDistance(*totals.distance), "2400.0");
    EXPECT_EQ(nav::formatSpeed(*totals.averageSpeed), "20.0");
}

INSTANTIATE_TEST_SUITE_P(Table, EtaZones, ::testing::Values(
    ThreeZonesRow{"DateLineWrittenEast", 180,
        {"2025-03-01 20:00 UTC+10", "2025-03-05 11:00 UTC+10", "2025-03-05 14:00 UTC+10", "2025-03-06 20:00 UTC+10"},
        {"2025-03-01 10:00 UTC", "2025-03-05 01:00 UTC", "2025-03-05 04:00 UTC", "2025-03-06 10:00 UTC"},
        {"2025-03-01 20:00 UTC+10", "2025-03-05 13:00 UTC+12", "2025-03-05 16:00 UTC+12", "2025-03-05 23:00 UTC-11"}},
    ThreeZonesRow{"DateLineWrittenWest", -180,
        {"2025-03-01 20:00 UTC+10", "2025-03-05 11:00 UTC+10", "2025-03-05 14:00 UTC+10", "2025-03-06 20:00 UTC+10"},
        {"2025-03-01 10:00 UTC", "2025-03-05 01:00 UTC", "2025-03-05 04:00 UTC", "2025-03-06 10:00 UTC"},
        {"2025-03-01 20:00 UTC+10", "2025-03-05 13:00 UTC+12", "2025-03-04 16:00 UTC-12", "2025-03-05 23:00 UTC-11"}}),
    geo::testing::RowName());

TEST(RouteTotals, EmptyAcrossAGapOrWithoutTime)
{
    nav::RoutePlan plan;
    plan.waypoints = {onEquator("A", 100), nav::Waypoint{"未读出", std::nullopt, Rhumb}, onEquator("C", 103)};
    plan.speed = 12;
    nav::RouteTotals totals = nav::routeTotals(nav::computeRoute(nav::Earth(), plan));
    EXPECT_FALSE(totals.distance || totals.hours || totals.averageSpeed);

    plan.waypoints = {onEquator("A", 100)};
    totals = nav::routeTotals(nav::computeRoute(nav::Earth(), plan));
    EXPECT_EQ(totals.distance, 0.0);
    EXPECT_EQ(totals.hours, 0.0);
    EXPECT_FALSE(totals.averageSpeed) << "no speed over no time";
    EXPECT_FALSE(nav::routeTotals({}).distance);
}

// A transpacific plan whose legs differ much by method, so that a method
// left on the wrong leg changes the distance.
nav::RoutePlan passage()
{
    nav::RoutePlan plan;
    plan.name = "横滨—旧金山";
    plan.speed = 14;
    plan.departure = nav::readClockTime("2025-03-01 08:00");
    plan.departureZone = *nav::readTimeZone("+9");
    plan.waypoints = {{"横滨", geo::GeoPoint{35.45, 139.65}, Rhumb},
                      {"A", geo::GeoPoint{40, 150}, Rhumb},
                      {"B", geo::GeoPoint{45, -160}, GreatCircle},
                      {"C", geo::GeoPoint{40, -130}, Rhumb},
                      {"旧金山", geo::GeoPoint{37.8, -122.42}, GreatCircle}};
    plan.waypoints[2].speed = 10;
    plan.waypoints[2].remark = "大圆";
    plan.waypoints[0].method = GreatCircle;  // unused: no leg arrives there
    plan.waypoints[0].speed = 99;
    return plan;
}

TEST(ReversedRoute, EachLegKeepsItsMethodAndSpeed)
{
    const nav::RoutePlan plan = passage();
    const nav::RoutePlan reversed = nav::reversedRoute(plan);
    ASSERT_EQ(reversed.waypoints.size(), 5u);
    const char* names[] = {"旧金山", "C", "B", "A", "横滨"};
    const nav::Method methods[] = {GreatCircle /* the old first's */, GreatCircle, Rhumb, GreatCircle, Rhumb};
    const std::optional<double> speeds[] = {99, {}, {}, 10, {}};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(reversed.waypoints[i].name, names[i]) << i;
        EXPECT_EQ(reversed.waypoints[i].method, methods[i]) << i;
        EXPECT_EQ(reversed.waypoints[i].speed, speeds[i]) << i;
    }
    EXPECT_EQ(reversed.waypoints[2].remark, "大圆") << "a remark stays with its waypoint";
    EXPECT_EQ(reversed.waypoints[2].position->longitude, -160);
    EXPECT_EQ(reversed.name, plan.name);
    EXPECT_EQ(reversed.departure, plan.departure);
    EXPECT_EQ(reversed.departureZone, plan.departureZone);

    // The same legs the other way: the same distance and time.
    const nav::Earth earth;
    const nav::RouteTotals there = nav::routeTotals(nav::computeRoute(earth, plan));
    const nav::RouteTotals back = nav::routeTotals(nav::computeRoute(earth, reversed));
    EXPECT_NEAR(*back.distance, *there.distance, 1e-6);
    EXPECT_NEAR(*back.hours, *there.hours, 1e-9);
}

TEST(ReversedRoute, TwiceGivesThePlanBack)
{
    const nav::RoutePlan plan = passage();
    const nav::RoutePlan twice = nav::reversedRoute(nav::reversedRoute(plan));
    ASSERT_EQ(twice.waypoints.size(), plan.waypoints.size());
    for (std::size_t i = 0; i < plan.waypoints.size(); ++i) {
        const nav::Waypoint& a = plan.waypoints[i];
        const nav::Waypoint& b = twice.waypoints[i];
        EXPECT_TRUE(a.name == b.name && a.method == b.method && a.speed == b.speed &&
                    a.remark == b.remark && a.position->latitude == b.position->latitude &&
                    a.position->longitude == b.position->longitude)
            << i;
    }
    EXPECT_TRUE(nav::reversedRoute(nav::RoutePlan{}).waypoints.empty());
    nav::RoutePlan one;
    one.waypoints = {onEquator("A", 1, 7)};
    EXPECT_EQ(nav::reversedRoute(one).waypoints.front().speed, 7.0);
}

}  // namespace

// ---- legs against a current -------------------------------------------------
//
// A 30°N 122°E, B 30°N 123°E (due east), C 31°N 123°E (due north), at
// 10 kn from 2026-12-20 08:00. The rhumb distances from the tool:
//   echo 30 122 30 123 | RhumbSolve -i -p 9 -> 90 96486.280250897 m
//   echo 30 123 31 123 | RhumbSolve -i -p 9 -> 0 110860.925566080 m
// that is 52.09842346 and 59.86011100 n mile. By hand, the current triangle
// on a track CG at V 10 kn with a current of rate c setting s:
//   VG = V cos β + c cos(s − CG), sin β = c sin(s − CG) / V
//   B, current 180 at 2 kn (abeam from port): VG = √96 = 9.79795897 kn,
//     5.31727308 h = 319.04 min -> 13:19
//   C, current 000 at 1.5 kn (astern), α +3: VG 11.5 kn, 5.20522704 h,
//     10.52250012 h in all = 631.35 min -> 18:31
//   C without current: 5.98601110 h; after B abeam 678.20 min -> 19:18,
//     after B without current 671.75 min -> 19:12
struct CurrentLegRow {
    std::string name;
    std::optional<nav::LegCurrent> atB;
    std::optional<nav::LegCurrent> atC;
    nav::Method methodB;
    std::optional<double> hoursB;  // B's leg time by hand; empty: none
    std::optional<double> hoursC;
    std::optional<nav::CurrentRefusal> refusalB;
    std::optional<std::string> etaC;  // the arrival at C, as the clock reads it
};

class CurrentLegs : public ::testing::TestWithParam<CurrentLegRow> {};

TEST_P(CurrentLegs, TimedByGroundSpeed)
{
    const CurrentLegRow& row = GetParam();
    nav::RoutePlan plan{.waypoints = {{"A", geo::GeoPoint{30, 122}, Rhumb},
                                      {"B", geo::GeoPoint{30, 123}, row.methodB},
                                      {"C", geo::GeoPoint{31, 123}, Rhumb}},
                        .speed = 10,
                        .departure = nav::readClockTime("2026-12-20 08:00")};
    plan.waypoints[1].current = row.atB;
    plan.waypoints[2].current = row.atC;
    const std::vector<nav::RouteRow> rows = nav::computeRoute(nav::Earth(), plan);
    ASSERT_EQ(rows.size(), 3u);
    ASSERT_EQ(rows[1].legTime.has_value(), row.hoursB.has_value());
    if (row.hoursB) {
        EXPECT_NEAR(*rows[1].legTime, *row.hoursB, 1e-8);
    }
    ASSERT_TRUE(rows[2].legTime);
    EXPECT_NEAR(*rows[2].legTime, *row.hoursC, 1e-8);
    const std::optional<nav::CurrentRefusal> refusal =
        rows[1].underCurrent ? rows[1].underCurrent->refusal : std::nullopt;
    EXPECT_EQ(refusal, row.refusalB);
    ASSERT_EQ(rows[2].eta.has_value(), row.etaC.has_value());
    if (row.etaC) {
        EXPECT_EQ(nav::formatClockTime(*rows[2].eta), *row.etaC);
    }
}

const double hoursBAbeam = 52.09842346160745 / 9.797958971132712;
const double hoursBStill = 52.09842346160745 / 10;
const double hoursCAstern = 59.860110996803456 / 11.5;
const double hoursCStill = 59.860110996803456 / 10;
const nav::LegCurrent abeamB{{180, 2}, 0};
const nav::LegCurrent asternC{{0, 1.5}, 3};

INSTANTIATE_TEST_SUITE_P(Table, CurrentLegs, ::testing::Values(
    CurrentLegRow{"AbeamThenAstern", abeamB, asternC, Rhumb, hoursBAbeam, hoursCAstern, {},
                  "2026-12-20 18:31"},
    CurrentLegRow{"OnlyTheFirstLeg", abeamB, {}, Rhumb, hoursBAbeam, hoursCStill, {},
                  "2026-12-20 19:18"},
    // A leeway alone turns the head, not the speed along the track.
    CurrentLegRow{"LeewayAloneKeepsTheSpeed", nav::LegCurrent{{}, -4}, {}, Rhumb, hoursBStill,
                  hoursCStill, {}, "2026-12-20 19:12"},
    CurrentLegRow{"AbeamFasterThanTheShip", nav::LegCurrent{{180, 12}, 0}, asternC, Rhumb, {},
                  hoursCAstern, nav::CurrentRefusal::TrackNotHeld, {}},
    CurrentLegRow{"AheadFasterThanTheShip", nav::LegCurrent{{270, 10}, 0}, asternC, Rhumb, {},
                  hoursCAstern, nav::CurrentRefusal::NoWayMadeGood, {}},
    CurrentLegRow{"GreatCircleLegLeftToItsRhumbLines", abeamB, asternC, GreatCircle, {},
                  hoursCAstern, nav::CurrentRefusal::GreatCircleLeg, {}}),
    geo::testing::RowName());
