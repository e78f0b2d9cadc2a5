// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the calculator's window, as it looks at start-up, or the route
// window with a route opened, to a PNG file. Works without a display: run it
// with QT_QPA_PLATFORM=offscreen.
//   tarnquil-screenshot docs/screenshot.png
//   tarnquil-screenshot --route docs/route-example.csv --speed 12.5
//       --depart "2025-03-01 08:00" docs/screenshot-route.png
#include "widgets/application_setup.h"
#include "calculator/pdf.h"
#include "routewindow/route_window.h"

#include "nav/entry.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QPixmap>
#include <QTextStream>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The form's width, and only a few empty rows below a short route.
constexpr QSize routeScreenshotSize(1180, 600);

// The route window with the route and settings of the command line, or
// nothing when one of them does not read.
std::unique_ptr<QWidget> routeWindow(const QCommandLineParser& parser, QTextStream& err)
{
    tarnquil::RouteSettings settings;
    if (parser.isSet(u"speed"_s)) {
        settings.speed = nav::readSpeed(parser.value(u"speed"_s).toStdString());
        if (!settings.speed) {
            err << "tarnquil-screenshot: not a speed: " << parser.value(u"speed"_s) << '\n';
            return nullptr;
        }
    }
    if (parser.isSet(u"depart"_s)) {
        settings.departure = nav::readClockTime(parser.value(u"depart"_s).toStdString());
        if (!settings.departure) {
            err << "tarnquil-screenshot: not a time: " << parser.value(u"depart"_s) << '\n';
            return nullptr;
        }
    }
    tarnquil::RouteWindow::prepareApplication();
    auto window = std::make_unique<tarnquil::RouteWindow>();
    window->setPrompt([&err](const QString& message) { err << message << '\n'; });
    // Nobody is there to answer: the route is shown as the form reads it.
    window->setQuestion([](const QString&) { return false; });
    window->showSettings(settings);
    if (!window->openRoute(parser.value(u"route"_s)))
        return nullptr;
    window->resize(routeScreenshotSize);
    return window;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QTextStream err(stderr);
    QCommandLineParser parser;
    parser.addOptions({{u"route"_s, u"the route window with this .csv or .gpx route"_s, u"file"_s},
                       {u"speed"_s, u"with --route: the speed in knots"_s, u"knots"_s},
                       {u"depart"_s, u"with --route: the departure, YYYY-MM-DD HH:MM"_s, u"time"_s}});
    parser.addPositionalArgument(u"output"_s, u"the PNG file to write"_s);
    parser.process(application);
    if (parser.positionalArguments().size() != 1) {
        err << "usage: tarnquil-screenshot [--route FILE [--speed KNOTS] [--depart TIME]] "
               "OUTPUT.png\n";
        return 2;
    }
    tarnquil::prepareApplication(application);
    std::unique_ptr<QWidget> window;
    if (parser.isSet(u"route"_s)) {
        window = routeWindow(parser, err);
        if (!window)
            return 1;
    } else {
        window = std::make_unique<pdf>();
    }
    window->show();
    QApplication::processEvents();
    const QString output = parser.positionalArguments().constFirst();
    if (!window->grab().save(output, "PNG")) {
        err << "tarnquil-screenshot: cannot write " << output << '\n';
        return 1;
    }
    return 0;
}
