// SPDX-License-Identifier: GPL-3.0-or-later
#include "routewindow/waypoint_clipboard.h"
#include "routewindow/waypoint_columns.h"

#include "text/method_words.h"
#include "text/utf8_text.h"

#include "geo/position_text.h"

#include <QAbstractItemModel>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

// The title of one of the table's columns, as a copied title line has it.
QString titleOf(waypoint_table::Column column)
{
    return waypoint_table::columns[column].title.toString();
}

// Where the name, latitude, longitude and method stand in a line's cells;
// -1 where a line has none.
struct CellPlaces {
    int name = -1;
    int latitude = -1;
    int longitude = -1;
    int method = -1;
    int speed = -1;
    int remark = -1;
    int current = -1;
    int leeway = -1;
};

// The line cut at every one of `separators`, or nothing when it holds none.
QStringList cutAtAny(const QString& line, QStringView separators)
{
    QStringList cells;
    qsizetype start = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (separators.contains(line.at(i))) {
            cells.append(line.mid(start, i - start).trimmed());
            start = i + 1;
        }
    }
    if (cells.isEmpty())
        return {};
    cells.append(line.mid(start).trimmed());
    return cells;
}

QStringList cellsOf(const QString& line)
{
    for (const QStringView separators : {u"\t", u";；", u",，"}) {
        QStringList cells = cutAtAny(line, separators);
        if (!cells.isEmpty())
            return cells;
    }
    return {line.trimmed()};
}

CellPlaces placesFromTitles(const QStringList& titles)
{
    return {int(titles.indexOf(titleOf(waypoint_table::Name))),
            int(titles.indexOf(titleOf(waypoint_table::Latitude))),
            int(titles.indexOf(titleOf(waypoint_table::Longitude))),
            int(titles.indexOf(titleOf(waypoint_table::Method))),
            int(titles.indexOf(titleOf(waypoint_table::Speed))),
            int(titles.indexOf(titleOf(waypoint_table::Remark))),
            int(titles.indexOf(titleOf(waypoint_table::Current))),
            int(titles.indexOf(titleOf(waypoint_table::Leeway)))};
}

CellPlaces placesFromCount(const QStringList& cells)
{
    bool numbered = false;
    cells.first().toInt(&numbered);
    // Rows the table copied, every column in its place.
    if (cells.size() == waypoint_table::columnCount && numbered)
        return {waypoint_table::Name, waypoint_table::Latitude, waypoint_table::Longitude,
                waypoint_table::Method, waypoint_table::Speed, waypoint_table::Remark,
                waypoint_table::Current, waypoint_table::Leeway};
    if (cells.size() >= 5 && numbered)
        return {1, 2, 3, 4};
    if (cells.size() >= 3)
        return {0, 1, 2, 3};
    if (cells.size() == 2)
        return {-1, 0, 1, -1};
    return {-1, 0, -1, -1};
}

std::optional<WaypointText> wholePosition(const QString& text, const QString& name)
{
    const auto parts = geo::splitPosition(text.toStdString());
    if (!parts)
        return std::nullopt;
    return WaypointText{name, fromUtf8(parts->latitude),
                        fromUtf8(parts->longitude)};
}

WaypointText fromCells(const QStringList& cells, const CellPlaces& places)
{
    WaypointText waypoint;
    waypoint.name = cells.value(places.name);
    waypoint.latitude = cells.value(places.latitude);
    waypoint.longitude = cells.value(places.longitude);
    waypoint.method = readMethodLabel(cells.value(places.method)).value_or(nav::Method::Rhumb);
    waypoint.speed = cells.value(places.speed);
    waypoint.remark = cells.value(places.remark);
    waypoint.current = cells.value(places.current);
    waypoint.leeway = cells.value(places.leeway);
    return waypoint;
}

WaypointText fromLine(const QString& line, const std::optional<CellPlaces>& titled)
{
    const QStringList cells = cellsOf(line);
    if (titled)
        return fromCells(cells, *titled);
    // A spreadsheet's row, cut at tabs, holds no whole position across its
    // cells; not trying one keeps a paste of thousands of rows quick.
    if (!line.contains(u'\t')) {
        if (auto waypoint = wholePosition(line, {}))
            return *waypoint;
    }
    if (cells.size() == 2) {
        if (auto waypoint = wholePosition(cells.at(1), cells.at(0)))
            return *waypoint;
    }
    return fromCells(cells, placesFromCount(cells));
}

QString cellText(QString text)
{
    for (QChar& c : text) {
        if (c == u'\t' || c == u'\r' || c == u'\n')
            c = u' ';
    }
    return text;
}

}  // namespace

bool isOneCellText(const QString& text)
{
    const QString line = text.endsWith(u'\n') ? text.chopped(text.endsWith(u"\r\n"_s) ? 2 : 1)
                                             : text;
    return !line.contains(u'\n') && !line.contains(u'\r') && !line.contains(u'\t');
}

QList<WaypointText> waypointsFromText(const QString& text)
{
    const QRegularExpression lineBreaks(u"\r\n|\r|\n"_s);
    QList<WaypointText> waypoints;
    std::optional<CellPlaces> titled;
    bool first = true;
    for (const QString& line : text.split(lineBreaks)) {
        if (line.trimmed().isEmpty())
            continue;
        if (first && cellsOf(line).first() == titleOf(waypoint_table::Number)) {
            titled = placesFromTitles(cellsOf(line));
        } else {
            waypoints.append(fromLine(line, titled));
        }
        first = false;
    }
    return waypoints;
}

QString rowsAsText(const QAbstractItemModel& model, const QList<int>& rows, bool withTitles)
{
    QStringList lines;
    const int columns = model.columnCount();
    if (withTitles) {
        QStringList titles;
        for (int column = 0; column < columns; ++column)
            titles.append(cellText(model.headerData(column, Qt::Horizontal).toString()));
        lines.append(titles.join(u'\t'));
    }
    for (int row : rows) {
        QStringList cells;
        for (int column = 0; column < columns; ++column)
            cells.append(cellText(model.index(row, column).data().toString()));
        lines.append(cells.join(u'\t'));
    }
    return lines.join(u'\n') + u'\n';
}

}  // namespace tarnquil
