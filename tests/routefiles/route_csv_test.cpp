// SPDX-License-Identifier: GPL-3.0-or-later
// Route CSV files: waypoint lists as spreadsheets and hands write them, the
// refusals with their line and column, and the exact bytes written.
#include "routefiles/csv_records.h"
#include "routefiles/route_csv.h"
#include "routefiles/save_file.h"

#include "nav/entry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using tarnquil::WaypointText;

namespace {

// A waypoint as one comparable text: name|latitude|longitude|RL or GC.
QStringList shown(const QList<WaypointText>& waypoints)
{
    QStringList texts;
    for (const WaypointText& w : waypoints)
        texts << QStringList{w.name, w.latitude, w.longitude,
                             w.method == nav::Method::GreatCircle ? u"GC"_s : u"RL"_s}.join(u'|');
    return texts;
}

}  // namespace

class RouteCsvTest : public QObject
{
    Q_OBJECT

private slots:
    void reading_data();
    void reading();
    void refusals_data();
    void refusals();
    void legTableBytes();
    void waypointListRoundTrip();
    void failedSaveKeepsFile();

private:
    QTemporaryDir dir_;
};

void RouteCsvTest::reading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("waypoints");
    QTest::addColumn<QList<qint64>>("lines");

    QTest::newRow("Chinese header, byte-order mark, CRLF")
        << "\xEF\xBB\xBF名称,纬度,经度,航法\r\n吴淞口,3124N,12130E,\r\n舟山,30°10.2′N,122°05.3′E,GC\r\n"_ba
        << QStringList{u"吴淞口|3124N|12130E|RL"_s, u"舟山|30°10.2′N|122°05.3′E|GC"_s}
        << QList<qint64>{2, 3};
    QTest::newRow("English header in another order, any case, blanks, LF, no last line end")
        << " LON ,Name,\tLatitude ,METHOD\n12130E,A,3124N,gc\n122-05.3E,B,30-10.2N,Rl"_ba
        << QStringList{u"A|3124N|12130E|GC"_s, u"B|30-10.2N|122-05.3E|RL"_s}
        << QList<qint64>{2, 3};
    QTest::newRow("short header words, no name or method column")
        << "lat,lon\n3124,12130\n"_ba << QStringList{u"|3124|12130|RL"_s} << QList<qint64>{2};
    QTest::newRow("quoted comma, doubled quote, line end inside quotes")
        << "名称,纬度,经度\n\"长江口, 北槽\",\"42°50'30\"\"N\",12130E\n\"吴淞口\r\n锚地\",3124N,12130E\n"
           "C,3000N,12200E\n"_ba
        << QStringList{u"长江口, 北槽|42°50'30\"N|12130E|RL"_s, u"吴淞口\r\n锚地|3124N|12130E|RL"_s,
                       u"C|3000N|12200E|RL"_s}
        << QList<qint64>{2, 3, 5};
    QTest::newRow("a quote inside an unquoted field stands for itself")
        << "纬度,经度\n42°50'30\"N,12130E\n"_ba << QStringList{u"|42°50'30\"N|12130E|RL"_s}
        << QList<qint64>{2};
    QTest::newRow("method words")
        << "纬度,经度,航法\n1,2,恒向线\n1,2,大圆\n1,2, Gc \n1,2,rL\n"_ba
        << QStringList{u"|1|2|RL"_s, u"|1|2|GC"_s, u"|1|2|GC"_s, u"|1|2|RL"_s}
        << QList<qint64>{2, 3, 4, 5};
    QTest::newRow("blank lines passed over, short rows empty, other columns ignored")
        << "序号,名称,纬度,经度,航法,航时\r\n\r\n1,A,31°24.00′N,121°30.00′E,,\r\n2,B\r\n\r\n"_ba
        << QStringList{u"A|31°24.00′N|121°30.00′E|RL"_s, u"B|||RL"_s} << QList<qint64>{3, 4};
    QTest::newRow("header only: a route without waypoints")
        << "名称,纬度,经度\r\n"_ba << QStringList{} << QList<qint64>{};
}

void RouteCsvTest::reading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, waypoints);
    QFETCH(QList<qint64>, lines);
    const tarnquil::RouteCsvReading reading = tarnquil::readRouteCsv(bytes);
    QCOMPARE(reading.error, QString());
    QCOMPARE(shown(reading.waypoints), waypoints);
    QCOMPARE(reading.lines, lines);
}

