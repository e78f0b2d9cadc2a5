// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixwindow/observation_table_model.h"

#include <QUndoCommand>
#include <QUndoStack>

#include <array>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

struct ColumnInfo {
    QString title;
    QString toolTip;
};

const std::array<ColumnInfo, observationColumns> columnInfo{{
    {u"类型"_s, observationKindNames()},
    {u"物标"_s, u"位置，如 30°51.5′N 122°40.0′E；名称、空格再跟位置，如 花鸟山 3051.5N 12240.0E；"
               u"或另一行给过位置的名称；天体高度为天体名，如 太阳、Sirius、天狼星"_s},
    {u"物标2"_s, u"水平角的第二个物标，写法同物标；水平角从物标顺时针量到物标2；"
                u"天体高度为太阳、月亮的下边或上边，空着为下边"_s},
    {u"观测值"_s, observationValueHint()},
    {u"时间或航程"_s, u"与上一观测同时观测时空着；观测时间，如 09:30（按设定的航向、航速推算航程）；"
                   u"或自上一观测以来的航向/航程，如 090/3.5；天体高度为观测时刻，如 09:30:15"
                   u"（按设定的日期、区时），或完整的时间，如 2026-12-08 09:30:15 +8"_s},
}};

// The kind an edit gives: its number in the list (the edit role), or a text
// that names it.
const ObservationDescriptor* kindOf(const QVariant& value)
{
    if (value.typeId() == QMetaType::Int) {
        const int kind = value.toInt();
        return kind >= 0 && kind < int(observationKinds().size()) ? &observationKinds()[kind] : nullptr;
    }
    return observationKindNamed(value.toString());
}

QString& cell(ObservationRow& row, ObservationColumn column)
{
    switch (column) {
    case ObservationColumn::Mark2:
        return row.mark2;
    case ObservationColumn::Value:
        return row.value;
    case ObservationColumn::When:
        return row.when;
    default:
        return row.mark;
    }
}

// One edit of the rows, as 撤销 and 重做 name it: the rows before and after.
class RowsEdit : public QUndoCommand
{
public:
    RowsEdit(ObservationTableModel* model, QList<ObservationRow> before, QList<ObservationRow> after,
             const QString& text)
        : QUndoCommand(text), model_(model), before_(std::move(before)), after_(std::move(after))
    {
    }
    void undo() override { model_->replaceRows(before_); }
    void redo() override { model_->replaceRows(after_); }

private:
    ObservationTableModel* model_;
    QList<ObservationRow> before_;
    QList<ObservationRow> after_;
};

}  // namespace

int ObservationTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows_.size()) + 1;
}

int ObservationTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : observationColumns;
}

QVariant ObservationTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const ObservationRow row = rowAt(index.row());
    const auto column = ObservationColumn(index.column());
    switch (role) {
    case Qt::DisplayRole:
        return row.text(column);
    case Qt::EditRole:
        return column == ObservationColumn::Kind ? QVariant(int(row.kind)) : QVariant(row.text(column));
    case Qt::BackgroundRole:
    case Qt::DecorationRole:
    case Qt::ToolTipRole:
        return refusalMark_.data(refusal(index), role);
    case Qt::AccessibleDescriptionRole:
        if (const QString why = refusal(index); !why.isEmpty())
            return refusalMark_.data(why, role);
        // Qt tells screen readers every cell is enabled, whatever its flags:
        // a cell switched off says so in words.
        return isSwitchedOff(index)
                   ? QVariant(u"不适用：只有%1有%2"_s.arg(
                         secondMarkKindNames(), columnInfo[int(ObservationColumn::Mark2)].title))
                   : QVariant();
    default:
        return {};
    }
}

QVariant ObservationTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical)
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    if (section < 0 || section >= observationColumns)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return columnInfo[section].title;
    case Qt::ToolTipRole:
        return columnInfo[section].toolTip;
    default:
        return {};
    }
}

