// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/route.h"

#include <gtest/gtest.h>

#include <limits>

#include "nav/display.h"
#include "nav/entry.h"
#include "nav/errors.h"

namespace {

using enum nav::Method;

nav::RoutePlan coastalPlan()
{
    return {{{"吴淞口", geo::GeoPoint{31.4, 121.5}, Rhumb},
             {"舟山", geo::GeoPoint{30.17, 122.0883}, Rhumb},
             {"台山", geo::GeoPoint{29.9333, 122.3083}, GreatCircle},
             {"基隆", geo::GeoPoint{25.15, 121.75}, Rhumb}},
            12.5,
            nav::readClockTime("2024-12-31 20:00")};
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
