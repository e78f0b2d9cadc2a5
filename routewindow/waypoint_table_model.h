// SPDX-License-Identifier: GPL-3.0-or-later
// The route window's waypoint table: what the navigator typed for each
// waypoint, and the route that makeRouteTable computes from it after every
// change, as the table view shows them.
#pragma once

#include "routefiles/route_table.h"
#include "routewindow/waypoint_columns.h"
#include "widgets/refusal_mark.h"

#include <QAbstractTableModel>

namespace tarnquil {

// A waypoint and the row it stands in (or will stand in).
struct PlacedWaypoint {
    int row = 0;
    WaypointText waypoint;
};

// Texts cleared from cells: the waypoints as they become, in ascending
// rows, and how many cells had a text.
struct ClearedCells {
    QList<PlacedWaypoint> waypoints;
    int cells = 0;
};

class WaypointTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The table's columns (routewindow/waypoint_columns.h), also by their
    // names here: WaypointTableModel::Latitude.
    using Column = waypoint_table::Column;
    using enum waypoint_table::Column;
    static constexpr int columns = waypoint_table::columnCount;

    explicit WaypointTableModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Asks for the edit through editRequested, for the window to make it an
    // undoable command; an edit that changes nothing is no edit. A whole
    // position typed or pasted into a latitude or longitude cell fills both
    // cells of the row. A coordinate text typed is read in the form of the
    // moment (settings().form), which it keeps.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    const QList<WaypointText>& waypoints() const { return waypoints_; }
    const RouteTableRow& tableRow(int row) const { return table_.at(row); }
    const QList<RouteTableRow>& table() const { return table_; }
    const RouteSettings& settings() const { return settings_; }
    // Why the text of a latitude or longitude cell gives no position, or a
    // speed cell no speed; empty for a cell that was read and for every
    // other cell.
    QString refusal(const QModelIndex& index) const;

    // `base` when no waypoint is named so, else base and the number after
    // the highest in use: 推算点, then 推算点 2, 推算点 3.
    QString unusedName(const QString& base) const;

    // The waypoints as they become when the typed texts of `cells` (names,
    // latitudes, longitudes, speeds, remarks) are cleared; a method or a
    // computed cell has none to clear.
    ClearedCells clearedCells(const QModelIndexList& cells) const;

    // Recomputes the route with new settings. Not an edit of the waypoints,
    // so not undoable. The form (分, 秒, 度) is how the next text is read:
    // each text in the table keeps the form it was read in, and so its
    // position, so that a new form changes no cell.
    void setSettings(const RouteSettings& settings);

    // The waypoint as the table takes it in now: each coordinate text without
    // a form of its own read in the form of the moment, which it keeps. An
    // undo command takes its waypoints so when it is made, so that a redo
    // after a change of form reads them as they were read first.
    WaypointText readNow(const WaypointText& waypoint) const;

    // The waypoint just begun, to be typed in: its empty latitude and
    // longitude are not marked as refused (nor their refusal given) until
    // newRow is set to another row or to -1, as when the row is left; a
    // text typed into them is. The row moves with its waypoint, and is -1
    // once the waypoint is removed.
    void setNewRow(int row);
    int newRow() const { return newRow_.isValid() ? newRow_.row() : -1; }

    // The edits themselves, as the undo commands make and unmake them. Each
    // recomputes the whole route once and reports the rows it leaves in
    // place through waypointsEdited.
    void replaceWaypoint(int row, const WaypointText& waypoint);
    // `placed` in ascending rows; the route is computed once.
    void replaceWaypoints(const QList<PlacedWaypoint>& placed);
    // `placed` in ascending rows, each the row the waypoint will stand in.
    void insertWaypoints(const QList<PlacedWaypoint>& placed);
    // `rows` ascending.
    void removeWaypoints(const QList<int>& rows);
    void moveWaypoint(int from, int to);
    // The waypoints of a route opened, each read as readNow reads it.
    void resetWaypoints(const QList<WaypointText>& waypoints);

signals:
    // An edit typed or pasted into a cell: the waypoint of `row` as it is
    // to become, and the edit's name for the Edit menu ("编辑纬度").
    void editRequested(int row, const tarnquil::WaypointText& after, const QString& name);
    // The rows an edit, its undo or its redo touched, for the view to show.
    void waypointsEdited(int firstRow, int rowCount);

private:
    void recompute();
    QString shownText(int row, int column) const;
    const CellRefusal* cellRefusal(int row, int column) const;

    QList<WaypointText> waypoints_;
    RouteSettings settings_;
    QList<RouteTableRow> table_;
    QPersistentModelIndex newRow_;
    CellRefusalMark refusalMark_;
};

}  // namespace tarnquil
