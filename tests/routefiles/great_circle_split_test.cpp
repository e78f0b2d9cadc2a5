// SPDX-License-Identifier: GPL-3.0-or-later
// A route's great-circle legs split into rhumb lines: the waypoints already
// there unchanged but for the method of a split leg, the crossings inserted
// before its arrival, named on from the route's own 大圆分点 numbers, and
// their texts reading back, in any form, to the very positions nav computed.
#include "routefiles/great_circle_split.h"
#include "routefiles/route_table.h"

#include "nav/great_circle.h"

#include <QTest>

using namespace Qt::StringLiterals;
using tarnquil::WaypointText;

Q_DECLARE_METATYPE(QList<WaypointText>)

namespace {

constexpr double every = 10;
constexpr auto greatCircle = nav::Method::GreatCircle;

// Yokohama to San Francisco crosses the ten meridians 140 E .. 130 W.
const WaypointText yokohama{u"横滨"_s, u"3527N"_s, u"13939E"_s};
const WaypointText sanFrancisco{u"旧金山"_s, u"3748N"_s, u"12225.2W"_s, greatCircle};

QStringList namesOf(const QList<WaypointText>& waypoints)
{
    QStringList names;
    for (const WaypointText& waypoint : waypoints)
        names << waypoint.name;
    return names;
}

QStringList pointNames(int first, int last)
{
    QStringList names;
    for (int n = first; n <= last; ++n)
        names << u"大圆分点 %1"_s.arg(n);
    return names;
}

}  // namespace

class GreatCircleSplitTest : public QObject
{
    Q_OBJECT

private slots:
    void splitsEveryLeg_data();
    void splitsEveryLeg();
    void insertedPositionsReadBack();
    void insertedPointsKeepTheLegsSpeed();
};

void GreatCircleSplitTest::splitsEveryLeg_data()
{
    QTest::addColumn<QList<WaypointText>>("waypoints");
    QTest::addColumn<QStringList>("names");  // after the split
    QTest::addColumn<QList<int>>("kept");    // where each waypoint given stands then
    QTest::addColumn<QString>("methods");   // of each waypoint then: R or G, the first's unused

    // 秒 given to the arrival's texts: they must stay as typed, in their form,
    // not be written again from the position.
    WaypointText inSeconds = sanFrancisco;
    inSeconds.latitude = u"374800N"_s;
    inSeconds.longitude = u"1222512W"_s;
    inSeconds.latitudeForm = inSeconds.longitudeForm = geo::NumberForm::Seconds;
    QTest::newRow("texts of another form kept")
        << QList<WaypointText>{yokohama, inSeconds}
        << QStringList{u"横滨"_s} + pointNames(1, 10) + QStringList{u"旧金山"_s}
        << QList<int>{0, 11} << u"RRRRRRRRRRRR"_s;
    QTest::newRow("numbered on from the route's own point 7")
        << QList<WaypointText>{{u"大圆分点 7"_s, u"3527N"_s, u"13939E"_s}, sanFrancisco}
        << QStringList{u"大圆分点 7"_s} + pointNames(8, 17) + QStringList{u"旧金山"_s}
        << QList<int>{0, 11} << u"RRRRRRRRRRRR"_s;
    WaypointText unread = sanFrancisco;
    unread.longitude = u"12225.2X"_s;
    QTest::newRow("a leg to a refused cell stays, the next one is split")
        << QList<WaypointText>{yokohama, unread, yokohama, sanFrancisco}
        << QStringList{u"横滨"_s, u"旧金山"_s, u"横滨"_s} + pointNames(1, 10) + QStringList{u"旧金山"_s}
        << QList<int>{0, 1, 2, 13} << u"RGRRRRRRRRRRRR"_s;
}

void GreatCircleSplitTest::splitsEveryLeg()
{
    QFETCH(QList<WaypointText>, waypoints);
    QFETCH(QStringList, names);
    QFETCH(QList<int>, kept);
    QFETCH(QString, methods);
    const tarnquil::RouteSettings settings;
    const QList<WaypointText> split = tarnquil::splitGreatCircleLegs(
        waypoints, tarnquil::makeRouteTable(waypoints, settings), settings.model, every);
    QCOMPARE(namesOf(split), names);
    QString splitMethods;
    for (const WaypointText& waypoint : split)
        splitMethods += waypoint.method == greatCircle ? u'G' : u'R';
    QCOMPARE(splitMethods, methods);
    // Each waypoint given, as typed, in the form it was typed in.
    for (qsizetype i = 0; i < waypoints.size(); ++i) {
        WaypointText expected = waypoints[i];
        expected.method = split[kept[i]].method;
        QCOMPARE(split[kept[i]], expected);
    }
}

// Each inserted text reads, in every form, as the crossing nav computed,
// to the last bit.
void GreatCircleSplitTest::insertedPositionsReadBack()
{
    const QList<WaypointText> waypoints{yokohama, sanFrancisco};
    const tarnquil::RouteSettings settings;
    const QList<tarnquil::RouteTableRow> rows = tarnquil::makeRouteTable(waypoints, settings);
    const nav::GreatCircleSailing sailing =
        nav::sailGreatCircle(settings.model, *rows[0].position, *rows[1].position, every);
    const QList<WaypointText> inserted =
        tarnquil::greatCirclePoints(waypoints, rows, settings.model, 1, every);
    QCOMPARE(inserted.size(), qsizetype(sailing.points.size() - 2));
    for (const geo::NumberForm form :
         {geo::NumberForm::Minutes, geo::NumberForm::Seconds, geo::NumberForm::Degrees}) {
        tarnquil::RouteSettings read;
        read.form = form;
        const QList<tarnquil::RouteTableRow> back = tarnquil::makeRouteTable(inserted, read);
        for (qsizetype i = 0; i < inserted.size(); ++i) {
            QVERIFY2(back[i].position, qPrintable(inserted[i].latitude + u' ' + inserted[i].longitude));
            QCOMPARE(back[i].position->latitude, sailing.points[std::size_t(i) + 1].position.latitude);
            QCOMPARE(back[i].position->longitude, sailing.points[std::size_t(i) + 1].position.longitude);
            QCOMPARE(inserted[i].method, nav::Method::Rhumb);
        }
    }
    QVERIFY(tarnquil::greatCirclePoints(waypoints, rows, settings.model, 0, every).isEmpty());
}

// A point put into a leg sails at that leg's own speed, not the route's:
// otherwise the times and arrivals after a split would change.
void GreatCircleSplitTest::insertedPointsKeepTheLegsSpeed()
{
    WaypointText fast = sanFrancisco;
    fast.speed = u"14kn"_s;
    WaypointText back = yokohama;
    back.method = greatCircle;
    const QList<WaypointText> waypoints{yokohama, fast, back};
    const tarnquil::RouteSettings settings;
    const QList<tarnquil::RouteTableRow> rows = tarnquil::makeRouteTable(waypoints, settings);
    const QList<WaypointText> split =
        tarnquil::splitGreatCircleLegs(waypoints, rows, settings.model, every);
    QCOMPARE(split.size(), 3 + 2 * 10);
    for (qsizetype i = 1; i <= 11; ++i)
        QCOMPARE(split[i].speed, u"14kn"_s);
    for (qsizetype i = 12; i < split.size(); ++i)
        QCOMPARE(split[i].speed, QString());
    for (const WaypointText& point : tarnquil::greatCirclePoints(waypoints, rows, settings.model, 1, every))
        QCOMPARE(point.speed, u"14kn"_s);
}

QTEST_GUILESS_MAIN(GreatCircleSplitTest)
#include "great_circle_split_test.moc"
