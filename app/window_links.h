// SPDX-License-Identifier: GPL-3.0-or-later
// The links between the route window, the fix window and the celestial
// window, which never include each other: the route window's 工具 > 陆标定位
// opens the fix window (or raises the one open), 工具 > 天文航海 the
// celestial window, whose 工具 opens a route window or the fix window, as
// the fix window's 工具 opens a route window or the celestial window; the
// fix window's 加入航线 appends the fix to the route window opened last that
// is still open, or to a new route window when none is; the celestial
// window's 送到陆标定位 gives its sight to the fix window (or a new one).
#pragma once

#include "routefiles/route_table.h"
#include "text/sent_sight.h"

#include <QList>
#include <QObject>
#include <QPointer>

namespace tarnquil {

class CelestialWindow;
class FixWindow;
class RouteWindow;

class WindowLinks : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Links a window shown; the links do not own it.
    void link(RouteWindow* window);
    void link(FixWindow* window);
    void link(CelestialWindow* window);

private:
    void openFixWindow();
    FixWindow* fixWindow();  // the one open, or a new one not yet shown
    void sendSight(const SentSight& sight);
    void openCelestialWindow();
    void openRouteWindow();
    RouteWindow* routeWindow();  // the one opened last still open, or a new one
    void addToRoute(const WaypointText& waypoint);

    QPointer<FixWindow> fixWindow_;
    QPointer<CelestialWindow> celestialWindow_;
    QList<QPointer<RouteWindow>> routeWindows_;
};

}  // namespace tarnquil
