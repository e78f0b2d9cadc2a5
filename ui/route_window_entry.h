// SPDX-License-Identifier: GPL-3.0-or-later
// Where `tarnquil --route [FILE]` hands over to the route window (航线计算).
#pragma once

#include "route_table.h"

#include <QString>

class QApplication;

namespace tarnquil {

// What the command line gives the route window.
struct RouteOptions {
    QString file;               // a .csv or .gpx file to open; empty for a new route
    qsizetype routeNumber = 1;  // which route of a GPX file, from 1 (--route-index)
    RouteSettings settings;     // --form, --model, --speed, --depart as given, else the defaults
};

// Shows the route window for options and runs the application's event loop;
// returns the program's exit status. The application is prepared
// (prepareApplication) before.
int runRouteWindow(QApplication& application, const RouteOptions& options);

}  // namespace tarnquil
