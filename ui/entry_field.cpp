// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry_field.h"

#include "geo/position_text.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

#include <memory>

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

// Qt's own menu, with its paste taking a whole position apart first.
void EntryField::contextMenuEvent(QContextMenuEvent* event)
{
    const std::unique_ptr<QMenu> menu(createStandardContextMenu());
    if (auto* paste = menu->findChild<QAction*>(u"edit-paste"_s)) {
        disconnect(paste, &QAction::triggered, nullptr, nullptr);
        connect(paste, &QAction::triggered, this, [this] {
            if (!pastePosition(clipboardText(QClipboard::Clipboard)))
                this->paste();
        });
    }
    menu->exec(event->globalPos());
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
