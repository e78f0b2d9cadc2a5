// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace tarnquil {

// The Song face (text/song_face.h) the windows write their texts in, at a
// size in points, in its regular weight.
QFont songFont(qreal pointSize);

}  // namespace tarnquil
