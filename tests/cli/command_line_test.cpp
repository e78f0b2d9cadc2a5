// SPDX-License-Identifier: GPL-3.0-or-later
// The program run as a navigator runs it from a shell, with no display:
// what it prints, its exit status, and the files it writes or leaves alone.
// With TARNQUIL_PDFTOTEXT, the path of pdftotext, the text of a PDF it
// writes too.
#include "routefiles/export_rule.h"
#include "routefiles/gpx_reader.h"
#include "routefiles/route_file.h"
#include "routefiles/route_table.h"

#include "nav/entry.h"
#include "tests/cli/system_lines.h"
#include "tests/external_tool.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// The environment with no display and no platform named: a window cannot
// be opened in it.
QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
        environment.remove(name);
    return environment;
}

}  // namespace

class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void run_data();
    void run();
    void refusedRouteLeavesOutputAlone();
    void refusedFileSaysWhatWouldReadIt();
    void exportsGpx();
    void exportsGpx_data();
    void exportsPdf();
    void zoneTimes_data();
    void zoneTimes();
    void planRoundTrip();
    void planOutlastsDeletedRow();
    void exportRefusedAsInTheWindow_data();
    void exportRefusedAsInTheWindow();
    void qtOptionsAloneOpenCalculator();
    void greatCircleJson_data();
    void greatCircleJson();
    void greatCircleText();
    void greatCircleAtAPole_data();
    void greatCircleAtAPole();
    void splitGreatCircleExport();
    void splitKeepsTheFilesPlan_data();
    void splitKeepsTheFilesPlan();

private:
    Run tarnquil(const QStringList& arguments);
    void put(const QString& name, const QByteArray& bytes);
    QTemporaryDir dir_;
};

