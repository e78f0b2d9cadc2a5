// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of leeway and current run as a navigator runs them from a
// shell: that α and β keep their textbook signs, that dead reckoning takes
// the wind before the current and the course to steer the current before
// the wind, that the log correction, the model and the fixes' zones are
// taken as meant, and what is refused, with which status and on which
// stream.
//
// The reference values are worked without the program: the current
// triangle by python3's math (east V sin CA + rate sin set, north
// V cos CA + rate cos set; for the course to steer CA = CG −
// asin(rate sin(set − CG) / V), VG = V cos(CA − CG) + rate cos(set − CG)),
// the positions by GeographicLib 2.1.2's RhumbSolve; each table gives the
// commands. The sphere is nav's, of radius 6366707.019493707 m
// (RhumbSolve -e 6366707.019493707 0).
#include "nav/earth.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <cmath>
#include <cstring>

#include "tests/cli/program_run.h"
#include "tests/cli/system_lines.h"

using namespace Qt::StringLiterals;

namespace {

constexpr double kAngleTolerance = 1e-9;     // degrees, knots and n mile of the triangle
constexpr double kPositionTolerance = 1e-8;  // degrees: the references' inputs carry 10 decimals

// The JSON object a run printed; a failed run fails the test.
QJsonObject json(const QStringList& arguments)
{
    const ProgramRun run = runProgram(arguments + QStringList{u"--json"_s});
    if (run.status != 0)
        qWarning("%s", qPrintable(run.err));
    return QJsonDocument::fromJson(run.out).object();
}

// The lines a run printed as text; a failed run gives none.
QStringList textLines(const QStringList& arguments)
{
    const ProgramRun run = runProgram(arguments);
    if (run.status != 0) {
        qWarning("%s", qPrintable(run.err));
        return {};
    }
    return QString::fromUtf8(run.out).split(systemLines(u"\n"_s));
}

// The value after `label` on the line of the working that starts with it.
QString stepValue(const QStringList& lines, const QString& label)
{
    for (const QString& line : lines) {
        const QString step = line.trimmed();
        if (step.startsWith(label + u' '))
            return step.sliced(label.size()).trimmed();
    }
    return u"(no line %1)"_s.arg(label);
}

double member(const QJsonObject& object, const QString& key)
{
    return object[key].toDouble(qQNaN());
}

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace

class CurrentCommandTest : public QObject
{
    Q_OBJECT

private slots:
    void deadReckoning_data();
    void deadReckoning();
    void leewaySign_data();
    void leewaySign();
    void driftAngleSign_data();
    void driftAngleSign();
    void courseToSteer_data();
    void courseToSteer();
    void steeredTrackIsMadeGood_data();
    void steeredTrackIsMadeGood();
    void stillWaterIsPlainDeadReckoning_data();
    void stillWaterIsPlainDeadReckoning();
    void currentFromFixes_data();
    void currentFromFixes();
    void workingAsTheTextbookWritesIt();
    void fixesShownInTheText();
    void heldStillByTheCurrent();
    void refusals_data();
    void refusals();
    void help();
};

// python3: V = log (1 + ΔL/100), CA = TC + α, the current triangle as above;
// then  echo "LAT LON CG VG×H×1852" | RhumbSolve -p 9  (the sphere with
// -e 6366707.019493707 0):
//   30 122 42.5553936398 44565.059456    -> 30.29613189959420 122.31283655733870
//   30 122 14.4231845941 69045.543002    -> 30.60320112619794 122.17878732371450
//   sphere 30 122 42.5553936398 44565.059456 -> 30.29542552930125 122.31366199515776
//   35 179.5 65.1675167774 294870.349926 -> 36.11613140876324 -177.54827786770727
void CurrentCommandTest::deadReckoning_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<double>("ca");
    QTest::addColumn<double>("cg");
    QTest::addColumn<double>("groundSpeed");
    QTest::addColumn<double>("beta");
    QTest::addColumn<double>("gamma");
    QTest::addColumn<double>("distance");
    QTest::addColumn<double>("lat");
    QTest::addColumn<double>("lon");
    QTest::newRow("wind on port, current from port, log over-reading")
        << QStringList{u"--dead-reckoning"_s, u"30°N 122°E"_s, u"--course"_s, u"030°"_s, u"--speed"_s, u"12kn"_s,
                       u"--log-correction"_s, u"-2%"_s, u"--leeway"_s, u"+3"_s, u"--set"_s, u"120度"_s,
                       u"--drift"_s, u"2节"_s, u"--hours"_s, u"2h"_s}
        << 33.0 << 42.5553936398 << 12.0316035250 << 9.5553936398 << 12.5553936398 << 24.0632070499
        << 30.29613189959420 << 122.31283655733870;
    QTest::newRow("wind on starboard, current from starboard")
        << QStringList{u"--dead-reckoning"_s, u"3000N 12200E"_s, u"--course"_s, u"30"_s, u"--speed"_s, u"12"_s,
                       u"--leeway"_s, u"-4°"_s, u"--set"_s, u"300"_s, u"--drift"_s, u"2.5kn"_s,
                       u"--hours"_s, u"3 小时"_s}
        << 26.0 << 14.4231845941 << 12.4272035641 << -11.5768154059 << -15.5768154059 << 37.2816106924
        << 30.60320112619794 << 122.17878732371450;
    QTest::newRow("the same on the sphere")
        << QStringList{u"--dead-reckoning"_s, u"30°N 122°E"_s, u"--course"_s, u"30"_s, u"--speed"_s, u"12"_s,
                       u"--log-correction"_s, u"-2"_s, u"--leeway"_s, u"3"_s, u"--set"_s, u"120"_s,
                       u"--drift"_s, u"2"_s, u"--hours"_s, u"2"_s, u"--model"_s, u"sphere"_s}
        << 33.0 << 42.5553936398 << 12.0316035250 << 9.5553936398 << 12.5553936398 << 24.0632070499
        << 30.29542552930125 << 122.31366199515776;
    QTest::newRow("across the 180th meridian, log under-reading, decimal degrees")
        << QStringList{u"--dead-reckoning"_s, u"35N 179.5E"_s, u"--form"_s, u"度"_s, u"--course"_s, u"80"_s,
                       u"--speed"_s, u"14"_s, u"--log-correction"_s, u"+3"_s, u"--leeway"_s, u"-5"_s,
                       u"--set"_s, u"10"_s, u"--drift"_s, u"3"_s, u"--hours"_s, u"10"_s}
        << 75.0 << 65.1675167774 << 15.9217251580 << -9.8324832226 << -14.8324832226 << 159.2172515797
        << 36.11613140876324 << -177.54827786770727;
}

