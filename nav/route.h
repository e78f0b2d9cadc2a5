// SPDX-License-Identifier: GPL-3.0-or-later
// A route (航线): waypoints joined by legs, with the distances run, the time
// under way (航时) and the arrival times (ETA) along it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "geo/angle.h"
#include "nav/clock_time.h"
#include "nav/earth.h"
#include "nav/leg.h"

namespace nav {

struct Waypoint {
    std::string name;
    // Empty when the waypoint's position could not be read.
    std::optional<geo::GeoPoint> position;
    // How the leg arriving here is sailed. The first waypoint's is not used:
    // no leg arrives there.
    Method method = Method::Rhumb;
};

struct RoutePlan {
    std::vector<Waypoint> waypoints;
    std::optional<double> speed;         // knots, finite and above zero
    std::optional<ClockTime> departure;  // leaving the first waypoint
};

// One row per waypoint. Distances in n mile, times under way in hours; all
// values exact, rounded only when shown (display.h).
struct RouteRow {
    // The leg arriving at this waypoint, both ways; empty for the first row
    // and for a leg with a missing position at either end.
    std::optional<Leg> leg;
    // The leg's distance by the waypoint's method.
    std::optional<double> legDistance;
    // The sum of the legDistance values from the first waypoint; the first
    // row's is 0. Empty from the first leg that is empty on: nothing after a
    // gap is guessed.
    std::optional<double> cumulativeDistance;
    // cumulativeDistance / speed; empty where that is or without a speed.
    std::optional<double> timeUnderWay;
    // departure + timeUnderWay rounded to the minute (arrivalTime); empty
    // where timeUnderWay is, without a departure, or past kLatestClockTime.
    std::optional<ClockTime> eta;
};

// The rows of a route, one per waypoint, on the figure `earth` stands for.
// The first row's cumulative values (0, 0 h, the departure) are given when
// its position is.
//   A 30N 122E, B 30N 123E (rhumb), C (no position), D 31N 123E
//     -> rows A and B complete; C and D: no leg, no cumulative values
// Throws RangeError for a position as checkPosition (earth.h) does, for a
// speed that is not finite or not above zero (Quantity::Speed), also when a
// speed is so small that a time under way overflows.
std::vector<RouteRow> computeRoute(const Earth& earth, const RoutePlan& plan);

}  // namespace nav
