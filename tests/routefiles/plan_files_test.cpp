// SPDX-License-Identifier: GPL-3.0-or-later
// A passage plan written to each kind of route file the program writes and
// read back: the same positions, names, methods, speeds, remarks, route
// name, departure with its zone and Earth model, whatever zone the arrival
// times were written in. A named pipe given as a route file is refused
// before it is opened, never waited on.
#include "routefiles/gpx_reader.h"
#include "routefiles/gpx_writer.h"
#include "routefiles/route_csv.h"
#include "routefiles/route_file.h"
#include "routefiles/route_gpx.h"
#include "routefiles/save_file.h"
#include "text/quoted_text.h"

#include "nav/entry.h"

#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <functional>
#include <future>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;
using tarnquil::RouteDocument;
using tarnquil::RouteSettings;
using tarnquil::WaypointText;

namespace {

WaypointText waypoint(const QString& name, const QString& latitude, const QString& longitude,
                      nav::Method method = nav::Method::Rhumb, const QString& speed = {},
                      const QString& remark = {})
{
    WaypointText w{name, latitude, longitude, method};
    w.speed = speed;
    w.remark = remark;
    return w;
}

// Across the date line on a great circle, a speed typed with its unit, a
// position typed in the 秒 form (which another form would read elsewhere),
// remarks that need quotes in CSV and markup in XML.
QList<WaypointText> passage()
{
    WaypointText seconds = waypoint(u"关门, 海峡"_s, u"335730N"_s, u"1305700E"_s,
                                    nav::Method::Rhumb, u"9.5kn"_s, u"引航 \"必须\"\n夜间<慢车>&"_s);
    seconds.latitudeForm = seconds.longitudeForm = geo::NumberForm::Seconds;
    return {
        waypoint(u"长江口"_s, u"3103N"_s, u"12220E"_s, nav::Method::Rhumb, {}, u"引航站"_s),
        waypoint(u"济州岛南"_s, u"32°50′N"_s, u"126°30′E"_s, nav::Method::GreatCircle, u"14"_s),
        seconds,
        waypoint(u"日付変更線"_s, u"48°N"_s, u"180°W"_s, nav::Method::GreatCircle),
        waypoint(u"维多利亚"_s, u"48°22.5′N"_s, u"123°44′W"_s, nav::Method::GreatCircle, u"12.5"_s),
    };
}

// The plan as the leg table (.csv) or a GPX route (.gpx) at `path`; why not.
QString writePlan(const QString& path, const RouteDocument& written)
{
    if (path.endsWith(u".csv"_s))
        return tarnquil::saveFile(path, tarnquil::legTableCsv(written));
    const std::optional<tarnquil::GpxRoute> route = tarnquil::gpxRoute(written);
    return route ? tarnquil::writeGpxFile(path, *route) : u"no GPX route"_s;
}

RouteDocument document(const RouteSettings& settings)
{
    const QList<WaypointText> waypoints = passage();
    return {u"横渡北太平洋"_s, waypoints, settings, tarnquil::makeRouteTable(waypoints, settings)};
}

RouteSettings settings(nav::EarthModel model, std::optional<double> speed, const char* departure,
                       int zoneMinutes, nav::EtaZone etaZone)
{
    RouteSettings s;
    s.model = model;
    s.speed = speed;
    if (departure)
        s.departure = nav::readClockTime(departure);
    s.departureZone = *nav::TimeZone::fromMinutes(zoneMinutes);
    s.etaZone = etaZone;
    return s;
}

}  // namespace

class PlanFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void foreignCsvLacksColumns();
    void gpxPlanOutlastsFirstPoint();
    void namedPipeIsRefused_data();
    void namedPipeIsRefused();
    void currentsRoundTrip_data();
    void currentsRoundTrip();

private:
    QTemporaryDir dir_;
};

