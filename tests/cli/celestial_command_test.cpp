// SPDX-License-Identifier: GPL-3.0-or-later
// The celestial commands run as a navigator runs them from a shell: that
// the right numbers reach the right keys, in their units and signs, that a
// time's zone, a limb, an index correction and a height of eye are taken
// as meant, and what is refused, with which status and on which stream.
//
// The reference values are pyephem's (python3-ephem 4.1), apparent
// geocentric places of date, as tools/celestial-test-values computes the
// almanac's; each table says how. nav's own tests hold the almanac's
// accuracy; here a tolerance of 0.1′ (0.1° for azimuths, a minute for
// times) is what the wiring must keep.
#include <QDateTime>
#include <QTimeZone>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include "tests/cli/program_run.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr double kTenthMinute = 0.1 / 60;  // degrees
constexpr double kTenthDegree = 0.1;
constexpr double kMinuteOfTime = 60;       // seconds

// The JSON object a run printed; a failed run fails the test.
QJsonObject json(const QStringList& arguments)
{
    const ProgramRun run = runProgram(arguments + QStringList{u"--json"_s});
    if (run.status != 0)
        qWarning("%s", qPrintable(run.err));
    return QJsonDocument::fromJson(run.out).object();
}

// Degrees apart, the short way round the circle.
double apart(double a, double b)
{
    return std::abs(std::remainder(a - b, 360.0));
}

// Seconds between "YYYY-MM-DD HH:MM:SS ZONE" and the same instant written
// "YYYY-MM-DD HH:MM:SS" in that zone.
double secondsApart(const QJsonValue& time, const QString& expected)
{
    const auto read = [](const QString& text) {
        return QDateTime(QDate::fromString(text.first(10), u"yyyy-MM-dd"_s),
                         QTime::fromString(text.sliced(11, 8), u"HH:mm:ss"_s), QTimeZone::utc());
    };
    const QString text = time.toString();
    if (text.size() < 19)
        return qInf();
    const QDateTime actual = read(text);
    const QDateTime wanted = read(expected);
    if (!actual.isValid() || !wanted.isValid())
        return qInf();
    return std::abs(double(actual.secsTo(wanted)));
}

const QString shanghai = u"30°10.2′N 122°05.3′E"_s;  // 30.17 N, 122.0883333 E

}  // namespace

class CelestialCommandTest : public QObject
{
    Q_OBJECT

private slots:
    void almanacPlaces_data();
    void almanacPlaces();
    void almanacPageKeys();
    void dut1TurnsTheEarth();
    void sightKeys_data();
    void sightKeys();
    void limbAndIndexCorrection_data();
    void limbAndIndexCorrection();
    void sightText();
    void latitudes_data();
    void latitudes();
    void compassError_data();
    void compassError();
    void riseSet_data();
    void riseSet();
    void polarNight();
    void starFinding();
    void refusals_data();
    void refusals();
    void helpWhereverItStands();
};

// pyephem: body.compute(t, epoch=t); GHA = observer(lon 0).sidereal_time() - g_ra,
// dec = g_dec, SHA = 360 - g_ra.
void CelestialCommandTest::almanacPlaces_data()
{
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("body");
    QTest::addColumn<double>("gha");
    QTest::addColumn<double>("dec");
    QTest::addColumn<double>("sha");  // NaN: no SHA for this body
    const double none = qQNaN();
    QTest::newRow("sun in UTC") << u"2026-12-08 09:30:15"_s << u"Sun"_s << 324.6050 << -22.7326 << none;
    QTest::newRow("sun in zone time") << u"2026-12-08 17:30:15 UTC+8"_s << u"太阳"_s << 324.6050 << -22.7326 << none;
    QTest::newRow("zone without UTC") << u"2026-12-08 17:30:15 +8"_s << u"sun"_s << 324.6050 << -22.7326 << none;
    QTest::newRow("west zone a day back") << u"2026-12-07 23:30:15 -10"_s << u"Sun"_s << 324.6050 << -22.7326 << none;
    QTest::newRow("moon in Chinese") << u"2026-12-08 09:30:15"_s << u"月亮"_s << 332.9632 << -26.6085 << none;
    QTest::newRow("star with SHA") << u"2026-12-08 09:30:15"_s << u"Sirius"_s << 118.1306 << -16.7522 << 258.4088;
    QTest::newRow("star in Chinese") << u"2026-12-08T09:30:15"_s << u"天狼星"_s << 118.1306 << -16.7522 << 258.4088;
}

