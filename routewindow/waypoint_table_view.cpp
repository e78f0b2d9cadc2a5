// SPDX-License-Identifier: GPL-3.0-or-later
#include "routewindow/waypoint_table_view.h"

#include <QHeaderView>
#include <QScrollBar>

#include <algorithm>

namespace tarnquil {

namespace {

// Rows a window too low for everything still shows: the waypoint being
// typed and those on either side.
constexpr int rowsKept = 5;

}  // namespace

WaypointTableView::WaypointTableView(QWidget* parent)
    : EntryTableView(parent)
{
    connect(this, &EntryTableView::rowWanted, this, &WaypointTableView::waypointWanted);
}

QSize WaypointTableView::minimumSizeHint() const
{
    QSize size = EntryTableView::minimumSizeHint();
    const int rows = horizontalHeader()->sizeHint().height()
        + rowsKept * verticalHeader()->defaultSectionSize()
        + horizontalScrollBar()->sizeHint().height() + 2 * frameWidth();
    size.setHeight(std::max(size.height(), rows));
    return size;
}

}  // namespace tarnquil
