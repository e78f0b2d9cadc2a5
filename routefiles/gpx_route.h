// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

namespace tarnquil {

// A point of a route as a GPX file holds it: decimal degrees on WGS-84, north
// and east positive.
struct GpxWaypoint {
    QString name;  // empty when the point has none
    double latitude = 0;   // -90 to 90
    double longitude = 0;  // -180 to 180
};

// A route: its points in order of passage.
struct GpxRoute {
    QString name;
    QList<GpxWaypoint> points;
};

}  // namespace tarnquil
