// SPDX-License-Identifier: GPL-3.0-or-later
// tarnquil --fix run as a navigator runs it from a shell: the fix and its
// figures as JSON and as text, and what it refuses, with which status and
// on which stream. The positions expected are those of tests/nav/fix_test.cpp,
// found with GeodSolve -E and RhumbSolve by tools/fix-test-values.
#include "text/altitude_reading.h"
#include "text/celestial_words.h"
#include "text/fix_words.h"
#include "text/observation_rows.h"
#include "text/option_words.h"
#include "text/refusals.h"

#include "nav/fix.h"
#include "tests/cli/program_run.h"
#include "tests/cli/system_lines.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// Degrees: the JSON writes every digit of a double, so the fix arrives as
// exact as nav computed it.
constexpr double kDegrees = 1e-9;

using Points = QList<QPointF>;  // x latitude, y longitude

ProgramRun runFix(const QStringList& arguments)
{
    return runProgram(QStringList{u"--fix"_s} + arguments);
}

QString full(double value)
{
    return QString::number(value, 'g', 17);
}

Points points(const QJsonValue& value)
{
    Points list;
    const QJsonArray array = value.isObject() ? QJsonArray{value} : value.toArray();
    for (const QJsonValue& point : array)
        list << QPointF(point[u"lat"_s].toDouble(qQNaN()), point[u"lon"_s].toDouble(qQNaN()));
    return list;
}

bool near(const Points& actual, const Points& expected)
{
    if (actual.size() != expected.size())
        return false;
    for (qsizetype k = 0; k < actual.size(); ++k)
        if (!(std::fabs(actual[k].x() - expected[k].x()) <= kDegrees
              && std::fabs(actual[k].y() - expected[k].y()) <= kDegrees))
            return false;
    return true;
}

QByteArray shown(const Points& list)
{
    QStringList texts;
    for (const QPointF& point : list)
        texts << full(point.x()) + u' ' + full(point.y());
    return texts.join(u", "_s).toUtf8();
}

}  // namespace

Q_DECLARE_METATYPE(Points)

class FixCommandTest : public QObject
{
    Q_OBJECT

private slots:
    void json_data();
    void json();
    void warningsNameTheirLines_data();
    void warningsNameTheirLines();
    void textStartsWithTheFix();
    void namedMarkIsReadAndNamed();
    void refused_data();
    void refused();
    void savedFixReopens_data();
    void savedFixReopens();
    void savedOnlyWhatAFileHolds_data();
    void savedOnlyWhatAFileHolds();
    void altitudesAreTheNavFix_data();
    void altitudesAreTheNavFix();
    void sightsTimedByTheClockAreRun();
    void altitudeRowOfAFileIsNoMark();
};

