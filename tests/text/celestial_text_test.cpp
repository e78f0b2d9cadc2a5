// SPDX-License-Identifier: GPL-3.0-or-later
// What a navigator types for celestial navigation, read as meant or refused
// in words that name the option; and how the results are written.
#include "text/celestial_text.h"
#include "text/celestial_words.h"

#include "nav/astro_time.h"
#include "nav/errors.h"

#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

enum class Kind { Altitude, Azimuth, Variation, Height, IndexCorrection, Temperature, Pressure, Dut1 };

tarnquil::QuantityReading readAs(Kind kind, const QString& text)
{
    const QStringView option = u"--x";
    switch (kind) {
    case Kind::Altitude: return tarnquil::readAltitudeText(text, option);
    case Kind::Azimuth: return tarnquil::readAzimuthText(text, option);
    case Kind::Variation: return tarnquil::readVariationText(text, option);
    case Kind::Height: return tarnquil::readHeightOfEyeText(text, option);
    case Kind::IndexCorrection: return tarnquil::readIndexCorrectionText(text, option);
    case Kind::Temperature: return tarnquil::readTemperatureText(text, option);
    case Kind::Pressure: return tarnquil::readPressureText(text, option);
    case Kind::Dut1: break;
    }
    return tarnquil::readDut1Text(text, option);
}

}  // namespace

class CelestialTextTest : public QObject
{
    Q_OBJECT

private slots:
    void quantities_data();
    void quantities();
    void bodies_data();
    void bodies();
    void times_data();
    void times();
    void dates_data();
    void dates();
    void words_data();
    void words();
    void zonedTimes();
};

void CelestialTextTest::quantities_data()
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
    row("altitude in degrees and minutes", Kind::Altitude, u"12°47.3′"_s, 12 + 47.3 / 60);
    row("altitude with blanks", Kind::Altitude, u"12 47.3"_s, 12 + 47.3 / 60);
    row("altitude decimal, never packed", Kind::Altitude, u"12.788"_s, 12.788);
    row("altitude full-width", Kind::Altitude, u"１２°４７′"_s, 12 + 47.0 / 60);
    row("altitude packed is out of range", Kind::Altitude, u"1247.3"_s, refused, u"高度（--x）“1247.3”超出范围"_s);
    row("altitude below the horizon", Kind::Altitude, u"-0.5"_s, refused, u"超出范围"_s);
    row("altitude with a dash", Kind::Altitude, u"12-47.3"_s, refused, u"无法识别"_s);
    row("altitude with a hemisphere", Kind::Altitude, u"12°N"_s, refused, u"无法识别"_s);
    row("azimuth beyond 180", Kind::Azimuth, u"245°30′"_s, 245.5);
    row("azimuth beyond 360", Kind::Azimuth, u"361"_s, refused, u"方位（--x）“361”超出范围"_s);
    row("variation west by letter", Kind::Variation, u"2°30′W"_s, -2.5);
    row("variation east by letter", Kind::Variation, u"3.5e"_s, 3.5);
    row("variation west in Chinese", Kind::Variation, u"3西"_s, -3);
    row("variation signed", Kind::Variation, u"-3.5"_s, -3.5);
    row("variation signed and lettered", Kind::Variation, u"+2E"_s, refused, u"磁差（--x）“+2E”无法识别"_s);
    row("variation letter first", Kind::Variation, u"W2"_s, refused, u"无法识别"_s);
    row("height in metres", Kind::Height, u"15.5m"_s, 15.5);
    row("height in 米", Kind::Height, u"15 米"_s, 15);
    row("height negative", Kind::Height, u"-1"_s, refused, u"眼高（--x）“-1”超出范围"_s);
    row("index correction in minutes", Kind::IndexCorrection, u"+1.2′"_s, 1.2);
    row("index correction with apostrophe", Kind::IndexCorrection, u"-2.5'"_s, -2.5);
    row("index correction in degrees", Kind::IndexCorrection, u"1°"_s, refused, u"无法识别"_s);
    row("temperature", Kind::Temperature, u"-5°C"_s, -5);
    row("temperature ℃", Kind::Temperature, u"25℃"_s, 25);
    row("pressure in hPa", Kind::Pressure, u"1013.2hPa"_s, 1013.2);
    row("pressure in mb", Kind::Pressure, u"1010 mb"_s, 1010);
    row("pressure in inches", Kind::Pressure, u"29.9"_s, refused, u"气压（--x）“29.9”超出范围"_s);
    row("DUT1 in seconds", Kind::Dut1, u"-0.35s"_s, -0.35);
    row("DUT1 beyond IERS's bound", Kind::Dut1, u"0.95"_s, refused, u"超出范围"_s);
}

