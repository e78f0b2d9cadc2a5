// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/route.h"

#include <algorithm>
#include <cmath>

#include "nav/errors.h"

namespace nav {

namespace {

static_assert(kMaxRun * 60 / kSlowestSpeed < 9007199254740992.0,
              "the longest run at the slowest speed is a whole number of minutes");

void checkSpeed(const std::optional<double>& speed)
{
    if (speed && !(*speed >= kSlowestSpeed && std::isfinite(*speed)))
        throw RangeError(Quantity::Speed, *speed);
}

// Hours at `knots`, refused when the speed is so small that they overflow.
double hoursAt(double distance, double knots)
{
    const double hours = distance / knots;
    if (!std::isfinite(hours))
        throw RangeError(Quantity::Speed, knots);
    return hours;
}

// The time run from the first waypoint: the distance at the route's speed,
// divided once, and the hours of the legs at speeds of their own.
struct TimeRun {
    double atRouteSpeed = 0;
    double ownHours = 0;
};

ZonedEtas etasOf(const ClockTime& eta, const RoutePlan& plan, double longitude)
{
    const ZonedTime departureClock{eta, plan.departureZone};
    return {departureClock, inZone(departureClock, kUtc),
            inZone(departureClock, TimeZone::nautical(longitude))};
}

// The hours of a run; `knots` is the speed of the leg last added, refused
// when the sum overflows.
double hoursOf(const TimeRun& run, const RoutePlan& plan, double knots)
{
    const double hours =
        run.atRouteSpeed == 0 ? run.ownHours : hoursAt(run.atRouteSpeed, *plan.speed) + run.ownHours;
    if (!std::isfinite(hours))
        throw RangeError(Quantity::Speed, knots);
    return hours;
}

void setTimes(RouteRow& row, double hours, const RoutePlan& plan, double longitude)
{
    row.timeUnderWay = hours;
    if (!plan.departure)
        return;
    row.eta = arrivalTime(*plan.departure, hours);
    if (row.eta)
        row.etas = etasOf(*row.eta, plan, longitude);
}

// The leg's own hours at `knots` through the water: its distance over that
// speed, or with a current or leeway over its ground speed; none when the
// track cannot be held.
std::optional<double> legHours(RouteRow& row, const Waypoint& waypoint, double knots)
{
    if (!waypoint.current)
        return hoursAt(*row.legDistance, knots);
    if (waypoint.method == Method::GreatCircle) {
        row.underCurrent = LegUnderCurrent{};
        row.underCurrent->refusal = CurrentRefusal::GreatCircleLeg;
        return std::nullopt;
    }
    row.underCurrent = legUnderCurrent(row.leg->rhumb, LogSpeed{knots, 0}, *waypoint.current);
    return row.underCurrent->hours;
}

// The distances from each waypoint to the last, summed from the last.
void setDistancesToGo(std::vector<RouteRow>& rows, const std::vector<Waypoint>& waypoints)
{
    if (!waypoints.back().position)
        return;
    double toGo = 0;
    rows.back().distanceToGo = toGo;
    for (std::size_t i = rows.size() - 1; i > 0; --i) {
        if (!rows[i].legDistance)
            return;
        toGo += *rows[i].legDistance;
        rows[i - 1].distanceToGo = toGo;
    }
}

}  // namespace

std::vector<RouteRow> computeRoute(const Earth& earth, const RoutePlan& plan)
{
    checkSpeed(plan.speed);
    const std::vector<Waypoint>& waypoints = plan.waypoints;
    for (const Waypoint& waypoint : waypoints)
        checkSpeed(waypoint.speed);
    std::vector<RouteRow> rows(waypoints.size());
    if (waypoints.empty())
        return rows;
    const bool anySpeed = plan.speed || std::any_of(waypoints.begin() + 1, waypoints.end(),
                                                    [](const Waypoint& w) { return w.speed; });
    bool unbroken = waypoints.front().position.has_value();
    bool timed = unbroken && anySpeed;
    double distance = 0;
    TimeRun run;
    if (unbroken)
        rows.front().cumulativeDistance = distance;
    if (timed)
        setTimes(rows.front(), 0, plan, waypoints.front().position->longitude);
    for (std::size_t i = 1; i < waypoints.size(); ++i) {
        const std::optional<geo::GeoPoint>& from = waypoints[i - 1].position;
        const std::optional<geo::GeoPoint>& to = waypoints[i].position;
        RouteRow& row = rows[i];
        if (!from || !to) {
            unbroken = timed = false;
            continue;
        }
        row.leg = earth.leg(*from, *to);
        row.legDistance = row.leg->distance(waypoints[i].method);
        const std::optional<double>& ownSpeed = waypoints[i].speed;
        const std::optional<double> speed = ownSpeed ? ownSpeed : plan.speed;
        if (speed)
            row.legTime = legHours(row, waypoints[i], *speed);
        if (!unbroken)
            continue;
        distance += *row.legDistance;
        row.cumulativeDistance = distance;
        timed = timed && row.legTime;
        if (!timed)
            continue;
        if (ownSpeed || waypoints[i].current)
            run.ownHours += *row.legTime;
        else
            run.atRouteSpeed += *row.legDistance;
        setTimes(row, hoursOf(run, plan, *speed), plan, to->longitude);
    }
    setDistancesToGo(rows, waypoints);
    return rows;
}

RouteTotals routeTotals(const std::vector<RouteRow>& rows)
{
    RouteTotals totals;
    if (rows.empty())
        return totals;
    const RouteRow& last = rows.back();
    totals.distance = last.cumulativeDistance;
    totals.hours = last.timeUnderWay;
    if (totals.distance && totals.hours && *totals.hours > 0)
        totals.averageSpeed = *totals.distance / *totals.hours;
    totals.arrival = last.etas;
    return totals;
}

RoutePlan reversedRoute(const RoutePlan& plan)
{
    RoutePlan reversed = plan;
    std::vector<Waypoint>& waypoints = reversed.waypoints;
    std::reverse(waypoints.begin(), waypoints.end());
    // Each leg's method and speed move from its old arrival waypoint, now
    // the one before, to its new arrival waypoint, the one after; the old
    // first waypoint's unused pair wraps round to the new first.
    const std::size_t count = waypoints.size();
    for (std::size_t i = count; i-- > 1;) {
        std::swap(waypoints[i].method, waypoints[i - 1].method);
        std::swap(waypoints[i].speed, waypoints[i - 1].speed);
        std::swap(waypoints[i].current, waypoints[i - 1].current);
    }
    return reversed;
}

}  // namespace nav
