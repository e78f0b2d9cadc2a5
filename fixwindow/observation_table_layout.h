// SPDX-License-Identifier: GPL-3.0-or-later
// The widths and least height of the fix window's observation table, from
// its font: room in each column for a whole position with a short name (物标),
// a number (观测值), a time or a run (时间或航程), the last column taking
// what is left; rows of one fixed height, never measured; however low the
// window, the table keeps its header and five rows.
#pragma once

namespace tarnquil {

class EntryTableView;

// Lays the table out, its model set; returns the width its columns, row
// header, frame and scroll bar take, which the window gives the inputs.
int layOutObservationTable(EntryTableView* table);

}  // namespace tarnquil
