// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of leeway and current (风流压), each command also with
// --json (current_report.h says what it prints):
//   tarnquil --dead-reckoning "FROM" --course TC --speed KN --hours H
//            [--leeway DEG] [--set DEG --drift KN] [--log-correction PCT]
//            [--model wgs84|sphere] [--form 分|秒|度]
//       推算: wind first, then current, from FROM for H hours on a rhumb line.
//   tarnquil --course-to-steer --track CG --speed KN --set DEG --drift KN
//            [--leeway DEG] [--log-correction PCT]
//       预配: current first, then wind: the heading TC that makes good CG.
//   tarnquil --current-from-fixes "FIX1" TIME1 "FIX2" TIME2 --course TC
//            --speed KN [--leeway DEG] [--log-correction PCT] [--model …] [--form …]
//       求流: the current that set the ship from the DR to fix 2.
// --speed is the log's, through the water; --log-correction its correction
// ΔL in per cent. --leeway is α, + with the wind on the port side (左舷受风
// 为正); --set is where the current sets toward, --drift its rate. The
// values are read by text/current_text.h and text/quantity_text.h, the
// positions as --great-circle reads them, in --form (分 by default), the
// times as --sight reads them (celestial_text.h), with their zones.
// Exit status: 0 with an answer; 1, with the reason on stderr naming the
// option and nothing on stdout, for a value that does not read or is out
// of range, a track that cannot be held or makes no way, a second fix not
// later than the first, a run through a pole or beyond nav::kMaxRun; 2 for
// a command-line mistake (an unknown, misplaced or repeated option, a
// missing value, a required option left out, --set without --drift, a
// --model or --form word that chooses nothing, two commands at once).
#pragma once

#include <QStringList>

namespace tarnquil {

// Whether the arguments (after the program's name) ask for one of the
// commands above.
bool isCurrentCommand(const QStringList& arguments);

// Does it all, writing to stdout and stderr; returns the exit status.
int runCurrentCommand(const QStringList& arguments);

}  // namespace tarnquil