void CelestialCommandTest::almanacPlaces()
{
    QFETCH(QString, time);
    QFETCH(QString, body);
    QFETCH(double, gha);
    QFETCH(double, dec);
    QFETCH(double, sha);
    const QJsonObject page = json({u"--almanac"_s, time, u"--body"_s, body});
    const QJsonArray bodies = page[u"bodies"_s].toArray();
    QCOMPARE(bodies.size(), 1);
    const QJsonObject place = bodies[0].toObject();
    QVERIFY2(apart(place[u"gha"_s].toDouble(qQNaN()), gha) <= kTenthMinute, qPrintable(place[u"gha"_s].toVariant().toString()));
    QVERIFY(std::abs(place[u"dec"_s].toDouble(qQNaN()) - dec) <= kTenthMinute);
    QCOMPARE(place.contains(u"sha"_s), !std::isnan(sha));
    if (!std::isnan(sha))
        QVERIFY(apart(place[u"sha"_s].toDouble(qQNaN()), sha) <= kTenthMinute);
    // The time is written back in the zone it was given in.
    QVERIFY2(page[u"time"_s].toString().startsWith(time.first(10)), qPrintable(page[u"time"_s].toString()));
}

// Every body without --body; sha, hp and sd only where the almanac gives them.
void CelestialCommandTest::almanacPageKeys()
{
    const QJsonObject page = json({u"--almanac"_s, u"2026-12-08 09:30:15"_s});
    const QJsonArray bodies = page[u"bodies"_s].toArray();
    QCOMPARE(bodies.size(), 64);  // Sun, Moon, four planets, 57 stars, Polaris
    QVERIFY(page[u"aries"_s][u"gha"_s].isDouble());
    int withSha = 0;
    QStringList withHp;
    QStringList withSd;
    for (const QJsonValue& value : bodies) {
        const QJsonObject body = value.toObject();
        QVERIFY(!body[u"chinese"_s].toString().isEmpty());
        withSha += body.contains(u"sha"_s);
        if (body.contains(u"hp"_s))
            withHp << body[u"name"_s].toString();
        if (body.contains(u"sd"_s))
            withSd << body[u"name"_s].toString();
        for (const QString& key : body.keys())
            QVERIFY2(!body[key].isNull(), qPrintable(key));
    }
    QCOMPARE(withSha, 58);
    QCOMPARE(withHp, (QStringList{u"Sun"_s, u"Moon"_s, u"Venus"_s, u"Mars"_s}));
    QCOMPARE(withSd, (QStringList{u"Sun"_s, u"Moon"_s}));
    QCOMPARE(bodies[6][u"name"_s].toString(), u"Alpheratz"_s);
    QCOMPARE(bodies[6 + 37][u"name"_s].toString(), u"Rigil Kent."_s);
}

// UT1 = UTC + DUT1: half a second later the Earth has turned 0.5 s of
// sidereal rotation, 360.98565° a day.
void CelestialCommandTest::dut1TurnsTheEarth()
{
    const QStringList page{u"--almanac"_s, u"2026-12-08 09:30:15"_s, u"--body"_s, u"Sun"_s};
    const double without = json(page)[u"aries"_s][u"gha"_s].toDouble();
    const QJsonObject with = json(page + QStringList{u"--dut1"_s, u"0.5s"_s});
    QCOMPARE(with[u"dut1"_s].toDouble(), 0.5);
    QVERIFY(std::abs(with[u"aries"_s][u"gha"_s].toDouble() - without - 0.5 * 360.98565 / 86400) < 1e-6);
}

// pyephem, Observer(lat, lon, pressure 0, epoch of date): alt and az of
// Sirius, whose parallax is nothing, are Hc and Zn.
void CelestialCommandTest::sightKeys_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<double>("hc");
    QTest::addColumn<double>("zn");
    QTest::newRow("star in UTC") << QStringList{u"Sirius"_s, u"2026-12-08 18:00:00"_s, u"42°40′"_s,
                                                u"--at"_s, u"30N 122E"_s, u"--form"_s, u"度"_s}
                                 << 42.6292 << 190.3268;
    QTest::newRow("star in zone time, packed position")
        << QStringList{u"天狼星"_s, u"2026-12-09 02:00 UTC+8"_s, u"42 40"_s, u"--at"_s, u"3000N 12200E"_s}
        << 42.6292 << 190.3268;
    QTest::newRow("sun, east of the meridian") << QStringList{u"Sun"_s, u"2026-03-15 02:30:00"_s, u"51.1"_s,
                                                              u"--at"_s, u"30°N 122°E"_s}
                                               << 51.1746 << 141.9536;
}

