// SPDX-License-Identifier: GPL-3.0-or-later
// The printed route: what pdftotext reads from the PDF is what the table
// shows, page by page with the header row on each; the course and distance
// of each leg's own method stand in bold; a failed write keeps the file that
// was there. CMake registers the pdftotext functions as a test of their own
// only when it found pdftotext, whose path it passes in TARNQUIL_PDFTOTEXT.
#include "print/printed_route.h"
#include "print/printed_table.h"
#include "print/route_pdf.h"
#include "text/quoted_text.h"
#include "tests/external_tool.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <tuple>

#include <numeric>

using namespace Qt::StringLiterals;
using tarnquil::LegColumn;
using tarnquil::RouteDocument;
using tarnquil::RouteSettings;
using tarnquil::WaypointText;

Q_DECLARE_METATYPE(tarnquil::RouteDocument)

namespace {

const QDate printed(2026, 12, 1);

nav::ClockTime clockTime(int year, unsigned month, unsigned day, int hour)
{
    return std::chrono::local_days{std::chrono::year{year} / month / day} + std::chrono::hours{hour};
}

RouteDocument computed(const QString& name, const QList<WaypointText>& waypoints,
                       const RouteSettings& settings)
{
    return {name, waypoints, settings, tarnquil::makeRouteTable(waypoints, settings)};
}

// From the Yangtze estuary to the Kanmon Strait: names whose ideographs
// share glyphs with radicals in CJK fonts (长, 口, 门), markup in the names.
const QList<WaypointText> kanmon{
    {u"长江口<&>"_s, u"31°03′N"_s, u"122°20′E"_s, nav::Method::Rhumb},
    {u"济州岛南"_s, u"32°50′N"_s, u"126°30′E"_s, nav::Method::GreatCircle},
    {u"关门海峡"_s, u"33°57′N"_s, u"130°57′E"_s, nav::Method::Rhumb}};

RouteSettings kanmonSettings()
{
    RouteSettings settings;
    settings.speed = 12;
    settings.departure = clockTime(2026, 12, 8, 6);
    return settings;
}

RouteDocument longRoute(int count)
{
    QList<WaypointText> waypoints;
    for (int i = 0; i < count; ++i)
        waypoints.append({u"航点%1"_s.arg(i + 1), u"%1°%2′N"_s.arg(20 + i / 60).arg(i % 60),
                          u"120°00′E"_s, nav::Method::Rhumb});
    RouteSettings settings;
    settings.speed = 10;
    return computed(u"沿岸"_s, waypoints, settings);
}

// The text pdftotext reads from a PDF, pages ending in \f: laid out as on
// the page, or in the order it was drawn (raw).
QString pdfTextOf(const QString& path, const QString& mode = u"-layout"_s)
{
    QProcess process;
    process.start(testing_external_tool::path("TARNQUIL_PDFTOTEXT"), {mode, path, u"-"_s});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        qWarning("pdftotext failed: %s", process.readAllStandardError().constData());
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pdfTextOf(const RouteDocument& route, const QString& mode = u"-layout"_s)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"航线.pdf"_s);
    const QString error = tarnquil::exportRoutePdf(path, route, printed);
    if (!error.isEmpty())
        qWarning("%s", qPrintable(error));
    return pdfTextOf(path, mode);
}

// A line of texts as pdftotext lays them out: in order, blanks between.
QRegularExpression lineOf(const QStringList& texts)
{
    QStringList parts;
    for (const QString& text : texts) {
        if (!text.isEmpty())
            parts.append(QRegularExpression::escape(text));
    }
    return QRegularExpression(u"^\\s*"_s + parts.join(u"\\s+"_s) + u"\\s*$"_s,
                              QRegularExpression::MultilineOption);
}

// The header row's first line: the titles that fit on one line and the first
// line of those that take two (恒向线 / 航向).
QRegularExpression headerStart()
{
    return QRegularExpression(u"^\\s*序号\\s+名称\\s+纬度\\s+经度\\s+航法\\s+航速\\s+恒向线"_s,
                              QRegularExpression::MultilineOption);
}

}  // namespace

class RoutePrintTest : public QObject
{
    Q_OBJECT

private slots:
    void pdfText_data();
    void pdfText();
    void headerOnEachPage();
    void boldCourseAndDistance();
    void longNameWraps();
    void refusalsRunOnToTheNextPage();
    void failedWriteKeepsFile();
};