void CurrentCommandTest::deadReckoning()
{
    QFETCH(QStringList, arguments);
    QFETCH(double, ca);
    QFETCH(double, cg);
    QFETCH(double, groundSpeed);
    QFETCH(double, beta);
    QFETCH(double, gamma);
    QFETCH(double, distance);
    QFETCH(double, lat);
    QFETCH(double, lon);
    const QJsonObject dr = json(arguments);
    QVERIFY2(std::abs(member(dr, u"ca"_s) - ca) <= kAngleTolerance, qPrintable(dr[u"ca"_s].toVariant().toString()));
    QVERIFY(std::abs(member(dr, u"cg"_s) - cg) <= kAngleTolerance);
    QVERIFY(std::abs(member(dr, u"groundSpeed"_s) - groundSpeed) <= kAngleTolerance);
    QVERIFY(std::abs(member(dr, u"beta"_s) - beta) <= kAngleTolerance);
    QVERIFY(std::abs(member(dr, u"gamma"_s) - gamma) <= kAngleTolerance);
    QVERIFY(std::abs(member(dr, u"distance"_s) - distance) <= kAngleTolerance);
    const QJsonObject position = dr[u"position"_s].toObject();
    QVERIFY(std::abs(member(position, u"lat"_s) - lat) <= kPositionTolerance);
    QVERIFY2(std::abs(member(position, u"lon"_s) - lon) <= kPositionTolerance,
             qPrintable(QString::number(member(position, u"lon"_s), 'g', 17)));
}

// α = CA − TC, + with the wind on the port side: the ship is blown to
// starboard, her track to the right of her head.
void CurrentCommandTest::leewaySign_data()
{
    QTest::addColumn<QString>("leeway");
    QTest::addColumn<double>("ca");
    QTest::addColumn<QString>("shown");
    QTest::newRow("wind on the port side") << u"5"_s << 95.0 << u"+5.0°（左舷受风）"_s;
    QTest::newRow("wind on the starboard side") << u"-5"_s << 85.0 << u"-5.0°（右舷受风）"_s;
    QTest::newRow("minus sign typed as U+2212") << u"−2.5°"_s << 87.5 << u"-2.5°（右舷受风）"_s;
    QTest::newRow("no leeway") << u"0"_s << 90.0 << u"0.0°"_s;
}

