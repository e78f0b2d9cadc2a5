// SPDX-License-Identifier: GPL-3.0-or-later
#include "routefiles/great_circle_split.h"

#include "routefiles/exact_degrees.h"
#include "text/utf8_text.h"

#include "nav/great_circle.h"

#include <charconv>
#include <string>

namespace tarnquil {

namespace {

// The route as nav splits it: names and positions as the table read them.
// nav leaves a waypoint's remark alone and gives an inserted one none, so
// each waypoint already there carries its index, from 1, as its remark:
// what comes back with a remark is the waypoint of that index.
nav::RoutePlan indexedPlan(const QList<WaypointText>& waypoints, const QList<RouteTableRow>& rows)
{
    nav::RoutePlan plan;
    plan.waypoints.reserve(std::size_t(waypoints.size()));
    for (qsizetype i = 0; i < waypoints.size(); ++i)
        plan.waypoints.push_back({waypoints[i].name.toStdString(), rows.value(i).position,
                                  waypoints[i].method, {}, std::to_string(i + 1)});
    return plan;
}

// The index a waypoint of indexedPlan carries, or -1 for one nav inserted.
qsizetype carriedIndex(const nav::Waypoint& waypoint)
{
    qsizetype index = 0;
    const std::string& remark = waypoint.remark;
    const auto [end, error] = std::from_chars(remark.data(), remark.data() + remark.size(), index);
    return error == std::errc{} && end == remark.data() + remark.size() ? index - 1 : -1;
}

WaypointText insertedText(const nav::Waypoint& waypoint)
{
    return {fromUtf8(waypoint.name), exactDegreesText(waypoint.position->latitude, geo::Axis::Latitude),
            exactDegreesText(waypoint.position->longitude, geo::Axis::Longitude), waypoint.method};
}

QList<WaypointText> textsOf(const nav::RoutePlan& split, const QList<WaypointText>& waypoints)
{
    QList<WaypointText> texts;
    QList<bool> inserted;
    texts.reserve(qsizetype(split.waypoints.size()));
    for (const nav::Waypoint& waypoint : split.waypoints) {
        const qsizetype index = carriedIndex(waypoint);
        inserted.append(index < 0);
        if (index < 0) {
            texts.append(insertedText(waypoint));
            continue;
        }
        texts.append(waypoints[index]);
        texts.back().method = waypoint.method;
    }
    // A point put into a leg sails at that leg's speed, which the leg's
    // arrival, the next waypoint already there, carries.
    QString legSpeed;
    for (qsizetype i = texts.size(); i-- > 0;) {
        if (inserted[i])
            texts[i].speed = legSpeed;
        else
            legSpeed = texts[i].speed;
    }
    return texts;
}

}  // namespace

QList<WaypointText> greatCirclePoints(const QList<WaypointText>& waypoints,
                                      const QList<RouteTableRow>& rows, nav::EarthModel model,
                                      qsizetype arrival, double every)
{
    const nav::RoutePlan plan = indexedPlan(waypoints, rows);
    if (arrival <= 0 || arrival >= waypoints.size())
        return {};
    const nav::RoutePlan split = nav::splitLeg(model, plan, std::size_t(arrival), every);
    const auto inserted = std::ptrdiff_t(split.waypoints.size() - plan.waypoints.size());
    const auto first = split.waypoints.begin() + arrival;
    QList<WaypointText> texts;
    for (auto point = first; point != first + inserted; ++point) {
        texts.append(insertedText(*point));
        texts.back().speed = waypoints[arrival].speed;  // the leg's, as the arrival carries it
    }
    return texts;
}

QList<WaypointText> splitGreatCircleLegs(const QList<WaypointText>& waypoints,
                                         const QList<RouteTableRow>& rows, nav::EarthModel model,
                                         double every)
{
    return textsOf(nav::splitGreatCircleLegs(model, indexedPlan(waypoints, rows), every), waypoints);
}

}  // namespace tarnquil
