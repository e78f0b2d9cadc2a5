// SPDX-License-Identifier: GPL-3.0-or-later
// The editor of a table's text cell, named for screen readers: a cell being
// typed into is announced by its column and row ("物标，第 2 行"), and a
// refused cell's reason (Qt::AccessibleDescriptionRole, refusal_mark.h) as
// the editor's description, where a bare line edit would be announced as
// "编辑" alone. Typing, committing and drawing are the styled delegate's.
#pragma once

#include <QStyledItemDelegate>

namespace tarnquil {

class NamedCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
};

// What the editor of `index` is called: its column's title and its row,
// counted from 1.
//   物标，第 2 行
QString cellEditorName(const QModelIndex& index);

}  // namespace tarnquil