void FixCommandTest::json_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Points>("solutions");  // the fix first
    QTest::addColumn<Points>("cockedHat");
    QTest::addColumn<double>("compassError");  // NaN: none expected
    QTest::addColumn<Points>("commonErrorFix");

    const double none = qQNaN();
    QTest::newRow("two bearings, packed marks")
        << QStringList{u"--bearing"_s, u"3000.0N 12200.0E"_s, u"45"_s,
                       u"--bearing"_s, u"2952.0N 12206.0E"_s, u"120°"_s}
        << Points{{29.947464737335302, 121.93962694737328}} << Points{} << none << Points{};
    QTest::newRow("two bearings on the sphere")
        << QStringList{u"--model"_s, u"sphere"_s, u"--bearing"_s, u"30°00.0′N 122°00.0′E"_s, u"45"_s,
                       u"--bearing"_s, u"29°52.0′N 122°06.0′E"_s, u"120"_s}
        << Points{{29.947304198528602, 121.93913598894332}} << Points{} << none << Points{};
    QTest::newRow("three compass bearings on the sphere, the cocked hat and the common error")
        << QStringList{u"--model=sphere"_s, u"--form"_s, u"度"_s, u"--compass-error"_s, u"-1"_s,
                       u"--bearing"_s, u"22.3N 113.95E"_s, full(41.27093458933955),
                       u"--bearing"_s, u"22.18N 113.97E"_s, full(135.6941199120834),
                       u"--bearing"_s, u"22.27N 113.8E"_s, full(280.71333935283656)}
        << Points{{22.24956488252742, 113.90010351349453}}
        << Points{{22.244720079332204, 113.89937447605841},
                  {22.253080666732934, 113.90703204696834},
                  {22.256279179992475, 113.8867641684064}}
        << 1.5 << Points{{22.25, 113.9}};
    QTest::newRow("two ranges, the solution near the DR first")
        << QStringList{u"--form"_s, u"度"_s, u"--range"_s, u"39.0N 121.75E"_s, full(5.55670262979271),
                       u"--range"_s, u"38.85N 121.6E"_s, full(6.435534225786231) + u"nm"_s,
                       u"--near"_s, u"38.91N 121.71E"_s}
        << Points{{38.91218465720581, 121.71197074274409}, {38.95, 121.65}} << Points{} << none
        << Points{};
    QTest::newRow("two horizontal angles")
        << QStringList{u"--form"_s, u"度"_s,
                       u"--angle"_s, u"24.5N 118.05E"_s, u"24.52N 118.2E"_s, full(95.02195065312088),
                       u"--angle"_s, u"24.52N 118.2E"_s, u"24.38N 118.18E"_s, full(81.11573358161793)}
        << Points{{24.45, 118.1}} << Points{} << none << Points{};
    QTest::newRow("running fix over two runs, in the order given")
        << QStringList{u"--form"_s, u"度"_s, u"--bearing"_s, u"36.1N 120.6E"_s, full(39.04944889669579),
                       u"--run"_s, u"70"_s, u"6"_s, u"--run"_s, u"125"_s, u"4.5"_s,
                       u"--bearing"_s, u"36.02N 120.75E"_s, full(58.71830747978363)}
        << Points{{35.99117098293557, 120.69156306830075}} << Points{} << none << Points{};
    QTest::newRow("compass bearings in the southern hemisphere")
        << QStringList{u"--form"_s, u"度"_s, u"--compass-error"_s, u"-3.5"_s,
                       u"--bearing"_s, u"33.85S 151.35E"_s, full(43.345851173562075),
                       u"--bearing"_s, u"33.95S 151.4E"_s, full(124.48298621707941)}
        << Points{{-33.9, 151.3}} << Points{} << none << Points{};
}

void FixCommandTest::json()
{
    QFETCH(QStringList, arguments);
    QFETCH(Points, solutions);
    QFETCH(Points, cockedHat);
    QFETCH(double, compassError);
    QFETCH(Points, commonErrorFix);
    const ProgramRun run = runFix(arguments + QStringList{u"--json"_s});
    QVERIFY2(run.status == 0 && run.err.isEmpty(), qPrintable(run.err));
    QJsonParseError error;
    const QJsonObject answer = QJsonDocument::fromJson(run.out, &error).object();
    QVERIFY2(error.error == QJsonParseError::NoError, run.out.constData());
    const Points fix = points(answer[u"fix"_s]);
    QVERIFY2(near(fix, solutions.first(1)), shown(fix).constData());
    const Points all = points(answer[u"solutions"_s]);
    QVERIFY2(near(all, solutions), shown(all).constData());
    const Points corners = points(answer[u"cocked_hat"_s]);
    QVERIFY2(near(corners, cockedHat), shown(corners).constData());
    QCOMPARE(answer.contains(u"compass_error"_s), !std::isnan(compassError));
    if (!std::isnan(compassError))
        QVERIFY(std::fabs(answer[u"compass_error"_s].toDouble() - compassError) <= kDegrees);
    const Points common =
        answer.contains(u"fix_common_error"_s) ? points(answer[u"fix_common_error"_s]) : Points{};
    QVERIFY2(near(common, commonErrorFix), shown(common).constData());
}

