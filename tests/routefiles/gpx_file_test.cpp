// SPDX-License-Identifier: GPL-3.0-or-later
// GPX files: a saved route reads back with the very same doubles and names;
// what converters and chart plotters write is read; malformed and hostile
// files are refused whole, with the line and the rule.
#include "routefiles/gpx_reader.h"
#include "routefiles/gpx_writer.h"
#include "text/quoted_text.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

using namespace Qt::StringLiterals;
using tarnquil::GpxRoute;
using tarnquil::GpxWaypoint;

Q_DECLARE_METATYPE(tarnquil::GpxRoute)

namespace {

// `count` attributes a1="1" a2="1" …, for an element of many.
QByteArray attributes(int count)
{
    QByteArray text;
    for (int i = 1; i <= count; ++i)
        text += " a" + QByteArray::number(i) + "=\"1\"";
    return text;
}

// A GPX 1.1 document whose body starts on line 3.
QByteArray gpx11(const QByteArray& body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\" version=\"1.1\">\n"
        + body + "\n</gpx>\n";
}

QByteArray sample(const QString& name)
{
    QFile file(u":/gpx_samples/"_s + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Doubles compared with ==: the reader promises the double nearest each text,
// the writer texts that read back as the same double.
void compareRoutes(const QList<GpxRoute>& actual, const QList<GpxRoute>& expected)
{
    QCOMPARE(actual.size(), expected.size());
    for (qsizetype r = 0; r < actual.size(); ++r) {
        QCOMPARE(actual[r].name, expected[r].name);
        QCOMPARE(actual[r].points.size(), expected[r].points.size());
        for (qsizetype p = 0; p < actual[r].points.size(); ++p) {
            const GpxWaypoint& a = actual[r].points[p];
            const GpxWaypoint& e = expected[r].points[p];
            QCOMPARE(a.name, e.name);
            QVERIFY2(a.latitude == e.latitude && a.longitude == e.longitude,
                     qPrintable(u"point %1: %2 %3"_s.arg(p).arg(a.latitude, 0, 'g', 17)
                                    .arg(a.longitude, 0, 'g', 17)));
        }
    }
}

}  // namespace

class GpxFileTest : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void randomCoordinatesRoundTrip();
    void writtenDocument();
    void failedSaveKeepsFile_data();
    void failedSaveKeepsFile();
    void reading_data();
    void reading();
    void chooseRoute_data();
    void chooseRoute();
    void refusals_data();
    void refusals();
    void fileRefusals_data();
    void fileRefusals();
    void crowdedElementCostIsLinear();

private:
    QString put(const QString& name, const QByteArray& bytes);
    QTemporaryDir dir_;
};

QString GpxFileTest::put(const QString& name, const QByteArray& bytes)
{
    QFile file(dir_.filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
    return file.fileName();
}

void GpxFileTest::roundTrip_data()
{
    QTest::addColumn<GpxRoute>("route");
    const QString markup = u"长江口<&\"'>"_s;
    QTest::newRow("CJK and markup in names")
        << GpxRoute{markup + u"航线"_s, {{markup, 31.2304, 121.4737}, {u"]]> &amp; <!--"_s, 30.6, 122.1}}};
    QTest::newRow("point without a name, blanks kept")
        << GpxRoute{u" 航 线 "_s, {{{}, 30, 120}, {u"  a\tb "_s, 31, 121}}};
    QTest::newRow("south, west, date line and poles")
        << GpxRoute{u"r"_s, {{u"s"_s, -55.98, -67.27}, {u"e"_s, -10, 180}, {u"w"_s, 10, -180},
                             {u"n"_s, 90, 0}, {u"p"_s, -90, -0.5}}};
    // A CR, alone or before a LF, which XML would read as a LF.
    GpxWaypoint broken{u"B\rb"_s, 31, 123, u"x\r\ny\tz\n\r"_s};
    QTest::newRow("line breaks in names and remarks")
        << GpxRoute{u"航线\r名称"_s, {{u"A"_s, 30, 122, u"\rone\rtwo\r"_s}, broken,
                                     {u"\r"_s, 32, 124, u"\r\n"_s}}};
    QTest::newRow("more digits than nine decimals")
        << GpxRoute{u"r"_s, {{u"42°50′"_s, 42 + 50.0 / 60, -2.0 / 3}, {u"t"_s, 1e-5, -1e-300},
                             {u"d"_s, 5e-324, std::nextafter(-180.0, 0.0)}}};
}

void GpxFileTest::roundTrip()
{
    QFETCH(GpxRoute, route);
    const QString path = dir_.filePath(u"round trip.gpx"_s);
    QCOMPARE(tarnquil::writeGpxFile(path, route), QString());
    const tarnquil::GpxReading reading = tarnquil::readGpxFile(path);
    QCOMPARE(reading.error, QString());
    compareRoutes(reading.routes, {route});
    for (qsizetype p = 0; p < route.points.size(); ++p)
        QCOMPARE(reading.routes.front().points[p].remark, route.points[p].remark);
}

void GpxFileTest::randomCoordinatesRoundTrip()
{
    std::mt19937_64 random(20261207);
    std::uniform_real_distribution<double> latitude(-90, 90);
    std::uniform_real_distribution<double> longitude(-180, 180);
    GpxRoute route{u"随机"_s, {}};
    for (int i = 0; i < 10000; ++i)
        route.points << GpxWaypoint{u"P%1"_s.arg(i), latitude(random), longitude(random)};
    const QString path = dir_.filePath(u"random.gpx"_s);
    QCOMPARE(tarnquil::writeGpxFile(path, route), QString());
    compareRoutes(tarnquil::readGpxFile(path).routes, {route});
}

void GpxFileTest::writtenDocument()
{
    const GpxRoute route{u"长江口<&\"'>"_s, {{u"吴淞口"_s, 31.2304, 121.4737}, {{}, -33.5, -180}}};
    const QString path = dir_.filePath(u"document.gpx"_s);
    QCOMPARE(tarnquil::writeGpxFile(path, route), QString());
    const QString expected = uR"(<?xml version="1.0" encoding="UTF-8"?>
<gpx xmlns="http://www.topografix.com/GPX/1/1" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance" version="1.1" creator="Tarnquil %1" xsi:schemaLocation="http://www.topografix.com/GPX/1/1 http://www.topografix.com/GPX/1/1/gpx.xsd">
    <rte>
        <name>长江口&lt;&amp;&quot;'&gt;</name>
        <rtept lat="31.230400000" lon="121.473700000">
            <name>吴淞口</name>
        </rtept>
        <rtept lat="-33.500000000" lon="-180.000000000"/>
    </rte>
</gpx>
)"_s.arg(QStringLiteral(TARNQUIL_PROJECT_VERSION));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()), expected);
}

void GpxFileTest::failedSaveKeepsFile_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<GpxRoute>("route");
    QTest::addColumn<QString>("reason");  // empty: Qt's own

