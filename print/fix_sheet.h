// SPDX-License-Identifier: GPL-3.0-or-later
// A fix on one sheet: the plot (fix_plot_painter.h) on the left, and on the
// right the settings, the observations as entered and the answer (the fix
// and its figures, or why there is none), under the title 陆标定位 and the
// date. The same sheet is printed, written as a PDF (A4 landscape), as a
// PNG image (the page at 150 pixels per inch) and copied as an image. The
// PDF holds real text, so that pdftotext and a viewer's search find the fix.
#pragma once

#include "print/fix_plot_painter.h"

#include <QDate>
#include <QImage>
#include <QStringList>

class QPageLayout;
class QPagedPaintDevice;

namespace tarnquil {

struct FixSheet {
    FixDrawing drawing;
    QStringList settings;      // 地球模型：WGS-84 …, one line each
    QStringList observations;  // one line each, as the navigator entered them
    QStringList answer;        // the fix first, then its figures; or the refusal
};

// A4 landscape with margins of 12 mm.
QPageLayout fixPageLayout();

// Paints the sheet on every page of the device (one page); false when the
// device cannot be painted on.
bool paintFixSheet(QPagedPaintDevice& device, const FixSheet& sheet, const QDate& printed);

// The page as an image, white, 150 pixels per inch.
QImage fixSheetImage(const FixSheet& sheet, const QDate& printed);

// Write the sheet as a PDF or PNG file at path by saveFile
// (routefiles/save_file.h); an empty string, or why nothing was written.
QString exportFixPdf(const QString& path, const FixSheet& sheet,
                     const QDate& printed = QDate::currentDate());
QString exportFixPng(const QString& path, const FixSheet& sheet,
                     const QDate& printed = QDate::currentDate());

}  // namespace tarnquil