void CelestialTextTest::quantities()
{
    QFETCH(int, kind);
    QFETCH(QString, text);
    QFETCH(double, value);
    QFETCH(QString, refusal);
    const tarnquil::QuantityReading reading = readAs(Kind(kind), text);
    if (std::isnan(value)) {
        QVERIFY2(!reading.value, qPrintable(QString::number(reading.value.value_or(0))));
        QVERIFY2(reading.refusal.contains(refusal) && reading.refusal.contains(u"--x"_s),
                 qPrintable(reading.refusal));
    } else {
        QVERIFY2(reading.value, qPrintable(reading.refusal));
        QVERIFY(std::abs(*reading.value - value) < 1e-12);
    }
}

void CelestialTextTest::bodies_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("name");  // empty: refused
    QTest::newRow("English") << u"Sirius"_s << u"Sirius"_s;
    QTest::newRow("Chinese") << u"天狼星"_s << u"Sirius"_s;
    QTest::newRow("case and full stop ignored") << u"rigil kent"_s << u"Rigil Kent."_s;
    QTest::newRow("Chinese star of the south") << u"南门二"_s << u"Rigil Kent."_s;
    QTest::newRow("the Moon in Chinese") << u"月亮"_s << u"Moon"_s;
    QTest::newRow("no Mercury") << u"Mercury"_s << QString();
    QTest::newRow("half a Chinese name") << u"天狼"_s << QString();
}

void CelestialTextTest::bodies()
{
    QFETCH(QString, text);
    QFETCH(QString, name);
    const tarnquil::BodyReading reading = tarnquil::readBodyText(text, u"--body");
    if (name.isEmpty()) {
        QVERIFY(!reading.body);
        QVERIFY(reading.refusal.startsWith(u"天体（--body）“"_s + text + u"”"_s));
    } else {
        QVERIFY2(reading.body, qPrintable(reading.refusal));
        QCOMPARE(QString::fromUtf8(reading.body->name.data(), reading.body->name.size()), name);
    }
}

void CelestialTextTest::times_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("utc");  // "YYYY-MM-DD HH:MM:SS.s", or the refusal's words
    QTest::addColumn<int>("zoneMinutes");
    QTest::newRow("UTC") << u"2026-12-08 09:30:15"_s << u"2026-12-08 09:30:15.0"_s << 0;
    QTest::newRow("without seconds") << u"2026-12-08 09:30"_s << u"2026-12-08 09:30:00.0"_s << 0;
    QTest::newRow("with a fraction") << u"2026/12/8 9:30:15.5"_s << u"2026-12-08 09:30:15.5"_s << 0;
    QTest::newRow("T between") << u"2026-12-08T09:30:15"_s << u"2026-12-08 09:30:15.0"_s << 0;
    QTest::newRow("zone east") << u"2026-12-08 09:30:15 UTC+8"_s << u"2026-12-08 01:30:15.0"_s << 480;
    QTest::newRow("zone east without UTC") << u"2026-12-08 09:30 +8"_s << u"2026-12-08 01:30:00.0"_s << 480;
    QTest::newRow("zone west crosses midnight") << u"2026-12-08 20:00 -5"_s << u"2026-12-09 01:00:00.0"_s << -300;
    QTest::newRow("half-hour zone") << u"2026-12-08 09:30 +5:30"_s << u"2026-12-08 04:00:00.0"_s << 330;
    QTest::newRow("UTC written") << u"2026-12-08 09:30 utc"_s << u"2026-12-08 09:30:00.0"_s << 0;
    QTest::newRow("leap second") << u"2016-12-31 23:59:60"_s << u"2016-12-31 23:59:60.0"_s << 0;
    QTest::newRow("no date") << u"09:30:15"_s << u"时间（--t）“09:30:15”无法识别"_s << 0;
    QTest::newRow("a point for a colon") << u"2026-12-08 9.30"_s << u"无法识别"_s << 0;
    QTest::newRow("Z is no zone here") << u"2026-12-08 09:30 Z"_s << u"区时（--t）“Z”无法识别"_s << 0;
    QTest::newRow("zone beyond UTC+14") << u"2026-12-08 09:30 +15"_s << u"区时（--t）“+15”超出范围"_s << 0;
    QTest::newRow("no such day") << u"2025-02-29 09:30"_s << u"时间（--t）“2025-02-29 09:30”不存在"_s << 0;
    QTest::newRow("no 60th second") << u"2026-12-08 09:30:60"_s << u"不存在"_s << 0;
    QTest::newRow("before the leap-second table") << u"1969-07-20 20:17"_s << u"超出范围"_s << 0;
}

