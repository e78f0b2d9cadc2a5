// SPDX-License-Identifier: GPL-3.0-or-later
#include "routewindow/waypoint_editing.h"

#include "routewindow/waypoint_clipboard.h"
#include "routewindow/waypoint_commands.h"
#include "routewindow/waypoint_table_model.h"
#include "routewindow/waypoint_table_view.h"

#include "routefiles/great_circle_split.h"
#include "text/fix_words.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMainWindow>
#include <QStatusBar>
#include <QTimer>
#include <QUndoStack>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

QString countedWaypoints(const QString& verb, qsizetype count)
{
    return u"%1 %2 个航点"_s.arg(verb).arg(count);
}

}  // namespace

WaypointEditing::WaypointEditing(QMainWindow* window, WaypointTableView* table,
                                 WaypointTableModel* model, QUndoStack* undoStack)
    : QObject(window)
    , window_(window)
    , table_(table)
    , model_(model)
    , undoStack_(undoStack)
{
}

QStatusBar* WaypointEditing::statusBar() const
{
    return window_->statusBar();
}

void WaypointEditing::editWaypoint(int row, const WaypointText& after, const QString& text)
{
    undoStack_->push(new EditWaypointCommand(model_, row, after, text));
}

void WaypointEditing::clearSelectedCells()
{
    QModelIndexList cells = table_->selectionModel()->selectedIndexes();
    if (cells.isEmpty() && table_->currentIndex().isValid())
        cells.append(table_->currentIndex());
    clearCells(cells, u"清除"_s);
}

QList<int> WaypointEditing::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedIndexes())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

// The one cell selected; invalid when there are more, or none.
QModelIndex WaypointEditing::selectedCell() const
{
    const QModelIndexList cells = table_->selectionModel()->selectedIndexes();
    return cells.size() == 1 ? cells.first() : QModelIndex();
}

