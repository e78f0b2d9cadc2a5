// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixwindow/observation_kind_delegate.h"

#include "text/observation_kinds.h"

#include <QComboBox>

using namespace Qt::StringLiterals;

namespace tarnquil {

QWidget* ObservationKindDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                               const QModelIndex&) const
{
    auto* editor = new QComboBox(parent);
    for (const ObservationDescriptor& kind : observationKinds())
        editor->addItem(kind.name.toString(), int(kind.kind));
    editor->setAccessibleName(u"观测类型"_s);
    // A choice made in the list is the edit: no second key press to commit it.
    connect(editor, &QComboBox::activated, this, &ObservationKindDelegate::commitAndCloseEditor);
    return editor;
}

void ObservationKindDelegate::commitAndCloseEditor()
{
    auto* editor = qobject_cast<QComboBox*>(sender());
    emit commitData(editor);
    emit closeEditor(editor);
}

void ObservationKindDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* combo = static_cast<QComboBox*>(editor);
    combo->setCurrentIndex(combo->findData(index.data(Qt::EditRole)));
}

void ObservationKindDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                           const QModelIndex& index) const
{
    model->setData(index, static_cast<QComboBox*>(editor)->currentData(), Qt::EditRole);
}

}  // namespace tarnquil
