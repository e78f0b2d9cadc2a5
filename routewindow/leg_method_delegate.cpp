// SPDX-License-Identifier: GPL-3.0-or-later
#include "routewindow/leg_method_delegate.h"

#include "text/method_words.h"

#include <QComboBox>

namespace tarnquil {

QWidget* LegMethodDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                         const QModelIndex&) const
{
    auto* editor = new QComboBox(parent);
    for (const nav::Method method : {nav::Method::Rhumb, nav::Method::GreatCircle})
        editor->addItem(methodLabel(method), int(method));
    editor->setAccessibleName(QStringLiteral("航法"));
    // A choice made in the list is the edit: no second key press to commit it.
    connect(editor, &QComboBox::activated, this, &LegMethodDelegate::commitAndCloseEditor);
    return editor;
}

void LegMethodDelegate::commitAndCloseEditor()
{
    auto* editor = qobject_cast<QComboBox*>(sender());
    emit commitData(editor);
    emit closeEditor(editor);
}

void LegMethodDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* combo = static_cast<QComboBox*>(editor);
    combo->setCurrentIndex(combo->findData(index.data(Qt::EditRole)));
}

void LegMethodDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                     const QModelIndex& index) const
{
    model->setData(index, static_cast<QComboBox*>(editor)->currentData(), Qt::EditRole);
}

}  // namespace tarnquil