int WaypointEditing::currentRow() const
{
    const QModelIndex current = table_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void WaypointEditing::addWaypoints(int row, const QList<WaypointText>& waypoints, const QString& text)
{
    QList<PlacedWaypoint> placed;
    placed.reserve(waypoints.size());
    for (const WaypointText& waypoint : waypoints)
        placed.append({row + int(placed.size()), waypoint});
    undoStack_->push(WaypointRowsCommand::adding(model_, std::move(placed), text));
}

bool WaypointEditing::appendWaypoint(const WaypointText& waypoint)
{
    // The same fix added twice would make a leg of no length.
    const QList<WaypointText>& waypoints = model_->waypoints();
    if (!waypoints.isEmpty() && waypoints.back().latitude == waypoint.latitude &&
        waypoints.back().longitude == waypoint.longitude) {
        statusBar()->showMessage(addedToRouteMessage(false));
        return false;
    }
    addWaypoints(model_->rowCount(), {waypoint}, u"加入船位"_s);
    return true;
}

// An empty waypoint in `row`, its name the current cell, not marked as
// refused before it is left (leaveNewRow).
void WaypointEditing::startWaypoint(int row)
{
    addWaypoints(row, {WaypointText{}}, u"插入航点"_s);
    newRowCommand_ = undoStack_->command(undoStack_->index() - 1);
    model_->setNewRow(row);
    table_->setCurrentIndex(model_->index(row, WaypointTableModel::Name));
}

// A waypoint begun and left with nothing typed into it (Enter once too
// often after the last cell, Insert thought better of) goes again, as if
// undone: while the step that began it is the last, nothing was typed. The
// current cell stays where the navigator went.
void WaypointEditing::takeBack(const QUndoCommand* began)
{
    if (began == nullptr || undoStack_->index() == 0
        || undoStack_->command(undoStack_->index() - 1) != began)
        return;
    const QPersistentModelIndex went = table_->currentIndex();
    undoStack_->undo();
    if (went.isValid())
        table_->setCurrentIndex(went);
}

// Esc in the new waypoint's cell.
void WaypointEditing::cancelNewRow(const QModelIndex& index)
{
    if (index.isValid() && index.row() == model_->newRow())
        takeBack(std::exchange(newRowCommand_, nullptr));
}

// Another row made current: the new waypoint's empty cells are marked now,
// or it goes if nothing was typed into it, once the view has done moving.
void WaypointEditing::leaveNewRow()
{
    if (model_->newRow() < 0)
        return;
    model_->setNewRow(-1);
    QTimer::singleShot(0, this, [this, began = std::exchange(newRowCommand_, nullptr)] {
        takeBack(began);
    });
}

// Below the current waypoint, so that it can also add one after the last;
// its name is typed first.
void WaypointEditing::insertWaypoint()
{
    const int row = currentRow();
    startWaypoint(row < 0 ? model_->rowCount() : row + 1);
    table_->edit(table_->currentIndex());
}

// The typed texts of the cells, as one step named after the cell, or after
// how many there were.
void WaypointEditing::clearCells(const QModelIndexList& cells, const QString& verb)
{
    const ClearedCells cleared = model_->clearedCells(cells);
    if (cleared.waypoints.isEmpty())
        return;
    const QString text = cleared.cells == 1 && cells.size() == 1
        ? verb + model_->headerData(cells.first().column(), Qt::Horizontal, Qt::DisplayRole).toString()
        : u"%1 %2 个单元格"_s.arg(verb).arg(cleared.cells);
    undoStack_->push(new ReplaceWaypointsCommand(model_, cleared.waypoints, text));
}

void WaypointEditing::deleteWaypoints()
{
    QList<int> rows = selectedRows();
    if (rows.isEmpty() && currentRow() >= 0)
        rows.append(currentRow());
    if (rows.isEmpty())
        return;
    undoStack_->push(WaypointRowsCommand::removing(model_, rows, countedWaypoints(u"删除"_s, rows.size())));
}

void WaypointEditing::moveWaypoint(int step)
{
    const int from = currentRow();
    const int to = from + step;
    if (from < 0 || to < 0 || to >= model_->rowCount())
        return;
    undoStack_->push(new MoveWaypointCommand(model_, from, to, step < 0 ? u"上移航点"_s : u"下移航点"_s));
}

// One cell's text as shown; else the selected rows, or the whole table with
// its column titles when every row or none is selected.
void WaypointEditing::copyWaypoints()
{
    if (const QModelIndex cell = selectedCell(); cell.isValid()) {
        QGuiApplication::clipboard()->setText(cell.data().toString());
        statusBar()->showMessage(u"已复制第 %1 个航点的%2。"_s.arg(cell.row() + 1).arg(
            model_->headerData(cell.column(), Qt::Horizontal, Qt::DisplayRole).toString()));
        return;
    }
    QList<int> rows = selectedRows();
    const bool whole = rows.isEmpty() || rows.size() == model_->rowCount();
    if (whole) {
        rows.clear();
        for (int row = 0; row < model_->rowCount(); ++row)
            rows.append(row);
    }
    QGuiApplication::clipboard()->setText(rowsAsText(*model_, rows, whole));
    statusBar()->showMessage(u"已复制 %1 个航点。"_s.arg(rows.size()));
}

// One cell is cut as a spreadsheet's: its text copied, the cell cleared.
void WaypointEditing::cutWaypoints()
{
    if (const QModelIndex cell = selectedCell(); cell.isValid()) {
        QGuiApplication::clipboard()->setText(cell.data().toString());
        clearCells({cell}, u"剪切"_s);
        return;
    }
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    QGuiApplication::clipboard()->setText(
        rowsAsText(*model_, rows, rows.size() == model_->rowCount()));
    undoStack_->push(WaypointRowsCommand::removing(model_, rows, countedWaypoints(u"剪切"_s, rows.size())));
}

// One line without a tab goes into the current cell, as if typed; anything
// else becomes new waypoints below the current one.
void WaypointEditing::pasteWaypoints()
{
    const QString text = QGuiApplication::clipboard()->text();
    const QModelIndex current = table_->currentIndex();
    const bool intoCell = current.isValid() && current.column() != WaypointTableModel::Method
        && (model_->flags(current) & Qt::ItemIsEditable);
    if (intoCell && isOneCellText(text)) {
        model_->setData(current, text.trimmed(), Qt::EditRole);
        return;
    }
    const QList<WaypointText> waypoints = waypointsFromText(text);
    if (waypoints.isEmpty())
        return;
    const int row = currentRow();
    addWaypoints(row < 0 ? model_->rowCount() : row + 1, waypoints,
                 u"粘贴 %1 个航点"_s.arg(waypoints.size()));
}

void WaypointEditing::selectRows(int firstRow, int rowCount)
{
    QTableView* table = table_;
    const QModelIndex current = table->currentIndex();
    const int column = current.isValid() ? current.column() : int(WaypointTableModel::Name);
    const QModelIndex first = model_->index(firstRow, column);
    if (rowCount == 1) {
        table->selectionModel()->setCurrentIndex(first, QItemSelectionModel::ClearAndSelect);
    } else {
        table->selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
        table->selectionModel()->select(
            QItemSelection(model_->index(firstRow, 0),
                           model_->index(firstRow + rowCount - 1, WaypointTableModel::columns - 1)),
            QItemSelectionModel::ClearAndSelect);
    }
    table->scrollTo(first);
}

// The waypoints in reverse order, each leg with its method and speed: one
// step to undo.
void WaypointEditing::reverseRoute()
{
    const QList<WaypointText> reversed = reversedWaypoints(model_->waypoints());
    if (reversed.size() < 2)
        return;
    QList<PlacedWaypoint> placed;
    placed.reserve(reversed.size());
    for (const WaypointText& waypoint : reversed)
        placed.append({int(placed.size()), waypoint});
    undoStack_->push(new ReplaceWaypointsCommand(model_, std::move(placed), u"反转航线"_s));
}

int WaypointEditing::splitGreatCircleLeg(int arrival, double every)
{
    if (arrival <= 0 || arrival >= model_->rowCount()
        || model_->waypoints().at(arrival).method != nav::Method::GreatCircle)
        return 0;
    const QList<WaypointText> points =
        greatCirclePoints(model_->waypoints(), model_->table(), model_->settings().model, arrival, every);
    if (points.isEmpty())
        return 0;
    const QString text = u"大圆分段（%1 个分点）"_s.arg(points.size());
    undoStack_->beginMacro(text);
    WaypointText rhumb = model_->waypoints().at(arrival);
    rhumb.method = nav::Method::Rhumb;
    undoStack_->push(new EditWaypointCommand(model_, arrival, rhumb, text));
    addWaypoints(arrival, points, text);
    undoStack_->endMacro();
    selectRows(arrival, int(points.size()));
    return int(points.size());
}

}  // namespace tarnquil
