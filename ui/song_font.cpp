// SPDX-License-Identifier: GPL-3.0-or-later
#include "song_font.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace tarnquil {

QFont songFont(qreal pointSize)
{
    QFont font;
    font.setFamilies({u"宋体"_s, u"SimSun"_s, u"Noto Serif CJK SC"_s});
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    return font;
}

}  // namespace tarnquil