void PlanFilesTest::roundTrip_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<RouteSettings>("settings");

    const struct {
        const char* name;
        RouteSettings settings;
    } plans[] = {
        {"departure at UTC+5:30, arrivals on its clock",
         settings(nav::EarthModel::Wgs84, 12, "2025-03-01 08:00", 330, nav::EtaZone::Departure)},
        // The first row's arrival is the departure on its own clock, not in UTC.
        {"arrivals in UTC",
         settings(nav::EarthModel::Sphere, 11.5, "2025-03-01 08:00", 8 * 60, nav::EtaZone::Utc)},
        {"arrivals in ship's time, departure west of Greenwich",
         settings(nav::EarthModel::Wgs84, 12, "2025-12-31 23:45", -5 * 60, nav::EtaZone::Ship)},
        // A file that says there is no speed and no departure says so.
        {"neither speed nor departure",
         settings(nav::EarthModel::Sphere, {}, nullptr, 0, nav::EtaZone::Departure)},
    };
    for (const QString& suffix : {u"csv"_s, u"gpx"_s}) {
        for (const auto& plan : plans)
            QTest::addRow("%s %s", qPrintable(suffix), plan.name) << suffix << plan.settings;
    }
}

void PlanFilesTest::roundTrip()
{
    QFETCH(QString, suffix);
    QFETCH(RouteSettings, settings);
    const RouteDocument written = document(settings);
    const QString path = dir_.filePath(u"plan."_s + suffix);
    QCOMPARE(writePlan(path, written), QString());

    const tarnquil::RouteFile file = tarnquil::readRouteFile(path);
    QCOMPARE(file.error, QString());
    QCOMPARE(file.name, written.name);
    QCOMPARE(file.absentColumns, QStringList());
    // Opened with other settings than it was written with: the file's win.
    RouteSettings other;
    other.speed = 20;
    other.departure = nav::readClockTime("2000-01-01 00:00");
    other.etaZone = settings.etaZone == nav::EtaZone::Ship ? nav::EtaZone::Utc : nav::EtaZone::Ship;
    const RouteSettings opened = tarnquil::withSaved(other, file.saved);
    QCOMPARE(opened.etaZone, settings.etaZone);
    QCOMPARE(opened.model, settings.model);
    QCOMPARE(opened.speed, settings.speed);
    QCOMPARE(opened.departure, settings.departure);
    QCOMPARE(opened.departureZone, settings.departureZone);

    const QList<tarnquil::RouteTableRow> rows = tarnquil::makeRouteTable(file.waypoints, opened);
    QCOMPARE(rows.size(), written.rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const WaypointText& a = file.waypoints[i];
        const WaypointText& e = written.waypoints[i];
        QCOMPARE(a.name, e.name);
        QCOMPARE(a.remark, e.remark);
        if (i > 0) {
            QCOMPARE(a.method, e.method);
            QCOMPARE(a.speed, e.speed);
        }
        QVERIFY(rows[i].position && written.rows[i].position);
        QCOMPARE(rows[i].position->latitude, written.rows[i].position->latitude);
        QCOMPARE(rows[i].position->longitude, written.rows[i].position->longitude);
        // Every figure of the plan, the times with their zones, as written.
        QCOMPARE(rows[i].texts.sliced(qsizetype(tarnquil::LegColumn::Method)),
                 written.rows[i].texts.sliced(qsizetype(tarnquil::LegColumn::Method)));
    }
    if (suffix == u"csv"_s) {
        const QByteArray again = tarnquil::legTableCsv({file.name, file.waypoints, opened, rows});
        QCOMPARE(again, tarnquil::legTableCsv(written));
    }
}

