// SPDX-License-Identifier: GPL-3.0-or-later
// A table typed into as a spreadsheet, so that its rows can be entered in
// one run without the mouse:
//   Enter commits the cell and moves on to the next cell to fill in, then
//   to the next row; past the last row's last such cell it asks for a new
//   row (rowWanted);
//   Tab and Shift+Tab move between those cells the same way, and leave the
//   table only past its last cell or before its first; in a cell being
//   edited they commit it and go on without opening the next cell, so that
//   typing there replaces its text and F2 edits it;
//   Home goes to the row's first cell to fill in (Ctrl+Home to the first
//   row's), not to a read-only column;
//   typing (or an input method's text) starts editing; into an empty table
//   it first asks for a row (rowWanted(0));
//   Esc closes the editor and leaves the text as it was (editCancelled).
// The cells to fill in are the model's editable ones in the columns shown,
// less the columns set aside with passOverColumn; every cell is still
// reached with the arrow keys.
// Tab stays in the table only with tabKeyNavigation on, as the view starts.
// Its header's height comes from its font (FixedHeaderView); its cells'
// editors are named for screen readers (NamedCellDelegate).
#pragma once

#include <QList>
#include <QTableView>

namespace tarnquil {

class EntryTableView : public QTableView
{
    Q_OBJECT

public:
    explicit EntryTableView(QWidget* parent = nullptr);

    // Commits the text being edited in a cell and closes its editor, so that
    // a command on the rows (insert, delete, move) starts from the texts as
    // typed rather than committing them halfway through.
    void commitEdit();

    // Enter, Tab and Home go past `column`'s cells, for a column whose value
    // is usually carried over rather than typed.
    void passOverColumn(int column);

signals:
    // A new row is wanted at `row`: a receiver adds it and makes its first
    // cell the current one before it returns.
    void rowWanted(int row);
    // Esc closed the editor of `index`, committing nothing.
    void editCancelled(const QModelIndex& index);

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    bool isEntryCell(const QModelIndex& index) const;
    // The next (or previous) cell to fill in after `from`, row by row;
    // invalid past the table's last one (or before its first). From an
    // invalid index, the table's first (or last) one.
    QModelIndex nextCell(const QModelIndex& from, bool forward) const;
    QModelIndex firstCellOf(int row) const;
    void moveOn();
    void startRowForTyping();

    QList<int> passedOver_;
};

}  // namespace tarnquil