void CelestialCommandTest::sightKeys()
{
    QFETCH(QStringList, arguments);
    QFETCH(double, hc);
    QFETCH(double, zn);
    const QJsonObject sight = json(QStringList{u"--sight"_s} + arguments);
    // The Sun's Hc is geocentric, pyephem's alt topocentric: at most HP (0.15′) apart.
    const double hcTolerance = sight[u"body"_s][u"name"_s] == u"Sun"_s ? 0.25 / 60 : kTenthMinute;
    QVERIFY2(std::abs(sight[u"hc"_s].toDouble(qQNaN()) - hc) <= hcTolerance,
             qPrintable(QString::number(sight[u"hc"_s].toDouble(), 'g', 10)));
    QVERIFY(apart(sight[u"zn"_s].toDouble(qQNaN()), zn) <= kTenthDegree);
    // The intercept is Ho - Hc in n mile, toward positive.
    QVERIFY(std::abs(sight[u"intercept"_s].toDouble(qQNaN())
                     - (sight[u"ho"_s].toDouble() - sight[u"hc"_s].toDouble()) * 60) < 1e-9);
    // LHA = GHA + east longitude.
    QVERIFY(apart(sight[u"lha"_s].toDouble(qQNaN()), sight[u"gha"_s].toDouble() + 122) < 1e-9);
    for (const QString& key : {u"hs"_s, u"dip"_s, u"refraction"_s, u"parallax"_s, u"semidiameter"_s,
                               u"dec"_s, u"indexCorrection"_s, u"ha"_s})
        QVERIFY2(sight[key].isDouble(), qPrintable(key));
}

// The Sun's geocentric semidiameter, pyephem Sun().compute(t).radius: 16.084′
// at 2026-03-15 02:30 UTC. The index correction is added to Hs; the dip,
// 1.76′ √h, subtracted.
void CelestialCommandTest::limbAndIndexCorrection_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<double>("semidiameter");  // arc-minutes, as applied
    QTest::addColumn<double>("indexCorrection");
    QTest::addColumn<double>("dip");
    QTest::newRow("lower limb by default") << QStringList{} << 16.084 << 0.0 << 0.0;
    QTest::newRow("upper limb") << QStringList{u"--limb"_s, u"upper"_s} << -16.084 << 0.0 << 0.0;
    QTest::newRow("lower limb in Chinese") << QStringList{u"--limb"_s, u"下边"_s} << 16.084 << 0.0 << 0.0;
    QTest::newRow("index correction on the arc, added")
        << QStringList{u"--index-correction"_s, u"+2.5′"_s} << 16.084 << 2.5 << 0.0;
    QTest::newRow("index correction off the arc")
        << QStringList{u"--index-correction=-1.5"_s} << 16.084 << -1.5 << 0.0;
    QTest::newRow("height of eye in metres") << QStringList{u"--height"_s, u"16m"_s} << 16.084 << 0.0 << -7.04;
    QTest::newRow("height of eye in 米") << QStringList{u"--height"_s, u"16 米"_s} << 16.084 << 0.0 << -7.04;
}

void CelestialCommandTest::limbAndIndexCorrection()
{
    QFETCH(QStringList, options);
    QFETCH(double, semidiameter);
    QFETCH(double, indexCorrection);
    QFETCH(double, dip);
    const QJsonObject sight = json(QStringList{u"--sight"_s, u"Sun"_s, u"2026-03-15 02:30:00"_s,
                                               u"51°06′"_s, u"--at"_s, u"30°N 122°E"_s} + options);
    QVERIFY(std::abs(sight[u"semidiameter"_s].toDouble(qQNaN()) - semidiameter) <= 0.1);
    QCOMPARE(sight[u"indexCorrection"_s].toDouble(qQNaN()), indexCorrection);
    QVERIFY(std::abs(sight[u"dip"_s].toDouble(qQNaN()) - dip) < 0.005);
    QVERIFY(std::abs(sight[u"hs"_s].toDouble() - 51.1) < 1e-12);
    QVERIFY(std::abs(sight[u"ha"_s].toDouble() - (51.1 + (indexCorrection + dip) / 60)) < 1e-12);
    QVERIFY(std::abs(sight[u"ho"_s].toDouble()
                     - (sight[u"ha"_s].toDouble() + (sight[u"refraction"_s].toDouble()
                                                     + sight[u"parallax"_s].toDouble() + semidiameter) / 60))
            <= 0.1 / 60);
    QVERIFY(sight[u"refraction"_s].toDouble() < 0);
    QVERIFY(sight[u"parallax"_s].toDouble() > 0);
}

