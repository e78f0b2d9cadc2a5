// SPDX-License-Identifier: GPL-3.0-or-later
// A route (航线): waypoints joined by legs, with the distances run and to
// go, the times under way (航时, 航段航时) and the arrival times (ETA) along
// it, and its totals.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "geo/angle.h"
#include "nav/clock_time.h"
#include "nav/earth.h"
#include "nav/eta_zone.h"
#include "nav/leeway_and_current.h"
#include "nav/leg.h"
#include "nav/time_zone.h"

namespace nav {

// The slowest speed a route takes, knots: at it even the longest run
// (kMaxRun) takes fewer than 2^53 minutes, so every time under way is a
// whole number of minutes exactly, and an arrival time follows.
inline constexpr double kSlowestSpeed = 1e-8;

struct Waypoint {
    std::string name;
    // Empty when the waypoint's position could not be read.
    std::optional<geo::GeoPoint> position;
    // How the leg arriving here is sailed. The first waypoint's is not used:
    // no leg arrives there.
    Method method = Method::Rhumb;
    // The speed of the leg arriving here, knots, finite and kSlowestSpeed or more;
    // empty for the route's speed. The first waypoint's is not used.
    // (Members added since a route was written {name, position, method}
    // carry an initializer, so such writing leaves them out without a
    // warning.)
    std::optional<double> speed = {};
    // The navigator's words for this waypoint (备注), kept as typed; nav
    // never reads them.
    std::string remark = {};
    // The current expected on the leg arriving here and the leeway made
    // there; empty for neither. A leg with one is timed by its ground speed
    // (legUnderCurrent) at its speed through the water, the waypoint's or
    // the route's. The first waypoint's is not used.
    std::optional<LegCurrent> current = {};
};

struct RoutePlan {
    std::vector<Waypoint> waypoints;
    std::optional<double> speed;         // knots, finite and kSlowestSpeed or more
    std::optional<ClockTime> departure;  // leaving the first waypoint
    // The zone the departure's clock reads (区时).
    TimeZone departureZone = kDefaultDepartureZone;
    // The route's name, kept as typed; no computation reads or changes it.
    std::string name = {};
};

// The arrival time at a waypoint in each zone of EtaZone.
struct ZonedEtas {
    std::optional<ZonedTime> departure;  // on the departure's clock
    std::optional<ZonedTime> utc;
    std::optional<ZonedTime> ship;       // in the waypoint's nautical zone

    std::optional<ZonedTime> in(EtaZone zone) const
    {
        switch (zone) {
        case EtaZone::Utc: return utc;
        case EtaZone::Ship: return ship;
        case EtaZone::Departure: break;
        }
        return departure;
    }
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
    // The hours from the first waypoint: the sum of the legTime values, the
    // legs at the route's speed taken together (their distance over that
    // speed, one division), so that a route without leg speeds gives
    // exactly cumulativeDistance / speed. Empty where cumulativeDistance is
    // or from the first leg without a speed on; the first row's is 0 when
    // some speed is given, the route's or a waypoint's.
    std::optional<double> timeUnderWay;
    // departure + timeUnderWay rounded to the minute (arrivalTime), on the
    // departure's clock; empty where timeUnderWay is, without a departure,
    // or past kLatestClockTime.
    std::optional<ClockTime> eta;

    // The leg's own time (航段航时): legDistance over the waypoint's speed,
    // else the route's; empty where legDistance is or without either speed.
    // A leg with a current or leeway: legDistance over its ground speed
    // (underCurrent's hours), empty when its track cannot be held.
    std::optional<double> legTime;
    // The leg sailed against the waypoint's current and leeway: the course
    // to steer, the ground speed and the hours, or why there are none
    // (CurrentRefusal: TrackNotHeld, NoWayMadeGood, GreatCircleLeg for a
    // leg by great circle). Empty for a leg without current or leeway, or
    // without a speed. A refused leg has no legTime, and nothing cumulative
    // after it is timed.
    std::optional<LegUnderCurrent> underCurrent;
    // 剩余航程: the legDistance values from this waypoint to the last, added
    // from the last; the last row's is 0. Empty for a waypoint without a
    // position and for every waypoint before the last gap: as with the
    // cumulative values, nothing across a gap is guessed. The first row's
    // equals the total distance to the last bit or so (the two sums add in
    // opposite orders).
    std::optional<double> distanceToGo;
    // eta in each zone: the same instant on the departure's clock, in UTC,
    // and in the waypoint's nautical zone (TimeZone::nautical). Each is
    // empty where eta is, or where the clock of that zone falls outside
    // kEarliestClockTime .. kLatestClockTime.
    ZonedEtas etas;
};

// What the totals line under the table shows.
struct RouteTotals {
    // The last row's cumulativeDistance and timeUnderWay: empty when a gap
    // or a leg without a speed lies anywhere on the route.
    std::optional<double> distance;
    std::optional<double> hours;
    // distance / hours, knots; empty without both or when hours is 0.
    std::optional<double> averageSpeed;
    // The last row's etas: the arrival.
    ZonedEtas arrival;
};

// The rows of a route, one per waypoint, on the figure `earth` stands for.
// The first row's cumulative values (0, 0 h, the departure) are given when
// its position is.
//   A 30N 122E, B 30N 123E (rhumb), C (no position), D 31N 123E
//     -> rows A and B complete; C and D: no leg, no cumulative values
// Leg speeds: with A, B, C 60 n mile apart, route speed 12 kn and C's 10 kn,
// B's legTime is 5 h, C's 6 h, C's timeUnderWay 11 h.
// A current: a leg of 40 n mile on 045 at 10 kn with the current 135 at
// 3 kn and α −2 takes 4.193 h (VG 9.539), and every later time and ETA
// follows from it.
// Throws RangeError for a position as checkPosition (earth.h) does, for a
// speed, the route's or a waypoint's, that is not finite or below
// kSlowestSpeed (Quantity::Speed), also when the times under way of a
// route longer than kMaxRun overflow.
std::vector<RouteRow> computeRoute(const Earth& earth, const RoutePlan& plan);

// The totals of rows computeRoute gave; all empty for no rows.
//   A route of 300 n mile in 25 h -> averageSpeed 12
RouteTotals routeTotals(const std::vector<RouteRow>& rows);

// The route sailed the other way: the waypoints in reverse order, each with
// its name, position and remark, and each leg with its method, speed and
// current and leeway (as given: the wind on the other side is the
// navigator's to say).
// A leg's method and speed are stored on the waypoint it arrives at, so
// they move one waypoint along: the leg A -> B (stored on B) becomes
// B -> A (stored on A). The first waypoint's unused method and speed go to
// the new first waypoint, unused again, so that reversing twice gives the
// plan back as it was. The name, speed, departure and zone stay.
//   A, B (GC, 10 kn), C (RL), D (GC)  ->  D, C (GC), B (RL), A (GC, 10 kn)
RoutePlan reversedRoute(const RoutePlan& plan);

}  // namespace nav
