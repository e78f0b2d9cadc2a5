// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/song_font.h"

#include "text/song_face.h"

#include <QFontDatabase>

namespace tarnquil {

namespace {

QFont regularFont(const QStringList& families, qreal pointSize)
{
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    return font;
}

}  // namespace

QFont songFont(qreal pointSize)
{
    return regularFont(songFamilies(), pointSize);
}

QFont installedSongFont(qreal pointSize)
{
    return regularFont(songFamiliesAmong(QFontDatabase::families()), pointSize);
}

}  // namespace tarnquil