void RoutePrintTest::pdfText_data()
{
    QTest::addColumn<RouteDocument>("route");
    QTest::addColumn<QStringList>("lines");  // besides the rows, each a regular expression

    QTest::newRow("WGS-84 with speed and departure")
        << computed(u"长江口<&>关门海峡"_s, kanmon, kanmonSettings())
        << QStringList{u"航线计算表：长江口<&>关门海峡"_s,
                       u"地球模型：\\s*WGS-84\\s+航速：12 节\\s+开航时间：2026-12-08 06:00 UTC\\+8\\s+预计到达按开航区时"_s,
                       u"总航程 \\S+ 海里\\s+总航时 \\d+天 \\d+:\\d\\d\\s+到达 2026-12-\\d\\d \\d\\d:\\d\\d UTC\\+8\\s+"
                       u"平均航速 12.0 节"_s,
                       u"打印日期：2026-12-01\\s+航线计算表：长江口<&>关门海峡\\s+第 1 页，共 1 页"_s};
    RouteSettings sphere;
    sphere.model = nav::EarthModel::Sphere;
    QTest::newRow("sphere without speed or departure")
        << computed({}, kanmon, sphere)
        << QStringList{u"航线计算表"_s,
                       u"地球模型：\\s*球面（1′=1海里）\\s+航速：未设定\\s+开航时间：未设定\\s+预计到达按开航区时"_s,
                       u"总航程 \\S+ 海里\\s+总航时 —\\s+到达 —\\s+平均航速 —"_s};
    QList<WaypointText> refused = kanmon;
    refused[1].longitude = u"12630N"_s;
    QTest::newRow("a longitude refused")
        << computed(u"长江口<&>关门海峡"_s, refused, kanmonSettings())
        << QStringList{u"总航程 —\\s+总航时 —\\s+到达 —\\s+平均航速 —"_s,
                       u"未能读出位置的航点："_s,
                       u"第 2 行经度：“N”属于纬度，经度只能用 E、W（东、西）。"_s};
    QList<WaypointText> current = kanmon;
    current[1].current = u"120/1.5"_s;
    current[2].leeway = u"-2"_s;
    QTest::newRow("legs with a current and a leeway")
        << computed(u"长江口<&>关门海峡"_s, current, kanmonSettings())
        << QStringList{u".*流向/\\s+风压\\s+应驶\\s+对地.*"_s,
                       u"第 2 行应驶航向：大圆航段的航向沿途在变，流压差要逐段计算：.*"_s};
}

void RoutePrintTest::pdfText()
{
    if (testing_external_tool::path("TARNQUIL_PDFTOTEXT").isEmpty())
        SKIP_WITHOUT_TOOL("pdftotext");
    QFETCH(RouteDocument, route);
    QFETCH(QStringList, lines);
    const QString text = pdfTextOf(route);
    qInfo().noquote() << text;

    QVERIFY(text.contains(headerStart()));
    // The current's columns after the others, when some leg has one.
    // An arrival then takes two lines: the row's line ends with its date.
    const bool currents = tarnquil::hasLegCurrents(route.waypoints);
    QVERIFY(currents || text.contains(headerStart()));
    for (const tarnquil::RouteTableRow& row : route.rows) {
        QStringList texts = row.texts;
        if (currents) {
            QString& eta = texts[qsizetype(LegColumn::Eta)];
            eta = eta.section(u' ', 0, 0);
            texts += row.currentTexts;
        }
        QVERIFY2(text.contains(lineOf(texts)), qPrintable(texts.join(u' ')));
    }
    for (const QString& line : lines) {
        const QRegularExpression expression(u"^\\s*"_s + line + u"\\s*$"_s,
                                            QRegularExpression::MultilineOption);
        QVERIFY2(text.contains(expression), qPrintable(line));
    }
}

// Every row once, in order, and each page after the first opening with the
// header row.
void RoutePrintTest::headerOnEachPage()
{
    if (testing_external_tool::path("TARNQUIL_PDFTOTEXT").isEmpty())
        SKIP_WITHOUT_TOOL("pdftotext");
    const RouteDocument route = longRoute(45);
    const QStringList pages = pdfTextOf(route).split(u'\f', Qt::SkipEmptyParts);
    QCOMPARE(pages.size(), 2);
    const QRegularExpression header = headerStart();
    const QRegularExpression rowNumber(u"^\\s*(\\d+)\\s+航点"_s, QRegularExpression::MultilineOption);
    QList<int> numbers;
    for (const QString& page : pages) {
        QVERIFY2(page.trimmed().startsWith(u"航线计算表"_s)
                     || header.match(page.trimmed()).capturedStart() == 0,
                 qPrintable(page.first(200)));
        const int before = int(numbers.size());
        for (auto match = rowNumber.globalMatch(page); match.hasNext();)
            numbers.append(match.next().captured(1).toInt());
        QVERIFY(numbers.size() > before);
    }
    QList<int> expected(route.waypoints.size());
    std::iota(expected.begin(), expected.end(), 1);
    QCOMPARE(numbers, expected);
}