// Without DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM no window can be
// opened: a run that tried would say so on stderr.
Run CommandLineTest::tarnquil(const QStringList& arguments)
{
    QProcess process;
    process.setProcessEnvironment(withoutDisplay());
    process.setWorkingDirectory(dir_.path());
    process.start(QStringLiteral(TARNQUIL_PROGRAM), arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

void CommandLineTest::put(const QString& name, const QByteArray& bytes)
{
    QFile file(dir_.filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
}

void CommandLineTest::initTestCase()
{
    put(u"route.csv"_s, "名称,纬度,经度,航法\n北京外,3954N,11624E,\n上海,31°12′N,121°30′E,GC\n"
                        "舟山外,30-10.2N,122-05.3E,RL\n");
    put(u"bad.csv"_s, "名称,纬度,经度\r\nA,3954N,11624E\r\nB,4250E,12130E\r\nC,9100,12000\r\n");
    put(u"routes.gpx"_s, "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\" version=\"1.1\">"
                         "<rte><name>A</name><rtept lat=\"1\" lon=\"1\"/></rte><rte><name>空</name></rte>"
                         "<rte><name>C</name><rtept lat=\"3\" lon=\"3\"/><rtept lat=\"4\" lon=\"4\"/></rte></gpx>");
    put(u"degrees.csv"_s, "lat,NS,lon,EW\r\n31.4,N,121.5,E\r\n33.5,S,70.25,W\r\n");
    put(u"pacific.csv"_s, "名称,纬度,经度,航法\n横滨,35.45N,139.65E,\n旧金山,37.8N,122.42W,GC\n"
                          "大圆分点 3,37.7N,122.5W,RL\n");
    put(u"plan.csv"_s, "名称,纬度,经度,航法,航速,备注\n北京外,3954N,11624E,,,引航站\n"
                       "上海,31°12′N,121°30′E,GC,10kn,\"锚泊, 待潮\"\n舟山外,30-10.2N,122-05.3E,RL,,\n");
    QFile gbk(u":/csv_samples/spreadsheet-gbk.csv"_s);
    QVERIFY(gbk.open(QIODevice::ReadOnly));
    const QByteArray spreadsheet = gbk.readAll();
    put(u"gbk.csv"_s, spreadsheet);
    put(u"gbk-bad.csv"_s, QByteArray(spreadsheet).replace("33\xA1\xE3" "57", "33.9"));
}

void CommandLineTest::run_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");  // ending in "…": its start
    QTest::addColumn<QString>("err");  // empty: none expected

    // RhumbSolve -p 9 : 30.17 122.0883333333333333 45 185200
    //   -> 31.35121795929245 123.45617748310448
    QTest::newRow("dead reckoning by rhumb line")
        << QStringList{u"--destination"_s, u"30°10.2′N 122°05.3′E"_s, u"--course"_s, u"45"_s,
                       u"--distance"_s, u"100"_s}
        << 0 << u"31°21.07′N 123°27.37′E\n"_s << QString();
    // GeodSolve -p 9 : the same -> 31.34400555477162 123.46444476086808
    QTest::newRow("dead reckoning by great circle, seconds form")
        << QStringList{u"--destination=301012N 1220518E"_s, u"--course=045.0"_s, u"--distance=100"_s,
                       u"--method=gc"_s, u"--form"_s, u"秒"_s}
        << 0 << u"31°20.64′N 123°27.87′E\n"_s << QString();
    // On the sphere one minute of arc is one n mile: 100 cos 45° = 70.71′ of
    // latitude, to 31.348511°; the longitude by meridional parts,
    // tan 45° (ln tan(45° + φ2/2) - ln tan(45° + φ1/2)), to 123.459815°.
    QTest::newRow("dead reckoning on the sphere")
        << QStringList{u"--destination"_s, u"30°10.2′N 122°05.3′E"_s, u"--course"_s, u"45"_s,
                       u"--distance"_s, u"100"_s, u"--model"_s, u"sphere"_s}
        << 0 << u"31°20.91′N 123°27.59′E\n"_s << QString();
    QTest::newRow("units, blanks and full-width digits in the options' own units")
        << QStringList{u"--destination"_s, u"30°10.2′N 122°05.3′E"_s, u"--course"_s, u" 045° "_s,
                       u"--distance"_s, u"１００海里"_s}
        << 0 << u"31°21.07′N 123°27.37′E\n"_s << QString();
    // Positions of each family, run nowhere: the position as it was read.
    const auto position = [](const char* name, const QString& text, const QStringList& more,
                             int status, const QString& out, const QString& err) {
        QTest::newRow(name) << (QStringList{u"--destination"_s, text, u"--course"_s, u"0"_s,
                                            u"--distance"_s, u"0"_s} + more)
                            << status << out << err;
    };
    position("decimal degrees with --form 度", u"25.3N 128.7E"_s, {u"--form"_s, u"度"_s}, 0,
             u"25°18.00′N 128°42.00′E\n"_s, {});
    position("decimal degrees without a form are refused", u"25.3N 128.7E"_s, {}, 1, {},
             u"tarnquil: 位置“25.3N 128.7E”无法识别：25.3°N（度）还是 0°25.3′N（度分）？请写作 25.3°N 或 0025.3N\n"_s);
    position("packed refused with --form degrees", u"3010.2N 12205.3E"_s, {u"--form=degrees"_s}, 1, {},
             u"tarnquil: 位置“3010.2N 12205.3E”超出范围：纬度应在 -90° 到 90° 之间。\n"_s);
    position("blanks between degrees and minutes", u"30 5.3N 122 5.3E"_s, {}, 0,
             u"30°05.30′N 122°05.30′E\n"_s, {});
    position("a notice's list comma and the Admiralty's middle dot", u"51°07′·23N、001°30′W"_s, {}, 0,
             u"51°07.23′N 001°30.00′W\n"_s, {});
    position("a skipped part", u"30°10″N 122°E"_s, {}, 1, {},
             u"tarnquil: 位置“30°10″N 122°E”无法识别：度之后缺少分：秒的符号“″”前应先写分，如 30°00′10″N。\n"_s);
    position("sixty minutes packed", u"3075.0N 12200E"_s, {}, 1, {},
             u"tarnquil: 位置“3075.0N 12200E”无法识别：分和秒应小于60，“75.0”不行。\n"_s);
    position("seconds or south", u"42°50′30s 122°E"_s, {}, 1, {},
             u"tarnquil: 位置“42°50′30s 122°E”无法识别：“s”是秒还是南？秒请写秒的符号，如 42°50′30″；南请写 S 或 南，如 42°50′30″S。\n"_s);
    position("one bare number", u"30°10.2′N 122.5"_s, {}, 1, {},
             u"tarnquil: 位置“30°10.2′N 122.5”无法识别：位置的纬度和经度都要标上方位（N、S、E、W 或 北、南、东、西），“122.5”没有标。\n"_s);
    QTest::newRow("unknown form")
        << QStringList{u"--destination"_s, u"3000N 12000E"_s, u"--course"_s, u"0"_s, u"--distance"_s,
                       u"0"_s, u"--form"_s, u"十进制"_s}
        << 2 << QString()
        << u"tarnquil: --form 应为 分、秒、度、minutes、seconds 或 degrees，不能是“十进制”。\n用法见 tarnquil --help。\n"_s;
    QTest::newRow("help") << QStringList{u"-h"_s} << 0 << u"用法：\n…"_s << QString();
    QTest::newRow("Qt's own options passed on")
        << QStringList{u"-style=fusion"_s, u"-platform"_s, u"offscreen"_s, u"-reverse"_s, u"-h"_s} << 0
        << u"用法：\n…"_s << QString();
    QTest::newRow("Qt's option without its value")
        << QStringList{u"--route"_s, u"route.csv"_s, u"-platform"_s} << 2 << QString()
        << u"tarnquil: 选项 -platform 缺少值。\n用法见 tarnquil --help。\n"_s;
    QTest::newRow("unknown option")
        << QStringList{u"--route"_s, u"route.csv"_s, u"--spead"_s, u"12"_s} << 2 << QString()
        << u"tarnquil: 未知选项“--spead”。\n用法见 tarnquil --help。\n"_s;
    QTest::newRow("missing value") << QStringList{u"--route"_s, u"route.csv"_s, u"--export"_s} << 2
                                   << QString() << u"tarnquil: 选项 --export 缺少值。\n用法见 tarnquil --help。\n"_s;
    // A route's number beyond the file is the data's fault, however it is
    // written; one that is no whole number, the command line's.
    QTest::newRow("route index 0")
        << QStringList{u"--route"_s, u"route.csv"_s, u"--export"_s, u"out.csv"_s, u"--route-index"_s, u"0"_s}
        << 1 << QString()
        << u"tarnquil: 航线序号（--route-index）“0”超出范围：应为从 1 起的整数，不超过文件中的航线数。\n"_s;
    QTest::newRow("route index of 30 digits")
        << QStringList{u"--route"_s, u"route.csv"_s, u"--export"_s, u"out.csv"_s, u"--route-index"_s,
                       QString(30, u'9')}
        << 1 << QString()
        << u"tarnquil: 航线序号（--route-index）“999999999999999999999999999999”超出范围：应为从 1 起的整数，不超过文件中的航线数。\n"_s;
    QTest::newRow("route index beyond a CSV file's one route")
        << QStringList{u"--route"_s, u"route.csv"_s, u"--export"_s, u"out.csv"_s, u"--route-index"_s, u"1e9"_s}
        << 1 << QString() << u"tarnquil: route.csv 没有第 1000000000 条航线：CSV 文件中只有 1 条航线。\n"_s;
    QTest::newRow("route index with a fraction")
        << QStringList{u"--route"_s, u"route.csv"_s, u"--export"_s, u"out.csv"_s, u"--route-index"_s, u"1.5"_s}
        << 2 << QString()
        << u"tarnquil: 航线序号（--route-index）“1.5”无法识别：应为从 1 起的整数，不超过文件中的航线数。\n"
           u"用法见 tarnquil --help。\n"_s;
    QTest::newRow("an empty GPX route chosen by its number")
        << QStringList{u"--route"_s, u"routes.gpx"_s, u"--export"_s, u"out.csv"_s, u"--route-index"_s, u"2"_s}
        << 1 << QString() << u"tarnquil: routes.gpx 第 2 条航线“空”中没有航点。\n"_s;
    QTest::newRow("zone without its sign")
        << QStringList{u"--route"_s, u"route.csv"_s, u"--export"_s, u"out.csv"_s, u"--zone"_s, u"8"_s}
        << 1 << QString()
        << u"tarnquil: 区时（--zone）“8”无法识别：东区写 +，西区写 -，如 +8、-5、+5:30 或 0。\n"_s;
    QTest::newRow("zone beyond UTC+14")
        << QStringList{u"--route"_s, u"route.csv"_s, u"--export"_s, u"out.csv"_s, u"--zone=+14:15"_s}
        << 1 << QString()
        << u"tarnquil: 区时（--zone）“+14:15”超出范围：应在 UTC-12 到 UTC+14 之间，如 +8、-5、+5:30 或 0。\n"_s;
    QTest::newRow("ETA zone that is no choice")
        << QStringList{u"--route"_s, u"route.csv"_s, u"--export"_s, u"out.csv"_s, u"--eta-zone"_s, u"UTC"_s}
        << 2 << QString()
        << u"tarnquil: --eta-zone 应为 depart、utc、ship，不能是“UTC”。\n用法见 tarnquil --help。\n"_s;
    QTest::newRow("missing route file")
        << QStringList{u"--route"_s, u"nowhere.csv"_s, u"--export"_s, u"out.csv"_s} << 2 << QString()
        << u"tarnquil: 找不到航线文件“nowhere.csv”。\n"_s;
    QTest::newRow("speed in another unit")
        << QStringList{u"--route"_s, u"route.csv"_s, u"--export"_s, u"out.csv"_s, u"--speed"_s, u"12km/h"_s}
        << 1 << QString()
        << u"tarnquil: 航速（--speed）“12km/h”无法识别：应为不小于 0.00000001 的节数，如 12、12.5 或 12kn。\n"_s;
    QTest::newRow("course in another option's unit")
        << QStringList{u"--destination"_s, u"3000N 12000E"_s, u"--course"_s, u"45kn"_s, u"--distance"_s, u"1"_s}
        << 1 << QString()
        << u"tarnquil: 航向（--course）“45kn”无法识别：应是 0 到 360 之间的度数，如 45、045° 或 123.5。\n"_s;
    QTest::newRow("position beyond the pole")
        << QStringList{u"--destination"_s, u"9100N 12000E"_s, u"--course"_s, u"0"_s, u"--distance"_s, u"1"_s}
        << 1 << QString() << u"tarnquil: 位置“9100N 12000E”超出范围：纬度应在 -90° 到 90° 之间。\n"_s;
    QTest::newRow("distance beyond a run")
        << QStringList{u"--destination"_s, u"3000N 12000E"_s, u"--course"_s, u"45"_s, u"--distance"_s,
                       u"1000001"_s}
        << 1 << QString()
        << u"tarnquil: 航程（--distance）“1000001”超出范围：应是 0 到 1000000 之间的海里数，如 120.5 或 120.5nm。\n"_s;
    for (const QString& huge : {u"1e9"_s, u"1000000000"_s, u"1e999"_s})
        QTest::newRow(qPrintable(u"distance "_s + huge))
            << QStringList{u"--destination"_s, u"3000N 12000E"_s, u"--course"_s, u"45"_s, u"--distance"_s, huge}
            << 1 << QString()
            << u"tarnquil: 航程（--distance）“%1”超出范围：应是 0 到 1000000 之间的海里数，如 120.5 或 120.5nm。\n"_s
                   .arg(huge);
    QTest::newRow("rhumb line through the pole")
        << QStringList{u"--destination"_s, u"8950N 12000E"_s, u"--course"_s, u"0"_s, u"--distance"_s, u"20"_s}
        << 1 << QString()
        << u"tarnquil: 沿恒向线按此航向航行会越过极点，推算不出船位；请改用大圆，或缩短航程。\n"_s;
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // Windows and macOS always have their desktop.
    const QString noDesktop = u"tarnquil: 打开窗口需要桌面会话（没有找到 DISPLAY 或 WAYLAND_DISPLAY）；"
                              u"不打开窗口能做的事见 tarnquil --help。\n"_s;
    QTest::newRow("calculator without a desktop") << QStringList{} << 2 << QString() << noDesktop;
    QTest::newRow("route window without a desktop")
        << QStringList{u"--route"_s, u"route.csv"_s} << 2 << QString() << noDesktop;
    QTest::newRow("route window on X11 without a display")
        << QStringList{u"--route"_s, u"-platform"_s, u"xcb"_s} << 2 << QString() << noDesktop;
#endif
    QTest::newRow("great circle without its arrival")
        << QStringList{u"--great-circle"_s, u"3527N 13939E"_s} << 2 << QString()
        << u"tarnquil: --great-circle 需要起点和终点两个位置：tarnquil --great-circle \"起点\" \"终点\"。\n"
           u"用法见 tarnquil --help。\n"_s;
    QTest::newRow("meridian interval below a minute")
        << QStringList{u"--great-circle"_s, u"3527N 13939E"_s, u"3748N 12225.2W"_s, u"--every"_s, u"0.01"_s}
        << 1 << QString()
        << u"tarnquil: 分点间隔（--every）“0.01”超出范围：应是不小于 1′（1/60°）的经度度数，如 5、10 或 2.5。\n"_s;
    QTest::newRow("great circle from beyond the pole")
        << QStringList{u"--great-circle"_s, u"9100N 13939E"_s, u"3748N 12225.2W"_s} << 1 << QString()
        << u"tarnquil: 起点“9100N 13939E”超出范围：纬度应在 -90° 到 90° 之间。\n"_s;
    QTest::newRow("--every without --great-circle")
        << QStringList{u"--route"_s, u"route.csv"_s, u"--every"_s, u"5"_s} << 2 << QString()
        << u"tarnquil: 选项 --every 不能与 --route 一起使用。\n用法见 tarnquil --help。\n"_s;
    QTest::newRow("--split-gc without --export")
        << QStringList{u"--route"_s, u"route.csv"_s, u"--split-gc"_s, u"5"_s} << 2 << QString()
        << u"tarnquil: --split-gc 要与 --export 一起使用：tarnquil --route 航线文件 --export 输出文件 --split-gc 度数。\n"
           u"用法见 tarnquil --help。\n"_s;
    QTest::newRow("export to a kind no writer takes")
        << QStringList{u"--route"_s, u"route.csv"_s, u"--export"_s, u"out.txt"_s} << 2 << QString()
        << u"tarnquil: 不支持的导出格式“out.txt”：可导出为 .csv、.gpx、.pdf 文件。\n"_s;
}

void CommandLineTest::run()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const Run result = tarnquil(arguments);
    QCOMPARE(result.err, systemLines(err));
    QCOMPARE(result.status, status);
    if (out.endsWith(u'…')) {
        QVERIFY2(result.out.startsWith(systemLines(out.chopped(1))), qPrintable(result.out));
        for (const QString& way : {u"\n  tarnquil\n"_s, u"--route [航线文件]"_s, u"--export 输出文件"_s,
                                   u"--destination \"位置\""_s, u"--version"_s})
            QVERIFY2(result.out.contains(systemLines(way)), qPrintable(way));
    } else {
        QCOMPARE(result.out, systemLines(out));
    }
}

// Each refused cell named by file, line and column; the file already at
// OUT stays byte for byte as it was, and nothing else is left beside it.
void CommandLineTest::refusedRouteLeavesOutputAlone()
{
    const QByteArray before = "序号,名称\r\n1,earlier\r\n";
    put(u"kept.csv"_s, before);
    const QStringList entriesBefore = QDir(dir_.path()).entryList(QDir::Files);
    const Run result = tarnquil({u"--route"_s, u"bad.csv"_s, u"--export"_s, u"kept.csv"_s, u"--speed"_s, u"12"_s});
    QCOMPARE(result.status, 1);
    QCOMPARE(result.err, systemLines(u"tarnquil: bad.csv 第 2 个航点的纬度“4250E”无法读取：“E”属于经度，"
                                     u"纬度只能用 N、S（北、南）。请改正后再导出。\n"
                                     u"tarnquil: bad.csv 第 3 行 纬度“4250E”：“E”属于经度，纬度只能用 N、S（北、南）。\n"
                                     u"tarnquil: bad.csv 第 4 行 纬度“9100”：纬度应在 -90° 到 90° 之间。\n"_s));
    QCOMPARE(readAll(dir_.filePath(u"kept.csv"_s)), before);
    QCOMPARE(QDir(dir_.path()).entryList(QDir::Files), entriesBefore);
}

// The positions read from the texts go to GPX: 39°54′N 116°24′E and so on.
void CommandLineTest::exportsGpx_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<double>>("first");  // latitude, longitude
    QTest::addColumn<QList<double>>("last");

    QTest::newRow("notations of the classic window")
        << QStringList{u"route.csv"_s} << u"route"_s << QList<double>{39 + 54.0 / 60, 116 + 24.0 / 60}
        << QList<double>{30 + 10.2 / 60, 122 + 5.3 / 60};
    QTest::newRow("decimal degrees with --form 度, hemispheres in columns")
        << QStringList{u"degrees.csv"_s, u"--form"_s, u"度"_s} << u"degrees"_s << QList<double>{31.4, 121.5}
        << QList<double>{-33.5, -70.25};
    QTest::newRow("a spreadsheet's GBK file")
        << QStringList{u"gbk.csv"_s} << u"gbk"_s << QList<double>{31 + 3.0 / 60, 122 + 20.0 / 60}
        << QList<double>{33 + 57.0 / 60, 130 + 57.0 / 60};
    QTest::newRow("every route counted, the empty one too")
        << QStringList{u"routes.gpx"_s, u"--route-index"_s, u"３"_s} << u"C"_s << QList<double>{3, 3}
        << QList<double>{4, 4};
}

