// SPDX-License-Identifier: GPL-3.0-or-later
// Route CSV files: waypoint lists as spreadsheets and hands write them, the
// refusals with their line and column, and the exact bytes written.
#include "routefiles/csv_records.h"
#include "routefiles/formula_guard.h"
#include "routefiles/route_csv.h"
#include "routefiles/save_file.h"

#include "geo/number_form.h"
#include "nav/entry.h"
#include "text/refusals.h"

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
    void routeValuesOutlastRowEdits_data();
    void routeValuesOutlastRowEdits();
    void routeValuesInFirstRow();
    void waypointListRoundTrip();
    void textCellsAreNoFormulas_data();
    void textCellsAreNoFormulas();
    void positionsAreNoFormulas_data();
    void positionsAreNoFormulas();
    void spreadsheetGbkFile();
    void lastingTexts_data();
    void lastingTexts();
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
    QTest::newRow("hemisphere columns 南北 and 东西 go with their coordinates")
        << "名称,纬度,南北,经度,东西\n合恩角,55.98,S,67.27,W\n吴淞口,3124,N,12130,E\n"_ba
        << QStringList{u"合恩角|55.98S|67.27W|RL"_s, u"吴淞口|3124N|12130E|RL"_s}
        << QList<qint64>{2, 3};
    QTest::newRow("NS and EW in any case, hemispheres in lower case and in words")
        << "Lat,ns,Lon,Ew\n33°30′,s,70°30′,西\n"_ba << QStringList{u"|33°30′S|70°30′W|RL"_s}
        << QList<qint64>{2};
    QTest::newRow("N/S and E/W")
        << "纬度,N/S,经度,E/W\n-33.5,S,70.5,\n33.5N,N,70.5E,E\n"_ba
        << QStringList{u"|-33.5|70.5|RL"_s, u"|33.5N|70.5E|RL"_s} << QList<qint64>{2, 3};
    QTest::newRow("Hemisphere goes with the coordinate before it")
        << "lat,Hemisphere,lon,HEMISPHERE\n33.5,S,70.5,W\n"_ba << QStringList{u"|33.5S|70.5W|RL"_s}
        << QList<qint64>{2};
    QTest::newRow("Hemisphere first goes with the coordinate after it")
        << "Hemisphere,lat,Hemisphere,lon\nS,33.5,W,70.5\n"_ba << QStringList{u"|33.5S|70.5W|RL"_s}
        << QList<qint64>{2};
    QTest::newRow("rows of empty cells passed over, before the header too")
        << ",,\r\n纬度,经度,名称\r\n3124N,12130E,A\r\n,,\r\n , ,\r\n,\r\n"_ba
        << QStringList{u"A|3124N|12130E|RL"_s} << QList<qint64>{3};
    QTest::newRow("empty fields beyond the header hold nothing to lose")
        << "纬度,经度\n3124N,12130E,,\n"_ba << QStringList{u"|3124N|12130E|RL"_s} << QList<qint64>{2};
    QTest::newRow("a column without a name, empty in every row")
        << "纬度,,经度\n3124N,,12130E\n"_ba << QStringList{u"|3124N|12130E|RL"_s} << QList<qint64>{2};
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
    QTest::newRow("GBK bytes on line 3 of a file marked UTF-8")
        << "\xEF\xBB\xBF纬度,经度\r\n1,2\r\n\xCE\xE2\xCB\xC1,3\r\n"_ba
        << u"第 3 行：文件以 UTF-8 的字节顺序标记开头，这一行却有不是 UTF-8 的字节。"_s;
    QTest::newRow("neither UTF-8 nor GB18030") << "lat,lon\r\n1,2\r\n\xFF,3\r\n"_ba
        << u"第 3 行：文件既不是 UTF-8 编码，也不是 GB18030（GBK）编码，请另存为“CSV UTF-8”。"_s;
    QTest::newRow("hemisphere against the coordinate's own")
        << "纬度,南北,经度\n1,N,2\n33.5N,S,70\n"_ba
        << u"第 3 行第 2 列（南北）：方位“S”与第 1 列纬度“33.5N”的方位不一致。"_s;
    QTest::newRow("hemisphere against a minus")
        << "lon,lat,EW\n-70.5,33,E\n"_ba
        << u"第 2 行第 3 列（东西）：方位“E”与第 1 列经度“-70.5”的方位不一致。"_s;
    QTest::newRow("hemisphere of the other axis")
        << "纬度,南北,经度\n33.5,E,70\n"_ba
        << u"第 2 行第 2 列（南北）：“E”不是纬度的方位，应为 N 或 S（北、南）。"_s;
    QTest::newRow("hemisphere with a number")
        << "纬度,经度,东西\n33.5,70,W1\n"_ba
        << u"第 2 行第 3 列（东西）：“W1”不是经度的方位，应为 E 或 W（东、西）。"_s;
    QTest::newRow("Hemisphere beside no coordinate")
        << "Hemisphere,名称,纬度,经度\n"_ba
        << u"第 1 行第 1 列：“Hemisphere”的两旁都没有纬度或经度列，不知是哪一个的方位。"_s;
    QTest::newRow("two hemisphere columns for the latitude")
        << "纬度,NS,经度,N/S\n"_ba << u"第 1 行第 4 列：“N/S”与第 2 列重复，都是南北列。"_s;
    QTest::newRow("more fields than the header has columns")
        << "名称,纬度,经度\nA,1,2\nB,30,10,S\n"_ba
        << u"第 3 行：有 4 个字段，表头只有 3 列，多出的“S”不知属于哪一列。"_s;
    QTest::newRow("a departure that does not read")
        << "纬度,经度,预计到达\n1,2,2025-03-01 8:0 UTC+8\n"_ba
        << u"第 2 行第 3 列（预计到达）：开航时间“2025-03-01 8:0 UTC+8”无法识别：应写作 YYYY-MM-DD HH:MM，"
           u"如 2025-06-01 08:00、2025/6/1 8:00。"_s;
    QTest::newRow("the route's speed that does not read")
        << "纬度,经度,航速\n1,2,fast\n"_ba
        << u"第 2 行第 3 列（航速）：航速“fast”无法识别：应为不小于 0.00000001 的节数，如 12、12.5 或 12kn。"_s;
    QTest::newRow("another route's name on a later row")
        << "纬度,经度,航线名称\n1,2,甲\n1,3,\n1,4,乙\n"_ba
        << u"第 4 行第 3 列（航线名称）：“乙”与第一个航点所在行的航线名称不同；一条航线只有一个航线名称，"
           u"写在第一个航点的行中。"_s;
    QTest::newRow("a setting no route has")
        << "设置,值\r\n航线名称,甲\r\n吃水,7.5\r\n\r\n纬度,经度\r\n"_ba
        << u"第 3 行：没有设置“吃水”：设置应为航线名称、地球模型、航速、开航时间、区时、预计到达按、"
           u"推算风压差、推算流向、推算流速、推算改正率；设置与航点表之间应空一行。"_s;
    QTest::newRow("a setting given twice")
        << "设置,值\r\n航速,12\r\n航速,14\r\n\r\n纬度,经度\r\n"_ba << u"第 3 行：设置“航速”重复。"_s;
    QTest::newRow("a second value on a settings line")
        << "设置,值,,\r\n航速,12,kn,\r\n,,,\r\n纬度,经度\r\n"_ba
        << u"第 2 行第 3 列：设置“航速”只有一个值，不知多出的“kn”是什么。"_s;
    QTest::newRow("a settings line's speed that does not read")
        << "设置,值\r\n航速,fast\r\n\r\n纬度,经度\r\n"_ba
        << u"第 2 行第 2 列（航速）：航速“fast”无法识别：应为不小于 0.00000001 的节数，如 12、12.5 或 12kn。"_s;
    QTest::newRow("a settings line's zone that does not read")
        << "设置,值\r\n区时,UTC+15\r\n\r\n纬度,经度\r\n"_ba
        << u"第 2 行第 2 列（区时）："_s + tarnquil::timeZoneRefusal(u"UTC+15"_s);
    QTest::newRow("arrivals in a zone there is no choice of")
        << "设置,值\r\n预计到达按,东京时间\r\n\r\n纬度,经度\r\n"_ba
        << u"第 2 行第 2 列（预计到达按）：“东京时间”不是预计到达所用的区时，应为 开航区时、UTC、船时。"_s;
    QTest::newRow("settings and no table")
        << "\r\n设置,值\r\n航速,12\r\n\r\n"_ba
        << u"第 2 行：设置之后没有航点表，应在空一行后以表头开始，如 名称,纬度,经度,航法。"_s;
    QTest::newRow("a value under a column without a name")
        << "纬度,,经度\n1,,2\n3, x ,4\n"_ba
        << u"第 3 行第 2 列：表头中这一列没有名称，不知“ x ”是什么；请在表头写上列名，或删去这一列。"_s;
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
    const tarnquil::RouteSettings settings{geo::NumberForm::Minutes, nav::EarthModel::Wgs84, 12.5,
                                           nav::readClockTime("2024-12-31 20:00")};
    // The route's values on lines of their own, above the table.
    const QByteArray expected =
        "\xEF\xBB\xBF设置,值\r\n航线名称,横渡\r\n地球模型,WGS-84\r\n航速,12.5\r\n"
        "开航时间,2024-12-31 20:00\r\n区时,UTC+8\r\n预计到达按,开航区时\r\n\r\n"
        "序号,名称,纬度,经度,航法,航速,恒向线航向,恒向线航程,大圆始航向,大圆航程,"
        "累计航程,剩余航程,航段航时,航时,预计到达,备注\r\n"
        "1,吴淞口,31.4°N,121.5°E,,,,,,,0.0,,,0:00,2024-12-31 20:00 UTC+8,\r\n"
        "2,\"舟山, \"\"锚地\"\"\",30.17°N,122.08833333333334°E,RL,,157.6,79.7,157.4,79.7,79.7,,"
        "6:22,6:22,2025-01-01 02:22 UTC+8,\r\n"
        "3,C,4250E,122°E,GC,,,,,,,,,,,\r\n"_ba;
    QCOMPARE(QString::fromUtf8(tarnquil::legTableCsv(
                 {u"横渡"_s, waypoints, settings, tarnquil::makeRouteTable(waypoints, settings)})),
             QString::fromUtf8(expected));
}

