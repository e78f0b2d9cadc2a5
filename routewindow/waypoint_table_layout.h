// SPDX-License-Identifier: GPL-3.0-or-later
// The widths of the route window's table and fields, from their font:
// each column as wide as its widest text (waypoint_columns.h), in digits or
// ideographs, a position's with room for the refusal's icon; one fixed row
// height, so that no row is ever measured and the table stays quick with
// 10,000 waypoints; the names take what room is left.
#pragma once

#include <QList>

class QLineEdit;

namespace tarnquil {

class WaypointTableModel;
class WaypointTableView;

// Gives the table its model and lays it out: its headers set up before the
// model, so that they measure no title.
void layOutWaypointTable(WaypointTableView* table, WaypointTableModel* model);

// Dead reckoning's fields: room for a whole position (00°00.00′N
// 000°00.00′E), little for a number, and for a result such as
// +12.6°（左舷受流）.
void sizeReckoningFields(const QList<QLineEdit*>& positions, const QList<QLineEdit*>& numbers,
                         const QList<QLineEdit*>& results);

}  // namespace tarnquil
