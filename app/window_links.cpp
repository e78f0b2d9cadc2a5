// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/window_links.h"

#include "celestialwindow/celestial_window.h"
#include "fixwindow/fix_window.h"
#include "routewindow/route_window.h"

namespace tarnquil {

namespace {

void showAndActivate(QWidget* window)
{
    if (window->isMinimized())
        window->showNormal();
    else
        window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

void WindowLinks::link(RouteWindow* window)
{
    routeWindows_.append(window);
    connect(window, &RouteWindow::fixWindowRequested, this, &WindowLinks::openFixWindow);
    connect(window, &RouteWindow::celestialWindowRequested, this, &WindowLinks::openCelestialWindow);
}

void WindowLinks::link(FixWindow* window)
{
    fixWindow_ = window;
    connect(window, &FixWindow::addToRouteRequested, this, &WindowLinks::addToRoute);
    connect(window, &FixWindow::routeWindowRequested, this, &WindowLinks::openRouteWindow);
    connect(window, &FixWindow::celestialWindowRequested, this, &WindowLinks::openCelestialWindow);
}

void WindowLinks::link(CelestialWindow* window)
{
    celestialWindow_ = window;
    connect(window, &CelestialWindow::fixWindowRequested, this, &WindowLinks::openFixWindow);
    connect(window, &CelestialWindow::routeWindowRequested, this, &WindowLinks::openRouteWindow);
    connect(window, &CelestialWindow::sightSent, this, &WindowLinks::sendSight);
}

void WindowLinks::openCelestialWindow()
{
    if (!celestialWindow_) {
        auto* window = new CelestialWindow;
        window->setAttribute(Qt::WA_DeleteOnClose);
        link(window);
    }
    // The first window of tarnquil --celestial is hidden when closed.
    showAndActivate(celestialWindow_);
}

void WindowLinks::openRouteWindow()
{
    showAndActivate(routeWindow());
}

// The route window opened last that is still open, or a new one.
RouteWindow* WindowLinks::routeWindow()
{
    routeWindows_.removeAll(nullptr);
    if (!routeWindows_.isEmpty())
        return routeWindows_.back();
    auto* window = new RouteWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    link(window);
    return window;
}

void WindowLinks::openFixWindow()
{
    // A fix window closed without being deleted (the first window of
    // tarnquil --fix) is hidden: show it again, as it was left.
    showAndActivate(fixWindow());
}

FixWindow* WindowLinks::fixWindow()
{
    if (!fixWindow_) {
        auto* window = new FixWindow;
        window->setAttribute(Qt::WA_DeleteOnClose);
        link(window);
    }
    return fixWindow_;
}

// The fix window takes the sight, or says why not where it was sent from;
// the navigator goes on in the fix with the row taken.
void WindowLinks::sendSight(const SentSight& sight)
{
    FixWindow* window = fixWindow();
    const QString refusal = window->takeSight(sight);
    if (celestialWindow_)
        celestialWindow_->showSightTaken(refusal);
    if (refusal.isEmpty())
        showAndActivate(window);
}

void WindowLinks::addToRoute(const WaypointText& waypoint)
{
    RouteWindow* window = routeWindow();
    const bool added = window->appendWaypoint(waypoint);
    if (fixWindow_)
        fixWindow_->showAddedToRoute(added);
    // The navigator goes on in the route: the keyboard goes with the waypoint.
    showAndActivate(window);
}

}  // namespace tarnquil
