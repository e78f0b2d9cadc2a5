// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/route_pdf.h"
#include "print/pdf_text_map.h"
#include "print/printed_route.h"
#include "print/table_pages.h"

#include "routefiles/save_file.h"
#include "text/file_messages.h"
#include "text/version.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

constexpr qreal footerPoints = 8;
constexpr qreal marginMillimetres = 12;

// The foot of each page: a rule, the date printed, the title and the page's
// number.
void paintFooter(QPainter& painter, QRectF area, const RouteDocument& route,
                 const QDate& printed, int page, int pages)
{
    painter.save();
    QPen pen(Qt::black);
    pen.setWidthF(printRuleWidth * pixelsPerUnit(*painter.device()));
    painter.setPen(pen);
    painter.drawLine(area.topLeft(), area.topRight());
    painter.setFont(printFont(footerPoints));
    const int flags = Qt::AlignBottom | Qt::TextSingleLine;
    const QString title = painter.fontMetrics().elidedText(routeTitle(route), Qt::ElideMiddle,
                                                           int(area.width() / 2));
    painter.drawText(area, flags | Qt::AlignLeft,
                     u"打印日期："_s + printed.toString(Qt::ISODate));
    painter.drawText(area, flags | Qt::AlignHCenter, title);
    painter.drawText(area, flags | Qt::AlignRight, u"第 %1 页，共 %2 页"_s.arg(page).arg(pages));
    painter.restore();
}

// The text map names the ideographs of both faces the route is printed in.
void mendText(QByteArray& pdf)
{
    mapSharedGlyphsToIdeographs(pdf, {printFont(footerPoints), printFont(footerPoints, true)});
}

QByteArray pdfOf(const RouteDocument& route, const QDate& printed)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(routePageLayout());
    writer.setTitle(routeTitle(route));
    writer.setCreator(u"Tarnquil "_s + QString::fromUtf16(programVersion));
    paintRoute(writer, route, printed);
    return buffer.data();
}

}  // namespace

QPageLayout routePageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                       QMarginsF(marginMillimetres, marginMillimetres, marginMillimetres,
                                 marginMillimetres),
                       QPageLayout::Millimeter);
}

bool paintRoute(QPagedPaintDevice& device, const RouteDocument& route, const QDate& printed)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // The painter's origin is the top left of the page's printable area.
    // A line of the footer's text between the rule and the text, and another
    // between the body and the rule.
    const qreal line = QFontMetricsF(printFont(footerPoints), &device).lineSpacing();
    const QRectF footer(0, device.height() - 2 * line, device.width(), 2 * line);

    QTextDocument document;
    document.documentLayout()->setPaintDevice(&device);
    document.setTextWidth(device.width());
    const QTextTable* table = addPrintedRoute(document, route, device);
    const QList<DocumentPage> pages = tablePages(document, *table, footer.top() - line);
    for (qsizetype page = 0; page < pages.size(); ++page) {
        if (page > 0)
            device.newPage();
        paintDocumentPage(painter, document, pages[page]);
        paintFooter(painter, footer, route, printed, int(page) + 1, int(pages.size()));
    }
    return painter.end();
}

QString exportRoutePdf(const QString& path, const RouteDocument& route, const QDate& printed)
{
    QByteArray pdf = pdfOf(route, printed);
    mendText(pdf);
    return saveFile(path, pdf);
}

QString mendPrintedPdf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return openFailure(path, file.errorString());
    QByteArray pdf = file.readAll();
    file.close();
    mendText(pdf);
    return saveFile(path, pdf);
}

}  // namespace tarnquil
