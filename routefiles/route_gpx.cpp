// SPDX-License-Identifier: GPL-3.0-or-later
#include "routefiles/route_gpx.h"
#include "routefiles/exact_degrees.h"

using namespace Qt::StringLiterals;

namespace tarnquil {

QList<WaypointText> waypointTexts(const GpxRoute& route)
{
    QList<WaypointText> waypoints;
    waypoints.reserve(route.points.size());
    for (const GpxWaypoint& point : route.points) {
        WaypointText waypoint{point.name, exactDegreesText(point.latitude, geo::Axis::Latitude),
                              exactDegreesText(point.longitude, geo::Axis::Longitude),
                              point.method.value_or(nav::Method::Rhumb)};
        waypoint.speed = point.speed;
        waypoint.remark = point.remark;
        waypoint.current = point.current;
        waypoint.leeway = point.leeway;
        waypoints.append(std::move(waypoint));
    }
    return waypoints;
}

std::optional<GpxRoute> gpxRoute(const RouteDocument& document)
{
    GpxRoute route{document.name, {}, savedOf(document.settings)};
    const QList<RouteTableRow>& rows = document.rows;
    route.points.reserve(rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (!rows[i].position)
            return std::nullopt;
        const WaypointText waypoint = document.waypoints.value(i);
        route.points.append({waypoint.name, rows[i].position->latitude, rows[i].position->longitude,
                             waypoint.remark, waypoint.method, waypoint.speed.trimmed(),
                             waypoint.current.trimmed(), waypoint.leeway.trimmed()});
    }
    return route;
}

}  // namespace tarnquil