// The text a student checks a hand reduction by: every step, the sign of
// the index correction said, the 半圆方位, 向 or 背.
void CelestialCommandTest::sightText()
{
    const QStringList sight{u"--sight"_s, u"Sirius"_s, u"2026-12-08 18:00:00"_s};
    const QStringList at{u"--at"_s, u"30°N 122°E"_s};
    const ProgramRun toward = runProgram(sight + QStringList{u"43°"_s} + at);
    QCOMPARE(toward.status, 0);
    const QString text = QString::fromUtf8(toward.out);
    for (const QString& step : {u"六分仪高度 Hs"_s, u"指标差 i"_s, u"Hs + i"_s, u"眼高差 dip"_s, u"蒙气差 R"_s,
                                u"视差 PA"_s, u"半径差 SD"_s, u"真高度 Ho"_s, u"格林时角 GHA"_s,
                                u"赤纬 Dec"_s, u"地方时角 LHA"_s, u"计算高度 Hc"_s, u"N169.7°W"_s})
        QVERIFY2(text.contains(step), qPrintable(step));
    QVERIFY2(text.contains(u"海里 向"_s), qPrintable(text));
    const ProgramRun away = runProgram(sight + QStringList{u"42°"_s} + at);
    QVERIFY2(QString::fromUtf8(away.out).contains(u"海里 背"_s), away.out.constData());
}

// Polaris: pyephem's altitude of Polaris at 30°N 122.5°E, 2026-12-08 12:30
// UTC, is 30.58245°; near the pole a latitude moves the altitude as much,
// so the latitude found is 30° + (Ho - 30.58245°).
// The noon Sun: pyephem's transit at 122°E on 2026-06-01 is 03:49:47 UTC,
// its declination then 22.04780° N; it bears south from 30°N, so the
// latitude is 22.04780° + 90° - Ho.
void CelestialCommandTest::latitudes_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("method");
    QTest::addColumn<double>("offset");  // the latitude is offset + sign × Ho
    QTest::addColumn<double>("sign");
    QTest::newRow("polaris") << QStringList{u"Polaris"_s, u"2026-12-08 12:30:00"_s, u"30°38′"_s,
                                            u"--at"_s, u"30°N 122°30′E"_s}
                             << u"polaris"_s << 30 - 30.58245 << 1.0;
    QTest::newRow("polaris in Chinese, zone time, 10 m")
        << QStringList{u"北极星"_s, u"2026-12-08 20:30 UTC+8"_s, u"30 44"_s, u"--at"_s,
                       u"30°N 122°30′E"_s, u"--height"_s, u"10"_s}
        << u"polaris"_s << 30 - 30.58245 << 1.0;
    QTest::newRow("noon sun") << QStringList{u"Sun"_s, u"2026-06-01 03:52:00"_s, u"82°05′"_s,
                                             u"--at"_s, u"30°N 122°E"_s}
                              << u"meridian"_s << 22.04780 + 90 << -1.0;
}

void CelestialCommandTest::latitudes()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, method);
    QFETCH(double, offset);
    QFETCH(double, sign);
    const QJsonObject sight = json(QStringList{u"--latitude"_s} + arguments);
    QCOMPARE(sight[u"method"_s].toString(), method);
    const double expected = offset + sign * sight[u"ho"_s].toDouble(qQNaN());
    QVERIFY2(std::abs(sight[u"latitude"_s].toDouble(qQNaN()) - expected) <= kTenthMinute,
             qPrintable(QString::number(sight[u"latitude"_s].toDouble(), 'g', 10) + u" "_s
                        + QString::number(expected, 'g', 10)));
}

// pyephem: the Sun's azimuth at 30.17°N 122.08833°E, 2026-12-08 03:00 UTC,
// 167.5998°; its declination at 22:50 UTC, -22.78907°, gives the amplitude
// asin(sin δ / cos φ) = E26.6°S, Zn 116.617° at rising.
void CelestialCommandTest::compassError_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("method");
    QTest::addColumn<double>("zn");
    QTest::addColumn<double>("error");
    QTest::addColumn<double>("deviation");  // NaN: no variation given
    const double none = qQNaN();
    QTest::newRow("azimuth, compass low: error east")
        << QStringList{u"Sun"_s, u"2026-12-08 03:00"_s, u"--bearing"_s, u"160"_s}
        << u"azimuth"_s << 167.5998 << 7.5998 << none;
    QTest::newRow("azimuth, compass high: error west")
        << QStringList{u"Sun"_s, u"2026-12-08 11:00 +8"_s, u"--bearing"_s, u"170°30′"_s}
        << u"azimuth"_s << 167.5998 << -2.9002 << none;
    QTest::newRow("variation west written W")
        << QStringList{u"Sun"_s, u"2026-12-08 03:00"_s, u"--bearing"_s, u"160"_s, u"--variation"_s, u"5W"_s}
        << u"azimuth"_s << 167.5998 << 7.5998 << 12.5998;
    QTest::newRow("variation west signed")
        << QStringList{u"Sun"_s, u"2026-12-08 03:00"_s, u"--bearing"_s, u"160"_s, u"--variation"_s, u"-5"_s}
        << u"azimuth"_s << 167.5998 << 7.5998 << 12.5998;
    QTest::newRow("variation east")
        << QStringList{u"Sun"_s, u"2026-12-08 03:00"_s, u"--bearing"_s, u"160"_s, u"--variation"_s, u"2°30′E"_s}
        << u"azimuth"_s << 167.5998 << 7.5998 << 5.0998;
    QTest::newRow("amplitude at sunrise")
        << QStringList{u"Sun"_s, u"2026-12-08 22:50"_s, u"--bearing"_s, u"117"_s, u"--amplitude"_s}
        << u"amplitude"_s << 116.6174 << -0.3826 << none;
}

