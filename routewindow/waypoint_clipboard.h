// SPDX-License-Identifier: GPL-3.0-or-later
// Waypoints as text on the clipboard: pasted from a spreadsheet, a document
// or the table itself, and copied from the table.
#pragma once

#include "routefiles/route_table.h"

#include <QList>
#include <QString>

class QAbstractItemModel;

namespace tarnquil {

// Whether pasted text belongs in the current cell rather than in new rows:
// one line (a line break at its end aside) without a tab.
bool isOneCellText(const QString& text);

// One waypoint per line that is not blank, in order:
//   a line without a tab that is a whole position (geo::splitPosition)
//                                               30°10.2′N 122°05.3′E
//   else cells split at tabs, or failing those at semicolons (; ；), or
//   failing those at commas (, ，), each trimmed:
//     name, latitude, longitude[, method]      长江口	31°03′N	122°20′E
//     name, whole position                     长江口, 3103N 12220E
//     latitude, longitude                      3103N;12220E
//     five or more cells whose first is a whole number: the table's own
//     columns as rowsAsText copies them (序号, 名称, 纬度, 经度, 航法, …)
//     one cell: the latitude, for the table to mark as incomplete
// A first line whose first cell is 序号 is the table's title line: it is not
// a waypoint, and the lines after it are read by its titles 名称, 纬度, 经度
// and 航法. A method is 恒向线/RL or 大圆/GC; any other text, or none, is
// the rhumb line. Nothing is read into a position here: the table does that.
QList<WaypointText> waypointsFromText(const QString& text);

// The rows (ascending) of a table model as tab-separated lines of their
// shown texts, every column, with the column titles as the first line when
// withTitles. Tabs and line breaks inside a cell become spaces.
QString rowsAsText(const QAbstractItemModel& model, const QList<int>& rows, bool withTitles);

}  // namespace tarnquil