void CommandLineTest::exportsGpx()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, name);
    QFETCH(QList<double>, first);
    QFETCH(QList<double>, last);
    const Run result = tarnquil(QStringList{u"--route"_s} + arguments + QStringList{u"--export"_s, u"out.gpx"_s});
    QCOMPARE(result.err, QString());
    QCOMPARE(result.out, QString());
    QCOMPARE(result.status, 0);
    const tarnquil::GpxReading reading = tarnquil::readGpxFile(dir_.filePath(u"out.gpx"_s));
    QCOMPARE(reading.error, QString());
    QCOMPARE(reading.routes.size(), 1);
    const tarnquil::GpxRoute& route = reading.routes.front();
    QCOMPARE(route.name, name);
    QCOMPARE(route.points.front().latitude, first[0]);
    QCOMPARE(route.points.front().longitude, first[1]);
    QCOMPARE(route.points.back().latitude, last[0]);
    QCOMPARE(route.points.back().longitude, last[1]);
}

// Plain numbers refused as ambiguous: each cell named, and how --form 度
// reads them; a file read as GB18030 says so, as a message is printed anyway.
void CommandLineTest::refusedFileSaysWhatWouldReadIt()
{
    Run result = tarnquil({u"--route"_s, u"degrees.csv"_s, u"--export"_s, u"out.csv"_s});
    QCOMPARE(result.status, 1);
    QCOMPARE(result.out, QString());
    // After the refusal the window gives, each cell by its line.
    const QString cells = result.err.section(systemLines(u"\n"_s), 1);
    QVERIFY2(cells.startsWith(systemLines(
                 u"tarnquil: degrees.csv 第 2 行 纬度“31.4N”：31.4°N（度）还是 0°31.4′N（度分）？请写作 31.4°N 或 0031.4N\n"_s)),
             qPrintable(result.err));
    QVERIFY2(result.err.endsWith(systemLines(
                 u"tarnquil: “degrees.csv”中不带度、分符号的数字若是十进制的度（如 31.4 即 31.4°），请加上 --form 度 再运行。\n"_s)),
             qPrintable(result.err));
    // 31.4N, 121.5E and 33.5S; 70.25W has 70 minutes, so only degrees.
    QCOMPARE(cells.count(u"tarnquil: "_s), 4);

    // A NUL in a cell is named by its code, and the message goes on past it.
    put(u"null-byte.csv"_s, QByteArray("lat,lon\r\n3954N,11624\0E\r\n", 24));
    result = tarnquil({u"--route"_s, u"null-byte.csv"_s, u"--export"_s, u"out.csv"_s});
    QCOMPARE(result.status, 1);
    QCOMPARE(result.err.section(systemLines(u"\n"_s), 1), systemLines(
        u"tarnquil: null-byte.csv 第 2 行 经度“11624␀E”：不可见字符（U+0000 NULL）既不是数字，也不是方位"
        u"（N、S、E、W 或 北、南、东、西），也不是度分秒的符号。\n"_s));

    result = tarnquil({u"--route"_s, u"gbk-bad.csv"_s, u"--export"_s, u"out.csv"_s});
    QCOMPARE(result.status, 1);
    QCOMPARE(result.err.section(systemLines(u"\n"_s), 1), systemLines(
        u"tarnquil: gbk-bad.csv 第 4 行 纬度“33.9′N”：分、秒的符号“′”前应先写度数和度的符号，如 42°50.0′。\n"
        u"tarnquil: “gbk-bad.csv”按 GB18030 编码读取。\n"_s));
}