// Each warning names the observations it is about, each once: the two
// lines of a poor cut, the one line of a cocked hat's longest side.
void FixCommandTest::warningsNameTheirLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QList<int>>("observations");

    // A mark due north of the ship (30°00.0′N 122°00.0′E), one due east
    // and one to the north-east: its bearing given 8° short, the third
    // line passes a mile off the crossing of the first two, and the hat's
    // longest side lies on it.
    const QStringList north{u"--bearing"_s, u"3005.0N 12200.0E"_s, u"0"_s};
    QTest::newRow("a large cocked hat: the one line of its longest side")
        << north + QStringList{u"--bearing"_s, u"3000.0N 12206.0E"_s, u"90"_s,
                               u"--bearing"_s, u"3005.0N 12206.0E"_s, u"38"_s}
        << u"large_cocked_hat"_s << QList<int>{3};
    QTest::newRow("a poor cut: both lines")
        << north + QStringList{u"--bearing"_s, u"3004.7N 12202.0E"_s, u"20"_s}
        << u"poor_cut"_s << QList<int>{1, 2};
}

void FixCommandTest::warningsNameTheirLines()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, kind);
    QFETCH(QList<int>, observations);
    const ProgramRun run = runFix(arguments + QStringList{u"--json"_s});
    QVERIFY2(run.status == 0 && run.err.isEmpty(), qPrintable(run.err));
    const QJsonArray warnings = QJsonDocument::fromJson(run.out).object()[u"warnings"_s].toArray();
    QVERIFY2(warnings.size() == 1, run.out.constData());
    const QJsonObject warning = warnings.first().toObject();
    QCOMPARE(warning[u"kind"_s].toString(), kind);
    QList<int> named;
    for (const QJsonValue& observation : warning[u"observations"_s].toArray())
        named << observation.toInt();
    QCOMPARE(named, observations);
}

// The fix in the display form on the first line, the figures after it.
void FixCommandTest::textStartsWithTheFix()
{
    const ProgramRun run = runFix({u"--bearing"_s, u"3000.0N 12200.0E"_s, u"45"_s, u"--bearing"_s,
                              u"2952.0N 12206.0E"_s, u"120"_s});
    QCOMPARE(run.err, QString());
    QCOMPARE(run.status, 0);
    const QStringList lines = QString::fromUtf8(run.out).split(systemLines(u"\n"_s));
    QCOMPARE(lines.first(), u"29°56.85′N 121°56.38′E"_s);
    QVERIFY2(lines.size() > 2 && lines[1].contains(u"方位 045.0°"_s), run.out.constData());
}

// A mark given with a name is that position wherever the name stands
// alone; --json lists each observation as read, the figures name the mark.
void FixCommandTest::namedMarkIsReadAndNamed()
{
    const QStringList arguments{u"--bearing"_s, u"花鸟山 3051.5N 12240.0E"_s, u"45"_s,
                                u"--range"_s, u"花鸟山"_s, u"3nm"_s};
    const ProgramRun two = runFix(arguments + QStringList{u"--json"_s});
    QVERIFY2(two.status == 0, qPrintable(two.err));
    const QJsonArray observations =
        QJsonDocument::fromJson(two.out).object()[u"observations"_s].toArray();
    QCOMPARE(observations.size(), 2);
    const Points mark{{30 + 51.5 / 60, 122 + 40.0 / 60}};
    QCOMPARE(observations[0][u"kind"_s].toString(), u"bearing"_s);
    QVERIFY(near(points(observations[0][u"marks"_s]), mark));
    QCOMPARE(observations[0][u"value"_s].toDouble(), 45.0);
    QCOMPARE(observations[1][u"kind"_s].toString(), u"range"_s);
    QVERIFY(near(points(observations[1][u"marks"_s]), mark));
    QCOMPARE(observations[1][u"value"_s].toDouble(), 3.0);
    const ProgramRun text = runFix(arguments);
    QVERIFY2(QString::fromUtf8(text.out).contains(u"物标 花鸟山（30°51.50′N 122°40.00′E）"_s),
             text.out.constData());
}

