// SPDX-License-Identifier: GPL-3.0-or-later
#include "routefiles/route_table.h"

#include "text/conversion_message.h"
#include "text/method_words.h"
#include "text/utf8_text.h"

#include "geo/coordinate_text.h"
#include "nav/display.h"
#include "nav/earth.h"
#include "nav/errors.h"

#include <variant>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

LegColumn columnOf(geo::Axis axis)
{
    return axis == geo::Axis::Latitude ? LegColumn::Latitude : LegColumn::Longitude;
}

QString emptyCellMessage(geo::Axis axis)
{
    return axis == geo::Axis::Latitude ? u"请输入纬度。"_s : u"请输入经度。"_s;
}

// The degrees of one cell, or why it gives none. On the route's surface the
// reader keeps every text within the Earth's range ("9100" is refused as
// 91°), so the degrees are a latitude or longitude nav takes.
std::variant<double, CellRefusal> readCell(const QString& text, geo::Axis axis, geo::NumberForm form)
{
    if (text.trimmed().isEmpty())
        return CellRefusal{columnOf(axis), emptyCellMessage(axis), std::nullopt};
    try {
        return geo::readRouteCoordinate(text.toStdString(), form, axis);
    } catch (const geo::CoordinateError& error) {
        return CellRefusal{columnOf(axis), refusalReason(error), error.rule()};
    }
}

// A waypoint's two cells as read: the degrees of each that reads, the
// refusals of the others.
struct ReadWaypoint {
    std::optional<double> latitude;
    std::optional<double> longitude;
    QList<CellRefusal> refusals;
};

std::optional<double> readInto(ReadWaypoint& read, const QString& text, geo::Axis axis,
                               geo::NumberForm form)
{
    std::variant<double, CellRefusal> cell = readCell(text, axis, form);
    if (const double* degrees = std::get_if<double>(&cell))
        return *degrees;
    read.refusals.append(std::get<CellRefusal>(std::move(cell)));
    return std::nullopt;
}

ReadWaypoint readWaypoint(const WaypointText& waypoint, geo::NumberForm routeForm)
{
    ReadWaypoint read;
    read.latitude = readInto(read, waypoint.latitude, geo::Axis::Latitude,
                             waypoint.latitudeForm.value_or(routeForm));
    read.longitude = readInto(read, waypoint.longitude, geo::Axis::Longitude,
                              waypoint.longitudeForm.value_or(routeForm));
    return read;
}

// nav refuses a speed whose times under way overflow (below some 1e-300 kn);
// such a route is shown without times rather than not at all.
std::vector<nav::RouteRow> computeRows(const nav::Earth& earth, nav::RoutePlan plan)
{
    try {
        return nav::computeRoute(earth, plan);
    } catch (const nav::RangeError&) {
        plan.speed.reset();
        return nav::computeRoute(earth, plan);
    }
}

QString timeText(double hours)
{
    try {
        return fromUtf8(nav::formatTimeUnderWay(hours));
    } catch (const nav::RangeError&) {
        return {};  // its minutes overflow: the speed is too small to show a time
    }
}

void setText(QStringList& texts, LegColumn column, const QString& text)
{
    texts[qsizetype(column)] = text;
}

void setLegTexts(QStringList& texts, const nav::Leg& leg)
{
    setText(texts, LegColumn::RhumbCourse, fromUtf8(nav::formatCourse(leg.rhumb.course)));
    setText(texts, LegColumn::RhumbDistance, fromUtf8(nav::formatDistance(leg.rhumb.distance)));
    setText(texts, LegColumn::GreatCircleCourse,
            fromUtf8(nav::formatCourse(leg.greatCircle.initialCourse)));
    setText(texts, LegColumn::GreatCircleDistance,
            fromUtf8(nav::formatDistance(leg.greatCircle.distance)));
}

void setCumulativeTexts(QStringList& texts, const nav::RouteRow& values)
{
    if (values.cumulativeDistance)
        setText(texts, LegColumn::Cumulative, fromUtf8(nav::formatDistance(*values.cumulativeDistance)));
    if (values.timeUnderWay)
        setText(texts, LegColumn::TimeUnderWay, timeText(*values.timeUnderWay));
    if (values.eta)
        setText(texts, LegColumn::Eta, fromUtf8(nav::formatClockTime(*values.eta)));
}

QStringList rowTexts(qsizetype index, const WaypointText& waypoint, const ReadWaypoint& read,
                     const nav::RouteRow& values)
{
    QStringList texts(legColumnCount);
    setText(texts, LegColumn::Number, QString::number(index + 1));
    setText(texts, LegColumn::Name, waypoint.name);
    setText(texts, LegColumn::Latitude,
            read.latitude ? fromUtf8(nav::formatLatitude(*read.latitude)) : waypoint.latitude);
    setText(texts, LegColumn::Longitude,
            read.longitude ? fromUtf8(nav::formatLongitude(*read.longitude)) : waypoint.longitude);
    if (index > 0)
        setText(texts, LegColumn::Method, methodCell(waypoint.method));
    if (values.leg)
        setLegTexts(texts, *values.leg);
    setCumulativeTexts(texts, values);
    return texts;
}

}  // namespace

WaypointText withForm(WaypointText waypoint, geo::NumberForm form)
{
    if (!waypoint.latitudeForm)
        waypoint.latitudeForm = form;
    if (!waypoint.longitudeForm)
        waypoint.longitudeForm = form;
    return waypoint;
}

QString legColumnTitle(LegColumn column)
{
    return legColumns[std::size_t(column)].title.toString();
}

QStringList legColumnTitles()
{
    QStringList titles;
    for (const LegColumnInfo& info : legColumns)
        titles.append(info.title.toString());
    return titles;
}

QList<RouteTableRow> makeRouteTable(const QList<WaypointText>& waypoints,
                                    const RouteSettings& settings)
{
    QList<ReadWaypoint> read;
    read.reserve(waypoints.size());
    nav::RoutePlan plan;
    plan.speed = settings.speed;
    plan.departure = settings.departure;
    plan.waypoints.reserve(std::size_t(waypoints.size()));
    for (const WaypointText& waypoint : waypoints) {
        read.append(readWaypoint(waypoint, settings.form));
        const ReadWaypoint& cells = read.back();
        std::optional<geo::GeoPoint> position;
        if (cells.latitude && cells.longitude)
            position = geo::GeoPoint{*cells.latitude, *cells.longitude};
        plan.waypoints.push_back({{}, position, waypoint.method});
    }
    const std::vector<nav::RouteRow> values = computeRows(nav::Earth(settings.model), plan);
    QList<RouteTableRow> rows;
    rows.reserve(waypoints.size());
    for (qsizetype i = 0; i < waypoints.size(); ++i) {
        const nav::RouteRow& rowValues = values[std::size_t(i)];
        rows.append({plan.waypoints[std::size_t(i)].position, read[i].refusals, rowValues,
                     rowTexts(i, waypoints[i], read[i], rowValues)});
    }
    return rows;
}

bool hasAmbiguousNumbers(const QList<RouteTableRow>& rows)
{
    for (const RouteTableRow& row : rows) {
        for (const CellRefusal& refusal : row.refusals) {
            if (refusal.rule == geo::Rule::AmbiguousNumber)
                return true;
        }
    }
    return false;
}

}  // namespace tarnquil
