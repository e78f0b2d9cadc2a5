// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/song_font.h"

#include "text/song_face.h"

#include <QFontDatabase>

namespace tarnquil {

QStringList installedSongFamilies()
{
    const QStringList installed = QFontDatabase::families();
    QStringList families;
    for (const QString& family : songFamilies()) {
        if (installed.contains(family, Qt::CaseInsensitive))
            families.append(family);
    }
    return families.isEmpty() ? songFamilies() : families;
}

QFont songFont(qreal pointSize)
{
    QFont font;
    font.setFamilies(installedSongFamilies());
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    return font;
}

}  // namespace tarnquil
