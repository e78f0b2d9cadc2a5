// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line beyond the classic window (see
// command_line_help.cpp for what the user is told):
//   tarnquil --route [FILE] [--speed KN] [--depart "YYYY-MM-DD HH:MM"]
//            [--zone +8|-5|+5:30|0|UTC…] [--eta-zone depart|utc|ship]
//            [--model wgs84|sphere] [--form 分|秒|度|minutes|seconds|degrees]
//            [--route-index N]
// --model, --speed, --depart and --zone take the place of what the file
// says of the route; what neither says is the default (WGS-84, no speed, no
// departure, UTC+8).
//   tarnquil --route FILE --export OUT.csv|OUT.gpx|OUT.pdf [the same options]
//   tarnquil --destination "POSITION" --course DEG --distance NM [--method rl|gc]
//            [--model …] [--form …]
//   tarnquil --fix [OBSERVATION... [fix options]]   (cli/fix_command.h)
//   tarnquil --celestial   (the celestial window; nothing but Qt's options)
//   tarnquil --help | -h | --version
// Options may also be written --name=value. Qt's own options (qt_options.h)
// are passed on to Qt; given only those, the program opens the calculator.
// Unknown, repeated or misplaced options and missing values are refused.
// The command line opens no window itself: it says which one app/ is to
// open. Everything but the windows runs without a display, writing UTF-8 to
// stdout and, after "tarnquil: ", to stderr; a PDF export needs fonts, and
// so a GUI application, which app/ makes for it.
#pragma once

#include "cli/route_export.h"

#include <QString>

namespace tarnquil {

// What the command line gives the route window.
struct RouteOptions {
    QString file;               // a .csv or .gpx file to open; empty for a new route
    qsizetype routeNumber = 1;  // which route of a GPX file, from 1 (--route-index)
    RouteSettings settings;     // --form, --model, --speed, --depart, --zone, --eta-zone as given,
                                // else the defaults
    SavedSettings given = {};   // those of the options that a route file may also say
};

// What is left to do once the command line is read.
struct CommandLineAction {
    enum class Kind {
        Exit,         // all done: exit with `status`, 0, 1 for data that does
                      // not read or a file that cannot be written, 2 for a
                      // command line that is wrong
        Calculator,   // open the calculator window
        RouteWindow,  // open the route window with `route`
        FixWindow,    // open the fix window (陆标定位)
        CelestialWindow,  // open the celestial window (天文航海)
        DrawnExport,  // run `drawnExport` (runExport) in a GUI application
    };
    Kind kind = Kind::Calculator;
    int status = 0;
    RouteOptions route;
    ExportRequest drawnExport;
};

// Reads a command line of at least one argument and does all of it that
// needs no window and no fonts: --help, --version, --destination, exports
// but a PDF's, and the refusals, each with its message on stderr.
CommandLineAction readCommandLine(int& argc, char** argv);

// Runs an export, writing its messages to stderr; returns the exit status.
int runExport(const ExportRequest& request);

}  // namespace tarnquil
