// SPDX-License-Identifier: GPL-3.0-or-later
// A route's great-circle legs steered as rhumb lines: the points where a
// leg crosses every N degrees of longitude inserted as waypoints
// (nav::splitLeg, nav/great_circle.h), as the window's 分段为恒向线 and
// `--split-gc N` insert them.
//
// An inserted waypoint is named "大圆分点 n", numbered on from the highest
// such number in the route; its method is RL; its latitude and longitude
// texts are decimal degrees with the hemisphere, in the shortest form that
// reads back, in any number form, as the very double nav computed
// ("48.6345664357°N"), so the route reads back to the same positions.
#pragma once

#include "routefiles/route_table.h"

#include <QList>

namespace tarnquil {

// The waypoints that splitting the leg arriving at waypoint `arrival`
// inserts before it, in the order sailed; none for a leg with no crossing,
// a leg with a refused or empty cell at either end, or an `arrival` that
// is no leg's. `rows` are makeRouteTable's for `waypoints`. Splitting the
// leg is these inserted, and `arrival`'s method set to RL.
//   every 10, 35°27′N 139°39′E -> 37°48′N 122°25.2′W: 10 waypoints,
//     大圆分点 1 at 140°E .. 大圆分点 10 at 130°W
// `every` as nav::sailGreatCircle takes it; throws nav::RangeError for one
// it refuses.
QList<WaypointText> greatCirclePoints(const QList<WaypointText>& waypoints,
                                      const QList<RouteTableRow>& rows, nav::EarthModel model,
                                      qsizetype arrival, double every);

// The route with every great-circle leg split, numbered on through the
// route in its order; the waypoints already there keep their texts, and
// their method becomes RL where a leg was split. A GC leg with a refused
// or empty cell at either end stays as it is.
QList<WaypointText> splitGreatCircleLegs(const QList<WaypointText>& waypoints,
                                         const QList<RouteTableRow>& rows, nav::EarthModel model,
                                         double every);

}  // namespace tarnquil
