// SPDX-License-Identifier: GPL-3.0-or-later
#include "routefiles/route_table.h"

#include "text/conversion_message.h"
#include "text/current_text.h"
#include "text/current_words.h"
#include "text/method_words.h"
#include "text/quantity_text.h"
#include "text/utf8_text.h"

#include "geo/coordinate_text.h"
#include "nav/display.h"
#include "nav/earth.h"
#include "nav/errors.h"

#include <algorithm>
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
    std::optional<double> speed;
    std::optional<nav::LegCurrent> current;  // empty for neither current nor leeway
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

// The leg's own speed, or why its text gives none; empty text, the route's.
std::optional<double> readLegSpeed(ReadWaypoint& read, const QString& text)
{
    if (text.trimmed().isEmpty())
        return std::nullopt;
    QuantityReading reading = readSpeedText(text);
    if (!reading.value)
        read.refusals.append({LegColumn::Speed, std::move(reading.refusal), std::nullopt});
    return reading.value;
}

// The leg's current and leeway, or why a text gives none; both empty, none.
std::optional<nav::LegCurrent> readLegCurrent(ReadWaypoint& read, const WaypointText& waypoint)
{
    const QString current = waypoint.current.trimmed();
    const QString leeway = waypoint.leeway.trimmed();
    if (current.isEmpty() && leeway.isEmpty())
        return std::nullopt;
    nav::LegCurrent given;
    bool refused = false;
    if (!current.isEmpty()) {
        CurrentReading reading = readLegCurrentText(current);
        if (reading.current)
            given.current = *reading.current;
        else
            read.refusals.append({LegColumn::Current, std::move(reading.refusal), std::nullopt});
        refused = !reading.current;
    }
    if (!leeway.isEmpty()) {
        QuantityReading reading = readLeewayText(leeway);
        if (reading.value)
            given.leeway = *reading.value;
        else
            read.refusals.append({LegColumn::Leeway, std::move(reading.refusal), std::nullopt});
        refused = refused || !reading.value;
    }
    if (refused)
        return std::nullopt;
    return given;
}

ReadWaypoint readWaypoint(const WaypointText& waypoint, geo::NumberForm routeForm, bool first)
{
    ReadWaypoint read;
    read.latitude = readInto(read, waypoint.latitude, geo::Axis::Latitude,
                             waypoint.latitudeForm.value_or(routeForm));
    read.longitude = readInto(read, waypoint.longitude, geo::Axis::Longitude,
                              waypoint.longitudeForm.value_or(routeForm));
    // No leg arrives at the first waypoint: its speed is never used.
    if (!first) {
        read.speed = readLegSpeed(read, waypoint.speed);
        read.current = readLegCurrent(read, waypoint);
    }
    return read;
}

// nav refuses a speed whose times under way overflow (below some 1e-300 kn),
// the route's or a leg's; such a route is shown without times rather than
// not at all.
std::vector<nav::RouteRow> computeRows(const nav::Earth& earth, nav::RoutePlan plan)
{
    try {
        return nav::computeRoute(earth, plan);
    } catch (const nav::RangeError&) {
        plan.speed.reset();
        for (nav::Waypoint& waypoint : plan.waypoints)
            waypoint.speed.reset();
        return nav::computeRoute(earth, plan);
    }
}

// A text the leg's time depends on: its speed, current or leeway.
bool hasSpeedRefusal(const ReadWaypoint& read)
{
    return std::any_of(read.refusals.cbegin(), read.refusals.cend(), [](const CellRefusal& refusal) {
        return refusal.column == LegColumn::Speed || refusal.column == LegColumn::Current
            || refusal.column == LegColumn::Leeway;
    });
}