void CelestialCommandTest::compassError()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, method);
    QFETCH(double, zn);
    QFETCH(double, error);
    QFETCH(double, deviation);
    const QJsonObject check =
        json(QStringList{u"--compass-error"_s} + arguments + QStringList{u"--at"_s, shanghai});
    QCOMPARE(check[u"method"_s].toString(), method);
    QVERIFY(apart(check[u"zn"_s].toDouble(qQNaN()), zn) <= kTenthDegree);
    QVERIFY2(std::abs(check[u"error"_s].toDouble(qQNaN()) - error) <= kTenthDegree,
             qPrintable(QString::number(check[u"error"_s].toDouble())));
    QCOMPARE(check.contains(u"deviation"_s), !std::isnan(deviation));
    if (!std::isnan(deviation))
        QVERIFY(std::abs(check[u"deviation"_s].toDouble() - deviation) <= kTenthDegree);
    QCOMPARE(check.contains(u"amplitude"_s), method == u"amplitude"_s);
    if (method == u"amplitude"_s) {
        const QJsonObject amplitude = check[u"amplitude"_s].toObject();
        QVERIFY(std::abs(amplitude[u"angle"_s].toDouble() - 26.6174) <= kTenthDegree);
        QCOMPARE(amplitude[u"side"_s].toString(), u"E"_s);
        QCOMPARE(amplitude[u"pole"_s].toString(), u"S"_s);
        QVERIFY(std::abs(check[u"altitude"_s].toDouble()) < 5);
    }
}

// pyephem: Observer(30.17, 122.08833, pressure 0), the Sun's centre
// (use_center=True) at horizon -0:50 (-0:56.816 with the dip of 15 m),
// -6 and -12; the Moon's upper limb at -0:34; next_transit; times of the
// UTC+8 day 2026-12-08, the UTC day's sunrise 2026-12-08 22:35:58 UTC.
void CelestialCommandTest::riseSet_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("zone");
    const QStringList zone8{u"--zone"_s, u"+8"_s};
    QTest::newRow("sunrise") << zone8 << u"sunrise"_s << u"2026-12-08 06:35:15"_s << u"UTC+8"_s;
    QTest::newRow("sunset") << zone8 << u"sunset"_s << u"2026-12-08 16:51:22"_s << u"UTC+8"_s;
    QTest::newRow("civil dawn") << zone8 << u"civilDawn"_s << u"2026-12-08 06:08:59"_s << u"UTC+8"_s;
    QTest::newRow("civil dusk") << zone8 << u"civilDusk"_s << u"2026-12-08 17:17:38"_s << u"UTC+8"_s;
    QTest::newRow("nautical dawn") << zone8 << u"nauticalDawn"_s << u"2026-12-08 05:39:13"_s << u"UTC+8"_s;
    QTest::newRow("nautical dusk") << zone8 << u"nauticalDusk"_s << u"2026-12-08 17:47:24"_s << u"UTC+8"_s;
    QTest::newRow("meridian passage") << zone8 << u"meridianPassage"_s << u"2026-12-08 11:43:22"_s << u"UTC+8"_s;
    QTest::newRow("moonrise") << zone8 << u"moonrise"_s << u"2026-12-08 05:51:43"_s << u"UTC+8"_s;
    QTest::newRow("moonset") << zone8 << u"moonset"_s << u"2026-12-08 15:59:02"_s << u"UTC+8"_s;
    QTest::newRow("ship's zone by default") << QStringList{} << u"sunrise"_s << u"2026-12-08 06:35:15"_s << u"UTC+8"_s;
    QTest::newRow("height of eye: earlier") << QStringList{u"--height"_s, u"15m"_s} << u"sunrise"_s
                                            << u"2026-12-08 06:34:39"_s << u"UTC+8"_s;
    QTest::newRow("UTC's day") << QStringList{u"--zone"_s, u"UTC"_s} << u"sunrise"_s
                               << u"2026-12-08 22:35:58"_s << u"UTC"_s;
}