// Legs with a current and leeway, and the dead reckoning's wind and
// current, written to each file and read back: the same texts and the same
// arrivals, which are those by ground speed worked by hand in
// tests/nav/route_test.cpp (A 30°N 122°E, B 30°N 123°E, C 31°N 123°E at
// 10 kn from 08:00; B 319.04 min, C 631.35 min with the currents), or none
// from a leg whose track cannot be held; the leg table's file keeps the
// course to steer's refusal out of its texts and opens to it again.
void PlanFilesTest::currentsRoundTrip_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QString>("currentB");
    QTest::addColumn<QStringList>("etas");       // B's and C's
    QTest::addColumn<QStringList>("steering");   // B's 应驶航向 and 对地航速
    QTest::addColumn<bool>("refusedB");          // B's course to steer refused

    for (const QString& suffix : {u"csv"_s, u"gpx"_s}) {
        QTest::addRow("%s, abeam then astern", qPrintable(suffix))
            << suffix << u"180/2"_s
            << QStringList{u"2026-12-20 13:19 UTC+8"_s, u"2026-12-20 18:31 UTC+8"_s}
            << QStringList{u"078.5"_s, u"9.8"_s} << false;
        QTest::addRow("%s, abeam too strong to hold", qPrintable(suffix))
            << suffix << u"180/12"_s << QStringList{QString(), QString()}
            << QStringList{QString(), QString()} << true;
    }
}

void PlanFilesTest::currentsRoundTrip()
{
    QFETCH(QString, suffix);
    QFETCH(QString, currentB);
    QFETCH(QStringList, etas);
    QFETCH(QStringList, steering);
    QFETCH(bool, refusedB);
    RouteSettings given = settings(nav::EarthModel::Wgs84, 10, "2026-12-20 08:00", 8 * 60,
                                   nav::EtaZone::Departure);
    given.reckoning = {u"+3"_s, u"120"_s, u"2.5kn"_s, u"-2%"_s};
    WaypointText b = waypoint(u"B"_s, u"3000N"_s, u"12300E"_s);
    b.current = currentB;
    WaypointText c = waypoint(u"C"_s, u"3100N"_s, u"12300E"_s);
    c.current = u"000/1.5"_s;
    c.leeway = u"+3"_s;
    const QList<WaypointText> waypoints{waypoint(u"A"_s, u"3000N"_s, u"12200E"_s), b, c};
    const RouteDocument written{u"流"_s, waypoints, given, tarnquil::makeRouteTable(waypoints, given)};
    const auto column = [](const QList<tarnquil::RouteTableRow>& rows, tarnquil::LegColumn column) {
        return QStringList{tarnquil::legText(rows[1], column), tarnquil::legText(rows[2], column)};
    };
    QCOMPARE(column(written.rows, tarnquil::LegColumn::Eta), etas);
    QCOMPARE((QStringList{tarnquil::legText(written.rows[1], tarnquil::LegColumn::CourseToSteer),
                          tarnquil::legText(written.rows[1], tarnquil::LegColumn::GroundSpeed)}),
             steering);
    QCOMPARE(written.rows[1].refusals.size(), refusedB ? 1 : 0);

    const QString path = dir_.filePath(u"currents."_s + suffix);
    QCOMPARE(writePlan(path, written), QString());
    const tarnquil::RouteFile file = tarnquil::readRouteFile(path);
    QCOMPARE(file.error, QString());
    const RouteSettings opened = tarnquil::withSaved(RouteSettings{}, file.saved);
    QCOMPARE(opened.reckoning, given.reckoning);
    for (qsizetype i = 1; i < waypoints.size(); ++i) {
        QCOMPARE(file.waypoints[i].current, waypoints[i].current);
        QCOMPARE(file.waypoints[i].leeway, waypoints[i].leeway);
    }
    const QList<tarnquil::RouteTableRow> rows = tarnquil::makeRouteTable(file.waypoints, opened);
    QCOMPARE(column(rows, tarnquil::LegColumn::Eta), etas);
    QCOMPARE(rows[1].currentTexts, written.rows[1].currentTexts);
    QCOMPARE(rows[2].currentTexts, written.rows[2].currentTexts);
    QCOMPARE(rows[1].refusals.size(), written.rows[1].refusals.size());
    if (suffix == u"csv"_s)
        QCOMPARE(tarnquil::legTableCsv({file.name, file.waypoints, opened, rows}),
                 tarnquil::legTableCsv(written));
}

