// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_links.h"

#include "fixwindow/fix_window.h"
#include "routewindow/route_window.h"

namespace tarnquil {

void WindowLinks::link(RouteWindow* window)
{
    routeWindows_.append(window);
    connect(window, &RouteWindow::fixWindowRequested, this, &WindowLinks::openFixWindow);
}

void WindowLinks::link(FixWindow* window)
{
    fixWindow_ = window;
    connect(window, &FixWindow::addToRouteRequested, this, &WindowLinks::addToRoute);
}

void WindowLinks::openFixWindow()
{
    if (!fixWindow_) {
        auto* window = new FixWindow;
        window->setAttribute(Qt::WA_DeleteOnClose);
        link(window);
        window->show();
    }
    fixWindow_->raise();
    fixWindow_->activateWindow();
}

void WindowLinks::addToRoute(const WaypointText& waypoint)
{
    routeWindows_.removeAll(nullptr);
    RouteWindow* window = routeWindows_.isEmpty() ? nullptr : routeWindows_.back().data();
    if (!window) {
        window = new RouteWindow;
        window->setAttribute(Qt::WA_DeleteOnClose);
        link(window);
        window->show();
    }
    window->appendWaypoint(waypoint);
    window->raise();
}

}  // namespace tarnquil
