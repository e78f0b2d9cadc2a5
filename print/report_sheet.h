// SPDX-License-Identifier: GPL-3.0-or-later
// A report on paper (the 天文航海 window's page printed or written as a
// PDF): the title and the date printed, the navigator's settings one line
// each, then the report's lines as the window shows them, in a fixed-pitch
// face (text/song_face.h) so that its columns stand as on the screen. A4
// portrait; the lines that do not fit on a page go on to the next, with
// the title again. The PDF holds real text, which pdftotext and a viewer's
// search find.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

class QFont;
class QPageLayout;
class QPagedPaintDevice;

namespace tarnquil {

struct ReportSheet {
    QString title;          // 天文航海 — 天文历
    QStringList settings;   // 位置：30°10.2′N 122°05.3′E …
    QStringList lines;      // the report
};

// A4 portrait with margins of 15 mm.
QPageLayout reportPageLayout();

// The report's face at `points`, each character drawn with its own glyph
// (print/printed_route.h's printFont says why).
QFont reportFont(qreal points);

// Paints the sheet on the device, as many pages as it needs; false when
// the device cannot be painted on.
bool paintReportSheet(QPagedPaintDevice& device, const ReportSheet& sheet, const QDate& printed);

// Writes the sheet as a PDF at path by saveFile (routefiles/save_file.h);
// an empty string, or why nothing was written.
QString exportReportPdf(const QString& path, const ReportSheet& sheet,
                        const QDate& printed = QDate::currentDate());

}  // namespace tarnquil