Qt::ItemFlags ObservationTableModel::flags(const QModelIndex& index) const
{
    // Only a horizontal angle has a second mark, and an altitude its limb
    // there: elsewhere the cell is off,
    // so that Tab from the mark goes on to the value, where a navigator
    // typing a bearing means to go.
    if (isSwitchedOff(index))
        return QAbstractTableModel::flags(index) & ~(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

ObservationRow ObservationTableModel::rowAt(int row) const
{
    if (row < rows_.size())
        return rows_[row];
    ObservationRow next;
    if (!rows_.isEmpty())
        next.kind = rows_.last().kind;
    return next;
}

bool ObservationTableModel::isSwitchedOff(const QModelIndex& index) const
{
    return ObservationColumn(index.column()) == ObservationColumn::Mark2
        && !describe(rowAt(index.row()).kind).hasMark2Cell();
}

bool ObservationTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    ObservationRow row = rowAt(index.row());
    const auto column = ObservationColumn(index.column());
    if (column == ObservationColumn::Kind) {
        const ObservationDescriptor* kind = kindOf(value);
        if (!kind)
            return false;
        row.kind = kind->kind;
    } else {
        cell(row, column) = value.toString();
        if (column == ObservationColumn::Mark)
            row.forms.mark = form_;
        if (column == ObservationColumn::Mark2)
            row.forms.mark2 = form_;
    }
    QList<ObservationRow> after = rows_;
    if (index.row() == rows_.size())
        after.append(row);  // the empty row becomes an observation, and a new empty row follows
    else
        after[index.row()] = row;
    edit(std::move(after), u"编辑"_s + columnInfo[index.column()].title);
    return true;
}

void ObservationTableModel::edit(QList<ObservationRow> after, const QString& text)
{
    if (after == rows_)
        return;
    if (undoStack_ != nullptr)
        undoStack_->push(new RowsEdit(this, rows_, std::move(after), text));
    else
        replaceRows(after);
}

// The rows' count changes at the end; every cell is shown anew, and the
// empty row's kind follows the last observation's.
void ObservationTableModel::replaceRows(const QList<ObservationRow>& rows)
{
    const int before = int(rows_.size());
    const int after = int(rows.size());
    if (after > before) {
        beginInsertRows({}, before + 1, after);
        rows_ = rows;
        endInsertRows();
    } else if (after < before) {
        beginRemoveRows({}, after + 1, before);
        rows_ = rows;
        endRemoveRows();
    } else {
        rows_ = rows;
    }
    emit dataChanged(index(0, 0), index(rowCount() - 1, observationColumns - 1));
    emit rowsEdited();
}

void ObservationTableModel::clearCells(const QModelIndexList& cells)
{
    QList<ObservationRow> after = rows_;
    for (const QModelIndex& index : cells) {
        if (index.row() >= after.size() || ObservationColumn(index.column()) == ObservationColumn::Kind)
            continue;
        cell(after[index.row()], ObservationColumn(index.column())).clear();
    }
    edit(std::move(after), u"清除"_s);
}

void ObservationTableModel::setObservationRows(const QList<ObservationRow>& rows)
{
    beginResetModel();
    rows_ = rows;
    refusals_.clear();
    endResetModel();
    emit rowsEdited();
}

void ObservationTableModel::insertObservation(int row)
{
    QList<ObservationRow> after = rows_;
    after.insert(std::clamp(row, 0, int(rows_.size())), ObservationRow{});
    edit(std::move(after), u"插入观测"_s);
}

void ObservationTableModel::appendObservation(const ObservationRow& row)
{
    edit(rows_ + QList<ObservationRow>{row}, u"加入"_s + describe(row.kind).name.toString());
}

void ObservationTableModel::removeObservations(QList<int> rows)
{
    std::sort(rows.begin(), rows.end(), std::greater<>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    QList<ObservationRow> after = rows_;
    int removed = 0;
    for (const int row : rows) {
        if (row < 0 || row >= after.size())
            continue;
        after.removeAt(row);
        ++removed;
    }
    edit(std::move(after), u"删除 %1 个观测"_s.arg(removed));
}

void ObservationTableModel::setRefusals(const QList<ObservationRefusal>& refusals)
{
    refusals_ = refusals;
    emit dataChanged(index(0, 0), index(rowCount() - 1, observationColumns - 1),
                     {Qt::BackgroundRole, Qt::DecorationRole, Qt::ToolTipRole,
                      Qt::AccessibleDescriptionRole});
}

QString ObservationTableModel::refusal(const QModelIndex& index) const
{
    for (const ObservationRefusal& refused : refusals_)
        if (refused.row == index.row() && int(refused.column) == index.column())
            return refused.message;
    return {};
}

}  // namespace tarnquil
