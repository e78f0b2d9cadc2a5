// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace tarnquil {

// The families of the Song face that the windows and the printed route are
// written in, in the order asked for: its Windows name first (宋体, SimSun),
// then Noto Serif CJK SC, which Debian's fonts-noto-cjk installs.
QStringList songFamilies();

// The fixed-pitch families the celestial reports are shown and printed in,
// whose ideographs are two Latin letters wide, so that their columns line
// up as on a terminal (report_lines.h): the Song face's fixed-pitch form
// (新宋体, NSimSun) on Windows, then Noto Sans Mono CJK SC.
QStringList fixedPitchFamilies();

// The families of songFamilies() among the installed families named, in the
// order of songFamilies(), whatever the case of the installed names; all of
// songFamilies() when none is installed, so that the font system can still
// find the nearest face. For example, among
//   {"DejaVu Sans", "Noto Serif CJK SC"}   (Debian):   {"Noto Serif CJK SC"}
//   {"宋体", "微软雅黑"}                     (a Chinese Windows):   {"宋体"}
//   {"DejaVu Sans"}:   {"宋体", "SimSun", "Noto Serif CJK SC"}
// A family asked for that is not installed costs the start-up: Qt then asks
// fontconfig for that family's fallback faces (sorting every installed font)
// before it takes the next family named.
QStringList songFamiliesAmong(const QStringList& installed);

}  // namespace tarnquil
