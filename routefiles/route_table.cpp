// SPDX-License-Identifier: GPL-3.0-or-later
#include "routefiles/route_table.h"

#include "text/conversion_message.h"
#include "text/method_words.h"
#include "text/refusals.h"
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

// A packed text has no range of its own ("9100" is 91°), so nav's range is
// checked here, where the cell can still be named.
QString beyondTheEarthMessage(geo::Axis axis, double degrees)
{
    return u"读作 %1°，"_s.arg(QString::number(degrees, 'g', 10)) + coordinateRange(axis);
}

// The degrees of one cell, or why it gives none.
std::variant<double, QString> readCell(const QString& text, geo::Axis axis, geo::EntryMode form)
{
    if (text.trimmed().isEmpty())
        return emptyCellMessage(axis);
    double degrees = 0;
    try {
        degrees = geo::readCoordinate(text.toStdString(), form, axis);
    } catch (const geo::CoordinateError& error) {
        return refusalReason(error);
    }
    const bool latitude = axis == geo::Axis::Latitude;
    try {
        nav::checkPosition(latitude ? geo::GeoPoint{degrees, 0} : geo::GeoPoint{0, degrees});
    } catch (const nav::RangeError&) {
        return beyondTheEarthMessage(axis, degrees);
    }
    return degrees;
}

// A waypoint's two cells as read: the degrees of each that reads, the
// refusals of the others.
struct ReadWaypoint {
    std::optional<double> latitude;
    std::optional<double> longitude;
    QList<CellRefusal> refusals;
};

std::optional<double> readInto(ReadWaypoint& read, const QString& text, geo::Axis axis,
                               geo::EntryMode form)
{
    std::variant<double, QString> cell = readCell(text, axis, form);
    if (const double* degrees = std::get_if<double>(&cell))
        return *degrees;
    read.refusals.append({columnOf(axis), std::get<QString>(std::move(cell))});
    return std::nullopt;
}

ReadWaypoint readWaypoint(const WaypointText& waypoint, geo::EntryMode form)
{
    ReadWaypoint read;
    read.latitude = readInto(read, waypoint.latitude, geo::Axis::Latitude, form);
    read.longitude = readInto(read, waypoint.longitude, geo::Axis::Longitude, form);
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

}  // namespace tarnquil
