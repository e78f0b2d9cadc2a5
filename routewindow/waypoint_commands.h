// SPDX-License-Identifier: GPL-3.0-or-later
// The edits of the waypoint table as undoable commands, each named as the
// Edit menu's 撤销 and 重做 show it ("编辑纬度", "粘贴 5 个航点").
#pragma once

#include "routewindow/waypoint_table_model.h"

#include <QUndoCommand>

namespace tarnquil {

// One waypoint's texts or method changed, as a whole.
class EditWaypointCommand : public QUndoCommand
{
public:
    EditWaypointCommand(WaypointTableModel* model, int row, WaypointText after,
                        const QString& text);
    void undo() override;
    void redo() override;

private:
    WaypointTableModel* model_;
    int row_;
    WaypointText before_;
    WaypointText after_;
};

// Several waypoints' texts changed at once (cells cleared), computed once.
class ReplaceWaypointsCommand : public QUndoCommand
{
public:
    // `after` in ascending rows.
    ReplaceWaypointsCommand(WaypointTableModel* model, QList<PlacedWaypoint> after,
                            const QString& text);
    void undo() override;
    void redo() override;

private:
    WaypointTableModel* model_;
    QList<PlacedWaypoint> before_;
    QList<PlacedWaypoint> after_;
};

// Waypoints added (inserted, pasted, dead reckoning appended) or removed
// (deleted, cut): the same rows, one way or the other.
class WaypointRowsCommand : public QUndoCommand
{
public:
    // Adds `placed` (ascending rows) when done, each read in the form of the
    // moment the command is made (WaypointTableModel::readNow).
    static WaypointRowsCommand* adding(WaypointTableModel* model, QList<PlacedWaypoint> placed,
                                       const QString& text);
    // Removes `rows` (ascending) when done.
    static WaypointRowsCommand* removing(WaypointTableModel* model, const QList<int>& rows,
                                         const QString& text);
    void undo() override;
    void redo() override;

private:
    WaypointRowsCommand(WaypointTableModel* model, QList<PlacedWaypoint> placed, bool adds,
                        const QString& text);
    void add();
    void remove();

    WaypointTableModel* model_;
    QList<PlacedWaypoint> placed_;
    bool adds_;
};

// One waypoint moved up or down by one row.
class MoveWaypointCommand : public QUndoCommand
{
public:
    MoveWaypointCommand(WaypointTableModel* model, int from, int to, const QString& text);
    void undo() override;
    void redo() override;

private:
    WaypointTableModel* model_;
    int from_;
    int to_;
};

}  // namespace tarnquil