    const GpxRoute good{u"r"_s, {{u"a"_s, 1, 2}}};
    // Qt writes beside the file under a longer name, which the file system refuses.
    QTest::newRow("no room for the temporary name") << QString(250, u'n') << good << QString();
    QTest::newRow("unpaired surrogate in a name")
        << u"r.gpx"_s << GpxRoute{u"r"_s, {{u"a"_s + QChar(0xD800), 1, 2}}}
        << u"第 1 个航点的名称中有无法写入 XML 的字符 不成对的代理项 U+D800"_s;
    // The field and the waypoint, by its number and name.
    QTest::newRow("control character in a remark")
        << u"r.gpx"_s
        << GpxRoute{u"r"_s, {{u"a"_s, 1, 2}, {u"舟山"_s, 1, 2, u"引航\x01站"_s}}}
        << u"第 2 个航点“舟山”的备注中有无法写入 XML 的字符 U+0001"_s;
    QTest::newRow("control character in a name")
        << u"r.gpx"_s << GpxRoute{u"r"_s, {{u"a"_s, 1, 2}, {u"b"_s, 1, 2}, {u"c\x1f"_s, 1, 2}}}
        << u"第 3 个航点的名称中有无法写入 XML 的字符 U+001F"_s;
    QTest::newRow("control character in the route's name")
        << u"r.gpx"_s << GpxRoute{u"航线\x1b"_s, {{u"a"_s, 1, 2}}}
        << u"航线名称中有无法写入 XML 的字符 U+001B"_s;
    QTest::newRow("remark of a waypoint without a name")
        << u"r.gpx"_s << GpxRoute{u"r"_s, {{{}, 1, 2, QString(QChar(0xFFFF))}}}
        << u"第 1 个航点的备注中有无法写入 XML 的字符 U+FFFF"_s;
    QTest::newRow("latitude 91") << u"r.gpx"_s << GpxRoute{u"r"_s, {{u"a"_s, 1, 2}, {u"b"_s, 91, 2}}}
                                 << u"第 2 个航点的纬度 91 不在 -90 到 90 之间"_s;
    QTest::newRow("longitude not a number")
        << u"r.gpx"_s << GpxRoute{u"r"_s, {{u"a"_s, 1, std::nan("")}}}
        << u"第 1 个航点的经度 nan 不在 -180 到 180 之间"_s;
}

