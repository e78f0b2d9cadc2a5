// SPDX-License-Identifier: GPL-3.0-or-later
// The printed route: what pdftotext reads from the PDF is what the table
// shows, page by page with the header row on each, also when the program
// writes it from the command line; a failed write keeps the file that was
// there; the print preview shows the pages. CMake registers the pdftotext
// functions as a test of their own only when it found pdftotext, whose path
// it passes in TARNQUIL_PDFTOTEXT.
#include "quoted_text.h"
#include "route_print.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <numeric>

using namespace Qt::StringLiterals;
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

// The text pdftotext reads from a PDF, pages ending in \f.
QString pdfTextOf(const QString& path)
{
    QProcess process;
    process.start(qEnvironmentVariable("TARNQUIL_PDFTOTEXT"), {u"-layout"_s, path, u"-"_s});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        qWarning("pdftotext failed: %s", process.readAllStandardError().constData());
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pdfTextOf(const RouteDocument& route)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"航线.pdf"_s);
    const QString error = tarnquil::exportRoutePdf(path, route, printed);
    if (!error.isEmpty())
        qWarning("%s", qPrintable(error));
    return pdfTextOf(path);
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

}  // namespace

class RoutePrintTest : public QObject
{
    Q_OBJECT

private slots:
    void pdfText_data();
    void pdfText();
    void headerOnEachPage();
    void commandLineExport();
    void failedWriteKeepsFile();
    void printPreview();
};

void RoutePrintTest::pdfText_data()
{
    QTest::addColumn<RouteDocument>("route");
    QTest::addColumn<QStringList>("lines");  // besides the rows, each a regular expression

    QTest::newRow("WGS-84 with speed and departure")
        << computed(u"长江口<&>关门海峡"_s, kanmon, kanmonSettings())
        << QStringList{u"航线计算表：长江口<&>关门海峡"_s,
                       u"地球模型：\\s*WGS-84\\s+航速：12 节\\s+开航时间：2026-12-08 06:00"_s,
                       u"总航程：\\S+ 海里\\s+总航时：\\S+\\s+预计到达关门海峡：2026-12-\\d\\d \\d\\d:\\d\\d"_s,
                       u"打印日期：2026-12-01\\s+航线计算表：长江口<&>关门海峡\\s+第 1 页，共 1 页"_s};
    RouteSettings sphere;
    sphere.model = nav::EarthModel::Sphere;
    QTest::newRow("sphere without speed or departure")
        << computed({}, kanmon, sphere)
        << QStringList{u"航线计算表"_s,
                       u"地球模型：\\s*球面（1′=1海里）\\s+航速：未设定\\s+开航时间：未设定"_s,
                       u"总航程：\\S+ 海里\\s+总航时：—\\s+预计到达关门海峡：—"_s};
    QList<WaypointText> refused = kanmon;
    refused[1].longitude = u"12630N"_s;
    QTest::newRow("a longitude refused")
        << computed(u"长江口<&>关门海峡"_s, refused, kanmonSettings())
        << QStringList{u"总航程：—\\s+总航时：—\\s+预计到达关门海峡：—"_s,
                       u"未能读出位置的航点："_s,
                       u"第 2 行经度：“N”属于纬度，经度只能用 E、W（东、西）。"_s};
}

void RoutePrintTest::pdfText()
{
    QFETCH(RouteDocument, route);
    QFETCH(QStringList, lines);
    const QString text = pdfTextOf(route);
    qInfo().noquote() << text;

    QVERIFY(text.contains(lineOf(tarnquil::legColumnTitles())));
    for (const tarnquil::RouteTableRow& row : route.rows)
        QVERIFY2(text.contains(lineOf(row.texts)), qPrintable(row.texts.join(u' ')));
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
    const RouteDocument route = longRoute(45);
    const QStringList pages = pdfTextOf(route).split(u'\f', Qt::SkipEmptyParts);
    QCOMPARE(pages.size(), 2);
    const QRegularExpression header = lineOf(tarnquil::legColumnTitles());
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

// tarnquil --route FILE --export OUT.pdf from a shell without a display: the
// program runs on the offscreen platform of its own accord.
void RoutePrintTest::commandLineExport()
{
    QTemporaryDir folder;
    const QString csv = folder.filePath(u"关门.csv"_s);
    QFile file(csv);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("名称,纬度,经度,航法\n");
    for (const WaypointText& waypoint : kanmon) {
        const QString method = waypoint.method == nav::Method::GreatCircle ? u"GC"_s : u"RL"_s;
        file.write(QStringList{waypoint.name, waypoint.latitude, waypoint.longitude, method}
                       .join(u',').append(u'\n').toUtf8());
    }
    file.close();
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s})
        environment.remove(name);
    process.setProcessEnvironment(environment);
    const QString out = folder.filePath(u"关门.pdf"_s);
    process.start(QStringLiteral(TARNQUIL_PROGRAM),
                  {u"--route"_s, csv, u"--export"_s, out, u"--speed"_s, u"12"_s, u"--depart"_s,
                   u"2026-12-08 06:00"_s});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.readAllStandardError(), QByteArray());
    QCOMPARE(process.exitCode(), 0);

    const QString text = pdfTextOf(out);
    QVERIFY2(text.contains(u"航线计算表：关门"_s), qPrintable(text));
    for (const tarnquil::RouteTableRow& row : tarnquil::makeRouteTable(kanmon, kanmonSettings()))
        QVERIFY2(text.contains(lineOf(row.texts)), qPrintable(row.texts.join(u' ')));
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

// The preview paints the route: as many pages as the PDF has.
void RoutePrintTest::printPreview()
{
    int pages = 0;
    QString title;
    QTimer::singleShot(0, this, [&] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        if (!preview)
            return;
        title = preview->windowTitle();
        if (auto* view = preview->findChild<QPrintPreviewWidget*>())
            pages = view->pageCount();
        preview->reject();
    });
    tarnquil::printRoute(nullptr, longRoute(45));
    QCOMPARE(title, u"打印预览 — 航线计算表：沿岸"_s);
    QCOMPARE(pages, 2);
}

QTEST_MAIN(RoutePrintTest)
#include "route_print_test.moc"
