// SPDX-License-Identifier: GPL-3.0-or-later
// The route table: texts in several notations read once, legs and
// cumulative values from nav, and every cell shown as the window and the
// files show it; refused, empty and out-of-range cells named, never thrown.
#include "routefiles/route_gpx.h"
#include "routefiles/route_table.h"

#include "nav/entry.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <random>

using namespace Qt::StringLiterals;
using tarnquil::LegColumn;
using tarnquil::RouteTableRow;
using tarnquil::WaypointText;

namespace {

// 吴淞口 to 舟山 by rhumb line, on to 33°35.5′N 130°50.5′E by great circle,
// each in another notation. Values recorded with GeographicLib 2.1.2:
//   RhumbSolve -i -p 9 : 31.4 121.5 30.17 122.0883333333333333
//     -> 157.56172964139319 147534.583013784 m
//   GeodSolve -i -p 9  : 31.4 121.5 30.17 122.0883333333333333
//     -> 157.40993659464152 … 147534.413207075 m
//   GeodSolve -i -p 9  : 30.17 122.0883333333333333 33.591666666666667 130.841666666666667
//     -> 63.11638046516666 … 910522.438792852 m
//   RhumbSolve -i -p 9 : the same ends -> 65.38097176148793 910770.062508130 m
// 79.66230 + 491.64279 = 571.30509 n mile; at 12.5 kn 6 h 22.38 min and
// 45 h 42.26 min after 2024-12-31 20:00.
const QList<WaypointText> coastal = {
    {u"吴淞口"_s, u"3124"_s, u"12130"_s, nav::Method::Rhumb},
    {u"舟山"_s, u"30°10.2′N"_s, u"东经122°05.3′"_s, nav::Method::Rhumb},
    {u"福冈外"_s, u"33-35.5N"_s, u"130-50.5E"_s, nav::Method::GreatCircle},
};

const double metresPerMile = 1852;

tarnquil::RouteSettings coastalSettings()
{
    return {geo::NumberForm::Minutes, nav::EarthModel::Wgs84, 12.5,
            nav::readClockTime("2024-12-31 20:00")};
}

QString text(const RouteTableRow& row, LegColumn column)
{
    return row.texts.value(qsizetype(column));
}

// The coastal route with one cell of waypoint `index` replaced.
QList<WaypointText> withCell(qsizetype index, LegColumn column, const QString& typed)
{
    QList<WaypointText> waypoints = coastal;
    (column == LegColumn::Latitude ? waypoints[index].latitude : waypoints[index].longitude) = typed;
    return waypoints;
}

}  // namespace

class RouteTableTest : public QObject
{
    Q_OBJECT

private slots:
    void titles();
    void shownTexts_data();
    void shownTexts();
    void exactValues();
    void refusedCell_data();
    void refusedCell();
    void speedTooSmallForTimes();
    void eachTextInItsForm_data();
    void eachTextInItsForm();
    void ambiguousNumbersFound();
    void gpxPositionsReadBack();
    void passagePlan_data();
    void passagePlan();
    void reversed();
    void acrossThePoles_data();
    void acrossThePoles();
};

void RouteTableTest::titles()
{
    const QStringList titles = tarnquil::legColumnTitles();
    QCOMPARE(titles.size(), tarnquil::legColumnCount);
    QCOMPARE(titles.join(u','), u"序号,名称,纬度,经度,航法,航速,恒向线航向,恒向线航程,大圆始航向,大圆航程,"
                                u"累计航程,剩余航程,航段航时,航时,预计到达,备注"_s);
}