void FixCommandTest::refused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("reason");  // the first line on stderr, after "tarnquil: "

    using enum nav::NoFixReason;
    using nav::Quantity;
    const QStringList markA{u"--bearing"_s, u"3000.0N 12200.0E"_s};
    const QStringList markB{u"--bearing"_s, u"2952.0N 12206.0E"_s, u"120"_s};
    QTest::newRow("one observation") << markA + QStringList{u"45"_s} << 1
                                     << tarnquil::noFixMessage(TooFewObservations);
    QTest::newRow("one observation and a run")
        << markA + QStringList{u"45"_s, u"--run"_s, u"90"_s, u"3"_s} << 1
        << tarnquil::noFixMessage(TooFewObservations);
    QTest::newRow("parallel bearings")
        << markA + QStringList{u"90"_s, u"--bearing"_s, u"3010.0N 12200.0E"_s, u"90"_s} << 1
        << tarnquil::noFixMessage(ParallelBearings);
    QTest::newRow("range circles apart")
        << QStringList{u"--range"_s, u"3000.0N 12200.0E"_s, u"2"_s, u"--range"_s, u"3000.0N 12220.0E"_s,
                       u"3"_s}
        << 1 << tarnquil::noFixMessage(RangeCirclesApart);
    QTest::newRow("a distance unit on a bearing")
        << markA + QStringList{u"45nm"_s} + markB << 1
        << tarnquil::fixValueRefusal(Quantity::Bearing, u"45nm"_s, tarnquil::Verdict::Unreadable,
                                     u"--bearing");
    QTest::newRow("range zero")
        << QStringList{u"--range"_s, u"3000.0N 12200.0E"_s, u"0"_s} + markB << 1
        << tarnquil::fixValueRefusal(Quantity::Range, u"0"_s, tarnquil::Verdict::OutOfRange,
                                     u"--range");
    QTest::newRow("compass error beyond a half circle")
        << markA + QStringList{u"45"_s} + markB + QStringList{u"--compass-error"_s, u"181"_s} << 1
        << tarnquil::fixValueRefusal(Quantity::CompassError, u"181"_s, tarnquil::Verdict::OutOfRange,
                                     u"--compass-error");
    QTest::newRow("run through nothing but digits")
        << markA + QStringList{u"45"_s, u"--run"_s, u"400"_s, u"3"_s} + markB << 1
        << tarnquil::fixValueRefusal(Quantity::Course, u"400"_s, tarnquil::Verdict::OutOfRange,
                                     u"--run");
    QTest::newRow("a mark with one coordinate")
        << QStringList{u"--bearing"_s, u"3000.0N"_s, u"45"_s} + markB << 1 << u"物标“3000.0N”…"_s;
    QTest::newRow("a bearing without its value")
        << markA + QStringList{u"--json"_s} + markB << 2 << u"选项 --bearing 要跟 2 个值。"_s;
    QTest::newRow("an option of the route")
        << markA + QStringList{u"45"_s} + markB + QStringList{u"--speed"_s, u"12"_s} << 2
        << u"选项 --speed 不能与 --fix 一起使用。"_s;
    QTest::newRow("a model it has not")
        << markA + QStringList{u"45"_s} + markB + QStringList{u"--model"_s, u"mars"_s} << 2
        << u"--model …"_s;
    QTest::newRow("the DR position twice")
        << markA + QStringList{u"45"_s, u"--near"_s, u"3000N 12200E"_s, u"--near"_s, u"3000N 12200E"_s}
               + markB
        << 2 << u"选项 --near 重复。"_s;
    QTest::newRow("a stray value")
        << markA + QStringList{u"45"_s, u"46"_s} + markB << 2 << u"多余的参数“46”…"_s;

    const QStringList sirius{u"--altitude"_s, u"Sirius"_s, u"2026-03-20 10:30"_s, u"42.85"_s};
    const QStringList dr{u"--near"_s, u"3028N 12300E"_s};
    QTest::newRow("an altitude without the DR")
        << sirius + markB << 2 << u"--altitude 要有 --near：推算船位即天体高度的假定船位。"_s;
    QTest::newRow("a sextant altitude beyond the zenith")
        << QStringList{u"--altitude"_s, u"Regulus"_s, u"2026-03-20 10:30"_s, u"97"_s} + sirius + dr
        << 1
        << tarnquil::celestialValueRefusal(Quantity::Altitude, u"97"_s, tarnquil::Verdict::OutOfRange,
                                           u"--altitude 的 HS", u"六分仪高度"_s);
    QTest::newRow("a body misspelt")
        << QStringList{u"--altitude"_s, u"Regulsu"_s, u"2026-03-20 10:30"_s, u"37"_s} + sirius + dr
        << 1 << tarnquil::bodyRefusal(u"Regulsu"_s, u"--altitude");
    QTest::newRow("a time without its date")
        << QStringList{u"--altitude"_s, u"Regulus"_s, u"10:30"_s, u"37"_s} + sirius + dr << 1
        << tarnquil::timeRefusal(u"10:30"_s, u"--altitude");
    QTest::newRow("a limb the Sun has not")
        << QStringList{u"--altitude"_s, u"Sun"_s, u"2026-03-20 02:00"_s, u"49"_s, u"--limb"_s,
                       u"left"_s} + sirius + dr
        << 2 << tarnquil::choiceRefusal(u"--limb", tarnquil::limbWords(), u"left"_s);
    QTest::newRow("a limb before any altitude")
        << QStringList{u"--limb"_s, u"lower"_s} + sirius + dr << 2
        << u"选项 --limb 要紧跟在 --altitude 的三个值之后。"_s;
    QTest::newRow("the Sun below the horizon at the DR")
        << QStringList{u"--altitude"_s, u"Sun"_s, u"2026-03-20 10:30"_s, u"37"_s} + sirius + dr << 1
        << u"此时太阳 Sun 在所给位置的高度为 …"_s;
    QTest::newRow("a height of eye below the sea")
        << sirius + QStringList{u"--altitude"_s, u"Regulus"_s, u"2026-03-20 10:30"_s, u"37"_s} + dr
               + QStringList{u"--height"_s, u"-1"_s}
        << 1
        << tarnquil::celestialValueRefusal(Quantity::HeightOfEye, u"-1"_s,
                                           tarnquil::Verdict::OutOfRange, u"--height");
}

