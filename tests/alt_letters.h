// SPDX-License-Identifier: GPL-3.0-or-later
// The Alt letters of a window: those of its menu bar's menus, its buttons,
// its group boxes and the labels of its fields. Two controls with one letter
// make Alt+letter go to the first only; pressed again, to the next, and a
// menu behind a field is never opened by it.
#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QStringList>
#include <QWidget>

namespace testing_alt_letters {

// The letter after a single '&', upper case; empty when there is none.
inline QString altLetter(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] == u'&') {
            ++i;
            continue;
        }
        return text[i + 1].toUpper();
    }
    return {};
}

// "T: 工具(&T), 开航时间(&T)" for each letter used twice or more.
inline QStringList repeatedAltLetters(QWidget* window)
{
    QMap<QString, QStringList> users;
    const auto add = [&](const QString& text) {
        if (const QString letter = altLetter(text); !letter.isEmpty())
            users[letter] << text;
    };
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->window() != window || qobject_cast<QMenu*>(widget->parentWidget()))
            continue;
        if (auto* label = qobject_cast<QLabel*>(widget); label && label->buddy())
            add(label->text());
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            add(button->text());
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            add(group->title());
        else if (auto* bar = qobject_cast<QMenuBar*>(widget))
            for (const QAction* action : bar->actions())
                add(action->text());
    }
    QStringList repeated;
    for (auto it = users.cbegin(); it != users.cend(); ++it)
        if (it->size() > 1)
            repeated << it.key() + QStringLiteral(": ") + it->join(QStringLiteral(", "));
    return repeated;
}

}  // namespace testing_alt_letters