void RouteTableTest::shownTexts_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("departure: no leg, nothing run yet")
        << 0 << QStringList{u"1"_s, u"吴淞口"_s, u"31°24.00′N"_s, u"121°30.00′E"_s, {}, {}, {}, {}, {}, {},
                            u"0.0"_s, u"571.3"_s, {}, u"0:00"_s, u"2024-12-31 20:00 UTC+8"_s, {}};
    QTest::newRow("rhumb line leg")
        << 1 << QStringList{u"2"_s, u"舟山"_s, u"30°10.20′N"_s, u"122°05.30′E"_s, u"RL"_s, {},
                            u"157.6"_s, u"79.7"_s, u"157.4"_s, u"79.7"_s,
                            u"79.7"_s, u"491.6"_s, u"6:22"_s, u"6:22"_s, u"2025-01-01 02:22 UTC+8"_s, {}};
    QTest::newRow("great circle leg")
        << 2 << QStringList{u"3"_s, u"福冈外"_s, u"33°35.50′N"_s, u"130°50.50′E"_s, u"GC"_s, {},
                            u"065.4"_s, u"491.8"_s, u"063.1"_s, u"491.6"_s,
                            u"571.3"_s, u"0.0"_s, u"39:20"_s, u"45:42"_s, u"2025-01-02 17:42 UTC+8"_s, {}};
}

void RouteTableTest::shownTexts()
{
    QFETCH(int, index);
    QFETCH(QStringList, texts);
    const QList<RouteTableRow> rows = tarnquil::makeRouteTable(coastal, coastalSettings());
    QCOMPARE(rows.size(), coastal.size());
    QCOMPARE(rows[index].texts, texts);
    QVERIFY(rows[index].refusals.isEmpty());
}

void RouteTableTest::exactValues()
{
    const QList<RouteTableRow> rows = tarnquil::makeRouteTable(coastal, coastalSettings());
    const nav::RouteRow& last = rows[2].values;
    QVERIFY(last.leg && last.cumulativeDistance);
    QVERIFY(qAbs(rows[1].values.leg->rhumb.distance * metresPerMile - 147534.583013784) < 1e-8);
    QVERIFY(qAbs(last.leg->greatCircle.distance * metresPerMile - 910522.438792852) < 1e-8);
    QVERIFY(qAbs(last.leg->rhumb.distance * metresPerMile - 910770.062508130) < 1e-8);
    QVERIFY(qAbs(*last.cumulativeDistance * metresPerMile - (147534.583013784 + 910522.438792852)) < 1e-8);
    QVERIFY(rows[2].position && rows[2].position->latitude == 33 + 35.5 / 60);
}

void RouteTableTest::refusedCell_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("column");  // LegColumn
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    const int latitude = int(LegColumn::Latitude);
    const int longitude = int(LegColumn::Longitude);
    QTest::newRow("hemisphere of the other axis")
        << 1 << latitude << u"4250E"_s << u"“E”属于经度，纬度只能用 N、S（北、南）。"_s;
    QTest::newRow("empty latitude") << 1 << latitude << QString() << u"请输入纬度。"_s;
    QTest::newRow("blank longitude") << 2 << longitude << u" \t "_s << u"请输入经度。"_s;
    QTest::newRow("packed 91°") << 1 << latitude << u"9100"_s << u"纬度应在 -90° 到 90° 之间。"_s;
    QTest::newRow("packed 180.5° west")
        << 0 << longitude << u"-18030"_s << u"经度应在 -180° 到 180° 之间。"_s;
    // Beyond the packed forms' 16-bit degrees: the Earth's range all the same.
    QTest::newRow("packed beyond 327°")
        << 1 << latitude << u"-32800"_s << u"纬度应在 -90° 到 90° 之间。"_s;
    QTest::newRow("plain degrees or packed minutes in a cell")
        << 1 << latitude << u"31.4"_s << u"31.4°（度）还是 0°31.4′（度分）？请写作 31.4° 或 0031.4"_s;
}