namespace {

// A plan saved as from `tarnquil --route … --model sphere --speed 12.5
// --depart "2026-12-20 08:00" --zone -5 --export`: the file's lines.
QStringList savedPlanLines()
{
    const QList<WaypointText> waypoints = {
        {u"长江口"_s, u"3103N"_s, u"12220E"_s, nav::Method::Rhumb},
        {u"济州岛南"_s, u"3250N"_s, u"12630E"_s, nav::Method::GreatCircle, {}, {}, u"14"_s},
        {u"关门"_s, u"3357N"_s, u"13057E"_s, nav::Method::Rhumb, {}, {}, u"9.5"_s},
    };
    tarnquil::RouteSettings settings;
    settings.model = nav::EarthModel::Sphere;
    settings.speed = 12.5;
    settings.departure = nav::readClockTime("2026-12-20 08:00");
    settings.departureZone = *nav::TimeZone::fromMinutes(-5 * 60);
    settings.etaZone = nav::EtaZone::Ship;
    const QByteArray bytes = tarnquil::legTableCsv(
        {u"横渡"_s, waypoints, settings, tarnquil::makeRouteTable(waypoints, settings)});
    return QString::fromUtf8(bytes).split(u"\r\n"_s);
}

tarnquil::SavedSettings savedPlan()
{
    return {nav::EarthModel::Sphere, std::optional<double>(12.5),
            std::optional(nav::readClockTime("2026-12-20 08:00")), nav::TimeZone::fromMinutes(-5 * 60),
            nav::EtaZone::Ship};
}

using LineEdit = void (*)(QStringList& rows);
}  // namespace
Q_DECLARE_METATYPE(LineEdit)

