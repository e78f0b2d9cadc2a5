// SPDX-License-Identifier: GPL-3.0-or-later
// How a window tells the user what went wrong, and asks a question: a
// function the window calls with the message, which returns when the user
// has read it (or answered). Tests replace them to collect the messages and
// to answer instead.
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

// A question with two answers: true for 是, false for 否 (or the box closed).
using Question = std::function<bool(const QString& question)>;

// The question of a window: a modal message box over it, titled `title`,
// with the question icon and the buttons 是 and 否, 是 the default, the
// question as plain text.
Question messageBoxQuestion(QWidget* window, const QString& title);

// What to do with a document's changes before it is closed or replaced.
enum class SaveChoice { Save, Discard, Cancel };
using SaveQuestion = std::function<SaveChoice(const QString& question)>;

// The question of a window with a document: a modal message box over it,
// titled `title`, with 保存 (the default), 不保存 and 取消 (also Esc).
SaveQuestion messageBoxSaveQuestion(QWidget* window, const QString& title);

}  // namespace tarnquil
