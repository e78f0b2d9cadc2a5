// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of position fixing (陆标定位):
//   tarnquil --fix                       the fix window
//   tarnquil --fix OBSERVATION... [--near "POS"] [--compass-error DEG]
//            [--model wgs84|sphere] [--form 分|秒|度] [--json]
//            [--index-correction ′] [--height M] [--temperature °C]
//            [--pressure HPA] [--dut1 S]       the sight options, as --sight's
//   OBSERVATION, in the order observed:
//     --bearing "MARK" DEG          true bearing of the mark from the ship
//                                   (by compass with --compass-error)
//     --range "MARK" NM             distance to the mark
//     --angle "MARK1" "MARK2" DEG   horizontal angle at the ship, clockwise
//                                   from MARK1 to MARK2
//     --altitude BODY TIME HS [--limb lower|upper]
//                                   a sextant altitude, read as --sight reads
//                                   it (text/altitude_reading.h); requires
//                                   --near, its assumed position, or is a
//                                   command-line mistake (status 2)
//     --run COURSE NM               the ship then ran COURSE for NM on a
//                                   rhumb line: earlier observations are
//                                   carried forward
// OBSERVATION's options, their values and their words are the kinds'
// (text/observation_kinds.h). Marks, values and runs are read as the fix
// window reads its rows (text/observation_reading.h): a mark is a whole
// position in any notation the reader takes, in the --form given (分 by
// default), a name and a position ("花鸟山 3051.5N 12240.0E") or a name
// given so in another observation; --near is a whole position. DEG and NM
// are decimal numbers with their units or none ("45", "045°", "3.5nm"); a
// compass error may have a sign ("-2.5"). The figures name a named mark by
// its name.
//
// Without --json: the fix as nav/display.h writes it on the first line
// ("30°10.20′N 122°05.30′E"), then its figures in Chinese (fixFigures,
// text/fix_words.h). With --json, one object:
//   {"fix": {"lat": .., "lon": ..},
//    "solutions": [{"lat": .., "lon": ..}, ...],   nearest --near first
//    "cocked_hat": [{..}, {..}, {..}],            three lines: (1,2), (1,3), (2,3)
//    "compass_error": .., "compass_error_remaining": .., "fix_common_error": {..},
//                                                   three bearings or more: the
//                                                   whole error, and what remains
//                                                   of it beyond --compass-error
//    "marks": [{"lat": .., "lon": .., "bearing": .., "distance": ..}, ...],
//    "observations": [{"kind": "bearing"|"range"|"horizontal_angle",
//                      "marks": [{..}] (two for an angle), "value": ..},
//                     {"kind": "altitude", "position": {..} (the body's
//                      geographical position), "ho": .., "assumed": {..},
//                      "intercept": .. (n mile, toward positive), "zn": ..}, ...],
//    "warnings": [{"kind": "poor_cut"|"danger_circle"|"large_cocked_hat"|
//                   "line_far_from_fix",
//                  "observations": [1, 2], "value": .., "message": ".."}],
//    "common_error_warnings": [..]}   the common-error solution's, as warnings
//                                     are; left out while there are none
// A poor cut or a danger circle names its two lines, a large cocked hat the
// one line its longest side lies on ("observations": [3]), a line far from
// the fix that line. Positions are in
// decimal degrees, each the shortest text that reads back as the same
// double; members without a value are left out.
// Exit status: 0 with a fix; 1, with the reason on stderr and nothing on
// stdout, for no fix, fewer than two observations, or a value that does
// not read or is out of range; 2 for a command-line mistake (an unknown,
// misplaced or repeated option, a missing value, a word --model or --form
// does not take).
#pragma once

#include <QStringList>

namespace tarnquil {

// What is left to do: open the window, or exit with the status.
struct FixCommand {
    bool openWindow = false;
    int status = 0;
};

// Reads the arguments after the program's name, one of them --fix, and does
// all of it that needs no window, writing to stdout and stderr.
FixCommand readFixCommand(const QStringList& arguments);

}  // namespace tarnquil