// What a spreadsheet does to the waypoint rows leaves the route's values be.
void RouteCsvTest::routeValuesOutlastRowEdits_data()
{
    QTest::addColumn<LineEdit>("edit");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("first waypoint row deleted")
        << LineEdit([](QStringList& rows) { rows.removeFirst(); }) << QStringList{u"济州岛南"_s, u"关门"_s};
    QTest::newRow("rows sorted the other way")
        << LineEdit([](QStringList& rows) { std::reverse(rows.begin(), rows.end()); })
        << QStringList{u"关门"_s, u"济州岛南"_s, u"长江口"_s};
    QTest::newRow("first row moved to the end")
        << LineEdit([](QStringList& rows) { rows.move(0, rows.size() - 1); })
        << QStringList{u"济州岛南"_s, u"关门"_s, u"长江口"_s};
    QTest::newRow("every waypoint row deleted")
        << LineEdit([](QStringList& rows) { rows.clear(); }) << QStringList{};
}

void RouteCsvTest::routeValuesOutlastRowEdits()
{
    QFETCH(LineEdit, edit);
    QFETCH(QStringList, names);
    QStringList lines = savedPlanLines();
    const qsizetype header = lines.indexOf(tarnquil::legColumnTitles().join(u','));
    QVERIFY(header > 0);
    QStringList rows = lines.sliced(header + 1);
    rows.removeAll(QString());
    edit(rows);
    const QByteArray bytes = (lines.first(header + 1) + rows).join(u"\r\n"_s).toUtf8();
    const tarnquil::RouteCsvReading reading = tarnquil::readRouteCsv(bytes);
    QCOMPARE(reading.error, QString());
    QCOMPARE(reading.saved, savedPlan());
    QCOMPARE(reading.routeName, std::optional(u"横渡"_s));
    QCOMPARE(reading.absentColumns, QStringList());
    QStringList read;
    for (const WaypointText& w : reading.waypoints)
        read << w.name;
    QCOMPARE(read, names);
    // Each leg keeps its own speed: none becomes the route's.
    for (const WaypointText& w : reading.waypoints)
        QCOMPARE(w.speed, w.name == u"济州岛南"_s ? u"14"_s : w.name == u"关门"_s ? u"9.5"_s : QString());
}