void CurrentCommandTest::leewaySign()
{
    QFETCH(QString, leeway);
    QFETCH(double, ca);
    QFETCH(QString, shown);
    const QStringList arguments{u"--dead-reckoning"_s, u"30°N 122°E"_s, u"--course"_s, u"090"_s,
                                u"--speed"_s, u"10"_s, u"--hours"_s, u"1"_s, u"--leeway"_s, leeway};
    const QJsonObject dr = json(arguments);
    QCOMPARE(member(dr, u"ca"_s), ca);
    QCOMPARE(member(dr, u"cg"_s), ca);  // no current: the water track is the ground track
    const QStringList lines = textLines(arguments);
    QCOMPARE(stepValue(lines, u"风压差 α"_s), shown);
}

// β = CG − CA, + with the current setting from port toward starboard.
// python3: math.degrees(math.atan2(2, 10)) = 11.309932474020215.
void CurrentCommandTest::driftAngleSign_data()
{
    QTest::addColumn<QString>("set");
    QTest::addColumn<double>("beta");
    QTest::addColumn<QString>("shown");
    QTest::newRow("current from port, setting east") << u"090"_s << 11.309932474020215 << u"+11.3°（左舷受流）"_s;
    QTest::newRow("current from starboard, setting west") << u"270"_s << -11.309932474020215
                                                          << u"-11.3°（右舷受流）"_s;
}

void CurrentCommandTest::driftAngleSign()
{
    QFETCH(QString, set);
    QFETCH(double, beta);
    QFETCH(QString, shown);
    const QStringList arguments{u"--dead-reckoning"_s, u"30°N 122°E"_s, u"--course"_s, u"0"_s,
                                u"--speed"_s, u"10"_s, u"--hours"_s, u"1"_s, u"--set"_s, set,
                                u"--drift"_s, u"2"_s};
    const QJsonObject dr = json(arguments);
    QVERIFY(std::abs(member(dr, u"beta"_s) - beta) <= kAngleTolerance);
    QVERIFY(std::abs(member(dr, u"gamma"_s) - beta) <= kAngleTolerance);
    QVERIFY(std::abs(std::remainder(member(dr, u"cg"_s) - beta, 360.0)) <= kAngleTolerance);
    QCOMPARE(stepValue(textLines(arguments), u"流压差 β"_s), shown);
}

// python3, current first, then wind, as above.
void CurrentCommandTest::courseToSteer_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<double>("tc");
    QTest::addColumn<double>("ca");
    QTest::addColumn<double>("groundSpeed");
    QTest::addColumn<double>("beta");
    QTest::addColumn<double>("gamma");
    QTest::newRow("current from port, wind on starboard")
        << QStringList{u"--track"_s, u"045"_s, u"--speed"_s, u"10"_s, u"--leeway"_s, u"-2"_s,
                       u"--set"_s, u"135"_s, u"--drift"_s, u"3"_s}
        << 29.5423968763 << 27.5423968763 << 9.5393920142 << 17.4576031237 << 15.4576031237;
    QTest::newRow("log corrected, wind on port")
        << QStringList{u"--track"_s, u"200°"_s, u"--speed"_s, u"8kt"_s, u"--log-correction"_s, u"+5"_s,
                       u"--leeway"_s, u"4"_s, u"--set"_s, u"290"_s, u"--drift"_s, u"1.5"_s}
        << 185.7134393885 << 189.7134393885 << 8.2649863884 << 10.2865606115 << 14.2865606115;
    QTest::newRow("current from starboard, wind on port")
        << QStringList{u"--track"_s, u"10"_s, u"--speed"_s, u"12"_s, u"--leeway"_s, u"3"_s,
                       u"--set"_s, u"250"_s, u"--drift"_s, u"2"_s}
        << 15.2989210679 << 18.2989210679 << 10.8743420870 << -8.2989210679 << -5.2989210679;
}

