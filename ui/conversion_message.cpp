// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversion_message.h"

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

// Embeddings, overrides and isolates typed into a field would reach past the
// closing quotation mark and reorder the rest of the message.
bool isDirectionControl(QChar c)
{
    const char16_t unit = c.unicode();
    return (unit >= 0x202A && unit <= 0x202E) || (unit >= 0x2066 && unit <= 0x2069);
}

// A text as the message quotes it: without direction controls, and a long
// paste cut to its beginning and its end (where the minutes and seconds are),
// so that the message stays readable and its box fits the screen.
QString quoted(const QString& text)
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

// Why the text was refused, after the colon of the message.
QString reason(geo::EntryMode mode, const geo::ConversionError& error, bool overflow)
{
    const QString piece = quoted(QString::fromStdString(error.piece()));
    const QString lastFourDigits = u"秒格式的最后四位应为分和秒的数字。"_s;
    switch (error.reading()) {
    case geo::Reading::MinutesDigits:
        return lastFourDigits + piece + u"不是有效的分钟数。"_s;
    case geo::Reading::SecondsDigits:
        return lastFourDigits + piece + u"不是有效的秒数。"_s;
    case geo::Reading::Degrees:
    case geo::Reading::HundredDegrees:
        // In the minutes form 100 x degrees must fit as well, which is the
        // tighter limit of the two.
        return mode == geo::EntryMode::Minutes ? u"分格式的度数应在 -327 到 327 之间。"_s
                                               : u"度数应在 -32768 到 32767 之间。"_s;
    case geo::Reading::WholeText:
        break;
    }
    return overflow ? u"数值太大。"_s : u"应为一个数字。"_s;
}

}  // namespace

QString conversionFailureMessage(const QString& fieldName, const QString& text,
                                 geo::EntryMode mode, const geo::ConversionError& error)
{
    const bool overflow = dynamic_cast<const geo::OverflowError*>(&error) != nullptr;
    return fieldName + quoted(text) + (overflow ? u"超出范围："_s : u"无法识别："_s)
        + reason(mode, error, overflow);
}

}  // namespace tarnquil
