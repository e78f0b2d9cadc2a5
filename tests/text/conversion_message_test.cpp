// SPDX-License-Identifier: GPL-3.0-or-later
// The messages of the reader's refusals: one row per rule the rule for plain
// numbers and the newer notations added, in the classic window's words and
// in the route's, with the characters at fault named and the text quoted in
// full.
#include "text/conversion_message.h"

#include "geo/coordinate_text.h"
#include "geo/position_text.h"

#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

// Where a text is read, and in which form.
enum class Reader { ClassicMinutes, ClassicSeconds, RouteMinutes, RouteDegrees, Position };

// The refusal of a text, or nothing when it reads.
std::optional<geo::CoordinateError> refusalOf(const QString& text, Reader reader, geo::Axis axis)
{
    const std::string utf8 = text.toStdString();
    try {
        switch (reader) {
        case Reader::ClassicMinutes:
            geo::readCoordinate(utf8, geo::EntryMode::Minutes, axis);
            break;
        case Reader::ClassicSeconds:
            geo::readCoordinate(utf8, geo::EntryMode::Seconds, axis);
            break;
        case Reader::RouteMinutes:
            geo::readRouteCoordinate(utf8, geo::NumberForm::Minutes, axis);
            break;
        case Reader::RouteDegrees:
            geo::readRouteCoordinate(utf8, geo::NumberForm::Degrees, axis);
            break;
        case Reader::Position:
            geo::readPosition(utf8, geo::NumberForm::Minutes);
            break;
        }
    } catch (const geo::CoordinateError& error) {
        return error;
    }
    return std::nullopt;
}

}  // namespace

class ConversionMessageTest : public QObject
{
    Q_OBJECT

private slots:
    void message_data();
    void message();
};