// Without a display the program refuses to open a window (run above); given
// Qt's -platform, the calculator window opens and stays open.
void CommandLineTest::qtOptionsAloneOpenCalculator()
{
    QProcess process;
    process.setProcessEnvironment(withoutDisplay());
    process.start(QStringLiteral(TARNQUIL_PROGRAM), {u"-platform"_s, u"offscreen"_s});
    QVERIFY(process.waitForStarted());
    QVERIFY2(!process.waitForFinished(3000), process.readAllStandardError().constData());
    process.kill();
    process.waitForFinished();
}

// A PDF needs fonts, so a GUI application, which the program runs on the
// offscreen platform of its own accord: every row of the table is in it.
void CommandLineTest::exportsPdf()
{
    const QString pdftotext = testing_external_tool::path("TARNQUIL_PDFTOTEXT");
    if (pdftotext.isEmpty())
        SKIP_WITHOUT_TOOL("pdftotext");
    const Run result = tarnquil({u"--route"_s, u"route.csv"_s, u"--export"_s, u"航线.pdf"_s, u"--speed"_s,
                                 u"12"_s, u"--depart"_s, u"2026-12-08 06:00"_s});
    QCOMPARE(result.err, QString());
    QCOMPARE(result.status, 0);
    QProcess process;
    process.start(pdftotext, {u"-layout"_s, dir_.filePath(u"航线.pdf"_s), u"-"_s});
    QVERIFY(process.waitForFinished(30000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    QVERIFY2(text.contains(u"航线计算表：route"_s), qPrintable(text));
    const QList<tarnquil::WaypointText> waypoints = {
        {u"北京外"_s, u"3954N"_s, u"11624E"_s, nav::Method::Rhumb},
        {u"上海"_s, u"31°12′N"_s, u"121°30′E"_s, nav::Method::GreatCircle},
        {u"舟山外"_s, u"30-10.2N"_s, u"122-05.3E"_s, nav::Method::Rhumb}};
    tarnquil::RouteSettings settings;
    settings.speed = 12;
    settings.departure = nav::readClockTime("2026-12-08 06:00");
    for (const tarnquil::RouteTableRow& row : tarnquil::makeRouteTable(waypoints, settings)) {
        QStringList parts;
        for (const QString& cell : row.texts) {
            if (!cell.isEmpty())
                parts.append(QRegularExpression::escape(cell));
        }
        const QRegularExpression line(u"^\\s*"_s + parts.join(u"\\s+"_s) + u"\\s*$"_s,
                                      QRegularExpression::MultilineOption);
        QVERIFY2(text.contains(line), qPrintable(row.texts.join(u' ')));
    }
}

namespace {

// The transpacific leg of the great-circle sailing's tests, by
//   GeodSolve -i -p 12 and GeodSolve -L … -u -p 12, s bisected until the
//   tool's longitude is the meridian or its azimuth due east
// (geographiclib-tools 2.1.2): from 35.45N 139.65E to 37.8N 122.42W.
constexpr double geodSolveVertex[] = {48.634566435732, -169.261438017980};
constexpr double geodSolveLatitudes[] = {35.654923213649, 40.683288056246, 44.293081362248,
                                         46.718320982578, 48.130461197102, 48.632198458933,
                                         48.260276984662, 46.987451105400, 44.720985516547,
                                         41.299589930219};
// RhumbSolve -s -i -p 9 between those points, summed.
constexpr double rhumbSolveMetres = 8311509.341639;
constexpr double metresPerMile = 1852;
// The values above are printed to 1e-12 degrees; a position printed short
// of full precision is off by far more.
constexpr double degreesTolerance = 1e-9;

// The meridian of the k-th crossing of every 10 degrees eastward from
// 139.65E: 140, 150 … 180 (written -180), -170 … -130.
double crossingMeridian(int k)
{
    const double east = 140.0 + 10.0 * k;
    return east >= 180 ? east - 360 : east;
}

}  // namespace

void CommandLineTest::greatCircleJson_data()
{
    QTest::addColumn<QStringList>("ends");
    QTest::addColumn<QStringList>("options");

    QTest::newRow("decimal degrees") << QStringList{u"35.45N 139.65E"_s, u"37.8N 122.42W"_s}
                                     << QStringList{u"--form"_s, u"度"_s, u"--json"_s};
    QTest::newRow("--every=10 given, packed minutes")
        << QStringList{u"3527N 13939E"_s, u"3748N 12225.2W"_s}
        << QStringList{u"--json"_s, u"--every=10°"_s, u"--model"_s, u"wgs84"_s};
}

// The JSON parsed back: the vertex and every meridian point as GeodSolve
// gives them, the rhumb legs adding up to RhumbSolve's.
void CommandLineTest::greatCircleJson()
{
    QFETCH(QStringList, ends);
    QFETCH(QStringList, options);
    const Run result = tarnquil(QStringList{u"--great-circle"_s} + ends + options);
    QCOMPARE(result.err, QString());
    QCOMPARE(result.status, 0);
    QJsonParseError error;
    const QJsonObject sailing = QJsonDocument::fromJson(result.out.toUtf8(), &error).object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonObject vertex = sailing[u"vertex"_s].toObject();
    QVERIFY(qAbs(vertex[u"lat"_s].toDouble() - geodSolveVertex[0]) < degreesTolerance);
    QVERIFY(qAbs(vertex[u"lon"_s].toDouble() - geodSolveVertex[1]) < degreesTolerance);
    QCOMPARE(vertex[u"onLeg"_s].toBool(), true);
    const QJsonArray points = sailing[u"points"_s].toArray();
    QCOMPARE(points.size(), qsizetype(std::size(geodSolveLatitudes)));
    double steered = sailing[u"from"_s][u"rhumbDistance"_s].toDouble();
    for (int k = 0; k < points.size(); ++k) {
        const QJsonObject point = points[k].toObject();
        QVERIFY2(qAbs(point[u"lat"_s].toDouble() - geodSolveLatitudes[k]) < degreesTolerance,
                 qPrintable(QString::number(k)));
        QCOMPARE(point[u"lon"_s].toDouble(), crossingMeridian(k));
        steered += point[u"rhumbDistance"_s].toDouble();
    }
    QVERIFY(qAbs(sailing[u"rhumbDistance"_s].toDouble() * metresPerMile - rhumbSolveMetres) < 1e-5);
    QCOMPARE(sailing[u"rhumbDistance"_s].toDouble(), steered);
}

void CommandLineTest::greatCircleText()
{
    const Run result = tarnquil({u"--great-circle"_s, u"3527N 13939E"_s, u"3748N 12225.2W"_s});
    QCOMPARE(result.err, QString());
    QCOMPARE(result.status, 0);
    const QStringList lines = result.out.split(systemLines(u"\n"_s), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 3 + 12 + 1);  // the departure, 10 crossings and the arrival
    QCOMPARE(lines[0], u"大圆始航向 054.3°，大圆航程 4485.2 海里，地球模型 WGS-84"_s);
    QCOMPARE(lines[1], u"顶点 48°38.07′N 169°15.69′W，在航段上"_s);
    QVERIFY2(lines[4].contains(QRegularExpression(u"^ +大圆分点 1 +35°39.30′N 140°00.00′E +\\d{3}\\.\\d° +\\d+\\.\\d 海里$"_s)),
             qPrintable(lines[4]));
    QVERIFY2(lines[14].contains(u"终点"_s), qPrintable(lines[14]));
    QCOMPARE(lines[15], u"按恒向线分段航行共 4487.9 海里，比大圆多 2.7 海里"_s);
}

void CommandLineTest::greatCircleAtAPole_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QList<double>>("courses");  // initialCourse, finalCourse, from.rhumbCourse
    QTest::addColumn<QList<double>>("vertex");
    QTest::addColumn<QString>("firstLine");
    // GeodSolve -i -p 9 with the pole on the other end's meridian: 90 120 30
    // 120 -> 180 180 6681852.331 m (3607.9 n mile), 30 120 -90 120 on the
    // sphere (-e 6366707.019493707 0) -> 180 180 13334400.000 m, -90 45 -60
    // 45 -> 0 0, 60 30 90 30 -> 0 0. Given the poles' own longitudes the
    // tool's azi1 is 60 from 90 0 and 45 from -90 0, its azi2 -110 into -90
    // 50 and -30 into 90 0.
    QTest::newRow("from the North Pole")
        << QStringList{u"90°N 0°E"_s, u"30°N 120°E"_s} << QList<double>{180, 180, 180}
        << QList<double>{90, 0} << u"大圆始航向 180.0°，大圆航程 3607.9 海里，地球模型 WGS-84"_s;
    QTest::newRow("to the South Pole, sphere")
        << QStringList{u"30°N 120°E"_s, u"90°S 50°E"_s, u"--model"_s, u"sphere"_s}
        << QList<double>{180, 180, 180} << QList<double>{-90, 50}
        << u"大圆始航向 180.0°，大圆航程 7200.0 海里，地球模型 球面（1′=1海里）"_s;
    QTest::newRow("from the South Pole")
        << QStringList{u"90°S 0°E"_s, u"60°S 45°E"_s} << QList<double>{0, 0, 0}
        << QList<double>{-90, 0} << u"大圆始航向 000.0°，大圆航程 1807.7 海里，地球模型 WGS-84"_s;
    QTest::newRow("to the North Pole, sphere")
        << QStringList{u"60°N 30°E"_s, u"90°N 0°E"_s, u"--model"_s, u"sphere"_s}
        << QList<double>{0, 0, 0} << QList<double>{90, 0}
        << u"大圆始航向 000.0°，大圆航程 1800.0 海里，地球模型 球面（1′=1海里）"_s;
}

// From the North Pole every way is south, from the South Pole north; into
// the North Pole the track runs north, into the South Pole south; the
// vertex is the pole as given. In the text and in the JSON alike.
void CommandLineTest::greatCircleAtAPole()
{
    QFETCH(QStringList, arguments);
    QFETCH(QList<double>, courses);
    QFETCH(QList<double>, vertex);
    QFETCH(QString, firstLine);
    const Run text = tarnquil(QStringList{u"--great-circle"_s} + arguments);
    QCOMPARE(text.err, QString());
    QCOMPARE(text.out.split(systemLines(u"\n"_s)).first(), firstLine);
    const Run json = tarnquil(QStringList{u"--great-circle"_s} + arguments + QStringList{u"--json"_s});
    QCOMPARE(json.status, 0);
    const QJsonObject sailing = QJsonDocument::fromJson(json.out.toUtf8()).object();
    QCOMPARE((QList<double>{sailing[u"initialCourse"_s].toDouble(), sailing[u"finalCourse"_s].toDouble(),
                            sailing[u"from"_s][u"rhumbCourse"_s].toDouble()}),
             courses);
    const QJsonObject top = sailing[u"vertex"_s].toObject();
    QCOMPARE((QList<double>{top[u"lat"_s].toDouble(), top[u"lon"_s].toDouble()}), vertex);
}

// The GC leg written as its rhumb lines, the points numbered on from the
// file's own 大圆分点 3; GPX keeps each position exactly.
void CommandLineTest::splitGreatCircleExport()
{
    const Run result = tarnquil({u"--route"_s, u"pacific.csv"_s, u"--form"_s, u"度"_s, u"--export"_s,
                                 u"split.gpx"_s, u"--split-gc"_s, u"10"_s});
    QCOMPARE(result.err, QString());
    QCOMPARE(result.status, 0);
    const tarnquil::GpxReading reading = tarnquil::readGpxFile(dir_.filePath(u"split.gpx"_s));
    QCOMPARE(reading.error, QString());
    const QList<tarnquil::GpxWaypoint> points = reading.routes.value(0).points;
    const qsizetype crossings = qsizetype(std::size(geodSolveLatitudes));
    QCOMPARE(points.size(), 3 + crossings);
    QCOMPARE(points.front().name, u"横滨"_s);
    QCOMPARE(points[crossings + 1].name, u"旧金山"_s);
    QCOMPARE(points.back().name, u"大圆分点 3"_s);
    for (int k = 0; k < crossings; ++k) {
        const tarnquil::GpxWaypoint& point = points[k + 1];
        QCOMPARE(point.name, u"大圆分点 %1"_s.arg(k + 4));
        QVERIFY2(qAbs(point.latitude - geodSolveLatitudes[k]) < degreesTolerance, qPrintable(point.name));
        QCOMPARE(point.longitude, crossingMeridian(k));
    }
    // The leg table of the split route: every leg a rhumb line.
    const Run table = tarnquil({u"--route"_s, u"split.gpx"_s, u"--export"_s, u"split.csv"_s,
                                u"--split-gc"_s, u"10"_s});
    QCOMPARE(table.status, 0);
    const QString csv = QString::fromUtf8(readAll(dir_.filePath(u"split.csv"_s)));
    QCOMPARE(csv.count(u",RL,"_s), 2 + crossings);
    QCOMPARE(csv.count(u",GC,"_s), 0);
}

// A plan saved on the sphere, with its speed and departure, split when
// exported without those options: the split route is computed and written
// with the file's plan, not the command line's defaults, the very bytes of
// the split with the plan given again as options.
void CommandLineTest::splitKeepsTheFilesPlan_data()
{
    QTest::addColumn<QString>("out");
    QTest::newRow("leg table") << u"split-plan.csv"_s;
    QTest::newRow("GPX route") << u"split-plan.gpx"_s;
}

void CommandLineTest::splitKeepsTheFilesPlan()
{
    QFETCH(QString, out);
    const Run saved = tarnquil({u"--route"_s, u"pacific.csv"_s, u"--form"_s, u"度"_s, u"--export"_s,
                                u"sphere-plan.csv"_s, u"--model"_s, u"sphere"_s, u"--speed"_s, u"12.5"_s,
                                u"--depart"_s, u"2026-12-20 08:00"_s, u"--zone"_s, u"-5"_s});
    QCOMPARE(saved.err, QString());
    const Run split = tarnquil({u"--route"_s, u"sphere-plan.csv"_s, u"--export"_s, out,
                                u"--split-gc"_s, u"5"_s});
    QCOMPARE(split.err, QString());
    QCOMPARE(split.status, 0);
    const tarnquil::RouteFile file = tarnquil::readRouteFile(dir_.filePath(out));
    QCOMPARE(file.error, QString());
    QVERIFY(file.waypoints.size() > 3);
    QCOMPARE(file.saved.model, nav::EarthModel::Sphere);
    QCOMPARE(file.saved.speed, std::optional(std::optional(12.5)));
    QCOMPARE(file.saved.departure, std::optional(nav::readClockTime("2026-12-20 08:00")));
    QCOMPARE(file.saved.departureZone, nav::TimeZone::fromMinutes(-5 * 60));
    const QByteArray written = readAll(dir_.filePath(out));
    const QString given = u"given-"_s + out;
    const Run again = tarnquil({u"--route"_s, u"sphere-plan.csv"_s, u"--export"_s, given,
                                u"--split-gc"_s, u"5"_s, u"--model"_s, u"sphere"_s, u"--speed"_s,
                                u"12.5"_s, u"--depart"_s, u"2026-12-20 08:00"_s, u"--zone"_s, u"-5"_s});
    QCOMPARE(again.status, 0);
    QCOMPARE(written, readAll(dir_.filePath(given)));
}

// route.csv, 646.4 n mile at 12 kn, 53 h 52 min (route_print_test's
// figures), leaving 2025-03-01 08:00 on the clock of --zone: the last
// row's arrival in each ETA zone; the first row's is the departure as given.
void CommandLineTest::zoneTimes_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("departure");
    QTest::addColumn<QString>("arrival");

    QTest::newRow("default zone UTC+8, written with slashes")
        << QStringList{u"--depart"_s, u"2025/3/1 8:00"_s}
        << u"2025-03-01 08:00 UTC+8"_s << u"2025-03-03 13:52 UTC+8"_s;
    QTest::newRow("UTC-5 on its own clock")
        << QStringList{u"--zone"_s, u"-5"_s} << u"2025-03-01 08:00 UTC-5"_s << u"2025-03-03 13:52 UTC-5"_s;
    QTest::newRow("UTC-5, arrivals in UTC")
        << QStringList{u"--zone"_s, u"-5"_s, u"--eta-zone"_s, u"utc"_s}
        << u"2025-03-01 08:00 UTC-5"_s << u"2025-03-03 18:52 UTC"_s;
    // 122°05.3′E keeps the clock of 120°E.
    QTest::newRow("UTC-5, arrivals in ship's time")
        << QStringList{u"--zone"_s, u"-5"_s, u"--eta-zone"_s, u"ship"_s}
        << u"2025-03-01 08:00 UTC-5"_s << u"2025-03-04 02:52 UTC+8"_s;
    QTest::newRow("half-hour zone")
        << QStringList{u"--zone=+5:30"_s} << u"2025-03-01 08:00 UTC+5:30"_s << u"2025-03-03 13:52 UTC+5:30"_s;
    QTest::newRow("UTC as 0, departure with a T")
        << QStringList{u"--zone"_s, u"0"_s, u"--depart"_s, u"2025-03-01T08:00"_s}
        << u"2025-03-01 08:00 UTC"_s << u"2025-03-03 13:52 UTC"_s;
}

