// SPDX-License-Identifier: GPL-3.0-or-later
// The program's windows, opened as the command line decides
// (cli/command_line.h). Each makes the application, shows its window, runs
// the event loop until the window is closed and returns the exit status.
// Without a desktop session (desktop_session.h) each says so and returns 2.
#pragma once

#include "cli/command_line.h"

namespace tarnquil {

// The calculator window (pdf).
int runCalculator(int& argc, char** argv);

// The route window (航线计算), with the route and settings of the command line.
int runRouteWindow(int& argc, char** argv, const RouteOptions& options);

// The fix window (陆标定位).
int runFixWindow(int& argc, char** argv);

// The celestial window (天文航海).
int runCelestialWindow(int& argc, char** argv);

}  // namespace tarnquil
