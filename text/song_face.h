// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace tarnquil {

// The families of the Song face that the windows and the printed route are
// written in, in the order asked for: its Windows name first (宋体, SimSun),
// then Noto Serif CJK SC, which Debian's fonts-noto-cjk installs.
QStringList songFamilies();

}  // namespace tarnquil