void GpxFileTest::failedSaveKeepsFile()
{
    QFETCH(QString, fileName);
    QFETCH(GpxRoute, route);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    const QString path = folder.filePath(fileName);
    const QByteArray before = "<gpx>earlier route</gpx>";
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(before) == before.size());
    file.close();

    const QString error = tarnquil::writeGpxFile(path, route);
    const QString start = u"无法保存文件"_s + tarnquil::quotedPath(path) + u"："_s;
    QVERIFY2(error.startsWith(start) && error.endsWith(u"。"_s), qPrintable(error));
    if (!reason.isEmpty())
        QCOMPARE(error.sliced(start.size()).chopped(1), reason);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{fileName});
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

void GpxFileTest::reading_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QList<GpxRoute>>("routes");

    for (const QString& name : {u"gpsbabel-route-1.0"_s, u"gpsbabel-route-1.1"_s, u"gpsbabel-waypoints-1.0"_s}) {
        QTest::newRow(qPrintable(name)) << sample(name + u".gpx"_s) << name + u".gpx"_s
            << QList<GpxRoute>{{name, {{u"吴淞口"_s, 31.2304, 121.4737}, {u"嵊山"_s, 30.72, 122.81},
                                       {u"舟山 定海港"_s, 29.9856, 122.2075}}}};
    }
    // The empty route keeps its place: the third route is the third <rte>.
    QTest::newRow("chart plotter: extensions, several routes, an empty one")
        << sample(u"plotter-routes-1.1.gpx"_s) << u"p.gpx"_s
        << QList<GpxRoute>{{u"长江口—舟山"_s, {{u"吴淞口"_s, 31.2304, 121.4737}, {u"嵊山"_s, 30.72, 122.81},
                                               {u"舟山 <定海港>"_s, 29.9856, 122.2075}}},
                           {u"空航线"_s, {}},
                           {u"舟山—宁波 & 北仑"_s, {{u"舟山"_s, 29.9856, 122.2075}, {{}, 29.8683, 121.544}}}};
    QTest::newRow("no namespace, byte order mark")
        << QByteArray("\xEF\xBB\xBF<gpx><rte><name>R</name><rtept lat=\"1\" lon=\"2\"/></rte></gpx>")
        << u"x.gpx"_s << QList<GpxRoute>{{u"R"_s, {{{}, 1, 2}}}};
    QTest::newRow("GPX 1.0 elements with a prefix")
        << QByteArray("<g:gpx xmlns:g=\"http://www.topografix.com/GPX/1/0\"><g:rte>"
                      "<g:rtept lat=\"1\" lon=\"2\"><g:name>A</g:name><name>not GPX</name></g:rtept>"
                      "</g:rte></g:gpx>")
        << u"x.gpx"_s << QList<GpxRoute>{{u"x"_s, {{u"A"_s, 1, 2}}}};
    QTest::newRow("waypoints in file order, track passed over")
        << gpx11("<wpt lat=\"3\" lon=\"4\"><name>B</name></wpt><trk><trkseg><trkpt lat=\"9\" lon=\"9\"/>"
                 "</trkseg></trk><wpt lat=\"1\" lon=\"2\"><name>A</name></wpt>")
        << u"东海 航点.v2.gpx"_s << QList<GpxRoute>{{u"东海 航点.v2"_s, {{u"B"_s, 3, 4}, {u"A"_s, 1, 2}}}};
    QTest::newRow("empty routes give way to waypoints")
        << gpx11("<rte><name>空</name></rte><wpt lat=\"1\" lon=\"2\"/>")
        << u"w.gpx"_s << QList<GpxRoute>{{u"w"_s, {{{}, 1, 2}}}};
    QTest::newRow("routes win over waypoints; a blank name is the file's")
        << gpx11("<wpt lat=\"5\" lon=\"6\"/><rte><name> </name><rtept lat=\"1\" lon=\"2\"/></rte>")
        << u"r.gpx"_s << QList<GpxRoute>{{u"r"_s, {{{}, 1, 2}}}};
    QTest::newRow("references, comments and markup in a name")
        << gpx11("<!-- c --><?pi x?><rte><rtept lat=\"1\" lon=\"2\"><name>&#x4E2D;&amp;<!--c-->"
                 "<b>x</b>y</name></rtept></rte>")
        << u"n.gpx"_s << QList<GpxRoute>{{u"n"_s, {{u"中&y"_s, 1, 2}}}};
    // '=' inside quoted values, comments, CDATA and processing instructions
    // begins no attribute.
    QTest::newRow("a hundred attributes, and = that begins none")
        << gpx11("<!-- a=1 b=2 " + QByteArray("= ").repeated(200) + "--><?pi " + QByteArray("=").repeated(200)
                 + "?><rte><rtept lat=\"1\" lon=\"2\" b='" + QByteArray("=").repeated(200) + "'"
                 + attributes(97) + "><name><![CDATA[" + QByteArray("x=").repeated(200)
                 + "]]></name></rtept></rte>")
        << u"h.gpx"_s << QList<GpxRoute>{{u"h"_s, {{u"x="_s.repeated(200), 1, 2}}}};
    QTest::newRow("numbers as QString::toDouble reads them")
        << gpx11("<wpt lat=\" +31.5 \" lon=\"-1.2e2\"/><wpt lat=\".5\" lon=\"-0\"/>")
        << u"d.gpx"_s << QList<GpxRoute>{{u"d"_s, {{{}, 31.5, -120}, {{}, 0.5, 0}}}};
}

