// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry_field.h"

#include <QKeyEvent>

namespace tarnquil {

namespace {

#ifdef Q_OS_DARWIN
constexpr Qt::KeyboardModifiers commandModifiers = Qt::MetaModifier;  // the Control key
#else
constexpr Qt::KeyboardModifiers commandModifiers = Qt::AltModifier | Qt::MetaModifier;
#endif

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

}  // namespace

void EntryField::keyPressEvent(QKeyEvent* event)
{
    if (isCommandChord(event)) {
        event->ignore();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

}  // namespace tarnquil