// A refusal writes nothing on stdout and says why on stderr.
void FixCommandTest::refused()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, reason);
    const ProgramRun run = runFix(arguments);
    QCOMPARE(run.out, QByteArray());
    QCOMPARE(run.status, status);
    const QString first = run.err.section(u'\n', 0, 0).trimmed();
    if (reason.endsWith(u'…'))
        QVERIFY2(first.startsWith(u"tarnquil: "_s + reason.chopped(1)), qPrintable(first));
    else
        QCOMPARE(first, u"tarnquil: "_s + reason);
}

// A fix worked with --save reopens from its file to the same JSON, and
// what is given beside the file is added to it.
void FixCommandTest::savedFixReopens_data()
{
    QTest::addColumn<QStringList>("observations");
    QTest::addColumn<QStringList>("added");
    const QStringList named{u"--bearing"_s, u"花鸟山 3051.5N 12240.0E"_s, u"045"_s, u"--run"_s,
                            u"090"_s, u"2nm"_s, u"--bearing"_s, u"3045N 12245E"_s, u"100"_s,
                            u"--compass-error"_s, u"-1"_s};
    QTest::newRow("named mark, a run, an error") << named << QStringList{};
    QTest::newRow("degrees form, two solutions near the DR")
        << QStringList{u"--form"_s, u"度"_s, u"--range"_s, u"30.85N 122.66E"_s, u"5"_s, u"--range"_s,
                       u"30.70N 122.70E"_s, u"6"_s, u"--near"_s, u"30.7N 122.6E"_s}
        << QStringList{};
    QTest::newRow("the model and an observation added to the file")
        << named << QStringList{u"--model"_s, u"sphere"_s, u"--range"_s, u"花鸟山"_s, u"6.2"_s};
    QTest::newRow("three stars from a high bridge, a cold night")
        << QStringList{u"--altitude"_s, u"Dubhe"_s, u"2026-03-20 10:30"_s, u"36 57.1"_s,
                       u"--altitude"_s, u"Sirius"_s, u"2026-03-20 18:31 +8"_s, u"42.86"_s,
                       u"--altitude"_s, u"Hamal"_s, u"2026-03-20 10:32:30"_s, u"31.1"_s,
                       u"--height"_s, u"22"_s, u"--index-correction"_s, u"-1.5"_s,
                       u"--temperature"_s, u"-5"_s, u"--pressure"_s, u"1030"_s, u"--dut1"_s,
                       u"0.3"_s, u"--near"_s, u"3028N 12300E"_s}
        << QStringList{};
    QTest::newRow("the Sun's limbs and a bearing")
        << QStringList{u"--altitude"_s, u"Sun"_s, u"2026-03-20 02:00"_s, u"49.3"_s, u"--limb"_s,
                       u"upper"_s, u"--bearing"_s, u"3051.5N 12240.0E"_s, u"045"_s,
                       u"--altitude"_s, u"太阳"_s, u"2026-03-20 11:50 +8"_s, u"59 20"_s,
                       u"--limb"_s, u"下边"_s, u"--near"_s, u"3028N 12300E"_s}
        << QStringList{};
}

