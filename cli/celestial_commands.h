// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of celestial navigation (天文航海), each command also
// with --json (celestial_report.h says what it prints):
//   tarnquil --almanac TIME [--body NAME]... [--dut1 S]
//   tarnquil --sight BODY TIME HS --at "POS" [sight options]
//   tarnquil --latitude BODY TIME HS --at "POS" [sight options]
//   tarnquil --compass-error BODY TIME --at "POS" --bearing DEG [--amplitude]
//            [--variation DEG] [--dut1 S]
//   tarnquil --rise-set DATE --at "POS" [--zone Z] [--height M] [--dut1 S]
//   tarnquil --stars TIME --at "POS" [--dut1 S]
//   tarnquil --identify TIME --at "POS" --altitude H --azimuth Z [--dut1 S]
//   sight options: [--limb lower|upper] [--index-correction ARCMIN]
//                  [--height M] [--temperature C] [--pressure HPA] [--dut1 S]
// Every command but --almanac also takes --form for the position.
// BODY, TIME, DATE, HS and every option's value are read by
// text/celestial_text.h; "POS" is a whole position as --fix's --near reads
// it, in the --form given (分 by default). --limb is the Sun's and the
// Moon's (lower by default; other bodies are reduced for their centre).
// --rise-set's times are in --zone, or by default in the zone of the
// position's longitude (船时, nav::TimeZone::nautical), and its day is that
// zone's day.
// Exit status: 0 with an answer; 1, with the reason on stderr naming the
// option and nothing on stdout, for a value that does not read or is out
// of range, an unknown body, a time that does not exist, a body below the
// horizon for a sight, and every other refusal of the computation; 2 for
// a command-line mistake (an unknown, misplaced or repeated option, a
// missing value, a --limb or --form word that chooses nothing, two
// commands at once, a required option left out).
#pragma once

#include <QStringList>

#include <optional>

namespace tarnquil {

// Whether the arguments (after the program's name) ask for one of the
// commands above: one of them is --almanac, --sight, --latitude,
// --compass-error, --rise-set, --stars or --identify.
bool isCelestialCommand(const QStringList& arguments);

// Does it all, writing to stdout and stderr; returns the exit status.
int runCelestialCommand(const QStringList& arguments);

}  // namespace tarnquil
