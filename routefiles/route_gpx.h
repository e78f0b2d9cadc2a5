// SPDX-License-Identifier: GPL-3.0-or-later
// Routes between GPX files (decimal degrees) and the route table (texts).
//
// A GPX coordinate becomes a text in degrees with its hemisphere, with the
// shortest digits that read back as the same double, so that makeRouteTable
// reads each point as the file has it, in either entry form:
//   31.2304 -> "31.2304°N"   -121.5 (longitude) -> "121.5°W"
//   0 -> "0°N"   -180 -> "180°W"   1e-05 -> "0.00001°N"
// A point's remark is its <desc>; each leg's method and speed come from
// Tarnquil's extension (gpx_namespaces.h): a leg of a file without it is a
// rhumb line at the route's speed.
#pragma once

#include "routefiles/gpx_route.h"
#include "routefiles/route_document.h"
#include "routefiles/route_table.h"

#include "geo/axis.h"

#include <optional>

namespace tarnquil {

QString gpxCoordinateText(double degrees, geo::Axis axis);

QList<WaypointText> waypointTexts(const GpxRoute& route);

// The route of the document: its name, what it says of the route as a
// whole, and each position with its waypoint's name, remark, method and
// speed; nothing when a row has no position to write.
std::optional<GpxRoute> gpxRoute(const RouteDocument& document);

}  // namespace tarnquil
