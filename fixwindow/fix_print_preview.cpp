// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixwindow/fix_print_preview.h"

#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrinter>

using namespace Qt::StringLiterals;

namespace tarnquil {

void printFixSheet(QWidget* parent, const FixSheet& sheet)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(fixPageLayout());
    printer.setDocName(u"陆标定位"_s);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(u"打印预览 — 陆标定位"_s);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&sheet](QPrinter* target) {
                         paintFixSheet(*target, sheet, QDate::currentDate());
                     });
    preview.exec();
}

}  // namespace tarnquil