void CurrentCommandTest::courseToSteer()
{
    QFETCH(QStringList, arguments);
    QFETCH(double, tc);
    QFETCH(double, ca);
    QFETCH(double, groundSpeed);
    QFETCH(double, beta);
    QFETCH(double, gamma);
    const QJsonObject steer = json(QStringList{u"--course-to-steer"_s} + arguments);
    QVERIFY2(std::abs(member(steer, u"tc"_s) - tc) <= kAngleTolerance,
             qPrintable(steer[u"tc"_s].toVariant().toString()));
    QVERIFY(std::abs(member(steer, u"ca"_s) - ca) <= kAngleTolerance);
    QVERIFY(std::abs(member(steer, u"groundSpeed"_s) - groundSpeed) <= kAngleTolerance);
    QVERIFY(std::abs(member(steer, u"beta"_s) - beta) <= kAngleTolerance);
    QVERIFY(std::abs(member(steer, u"gamma"_s) - gamma) <= kAngleTolerance);
}

// The heading the course to steer gives, reckoned with the same wind and
// current, makes good the track at the ground speed it promised: a course
// to steer that took the wind first, or a reckoning that took the current
// first, would miss it by degrees with a leeway this large.
void CurrentCommandTest::steeredTrackIsMadeGood_data()
{
    QTest::addColumn<QString>("track");
    QTest::addColumn<QString>("leeway");
    QTest::addColumn<QString>("set");
    QTest::addColumn<QString>("drift");
    QTest::newRow("strong leeway to port, current on the bow") << u"045"_s << u"12"_s << u"300"_s << u"4"_s;
    QTest::newRow("strong leeway to starboard, current on the quarter") << u"300"_s << u"-15"_s << u"80"_s << u"3.5"_s;
    QTest::newRow("track past north") << u"358"_s << u"8"_s << u"100"_s << u"2"_s;
}

void CurrentCommandTest::steeredTrackIsMadeGood()
{
    QFETCH(QString, track);
    QFETCH(QString, leeway);
    QFETCH(QString, set);
    QFETCH(QString, drift);
    const QStringList wind{u"--speed"_s, u"9"_s, u"--leeway"_s, leeway, u"--set"_s, set, u"--drift"_s, drift};
    const QJsonObject steer = json(QStringList{u"--course-to-steer"_s, u"--track"_s, track} + wind);
    const QString tc = QString::number(member(steer, u"tc"_s), 'g', 17);
    const QJsonObject dr = json(QStringList{u"--dead-reckoning"_s, u"20°N 120°E"_s, u"--course"_s, tc,
                                            u"--hours"_s, u"1"_s} + wind);
    QVERIFY2(std::abs(std::remainder(member(dr, u"cg"_s) - track.toDouble(), 360.0)) <= kAngleTolerance,
             qPrintable(QString::number(member(dr, u"cg"_s), 'g', 17)));
    QVERIFY(std::abs(member(dr, u"groundSpeed"_s) - member(steer, u"groundSpeed"_s)) <= kAngleTolerance);
    QVERIFY(std::abs(member(dr, u"beta"_s) - member(steer, u"beta"_s)) <= kAngleTolerance);
}

// With neither current nor leeway nor log correction the position is the
// plain dead reckoning's (nav::Earth::deadReckoning, the rhumb line of
// --destination) to the bit, and the text shows what --destination prints.
void CurrentCommandTest::stillWaterIsPlainDeadReckoning_data()
{
    QTest::addColumn<QStringList>("still");
    QTest::addColumn<QString>("model");
    QTest::newRow("no current given") << QStringList{} << u"wgs84"_s;
    QTest::newRow("a current of no rate") << QStringList{u"--set"_s, u"120"_s, u"--drift"_s, u"0"_s} << u"wgs84"_s;
    QTest::newRow("no leeway, no correction written") << QStringList{u"--leeway"_s, u"0"_s, u"--log-correction"_s, u"0"_s}
                                                      << u"wgs84"_s;
    QTest::newRow("on the sphere") << QStringList{} << u"sphere"_s;
}

