// SPDX-License-Identifier: GPL-3.0-or-later
#include "routewindow/waypoint_table_layout.h"

#include "routewindow/waypoint_columns.h"
#include "routewindow/waypoint_table_model.h"
#include "routewindow/waypoint_table_view.h"

#include <QFontMetricsF>
#include <QHeaderView>
#include <QLineEdit>
#include <QtMath>

#include <algorithm>

namespace tarnquil {

namespace {

// The font's digit and ideograph widths, in pixels.
struct Advances {
    qreal digit;
    qreal ideograph;

    explicit Advances(const QFontMetricsF& metrics)
        : digit(metrics.horizontalAdvance(u'0'))
        , ideograph(metrics.horizontalAdvance(u'航'))
    {
    }

    int width(qreal digits, qreal ideographs) const
    {
        return qCeil(digits * digit + ideographs * ideograph);
    }
};

}  // namespace

void layOutWaypointTable(WaypointTableView* table, WaypointTableModel* model)
{
    QHeaderView* header = table->horizontalHeader();
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    table->verticalHeader()->hide();
    table->setModel(model);
    const Advances advances{QFontMetricsF(table->font())};
    const int padding = advances.width(0, 1);
    const int iconRoom = table->iconSize().width() > 0 ? table->iconSize().width() : 16;
    for (const waypoint_table::ColumnInfo& info : waypoint_table::columns) {
        int width = std::max(advances.width(info.digits, 0), advances.width(0, info.ideographs));
        if (waypoint_table::isCoordinate(info.column))
            width += iconRoom;
        header->resizeSection(info.column, width + padding);
    }
    // Every other width stays as set.
    header->setSectionResizeMode(WaypointTableModel::Name, QHeaderView::Stretch);
    QHeaderView* rows = table->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    const int lineHeight = QFontMetrics(table->font()).height();
    rows->setDefaultSectionSize(std::max(lineHeight, iconRoom) + lineHeight / 2);
}

void sizeReckoningFields(const QList<QLineEdit*>& positions, const QList<QLineEdit*>& numbers,
                         const QList<QLineEdit*>& results)
{
    if (positions.isEmpty())
        return;
    const Advances advances{QFontMetricsF(positions.front()->font())};
    const int padding = advances.width(0, 1);
    for (QLineEdit* field : positions)
        field->setMinimumWidth(advances.width(22, 0) + padding);
    for (QLineEdit* number : numbers)
        number->setMaximumWidth(advances.width(9, 0) + padding);
    // 无（对地不动）, or +12.6°（左舷受流）.
    for (QLineEdit* result : results)
        result->setMinimumWidth(advances.width(6, 6) + padding);
}

}  // namespace tarnquil
