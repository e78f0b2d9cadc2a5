// SPDX-License-Identifier: GPL-3.0-or-later
// How a window tells the user what went wrong: a function the window calls
// with the message, which returns when the user has read it. Tests replace
// it to collect the messages instead.
#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

namespace tarnquil {

using Prompt = std::function<void(const QString& message)>;

// The prompt of a window: a modal message box over it, titled `title`, with
// the icon and one button, 确定. The message is shown as plain text: it
// quotes what the user typed, which is never to be read as markup.
Prompt messageBoxPrompt(QWidget* window, QMessageBox::Icon icon, const QString& title);

}  // namespace tarnquil
