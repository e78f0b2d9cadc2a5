// SPDX-License-Identifier: GPL-3.0-or-later
// Edits a cell whose value is one of a few choices (a leg's 航法, an
// observation's 类型) with a drop-down list of them; the model's edit role
// holds the chosen value. A choice made in the list is the edit: no second
// key press commits it.
//
// The digit keys choose too, the n-th choice for n (from 1), as the
// navigator counts down the list: with the cell current, 2 makes the second
// choice the cell's value at once, without opening the list; with the list
// open, 2 takes the second choice and closes it. A digit beyond the list
// (3 of two choices), 0, and a digit in a cell that cannot be edited change
// nothing and open no list.
#pragma once

#include <QList>
#include <QString>
#include <QStyledItemDelegate>

#include <optional>

namespace tarnquil {

struct Choice {
    QString label;  // as the list shows it
    int value;      // as the model's edit role holds it
};

class ChoiceDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    // The choices in the order the list shows them; the list's name for
    // screen readers.
    ChoiceDelegate(QList<Choice> choices, QString listName, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    // The digit a key press types, if it types one.
    static std::optional<int> digitOf(const QEvent* event);
    // The choice (from 0) a digit names, if it names one.
    std::optional<int> choiceOf(int digit) const;
    void commitChosen();
    void commitAndCloseEditor(QWidget* editor);

    QList<Choice> choices_;
    QString listName_;
};

}  // namespace tarnquil
