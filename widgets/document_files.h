// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows with a document (a route, a fix's observations) ask of
// the navigator about its files: whether changes are saved before the
// document is closed or replaced, and the name of a file to write.
#pragma once

#include "widgets/prompt.h"

#include <QString>

#include <functional>

class QWidget;

namespace tarnquil {

// The name a document's file is known by: its file name ("航线.csv"), or
// 未命名 for a document never opened or saved.
QString documentFileName(const QString& path);

// Asked before a document is closed or replaced, when it is `modified`:
// "航线“航线.csv”已修改，是否保存？", `kind` naming what the document holds
// (航线, 观测) and `path` its file. True when nothing changed, or the changes
// were saved (`save` returned true) or given up (不保存); false for 取消, or
// when saving failed, and the document stays.
bool mayDiscardChanges(bool modified, const QString& kind, const QString& path,
                       const SaveQuestion& ask, const std::function<bool()>& save);

// The save dialog over `window`, titled `title`, proposing the file
// `proposed` (a path) and adding `suffix` ("csv", no dot) to a name typed
// without one. The path chosen; empty when cancelled. The dialog is made
// only when it is needed, as every dialog of the windows.
QString askForSaveFile(QWidget* window, const QString& title, const QString& proposed,
                       const QString& filter, const QString& suffix);

// The open dialog over `window`, titled `title`, in `folder`, showing the
// files `filter` names. The path chosen; empty when cancelled.
QString askForOpenFile(QWidget* window, const QString& title, const QString& folder,
                       const QString& filter);

// Both dialogs open within nine tenths of the screen, where Qt's own file
// dialog asks for more than a small screen at 200 % has (606 by 427 of its
// 512 by 384 points), which put its buttons below the screen; the system's
// dialog, where there is one, sizes itself.

}  // namespace tarnquil
