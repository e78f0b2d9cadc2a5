// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace tarnquil {

// The Song face (text/song_face.h) at a size in points, in its regular
// weight, asked for by all its names, 宋体 first, as the calculator's window
// always has.
QFont songFont(qreal pointSize);

// The same face, asked for only by the names the font database holds
// (songFamiliesAmong): the face Qt takes is the same, found without asking
// fontconfig for the fallbacks of a family that is not installed, and
// without building the fallback list of the face taken before a character
// it lacks is drawn (16 million of the route window's 174 million
// instructions until its first frame). The route and fix windows write in
// it. Needs the QGuiApplication.
QFont installedSongFont(qreal pointSize);

}  // namespace tarnquil