void CelestialCommandTest::riseSet()
{
    QFETCH(QStringList, options);
    QFETCH(QString, key);
    QFETCH(QString, time);
    QFETCH(QString, zone);
    const QJsonObject day = json(QStringList{u"--rise-set"_s, u"2026-12-08"_s, u"--at"_s, shanghai} + options);
    QCOMPARE(day[u"zone"_s].toString(), zone);
    QVERIFY2(day[key].toString().endsWith(u' ' + zone), qPrintable(day[key].toString()));
    QVERIFY2(secondsApart(day[key], time) <= kMinuteOfTime, qPrintable(day[key].toString()));
}

// pyephem's next_rising of the Sun at 78°13′N 15°39′E raises NeverUpError
// on 2026-12-21: the times are null, and the text says there are none.
void CelestialCommandTest::polarNight()
{
    const QStringList arguments{u"--rise-set"_s, u"2026-12-21"_s, u"--at"_s, u"78°13′N 15°39′E"_s};
    const QJsonObject day = json(arguments);
    for (const QString& key : {u"sunrise"_s, u"sunset"_s, u"civilDawn"_s, u"civilDusk"_s})
        QVERIFY2(day.contains(key) && day[key].isNull(), qPrintable(key));
    QCOMPARE(day[u"allDay"_s][u"sun"_s].toString(), u"below"_s);
    const ProgramRun text = runProgram(arguments);
    QCOMPARE(text.status, 0);
    QVERIFY(QString::fromUtf8(text.out).contains(u"无（终日在此高度以下）"_s));
}

// pyephem at 30°N 122°E, 2026-12-08 10:30 UTC: Vega alt 27.5412°, az 301.0051°.
void CelestialCommandTest::starFinding()
{
    const QStringList when{u"2026-12-08 10:30:00"_s, u"--at"_s, u"30°N 122°E"_s};
    const QJsonObject found = json(QStringList{u"--identify"_s} + when
                                   + QStringList{u"--altitude"_s, u"27°50′"_s, u"--azimuth"_s, u"302"_s});
    const QJsonArray candidates = found[u"candidates"_s].toArray();
    QVERIFY(!candidates.isEmpty());
    const QJsonObject first = candidates[0].toObject();
    QCOMPARE(first[u"name"_s].toString(), u"Vega"_s);
    QCOMPARE(first[u"chinese"_s].toString(), u"织女一"_s);
    QVERIFY(std::abs(first[u"hc"_s].toDouble() - 27.5412) <= kTenthMinute);
    QVERIFY(apart(first[u"zn"_s].toDouble(), 301.0051) <= kTenthDegree);
    QVERIFY(first[u"separation"_s].toDouble() > 0 && first[u"separation"_s].toDouble() < 2);

    const QJsonObject sky = json(QStringList{u"--stars"_s} + when);
    bool vega = false;
    bool planet = false;
    for (const QJsonValue& value : sky[u"stars"_s].toArray()) {
        const QJsonObject body = value.toObject();
        const double hc = body[u"hc"_s].toDouble();
        QVERIFY(hc >= 15 && hc <= 70);
        if (body[u"name"_s] == u"Vega"_s) {
            vega = true;
            QVERIFY(std::abs(hc - 27.5412) <= kTenthMinute);
            QCOMPARE(body[u"planet"_s].toBool(), false);
        }
        if (body[u"name"_s] == u"Saturn"_s)
            planet = body[u"planet"_s].toBool();
    }
    QVERIFY(vega);
    QVERIFY(planet);
    QCOMPARE(sky[u"best"_s].toArray().size(), 3);
    QCOMPARE(sky[u"bestFour"_s].toArray().size(), 4);
}

