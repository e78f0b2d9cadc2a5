// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/report_sheet.h"
#include "print/pdf_text_map.h"
#include "print/printed_route.h"

#include "routefiles/save_file.h"
#include "text/song_face.h"
#include "text/version.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

constexpr qreal titlePoints = 14;
constexpr qreal bodyPoints = 9;
constexpr qreal footerPoints = 8;
constexpr qreal marginMillimetres = 15;

QList<QFont> sheetFonts()
{
    return {printFont(titlePoints, true), printFont(footerPoints), reportFont(bodyPoints)};
}

// The title and the date on top of a page; returns the height they take.
qreal paintHead(QPainter& painter, const QRectF& page, const ReportSheet& sheet, const QDate& printed)
{
    const QFont titleFont = printFont(titlePoints, true);
    const qreal height = QFontMetricsF(titleFont, painter.device()).lineSpacing();
    const QRectF band(page.left(), page.top(), page.width(), height);
    painter.setFont(titleFont);
    painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, sheet.title);
    painter.setFont(printFont(footerPoints));
    painter.drawText(band, Qt::AlignRight | Qt::AlignVCenter, u"打印日期："_s + printed.toString(Qt::ISODate));
    return height * 1.5;
}

bool paintSheet(QPainter& painter, QPagedPaintDevice& device, const ReportSheet& sheet,
                const QDate& printed)
{
    const QRectF page(0, 0, device.width(), device.height());
    const QFont body = reportFont(bodyPoints);
    const qreal lineHeight = QFontMetricsF(body, &device).lineSpacing();
    // The settings, a blank line, then the report.
    const QStringList lines = sheet.settings + QStringList{QString()} + sheet.lines;
    qsizetype next = 0;
    do {
        if (next > 0 && !device.newPage())
            return false;
        painter.setPen(Qt::black);
        qreal top = page.top() + paintHead(painter, page, sheet, printed);
        painter.setFont(body);
        // At least one line a page, however small the page.
        do {
            painter.drawText(QRectF(page.left(), top, page.width(), lineHeight),
                             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, lines[next]);
            top += lineHeight;
            ++next;
        } while (next < lines.size() && top + lineHeight <= page.bottom());
    } while (next < lines.size());
    return true;
}

QByteArray pdfOf(const ReportSheet& sheet, const QDate& printed)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(reportPageLayout());
    writer.setTitle(sheet.title);
    writer.setCreator(u"Tarnquil "_s + QString::fromUtf16(programVersion));
    paintReportSheet(writer, sheet, printed);
    return buffer.data();
}

}  // namespace

QPageLayout reportPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(marginMillimetres, marginMillimetres, marginMillimetres,
                                 marginMillimetres),
                       QPageLayout::Millimeter);
}

QFont reportFont(qreal points)
{
    QFont font;
    font.setFamilies(fixedPitchFamilies());
    font.setFixedPitch(true);
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(points);
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

bool paintReportSheet(QPagedPaintDevice& device, const ReportSheet& sheet, const QDate& printed)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const bool painted = paintSheet(painter, device, sheet, printed);
    return painter.end() && painted;
}

QString exportReportPdf(const QString& path, const ReportSheet& sheet, const QDate& printed)
{
    QByteArray pdf = pdfOf(sheet, printed);
    mapSharedGlyphsToIdeographs(pdf, sheetFonts());
    return saveFile(path, pdf);
}

}  // namespace tarnquil
