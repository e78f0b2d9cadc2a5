// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/choice_delegate.h"

#include <QComboBox>
#include <QKeyEvent>

#include <utility>

namespace tarnquil {

ChoiceDelegate::ChoiceDelegate(QList<Choice> choices, QString listName, QObject* parent)
    : QStyledItemDelegate(parent)
    , choices_(std::move(choices))
    , listName_(std::move(listName))
{
}

QWidget* ChoiceDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                      const QModelIndex&) const
{
    auto* editor = new QComboBox(parent);
    for (const Choice& choice : choices_)
        editor->addItem(choice.label, choice.value);
    editor->setAccessibleName(listName_);
    connect(editor, &QComboBox::activated, this, &ChoiceDelegate::commitChosen);
    return editor;
}

void ChoiceDelegate::commitChosen()
{
    commitAndCloseEditor(qobject_cast<QWidget*>(sender()));
}

void ChoiceDelegate::commitAndCloseEditor(QWidget* editor)
{
    emit commitData(editor);
    emit closeEditor(editor);
}

void ChoiceDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* combo = static_cast<QComboBox*>(editor);
    combo->setCurrentIndex(combo->findData(index.data(Qt::EditRole)));
}

void ChoiceDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                  const QModelIndex& index) const
{
    model->setData(index, static_cast<QComboBox*>(editor)->currentData(), Qt::EditRole);
}

// A digit as typed: on the main keyboard or the keypad, with no command
// key held; Shift is part of how some layouts type them.
std::optional<int> ChoiceDelegate::digitOf(const QEvent* event)
{
    if (event == nullptr || event->type() != QEvent::KeyPress)
        return std::nullopt;
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    const QString text = key->text();
    if (text.size() != 1 || text.front() < u'0' || text.front() > u'9')
        return std::nullopt;
    return text.front().unicode() - u'0';
}

std::optional<int> ChoiceDelegate::choiceOf(int digit) const
{
    if (digit < 1 || digit > choices_.size())
        return std::nullopt;
    return digit - 1;
}

// The view offers the delegate a key typed into the current cell before it
// opens an editor for it.
bool ChoiceDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                 const QStyleOptionViewItem& option, const QModelIndex& index)
{
    const std::optional<int> digit = digitOf(event);
    if (!digit)
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    if (const std::optional<int> choice = choiceOf(*digit); choice && (index.flags() & Qt::ItemIsEditable))
        model->setData(index, choices_[*choice].value, Qt::EditRole);
    return true;
}

// The view installs the delegate as the event filter of every editor it
// opens.
bool ChoiceDelegate::eventFilter(QObject* object, QEvent* event)
{
    auto* combo = qobject_cast<QComboBox*>(object);
    const std::optional<int> digit = combo != nullptr ? digitOf(event) : std::nullopt;
    if (!digit)
        return QStyledItemDelegate::eventFilter(object, event);
    if (const std::optional<int> choice = choiceOf(*digit)) {
        combo->setCurrentIndex(*choice);
        commitAndCloseEditor(combo);
    }
    return true;
}

}  // namespace tarnquil
