// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixwindow/fix_print_preview.h"

#include "widgets/print_preview_dialog.h"

#include <QPrinter>

using namespace Qt::StringLiterals;

namespace tarnquil {

void printFixSheet(QWidget* parent, const FixSheet& sheet)
{
    previewAndPrint(parent, {u"陆标定位"_s, fixPageLayout(), [&sheet](QPrinter& target) {
                                 paintFixSheet(target, sheet, QDate::currentDate());
                             }});
}

}  // namespace tarnquil
