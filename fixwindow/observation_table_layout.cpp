// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixwindow/observation_table_layout.h"

#include "fixwindow/observation_table_model.h"
#include "widgets/entry_table_view.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QtMath>

namespace tarnquil {

namespace {

// The table's columns in digits and ideographs of the font: room for a
// whole position with a short name, a number, a time or a run.
struct ColumnWidth {
    ObservationColumn column;
    qreal digits;
    qreal ideographs;
};
constexpr ColumnWidth columnWidths[] = {
    {ObservationColumn::Kind, 0, 3},
    {ObservationColumn::Mark, 22, 2},
    {ObservationColumn::Mark2, 16, 0},
    {ObservationColumn::Value, 6, 0},
    {ObservationColumn::When, 6, 3},
};

}  // namespace

int layOutObservationTable(EntryTableView* table)
{
    const QFontMetricsF metrics(table->font());
    const qreal digit = metrics.horizontalAdvance(u'0');
    const qreal ideograph = metrics.horizontalAdvance(u'航');
    int tableWidth = 0;
    for (const ColumnWidth& width : columnWidths) {
        const int pixels = qCeil(width.digits * digit + (width.ideographs + 1) * ideograph);
        table->horizontalHeader()->resizeSection(int(width.column), pixels);
        tableWidth += pixels;
    }
    table->horizontalHeader()->setStretchLastSection(true);
    tableWidth += table->verticalHeader()->sizeHint().width() + 2 * table->frameWidth() +
                  table->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // However low the window, the table keeps its header and a few rows;
    // the panels above and below it scroll instead.
    constexpr int rowsKept = 5;
    table->setMinimumHeight(table->horizontalHeader()->sizeHint().height() +
                            rowsKept * table->verticalHeader()->defaultSectionSize() +
                            table->horizontalScrollBar()->sizeHint().height() +
                            2 * table->frameWidth());
    return tableWidth;
}

}  // namespace tarnquil
