// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/entry_field.h"

#include "geo/position_text.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>


using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

#ifdef Q_OS_DARWIN
constexpr Qt::KeyboardModifiers commandModifiers = Qt::MetaModifier;  // the Control key
#else
constexpr Qt::KeyboardModifiers commandModifiers = Qt::AltModifier | Qt::MetaModifier;
#endif

// A position is a line of a few dozen characters; a longer paste is never
// one, and is not worth decoding to find out.
constexpr qsizetype longestPosition = 256;

bool typesText(const QKeyEvent* event)
{
    return !event->text().isEmpty() && event->text().front().category() != QChar::Other_Control;
}

bool isCommandChord(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool altGr = modifiers.testFlags(Qt::ControlModifier | Qt::AltModifier);
    return (modifiers & commandModifiers) && !altGr && typesText(event);
}

QString clipboardText(QClipboard::Mode mode)
{
    return QGuiApplication::clipboard()->text(mode);
}

}  // namespace

void EntryField::replaceText(const QString& text)
{
    selectAll();
    insert(text);
}

bool EntryField::pastePosition(const QString& text)
{
    if (isReadOnly() || text.size() > longestPosition)
        return false;
    const std::optional<geo::PositionParts> parts = geo::splitPosition(text.toStdString());
    if (!parts)
        return false;
    emit positionPasted(QString::fromStdString(parts->latitude),
                        QString::fromStdString(parts->longitude));
    return true;
}

void EntryField::keyPressEvent(QKeyEvent* event)
{
    if (isCommandChord(event)) {
        event->ignore();
        return;
    }
    if (event->matches(QKeySequence::Paste) && pastePosition(clipboardText(QClipboard::Clipboard))) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// Where the window system has a selection, the middle button pastes it.
void EntryField::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()
        && pastePosition(clipboardText(QClipboard::Selection))) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

// The menu of Qt's own line edit, in Qt's own words, but with a paste that
// takes a whole position apart first. Qt's menu cannot be reused: nothing
// but its labels tells its paste action from the others.
void EntryField::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    const auto add = [&menu](const char* text, QKeySequence::StandardKey key, bool enabled,
                             auto slot) {
        QString label = QCoreApplication::translate("QLineEdit", text);
        if (key != QKeySequence::UnknownKey)
            label += u'\t' + QKeySequence(key).toString(QKeySequence::NativeText);
        QAction* action = menu.addAction(label, slot);
        action->setEnabled(enabled);
    };
    const bool editable = !isReadOnly();
    const bool selected = hasSelectedText();
    const bool clipboardHasText = !clipboardText(QClipboard::Clipboard).isEmpty();
    add("&Undo", QKeySequence::Undo, editable && isUndoAvailable(), [this] { undo(); });
    add("&Redo", QKeySequence::Redo, editable && isRedoAvailable(), [this] { redo(); });
    menu.addSeparator();
    add("Cu&t", QKeySequence::Cut, editable && selected, [this] { cut(); });
    add("&Copy", QKeySequence::Copy, selected, [this] { copy(); });
    add("&Paste", QKeySequence::Paste, editable && clipboardHasText, [this] {
        if (!pastePosition(clipboardText(QClipboard::Clipboard)))
            paste();
    });
    add("Delete", QKeySequence::UnknownKey, editable && selected, [this] { del(); });
    menu.addSeparator();
    add("Select All", QKeySequence::SelectAll, !text().isEmpty() && selectedText() != text(),
        [this] { selectAll(); });
    menu.exec(event->globalPos());
}

void EntryField::dropEvent(QDropEvent* event)
{
    const QMimeData* data = event->mimeData();
    if (data->hasText() && pastePosition(data->text())) {
        event->acceptProposedAction();
        return;
    }
    QLineEdit::dropEvent(event);
}

}  // namespace tarnquil
