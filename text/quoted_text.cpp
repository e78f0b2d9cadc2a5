// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/quoted_text.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

// Embeddings, overrides and isolates in a quoted text would reach past the
// closing quotation mark and reorder the rest of the message.
bool isDirectionControl(QChar c)
{
    const char16_t unit = c.unicode();
    return (unit >= 0x202A && unit <= 0x202E) || (unit >= 0x2066 && unit <= 0x2069);
}

}  // namespace

QString quotedText(const QString& text)
{
    constexpr qsizetype kept = 16;  // characters kept at each end of a long text
    QString shown = text;
    if (text.size() > 3 * kept) {
        qsizetype head = kept;
        if (text[head - 1].isHighSurrogate() && text[head].isLowSurrogate())
            --head;
        qsizetype tail = text.size() - kept;
        if (text[tail - 1].isHighSurrogate() && text[tail].isLowSurrogate())
            ++tail;
        shown = text.first(head) + u"…"_s + text.sliced(tail);
    }
    shown.removeIf(isDirectionControl);
    return u"“"_s + shown + u"”"_s;
}

QString quotedPath(const QString& path)
{
    QString shown = QDir::toNativeSeparators(path);
    shown.removeIf(isDirectionControl);
    return u"“"_s + shown + u"”"_s;
}

QString withoutFullStop(QString text)
{
    while (text.endsWith(u'.') || text.endsWith(u'。'))
        text.chop(1);
    return text;
}

}  // namespace tarnquil