// The cell is named with its message and shown as typed; both legs touching
// the waypoint and everything cumulative from it on are empty.
void RouteTableTest::refusedCell()
{
    QFETCH(int, index);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    const auto cellColumn = LegColumn(column);
    const QList<RouteTableRow> rows =
        tarnquil::makeRouteTable(withCell(index, cellColumn, typed), coastalSettings());
    QCOMPARE(rows.size(), coastal.size());
    const RouteTableRow& row = rows[index];
    QVERIFY(!row.position);
    QCOMPARE(row.refusals.size(), 1);
    QCOMPARE(row.refusals[0].column, cellColumn);
    QCOMPARE(row.refusals[0].message, message);
    QCOMPARE(text(row, cellColumn), typed);
    const LegColumn other = cellColumn == LegColumn::Latitude ? LegColumn::Longitude : LegColumn::Latitude;
    QVERIFY2(text(row, other).contains(u'°'), "the other cell is read and shown");
    for (qsizetype i = qMax(index, 1); i < rows.size(); ++i) {
        QVERIFY(!rows[i].values.cumulativeDistance);
        for (LegColumn empty : {LegColumn::Cumulative, LegColumn::TimeUnderWay, LegColumn::Eta})
            QCOMPARE(text(rows[i], empty), QString());
    }
    for (qsizetype i : {index, index + 1})
        if (i > 0 && i < rows.size())
            QCOMPARE(text(rows[i], LegColumn::RhumbCourse), QString());
}

// A text is read in the form it has of its own, else in the route's, by the
// rule for plain numbers (its families are geo's to test).
void RouteTableTest::eachTextInItsForm_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("ownForm");    // geo::NumberForm, or -1 for none
    QTest::addColumn<int>("routeForm");  // geo::NumberForm
    QTest::addColumn<QString>("shown");  // the latitude as shown, or empty when refused
    const int none = -1;
    const int minutes = int(geo::NumberForm::Minutes);
    const int seconds = int(geo::NumberForm::Seconds);
    const int degrees = int(geo::NumberForm::Degrees);
    QTest::newRow("packed in the route's 分") << u"3103N"_s << none << minutes << u"31°03.00′N"_s;
    QTest::newRow("packed in its own 分 in a 秒 route") << u"3103N"_s << minutes << seconds << u"31°03.00′N"_s;
    QTest::newRow("packed in its own 秒 in a 分 route") << u"3103N"_s << seconds << minutes << u"00°31.05′N"_s;
    QTest::newRow("decimal degrees in 度") << u"25.3N"_s << none << degrees << u"25°18.00′N"_s;
    QTest::newRow("decimal degrees refused in 分") << u"25.3N"_s << none << minutes << QString();
    QTest::newRow("packed refused in 度") << u"3010.2N"_s << degrees << minutes << QString();
    QTest::newRow("only degrees can be read") << u"-73.9857"_s << none << minutes << u"73°59.14′S"_s;
}

void RouteTableTest::eachTextInItsForm()
{
    QFETCH(QString, typed);
    QFETCH(int, ownForm);
    QFETCH(int, routeForm);
    QFETCH(QString, shown);
    QList<WaypointText> waypoints = withCell(0, LegColumn::Latitude, typed);
    if (ownForm >= 0)
        waypoints[0].latitudeForm = geo::NumberForm(ownForm);
    tarnquil::RouteSettings settings = coastalSettings();
    settings.form = geo::NumberForm(routeForm);
    const RouteTableRow row = tarnquil::makeRouteTable(waypoints, settings).front();
    const bool refused = std::any_of(row.refusals.cbegin(), row.refusals.cend(), [](const auto& refusal) {
        return refusal.column == LegColumn::Latitude;
    });
    QCOMPARE(refused, shown.isEmpty());
    QCOMPARE(text(row, LegColumn::Latitude), shown.isEmpty() ? typed : shown);
}

// The texts the 度 form would read: ambiguous ones, not others refused.
void RouteTableTest::ambiguousNumbersFound()
{
    const tarnquil::RouteSettings settings = coastalSettings();
    QVERIFY(!tarnquil::hasAmbiguousNumbers(tarnquil::makeRouteTable(coastal, settings)));
    QVERIFY(!tarnquil::hasAmbiguousNumbers(
        tarnquil::makeRouteTable(withCell(1, LegColumn::Latitude, u"4250E"_s), settings)));
    const QList<RouteTableRow> rows =
        tarnquil::makeRouteTable(withCell(2, LegColumn::Longitude, u"130.8"_s), settings);
    QVERIFY(tarnquil::hasAmbiguousNumbers(rows));
    QCOMPARE(rows[2].refusals.front().rule, geo::Rule::AmbiguousNumber);
}