void GpxFileTest::reading()
{
    QFETCH(QByteArray, document);
    QFETCH(QString, fileName);
    QFETCH(QList<GpxRoute>, routes);
    QVERIFY(!document.isEmpty());
    const tarnquil::GpxReading reading = tarnquil::readGpxFile(put(fileName, document));
    QCOMPARE(reading.error, QString());
    compareRoutes(reading.routes, routes);
}

void GpxFileTest::chooseRoute_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<qsizetype>("number");
    QTest::addColumn<QString>("name");  // of the route chosen
    QTest::addColumn<QString>("error");

    const QByteArray three = gpx11("<rte><name>A</name><rtept lat=\"1\" lon=\"1\"/></rte>"
                                   "<rte><name>B</name><rtept lat=\"2\" lon=\"2\"/></rte>"
                                   "<rte><name>C</name><rtept lat=\"3\" lon=\"3\"/></rte>");
    QTest::newRow("first") << three << qsizetype(1) << u"A"_s << QString();
    QTest::newRow("last") << three << qsizetype(3) << u"C"_s << QString();
    QTest::newRow("past the last") << three << qsizetype(4) << QString()
                                   << u"没有第 4 条航线：文件中只有 3 条航线。"_s;
    QTest::newRow("zero") << three << qsizetype(0) << QString() << u"没有第 0 条航线：航线从 1 开始编号。"_s;
    // Routes A, (empty), C: the second is the empty one, refused by name,
    // and the third is C, as the file has them.
    const QByteArray withEmpty = gpx11("<rte><name>A</name><rtept lat=\"1\" lon=\"1\"/></rte>"
                                       "<rte><name>空</name></rte>"
                                       "<rte><name>C</name><rtept lat=\"3\" lon=\"3\"/></rte>");
    QTest::newRow("an empty route counts") << withEmpty << qsizetype(3) << u"C"_s << QString();
    QTest::newRow("an empty route chosen") << withEmpty << qsizetype(2) << QString()
                                           << u"第 2 条航线“空”中没有航点。"_s;
    QTest::newRow("refused file") << gpx11("<wpt lat=\"91\" lon=\"0\"/>") << qsizetype(1) << QString()
                                  << u"第 3 行：纬度“91”超出 -90 到 90 的范围。"_s;
}