// A list a spreadsheet wrote holds positions and names only: reading it says
// which columns of a plan it lacks, so that saving over it can say so.
void PlanFilesTest::foreignCsvLacksColumns()
{
    const tarnquil::RouteCsvReading reading =
        tarnquil::readRouteCsv("名称,纬度,经度,备注\r\n吴淞口,3124N,12130E,锚地\r\n"_ba);
    QCOMPARE(reading.error, QString());
    QCOMPARE(reading.absentColumns,
             (QStringList{u"航法"_s, u"航速"_s, u"预计到达"_s, u"航线名称"_s, u"地球模型"_s}));
    QCOMPARE(reading.saved, tarnquil::SavedSettings{});
    QCOMPARE(reading.waypoints.value(0).remark, u"锚地"_s);
}

// The plan is written in the route's extensions, not in a point's: a file
// whose first point another program deleted keeps it.
void PlanFilesTest::gpxPlanOutlastsFirstPoint()
{
    const RouteSettings written =
        settings(nav::EarthModel::Sphere, 12.5, "2026-12-20 08:00", -5 * 60, nav::EtaZone::Ship);
    const std::optional<tarnquil::GpxRoute> route = tarnquil::gpxRoute(document(written));
    QVERIFY(route);
    const QString path = dir_.filePath(u"plan.gpx"_s);
    QCOMPARE(tarnquil::writeGpxFile(path, *route), QString());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QString xml = QString::fromUtf8(file.readAll());
    file.close();
    const qsizetype first = xml.indexOf(u"<rtept"_s);
    const qsizetype second = xml.indexOf(u"<rtept"_s, first + 1);
    QVERIFY(first > xml.indexOf(u"eta-zone=\"ship\""_s) && second > first);
    xml.remove(first, second - first);
    QCOMPARE(tarnquil::saveFile(path, xml.toUtf8()), QString());

    const tarnquil::RouteFile read = tarnquil::readRouteFile(path);
    QCOMPARE(read.error, QString());
    QCOMPARE(read.waypoints.size(), route->points.size() - 1);
    QCOMPARE(read.saved, tarnquil::savedOf(written));
}

using PipeReader = std::function<QString(const QString&)>;
Q_DECLARE_METATYPE(PipeReader)

void PlanFilesTest::namedPipeIsRefused_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<PipeReader>("reader");
    QTest::newRow("CSV route file") << u"csv"_s << PipeReader([](const QString& path) {
        return tarnquil::readRouteFile(path).error;
    });
    QTest::newRow("GPX route file") << u"gpx"_s << PipeReader([](const QString& path) {
        return tarnquil::readRouteFile(path).error;
    });
    // The route window lists a GPX file's routes before it opens one.
    QTest::newRow("GPX routes listed") << u"gpx"_s << PipeReader([](const QString& path) {
        return tarnquil::readGpxFile(path).error;
    });
}

void PlanFilesTest::namedPipeIsRefused()
{
#ifdef Q_OS_UNIX
    QFETCH(QString, suffix);
    QFETCH(PipeReader, reader);
    const QString path = dir_.filePath(u"pipe."_s + suffix);
    QFile::remove(path);
    const QByteArray native = QFile::encodeName(path);
    QVERIFY(::mkfifo(native.constData(), 0600) == 0);
    std::future<QString> refusal = std::async(std::launch::async, reader, path);
    if (refusal.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        // Let the reader go: a writer comes and goes, and it reads an end.
        ::close(::open(native.constData(), O_WRONLY));
        refusal.wait();
        QFAIL("the reader waited on the pipe");
    }
    QCOMPARE(refusal.get(), u"文件%1不是普通文件，而是管道、设备或文件夹，未读取。"_s.arg(
                                tarnquil::quotedPath(path)));
#else
    QSKIP("no named pipes (mkfifo) on this platform");
#endif
}

QTEST_GUILESS_MAIN(PlanFilesTest)
#include "plan_files_test.moc"