// What a navigator can get wrong: refused with the reason naming the option
// on stderr, and nothing on stdout; 1 for the data, 2 for the command line.
void CelestialCommandTest::refusals_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("says");
    const QStringList at{u"--at"_s, shanghai};
    const auto sight = [&](const QString& body, const QString& time, const QString& hs,
                           const QStringList& more = {}) {
        return QStringList{u"--sight"_s, body, time, hs} + at + more;
    };
    const QString time = u"2026-12-08 03:30"_s;
    QTest::newRow("unknown body") << sight(u"Mercury"_s, time, u"35"_s) << 1 << u"天体（--sight）“Mercury”"_s;
    QTest::newRow("unknown body in Chinese") << sight(u"天狼"_s, time, u"35"_s) << 1 << u"“天狼”无法识别"_s;
    QTest::newRow("no 29 February") << sight(u"Sun"_s, u"2025-02-29 03:30"_s, u"35"_s) << 1 << u"不存在"_s;
    QTest::newRow("no leap second that day") << sight(u"Sun"_s, u"2017-06-30 23:59:60"_s, u"35"_s) << 1 << u"不存在"_s;
    QTest::newRow("no 24:00") << sight(u"Sun"_s, u"2026-12-08 24:00"_s, u"35"_s) << 1 << u"不存在"_s;
    QTest::newRow("year beyond the almanac") << QStringList{u"--almanac"_s, u"1969-07-20 20:17"_s} << 1
                                             << u"时间（--almanac）“1969-07-20 20:17”超出范围"_s;
    QTest::newRow("time without a date") << QStringList{u"--almanac"_s, u"09:30"_s} << 1 << u"时间（--almanac）"_s;
    QTest::newRow("zone beyond UTC+14") << sight(u"Sun"_s, u"2026-12-08 09:30 +15"_s, u"35"_s) << 1
                                        << u"区时（--sight）“+15”超出范围"_s;
    QTest::newRow("zone without a sign") << sight(u"Sun"_s, u"2026-12-08 09:30 8"_s, u"35"_s) << 1
                                         << u"区时（--sight）“8”"_s;
    QTest::newRow("altitude above 90") << sight(u"Sun"_s, time, u"91"_s) << 1 << u"六分仪高度（--sight 的 HS）“91”超出范围"_s;
    QTest::newRow("negative altitude") << sight(u"Sun"_s, time, u"-0.5"_s) << 1 << u"“-0.5”超出范围"_s;
    QTest::newRow("packed altitude") << sight(u"Sun"_s, time, u"3512.3"_s) << 1 << u"超出范围"_s;
    QTest::newRow("altitude with a hemisphere") << sight(u"Sun"_s, time, u"35°12′N"_s) << 1 << u"无法识别"_s;
    QTest::newRow("negative height of eye") << sight(u"Sun"_s, time, u"35"_s, {u"--height"_s, u"-1"_s}) << 1
                                            << u"眼高（--height）“-1”超出范围"_s;
    QTest::newRow("height in feet") << sight(u"Sun"_s, time, u"35"_s, {u"--height"_s, u"50ft"_s}) << 1
                                    << u"眼高（--height）“50ft”无法识别"_s;
    QTest::newRow("index correction in degrees") << sight(u"Sun"_s, time, u"35"_s, {u"--index-correction"_s, u"75"_s})
                                                 << 1 << u"指标差（--index-correction）“75”超出范围"_s;
    QTest::newRow("index correction named on or off") << sight(u"Sun"_s, time, u"35"_s, {u"--index-correction"_s, u"2′W"_s})
                                                      << 1 << u"无法识别"_s;
    QTest::newRow("pressure in kPa") << sight(u"Sun"_s, time, u"35"_s, {u"--pressure"_s, u"101.3"_s}) << 1
                                     << u"气压（--pressure）“101.3”超出范围"_s;
    QTest::newRow("temperature in kelvin") << sight(u"Sun"_s, time, u"35"_s, {u"--temperature"_s, u"283K"_s}) << 1
                                           << u"气温（--temperature）"_s;
    QTest::newRow("DUT1 of a second") << sight(u"Sun"_s, time, u"35"_s, {u"--dut1"_s, u"1"_s}) << 1
                                      << u"DUT1（--dut1）“1”超出范围"_s;
    QTest::newRow("sun below the horizon") << sight(u"Sun"_s, u"2026-12-08 15:30"_s, u"35"_s) << 1 << u"在地平以下"_s;
    QTest::newRow("sun below the horizon, UTC taken for zone time")
        << sight(u"Sun"_s, u"2026-12-08 20:00"_s, u"20"_s) << 1 << u"不写区时为 UTC"_s;
    QTest::newRow("position beyond the Earth") << QStringList{u"--stars"_s, time, u"--at"_s, u"9100N 12000E"_s} << 1
                                               << u"位置（--at）"_s;
    QTest::newRow("noon sight far from noon")
        << QStringList{u"--latitude"_s, u"Sun"_s, u"2026-12-08 05:00"_s, u"35"_s} + at << 1 << u"超过 15 分钟"_s;
    QTest::newRow("amplitude of a high sun")
        << QStringList{u"--compass-error"_s, u"Sun"_s, u"2026-12-08 03:00"_s, u"--bearing"_s, u"160"_s, u"--amplitude"_s} + at
        << 1 << u"不是出没时刻"_s;
    QTest::newRow("amplitude of a circumpolar star")
        << QStringList{u"--compass-error"_s, u"Kochab"_s, u"2026-12-08 03:00"_s, u"--bearing"_s, u"10"_s,
                       u"--amplitude"_s, u"--at"_s, u"60N 10E"_s, u"--form"_s, u"度"_s}
        << 1 << u"不升不落"_s;
    QTest::newRow("bearing beyond the circle")
        << QStringList{u"--compass-error"_s, u"Sun"_s, time, u"--bearing"_s, u"361"_s} + at << 1
        << u"方位（--bearing）“361”超出范围"_s;
    QTest::newRow("variation signed twice")
        << QStringList{u"--compass-error"_s, u"Sun"_s, time, u"--bearing"_s, u"160"_s, u"--variation"_s, u"-2W"_s} + at
        << 1 << u"磁差（--variation）“-2W”无法识别"_s;
    QTest::newRow("identify above the zenith")
        << QStringList{u"--identify"_s, time, u"--altitude"_s, u"95"_s, u"--azimuth"_s, u"10"_s} + at << 1
        << u"高度（--altitude）“95”超出范围"_s;
    QTest::newRow("no 30 February") << QStringList{u"--rise-set"_s, u"2026-02-30"_s} + at << 1
                                    << u"日期（--rise-set）“2026-02-30”不存在"_s;
    QTest::newRow("rise and set take a date, not a time")
        << QStringList{u"--rise-set"_s, u"2026-12-08 09:30"_s} + at << 1 << u"日期（--rise-set）"_s;
    QTest::newRow("unknown body of the almanac page")
        << QStringList{u"--almanac"_s, time, u"--body"_s, u"Sun"_s, u"--body"_s, u"Aries"_s} << 1
        << u"天体（--body）“Aries”"_s;
    // The command line itself.
    QTest::newRow("unknown option") << sight(u"Sun"_s, time, u"35"_s, {u"--frob"_s}) << 2 << u"未知选项“--frob”"_s;
    QTest::newRow("missing HS") << QStringList{u"--sight"_s, u"Sun"_s, time} << 2 << u"--sight 要跟 天体 时间 高度"_s;
    QTest::newRow("missing --at") << QStringList{u"--sight"_s, u"Sun"_s, time, u"35"_s} << 2 << u"--sight 需要 --at"_s;
    QTest::newRow("missing --bearing") << QStringList{u"--compass-error"_s, u"Sun"_s, time} + at << 2
                                       << u"需要 --bearing"_s;
    QTest::newRow("missing value") << sight(u"Sun"_s, time, u"35"_s, {u"--height"_s}) << 2 << u"选项 --height 缺少值"_s;
    QTest::newRow("repeated option") << sight(u"Sun"_s, time, u"35"_s, {u"--height"_s, u"1"_s, u"--height"_s, u"2"_s})
                                     << 2 << u"选项 --height 重复"_s;
    QTest::newRow("limb that is none") << sight(u"Sun"_s, time, u"35"_s, {u"--limb"_s, u"middle"_s}) << 2
                                       << u"--limb 应为"_s;
    QTest::newRow("another command's option") << sight(u"Sun"_s, time, u"35"_s, {u"--zone"_s, u"+8"_s}) << 2
                                              << u"选项 --zone 不能与 --sight 一起使用"_s;
    QTest::newRow("two commands") << QStringList{u"--almanac"_s, time, u"--stars"_s, time} << 2 << u"不能一起使用"_s;
    QTest::newRow("form that is none") << QStringList{u"--stars"_s, time, u"--form"_s, u"十进制"_s} + at << 2
                                       << u"--form 应为"_s;
}

