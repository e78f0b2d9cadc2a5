// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/route.h"

#include <cmath>

#include "nav/errors.h"

namespace nav {

namespace {

void checkSpeed(const std::optional<double>& speed)
{
    if (speed && !(*speed > 0 && std::isfinite(*speed)))
        throw RangeError(Quantity::Speed, *speed);
}

// The cumulative values of a row `distance` n mile from the first waypoint.
void setCumulative(RouteRow& row, double distance, const RoutePlan& plan)
{
    row.cumulativeDistance = distance;
    if (!plan.speed)
        return;
    const double hours = distance / *plan.speed;
    if (!std::isfinite(hours))
        throw RangeError(Quantity::Speed, *plan.speed);
    row.timeUnderWay = hours;
    if (plan.departure)
        row.eta = arrivalTime(*plan.departure, hours);
}

}  // namespace

std::vector<RouteRow> computeRoute(const Earth& earth, const RoutePlan& plan)
{
    checkSpeed(plan.speed);
    const std::vector<Waypoint>& waypoints = plan.waypoints;
    std::vector<RouteRow> rows(waypoints.size());
    if (waypoints.empty())
        return rows;
    bool unbroken = waypoints.front().position.has_value();
    double distance = 0;
    if (unbroken)
        setCumulative(rows.front(), distance, plan);
    for (std::size_t i = 1; i < waypoints.size(); ++i) {
        const std::optional<geo::GeoPoint>& from = waypoints[i - 1].position;
        const std::optional<geo::GeoPoint>& to = waypoints[i].position;
        RouteRow& row = rows[i];
        if (!from || !to) {
            unbroken = false;
            continue;
        }
        row.leg = earth.leg(*from, *to);
        row.legDistance = row.leg->distance(waypoints[i].method);
        if (unbroken) {
            distance += *row.legDistance;
            setCumulative(row, distance, plan);
        }
    }
    return rows;
}

}  // namespace nav