// At 1e-305 kn the hours are finite but their minutes overflow: nav refuses
// the arrival times, and the time under way cannot be shown. The table shows
// the legs and distances without times instead of throwing.
void RouteTableTest::speedTooSmallForTimes()
{
    for (const bool departure : {true, false}) {
        tarnquil::RouteSettings settings = coastalSettings();
        settings.speed = 1e-305;
        if (!departure)
            settings.departure.reset();
        const QList<RouteTableRow> rows = tarnquil::makeRouteTable(coastal, settings);
        QCOMPARE(text(rows[2], LegColumn::Cumulative), u"571.3"_s);
        QCOMPARE(text(rows[2], LegColumn::TimeUnderWay), QString());
        QCOMPARE(text(rows[2], LegColumn::Eta), QString());
    }
}

// A GPX route's doubles, written as texts and read by the table in every
// form (分, 秒, 度), are the very same doubles, and go back to GPX unchanged.
void RouteTableTest::gpxPositionsReadBack()
{
    tarnquil::GpxRoute route{u"r"_s, {{u"北极"_s, 90, 180}, {u"南极"_s, -90, -180}, {u"零"_s, -0.0, 0},
                                      {u"小"_s, 1e-5, -5e-9}, {u"微"_s, 1e-300, -5e-324}, {u"42°50′"_s, 42 + 50.0 / 60, -2.0 / 3},
                                      {{}, std::nextafter(-90.0, 0.0), std::nextafter(180.0, 0.0)}}};
    std::mt19937_64 random(20250101);
    std::uniform_real_distribution<double> latitude(-90, 90);
    std::uniform_real_distribution<double> longitude(-180, 180);
    for (int i = 0; i < 2000; ++i)
        route.points.append({{}, latitude(random), longitude(random)});
    const QList<WaypointText> waypoints = tarnquil::waypointTexts(route);
    QCOMPARE(waypoints[3].latitude, u"0.00001°N"_s);
    QCOMPARE(waypoints[1].longitude, u"180°W"_s);
    for (const geo::NumberForm form :
         {geo::NumberForm::Minutes, geo::NumberForm::Seconds, geo::NumberForm::Degrees}) {
        const tarnquil::RouteSettings settings{form, nav::EarthModel::Wgs84, {}, {}};
        const QList<RouteTableRow> rows = tarnquil::makeRouteTable(waypoints, settings);
        const std::optional<tarnquil::GpxRoute> back =
            tarnquil::gpxRoute({u"r"_s, waypoints, settings, rows});
        QVERIFY(back);
        for (qsizetype i = 0; i < route.points.size(); ++i) {
            const tarnquil::GpxWaypoint& a = back->points[i];
            const tarnquil::GpxWaypoint& e = route.points[i];
            QVERIFY2(a.latitude == e.latitude && a.longitude == e.longitude && a.name == e.name,
                     qPrintable(waypoints[i].latitude + u' ' + waypoints[i].longitude));
        }
    }
    QVERIFY(!tarnquil::gpxRoute({u"r"_s, coastal, {},
                                 tarnquil::makeRouteTable(withCell(1, LegColumn::Latitude, {}), {})}));
}

