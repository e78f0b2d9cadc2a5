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

// Control characters as the symbols that picture them (U+0000 as ␀, tab as
// ␉, DEL as ␡): a NUL would end the message wherever it is handed on as a C
// string, and a line break would break it in two.
QString visibleControls(QString text)
{
    constexpr char16_t controlPictures = 0x2400;
    constexpr char16_t deletePicture = 0x2421;
    constexpr char16_t firstPrintable = 0x20;
    constexpr char16_t deleteControl = 0x7F;
    for (QChar& c : text) {
        if (c.unicode() < firstPrintable)
            c = QChar(char16_t(controlPictures + c.unicode()));
        else if (c.unicode() == deleteControl)
            c = QChar(deletePicture);
    }
    return text;
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
    return u"“"_s + visibleControls(shown) + u"”"_s;
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