void CommandLineTest::zoneTimes()
{
    QFETCH(QStringList, options);
    QFETCH(QString, departure);
    QFETCH(QString, arrival);
    QStringList arguments{u"--route"_s, u"route.csv"_s, u"--export"_s, u"zoned.csv"_s, u"--speed"_s, u"12"_s};
    if (!options.contains(u"--depart"_s))
        options << u"--depart"_s << u"2025-03-01 08:00"_s;
    const Run result = tarnquil(arguments + options);
    QCOMPARE(result.err, QString());
    QCOMPARE(result.status, 0);
    const QStringList lines = QString::fromUtf8(readAll(dir_.filePath(u"zoned.csv"_s))).split(u"\r\n"_s);
    // The table's header, below the settings lines.
    const auto header = std::find_if(lines.cbegin(), lines.cend(),
                                     [](const QString& line) { return line.startsWith(u"序号,"_s); });
    QVERIFY(header != lines.cend());
    const qsizetype table = header - lines.cbegin();
    const qsizetype eta = header->split(u',').indexOf(u"预计到达"_s);
    QCOMPARE(lines.value(table + 1).split(u',').value(eta), departure);
    QCOMPARE(lines.value(table + 3).split(u',').value(eta), arrival);
}

// What the program writes it reads back to the same plan: a leg table read
// and written again is the same bytes, through GPX too; the options of a
// later run take the place of what the file says.
// The command line refuses an export in the window's words: the first line
// is what the route window's 导出 prompts for the same route.
void CommandLineTest::exportRefusedAsInTheWindow_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("a leg's speed that does not read")
        << u"speed.csv"_s << "名称,纬度,经度,航法,航速\r\nA,3954N,11624E,,\r\nB,3112N,12130E,,fast\r\n"_ba;
    QTest::newRow("a latitude that does not read") << u"bad.csv"_s << QByteArray();
    QTest::newRow("no waypoint") << u"none.csv"_s << "名称,纬度,经度\r\n"_ba;
}