void CelestialTextTest::times()
{
    QFETCH(QString, text);
    QFETCH(QString, utc);
    QFETCH(int, zoneMinutes);
    const tarnquil::TimeReading reading = tarnquil::readTimeText(text, 0, u"--t");
    if (!utc.startsWith(u"20"_s)) {
        QVERIFY(!reading.instant);
        QVERIFY2(reading.refusal.contains(utc), qPrintable(reading.refusal));
        return;
    }
    QVERIFY2(reading.instant, qPrintable(reading.refusal));
    const nav::UtcTime time = reading.instant->utc();
    const QString read = u"%1-%2-%3 %4:%5:%6"_s.arg(time.year)
                             .arg(time.month, 2, 10, QChar(u'0'))
                             .arg(time.day, 2, 10, QChar(u'0'))
                             .arg(time.hour, 2, 10, QChar(u'0'))
                             .arg(time.minute, 2, 10, QChar(u'0'))
                             .arg(time.second, 4, 'f', 1, QChar(u'0'));
    QCOMPARE(read, utc);
    QCOMPARE(reading.zone.minutes(), zoneMinutes);
}

void CelestialTextTest::dates_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("refusal");  // empty: read
    QTest::newRow("dashes") << u"2026-12-08"_s << QString();
    QTest::newRow("slashes") << u"2026/12/8"_s << QString();
    QTest::newRow("leap day") << u"2028-02-29"_s << QString();
    QTest::newRow("no 30 February") << u"2026-02-30"_s << u"日期（--d）“2026-02-30”不存在"_s;
    QTest::newRow("a time is no date") << u"2026-12-08 09:30"_s << u"无法识别"_s;
    QTest::newRow("day first") << u"08/12/2026"_s << u"无法识别"_s;
    QTest::newRow("beyond the almanac") << u"2100-01-01"_s << u"超出范围"_s;
}

void CelestialTextTest::dates()
{
    QFETCH(QString, text);
    QFETCH(QString, refusal);
    const tarnquil::DateReading reading = tarnquil::readDateText(text, u"--d");
    QCOMPARE(reading.read, refusal.isEmpty());
    QVERIFY2(reading.refusal.contains(refusal), qPrintable(reading.refusal));
}

void CelestialTextTest::words_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("expected");
    QTest::newRow("angle") << tarnquil::angleText(123.76) << u"123°45.6′"_s;
    QTest::newRow("angle's minutes carry") << tarnquil::angleText(0.99999) << u"1°00.0′"_s;
    QTest::newRow("declination south") << tarnquil::declinationText(-5.205) << u"S5°12.3′"_s;
    QTest::newRow("declination north") << tarnquil::declinationText(22.6867) << u"N22°41.2′"_s;
    QTest::newRow("tiny south declination is N") << tarnquil::declinationText(-0.0001) << u"N0°00.0′"_s;
    QTest::newRow("correction negative") << tarnquil::arcminutesText(-12.345) << u"-12.3′"_s;
    QTest::newRow("correction positive signed") << tarnquil::arcminutesText(1.26) << u"+1.3′"_s;
    QTest::newRow("correction nothing unsigned") << tarnquil::arcminutesText(-0.04) << u"0.0′"_s;
    QTest::newRow("semicircle north east") << tarnquil::semicircleText(62, 30) << u"N62.0°E"_s;
    QTest::newRow("semicircle south east") << tarnquil::semicircleText(118, -30) << u"S62.0°E"_s;
    QTest::newRow("semicircle north west") << tarnquil::semicircleText(298, 30) << u"N62.0°W"_s;
    QTest::newRow("intercept toward") << tarnquil::interceptText(3.24) << u"3.2 海里 向"_s;
    QTest::newRow("intercept away") << tarnquil::interceptText(-0.5) << u"0.5 海里 背"_s;
}

void CelestialTextTest::words()
{
    QFETCH(QString, written);
    QFETCH(QString, expected);
    QCOMPARE(written, expected);
}

void CelestialTextTest::zonedTimes()
{
    using tarnquil::Seconds;
    const nav::Instant sight = nav::Instant::fromUtc({2026, 12, 8, 1, 30, 15.5});
    const nav::TimeZone east = *nav::TimeZone::fromMinutes(480);
    QCOMPARE(tarnquil::zonedTimeText(sight, east, Seconds::WithFraction), u"2026-12-08 09:30:15.5 UTC+8"_s);
    QCOMPARE(tarnquil::zonedTimeText(sight, nav::kUtc, Seconds::Whole), u"2026-12-08 01:30:16 UTC"_s);
    // A second that rounds to the next minute carries into the hour and the day.
    const nav::Instant late = nav::Instant::fromUtc({2026, 12, 31, 23, 59, 59.7});
    QCOMPARE(tarnquil::zonedTimeText(late, nav::kUtc, Seconds::Whole), u"2027-01-01 00:00:00 UTC"_s);
    // Into a leap second, not past it.
    const nav::Instant leap = nav::Instant::fromUtc({2016, 12, 31, 23, 59, 59.7});
    QCOMPARE(tarnquil::zonedTimeText(leap, nav::kUtc, Seconds::Whole), u"2016-12-31 23:59:60 UTC"_s);
    QCOMPARE(tarnquil::zonedTimeText(leap, east, Seconds::Whole), u"2017-01-01 07:59:60 UTC+8"_s);
}

QTEST_GUILESS_MAIN(CelestialTextTest)
#include "celestial_text_test.moc"
