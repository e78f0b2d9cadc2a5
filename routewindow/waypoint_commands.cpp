// SPDX-License-Identifier: GPL-3.0-or-later
#include "routewindow/waypoint_commands.h"

namespace tarnquil {

EditWaypointCommand::EditWaypointCommand(WaypointTableModel* model, int row, WaypointText after,
                                         const QString& text)
    : QUndoCommand(text)
    , model_(model)
    , row_(row)
    , before_(model->waypoints().at(row))
    , after_(std::move(after))
{
}

void EditWaypointCommand::undo() { model_->replaceWaypoint(row_, before_); }

void EditWaypointCommand::redo() { model_->replaceWaypoint(row_, after_); }

ReplaceWaypointsCommand::ReplaceWaypointsCommand(WaypointTableModel* model,
                                                 QList<PlacedWaypoint> after, const QString& text)
    : QUndoCommand(text)
    , model_(model)
    , after_(std::move(after))
{
    before_.reserve(after_.size());
    for (const PlacedWaypoint& placed : std::as_const(after_))
        before_.append({placed.row, model->waypoints().at(placed.row)});
}

void ReplaceWaypointsCommand::undo() { model_->replaceWaypoints(before_); }

void ReplaceWaypointsCommand::redo() { model_->replaceWaypoints(after_); }

WaypointRowsCommand::WaypointRowsCommand(WaypointTableModel* model, QList<PlacedWaypoint> placed,
                                         bool adds, const QString& text)
    : QUndoCommand(text)
    , model_(model)
    , placed_(std::move(placed))
    , adds_(adds)
{
}

WaypointRowsCommand* WaypointRowsCommand::adding(WaypointTableModel* model,
                                                 QList<PlacedWaypoint> placed, const QString& text)
{
    for (PlacedWaypoint& one : placed)
        one.waypoint = model->readNow(one.waypoint);
    return new WaypointRowsCommand(model, std::move(placed), true, text);
}

WaypointRowsCommand* WaypointRowsCommand::removing(WaypointTableModel* model,
                                                   const QList<int>& rows, const QString& text)
{
    QList<PlacedWaypoint> placed;
    placed.reserve(rows.size());
    for (int row : rows)
        placed.append({row, model->waypoints().at(row)});
    return new WaypointRowsCommand(model, std::move(placed), false, text);
}

void WaypointRowsCommand::undo() { adds_ ? remove() : add(); }

void WaypointRowsCommand::redo() { adds_ ? add() : remove(); }

void WaypointRowsCommand::add() { model_->insertWaypoints(placed_); }

void WaypointRowsCommand::remove()
{
    QList<int> rows;
    rows.reserve(placed_.size());
    for (const PlacedWaypoint& placed : std::as_const(placed_))
        rows.append(placed.row);
    model_->removeWaypoints(rows);
}

MoveWaypointCommand::MoveWaypointCommand(WaypointTableModel* model, int from, int to,
                                         const QString& text)
    : QUndoCommand(text)
    , model_(model)
    , from_(from)
    , to_(to)
{
}

void MoveWaypointCommand::undo() { model_->moveWaypoint(to_, from_); }

void MoveWaypointCommand::redo() { model_->moveWaypoint(from_, to_); }

}  // namespace tarnquil
