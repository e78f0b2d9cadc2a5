// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/fix_sheet.h"
#include "print/pdf_text_map.h"
#include "print/printed_route.h"

#include "routefiles/save_file.h"
#include "text/version.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

constexpr qreal titlePoints = 14;
constexpr qreal headingPoints = 10;
constexpr qreal bodyPoints = 9;
constexpr qreal footerPoints = 8;
constexpr qreal marginMillimetres = 12;
constexpr qreal plotShare = 0.62;  // of the page's width, at most
constexpr int imageDotsPerInch = 150;
constexpr qreal inchesPerMetre = 39.37007874015748;
const QString title = u"陆标定位"_s;

QList<QFont> sheetFonts()
{
    return {printFont(titlePoints, true), printFont(headingPoints, true), printFont(bodyPoints),
            printFont(footerPoints)};
}

// Writes a paragraph into the column from `top`, wrapped; returns where the
// next begins.
qreal paragraph(QPainter& painter, const QRectF& column, qreal top, const QString& text,
                const QFont& font)
{
    painter.setFont(font);
    const QRectF room(column.left(), top, column.width(), column.bottom() - top);
    QRectF used;
    painter.drawText(room, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text, &used);
    return top + used.height();
}

void paintSheet(QPainter& painter, const QRectF& page, const FixSheet& sheet, const QDate& printed)
{
    painter.save();
    painter.setPen(Qt::black);
    const QFont titleFont = printFont(titlePoints, true);
    const qreal titleHeight = QFontMetricsF(titleFont, painter.device()).lineSpacing();
    painter.setFont(titleFont);
    painter.drawText(QRectF(page.left(), page.top(), page.width(), titleHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, title);
    painter.setFont(printFont(footerPoints));
    painter.drawText(QRectF(page.left(), page.top(), page.width(), titleHeight),
                     Qt::AlignRight | Qt::AlignVCenter,
                     u"打印日期："_s + printed.toString(Qt::ISODate));

    const qreal gap = titleHeight / 2;
    const QRectF body(page.left(), page.top() + titleHeight + gap, page.width(),
                      page.height() - titleHeight - gap);
    const qreal side = std::min(body.height(), body.width() * plotShare);
    const QRectF plotArea(body.topLeft(), QSizeF(side, side));
    painter.setFont(printFont(bodyPoints));
    paintFixPlot(painter, plotArea, plotFor(sheet.drawing, plotArea.size()),
                 sheet.drawing.markNames);
    painter.setPen(Qt::black);
    painter.drawRect(plotArea);

    const QRectF column(plotArea.right() + 2 * gap, body.top(),
                        body.right() - plotArea.right() - 2 * gap, body.height());
    qreal top = column.top();
    const auto section = [&](const QString& heading, const QStringList& lines) {
        if (lines.isEmpty())
            return;
        top = paragraph(painter, column, top, heading, printFont(headingPoints, true));
        for (const QString& line : lines)
            top = paragraph(painter, column, top, line, printFont(bodyPoints));
        top += gap / 2;
    };
    section(u"定位结果"_s, sheet.answer);
    section(u"观测"_s, sheet.observations);
    section(u"设定"_s, sheet.settings);
    painter.restore();
}

QByteArray pdfOf(const FixSheet& sheet, const QDate& printed)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(fixPageLayout());
    writer.setTitle(title);
    writer.setCreator(u"Tarnquil "_s + QString::fromUtf16(programVersion));
    paintFixSheet(writer, sheet, printed);
    return buffer.data();
}

}  // namespace

QPageLayout fixPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                       QMarginsF(marginMillimetres, marginMillimetres, marginMillimetres,
                                 marginMillimetres),
                       QPageLayout::Millimeter);
}

bool paintFixSheet(QPagedPaintDevice& device, const FixSheet& sheet, const QDate& printed)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    paintSheet(painter, QRectF(0, 0, device.width(), device.height()), sheet, printed);
    return painter.end();
}

QImage fixSheetImage(const FixSheet& sheet, const QDate& printed)
{
    const QPageLayout layout = fixPageLayout();
    const QRect full = layout.fullRectPixels(imageDotsPerInch);
    const QRect inside = layout.paintRectPixels(imageDotsPerInch);
    QImage image(full.size(), QImage::Format_RGB32);
    const int dotsPerMetre = qRound(imageDotsPerInch * inchesPerMetre);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintSheet(painter, QRectF(inside), sheet, printed);
    painter.end();
    return image;
}

QString exportFixPdf(const QString& path, const FixSheet& sheet, const QDate& printed)
{
    QByteArray pdf = pdfOf(sheet, printed);
    mapSharedGlyphsToIdeographs(pdf, sheetFonts());
    return saveFile(path, pdf);
}

QString exportFixPng(const QString& path, const FixSheet& sheet, const QDate& printed)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    fixSheetImage(sheet, printed).save(&buffer, "PNG");
    return saveFile(path, png);
}

}  // namespace tarnquil