// The leg's own method's course and distance in bold, the other method's
// and every other cell of a row in the regular weight.
void RoutePrintTest::boldCourseAndDistance()
{
    const RouteDocument route = computed(u"长江口<&>关门海峡"_s, kanmon, kanmonSettings());
    const QList<LegColumn> rhumb = {LegColumn::RhumbCourse, LegColumn::RhumbDistance};
    const QList<LegColumn> greatCircle = {LegColumn::GreatCircleCourse, LegColumn::GreatCircleDistance};
    // Row 1 is the leg to 济州岛南, by great circle; row 2 the one to
    // 关门海峡, by rhumb line.
    for (const auto& [row, chosen, other] :
         {std::tuple{1, greatCircle, rhumb}, std::tuple{2, rhumb, greatCircle}}) {
        for (const LegColumn column : chosen)
            QVERIFY2(tarnquil::printedInBold(route, row, column),
                     qPrintable(u"row %1, %2"_s.arg(row).arg(tarnquil::legColumnTitle(column))));
        for (const LegColumn column : other)
            QVERIFY2(!tarnquil::printedInBold(route, row, column),
                     qPrintable(u"row %1, %2"_s.arg(row).arg(tarnquil::legColumnTitle(column))));
        for (const LegColumn column : {LegColumn::Name, LegColumn::Latitude, LegColumn::Cumulative})
            QVERIFY(!tarnquil::printedInBold(route, row, column));
    }
}

// A name wider than its column wraps within it, and its row grows: the
// whole name drawn, and the rows below on lines of their own.
void RoutePrintTest::longNameWraps()
{
    if (testing_external_tool::path("TARNQUIL_PDFTOTEXT").isEmpty())
        SKIP_WITHOUT_TOOL("pdftotext");
    QList<WaypointText> waypoints = kanmon;
    waypoints[1].name = QString(u"济州岛南方海域转向点"_s).repeated(6);
    const RouteDocument route = computed(u"长名"_s, waypoints, kanmonSettings());
    QVERIFY(pdfTextOf(route, u"-raw"_s).remove(QRegularExpression(u"\\s"_s)).contains(waypoints[1].name));
    const QString text = pdfTextOf(route);
    for (const qsizetype row : {0, 2})
        QVERIFY2(text.contains(lineOf(route.rows[row].texts)), qPrintable(route.rows[row].texts.join(u' ')));
    QCOMPARE(text.count(u'\f'), 1);
}

// Texts that gave no position, more than the page holds after the table,
// go on to the next page, each once, whole.
void RoutePrintTest::refusalsRunOnToTheNextPage()
{
    if (testing_external_tool::path("TARNQUIL_PDFTOTEXT").isEmpty())
        SKIP_WITHOUT_TOOL("pdftotext");
    RouteDocument route = longRoute(30);
    for (WaypointText& waypoint : route.waypoints)
        waypoint.longitude = u"120°00′N"_s;
    route.rows = tarnquil::makeRouteTable(route.waypoints, route.settings);
    const QStringList pages = pdfTextOf(route).split(u'\f', Qt::SkipEmptyParts);
    const auto pageOf = [&pages](const QString& text) {
        for (qsizetype page = 0; page < pages.size(); ++page) {
            if (pages[page].contains(text))
                return page;
        }
        return qsizetype(-1);
    };
    // The first refusal on one page, the last on a later one.
    QVERIFY(pageOf(u"第 1 行经度"_s) >= 0);
    QVERIFY(pageOf(u"第 30 行经度"_s) > pageOf(u"第 1 行经度"_s));
    const QString text = pages.join(QString());
    for (int row = 1; row <= 30; ++row) {
        const QRegularExpression refusal(u"^\\s*第 %1 行经度：.*$"_s.arg(row), QRegularExpression::MultilineOption);
        int found = 0;
        for (auto match = refusal.globalMatch(text); match.hasNext(); match.next())
            ++found;
        QCOMPARE(found, 1);
    }
}

void RoutePrintTest::failedWriteKeepsFile()
{
    QTemporaryDir folder;
    // Qt writes beside the file under a longer name, which the file system refuses.
    const QString path = folder.filePath(QString(250, u'n'));
    const QByteArray before = "%PDF earlier route";
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(before) == before.size());
    file.close();

    const QString error = tarnquil::exportRoutePdf(path, computed({}, kanmon, {}));
    QVERIFY2(error.startsWith(u"无法保存文件"_s + tarnquil::quotedPath(path) + u"："_s)
                 && error.endsWith(u"。"_s),
             qPrintable(error));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QString(250, u'n')});
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

QTEST_MAIN(RoutePrintTest)
#include "route_print_test.moc"