// The coastal route (45 h 42.26 min at 12.5 kn from 2024-12-31 20:00 UTC+8)
// with leg speeds, a remark, and arrivals in each zone.
void RouteTableTest::passagePlan_data()
{
    QTest::addColumn<QString>("fukuokaSpeed");  // of the great-circle leg
    QTest::addColumn<int>("etaZone");           // nav::EtaZone
    QTest::addColumn<QStringList>("fukuoka");   // 航速, 航段航时, 航时, 预计到达 of the last row
    QTest::addColumn<QString>("totals");

    const int departure = int(nav::EtaZone::Departure);
    QTest::newRow("route's speed, on the departure's clock")
        << QString() << departure
        << QStringList{{}, u"39:20"_s, u"45:42"_s, u"2025-01-02 17:42 UTC+8"_s}
        << u"总航程 571.3 海里　总航时 1天 21:42　到达 2025-01-02 17:42 UTC+8　平均航速 12.5 节"_s;
    // 491.64279 n mile at 10 kn: 49 h 9.86 min; 55 h 32.24 min in all.
    QTest::newRow("the leg's own speed, typed with its unit")
        << u"10kn"_s << departure
        << QStringList{u"10kn"_s, u"49:10"_s, u"55:32"_s, u"2025-01-03 03:32 UTC+8"_s}
        << u"总航程 571.3 海里　总航时 2天 7:32　到达 2025-01-03 03:32 UTC+8　平均航速 10.3 节"_s;
    QTest::newRow("arrival in UTC")
        << QString() << int(nav::EtaZone::Utc)
        << QStringList{{}, u"39:20"_s, u"45:42"_s, u"2025-01-02 09:42 UTC"_s}
        << u"总航程 571.3 海里　总航时 1天 21:42　到达 2025-01-02 09:42 UTC　平均航速 12.5 节"_s;
    // 130°50.5′E is in the zone of 135°E.
    QTest::newRow("arrival in ship's time")
        << QString() << int(nav::EtaZone::Ship)
        << QStringList{{}, u"39:20"_s, u"45:42"_s, u"2025-01-02 18:42 UTC+9"_s}
        << u"总航程 571.3 海里　总航时 1天 21:42　到达 2025-01-02 18:42 UTC+9　平均航速 12.5 节"_s;
    // Not guessed at the route's speed: no time from that leg on.
    QTest::newRow("a leg's speed that does not read")
        << u"fast"_s << departure << QStringList{u"fast"_s, {}, {}, {}}
        << u"总航程 571.3 海里　总航时 —　到达 —　平均航速 —"_s;
}

void RouteTableTest::passagePlan()
{
    QFETCH(QString, fukuokaSpeed);
    QFETCH(int, etaZone);
    QFETCH(QStringList, fukuoka);
    QFETCH(QString, totals);
    QList<WaypointText> waypoints = coastal;
    waypoints[2].speed = fukuokaSpeed;
    waypoints[1].remark = u"锚泊, \"待潮\""_s;
    tarnquil::RouteSettings settings = coastalSettings();
    settings.etaZone = nav::EtaZone(etaZone);
    const QList<RouteTableRow> rows = tarnquil::makeRouteTable(waypoints, settings);
    QCOMPARE((QStringList{text(rows[2], LegColumn::Speed), text(rows[2], LegColumn::LegTime),
                          text(rows[2], LegColumn::TimeUnderWay), text(rows[2], LegColumn::Eta)}),
             fukuoka);
    // The departure stays on the clock it was given on.
    QCOMPARE(text(rows[0], LegColumn::Eta), u"2024-12-31 20:00 UTC+8"_s);
    QCOMPARE(text(rows[1], LegColumn::Remark), waypoints[1].remark);
    QCOMPARE(text(rows[1], LegColumn::DistanceToGo), u"491.6"_s);
    QCOMPARE(tarnquil::totalsText(rows, settings.etaZone), totals);
    const bool refused = !rows[2].refusals.isEmpty();
    QCOMPARE(refused, fukuokaSpeed == u"fast"_s);
    if (refused)
        QCOMPARE(rows[2].refusals.first().column, LegColumn::Speed);
}

