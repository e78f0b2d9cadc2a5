// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/conversion_message.h"
#include "text/quoted_text.h"

#include "geo/character_names.h"

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

QString codeAndName(char32_t c)
{
    const QString code = u"U+%1"_s.arg(static_cast<uint>(c), 4, 16, QLatin1Char('0')).toUpper();
    const std::string_view name = geo::characterName(c);
    return name.empty() ? code
                        : code + u' ' + QString::fromLatin1(name.data(), qsizetype(name.size()));
}

// The characters that break a rule. One that cannot be seen, or looks like
// another, is named by its code and name as well.
QString shown(const std::u32string& piece)
{
    if (piece.size() != 1)
        return quotedText(QString::fromStdU32String(piece));
    const char32_t c = piece.front();
    switch (geo::visibilityOf(c)) {
    case geo::Visibility::Invisible:
        return u"不可见字符（"_s + codeAndName(c) + u"）"_s;
    case geo::Visibility::LookAlike:
        return quotedText(QString::fromStdU32String(piece)) + u"（"_s + codeAndName(c) + u"）"_s;
    case geo::Visibility::Plain:
        break;
    }
    return quotedText(QString::fromStdU32String(piece));
}

// A limit of a rule (the degrees a form holds, the characters a text may
// have), to ten digits.
QString limitText(double value) { return QString::number(value, 'g', 10); }

bool isLatitude(const geo::CoordinateError& error) { return error.axis() == geo::Axis::Latitude; }

QString fromU32(const std::u32string& text) { return QString::fromStdU32String(text); }

// "25.3°N（度）还是 0°25.3′N（度分）？请写作 25.3°N 或 0025.3N"
QString twoReadings(const geo::TwoReadings& readings)
{
    const QString packedForm = readings.packedForm == geo::EntryMode::Minutes ? u"度分"_s
                                                                              : u"度分秒"_s;
    return u"%1（度）还是 %2（%3）？请写作 %1 或 %4"_s.arg(
        fromU32(readings.degrees), fromU32(readings.packed), packedForm,
        fromU32(readings.packedSpelling));
}

// "359.5°（0°–360° 向东计，即 0.5°W）还是 3°59.5′（度分）？请写作 0.5°W 或 00359.5"
QString fullCircleReadings(const geo::TwoReadings& readings)
{
    const QString packedForm = readings.packedForm == geo::EntryMode::Minutes ? u"度分"_s
                                                                              : u"度分秒"_s;
    return u"%1（0°–360° 向东计，即 %2）还是 %3（%4）？请写作 %2 或 %5"_s.arg(
        fromU32(readings.degrees), fromU32(readings.withinHalfCircle), fromU32(readings.packed),
        packedForm, fromU32(readings.packedSpelling));
}

// The classic window keeps its own words; the route's surfaces say which
// coordinate is out of which range.
QString outOfRangeReason(const geo::CoordinateError& error)
{
    const QString lowest = limitText(error.limits().lowest);
    const QString highest = limitText(error.limits().highest);
    if (error.surface() == geo::Surface::ClassicWindow)
        return u"度数应在 %1 到 %2 之间。"_s.arg(lowest, highest);
    return isLatitude(error) ? u"纬度应在 %1° 到 %2° 之间。"_s.arg(lowest, highest)
                             : u"经度应在 %1° 到 %2° 之间。"_s.arg(lowest, highest);
}

}  // namespace

