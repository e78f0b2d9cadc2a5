// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/song_font.h"

#include "text/song_face.h"

namespace tarnquil {

QFont songFont(qreal pointSize)
{
    QFont font;
    font.setFamilies(songFamilies());
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    return font;
}

}  // namespace tarnquil