void RouteCsvTest::refusals_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");

    QTest::newRow("empty file") << "\xEF\xBB\xBF"_ba
        << u"第 1 行：文件是空的，应以表头开始，如 名称,纬度,经度,航法。"_s;
    QTest::newRow("no longitude column") << "\n名称,纬度,long\nA,1,2\n"_ba
        << u"第 2 行：表头中没有经度列（写作 经度、lon 或 longitude）。"_s;
    QTest::newRow("latitude named twice") << "lat,经度,Latitude\n"_ba
        << u"第 1 行第 3 列：“Latitude”与第 1 列重复，都是纬度列。"_s;
    QTest::newRow("unknown method, line counted past a quoted line end")
        << "名称,纬度,经度,航法\n\"A\nB\",1,2,RL\nC,1,2,XY\n"_ba
        << u"第 4 行第 4 列（航法）：“XY”不是航法，应为 RL（恒向线）或 GC（大圆）。"_s;
    QTest::newRow("quote never closed") << "纬度,经度\n1,\"2\n3,4\n"_ba
        << u"第 2 行第 2 列：引号没有结束，直到文件末尾也没有与之配对的引号。"_s;
    QTest::newRow("text after the closing quote") << "纬度,经度\n\"1\"N,2\n"_ba
        << u"第 2 行第 1 列：右引号后应是逗号或行尾，不能是“N”；字段中的引号要写成两个（\"\"）。"_s;
    QTest::newRow("GBK bytes on line 3") << "纬度,经度\r\n1,2\r\n\xCE\xE2\xCB\xC1,3\r\n"_ba
        << u"第 3 行：文件不是 UTF-8 编码（GBK 等编码的表格请另存为“CSV UTF-8”）。"_s;
}

void RouteCsvTest::refusals()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    const tarnquil::RouteCsvReading reading = tarnquil::readRouteCsv(bytes);
    QCOMPARE(reading.error, error);
    QCOMPARE(reading.errorLine, error.sliced(2).section(u' ', 0, 0).toLongLong());
    QVERIFY(reading.waypoints.isEmpty() && reading.lines.isEmpty());
}

// Two legs by RhumbSolve/GeodSolve (route_table_test), a name that needs
// quotes, a refused cell shown as typed and the legs it empties.
void RouteCsvTest::legTableBytes()
{
    const QList<WaypointText> waypoints = {
        {u"吴淞口"_s, u"3124"_s, u"12130"_s, nav::Method::Rhumb},
        {u"舟山, \"锚地\""_s, u"30°10.2′N"_s, u"122°05.3′E"_s, nav::Method::Rhumb},
        {u"C"_s, u"4250E"_s, u"12200E"_s, nav::Method::GreatCircle},
    };
    const tarnquil::RouteSettings settings{geo::EntryMode::Minutes, nav::EarthModel::Wgs84, 12.5,
                                           nav::readClockTime("2024-12-31 20:00")};
    const QByteArray expected =
        "\xEF\xBB\xBF序号,名称,纬度,经度,航法,恒向线航向,恒向线航程,大圆始航向,大圆航程,累计航程,航时,预计到达\r\n"
        "1,吴淞口,31°24.00′N,121°30.00′E,,,,,,0.0,0:00,2024-12-31 20:00\r\n"
        "2,\"舟山, \"\"锚地\"\"\",30°10.20′N,122°05.30′E,RL,157.6,79.7,157.4,79.7,79.7,6:22,2025-01-01 02:22\r\n"
        "3,C,4250E,122°00.00′E,GC,,,,,,,\r\n"_ba;
    QCOMPARE(tarnquil::legTableCsv(tarnquil::makeRouteTable(waypoints, settings)), expected);
}

void RouteCsvTest::waypointListRoundTrip()
{
    const QList<WaypointText> waypoints = {
        {u"吴淞口, \"北\"\n锚地"_s, u"42°50'30\"N"_s, u" 12130 "_s, nav::Method::Rhumb},
        {{}, {}, u"122-05.3E"_s, nav::Method::GreatCircle},
    };
    const QByteArray bytes = tarnquil::routeCsv(waypoints);
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF名称,纬度,经度,航法\r\n\"吴淞口, \"\"北\"\"\n锚地\",\"42°50'30\"\"N\", 12130 ,RL\r\n"));
    const QString path = dir_.filePath(u"航线.csv"_s);
    QCOMPARE(tarnquil::saveFile(path, bytes), QString());
    const tarnquil::RouteCsvReading reading = tarnquil::readRouteCsvFile(path);
    QCOMPARE(reading.error, QString());
    QCOMPARE(shown(reading.waypoints), shown(waypoints));
}

// Qt writes beside the file under a longer name, which the file system refuses.
void RouteCsvTest::failedSaveKeepsFile()
{
    QTemporaryDir folder;
    const QString name(250, u'n');
    const QString path = folder.filePath(name);
    const QByteArray before = "名称,纬度,经度\r\n";
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(before) == before.size());
    file.close();
    const QString error = tarnquil::saveFile(path, "other");
    QVERIFY2(error.startsWith(u"无法保存文件"_s) && error.endsWith(u"。"_s), qPrintable(error));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{name});
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

QTEST_GUILESS_MAIN(RouteCsvTest)
#include "route_csv_test.moc"
