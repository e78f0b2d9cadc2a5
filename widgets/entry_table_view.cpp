// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/entry_table_view.h"
#include "widgets/fixed_header_view.h"
#include "widgets/named_cell_delegate.h"

#include <QApplication>
#include <QKeyEvent>

namespace tarnquil {

namespace {

// A key that types text, which would start editing a cell.
bool typesText(const QKeyEvent& event)
{
    const QString text = event.text();
    return !text.isEmpty() && text.front().isPrint() && !text.front().isSpace()
        && !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

bool isEnter(const QKeyEvent& event)
{
    return (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter)
        && (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

}  // namespace

EntryTableView::EntryTableView(QWidget* parent)
    : QTableView(parent)
{
    setTabKeyNavigation(true);
    // Made before the model is set, which would have the default headers
    // measure their titles; they take the default headers' clicks.
    auto* header = new FixedHeaderView(Qt::Horizontal, this);
    header->setSectionsClickable(true);
    header->setHighlightSections(true);
    setHorizontalHeader(header);
    auto* rows = new FixedHeaderView(Qt::Vertical, this);
    rows->setSectionsClickable(true);
    rows->setHighlightSections(true);
    setVerticalHeader(rows);
    setItemDelegate(new NamedCellDelegate(this));
}

void EntryTableView::commitEdit()
{
    if (state() != EditingState)
        return;
    // The editor has the focus, or its drop-down list has, whose parent
    // chain leads back to the editor.
    QWidget* editor = QApplication::focusWidget();
    while (editor != nullptr && editor->parentWidget() != viewport())
        editor = editor->parentWidget();
    if (editor == nullptr)
        return;
    commitData(editor);
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void EntryTableView::passOverColumn(int column)
{
    if (!passedOver_.contains(column))
        passedOver_.append(column);
}

bool EntryTableView::isEntryCell(const QModelIndex& index) const
{
    return (model()->flags(index) & Qt::ItemIsEditable) && !isColumnHidden(index.column())
        && !passedOver_.contains(index.column());
}

QModelIndex EntryTableView::nextCell(const QModelIndex& from, bool forward) const
{
    const QAbstractItemModel* cells = model();
    const int rows = cells == nullptr ? 0 : cells->rowCount(rootIndex());
    const int columns = cells == nullptr ? 0 : cells->columnCount(rootIndex());
    if (rows == 0 || columns == 0)
        return {};
    int row = from.isValid() ? from.row() : (forward ? 0 : rows - 1);
    int column = from.isValid() ? from.column() : (forward ? -1 : columns);
    const int step = forward ? 1 : -1;
    for (;;) {
        column += step;
        if (column == columns || column < 0) {
            column = forward ? 0 : columns - 1;
            row += step;
        }
        if (row == rows || row < 0)
            return {};
        const QModelIndex cell = cells->index(row, column, rootIndex());
        if (isEntryCell(cell))
            return cell;
    }
}

QModelIndex EntryTableView::firstCellOf(int row) const
{
    const QModelIndex first = model()->index(row, 0, rootIndex());
    if (isEntryCell(first))
        return first;
    const QModelIndex next = nextCell(first, true);
    return next.isValid() && next.row() == row ? next : first;
}

QModelIndex EntryTableView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    switch (action) {
    case MoveNext:
        return nextCell(currentIndex(), true);
    case MovePrevious:
        return nextCell(currentIndex(), false);
    case MoveHome:
        if (model() == nullptr || model()->rowCount(rootIndex()) == 0)
            return {};
        return firstCellOf((modifiers & Qt::ControlModifier) || !currentIndex().isValid()
                               ? 0
                               : currentIndex().row());
    default:
        return QTableView::moveCursor(action, modifiers);
    }
}

// Past the last cell to fill in, a new row: the entries go on being typed
// in the same rhythm.
void EntryTableView::moveOn()
{
    const QModelIndex next = nextCell(currentIndex(), true);
    if (next.isValid()) {
        setCurrentIndex(next);
        return;
    }
    const int rows = model()->rowCount(rootIndex());
    emit rowWanted(rows);
    if (model()->rowCount(rootIndex()) > rows)
        edit(currentIndex());
}

void EntryTableView::startRowForTyping()
{
    if (model() != nullptr && model()->rowCount(rootIndex()) == 0)
        emit rowWanted(0);
}

// Enter in a cell being edited reaches the view too, after the editor has
// ignored it: the delegate commits it later, and closeEditor moves on.
void EntryTableView::keyPressEvent(QKeyEvent* event)
{
    if (isEnter(*event) && state() != EditingState) {
        moveOn();
        event->accept();
        return;
    }
    if (typesText(*event))
        startRowForTyping();
    QTableView::keyPressEvent(event);
}

// Chinese names come from an input method, not from key presses. Qt 6.4
// opens the cell's editor on an input method's text but leaves the text
// out; here the editor is given it, as a key's text is.
void EntryTableView::inputMethodEvent(QInputMethodEvent* event)
{
    const bool typed = !event->commitString().isEmpty() || !event->preeditString().isEmpty();
    if (typed)
        startRowForTyping();
    if (typed && state() != EditingState && edit(currentIndex(), AnyKeyPressed, nullptr)) {
        if (QWidget* editor = QApplication::focusWidget(); editor != nullptr && editor != this)
            QCoreApplication::sendEvent(editor, event);
        return;
    }
    QTableView::inputMethodEvent(event);
}

// Tab and Shift+Tab in a cell go on as they do outside one, without opening
// the next cell. The delegate ends an edit by Enter with SubmitModelCache,
// by Esc with RevertModelCache.
void EntryTableView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    switch (hint) {
    case QAbstractItemDelegate::EditNextItem:
    case QAbstractItemDelegate::EditPreviousItem:
        QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
        focusNextPrevChild(hint == QAbstractItemDelegate::EditNextItem);
        return;
    case QAbstractItemDelegate::SubmitModelCache:
        QTableView::closeEditor(editor, hint);
        moveOn();
        return;
    case QAbstractItemDelegate::RevertModelCache: {
        const QPersistentModelIndex edited = currentIndex();
        QTableView::closeEditor(editor, hint);
        emit editCancelled(edited);
        return;
    }
    default:
        QTableView::closeEditor(editor, hint);
    }
}

}  // namespace tarnquil
