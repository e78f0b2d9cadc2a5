// SPDX-License-Identifier: GPL-3.0-or-later
#include "routewindow/print_preview.h"

#include "print/printed_route.h"
#include "print/route_pdf.h"
#include "widgets/print_preview_dialog.h"

#include <QPaintEngine>
#include <QPrinter>

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
    previewAndPrint(parent, {routeTitle(route), routePageLayout(),
                             [&route, &error](QPrinter& target) {
                                 paintRoute(target, route, QDate::currentDate());
                                 if (writesPdfFile(target))
                                     error = mendPrintedPdf(target.outputFileName());
                             }});
    return error;
}

}  // namespace tarnquil
