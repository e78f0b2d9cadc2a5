// SPDX-License-Identifier: GPL-3.0-or-later
// A window's status bar, as screen readers read it, and its messages
// about fields.
//
// QStatusBar paints its message itself, where no screen reader finds it.
// Here a label that fills the status bar shows every message instead (set by
// QStatusBar::showMessage as before, so every caller stays as it is): the
// status bar, its role status bar and named 状态栏, has the message as its
// child's text and as its own description, and tells screen readers when it
// changes.
//
// A message about a field (a refused speed, departure or cell) belongs to
// the field: it goes once the field reads, and a message about another field
// still refused comes back in its place. Any other message stays until the
// next one.
#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <utility>

class QLabel;
class QStatusBar;

namespace tarnquil {

class StatusLine : public QObject
{
public:
    explicit StatusLine(QStatusBar* bar);

    // Shows `message` about `field`, when it is a new one; an empty message
    // says the field reads now.
    void setFieldMessage(const QObject* field, const QString& message);

private:
    QStatusBar* bar_;
    QLabel* label_;
    QList<std::pair<const QObject*, QString>> fieldMessages_;  // oldest first
};

}  // namespace tarnquil