void GpxFileTest::chooseRoute()
{
    QFETCH(QByteArray, document);
    QFETCH(qsizetype, number);
    QFETCH(QString, name);
    QFETCH(QString, error);
    const tarnquil::GpxRouteChoice choice
        = tarnquil::chooseGpxRoute(tarnquil::readGpxFile(put(u"c.gpx"_s, document)), number);
    QCOMPARE(choice.error, error);
    QCOMPARE(choice.route.name, name);
    QCOMPARE(choice.route.points.size(), qsizetype(name.isEmpty() ? 0 : 1));
}

void GpxFileTest::refusals_data()
{
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<qint64>("line");
    QTest::addColumn<QString>("rule");  // the message after “第 N 行：”, or its start

    // Thirty levels of ten references each: 10^30 times "ha" if expanded.
    QByteArray laughs = "<?xml version=\"1.0\"?>\n<!DOCTYPE gpx [\n<!ENTITY l0 \"ha\">\n";
    for (int i = 1; i <= 30; ++i)
        laughs += "<!ENTITY l" + QByteArray::number(i) + " \""
            + ("&l" + QByteArray::number(i - 1) + ";").repeated(10) + "\">\n";
    laughs += "]>\n<gpx><wpt lat=\"1\" lon=\"2\"><name>&l30;</name></wpt></gpx>\n";
    const QString dtd = u"文件含有文档类型定义（<!DOCTYPE …>）。为安全起见，不读取带文档类型定义或实体的 GPX 文件。"_s;
    const QString malformed = u"XML 格式有误（"_s;
    const QString notNumber = u"不是有效的数字，应为十进制的度数，如 31.2304。"_s;
    QTest::newRow("entity expansion (billion laughs)") << laughs << qint64(2) << dtd;
    QTest::newRow("external entity")
        << QByteArray("<?xml version=\"1.0\"?>\n\n<!DOCTYPE gpx [\n<!ENTITY x SYSTEM \"file:///etc/passwd\">\n]>\n"
                      "<gpx><wpt lat=\"1\" lon=\"2\"><name>&x;</name></wpt></gpx>")
        << qint64(3) << dtd;
    QTest::newRow("undeclared entity") << gpx11("<wpt lat=\"1\" lon=\"2\"><name>&x;</name></wpt>")
                                       << qint64(3) << malformed;
    QTest::newRow("tags crossed") << gpx11("<rte>\n<rtept lat=\"1\" lon=\"2\"></rte>") << qint64(4) << malformed;
    QTest::newRow("cut off") << gpx11("<rte><rtept lat=\"1\" lon=\"2\"/>").chopped(7) << qint64(4)
                             << u"文件到此结束，XML 却没有结束：文件不完整。"_s;
    QTest::newRow("text after the root") << gpx11("<wpt lat=\"1\" lon=\"2\"/>") + "x" << qint64(5) << malformed;
    QTest::newRow("not GPX") << QByteArray("<?xml version=\"1.0\"?>\n<kml><wpt lat=\"1\" lon=\"2\"/></kml>")
                             << qint64(2) << u"根元素是“kml”，不是 GPX 文件的 <gpx>。"_s;
    QTest::newRow("GPX of a foreign namespace")
        << QByteArray("<gpx xmlns=\"http://example.com/GPX/1/2\"><wpt lat=\"1\" lon=\"2\"/></gpx>") << qint64(1)
        << u"<gpx> 的命名空间“http://example.com/GPX/1/2”不是 GPX 1.0 或 1.1 的命名空间。"_s;
    // Refused before Qt's parser, whose time grows with their square.
    const QString crowded = u"<rtept> 的属性超过 100 个：GPX 的元素没有这么多属性。"_s;
    QTest::newRow("101 attributes on one point")
        << gpx11("<rte>\n<rtept lat=\"1\" lon=\"2\"" + attributes(99) + "/></rte>") << qint64(4) << crowded;
    QTest::newRow("100,000 attributes on one point")
        << gpx11("<rte>\n\n<rtept lat=\"1\" lon=\"2\"" + attributes(100000) + "/></rte>") << qint64(5)
        << crowded;
    QStringEncoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    const QByteArray wide = utf16(u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n"
                                  u"<gpx xmlns=\"http://www.topografix.com/GPX/1/1\" version=\"1.1\">\n"
                                  u"<rte><rtept lat=\"1\" lon=\"2\""_s
                                  + QString::fromLatin1(attributes(99)) + u"/></rte></gpx>\n"_s);
    QTest::newRow("101 attributes in UTF-16") << wide << qint64(3) << crowded;
    QTest::newRow("lat missing") << gpx11("<rte>\n<rtept lon=\"2\"/></rte>") << qint64(4)
                                 << u"<rtept> 缺少纬度属性 lat。"_s;
    QTest::newRow("lat 91") << gpx11("<wpt lat=\"91\" lon=\"0\"/>") << qint64(3)
                            << u"纬度“91”超出 -90 到 90 的范围。"_s;
    QTest::newRow("lon -180.5") << gpx11("<wpt lat=\"0\" lon=\"-180.5\"/>") << qint64(3)
                                << u"经度“-180.5”超出 -180 到 180 的范围。"_s;
    for (const char* text : {"abc", "121°28′", "31,5", "", "inf", "nan", "1e999", "0x1p4"}) {
        QTest::addRow("lon \"%s\"", text) << gpx11(QByteArray("<wpt lat=\"1\" lon=\"") + text + "\"/>")
                                          << qint64(3) << u"经度“"_s + QString::fromUtf8(text) + u"”"_s + notNumber;
    }
    QTest::newRow("a megabyte of digits")
        << gpx11("<wpt lat=\"1" + QByteArray(1 << 20, '2') + "x\" lon=\"0\"/>") << qint64(3)
        << u"纬度“1222222222222222…222222222222222x”"_s + notNumber;
    QTest::newRow("bad point after good ones")
        << gpx11("<rte><rtept lat=\"1\" lon=\"2\"/>\n<rtept lat=\"1\" lon=\"2\"/>\n<rtept lat=\"x\" lon=\"2\"/></rte>")
        << qint64(5) << u"纬度“x”"_s + notNumber;
}