void ConversionMessageTest::message_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("reader");
    QTest::addColumn<bool>("latitude");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("message");

    const auto row = [](const char* name, const QString& text, Reader reader, bool latitude,
                        const QString& field, const QString& message) {
        QTest::newRow(name) << text << int(reader) << latitude << field << message;
    };
    const QString latitude1 = u"点Ⅰ纬度"_s;
    row("AmbiguousNumber", u"25.3N"_s, Reader::ClassicMinutes, true, latitude1,
        u"点Ⅰ纬度“25.3N”无法识别：25.3°N（度）还是 0°25.3′N（度分）？请写作 25.3°N 或 0025.3N"_s);
    row("AmbiguousNumber in the seconds form", u"30N"_s, Reader::ClassicSeconds, true, latitude1,
        u"点Ⅰ纬度“30N”无法识别：30°N（度）还是 0°00′30″N（度分秒）？请写作 30°N 或 000030N"_s);
    row("AmbiguousNumber in a route cell", u"31.4"_s, Reader::RouteMinutes, true, u"纬度"_s,
        u"纬度“31.4”无法识别：31.4°（度）还是 0°31.4′（度分）？请写作 31.4° 或 0031.4"_s);
    // A longitude counted east to 360°: both readings, and how to write each.
    row("ZeroTo360Longitude in a route cell", u"359.5"_s, Reader::RouteMinutes, false, u"经度"_s,
        u"经度“359.5”无法识别：359.5°（0°–360° 向东计，即 0.5°W）还是 3°59.5′（度分）？请写作 0.5°W 或 00359.5"_s);
    row("ZeroTo360Longitude west with a hemisphere", u"200W"_s, Reader::ClassicMinutes, false,
        u"点Ⅰ经度"_s,
        u"点Ⅰ经度“200W”无法识别：200°W（0°–360° 向东计，即 160°E）还是 2°00′W（度分）？请写作 160°E 或 00200W"_s);
    row("ZeroTo360Longitude negative with a fraction", u"-200.25"_s, Reader::RouteMinutes, false,
        u"经度"_s,
        u"经度“-200.25”无法识别：-200.25°（0°–360° 向东计，即 159.75°E）还是 -2°00.25′（度分）？请写作 159.75°E 或 -00200.25"_s);
    row("MissingMinutes", u"30°10″N"_s, Reader::ClassicMinutes, true, latitude1,
        u"点Ⅰ纬度“30°10″N”无法识别：度之后缺少分：秒的符号“″”前应先写分，如 30°00′10″N。"_s);
    row("SecondsOrSouth", u"42°50′30s"_s, Reader::ClassicMinutes, true, latitude1,
        u"点Ⅰ纬度“42°50′30s”无法识别：“s”是秒还是南？秒请写秒的符号，如 42°50′30″；南请写 S 或 南，如 42°50′30″S。"_s);
    row("UnknownWord", u"30 deg 10.2 min N"_s, Reader::ClassicMinutes, true, latitude1,
        u"点Ⅰ纬度“30 deg 10.2 min N”无法识别：“deg”不是能识别的写法：度、分、秒请写 ° ′ ″ 或 度 分 秒，方位请写 N、S、E、W 或 北、南、东、西。"_s);
    row("WholePosition in a latitude", u"30°10.2′N 122°05.3′E"_s, Reader::RouteMinutes, true,
        u"纬度"_s,
        u"纬度“30°10.2′N 122°05.3′E”无法识别：这里只填纬度，所填的是整个位置（纬度和经度），经度请填在经度里。"_s);
    row("WholePosition in a longitude", u"30°10.2′N 122°05.3′E"_s, Reader::ClassicMinutes, false,
        u"点Ⅰ经度"_s,
        u"点Ⅰ经度“30°10.2′N 122°05.3′E”无法识别：这里只填经度，所填的是整个位置（纬度和经度），纬度请填在纬度里。"_s);
    row("SixtyOrMore packed", u"3075.0N"_s, Reader::ClassicMinutes, true, latitude1,
        u"点Ⅰ纬度“3075.0N”无法识别：分和秒应小于60，“75.0”不行。"_s);
    // A NUL is named by its code, and the text quoted shows it as ␀: the
    // message goes on past it.
    row("NUL inside", u"42"_s + QChar(u'\0') + u" 50N"_s, Reader::ClassicMinutes, true, latitude1,
        u"点Ⅰ纬度“42␀ 50N”无法识别：不可见字符（U+0000 NULL）既不是数字，也不是方位（N、S、E、W 或 北、南、东、西），也不是度分秒的符号。"_s);
    row("Escape inside", u"42\x1b"_s + u"50N"_s, Reader::RouteMinutes, true, u"纬度"_s,
        u"纬度“42␛50N”无法识别：不可见字符（U+001B ESCAPE）既不是数字，也不是方位（N、S、E、W 或 北、南、东、西），也不是度分秒的符号。"_s);
    // Out of range: the classic window keeps its words, the route says which
    // coordinate, never the packed forms' 16-bit limits.
    row("OutOfRange in the classic window", u"9100N"_s, Reader::ClassicMinutes, true, latitude1,
        u"点Ⅰ纬度“9100N”超出范围：度数应在 -90 到 90 之间。"_s);
    row("OutOfRange latitude on a route", u"-32800"_s, Reader::RouteMinutes, true, u"纬度"_s,
        u"纬度“-32800”超出范围：纬度应在 -90° 到 90° 之间。"_s);
    row("OutOfRange longitude on a route", u"18030"_s, Reader::RouteMinutes, false, u"经度"_s,
        u"经度“18030”超出范围：经度应在 -180° 到 180° 之间。"_s);
    row("OutOfRange packed in the 度 form", u"3010.2N"_s, Reader::RouteDegrees, true, u"纬度"_s,
        u"纬度“3010.2N”超出范围：纬度应在 -90° 到 90° 之间。"_s);
    // Whole positions.
    row("MissingHemisphere", u"30°10.2′N 122.5"_s, Reader::Position, true, u"位置"_s,
        u"位置“30°10.2′N 122.5”无法识别：位置的纬度和经度都要标上方位（N、S、E、W 或 北、南、东、西），“122.5”没有标。"_s);
    row("DecimalComma in a position", u"30°10,2′N"_s, Reader::Position, true, u"位置"_s,
        u"位置“30°10,2′N”无法识别：小数点应写作“.”，不能用逗号。"_s);
    row("OutOfRange in a position", u"9100N 12000E"_s, Reader::Position, true, u"位置"_s,
        u"位置“9100N 12000E”超出范围：纬度应在 -90° 到 90° 之间。"_s);
    row("PositionTooLong", QString(300, u'1') + u"N 122E"_s, Reader::Position, true, u"位置"_s,
        u"位置“1111111111111111…1111111111N 122E”无法识别：位置太长：除空格外最多 256 个字符。"_s);
}

void ConversionMessageTest::message()
{
    QFETCH(QString, text);
    QFETCH(int, reader);
    QFETCH(bool, latitude);
    QFETCH(QString, field);
    QFETCH(QString, message);

    const std::optional<geo::CoordinateError> error =
        refusalOf(text, Reader(reader), latitude ? geo::Axis::Latitude : geo::Axis::Longitude);
    QVERIFY2(error.has_value(), "the text was read");
    QCOMPARE(tarnquil::conversionFailureMessage(field, text, *error), message);
}

QTEST_GUILESS_MAIN(ConversionMessageTest)
#include "conversion_message_test.moc"
