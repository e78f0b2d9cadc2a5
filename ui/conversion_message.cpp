// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversion_message.h"
#include "quoted_text.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

bool isLatitudeHemisphere(const QString& word)
{
    static const QStringList latitudeWords
        = {u"N"_s, u"n"_s, u"S"_s, u"s"_s, u"北"_s, u"南"_s, u"北纬"_s, u"南纬"_s};
    return latitudeWords.contains(word);
}

// Which rule of the notations the text breaks.
QString notationReason(geo::Notation notation, const QString& word)
{
    const QString piece = quotedText(word);
    switch (notation) {
    case geo::Notation::NoNumber:
        return u"其中没有数字。"_s;
    case geo::Notation::StrayCharacter:
        return piece + u"既不是数字，也不是方位（N、S、E、W 或 北、南、东、西）。"_s;
    case geo::Notation::DecimalComma:
        return u"小数点应写作“.”，不能用逗号。"_s;
    case geo::Notation::MisplacedHemisphere:
        return u"方位"_s + piece + u"只能写在最前面或最后面。"_s;
    case geo::Notation::TwoHemispheres:
        return u"方位只能写一个，"_s + piece + u"是第二个。"_s;
    case geo::Notation::WrongAxis:
        return isLatitudeHemisphere(word)
            ? piece + u"是纬度的方位，经度只能用 E、W（东、西）。"_s
            : piece + u"是经度的方位，纬度只能用 N、S（北、南）。"_s;
    case geo::Notation::HemisphereAndMinus:
        return u"已用"_s + piece + u"表示方位，不能再加负号。"_s;
    case geo::Notation::MisplacedSign:
        return u"正负号只能写在数字的最前面。"_s;
    case geo::Notation::FractionInSeconds:
        return u"秒格式的最后两位是秒，不能带小数点（带小数的秒可写作 42°11′25.5″）。"_s;
    case geo::Notation::NoDegreeSign:
        return u"分、秒的符号"_s + piece + u"前应先写度和度的符号，如 42°50.0′。"_s;
    case geo::Notation::MissingMark:
        return u"用度的符号时，"_s + piece + u"后面应写分或秒的符号（′ ″）。"_s;
    case geo::Notation::MissingNumber:
        return piece + u"前缺少数字。"_s;
    case geo::Notation::MarksOutOfOrder:
        return u"度、分、秒应按先后顺序各写一次，"_s + piece + u"的位置不对。"_s;
    case geo::Notation::FractionNotLast:
        return u"只有最后一部分可以带小数，"_s + piece + u"之后不能再写分或秒。"_s;
    case geo::Notation::SixtyOrMore:
        return u"用度的符号时，分和秒应小于60，"_s + piece + u"不行。"_s;
    }
    return {};
}

// Why the text was refused, after the colon of the message.
QString reason(geo::EntryMode mode, const geo::ConversionError& error, bool overflow)
{
    const QString word = QString::fromStdU32String(error.piece());
    if (const auto* notation = dynamic_cast<const geo::NotationError*>(&error))
        return notationReason(notation->notation(), word);
    const QString piece = quotedText(word);
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
    case geo::Reading::Notation:
        break;
    }
    return overflow ? u"数值太大。"_s : u"应为一个数字。"_s;
}

}  // namespace

QString conversionFailureMessage(const QString& fieldName, const QString& text,
                                 geo::EntryMode mode, const geo::ConversionError& error)
{
    const bool overflow = dynamic_cast<const geo::OverflowError*>(&error) != nullptr;
    return fieldName + quotedText(text) + (overflow ? u"超出范围："_s : u"无法识别："_s)
        + reason(mode, error, overflow);
}

}  // namespace tarnquil
