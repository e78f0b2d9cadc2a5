// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/named_cell_delegate.h"

using namespace Qt::StringLiterals;

namespace tarnquil {

QString cellEditorName(const QModelIndex& index)
{
    const QString column =
        index.model()->headerData(index.column(), Qt::Horizontal, Qt::DisplayRole).toString();
    return u"%1，第 %2 行"_s.arg(column.simplified()).arg(index.row() + 1);
}

QWidget* NamedCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const
{
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (editor) {
        editor->setAccessibleName(cellEditorName(index));
        editor->setAccessibleDescription(index.data(Qt::AccessibleDescriptionRole).toString());
    }
    return editor;
}

}  // namespace tarnquil
