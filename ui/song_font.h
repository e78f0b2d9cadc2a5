// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace tarnquil {

// The Song face (宋体) the program's windows are set in, asked for by its
// Windows name first, then SimSun, then the Song face of Linux desktops
// (fonts-noto-cjk), at the given size and normal weight.
QFont songFont(qreal pointSize);

}  // namespace tarnquil