void CommandLineTest::exportRefusedAsInTheWindow()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    if (!bytes.isEmpty())
        put(file, bytes);
    const Run result = tarnquil({u"--route"_s, file, u"--export"_s, u"refused.gpx"_s, u"--speed"_s, u"12"_s});
    QCOMPARE(result.status, 1);
    QVERIFY(!QFile::exists(dir_.filePath(u"refused.gpx"_s)));
    const tarnquil::RouteFile route = tarnquil::readRouteFile(dir_.filePath(file));
    tarnquil::RouteSettings settings;
    settings.speed = 12;
    const std::optional<tarnquil::ExportRefusal> window =
        tarnquil::exportRefusal(route.waypoints, tarnquil::makeRouteTable(route.waypoints, settings));
    QVERIFY(window);
    QCOMPARE(result.err.section(systemLines(u"\n"_s), 0, 0), u"tarnquil: "_s + file + u' ' + window->message);
}

// A spreadsheet deletes the first waypoint row of a saved plan: the file
// still opens as the plan it was, not as the defaults with the next leg's
// speed for the route's.
void CommandLineTest::planOutlastsDeletedRow()
{
    const Run saved = tarnquil({u"--route"_s, u"plan.csv"_s, u"--export"_s, u"kept.csv"_s, u"--model"_s,
                                u"sphere"_s, u"--speed"_s, u"12.5"_s, u"--depart"_s, u"2026-12-20 08:00"_s,
                                u"--zone"_s, u"-5"_s});
    QCOMPARE(saved.err, QString());
    QStringList lines = QString::fromUtf8(readAll(dir_.filePath(u"kept.csv"_s))).split(u"\r\n"_s);
    const qsizetype header = std::find_if(lines.cbegin(), lines.cend(), [](const QString& line) {
                                 return line.startsWith(u"序号,"_s);
                             }) - lines.cbegin();
    QVERIFY(header < lines.size() - 1);
    const QStringList settings = lines.first(header);
    lines.removeAt(header + 1);
    put(u"kept.csv"_s, lines.join(u"\r\n"_s).toUtf8());
    const Run again = tarnquil({u"--route"_s, u"kept.csv"_s, u"--export"_s, u"again.csv"_s});
    QCOMPARE(again.err, QString());
    QCOMPARE(again.status, 0);
    const QStringList reopened = QString::fromUtf8(readAll(dir_.filePath(u"again.csv"_s))).split(u"\r\n"_s);
    QCOMPARE(reopened.first(header), settings);
    QVERIFY(settings.contains(u"地球模型,球面（1′=1海里）"_s) && settings.contains(u"航速,12.5"_s)
            && settings.contains(u"开航时间,2026-12-20 08:00"_s) && settings.contains(u"区时,UTC-5"_s)
            && settings.contains(u"航线名称,plan"_s));
}