void FixCommandTest::savedFixReopens()
{
    QFETCH(QStringList, observations);
    QFETCH(QStringList, added);
    QTemporaryDir folder;
    const QString path = folder.filePath(u"fix.csv"_s);
    const ProgramRun saved = runFix(observations + QStringList{u"--json"_s, u"--save"_s, path});
    QVERIFY2(saved.status == 0, qPrintable(saved.err));
    const ProgramRun direct = runFix(observations + added + QStringList{u"--json"_s});
    QVERIFY2(direct.status == 0, qPrintable(direct.err));
    const ProgramRun reopened = runFix(QStringList{path} + added + QStringList{u"--json"_s});
    QVERIFY2(reopened.status == 0, qPrintable(reopened.err));
    QCOMPARE(reopened.out, direct.out);
}

void FixCommandTest::savedOnlyWhatAFileHolds_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");
    const QStringList two{u"--bearing"_s, u"3051.5N 12240.0E"_s, u"045"_s, u"--bearing"_s,
                          u"3045N 12245E"_s, u"100"_s};
    QTest::newRow("two runs with nothing between")
        << QStringList{u"--bearing"_s, u"3051.5N 12240.0E"_s, u"045"_s, u"--run"_s, u"090"_s, u"1"_s,
                       u"--run"_s, u"180"_s, u"1"_s, u"--bearing"_s, u"3045N 12245E"_s, u"100"_s}
        << u"两个 --run 之间没有观测"_s;
    QTest::newRow("a run after the last")
        << two + QStringList{u"--run"_s, u"090"_s, u"1"_s} << u"最后一个 --run 之后没有观测"_s;
    QTest::newRow("a run before an altitude, whose cell is its time")
        << QStringList{u"--altitude"_s, u"Sun"_s, u"2026-03-20 02:00"_s, u"49.3"_s, u"--limb"_s,
                       u"upper"_s, u"--run"_s, u"090"_s, u"5"_s, u"--altitude"_s, u"太阳"_s,
                       u"2026-03-20 11:50 +8"_s, u"59 20"_s, u"--near"_s, u"3028N 12300E"_s}
        << u"写不下它之前的 --run"_s;
}

// What the window's rows cannot hold is refused, and no file is left.
void FixCommandTest::savedOnlyWhatAFileHolds()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    QTemporaryDir folder;
    const QString path = folder.filePath(u"fix.csv"_s);
    const ProgramRun run = runFix(arguments + QStringList{u"--save"_s, path});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains(error), qPrintable(run.err));
    QCOMPARE(run.out, QByteArray());
    QVERIFY(!QFile::exists(path));
}