// A file written before the settings lines: the first row's values are the
// route's, and it opens as it did.
void RouteCsvTest::routeValuesInFirstRow()
{
    const QByteArray bytes =
        "\xEF\xBB\xBF序号,名称,纬度,经度,航法,航速,恒向线航向,恒向线航程,大圆始航向,大圆航程,"
        "累计航程,剩余航程,航段航时,航时,预计到达,备注,航线名称,地球模型\r\n"
        "1,长江口,31.05°N,122.33333333333333°E,,12.5,,,,,0.0,,,0:00,2026-12-20 08:00 UTC-5,,横渡,"
        "球面（1′=1海里）\r\n"
        "2,济州岛南,32.833333333333336°N,126.5°E,GC,14,,,,,,,,,,,,\r\n"_ba;
    const tarnquil::RouteCsvReading reading = tarnquil::readRouteCsv(bytes);
    QCOMPARE(reading.error, QString());
    tarnquil::SavedSettings saved = savedPlan();
    saved.etaZone.reset();  // such a file says nothing of it
    QCOMPARE(reading.saved, saved);
    QCOMPARE(reading.routeName, std::optional(u"横渡"_s));
    QCOMPARE(reading.waypoints.size(), 2);
    QCOMPARE(reading.waypoints[0].speed, QString());
    QCOMPARE(reading.waypoints[1].speed, u"14"_s);
}

