// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows.h"
#include "app/desktop_session.h"
#include "app/window_links.h"

#include "calculator/pdf.h"
#include "cli/console_text.h"
#include "celestialwindow/celestial_window.h"
#include "fixwindow/fix_window.h"
#include "routewindow/route_window.h"
#include "routewindow/waypoint_table_model.h"
#include "widgets/application_setup.h"

#include <QApplication>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

// Said instead of Qt's abort when no window can be shown.
constexpr int noDesktopStatus = 2;

bool refusedWithoutDesktop(int argc, char** argv)
{
    if (hasDesktopSession(argc, argv))
        return false;
    writeText(stderr, noDesktopMessage());
    return true;
}

}  // namespace

int runCalculator(int& argc, char** argv)
{
    if (refusedWithoutDesktop(argc, argv))
        return noDesktopStatus;
    QApplication application(argc, argv);
    prepareApplication(application);
    pdf window;
    window.show();
    return QApplication::exec();
}

int runRouteWindow(int& argc, char** argv, const RouteOptions& options)
{
    if (refusedWithoutDesktop(argc, argv))
        return noDesktopStatus;
    QApplication application(argc, argv);
    prepareApplication(application);
    // Lets the desktop match the window with the route window's own entry.
    QGuiApplication::setDesktopFileName(u"example.vessoria.Tarnquil.Route"_s);
    RouteWindow::prepareApplication();
    RouteWindow window;
    WindowLinks links;
    links.link(&window);
    window.showSettings(options.settings);
    window.show();
    // The options given take the place of what the file says, as in an export.
    if (!options.file.isEmpty() && window.openRoute(options.file, options.routeNumber))
        window.showSettings(withSaved(window.model().settings(), options.given));
    return application.exec();
}

int runFixWindow(int& argc, char** argv)
{
    if (refusedWithoutDesktop(argc, argv))
        return noDesktopStatus;
    QApplication application(argc, argv);
    prepareApplication(application);
    QGuiApplication::setDesktopFileName(u"example.vessoria.Tarnquil.Fix"_s);
    // The route window's style and font: the same for both, and a route
    // window may be opened from this one.
    RouteWindow::prepareApplication();
    FixWindow::prepareApplication();
    WindowLinks links;
    FixWindow window;
    links.link(&window);
    window.show();
    return application.exec();
}

int runCelestialWindow(int& argc, char** argv)
{
    if (refusedWithoutDesktop(argc, argv))
        return noDesktopStatus;
    QApplication application(argc, argv);
    prepareApplication(application);
    QGuiApplication::setDesktopFileName(u"example.vessoria.Tarnquil.Celestial"_s);
    // The route window's style and font, as the fix window's: its 工具 opens both.
    RouteWindow::prepareApplication();
    FixWindow::prepareApplication();
    WindowLinks links;
    CelestialWindow window;
    links.link(&window);
    window.show();
    return application.exec();
}

}  // namespace tarnquil
