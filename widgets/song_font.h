// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QStringList>

namespace tarnquil {

// The families of the Song face (text/song_face.h) that the font database
// holds, in the order asked for; all of them when it holds none, so that Qt
// still finds the nearest face itself. On Debian with fonts-noto-cjk:
// {"Noto Serif CJK SC"}; on a Chinese Windows: {"宋体"}.
// Asking for a family that is not installed costs start-up time for nothing:
// Qt then asks fontconfig for the fallback faces of that family (sorting
// every installed font) before it takes the next family named, and a family
// named after the one taken has it build that face's fallback list at
// once, where a character the face lacks would have it build the same list
// when first drawn. Needs the QGuiApplication.
QStringList installedSongFamilies();

// The Song face at a size in points, in its regular weight: the face the
// windows write their texts in.
QFont songFont(qreal pointSize);

}  // namespace tarnquil
