// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text/observation_rows.h"
#include "widgets/refusal_mark.h"

#include <QAbstractTableModel>
#include <QUndoStack>

namespace tarnquil {

// The fix window's observations (observation_rows.h) as a table, always with
// an empty row at its end to type the next observation into, of the last
// observation's kind: a series of bearings is typed without choosing the
// kind again. The kind's edit role is its number in observationKinds()
// (text/observation_kinds.h); it also takes any text observationKindNamed
// reads (水平角, 水, 3), as typed or pasted. A refused cell carries the
// refusal mark (widgets/refusal_mark.h): tint, icon, and its refusal as
// tooltip and accessible description. The second mark's cell is off
// (neither enabled nor selectable) but on the row of a kind that has one,
// and its accessible description says why.
class ObservationTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // The rows typed, without the empty one at the end.
    const QList<ObservationRow>& observationRows() const { return rows_; }
    // Replaces every row (a file opened): no undo step.
    void setObservationRows(const QList<ObservationRow>& rows);
    // Each edit from now on (a cell, an insertion, a removal, cells
    // cleared) is one step of `stack`, which 撤销 undoes.
    void setUndoStack(QUndoStack* stack) { undoStack_ = stack; }
    // Empties the text cells among `cells`; the kinds stay.
    void clearCells(const QModelIndexList& cells);
    // The rows as `rows`, shown anew: what an edit and its undo do.
    void replaceRows(const QList<ObservationRow>& rows);
    // The form a mark typed from now on is read in; each mark keeps its own.
    void setForm(geo::NumberForm form) { form_ = form; }
    void insertObservation(int row);
    // After the last observation, as one step.
    void appendObservation(const ObservationRow& row);
    void removeObservations(QList<int> rows);

    void setRefusals(const QList<ObservationRefusal>& refusals);
    QString refusal(const QModelIndex& index) const;

signals:
    // After every change of the rows' texts.
    void rowsEdited();

private:
    // The row's texts; past the observations, the empty row's.
    ObservationRow rowAt(int row) const;
    // The second mark's cell of a row whose kind has none.
    bool isSwitchedOff(const QModelIndex& index) const;

    QList<ObservationRow> rows_;
    QList<ObservationRefusal> refusals_;
    void edit(QList<ObservationRow> after, const QString& text);

    geo::NumberForm form_ = geo::NumberForm::Minutes;
    QUndoStack* undoStack_ = nullptr;
    CellRefusalMark refusalMark_;
};

}  // namespace tarnquil
