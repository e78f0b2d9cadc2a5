// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace tarnquil {

// The Song face the program writes its texts in, at a size in points: asked
// for by its Windows name first (宋体, SimSun), then Noto Serif CJK SC, which
// Debian's fonts-noto-cjk installs.
QFont songFont(qreal pointSize);

}  // namespace tarnquil
