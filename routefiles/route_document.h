// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "routefiles/route_table.h"

#include <QList>
#include <QString>

namespace tarnquil {

// A route read and computed, with all that a writer of its files or its
// printed table needs.
struct RouteDocument {
    QString name;                    // the route's name, for GPX and titles
    QList<WaypointText> waypoints;
    RouteSettings settings;
    QList<RouteTableRow> rows;       // makeRouteTable(waypoints, settings)
};

}  // namespace tarnquil
