// SPDX-License-Identifier: GPL-3.0-or-later
// What a navigator types for leeway and current, read as meant or refused
// in words that name the option; and how α, β and γ are written.
#include "text/current_text.h"
#include "text/current_words.h"

#include "nav/errors.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

enum class Kind { Leeway, Set, Rate, LogCorrection, Hours, Track };

tarnquil::QuantityReading readAs(Kind kind, const QString& text)
{
    const QStringView option = u"--x";
    switch (kind) {
    case Kind::Leeway: return tarnquil::readLeewayText(text, option);
    case Kind::Set: return tarnquil::readCurrentSetText(text, option);
    case Kind::Rate: return tarnquil::readCurrentRateText(text, option);
    case Kind::LogCorrection: return tarnquil::readLogCorrectionText(text, option);
    case Kind::Hours: return tarnquil::readHoursText(text, option);
    case Kind::Track: break;
    }
    return tarnquil::readTrackText(text, option);
}

}  // namespace

class CurrentTextTest : public QObject
{
    Q_OBJECT

private slots:
    void quantities_data();
    void quantities();
    void angles_data();
    void angles();
    void refusalsOfTheTrack();
    void legCurrents_data();
    void legCurrents();
};

void CurrentTextTest::quantities_data()
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
    row("leeway to port", Kind::Leeway, u"+3°"_s, 3);
    row("leeway to starboard in 度", Kind::Leeway, u"-2.5度"_s, -2.5);
    row("leeway with the minus sign", Kind::Leeway, u"−2.5"_s, -2.5);
    row("leeway at the bound", Kind::Leeway, u"-45"_s, -45);
    row("leeway full-width zero", Kind::Leeway, u"０"_s, 0);
    row("leeway just past the bound", Kind::Leeway, u"45.5"_s, refused,
        u"风压差（--x）“45.5”超出范围：应是 -45 到 45 之间的度数，左舷受风为正"_s);
    row("leeway named by its side", Kind::Leeway, u"3 左"_s, refused, u"风压差（--x）“3 左”无法识别"_s);
    row("leeway in knots", Kind::Leeway, u"3kn"_s, refused, u"无法识别"_s);
    row("set at north", Kind::Set, u"360"_s, 360);
    row("set with its unit", Kind::Set, u"120°"_s, 120);
    row("set below north", Kind::Set, u"-1"_s, refused, u"流向（--x）“-1”超出范围"_s);
    row("set beyond the circle", Kind::Set, u"361"_s, refused, u"即流去的方向"_s);
    row("rate in knots", Kind::Rate, u"2.5kn"_s, 2.5);
    row("rate in 节", Kind::Rate, u"2.5 节"_s, 2.5);
    row("rate of still water", Kind::Rate, u"0"_s, 0);
    row("rate negative", Kind::Rate, u"-0.5"_s, refused, u"流速（--x）“-0.5”超出范围：应是不小于 0 的节数"_s);
    row("rate overflowing", Kind::Rate, u"1e999"_s, refused, u"超出范围"_s);
    row("rate in km/h", Kind::Rate, u"2.5km"_s, refused, u"无法识别"_s);
    row("log correction per cent", Kind::LogCorrection, u"+3.5%"_s, 3.5);
    row("log correction full-width per cent", Kind::LogCorrection, u"-2 ％"_s, -2);
    row("log correction past the bound", Kind::LogCorrection, u"-50.5"_s, refused,
        u"计程仪改正率（--x）“-50.5”超出范围：应是 -50 到 50 之间的百分数"_s);
    row("log correction per mille", Kind::LogCorrection, u"2‰"_s, refused, u"无法识别"_s);
    row("hours plain", Kind::Hours, u"2.5"_s, 2.5);
    row("hours in h", Kind::Hours, u"2.5h"_s, 2.5);
    row("hours in 小时", Kind::Hours, u"3 小时"_s, 3);
    row("hours none", Kind::Hours, u"0"_s, 0);
    row("hours negative", Kind::Hours, u"-1"_s, refused, u"航时（--x）“-1”超出范围"_s);
    row("hours infinite", Kind::Hours, u"inf"_s, refused, u"无法识别"_s);
    row("hours and minutes", Kind::Hours, u"2:30"_s, refused, u"航时（--x）“2:30”无法识别"_s);
    row("hours in minutes", Kind::Hours, u"90min"_s, refused, u"无法识别"_s);
    row("track", Kind::Track, u"045°"_s, 45);
    row("track beyond the circle", Kind::Track, u"361"_s, refused,
        u"计划航迹向（--x）“361”超出范围：应是 0 到 360 之间的度数"_s);
}

