// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/song_face.h"

using namespace Qt::StringLiterals;

namespace tarnquil {

QStringList songFamilies()
{
    return {u"宋体"_s, u"SimSun"_s, u"Noto Serif CJK SC"_s};
}

QStringList fixedPitchFamilies()
{
    return {u"新宋体"_s, u"NSimSun"_s, u"Noto Sans Mono CJK SC"_s};
}

QStringList songFamiliesAmong(const QStringList& installed)
{
    const QStringList wanted = songFamilies();
    QStringList found;
    for (const QString& family : wanted) {
        if (installed.contains(family, Qt::CaseInsensitive))
            found.append(family);
    }
    return found.isEmpty() ? wanted : found;
}

}  // namespace tarnquil
