// SPDX-License-Identifier: GPL-3.0-or-later
// The waypoint table's keys are a spreadsheet's (EntryTableView), so that a
// passage can be typed in one run:
//   typing (or an input method's text) into an empty table starts the first
//   waypoint, at its name;
//   Enter commits the cell and moves on to the next cell to fill in
//   (名称, 纬度, 经度, then 航法 from the second row on), then to the next
//   row; after the last row's last such cell it starts a new waypoint;
//   Tab and Shift+Tab move between those cells the same way, and leave the
//   table only past its last cell or before its first;
//   Home goes to the row's name (Ctrl+Home to the first row's), not to the
//   read-only 序号;
//   Esc closes the editor and leaves the text as it was.
// The cells to fill in are the editable ones (the model's flags); the
// computed columns are reached with the arrow keys, as are all cells.
//
// However small the window, the table keeps room for its header and a few
// rows; the panels around it scroll instead (PanelArea).
#pragma once

#include "widgets/entry_table_view.h"

namespace tarnquil {

class WaypointTableView : public EntryTableView
{
    Q_OBJECT

public:
    explicit WaypointTableView(QWidget* parent = nullptr);

    QSize minimumSizeHint() const override;

signals:
    // A new waypoint is wanted in `row`: the window adds it as one undo step
    // and makes its name the current cell before it returns.
    void waypointWanted(int row);
};

}  // namespace tarnquil