void CommandLineTest::planRoundTrip()
{
    const QStringList plan{u"--speed"_s, u"12.5"_s, u"--depart"_s, u"2025-03-01 08:00"_s,
                           u"--zone"_s, u"+9"_s, u"--model"_s, u"sphere"_s, u"--eta-zone"_s, u"ship"_s};
    const auto exported = [this](const QStringList& arguments) {
        const Run result = tarnquil(arguments);
        return result.status == 0 && result.err.isEmpty();
    };
    QVERIFY(exported(QStringList{u"--route"_s, u"plan.csv"_s, u"--export"_s, u"a.csv"_s} + plan));
    const QByteArray table = readAll(dir_.filePath(u"a.csv"_s));
    QVERIFY2(table.contains("10kn") && table.contains("\"锚泊, 待潮\"") && table.contains("球面"),
             table.constData());
    QVERIFY(exported({u"--route"_s, u"a.csv"_s, u"--export"_s, u"b.csv"_s, u"--eta-zone"_s, u"ship"_s}));
    QCOMPARE(readAll(dir_.filePath(u"b.csv"_s)), table);
    QVERIFY(exported({u"--route"_s, u"a.csv"_s, u"--export"_s, u"c.gpx"_s}));
    QVERIFY(exported({u"--route"_s, u"c.gpx"_s, u"--export"_s, u"d.csv"_s, u"--eta-zone"_s, u"ship"_s}));
    QCOMPARE(readAll(dir_.filePath(u"d.csv"_s)), table);
    QVERIFY(exported({u"--route"_s, u"a.csv"_s, u"--export"_s, u"e.csv"_s, u"--model"_s, u"wgs84"_s,
                      u"--eta-zone"_s, u"ship"_s}));
    QVERIFY(readAll(dir_.filePath(u"e.csv"_s)).contains("WGS-84"));
    // The arrivals' zone is the file's too, through either kind of file,
    // unless --eta-zone is given.
    QVERIFY(exported({u"--route"_s, u"a.csv"_s, u"--export"_s, u"f.csv"_s}));
    QCOMPARE(readAll(dir_.filePath(u"f.csv"_s)), table);
    QVERIFY(exported({u"--route"_s, u"c.gpx"_s, u"--export"_s, u"g.csv"_s}));
    QCOMPARE(readAll(dir_.filePath(u"g.csv"_s)), table);
    QVERIFY(exported({u"--route"_s, u"a.csv"_s, u"--export"_s, u"h.csv"_s, u"--eta-zone"_s, u"utc"_s}));
    QVERIFY(readAll(dir_.filePath(u"h.csv"_s)).contains("\r\n预计到达按,UTC\r\n"));
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