void CurrentCommandTest::stillWaterIsPlainDeadReckoning()
{
    QFETCH(QStringList, still);
    QFETCH(QString, model);
    const QString from = u"30.17°N 122.25°E"_s;
    const QStringList common{u"--course"_s, u"045"_s, u"--model"_s, model};
    const QJsonObject dr = json(QStringList{u"--dead-reckoning"_s, from, u"--speed"_s, u"12"_s,
                                            u"--hours"_s, u"2.5"_s} + common + still);
    const nav::Earth earth(model == u"sphere"_s ? nav::EarthModel::Sphere : nav::EarthModel::Wgs84);
    const geo::GeoPoint plain =
        earth.deadReckoning({30.17, 122.25}, 45, 30, nav::Method::Rhumb);
    const QJsonObject position = dr[u"position"_s].toObject();
    QVERIFY2(sameBits(member(position, u"lat"_s), plain.latitude),
             qPrintable(QString::number(member(position, u"lat"_s), 'g', 17)));
    QVERIFY(sameBits(member(position, u"lon"_s), plain.longitude));
    QCOMPARE(member(dr, u"distance"_s), 30.0);
    const ProgramRun destination =
        runProgram(QStringList{u"--destination"_s, from, u"--distance"_s, u"30"_s} + common);
    QCOMPARE(destination.status, 0);
    const QStringList lines = textLines(QStringList{u"--dead-reckoning"_s, from, u"--speed"_s, u"12"_s,
                                                    u"--hours"_s, u"2.5"_s} + common + still);
    QCOMPARE(stepValue(lines, u"推算船位"_s) + systemLines(u"\n"_s), QString::fromUtf8(destination.out));
}

// echo "LAT1 LON1 CA V×t×1852" | RhumbSolve -p 9            -> the DR
// echo "DRLAT DRLON LAT2 LON2" | RhumbSolve -p 9 -i         -> set, distance
//   30 122 90 74080              -> 30 122.76777755145464;  -> 164.32547301261769, 11513.317798625 m
//   30 122 15 51948.6            -> 30.45264462800837 122.13966783054020;
//                                -> 71.17064104137459, 16265.929736278 m
//   sphere 50 179.8 82 45114.72  -> 50.05650427898976 -179.57415509811580;
//                                -> -20.87277768751414 (339.12722231248586), 5172.709464496 m
void CurrentCommandTest::currentFromFixes_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<double>("hours");
    QTest::addColumn<double>("drLat");
    QTest::addColumn<double>("drLon");
    QTest::addColumn<double>("set");
    QTest::addColumn<double>("distance");  // metres
    QTest::newRow("four hours of a watch in zone time")
        << QStringList{u"30°N 122°E"_s, u"2026-12-08 08:00 +8"_s, u"29°54′N 122°48′E"_s, u"2026-12-08 12:00 +8"_s,
                       u"--course"_s, u"090"_s, u"--speed"_s, u"10"_s}
        << 4.0 << 30.0 << 122.76777755145464 << 164.32547301261769 << 11513.317798625;
    QTest::newRow("fixes in two zones across midnight, wind on starboard, log corrected")
        << QStringList{u"30°N 122°E"_s, u"2026-12-08 22:00 UTC+8"_s, u"30°30′N 122°18′E"_s,
                       u"2026-12-08 16:30 UTC"_s, u"--course"_s, u"020"_s, u"--leeway"_s, u"-5"_s,
                       u"--speed"_s, u"11"_s, u"--log-correction"_s, u"2"_s}
        << 2.5 << 30.45264462800837 << 122.13966783054020 << 71.17064104137459 << 16265.929736278;
    QTest::newRow("across the 180th meridian on the sphere")
        << QStringList{u"50°N 179°48′E"_s, u"2026-06-01 00:00"_s, u"50°06′N 179°36′W"_s, u"2026-06-01 02:00"_s,
                       u"--course"_s, u"80"_s, u"--leeway"_s, u"2"_s, u"--speed"_s, u"12"_s,
                       u"--log-correction"_s, u"1.5"_s, u"--model"_s, u"sphere"_s}
        << 2.0 << 50.05650427898976 << -179.57415509811580 << 339.12722231248586 << 5172.709464496;
}

void CurrentCommandTest::currentFromFixes()
{
    QFETCH(QStringList, arguments);
    QFETCH(double, hours);
    QFETCH(double, drLat);
    QFETCH(double, drLon);
    QFETCH(double, set);
    QFETCH(double, distance);
    const QJsonObject found = json(QStringList{u"--current-from-fixes"_s} + arguments);
    QVERIFY2(std::abs(member(found, u"hours"_s) - hours) <= 1e-9,
             qPrintable(found[u"hours"_s].toVariant().toString()));
    const QJsonObject dr = found[u"dr"_s].toObject();
    QVERIFY(std::abs(member(dr, u"lat"_s) - drLat) <= kPositionTolerance);
    QVERIFY(std::abs(member(dr, u"lon"_s) - drLon) <= kPositionTolerance);
    QVERIFY2(std::abs(member(found, u"set"_s) - set) <= 1e-7,
             qPrintable(found[u"set"_s].toVariant().toString()));
    const double miles = distance / 1852;
    QVERIFY(std::abs(member(found, u"distance"_s) - miles) <= 1e-9);
    QVERIFY(std::abs(member(found, u"drift"_s) - miles / hours) <= 1e-9);
}

