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

}  // namespace tarnquil