void CelestialCommandTest::refusals()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, says);
    for (const QStringList& run : {arguments, arguments + QStringList{u"--json"_s}}) {
        const ProgramRun result = runProgram(run);
        QCOMPARE(result.status, status);
        QVERIFY2(result.out.isEmpty(), result.out.constData());
        QVERIFY2(result.err.startsWith(u"tarnquil: "_s) && result.err.contains(says), qPrintable(result.err));
    }
}

// --help after a command whose values are not all given prints the help,
// which names every command and every key of their JSON.
void CelestialCommandTest::helpWhereverItStands()
{
    const ProgramRun run = runProgram({u"--sight"_s, u"Sun"_s, u"--help"_s});
    QCOMPARE(run.status, 0);
    const QString help = QString::fromUtf8(run.out);
    for (const QString& word : {u"--almanac"_s, u"--sight"_s, u"--latitude"_s, u"--compass-error"_s,
                                u"--rise-set"_s, u"--stars"_s, u"--identify"_s, u"intercept"_s,
                                u"meridianPassage"_s, u"bestFour"_s, u"separation"_s, u"deviation"_s})
        QVERIFY2(help.contains(word), qPrintable(word));
}

QTEST_GUILESS_MAIN(CelestialCommandTest)
#include "celestial_command_test.moc"