// Texts that read alike in every form go to the file as typed; a plain
// number, whose position depends on the form it was read in, as the
// position it was read as. The file opens to the same positions in every
// form.
void RouteCsvTest::waypointListRoundTrip()
{
    WaypointText seconds{u"秒"_s, u"310330N"_s, u"1222015E"_s, nav::Method::Rhumb};
    seconds.latitudeForm = seconds.longitudeForm = geo::NumberForm::Seconds;
    WaypointText degrees{u"度"_s, u"25.3N"_s, u"-73.9857"_s, nav::Method::Rhumb};
    degrees.latitudeForm = geo::NumberForm::Degrees;
    const QList<WaypointText> waypoints = {
        {u"吴淞口, \"北\"\n锚地"_s, u"42°50'30\"N"_s, u" 12130 "_s, nav::Method::Rhumb},
        {{}, {}, u"122-05.3E"_s, nav::Method::GreatCircle},
        seconds,
        degrees,
        {u"拒"_s, u"25.3N"_s, u"12x"_s, nav::Method::Rhumb},
    };
    const QByteArray bytes = tarnquil::routeCsv(waypoints, geo::NumberForm::Minutes);
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QCOMPARE(QString::fromUtf8(bytes.sliced(3)),
             u"名称,纬度,经度,航法\r\n\"吴淞口, \"\"北\"\"\n锚地\",\"42°50'30\"\"N\",121.5°E,RL\r\n"
             u",,122-05.3E,GC\r\n秒,31.058333333333334°N,122.3375°E,RL\r\n"
             u"度,25.3°N,73.9857°W,RL\r\n拒,25.3N,12x,RL\r\n"_s);
    const QString path = dir_.filePath(u"航线.csv"_s);
    QCOMPARE(tarnquil::saveFile(path, bytes), QString());
    const tarnquil::RouteCsvReading reading = tarnquil::readRouteCsvFile(path);
    QCOMPARE(reading.error, QString());
    QCOMPARE(reading.waypoints.size(), waypoints.size());
    tarnquil::RouteSettings typed;
    const QList<tarnquil::RouteTableRow> before = tarnquil::makeRouteTable(waypoints, typed);
    for (const geo::NumberForm form :
         {geo::NumberForm::Minutes, geo::NumberForm::Seconds, geo::NumberForm::Degrees}) {
        tarnquil::RouteSettings opened;
        opened.form = form;
        const QList<tarnquil::RouteTableRow> after = tarnquil::makeRouteTable(reading.waypoints, opened);
        for (qsizetype i = 0; i + 1 < waypoints.size(); ++i) {
            QVERIFY2(after[i].position.has_value() == before[i].position.has_value(), qPrintable(after[i].texts.join(u' ')));
            if (before[i].position) {
                QCOMPARE(after[i].position->latitude, before[i].position->latitude);
                QCOMPARE(after[i].position->longitude, before[i].position->longitude);
            }
        }
        QVERIFY(!after.last().position);
    }
}

// A text a spreadsheet would run as a formula is written after an
// apostrophe, in every text cell of both files, and reads back as typed.
void RouteCsvTest::textCellsAreNoFormulas_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("cell");  // as the file holds it
    QTest::newRow("equals sign") << u"=1+1"_s << u"'=1+1"_s;
    QTest::newRow("plus: a current in a remark") << u"+2 kn 海流"_s << u"'+2 kn 海流"_s;
    QTest::newRow("a lone minus") << u"-"_s << u"'-"_s;
    QTest::newRow("at sign") << u"@x"_s << u"'@x"_s;
    QTest::newRow("a text that starts with the apostrophe") << u"'quoted"_s << u"''quoted"_s;
    QTest::newRow("tab first") << u"\t锚地"_s << u"'\t锚地"_s;
    QTest::newRow("carriage return first") << u"\r锚地"_s << u"'\r锚地"_s;
    QTest::newRow("a sign inside, not first") << u"长江口=北槽"_s << u"长江口=北槽"_s;
    QTest::newRow("an apostrophe inside") << u"O'Brien"_s << u"O'Brien"_s;
}