// nav took a leg whose speed was refused at the route's speed, or whose
// current or leeway was refused without them; no time is guessed from a
// text that does not read, so none is shown from that leg on.
void forgetTimesFromRefusedSpeed(std::vector<nav::RouteRow>& values, const QList<ReadWaypoint>& read)
{
    const auto first = std::find_if(read.cbegin(), read.cend(), hasSpeedRefusal);
    if (first == read.cend())
        return;
    values[std::size_t(first - read.cbegin())].legTime.reset();
    for (auto row = values.begin() + (first - read.cbegin()); row != values.end(); ++row) {
        row->timeUnderWay.reset();
        row->eta.reset();
        row->etas = {};
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

QString zonedText(const std::optional<nav::ZonedTime>& time)
{
    return time ? fromUtf8(nav::formatZonedTime(*time)) : QString();
}

void setCumulativeTexts(QStringList& texts, const nav::RouteRow& values, nav::EtaZone etaZone)
{
    if (values.cumulativeDistance)
        setText(texts, LegColumn::Cumulative, fromUtf8(nav::formatDistance(*values.cumulativeDistance)));
    if (values.distanceToGo)
        setText(texts, LegColumn::DistanceToGo, fromUtf8(nav::formatDistance(*values.distanceToGo)));
    if (values.legTime)
        setText(texts, LegColumn::LegTime, timeText(*values.legTime));
    if (values.timeUnderWay)
        setText(texts, LegColumn::TimeUnderWay, timeText(*values.timeUnderWay));
    setText(texts, LegColumn::Eta, zonedText(values.etas.in(etaZone)));
}

QStringList rowTexts(qsizetype index, const WaypointText& waypoint, const ReadWaypoint& read,
                     const nav::RouteRow& values, nav::EtaZone etaZone)
{
    QStringList texts(legColumnCount);
    setText(texts, LegColumn::Number, QString::number(index + 1));
    setText(texts, LegColumn::Name, waypoint.name);
    setText(texts, LegColumn::Latitude,
            read.latitude ? fromUtf8(nav::formatLatitude(*read.latitude)) : waypoint.latitude);
    setText(texts, LegColumn::Longitude,
            read.longitude ? fromUtf8(nav::formatLongitude(*read.longitude)) : waypoint.longitude);
    if (index > 0) {
        setText(texts, LegColumn::Method, methodCell(waypoint.method));
        setText(texts, LegColumn::Speed, waypoint.speed);
    }
    if (values.leg)
        setLegTexts(texts, *values.leg);
    // The departure on the clock it was given on.
    setCumulativeTexts(texts, values, index == 0 ? nav::EtaZone::Departure : etaZone);
    setText(texts, LegColumn::Remark, waypoint.remark);
    return texts;
}

// The current's columns of a leg: as typed, and what the leg makes of them.
QStringList currentTexts(qsizetype index, const WaypointText& waypoint, const nav::RouteRow& values)
{
    QStringList texts(currentColumnCount);
    if (index == 0)
        return texts;
    texts[0] = waypoint.current;
    texts[1] = waypoint.leeway;
    if (values.underCurrent && values.underCurrent->steer) {
        texts[2] = fromUtf8(nav::formatCourse(values.underCurrent->steer->tc));
        texts[3] = fromUtf8(nav::formatSpeed(values.underCurrent->steer->groundSpeed));
    }
    return texts;
}

// A leg whose track its current does not let it hold, refused in its 应驶航向.
void refuseUnheldTrack(QList<CellRefusal>& refusals, const nav::RouteRow& values, nav::Method method)
{
    if (values.underCurrent && values.underCurrent->refusal && values.leg)
        refusals.append({LegColumn::CourseToSteer,
                         trackRefusal(*values.underCurrent->refusal, values.leg->course(method)),
                         std::nullopt});
}

}  // namespace

RouteSettings withSaved(RouteSettings settings, const SavedSettings& saved)
{
    settings.model = saved.model.value_or(settings.model);
    if (saved.speed)
        settings.speed = *saved.speed;
    if (saved.departure)
        settings.departure = *saved.departure;
    settings.departureZone = saved.departureZone.value_or(settings.departureZone);
    settings.etaZone = saved.etaZone.value_or(settings.etaZone);
    settings.reckoning = saved.reckoning.value_or(settings.reckoning);
    return settings;
}

SavedSettings savedOf(const RouteSettings& settings)
{
    std::optional<ReckoningTexts> reckoning;
    if (!settings.reckoning.isEmpty())
        reckoning = settings.reckoning;
    return {settings.model, settings.speed, settings.departure, settings.departureZone,
            settings.etaZone, reckoning};
}

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
    const auto index = std::size_t(column);
    return index < legColumns.size() ? legColumns[index].title.toString()
                                     : currentColumns[index - legColumns.size()].title.toString();
}

QStringList legColumnTitles()
{
    QStringList titles;
    for (const LegColumnInfo& info : legColumns)
        titles.append(info.title.toString());
    return titles;
}

