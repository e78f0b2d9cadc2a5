// SPDX-License-Identifier: GPL-3.0-or-later
// The route window's edits of its waypoints, each one step to undo: a row
// inserted, deleted or moved, cells cleared, rows cut, copied and pasted as
// a spreadsheet's, the route reversed, a great-circle leg split, a position
// appended. A waypoint begun with Insert or Enter and left with nothing
// typed into it goes again. After each edit the rows it touched are
// selected.
#pragma once

#include "routefiles/route_table.h"

#include <QList>
#include <QModelIndex>
#include <QObject>
#include <QString>

class QMainWindow;
class QStatusBar;
class QUndoCommand;
class QUndoStack;

namespace tarnquil {

class WaypointTableModel;
class WaypointTableView;

class WaypointEditing : public QObject
{
    Q_OBJECT

public:
    // Edits `model` through `undoStack`, shown in `table`; tells of a copy in
    // the window's status bar.
    WaypointEditing(QMainWindow* window, WaypointTableView* table, WaypointTableModel* model,
                    QUndoStack* undoStack);

    // The current waypoint's row; -1 for none.
    int currentRow() const;

    // The waypoints inserted from `row` on, as one step named `text`.
    void addWaypoints(int row, const QList<WaypointText>& waypoints, const QString& text);
    // After the last waypoint; not when it is the last waypoint's position
    // already.
    bool appendWaypoint(const WaypointText& waypoint);
    // An empty waypoint in `row`, its name the current cell.
    void startWaypoint(int row);
    // Esc in a cell of the waypoint just begun.
    void cancelNewRow(const QModelIndex& index);
    // Another row made current.
    void leaveNewRow();
    // The waypoint's texts replaced, as a step named `text`.
    void editWaypoint(int row, const WaypointText& after, const QString& text);

    void insertWaypoint();
    void deleteWaypoints();
    // The selected cells, or the current one.
    void clearSelectedCells();
    void moveWaypoint(int step);
    void copyWaypoints();
    void cutWaypoints();
    void pasteWaypoints();
    void reverseRoute();
    // As RouteWindow::splitGreatCircleLeg.
    int splitGreatCircleLeg(int arrival, double every);

    // Selects `rowCount` rows from `firstRow`, the first current.
    void selectRows(int firstRow, int rowCount);

private:
    QList<int> selectedRows() const;
    QModelIndex selectedCell() const;
    void takeBack(const QUndoCommand* began);
    void clearCells(const QModelIndexList& cells, const QString& verb);
    QStatusBar* statusBar() const;

    QMainWindow* window_;
    WaypointTableView* table_;
    WaypointTableModel* model_;
    QUndoStack* undoStack_;
    const QUndoCommand* newRowCommand_ = nullptr;  // the step that began the new row
};

}  // namespace tarnquil