// The fix by altitudes the command line writes is the one nav makes of the
// same sights read by the same reader: the same position and, for each
// altitude, its intercept and Zn from the DR.
void FixCommandTest::altitudesAreTheNavFix_data()
{
    QTest::addColumn<QList<QStringList>>("sights");  // body, time, Hs, limb
    QTest::addColumn<QStringList>("options");
    QTest::newRow("two stars at dusk")
        << QList<QStringList>{{u"Regulus"_s, u"2026-03-20 10:30"_s, u"37°02.6′"_s, {}},
                              {u"Sirius"_s, u"2026-03-20 18:30 +8"_s, u"42.85"_s, {}}}
        << QStringList{};
    QTest::newRow("three stars from a high bridge, a cold night")
        << QList<QStringList>{{u"Dubhe"_s, u"2026-03-20 10:30"_s, u"36 57.1"_s, {}},
                              {u"Sirius"_s, u"2026-03-20 10:31"_s, u"42.86"_s, {}},
                              {u"Hamal"_s, u"2026-03-20 10:32:30"_s, u"31.1"_s, {}}}
        << QStringList{u"--height"_s, u"22"_s, u"--index-correction"_s, u"-1.5"_s,
                       u"--temperature"_s, u"-5"_s, u"--pressure"_s, u"1030"_s, u"--dut1"_s,
                       u"0.3"_s};
    QTest::newRow("the Sun's upper limb in the forenoon, its lower at noon")
        << QList<QStringList>{{u"Sun"_s, u"2026-03-20 02:00"_s, u"49.3"_s, u"upper"_s},
                              {u"太阳"_s, u"2026-03-20 11:50 +8"_s, u"59 20"_s, u"下边"_s}}
        << QStringList{};
}

void FixCommandTest::altitudesAreTheNavFix()
{
    QFETCH(QList<QStringList>, sights);
    QFETCH(QStringList, options);
    const geo::GeoPoint dr{30 + 28.0 / 60, 123.0};
    QStringList arguments = options + QStringList{u"--near"_s, u"3028N 12300E"_s, u"--json"_s};
    tarnquil::SightSettings settings;
    for (qsizetype k = 0; k + 1 < options.size(); k += 2) {
        const double value = options[k + 1].toDouble();
        if (options[k] == u"--height"_s)
            settings.conditions.heightOfEye = value;
        else if (options[k] == u"--index-correction"_s)
            settings.conditions.indexCorrection = value;
        else if (options[k] == u"--temperature"_s)
            settings.conditions.temperature = value;
        else if (options[k] == u"--pressure"_s)
            settings.conditions.pressure = value;
        else
            settings.dut1 = value;
    }
    std::vector<nav::Sighting> sightings;
    for (const QStringList& sight : sights) {
        arguments << u"--altitude"_s << sight[0] << sight[1] << sight[2];
        if (!sight[3].isEmpty())
            arguments << u"--limb"_s << sight[3];
        const tarnquil::AltitudeReading reading =
            tarnquil::readAltitude({sight[0], sight[3], sight[1], sight[2]}, settings, dr);
        QVERIFY(reading.observation);
        sightings.emplace_back(*reading.observation);
    }
    const ProgramRun run = runFix(arguments);
    QCOMPARE(run.status, 0);
    const nav::Fix fix = nav::FixSolver().solve(sightings, 0, dr);
    const QJsonObject json = QJsonDocument::fromJson(run.out).object();
    QVERIFY2(near(points(json[u"fix"_s]), {QPointF(fix.position.latitude, fix.position.longitude)}),
             run.out.constData());
    const QJsonArray observations = json[u"observations"_s].toArray();
    QCOMPARE(observations.size(), qsizetype(fix.intercepts.size()));
    for (const nav::AltitudeIntercept& line : fix.intercepts) {
        const QJsonValue observed = observations[qsizetype(line.observation)];
        QCOMPARE(observed[u"kind"_s].toString(), u"altitude"_s);
        QCOMPARE(observed[u"intercept"_s].toDouble(), line.intercept);
        QCOMPARE(observed[u"zn"_s].toDouble(), line.zn);
    }
}

