// SPDX-License-Identifier: GPL-3.0-or-later
// Routes between GPX files (decimal degrees) and the route table (texts).
//
// A GPX coordinate becomes its exactDegreesText (exact_degrees.h), so that
// makeRouteTable reads each point as the file has it, in either entry form.
// A point's remark is its <desc>; each leg's method and speed come from
// Tarnquil's extension (gpx_namespaces.h): a leg of a file without it is a
// rhumb line at the route's speed.
#pragma once

#include "routefiles/gpx_route.h"
#include "routefiles/route_document.h"
#include "routefiles/route_table.h"

#include <optional>

namespace tarnquil {

QList<WaypointText> waypointTexts(const GpxRoute& route);

// The route of the document: its name, what it says of the route as a
// whole, and each position with its waypoint's name, remark, method and
// speed; nothing when a row has no position to write.
std::optional<GpxRoute> gpxRoute(const RouteDocument& document);

}  // namespace tarnquil
