// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/fix_sheet.h"

class QWidget;

namespace tarnquil {

// Shows the print preview of the fix's sheet (print/fix_sheet.h) over
// parent; its toolbar prints through Qt's print dialog. Returns when the
// preview is closed.
void printFixSheet(QWidget* parent, const FixSheet& sheet);

}  // namespace tarnquil