void RouteCsvTest::textCellsAreNoFormulas()
{
    QFETCH(QString, text);
    QFETCH(QString, cell);
    QCOMPARE(tarnquil::formulaGuarded(text), cell);
    QCOMPARE(tarnquil::formulaUnguarded(cell), text);

    WaypointText first{text, u"3103N"_s, u"12220E"_s, nav::Method::Rhumb};
    first.remark = text;
    WaypointText second{text, u"3250N"_s, u"12630E"_s, nav::Method::GreatCircle};
    second.remark = text;
    second.speed = text;
    const QList<WaypointText> waypoints = {first, second};
    const tarnquil::RouteSettings settings;
    const QByteArray table = tarnquil::legTableCsv(
        {text, waypoints, settings, tarnquil::makeRouteTable(waypoints, settings)});
    const QByteArray list = tarnquil::routeCsv(waypoints, geo::NumberForm::Minutes);
    // The name's column: after 序号 in the leg table, first in the list.
    for (const auto& [bytes, nameColumn] : {std::pair{table, 1}, std::pair{list, 0}}) {
        const tarnquil::CsvReading records = tarnquil::readCsvRecords(QString::fromUtf8(bytes.sliced(3)));
        QCOMPARE(records.records.constLast().fields.value(nameColumn), cell);
        const tarnquil::RouteCsvReading reading = tarnquil::readRouteCsv(bytes);
        QCOMPARE(reading.error, QString());
        QCOMPARE(reading.waypoints.value(1).name, text);
    }
    const tarnquil::RouteCsvReading reading = tarnquil::readRouteCsv(table);
    QCOMPARE(reading.routeName, std::optional(text));
    QCOMPARE(reading.waypoints.value(0).remark, text);
    QCOMPARE(reading.waypoints.value(1).remark, text);
    QCOMPARE(reading.waypoints.value(1).speed, text.trimmed());
    QVERIFY(QString::fromUtf8(table).contains(u"航线名称,"_s + tarnquil::csvLine({cell})));
}

// Positions are no text: written in degrees when they read, so a spreadsheet
// shows no formula and no number it would round; a text that gives no
// position is guarded, and reads back as typed.
void RouteCsvTest::positionsAreNoFormulas_data()
{
    QTest::addColumn<QString>("latitude");
    QTest::addColumn<QString>("longitude");
    QTest::addColumn<QString>("cells");  // latitude,longitude as the waypoint list holds them
    QTest::newRow("plain degrees with a minus") << u"25.3N"_s << u"-73.9857"_s << u"25.3°N,73.9857°W"_s;
    QTest::newRow("a plus before marks") << u"+30°30′"_s << u"122°E"_s << u"30.5°N,122°E"_s;
    QTest::newRow("a formula that gives no position") << u"=1+1"_s << u"@x"_s << u"'=1+1,'@x"_s;
    QTest::newRow("a lone minus") << u"-"_s << u"122°E"_s << u"'-,122°E"_s;
    QTest::newRow("marks keep their text") << u"31°03′N"_s << u"122-20.5E"_s << u"31°03′N,122-20.5E"_s;
}

