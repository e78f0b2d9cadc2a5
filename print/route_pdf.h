// SPDX-License-Identifier: GPL-3.0-or-later
// A route's leg table on paper and in PDF files.
//
// The pages are A4 landscape unless the printer is set otherwise, so that
// all sixteen columns of the leg table stand side by side in a 9-point Song
// face, the name and the remark wrapping within their columns. The first
// page opens with the title: the route's name, the model, the speed, the
// departure time with its zone (未设定 when not given) and the zone the
// arrival times are in. The table follows, every cell's text as the route's
// rows (makeRouteTable) have it, each time with its zone, the course and
// distance of each leg's own method (RL 恒向线, GC 大圆) in bold; each page
// it runs onto repeats its header row. After it come the totals
// (totalsText: the distance, the time as "d天 h:mm", the arrival with its
// zone, the average speed; — where the route has none) and the texts that
// gave no position, with why. Every page ends
// with the date printed, the title and the page's number.
//
// The PDF holds real text, so that pdftotext and a viewer's search find the
// numbers as they stand in the table.
#pragma once

#include "routefiles/route_document.h"

#include <QDate>
#include <QString>

class QPageLayout;
class QPagedPaintDevice;

namespace tarnquil {

// A4 landscape with margins of 12 mm: what exportRoutePdf writes and what the
// print dialog offers first.
QPageLayout routePageLayout();

// Lays the route out on the device's page layout and paints every page, with
// the date printed at their foot. Returns false when the device could not be
// painted on (a printer that cannot be opened).
bool paintRoute(QPagedPaintDevice& device, const RouteDocument& route, const QDate& printed);

// Writes the route as a PDF file at path by saveFile (routefiles/save_file.h):
// a failed write leaves an existing file as it was. Returns an empty string,
// or why nothing was written, a Chinese sentence naming the file:
//   无法保存文件“/media/u/航线.pdf”：No space left on device。
QString exportRoutePdf(const QString& path, const RouteDocument& route,
                       const QDate& printed = QDate::currentDate());

// Mends the text of a PDF file that a printer wrote by paintRoute (a print
// dialog's 打印到文件) as exportRoutePdf mends its own, so that a search for
// 长江口 finds it, and writes it back by saveFile. Returns an empty string,
// or why the file could not be read or written, as exportRoutePdf does.
QString mendPrintedPdf(const QString& path);

}  // namespace tarnquil
