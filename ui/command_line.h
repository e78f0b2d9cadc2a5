// SPDX-License-Identifier: GPL-3.0-or-later
// The program's command line beyond the classic window (see
// command_line_help.cpp for what the user is told):
//   tarnquil --route [FILE] [--speed KN] [--depart "YYYY-MM-DD HH:MM"]
//            [--model wgs84|sphere] [--form 分|秒|minutes|seconds] [--route-index N]
//   tarnquil --route FILE --export OUT.csv|OUT.gpx|OUT.pdf [the same options]
//   tarnquil --destination "POSITION" --course DEG --distance NM [--method rl|gc]
//            [--model …] [--form …]
//   tarnquil --help | -h | --version
// Options may also be written --name=value. Qt's own options (qt_options.h)
// are passed on to Qt; given only those, the program opens the calculator. Unknown, repeated or misplaced
// options and missing values are refused. Only the route window and a PDF
// export (for its fonts) create a GUI application; everything runs without
// a display but the window, writing UTF-8 to stdout and, after "tarnquil: ",
// to stderr.
#pragma once

namespace tarnquil {

// Runs the program for a command line with at least one argument; returns
// its exit status: 0, 1 for data that does not read or a file that cannot be
// written, 2 for a command line that is wrong.
int runCommandLine(int& argc, char** argv);

// Opens the calculator window and returns when it is closed.
int runCalculator(int& argc, char** argv);

}  // namespace tarnquil
