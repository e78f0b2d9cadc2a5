// SPDX-License-Identifier: GPL-3.0-or-later
#include "routefiles/route_gpx.h"

#include <QLocale>

#include <cmath>

using namespace Qt::StringLiterals;

namespace tarnquil {

QString gpxCoordinateText(double degrees, geo::Axis axis)
{
    const bool latitude = axis == geo::Axis::Latitude;
    // A zero of either sign is N or E, as the display writes it.
    const QChar hemisphere = std::signbit(degrees) && degrees != 0 ? (latitude ? u'S' : u'W')
                                                                   : (latitude ? u'N' : u'E');
    // 'f': the reader takes no exponent; the magnitude's digits, because a
    // hemisphere excludes a sign.
    return QString::number(std::fabs(degrees), 'f', QLocale::FloatingPointShortest) + u"°"_s
        + hemisphere;
}

QList<WaypointText> waypointTexts(const GpxRoute& route)
{
    QList<WaypointText> waypoints;
    waypoints.reserve(route.points.size());
    for (const GpxWaypoint& point : route.points) {
        WaypointText waypoint{point.name, gpxCoordinateText(point.latitude, geo::Axis::Latitude),
                              gpxCoordinateText(point.longitude, geo::Axis::Longitude),
                              point.method.value_or(nav::Method::Rhumb)};
        waypoint.speed = point.speed;
        waypoint.remark = point.remark;
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
                             waypoint.remark, waypoint.method, waypoint.speed.trimmed()});
    }
    return route;
}

}  // namespace tarnquil
