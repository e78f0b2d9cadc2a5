// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "routefiles/route_table.h"

#include "nav/leg.h"

#include <QList>
#include <QString>

#include <optional>

namespace tarnquil {

// A point of a route as a GPX file holds it: decimal degrees on WGS-84, north
// and east positive.
struct GpxWaypoint {
    QString name;  // empty when the point has none
    double latitude = 0;   // -90 to 90
    double longitude = 0;  // -180 to 180
    QString remark = {};   // <desc>
    // Of the leg arriving here, from Tarnquil's extension: the method, empty
    // in a file without it, and the speed as typed, empty for the route's.
    std::optional<nav::Method> method = std::nullopt;
    QString speed = {};
    // Its current (流向/流速) and leeway as typed, empty for none.
    QString current = {};
    QString leeway = {};
};

// A route: its points in order of passage.
struct GpxRoute {
    QString name;
    QList<GpxWaypoint> points;
    // What Tarnquil's extension says of the route as a whole; nothing in a
    // file of another program.
    SavedSettings saved = {};
};

}  // namespace tarnquil
