// SPDX-License-Identifier: GPL-3.0-or-later
#include "route_window_entry.h"

#include "route_window.h"

#include <QApplication>

using namespace Qt::StringLiterals;

namespace tarnquil {

int runRouteWindow(QApplication& application, const RouteOptions& options)
{
    // Lets the desktop match the window with the route window's own entry.
    QGuiApplication::setDesktopFileName(u"example.vessoria.Tarnquil.Route"_s);
    RouteWindow::prepareApplication();
    RouteWindow window;
    window.showSettings(options.settings);
    window.show();
    if (!options.file.isEmpty())
        window.openRoute(options.file, options.routeNumber);
    return application.exec();
}

}  // namespace tarnquil
