// SPDX-License-Identifier: GPL-3.0-or-later
// The 10,000-waypoint route the route benchmarks time.
#pragma once

#include "routefiles/route_table.h"

#include <QList>
#include <QString>

#include <cmath>

namespace tarnquil {

inline constexpr int kCoastalWaypoints = 10000;

// Coastal legs of a few n mile, in the notations navigators type: packed,
// degree and minute marks, dashes; every third leg by great circle.
inline QList<WaypointText> coastalRoute()
{
    using namespace Qt::StringLiterals;
    QList<WaypointText> waypoints;
    for (int i = 0; i < kCoastalWaypoints; ++i) {
        // In hundredths of a minute, so that no minutes round up to 60.
        const int latitude = int(std::lround((30 + std::sin(i * 0.37)) * 6000));
        const int longitude = 122 * 6000 + 300 * (i % 1000);
        const int latDegrees = latitude / 6000;
        const int lonDegrees = longitude / 6000;
        const double latMinutes = (latitude % 6000) / 100.0;
        const double lonMinutes = (longitude % 6000) / 100.0;
        QString lat;
        QString lon;
        switch (i % 3) {
        case 0:
            lat = u"%1%2N"_s.arg(latDegrees).arg(latMinutes, 5, 'f', 2, u'0');
            lon = u"%1%2E"_s.arg(lonDegrees).arg(lonMinutes, 5, 'f', 2, u'0');
            break;
        case 1:
            lat = u"%1°%2′N"_s.arg(latDegrees).arg(latMinutes, 0, 'f', 2);
            lon = u"%1°%2′E"_s.arg(lonDegrees).arg(lonMinutes, 0, 'f', 2);
            break;
        default:
            lat = u"%1-%2N"_s.arg(latDegrees).arg(latMinutes, 0, 'f', 2);
            lon = u"%1-%2E"_s.arg(lonDegrees).arg(lonMinutes, 0, 'f', 2);
        }
        const nav::Method method = i % 3 == 0 ? nav::Method::GreatCircle : nav::Method::Rhumb;
        waypoints.append({u"WP%1"_s.arg(i), lat, lon, method});
    }
    return waypoints;
}

}  // namespace tarnquil
