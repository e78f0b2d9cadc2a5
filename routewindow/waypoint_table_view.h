// SPDX-License-Identifier: GPL-3.0-or-later
// The waypoint table's keys, as a spreadsheet's, so that a passage can be
// typed in one run:
//   typing (or an input method's text) into an empty table starts the first
//   waypoint, at its name;
//   Enter commits the cell and moves on to the next cell to fill in
//   (名称, 纬度, 经度, then 航法 from the second row on), then to the next
//   row; after the last row's last such cell it starts a new waypoint;
//   Tab and Shift+Tab move between those cells the same way, and leave the
//   table only past its last cell or before its first;
//   Home goes to the row's name (Ctrl+Home to the first row's), not to the
//   read-only 序号;
//   Esc closes the editor and leaves the text as it was.
// The cells to fill in are the editable ones (the model's flags); the
// computed columns are reached with the arrow keys, as are all cells.
//
// However small the window, the table keeps room for its header and a few
// rows; the panels around it scroll instead (PanelArea).
#pragma once

#include <QTableView>

namespace tarnquil {

class WaypointTableView : public QTableView
{
    Q_OBJECT

public:
    explicit WaypointTableView(QWidget* parent = nullptr);

    // Commits the text being edited in a cell and closes its editor, so that
    // a command on the rows (insert, delete, move) starts from the texts as
    // typed rather than committing them halfway through.
    void commitEdit();

    QSize minimumSizeHint() const override;

signals:
    // A new waypoint is wanted in `row`: the window adds it as one undo step
    // and makes its name the current cell before it returns.
    void waypointWanted(int row);
    // Esc closed the editor of `index`, committing nothing.
    void editCancelled(const QModelIndex& index);

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    // The next (or previous) cell to fill in after `from`, row by row;
    // invalid past the table's last one (or before its first). From an
    // invalid index, the table's first (or last) one.
    QModelIndex nextCell(const QModelIndex& from, bool forward) const;
    QModelIndex firstCellOf(int row) const;
    void moveOn();
    void startWaypointForTyping();
};

}  // namespace tarnquil