// The first example of the table above, worked as the textbook writes it.
void CurrentCommandTest::workingAsTheTextbookWritesIt()
{
    const QStringList lines = textLines({u"--dead-reckoning"_s, u"30°N 122°E"_s, u"--course"_s, u"030"_s,
                                         u"--speed"_s, u"12"_s, u"--log-correction"_s, u"-2"_s, u"--leeway"_s,
                                         u"3"_s, u"--set"_s, u"120"_s, u"--drift"_s, u"2"_s, u"--hours"_s, u"2"_s});
    QVERIFY(!lines.isEmpty());
    QCOMPARE(lines.first(), u"推算船位（先风后流），地球模型 WGS-84"_s);
    const QList<std::pair<QString, QString>> steps{
        {u"起始船位"_s, u"30°00.00′N 122°00.00′E"_s},
        {u"真航向 TC"_s, u"030.0°"_s},
        {u"风压差 α"_s, u"+3.0°（左舷受风）"_s},
        {u"风中航迹向 CA = TC + α"_s, u"033.0°"_s},
        {u"船速 V"_s, u"11.8 节（计程仪航速 12 节，改正率 ΔL -2%）"_s},
        {u"流向、流速"_s, u"120.0°，2 节"_s},
        {u"流压差 β"_s, u"+9.6°（左舷受流）"_s},
        {u"推算航迹向 CG = CA + β"_s, u"042.6°"_s},
        {u"风流压差 γ = α + β"_s, u"+12.6°"_s},
        {u"对地航速 VG"_s, u"12.0 节"_s},
        {u"航程 S = VG × t"_s, u"24.1 海里"_s},
        // 30.29613189959420 122.31283655733870 from RhumbSolve above
        {u"推算船位"_s, u"30°17.77′N 122°18.77′E"_s},
    };
    for (const auto& [label, value] : steps)
        QCOMPARE(stepValue(lines, label), value);
}

// Both fixes with their times and the DR, in the display form.
void CurrentCommandTest::fixesShownInTheText()
{
    const QStringList lines = textLines({u"--current-from-fixes"_s, u"3000N 12200E"_s, u"2026-12-08 08:00 +8"_s,
                                         u"2954N 12248E"_s, u"2026-12-08 12:00 +8"_s, u"--course"_s, u"90"_s,
                                         u"--speed"_s, u"10"_s});
    QCOMPARE(stepValue(lines, u"第一船位"_s), u"30°00.00′N 122°00.00′E（2026-12-08 08:00:00 UTC+8）"_s);
    QCOMPARE(stepValue(lines, u"第二船位"_s), u"29°54.00′N 122°48.00′E（2026-12-08 12:00:00 UTC+8）"_s);
    QCOMPARE(stepValue(lines, u"间隔 t"_s), u"4:00"_s);
    // 122.76777755145464 E is 122°46.07′E.
    QCOMPARE(stepValue(lines, u"推算船位（无流）"_s), u"30°00.00′N 122°46.07′E"_s);
    QCOMPARE(stepValue(lines, u"流向"_s), u"164.3°"_s);
    QCOMPARE(stepValue(lines, u"流速 = 流程 ÷ t"_s), u"1.6 节"_s);
}

// A current as fast as the ship dead against her heading: no way over the
// ground, so no track, β or γ; she stays where she was.
void CurrentCommandTest::heldStillByTheCurrent()
{
    const QStringList arguments{u"--dead-reckoning"_s, u"30°N 122°E"_s, u"--course"_s, u"090"_s, u"--speed"_s,
                                u"3"_s, u"--set"_s, u"270"_s, u"--drift"_s, u"3"_s, u"--hours"_s, u"2"_s};
    const QJsonObject dr = json(arguments);
    QCOMPARE(member(dr, u"groundSpeed"_s), 0.0);
    QVERIFY(!dr.contains(u"cg"_s) && !dr.contains(u"beta"_s) && !dr.contains(u"gamma"_s));
    QCOMPARE(member(dr[u"position"_s].toObject(), u"lon"_s), 122.0);
    QCOMPARE(stepValue(textLines(arguments), u"推算航迹向 CG = CA + β"_s), u"无（对地不动）"_s);
}