void GpxFileTest::refusals()
{
    QFETCH(QByteArray, document);
    QFETCH(qint64, line);
    QFETCH(QString, rule);
    const tarnquil::GpxReading reading = tarnquil::readGpxFile(put(u"hostile.gpx"_s, document));
    QVERIFY(reading.routes.isEmpty());
    QCOMPARE(reading.errorLine, line);
    QVERIFY2(reading.error.startsWith(u"第 %1 行："_s.arg(line) + rule), qPrintable(reading.error));
    QVERIFY2(reading.error.size() < 200, qPrintable(reading.error));
}

void GpxFileTest::fileRefusals_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("message");  // %1: the file's name as messages quote it

    const QString tooLarge = u"文件%1大于 50 MB，未读取：GPX 航线文件不会这么大。"_s;
    // Sparse: made at once and taking no room.
    const auto sized = [this](const QString& name, qint64 size) {
        QFile file(put(name, gpx11("<wpt lat=\"1\" lon=\"2\"/>")));
        if (!file.resize(size))
            qFatal("cannot resize %s", qPrintable(file.fileName()));
        return file.fileName();
    };
    QTest::newRow("one byte over 50 MB") << sized(u"over.gpx"_s, tarnquil::maximumGpxFileBytes + 1) << tooLarge;
    // Read, and refused for the zero bytes after the document.
    QTest::newRow("exactly 50 MB is read") << sized(u"limit.gpx"_s, tarnquil::maximumGpxFileBytes)
                                           << u"第 5 行：XML 格式有误（"_s;