void RouteCsvTest::positionsAreNoFormulas()
{
    QFETCH(QString, latitude);
    QFETCH(QString, longitude);
    QFETCH(QString, cells);
    WaypointText waypoint{u"A"_s, latitude, longitude, nav::Method::Rhumb};
    waypoint.latitudeForm = waypoint.longitudeForm = geo::NumberForm::Degrees;
    const QByteArray bytes = tarnquil::routeCsv({waypoint}, geo::NumberForm::Minutes);
    QCOMPARE(QString::fromUtf8(bytes.sliced(3)).section(u"\r\n"_s, 1, 1), u"A,"_s + cells + u",RL"_s);
    const tarnquil::RouteCsvReading reading = tarnquil::readRouteCsv(bytes);
    QCOMPARE(reading.error, QString());
    tarnquil::RouteSettings degrees;
    degrees.form = geo::NumberForm::Degrees;
    const auto before = tarnquil::makeRouteTable({waypoint}, degrees);
    const auto after = tarnquil::makeRouteTable(reading.waypoints, degrees);
    QCOMPARE(after[0].position.has_value(), before[0].position.has_value());
    if (before[0].position) {
        QCOMPARE(after[0].position->latitude, before[0].position->latitude);
        QCOMPARE(after[0].position->longitude, before[0].position->longitude);
    } else {
        QCOMPARE(reading.waypoints[0].latitude, latitude);
        QCOMPARE(reading.waypoints[0].longitude, longitude);
    }
}

// A route saved by a spreadsheet on a Chinese Windows as "CSV (逗号分隔)":
// GBK bytes, CRLF, no byte-order mark, hemispheres in columns of their own,
// a remarks column, and rows of empty cells below the table.
void RouteCsvTest::spreadsheetGbkFile()
{
    const tarnquil::RouteCsvReading reading =
        tarnquil::readRouteCsvFile(u":/csv_samples/spreadsheet-gbk.csv"_s);
    QCOMPARE(reading.error, QString());
    QCOMPARE(reading.encoding, u"GB18030"_s);
    QCOMPARE(shown(reading.waypoints),
             (QStringList{u"长江口|31°03′N|122°20′E|RL"_s, u"济州岛南|32°50.0′N|126°30.0′E|GC"_s,
                          u"关门海峡|33°57′N|130°57′E|RL"_s}));
    QCOMPARE(reading.lines, (QList<qint64>{2, 3, 4}));
    QCOMPARE(tarnquil::readRouteCsv("lat,lon\r\n1,2\r\n").encoding, u"UTF-8"_s);
}

// What a saved list keeps of a coordinate text read in a form.
void RouteCsvTest::lastingTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("form");  // geo::NumberForm
    QTest::addColumn<bool>("latitude");
    QTest::addColumn<QString>("kept");
    const int minutes = int(geo::NumberForm::Minutes);
    const int seconds = int(geo::NumberForm::Seconds);
    const int degrees = int(geo::NumberForm::Degrees);
    QTest::newRow("marks read alike in every form") << u"31°03′N"_s << seconds << true << u"31°03′N"_s;
    QTest::newRow("dashes too") << u"122-20.5E"_s << minutes << false << u"122-20.5E"_s;
    QTest::newRow("packed 分") << u"3103N"_s << minutes << true << u"31.05°N"_s;
    QTest::newRow("the same text in 秒") << u"3103N"_s << seconds << true << u"0.5175°N"_s;
    QTest::newRow("plain degrees in 度") << u"25.3N"_s << degrees << true << u"25.3°N"_s;
    QTest::newRow("west longitude in 度") << u"-121.5"_s << degrees << false << u"121.5°W"_s;
    QTest::newRow("plain degrees only one way") << u"-73.9857"_s << minutes << false << u"-73.9857"_s;
    QTest::newRow("a refused text as typed") << u"25.3N"_s << minutes << true << u"25.3N"_s;
}

void RouteCsvTest::lastingTexts()
{
    QFETCH(QString, text);
    QFETCH(int, form);
    QFETCH(bool, latitude);
    QFETCH(QString, kept);
    QCOMPARE(tarnquil::lastingCoordinateText(text, geo::NumberForm(form),
                                             latitude ? geo::Axis::Latitude : geo::Axis::Longitude),
             kept);
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
