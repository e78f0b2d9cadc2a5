// SPDX-License-Identifier: GPL-3.0-or-later
// What other programs read from a route the writer wrote: gpsbabel (its CSV
// output) and GDAL's ogrinfo (the route_points layer) must see the same
// points, in order, with the same names. CMake registers each function as a
// test of its own only when it found the program, whose path it passes in
// TARNQUIL_GPSBABEL or TARNQUIL_OGRINFO.
#include "routefiles/gpx_writer.h"

#include "nav/entry.h"
#include "tests/external_tool.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using tarnquil::GpxRoute;
using tarnquil::GpxWaypoint;

namespace {

// Markup, CJK, no name, all four quarters, ±180 and more decimals than the
// programs print. No blanks, commas or line breaks in names: gpsbabel's CSV
// drops the first two, and ogrinfo prints a name as one line. Remarks, one
// with carriage returns written as &#13;, and Tarnquil's extension, on the
// route and on points, which they pass over.
const GpxRoute route{u"长江口<&\"'>航线"_s,
                     {{u"长江口<&\"'>"_s, 31.2304, 121.4737, u"引航站 <VHF 9>"_s},
                      {{}, 30.720000001, 122.81, {}, nav::Method::GreatCircle, u"10"_s},
                      {u"合恩角"_s, -55.98, -67.27, u"风大\r\n夜间\r慢车"_s, nav::Method::Rhumb},
                      {u"东"_s, -10.123456789, 180},
                      {u"西"_s, 42.833333333333336, -180, {}, {}, u"12.5kn"_s},
                      {u"赤道"_s, 0.000001, -0.1}},
                     {nav::EarthModel::Wgs84, std::optional(12.0),
                      std::optional(nav::readClockTime("2025-03-01 08:00")), nav::kDefaultDepartureZone}};

// The standard output of the program named in the environment variable.
QString run(const char* variable, const QStringList& arguments)
{
    QProcess process;
    process.start(testing_external_tool::path(variable), arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0)
        qWarning("%s failed: %s", variable, process.readAllStandardError().constData());
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

class GpxExternalReadersTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void gpsbabel();
    void ogrinfo();

private:
    QTemporaryDir dir_;
    QString path_;
};

void GpxExternalReadersTest::initTestCase()
{
    path_ = dir_.filePath(u"route.gpx"_s);
    QCOMPARE(tarnquil::writeGpxFile(path_, route), QString());
}

// Lines "31.23040, 121.47370, 长江口<&"'>": five decimals; a point without a
// name gets one that gpsbabel makes up.
void GpxExternalReadersTest::gpsbabel()
{
    if (testing_external_tool::path("TARNQUIL_GPSBABEL").isEmpty())
        SKIP_WITHOUT_TOOL("gpsbabel");
    const QString csv = run("TARNQUIL_GPSBABEL",
                            {u"-r"_s, u"-i"_s, u"gpx"_s, u"-f"_s, path_, u"-o"_s, u"csv"_s, u"-F"_s, u"-"_s});
    qInfo().noquote() << "gpsbabel:\n" + csv;
    const QStringList lines = csv.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), route.points.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringList fields = lines[i].split(u", "_s);
        QCOMPARE(fields.size(), 3);
        const GpxWaypoint& point = route.points[i];
        QVERIFY2(qAbs(fields[0].toDouble() - point.latitude) <= 0.5e-5, qPrintable(lines[i]));
        QVERIFY2(qAbs(fields[1].toDouble() - point.longitude) <= 0.5e-5, qPrintable(lines[i]));
        if (!point.name.isEmpty())
            QCOMPARE(fields[2], point.name);
    }
}

// Blocks of "  name (String) = 长江口<&"'>" and "  POINT (121.4737 31.2304)"
// per feature, the coordinates with 15 significant digits.
void GpxExternalReadersTest::ogrinfo()
{
    if (testing_external_tool::path("TARNQUIL_OGRINFO").isEmpty())
        SKIP_WITHOUT_TOOL("ogrinfo");
    const QString text = run("TARNQUIL_OGRINFO", {u"-q"_s, u"-ro"_s, path_, u"route_points"_s});
    qInfo().noquote() << "ogrinfo:\n" + text;
    const QStringList features = text.split(u"OGRFeature(route_points):"_s).mid(1);
    QCOMPARE(features.size(), route.points.size());
    static const QRegularExpression name(u"^  name \\(String\\) = (.*)$"_s,
                                         QRegularExpression::MultilineOption);
    static const QRegularExpression position(u"^  POINT \\((\\S+) (\\S+)\\)$"_s,
                                             QRegularExpression::MultilineOption);
    for (qsizetype i = 0; i < features.size(); ++i) {
        const GpxWaypoint& point = route.points[i];
        QVERIFY(features[i].startsWith(QString::number(i) + u'\n'));
        QCOMPARE(name.match(features[i]).captured(1), point.name);
        const QRegularExpressionMatch match = position.match(features[i]);
        QVERIFY2(match.hasMatch(), qPrintable(features[i]));
        QVERIFY2(qAbs(match.captured(2).toDouble() - point.latitude) <= 1e-9, qPrintable(features[i]));
        QVERIFY2(qAbs(match.captured(1).toDouble() - point.longitude) <= 1e-9, qPrintable(features[i]));
    }
}

QTEST_GUILESS_MAIN(GpxExternalReadersTest)
#include "gpx_external_readers_test.moc"