void CurrentCommandTest::refusals_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("says");
    const auto reckon = [](const QStringList& more) {
        return QStringList{u"--dead-reckoning"_s, u"30°N 122°E"_s, u"--course"_s, u"030"_s, u"--speed"_s,
                           u"12"_s, u"--hours"_s, u"2"_s} + more;
    };
    const auto steer = [](const QString& set, const QString& drift, const QStringList& more = {}) {
        return QStringList{u"--course-to-steer"_s, u"--track"_s, u"090"_s, u"--speed"_s, u"10"_s,
                           u"--set"_s, set, u"--drift"_s, drift} + more;
    };
    const auto fixes = [](const QString& time1, const QString& time2) {
        return QStringList{u"--current-from-fixes"_s, u"30°N 122°E"_s, time1, u"29°54′N 122°48′E"_s, time2,
                           u"--course"_s, u"090"_s, u"--speed"_s, u"10"_s};
    };
    QTest::newRow("leeway of 46°") << reckon({u"--leeway"_s, u"46"_s}) << 1
                                   << u"风压差（--leeway）“46”超出范围：应是 -45 到 45 之间的度数，左舷受风为正"_s;
    QTest::newRow("leeway past 45° to starboard") << steer(u"0"_s, u"1"_s, {u"--leeway"_s, u"-45.5"_s}) << 1
                                                  << u"风压差（--leeway）“-45.5”超出范围"_s;
    QTest::newRow("leeway named by a side") << reckon({u"--leeway"_s, u"3E"_s}) << 1
                                            << u"风压差（--leeway）“3E”无法识别"_s;
    QTest::newRow("negative rate") << reckon({u"--set"_s, u"120"_s, u"--drift"_s, u"-0.5"_s}) << 1
                                   << u"流速（--drift）“-0.5”超出范围"_s;
    QTest::newRow("set beyond the circle") << reckon({u"--set"_s, u"361"_s, u"--drift"_s, u"1"_s}) << 1
                                           << u"流向（--set）“361”超出范围"_s;
    QTest::newRow("log correction of 60%") << reckon({u"--log-correction"_s, u"60%"_s}) << 1
                                           << u"计程仪改正率（--log-correction）“60%”超出范围：应是 -50 到 50"_s;
    QTest::newRow("log correction per mille") << reckon({u"--log-correction"_s, u"-2‰"_s}) << 1
                                              << u"计程仪改正率（--log-correction）“-2‰”无法识别"_s;
    QTest::newRow("hours and minutes") << QStringList{u"--dead-reckoning"_s, u"30°N 122°E"_s, u"--course"_s, u"30"_s,
                                                      u"--speed"_s, u"12"_s, u"--hours"_s, u"2:30"_s}
                                       << 1 << u"航时（--hours）“2:30”无法识别"_s;
    QTest::newRow("track beyond the circle") << QStringList{u"--course-to-steer"_s, u"--track"_s, u"400"_s,
                                                            u"--speed"_s, u"10"_s, u"--set"_s, u"0"_s,
                                                            u"--drift"_s, u"1"_s}
                                             << 1 << u"计划航迹向（--track）“400”超出范围"_s;
    QTest::newRow("current across faster than the ship") << steer(u"180"_s, u"10.5"_s) << 1
                                                         << u"计划航迹向 090.0° 保持不住：流垂直于航迹的分量大于船速"_s;
    QTest::newRow("log correction leaves the ship too slow across")
        << steer(u"0"_s, u"9.8"_s, {u"--log-correction"_s, u"-5"_s}) << 1 << u"保持不住"_s;
    QTest::newRow("current ahead as fast as the ship") << steer(u"270"_s, u"10"_s) << 1
                                                       << u"沿计划航迹向 090.0° 驶不出去"_s;
    QTest::newRow("current abeam as fast as the ship") << steer(u"0"_s, u"10"_s) << 1 << u"对地航速为零或负"_s;
    QTest::newRow("second fix before the first")
        << fixes(u"2026-12-08 12:00 +8"_s, u"2026-12-08 08:00 +8"_s) << 1
        << u"第二船位的时间（--current-from-fixes 的时间2）“2026-12-08 08:00 +8”不晚于第一船位的时间“2026-12-08 12:00 +8”"_s;
    QTest::newRow("fixes at one instant in two zones")
        << fixes(u"2026-12-08 08:00 +8"_s, u"2026-12-08 00:00 UTC"_s) << 1 << u"不晚于第一船位的时间"_s;
    QTest::newRow("time of a fix that does not read") << fixes(u"2026-12-08 8h"_s, u"2026-12-08 12:00"_s) << 1
                                                       << u"时间（--current-from-fixes 的时间1）“2026-12-08 8h”无法识别"_s;
    QTest::newRow("fix beyond the Earth")
        << QStringList{u"--current-from-fixes"_s, u"9100N 12200E"_s, u"2026-12-08 08:00"_s, u"3000N 12200E"_s,
                       u"2026-12-08 12:00"_s, u"--course"_s, u"0"_s, u"--speed"_s, u"10"_s}
        << 1 << u"第一船位（--current-from-fixes）“9100N 12200E”超出范围"_s;
    QTest::newRow("run through the pole") << QStringList{u"--dead-reckoning"_s, u"80°N 0°E"_s, u"--course"_s, u"0"_s,
                                                         u"--speed"_s, u"20"_s, u"--hours"_s, u"100"_s}
                                          << 1 << u"越过极点"_s;
    QTest::newRow("run beyond the longest") << QStringList{u"--dead-reckoning"_s, u"0°N 0°E"_s, u"--course"_s,
                                                           u"90"_s, u"--speed"_s, u"100000"_s, u"--hours"_s, u"11"_s}
                                            << 1 << u"推算的对地航程超出范围"_s;
    QTest::newRow("hours missing") << QStringList{u"--dead-reckoning"_s, u"30°N 122°E"_s, u"--course"_s, u"30"_s,
                                                  u"--speed"_s, u"12"_s}
                                   << 2 << u"--dead-reckoning 需要 --hours"_s;
    QTest::newRow("set without drift") << reckon({u"--set"_s, u"120"_s}) << 2 << u"--set 流向与 --drift 流速要一起给出"_s;
    QTest::newRow("course to steer without a current")
        << QStringList{u"--course-to-steer"_s, u"--track"_s, u"90"_s, u"--speed"_s, u"10"_s} << 2
        << u"--course-to-steer 需要 --set"_s;
    QTest::newRow("model where there is no position") << steer(u"0"_s, u"1"_s, {u"--model"_s, u"sphere"_s}) << 2
                                                      << u"选项 --model 不能与 --course-to-steer 一起使用"_s;
    QTest::newRow("a fix's time missing") << QStringList{u"--current-from-fixes"_s, u"30°N 122°E"_s,
                                                         u"2026-12-08 08:00"_s, u"29°54′N 122°48′E"_s,
                                                         u"--course"_s, u"90"_s}
                                          << 2 << u"--current-from-fixes 要跟 第一船位 时间1 第二船位 时间2"_s;
    QTest::newRow("two commands at once") << reckon({u"--course-to-steer"_s}) << 2
                                          << u"--dead-reckoning 与 --course-to-steer 不能一起使用"_s;
    QTest::newRow("model that chooses nothing") << reckon({u"--model"_s, u"WGS84"_s}) << 2 << u"--model"_s;
}

void CurrentCommandTest::refusals()
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

// --help wherever it stands names the commands, the sign of the leeway and
// every key of their JSON.
void CurrentCommandTest::help()
{
    const ProgramRun run = runProgram({u"--current-from-fixes"_s, u"30N 122E"_s, u"--help"_s});
    QCOMPARE(run.status, 0);
    const QString help = QString::fromUtf8(run.out);
    for (const QString& word : {u"--dead-reckoning"_s, u"--course-to-steer"_s, u"--current-from-fixes"_s,
                                u"左舷受风为正"_s, u"groundSpeed"_s, u"gamma"_s, u"drift"_s, u"dr {lat, lon}"_s})
        QVERIFY2(help.contains(word), qPrintable(word));
}

QTEST_GUILESS_MAIN(CurrentCommandTest)
#include "current_command_test.moc"