#ifdef Q_OS_UNIX
    QTest::newRow("endless device") << u"/dev/zero"_s << u"文件%1不是普通文件，而是管道、设备或文件夹，未读取。"_s;
#endif
    QTest::newRow("empty") << put(u"empty.gpx"_s, {}) << u"文件%1是空的。"_s;
    QTest::newRow("neither route points nor waypoints")
        << put(u"none.gpx"_s, gpx11("<rte><name>空</name></rte><trk><trkseg><trkpt lat=\"1\" lon=\"2\"/></trkseg></trk>"))
        << u"文件%1中既没有航线点（<rtept>）也没有航点（<wpt>）。"_s;
    QTest::newRow("missing") << dir_.filePath(u"无此文件.gpx"_s) << u"无法打开文件%1："_s;
}

void GpxFileTest::fileRefusals()
{
    QFETCH(QString, path);
    QFETCH(QString, message);
    const tarnquil::GpxReading reading = tarnquil::readGpxFile(path);
    QVERIFY(reading.routes.isEmpty());
    QVERIFY2(reading.error.startsWith(message.replace(u"%1"_s, tarnquil::quotedPath(path))),
             qPrintable(reading.error));
}

// A point of n attributes and one of 4n: reading the second costs at most 8
// times the first (4 when linear, 16 when the cost grows with the square),
// each the fastest of five readings, a millisecond at least.
void GpxFileTest::crowdedElementCostIsLinear()
{
    constexpr int n = 10000;
    const auto fastest = [this](int count) {
        const QString path =
            put(u"crowded.gpx"_s, gpx11("<rte><rtept lat=\"1\" lon=\"2\"" + attributes(count) + "/></rte>"));
        qint64 best = std::numeric_limits<qint64>::max();
        for (int run = 0; run < 5; ++run) {
            QElapsedTimer timer;
            timer.start();
            tarnquil::readGpxFile(path);
            best = std::min(best, timer.nsecsElapsed());
        }
        return best;
    };
    constexpr qint64 millisecond = 1000000;
    const qint64 once = std::max(fastest(n), millisecond);
    const qint64 fourTimes = fastest(4 * n);
    QVERIFY2(fourTimes <= 8 * once, qPrintable(u"%1 ns for %2 attributes, %3 ns for %4"_s.arg(once).arg(n)
                                                   .arg(fourTimes).arg(4 * n)));
}

QTEST_GUILESS_MAIN(GpxFileTest)
#include "gpx_file_test.moc"