void CurrentTextTest::quantities()
{
    QFETCH(int, kind);
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(QString, refusal);
    const tarnquil::QuantityReading reading = readAs(Kind(kind), text);
    if (std::isnan(value)) {
        QVERIFY2(!reading.value, qPrintable(QString::number(reading.value.value_or(0))));
        QVERIFY2(reading.refusal.contains(refusal), qPrintable(reading.refusal));
    } else {
        QVERIFY2(reading.value, qPrintable(reading.refusal));
        QCOMPARE(*reading.value, value);
    }
}

void CurrentTextTest::angles_data()
{
    QTest::addColumn<int>("which");  // 0 α, 1 β, 2 γ
    QTest::addColumn<double>("degrees");
    QTest::addColumn<QString>("shown");
    QTest::newRow("leeway, wind on port") << 0 << 3.0 << u"+3.0°（左舷受风）"_s;
    QTest::newRow("leeway, wind on starboard") << 0 << -2.0 << u"-2.0°（右舷受风）"_s;
    QTest::newRow("leeway rounding to none has no side") << 0 << -0.04 << u"0.0°"_s;
    QTest::newRow("drift angle, current from port") << 1 << 9.5553936398 << u"+9.6°（左舷受流）"_s;
    QTest::newRow("drift angle, current from starboard") << 1 << -11.5768 << u"-11.6°（右舷受流）"_s;
    QTest::newRow("drift angle of a current astern") << 1 << 180.0 << u"+180.0°（左舷受流）"_s;
    QTest::newRow("sum has a sign, no side") << 2 << -15.5768 << u"-15.6°"_s;
}

void CurrentTextTest::angles()
{
    QFETCH(int, which);
    QFETCH(double, degrees);
    QFETCH(QString, shown);
    const QString text = which == 0   ? tarnquil::leewayText(degrees)
                         : which == 1 ? tarnquil::driftAngleText(degrees)
                                      : tarnquil::angleSumText(degrees);
    QCOMPARE(text, shown);
}

void CurrentTextTest::refusalsOfTheTrack()
{
    QVERIFY(tarnquil::trackRefusal(nav::CurrentRefusal::TrackNotHeld, 45)
                .startsWith(u"计划航迹向 045.0° 保持不住"_s));
    QVERIFY(tarnquil::trackRefusal(nav::CurrentRefusal::NoWayMadeGood, 359.96)
                .startsWith(u"沿计划航迹向 000.0° 驶不出去"_s));
    QCOMPARE(tarnquil::timeNotForwardRefusal(u"2026-12-08 12:00"_s, u"2026-12-08 08:00"_s, u"--t"),
             u"第二船位的时间（--t）“2026-12-08 08:00”不晚于第一船位的时间“2026-12-08 12:00”：后一次定位的时间要晚于前一次。"_s);
}

// A leg's current as a route's cell holds it: set/rate, each half read and
// refused as --set and --drift are.
void CurrentTextTest::legCurrents_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("set");      // NaN: refused
    QTest::addColumn<double>("rate");
    QTest::addColumn<QString>("refusal");  // a part of the reason
    const double refused = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("set/rate") << u"120/1.5"_s << 120.0 << 1.5 << QString();
    QTest::newRow("with their units") << u"120°/1.5kn"_s << 120.0 << 1.5 << QString();
    QTest::newRow("blanks about the slash") << u" 045 / 2 "_s << 45.0 << 2.0 << QString();
    QTest::newRow("a full-width slash") << u"045／2"_s << 45.0 << 2.0 << QString();
    QTest::newRow("still water") << u"000/0"_s << 0.0 << 0.0 << QString();
    QTest::newRow("a set alone") << u"120"_s << refused << refused << u"应写作 流向/流速"_s;
    QTest::newRow("no rate after the slash") << u"120/"_s << refused << refused << u"应写作 流向/流速"_s;
    QTest::newRow("no set before it") << u"/1.5"_s << refused << refused << u"应写作 流向/流速"_s;
    QTest::newRow("three parts") << u"120/1.5/2"_s << refused << refused << u"应写作 流向/流速"_s;
    QTest::newRow("a set beyond the circle") << u"361/1"_s << refused << refused << u"流向“361”"_s;
    QTest::newRow("a rate below zero") << u"120/-1"_s << refused << refused << u"流速“-1”"_s;
}

void CurrentTextTest::legCurrents()
{
    QFETCH(QString, text);
    QFETCH(double, set);
    QFETCH(double, rate);
    QFETCH(QString, refusal);
    const tarnquil::CurrentReading reading = tarnquil::readLegCurrentText(text);
    QCOMPARE(reading.current.has_value(), !std::isnan(set));
    if (reading.current) {
        QCOMPARE(reading.current->set, set);
        QCOMPARE(reading.current->rate, rate);
    }
    QVERIFY2(reading.refusal.contains(refusal) && reading.refusal.isEmpty() == refusal.isEmpty(),
             qPrintable(reading.refusal));
}

QTEST_GUILESS_MAIN(CurrentTextTest)
#include "current_text_test.moc"