// Each leg keeps its method and speed; twice is the route as it was.
void RouteTableTest::reversed()
{
    QList<WaypointText> waypoints = coastal;
    waypoints[2].speed = u"10"_s;
    waypoints[1].remark = u"锚地"_s;
    const QList<WaypointText> back = tarnquil::reversedWaypoints(waypoints);
    QCOMPARE(back[0].name, u"福冈外"_s);
    QCOMPARE(back[1].method, nav::Method::GreatCircle);  // 福冈外 -> 舟山, as 舟山 -> 福冈外
    QCOMPARE(back[1].speed, u"10"_s);
    QCOMPARE(back[1].remark, u"锚地"_s);
    QCOMPARE(back[2].method, nav::Method::Rhumb);
    QCOMPARE(back[2].speed, QString());
    QCOMPARE(tarnquil::reversedWaypoints(back), waypoints);
    const QList<RouteTableRow> there = tarnquil::makeRouteTable(waypoints, coastalSettings());
    const QList<RouteTableRow> home = tarnquil::makeRouteTable(back, coastalSettings());
    QCOMPARE(text(home[2], LegColumn::Cumulative), text(there[2], LegColumn::Cumulative));
    QCOMPARE(text(home[1], LegColumn::LegTime), text(there[2], LegColumn::LegTime));
}

// To the North Pole, on to 30°N 120°E and to the South Pole: a pole's
// longitude names no place, each leg runs along the other end's meridian,
// by either method. From GeographicLib 2.1.2, with the pole on that meridian:
//   GeodSolve -i -p 9 / RhumbSolve -s -i -p 9 : 60 30 90 30 -> 0, 3347892.909822211 m
//                                              90 120 30 120 -> 180, 6681852.331372340 m
//                                              30 120 -90 120 -> 180, 13322079.127253104 m
// and with -e 6366707.019493707 0: 3333600, 6667200.000000001, 13334399.999999998 m.
// (With the poles' own longitudes RhumbSolve steers 359.6, 178.3 and 181.0.)
void RouteTableTest::acrossThePoles_data()
{
    QTest::addColumn<int>("model");  // nav::EarthModel
    QTest::addColumn<QStringList>("legs");  // 恒向线航向, 恒向线航程, 大圆始航向, 大圆航程 of each leg
    QTest::newRow("WGS-84") << int(nav::EarthModel::Wgs84)
        << QStringList{u"000.0"_s, u"1807.7"_s, u"000.0"_s, u"1807.7"_s,
                       u"180.0"_s, u"3607.9"_s, u"180.0"_s, u"3607.9"_s,
                       u"180.0"_s, u"7193.3"_s, u"180.0"_s, u"7193.3"_s};
    QTest::newRow("sphere") << int(nav::EarthModel::Sphere)
        << QStringList{u"000.0"_s, u"1800.0"_s, u"000.0"_s, u"1800.0"_s,
                       u"180.0"_s, u"3600.0"_s, u"180.0"_s, u"3600.0"_s,
                       u"180.0"_s, u"7200.0"_s, u"180.0"_s, u"7200.0"_s};
}

void RouteTableTest::acrossThePoles()
{
    QFETCH(int, model);
    QFETCH(QStringList, legs);
    const QList<WaypointText> polar = {
        {u"甲"_s, u"6000N"_s, u"03000E"_s, nav::Method::Rhumb},
        {u"北极"_s, u"9000N"_s, u"00000E"_s, nav::Method::Rhumb},
        {u"乙"_s, u"3000N"_s, u"12000E"_s, nav::Method::GreatCircle},
        {u"南极"_s, u"9000S"_s, u"05000E"_s, nav::Method::Rhumb},
    };
    tarnquil::RouteSettings settings = coastalSettings();
    settings.model = nav::EarthModel(model);
    const QList<RouteTableRow> rows = tarnquil::makeRouteTable(polar, settings);
    QStringList shown;
    for (qsizetype i = 1; i < rows.size(); ++i) {
        QVERIFY(rows[i].refusals.isEmpty());
        for (LegColumn column : {LegColumn::RhumbCourse, LegColumn::RhumbDistance,
                                 LegColumn::GreatCircleCourse, LegColumn::GreatCircleDistance})
            shown << text(rows[i], column);
    }
    QCOMPARE(shown, legs);
}

QTEST_GUILESS_MAIN(RouteTableTest)
#include "route_table_test.moc"
