// SPDX-License-Identifier: GPL-3.0-or-later
#include "routewindow/print_preview.h"

#include "print/printed_route.h"
#include "print/route_pdf.h"

#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrinter>

using namespace Qt::StringLiterals;

namespace tarnquil {

void printRoute(QWidget* parent, const RouteDocument& route)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(routePageLayout());
    printer.setDocName(routeTitle(route));
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(u"打印预览 — "_s + routeTitle(route));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&route](QPrinter* target) {
                         paintRoute(*target, route, QDate::currentDate());
                     });
    preview.exec();
}

}  // namespace tarnquil
