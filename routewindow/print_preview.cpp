// SPDX-License-Identifier: GPL-3.0-or-later
#include "routewindow/print_preview.h"

#include "print/printed_route.h"
#include "print/route_pdf.h"

#include <QPageLayout>
#include <QPaintEngine>
#include <QPrintPreviewDialog>
#include <QPrinter>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

// Whether the printer writes a PDF file, rather than a page of the preview,
// which paints on an engine of its own, or a printer's job.
bool writesPdfFile(QPrinter& printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()
        && printer.paintEngine()->type() == QPaintEngine::Pdf;
}

}  // namespace

QString printRoute(QWidget* parent, const RouteDocument& route)
{
    QString error;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(routePageLayout());
    printer.setDocName(routeTitle(route));
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(u"打印预览 — "_s + routeTitle(route));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&route, &error](QPrinter* target) {
                         paintRoute(*target, route, QDate::currentDate());
                         if (writesPdfFile(*target))
                             error = mendPrintedPdf(target->outputFileName());
                     });
    preview.exec();
    return error;
}

}  // namespace tarnquil