QString refusalReason(const geo::CoordinateError& error)
{
    const QString piece = shown(error.piece());
    switch (error.rule()) {
    case geo::Rule::NoNumber:
        return u"其中没有数字。"_s;
    case geo::Rule::StrayCharacter:
        return piece + u"既不是数字，也不是方位（N、S、E、W 或 北、南、东、西），也不是度分秒的符号。"_s;
    case geo::Rule::DecimalComma:
        return u"小数点应写作“.”，不能用逗号。"_s;
    case geo::Rule::TwoPoints:
        return u"一个数里只能有一个小数点，"_s + piece + u"是多余的。"_s;
    case geo::Rule::MisplacedHemisphere:
        return u"方位"_s + piece + u"只能写在最前面或最后面。"_s;
    case geo::Rule::TwoHemispheres:
        return u"方位只能写一个，"_s + piece + u"是第二个。"_s;
    case geo::Rule::WrongAxis:
        return isLatitude(error) ? piece + u"属于经度，纬度只能用 N、S（北、南）。"_s
                                 : piece + u"属于纬度，经度只能用 E、W（东、西）。"_s;
    case geo::Rule::HemisphereAndMinus:
        return u"已用"_s + piece + u"表示方位，不能再加负号。"_s;
    case geo::Rule::MisplacedSign:
        return u"正负号只能写在数字的最前面，"_s + piece + u"的位置不对。"_s;
    case geo::Rule::FractionInSeconds:
        return u"秒格式的最后两位是秒，不能带小数点（带小数的秒可写作 42°11′25.5″）。"_s;
    case geo::Rule::NoDegreeSign:
        return u"分、秒的符号"_s + piece + u"前应先写度数和度的符号，如 42°50.0′。"_s;
    case geo::Rule::MissingNumber:
        return piece + u"前缺少数字。"_s;
    case geo::Rule::MarksOutOfOrder:
        return u"度、分、秒应按先后顺序各写一次，"_s + piece + u"的位置不对。"_s;
    case geo::Rule::MixedNotation:
        return u"度分秒符号、冒号和短横线只能选用一种，"_s + piece + u"与前面的写法不同。"_s;
    case geo::Rule::ExtraNumber:
        return u"度、分、秒都已写出，"_s + piece + u"是多余的。"_s;
    case geo::Rule::DetachedFraction:
        return piece + u"是度还是分的小数？请写作 42.5° 或 42°00.5′。"_s;
    case geo::Rule::FractionNotLast:
        return u"只有最后一部分可以带小数，"_s + piece + u"之后不能再写分或秒。"_s;
    case geo::Rule::SixtyOrMore:
        return u"分和秒应小于60，"_s + piece + u"不行。"_s;
    case geo::Rule::DashNeedsHemisphere:
        return isLatitude(error)
            ? piece + u"是负号还是分隔符？用短横线分隔度和分时，请加上方位 N 或 S，如 38-52.3N。"_s
            : piece + u"是负号还是分隔符？用短横线分隔度和分时，请加上方位 E 或 W，如 121-40.7E。"_s;
    case geo::Rule::OutOfRange:
        return outOfRangeReason(error);
    case geo::Rule::IncompletePosition:
        return u"位置应包括纬度（N、S）和经度（E、W）两部分，中间用空格、逗号、分号或斜线隔开。"_s;
    case geo::Rule::AmbiguousPosition:
        return u"分不清哪部分是纬度、哪部分是经度，请都标上方位，如 30°10.2′N 122°05.3′E。"_s;
    case geo::Rule::AmbiguousNumber:
        return twoReadings(error.readings());
    case geo::Rule::MissingMinutes:
        return u"度之后缺少分：秒的符号"_s + piece + u"前应先写分，如 30°00′10″N。"_s;
    case geo::Rule::SecondsOrSouth:
        return piece + u"是秒还是南？秒请写秒的符号，如 42°50′30″；南请写 S 或 南，如 42°50′30″S。"_s;
    case geo::Rule::UnknownWord:
        return piece + u"不是能识别的写法：度、分、秒请写 ° ′ ″ 或 度 分 秒，方位请写 N、S、E、W 或 北、南、东、西。"_s;
    case geo::Rule::WholePosition:
        return isLatitude(error) ? u"这里只填纬度，所填的是整个位置（纬度和经度），经度请填在经度里。"_s
                                 : u"这里只填经度，所填的是整个位置（纬度和经度），纬度请填在纬度里。"_s;
    case geo::Rule::MissingHemisphere:
        return u"位置的纬度和经度都要标上方位（N、S、E、W 或 北、南、东、西），"_s + piece + u"没有标。"_s;
    case geo::Rule::ZeroTo360Longitude:
        return fullCircleReadings(error.readings());
    case geo::Rule::PositionTooLong:
        return u"位置太长：除空格外最多 %1 个字符。"_s.arg(limitText(error.limits().highest));
    }
    return {};
}

QString conversionFailureMessage(const QString& fieldName, const QString& text,
                                 const geo::CoordinateError& error)
{
    const bool outOfRange = error.rule() == geo::Rule::OutOfRange;
    return fieldName + quotedText(text)
        + (outOfRange ? u"超出范围："_s : u"无法识别："_s) + refusalReason(error);
}

}  // namespace tarnquil