// A 天体高度 row in an observations file is refused in its kind's words,
// not read as a mark at the position its body cell might hold.
void FixCommandTest::altitudeRowOfAFileIsNoMark()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"fix.csv"_s);
    const ProgramRun saved = runFix({u"--bearing"_s, u"3000.0N 12200.0E"_s, u"45"_s, u"--bearing"_s,
                              u"2952.0N 12206.0E"_s, u"120"_s, u"--save"_s, path});
    QVERIFY2(saved.status == 0, qPrintable(saved.err));
    QFile file(path);
    QVERIFY(file.open(QIODevice::Append));
    file.write(u"天体高度,3010.0N 12210.0E,,42.8,,分,分\r\n"_s.toUtf8());
    file.close();
    const ProgramRun run = runFix({path});
    QCOMPARE(run.status, 1);
    QCOMPARE(run.out, QByteArray());
    QVERIFY2(run.err.contains(tarnquil::altitudeRowRefusal()), qPrintable(run.err));
}

QTEST_GUILESS_MAIN(FixCommandTest)
// A sun-run-sun typed as the window's rows, each sight timed by the clock
// on the day and zone set, with the course and speed between: the file
// gives the fix the options give with the run worked by hand, 1 h 50 min
// 30 s at 12 kn on 090 (22.1 n mile), and so do the same sights timed in
// whole times; taken without a course and speed they are not run.
void FixCommandTest::sightsTimedByTheClockAreRun()
{
    QTemporaryDir folder;
    const auto saved = [&](const QString& name, const QString& first, const QString& second,
                           const QString& course) {
        const QString path = folder.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return QString();
        file.write(u"设置,值,形式\r\n推算船位,3028N 12300E,分\r\n航向,%3\r\n航速,12\r\n"
                   u"日期,2026-03-20\r\n区时,+8\r\n\r\n"
                   u"类型,物标,物标2,观测值,时间或航程,物标形式,物标2形式\r\n"
                   u"天体高度,Sun,upper,49.3,%1,分,分\r\n天体高度,太阳,下边,59 20,%2,分,分\r\n"_s
                       .arg(first, second, course)
                       .toUtf8());
        return path;
    };
    const QStringList sights{u"--altitude"_s, u"Sun"_s, u"2026-03-20 09:59:30 +8"_s, u"49.3"_s,
                             u"--limb"_s, u"upper"_s};
    const QStringList noon{u"--altitude"_s, u"太阳"_s, u"2026-03-20 11:50 +8"_s, u"59 20"_s,
                           u"--limb"_s, u"下边"_s};
    const QStringList dr{u"--near"_s, u"3028N 12300E"_s, u"--json"_s};
    const ProgramRun byHand =
        runFix(sights + QStringList{u"--run"_s, u"090"_s, u"22.1"_s} + noon + dr);
    QVERIFY2(byHand.status == 0, qPrintable(byHand.err));
    for (const QString& path : {saved(u"clock.csv"_s, u"09:59:30"_s, u"11:50"_s, u"090"_s),
                                saved(u"whole.csv"_s, u"2026-03-20 09:59:30 +8"_s,
                                      u"2026-03-20 03:50 UTC"_s, u"090"_s)}) {
        const ProgramRun fromFile = runFix(QStringList{path, u"--json"_s});
        QVERIFY2(fromFile.status == 0, qPrintable(fromFile.err));
        QCOMPARE(fromFile.out, byHand.out);
    }
    const ProgramRun together = runFix(QStringList{saved(u"still.csv"_s, u"09:59:30"_s, u"11:50"_s, {}),
                                                   u"--json"_s});
    const ProgramRun unrun = runFix(sights + noon + dr);
    QVERIFY2(together.status == 0, qPrintable(together.err));
    QCOMPARE(together.out, unrun.out);
}

#include "fix_command_test.moc"
