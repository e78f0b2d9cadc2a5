// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a route may be exported, and the refusal that names its first
// refused cell, as the window and the command line give it.
#include "routefiles/export_rule.h"

#include <QTest>

using namespace Qt::StringLiterals;
using tarnquil::LegColumn;
using tarnquil::WaypointText;

Q_DECLARE_METATYPE(LegColumn)

namespace {

WaypointText at(const QString& latitude, const QString& longitude, const QString& speed = {})
{
    WaypointText waypoint{u"点"_s, latitude, longitude, nav::Method::Rhumb};
    waypoint.speed = speed;
    return waypoint;
}

}  // namespace

class ExportRuleTest : public QObject
{
    Q_OBJECT

private slots:
    void routes_data();
    void routes();
};

void ExportRuleTest::routes_data()
{
    QTest::addColumn<QList<WaypointText>>("waypoints");
    QTest::addColumn<qsizetype>("waypoint");  // the one named; -2: none, the route may be exported
    QTest::addColumn<LegColumn>("column");
    QTest::addColumn<QString>("message");

    const WaypointText good = at(u"3103N"_s, u"12220E"_s);
    QTest::newRow("positions and speeds that read")
        << QList{good, at(u"3250N"_s, u"12630E"_s, u"14"_s)} << qsizetype(-2) << LegColumn::Latitude << QString();
    QTest::newRow("no waypoint") << QList<WaypointText>{} << qsizetype(-1) << LegColumn::Latitude
                                 << u"航线中没有航点，无法导出。"_s;
    // The window let this one through: its positions all read.
    QTest::newRow("a leg's speed that does not read")
        << QList{good, at(u"3250N"_s, u"12630E"_s, u"fast"_s)} << qsizetype(1) << LegColumn::Speed
        << u"第 2 个航点的航速无法读取：航速“fast”无法识别：应为不小于 0.00000001 的节数，如 12、12.5 或 12kn。"
           u"请改正后再导出。"_s;
    QTest::newRow("a latitude of the other axis")
        << QList{good, at(u"4250E"_s, u"12200E"_s)} << qsizetype(1) << LegColumn::Latitude
        << u"第 2 个航点的纬度“4250E”无法读取：“E”属于经度，纬度只能用 N、S（北、南）。请改正后再导出。"_s;
    QTest::newRow("an empty longitude")
        << QList{at(u"3103N"_s, {})} << qsizetype(0) << LegColumn::Longitude
        << u"第 1 个航点的经度无法读取：请输入经度。请改正后再导出。"_s;
    QTest::newRow("the first of several, row by row")
        << QList{good, at(u"3250N"_s, u"12630E"_s, u"fast"_s), at(u"9100"_s, u"12000"_s)} << qsizetype(1)
        << LegColumn::Speed
        << u"第 2 个航点的航速无法读取：航速“fast”无法识别：应为不小于 0.00000001 的节数，如 12、12.5 或 12kn。"
           u"请改正后再导出。"_s;
}

void ExportRuleTest::routes()
{
    QFETCH(QList<WaypointText>, waypoints);
    QFETCH(qsizetype, waypoint);
    QFETCH(LegColumn, column);
    QFETCH(QString, message);
    const std::optional<tarnquil::ExportRefusal> refusal =
        tarnquil::exportRefusal(waypoints, tarnquil::makeRouteTable(waypoints, tarnquil::RouteSettings{}));
    QCOMPARE(refusal.has_value(), waypoint != -2);
    if (!refusal)
        return;
    QCOMPARE(refusal->waypoint, waypoint);
    if (waypoint >= 0)
        QCOMPARE(refusal->column, column);
    QCOMPARE(refusal->message, message);
}

QTEST_GUILESS_MAIN(ExportRuleTest)
#include "export_rule_test.moc"