QStringList currentColumnTitles()
{
    QStringList titles;
    for (const LegColumnInfo& info : currentColumns)
        titles.append(info.title.toString());
    return titles;
}

bool hasLegCurrents(const QList<WaypointText>& waypoints)
{
    return std::any_of(waypoints.cbegin() + (waypoints.isEmpty() ? 0 : 1), waypoints.cend(),
                       [](const WaypointText& waypoint) {
                           return !waypoint.current.trimmed().isEmpty()
                               || !waypoint.leeway.trimmed().isEmpty();
                       });
}

QString legText(const RouteTableRow& row, LegColumn column)
{
    const auto index = qsizetype(column);
    return index < legColumnCount ? row.texts.value(index)
                                  : row.currentTexts.value(index - legColumnCount);
}

QList<RouteTableRow> makeRouteTable(const QList<WaypointText>& waypoints,
                                    const RouteSettings& settings)
{
    QList<ReadWaypoint> read;
    read.reserve(waypoints.size());
    nav::RoutePlan plan;
    plan.speed = settings.speed;
    plan.departure = settings.departure;
    plan.departureZone = settings.departureZone;
    plan.waypoints.reserve(std::size_t(waypoints.size()));
    for (const WaypointText& waypoint : waypoints) {
        read.append(readWaypoint(waypoint, settings.form, read.isEmpty()));
        const ReadWaypoint& cells = read.back();
        std::optional<geo::GeoPoint> position;
        if (cells.latitude && cells.longitude)
            position = geo::GeoPoint{*cells.latitude, *cells.longitude};
        plan.waypoints.push_back({{}, position, waypoint.method, cells.speed, {}, cells.current});
    }
    std::vector<nav::RouteRow> values = computeRows(nav::Earth(settings.model), plan);
    forgetTimesFromRefusedSpeed(values, read);
    QList<RouteTableRow> rows;
    rows.reserve(waypoints.size());
    for (qsizetype i = 0; i < waypoints.size(); ++i) {
        const nav::RouteRow& rowValues = values[std::size_t(i)];
        QList<CellRefusal> refusals = read[i].refusals;
        refuseUnheldTrack(refusals, rowValues, waypoints[i].method);
        rows.append({plan.waypoints[std::size_t(i)].position, refusals, rowValues,
                     rowTexts(i, waypoints[i], read[i], rowValues, settings.etaZone),
                     currentTexts(i, waypoints[i], rowValues)});
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

QString totalsText(const QList<RouteTableRow>& rows, nav::EtaZone etaZone)
{
    std::vector<nav::RouteRow> values;
    values.reserve(std::size_t(rows.size()));
    for (const RouteTableRow& row : rows)
        values.push_back(row.values);
    const nav::RouteTotals totals = nav::routeTotals(values);
    const QString none = u"—"_s;
    const auto shown = [&none](const auto& value, auto format, const QString& unit) {
        return value ? fromUtf8(format(*value)) + unit : none;
    };
    QString hours = none;
    if (totals.hours) {
        try {
            hours = fromUtf8(nav::formatTotalTime(*totals.hours));
        } catch (const nav::RangeError&) {
        }
    }
    const std::optional<nav::ZonedTime> arrival = totals.arrival.in(etaZone);
    return u"总航程 %1　总航时 %2　到达 %3　平均航速 %4"_s.arg(
        shown(totals.distance, nav::formatDistance, u" 海里"_s), hours,
        arrival ? zonedText(arrival) : none,
        shown(totals.averageSpeed, nav::formatSpeed, u" 节"_s));
}

QList<WaypointText> reversedWaypoints(const QList<WaypointText>& waypoints)
{
    QList<WaypointText> reversed(waypoints.crbegin(), waypoints.crend());
    // As nav::reversedRoute moves them: each leg's method and speed from its
    // old arrival waypoint, now the one before, to its new one, the one
    // after; the old first waypoint's unused pair wraps round to the new first.
    for (qsizetype i = reversed.size(); i-- > 1;) {
        std::swap(reversed[i].method, reversed[i - 1].method);
        std::swap(reversed[i].speed, reversed[i - 1].speed);
        std::swap(reversed[i].current, reversed[i - 1].current);
        std::swap(reversed[i].leeway, reversed[i - 1].leeway);
    }
    return reversed;
}

}  // namespace tarnquil
