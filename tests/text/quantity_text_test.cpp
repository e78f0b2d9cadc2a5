// SPDX-License-Identifier: GPL-3.0-or-later
// The numbers typed besides positions, as the route window and the command
// line read them: blanks, full-width forms and each quantity's own units
// taken; other units and words refused as unreadable; every way of writing a
// value beyond the quantity's range refused alike.
#include "text/quantity_text.h"

#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

enum class Kind { Speed, Course, Distance, RouteIndex };

tarnquil::QuantityReading readAs(Kind kind, const QString& text)
{
    switch (kind) {
    case Kind::Speed:
        return tarnquil::readSpeedText(text);
    case Kind::Course:
        return tarnquil::readCourseText(text);
    case Kind::Distance:
        return tarnquil::readDistanceText(text);
    case Kind::RouteIndex:
        break;
    }
    return tarnquil::readRouteIndexText(text);
}

}  // namespace

class QuantityTextTest : public QObject
{
    Q_OBJECT

private slots:
    void reading_data();
    void reading();
    void sameRefusalWhateverTheForm_data();
    void sameRefusalWhateverTheForm();
};

void QuantityTextTest::reading_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");  // NaN: refused
    QTest::addColumn<QString>("refusal");
    const double refused = std::nan("");
    const auto row = [](const char* name, Kind kind, const QString& text, double value,
                        const QString& refusal = {}) {
        QTest::newRow(name) << int(kind) << text << value << refusal;
    };
    row("speed", Kind::Speed, u"12.5"_s, 12.5);
    row("speed in knots", Kind::Speed, u"12kn"_s, 12);
    row("speed in 节 after a blank", Kind::Speed, u"12 节"_s, 12);
    row("full-width speed and unit, ideographic blanks", Kind::Speed, u"　１２．５ｋｎ　"_s, 12.5);
    row("speed in km/h", Kind::Speed, u"12km/h"_s, refused,
        u"航速“12km/h”无法识别：应为不小于 0.00000001 的节数，如 12、12.5 或 12kn。"_s);
    row("speed of zero", Kind::Speed, u"0"_s, refused,
        u"航速“0”超出范围：应为不小于 0.00000001 的节数，如 12、12.5 或 12kn。"_s);
    row("slowest speed that gives a time", Kind::Speed, u"0.00000001kn"_s, 1e-8);
    row("speed too small to give a time", Kind::Speed, u"1e-320"_s, refused,
        u"航速“1e-320”超出范围：应为不小于 0.00000001 的节数，如 12、12.5 或 12kn。"_s);
    row("decimal comma", Kind::Speed, u"12,5"_s, refused,
        u"航速“12,5”无法识别：应为不小于 0.00000001 的节数，如 12、12.5 或 12kn。"_s);
    row("course with a degree sign", Kind::Course, u"045°"_s, 45);
    row("course in 度", Kind::Course, u"45.5度"_s, 45.5);
    row("course of minus zero shown as zero", Kind::Course, u"-0"_s, 0);
    row("course in knots", Kind::Course, u"45kn"_s, refused,
        u"航向“45kn”无法识别：应是 0 到 360 之间的度数，如 45、045° 或 123.5。"_s);
    row("course below 0", Kind::Course, u"-5"_s, refused,
        u"航向“-5”超出范围：应是 0 到 360 之间的度数，如 45、045° 或 123.5。"_s);
    row("course with two units", Kind::Course, u"45°°"_s, refused,
        u"航向“45°°”无法识别：应是 0 到 360 之间的度数，如 45、045° 或 123.5。"_s);
    row("distance in nm", Kind::Distance, u"100nm"_s, 100);
    row("distance in 海里", Kind::Distance, u"100海里"_s, 100);
    row("distance with an exponent", Kind::Distance, u"1.5e2"_s, 150);
    row("distance of the longest run", Kind::Distance, u"1000000"_s, 1e6);
    row("distance in km", Kind::Distance, u"100km"_s, refused,
        u"航程“100km”无法识别：应是 0 到 1000000 之间的海里数，如 120.5 或 120.5nm。"_s);
    row("distance as a word", Kind::Distance, u"inf"_s, refused,
        u"航程“inf”无法识别：应是 0 到 1000000 之间的海里数，如 120.5 或 120.5nm。"_s);
    row("route index", Kind::RouteIndex, u"２"_s, 2);
    row("route index with an exponent", Kind::RouteIndex, u"1e1"_s, 10);
    row("route index with a fraction", Kind::RouteIndex, u"1.5"_s, refused,
        u"航线序号“1.5”无法识别：应为从 1 起的整数，不超过文件中的航线数。"_s);
    row("route index 0", Kind::RouteIndex, u"0"_s, refused,
        u"航线序号“0”超出范围：应为从 1 起的整数，不超过文件中的航线数。"_s);
    row("route index of 40 digits", Kind::RouteIndex, QString(40, u'9'), refused,
        u"航线序号“9999999999999999999999999999999999999999”超出范围：应为从 1 起的整数，不超过文件中的航线数。"_s);
}

void QuantityTextTest::reading()
{
    QFETCH(int, kind);
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(QString, refusal);
    const tarnquil::QuantityReading reading = readAs(Kind(kind), text);
    QCOMPARE(reading.refusal, refusal);
    if (std::isnan(value)) {
        QVERIFY(!reading.value);
    } else {
        QVERIFY(reading.value);
        QCOMPARE(*reading.value, value);
        QVERIFY(!std::signbit(*reading.value));
    }
}

// A value is out of range however it is written: as digits, with an
// exponent, too large for a double.
void QuantityTextTest::sameRefusalWhateverTheForm_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("reason");  // after the verdict
    const QString distance = u"应是 0 到 1000000 之间的海里数，如 120.5 或 120.5nm。"_s;
    QTest::newRow("distance") << int(Kind::Distance)
                              << QStringList{u"1e9"_s, u"1000000000"_s, u"1E9nm"_s, u"１０００００００００"_s,
                                             u"1e999"_s, QString(400, u'9')}
                              << distance;
    QTest::newRow("course") << int(Kind::Course) << QStringList{u"1e9"_s, u"1000000000°"_s, u"-1e999"_s}
                            << u"应是 0 到 360 之间的度数，如 45、045° 或 123.5。"_s;
    QTest::newRow("speed") << int(Kind::Speed) << QStringList{u"1e999"_s, u"-12kn"_s, u"0.0"_s, u"5e-324"_s,
                                                      u"0.0000000099"_s}
                           << u"应为不小于 0.00000001 的节数，如 12、12.5 或 12kn。"_s;
    QTest::newRow("route index") << int(Kind::RouteIndex)
                                 << QStringList{u"1e30"_s, u"1000000000000000000000000000000"_s, u"-1"_s}
                                 << u"应为从 1 起的整数，不超过文件中的航线数。"_s;
}

void QuantityTextTest::sameRefusalWhateverTheForm()
{
    QFETCH(int, kind);
    QFETCH(QStringList, texts);
    QFETCH(QString, reason);
    for (const QString& text : texts) {
        const tarnquil::QuantityReading reading = readAs(Kind(kind), text);
        QVERIFY2(!reading.value, qPrintable(text));
        QVERIFY2(reading.refusal.endsWith(u"”超出范围："_s + reason), qPrintable(reading.refusal));
    }
}

QTEST_GUILESS_MAIN(QuantityTextTest)
#include "quantity_text_test.moc"
