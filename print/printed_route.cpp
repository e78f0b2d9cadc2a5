// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/printed_route.h"

#include "nav/display.h"
#include "nav/eta_zone.h"
#include "text/method_words.h"
#include "text/song_face.h"
#include "text/utf8_text.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPaintDevice>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <array>
#include <cmath>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

constexpr qreal titlePoints = 15;
constexpr qreal textPoints = 10;
constexpr qreal tablePoints = 9;

// Lengths of the document's formats are in pixels of 1/96 inch, which the
// layout scales to the device.
constexpr qreal cellPadding = 2;
constexpr qreal cellInset = 4;  // besides the padding, left and right of a cell's text
constexpr qreal paragraphGap = 6;
const QColor headerShade(0xE6, 0xE6, 0xE6);

const QString notGiven = u"未设定"_s;

// No column but the name's and the remark's is wider than this share of the page, in percent:
// a long text that gave no position wraps rather than squeezes the others.
constexpr qreal widestColumnPercent = 15;

QString speedText(const std::optional<double>& knots)
{
    return knots ? QString::number(*knots, 'g', QLocale::FloatingPointShortest) + u" 节"_s
                 : notGiven;
}

QTextCharFormat textFormat(qreal points, bool bold = false)
{
    QTextCharFormat format;
    format.setFont(printFont(points, bold));
    return format;
}

QTextBlockFormat paragraph(qreal gapBefore, qreal gapAfter)
{
    QTextBlockFormat block;
    block.setTopMargin(gapBefore);
    block.setBottomMargin(gapAfter);
    return block;
}

// Writes a paragraph into the empty block the cursor is in.
void fillParagraph(QTextCursor& cursor, const QString& text, const QTextCharFormat& format,
                   const QTextBlockFormat& block)
{
    cursor.setBlockFormat(block);
    cursor.setBlockCharFormat(format);
    cursor.insertText(text, format);
}

void addParagraph(QTextCursor& cursor, const QString& text, const QTextCharFormat& format,
                  qreal gapAfter = paragraphGap)
{
    cursor.insertBlock();
    fillParagraph(cursor, text, format, paragraph(0, gapAfter));
}

void addTitle(QTextCursor& cursor, const RouteDocument& route)
{
    const RouteSettings& settings = route.settings;
    fillParagraph(cursor, routeTitle(route), textFormat(titlePoints, true),
                  paragraph(0, paragraphGap));
    const QString departure =
        settings.departure
            ? fromUtf8(nav::formatZonedTime({*settings.departure, settings.departureZone}))
            : notGiven;
    addParagraph(cursor,
                 u"地球模型：%1　　航速：%2　　开航时间：%3　　预计到达按%4"_s.arg(
                     fromUtf8(nav::modelName(settings.model)), speedText(settings.speed), departure,
                     fromUtf8(nav::etaZoneName(settings.etaZone))),
                 textFormat(textPoints), 2);
    QStringList methods;
    for (const nav::Method method : {nav::Method::Rhumb, nav::Method::GreatCircle})
        methods << methodCell(method) + u" 为"_s + fromUtf8(nav::methodName(method));
    addParagraph(cursor,
                 u"航向为真航向（度），航程单位为海里，航速单位为节（空为航线航速）；"
                 u"航法 %1，粗体为各航段所用航法的航向与航程。"_s.arg(
                     methods.join(u"，"_s)),
                 textFormat(tablePoints));
}

// The texts the navigator typed at any length, which wrap in what room the
// figures leave them.
bool isFreeText(LegColumn column)
{
    return column == LegColumn::Name || column == LegColumn::Remark;
}

// The header's titles and the columns' widths.
struct PrintedColumns {
    QStringList titles;
    QList<QTextLength> widths;
};

// Each column as wide as its widest text, title included, and the name's
// and the remark's the rest of the page. A title of more than two
// ideographs wider than the column's texts takes two lines, broken in its
// middle (恒向线 / 航向), rather than the room of a name.
PrintedColumns printedColumns(const QList<RouteTableRow>& rows, QPaintDevice& device)
{
    const QFontMetricsF metrics(printFont(tablePoints, true), &device);  // bold is the wider
    // Qt wraps a line whose last glyph reaches past its advance, as a bold 法
    // does by 0.07 em; an eighth of an em more keeps each text on its line.
    const qreal overhang = tablePoints * device.logicalDpiX() / 72 / 8;
    const qreal padding =
        (2 * (cellPadding + cellInset) + printRuleWidth) * pixelsPerUnit(device) + overhang;
    PrintedColumns columns{legColumnTitles(), {}};
    for (int column = 0; column < legColumnCount; ++column) {
        if (isFreeText(LegColumn(column))) {
            columns.widths.append(QTextLength());
            continue;
        }
        QString& title = columns.titles[column];
        qreal widest = 0;
        for (const RouteTableRow& row : rows)
            widest = std::max(widest, metrics.horizontalAdvance(row.texts.value(column)));
        const qsizetype half = (title.size() + 1) / 2;
        if (title.size() > 2 && widest < metrics.horizontalAdvance(title)) {
            widest = std::max({widest, metrics.horizontalAdvance(title.first(half)),
                               metrics.horizontalAdvance(title.sliced(half))});
            title.insert(half, QChar::LineSeparator);
        } else {
            widest = std::max(widest, metrics.horizontalAdvance(title));
        }
        const qreal percent = 100 * (widest + padding) / device.width();
        columns.widths.append(QTextLength(QTextLength::PercentageLength,
                                          std::min(std::ceil(percent * 10) / 10, widestColumnPercent)));
    }
    return columns;
}

QTextTableFormat tableFormat(const QList<QTextLength>& widths)
{
    QTextTableFormat format;
    // Each cell draws its own border, so a rule between two is two borders.
    // Qt lays collapsed borders out three times slower.
    format.setBorder(printRuleWidth / 2);
    format.setBorderBrush(Qt::black);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setCellPadding(cellPadding);
    format.setCellSpacing(0);
    // Qt sets the paragraph after a table on it, whatever its top margin.
    format.setBottomMargin(paragraphGap);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    format.setColumnWidthConstraints(widths);
    return format;
}

// What the cells' texts look like, made once for the device.
struct CellFormats {
    QTextBlockFormat header;
    std::array<QTextBlockFormat, legColumnCount> blocks;
    QTextCharFormat plain = textFormat(tablePoints);
    QTextCharFormat bold = textFormat(tablePoints, true);
};

CellFormats cellFormats(const QPaintDevice& device)
{
    CellFormats formats;
    // Qt scales a block's top and bottom margins to the device, but not
    // its left and right ones.
    const qreal inset = cellInset * pixelsPerUnit(device);
    formats.header.setAlignment(Qt::AlignHCenter);
    formats.header.setLeftMargin(inset);
    formats.header.setRightMargin(inset);
    for (std::size_t column = 0; column < formats.blocks.size(); ++column) {
        formats.blocks[column] = formats.header;
        formats.blocks[column].setAlignment(legColumns[column].alignment);
    }
    return formats;
}

void fillCell(QTextTable& table, int row, int column, const QTextBlockFormat& block,
              const QString& text, const QTextCharFormat& format)
{
    QTextCursor cursor = table.cellAt(row, column).firstCursorPosition();
    cursor.setBlockFormat(block);
    cursor.insertText(text, format);
}

bool isCourseOrDistanceOf(LegColumn column, nav::Method method)
{
    if (method == nav::Method::GreatCircle)
        return column == LegColumn::GreatCircleCourse || column == LegColumn::GreatCircleDistance;
    return column == LegColumn::RhumbCourse || column == LegColumn::RhumbDistance;
}

// Adds the table after the title and leaves the cursor in the empty block
// after it. Cells are filled through cursors of their own: within an edit
// block, a cursor moved to the next cell stays in the first.
QTextTable* addTable(QTextCursor& cursor, const RouteDocument& route, QPaintDevice& device)
{
    const QList<RouteTableRow>& rows = route.rows;
    const PrintedColumns columns = printedColumns(rows, device);
    QTextTable* table =
        cursor.insertTable(int(rows.size()) + 1, legColumnCount, tableFormat(columns.widths));
    const CellFormats formats = cellFormats(device);
    const QStringList& titles = columns.titles;
    QTextTableCellFormat shaded;
    shaded.setBackground(headerShade);
    for (int column = 0; column < legColumnCount; ++column) {
        table->cellAt(0, column).setFormat(shaded);
        fillCell(*table, 0, column, formats.header, titles[column], formats.bold);
    }
    for (int r = 0; r < rows.size(); ++r) {
        const nav::Method method = route.waypoints.value(r).method;
        for (int column = 0; column < legColumnCount; ++column)
            fillCell(*table, r + 1, column, formats.blocks[column], rows[r].texts.value(column),
                     isCourseOrDistanceOf(LegColumn(column), method) ? formats.bold
                                                                     : formats.plain);
    }
    cursor.movePosition(QTextCursor::End);
    return table;
}

void addTotals(QTextCursor& cursor, const RouteDocument& route)
{
    fillParagraph(cursor, totalsText(route.rows, route.settings.etaZone), textFormat(textPoints),
                  paragraph(0, paragraphGap));
}

void addRefusals(QTextCursor& cursor, const QList<RouteTableRow>& rows)
{
    const QStringList titles = legColumnTitles();
    bool first = true;
    for (qsizetype r = 0; r < rows.size(); ++r) {
        for (const CellRefusal& refusal : rows[r].refusals) {
            if (std::exchange(first, false))
                addParagraph(cursor, u"未能读出位置的航点："_s, textFormat(tablePoints), 2);
            addParagraph(cursor,
                         u"第 %1 行%2：%3"_s.arg(QString::number(r + 1),
                                                titles[qsizetype(refusal.column)], refusal.message),
                         textFormat(tablePoints), 2);
        }
    }
}

}  // namespace

QString routeTitle(const RouteDocument& route)
{
    return route.name.isEmpty() ? u"航线计算表"_s : u"航线计算表："_s + route.name;
}

QFont printFont(qreal points, bool bold)
{
    QFont font;
    font.setFamilies(songFamilies());
    font.setPointSizeF(points);
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

qreal pixelsPerUnit(const QPaintDevice& device)
{
    return device.logicalDpiX() / qreal(96);
}

QTextTable* addPrintedRoute(QTextDocument& document, const RouteDocument& route,
                            QPaintDevice& device)
{
    document.setDocumentMargin(0);
    document.setDefaultFont(printFont(tablePoints));
    QTextCursor cursor(&document);
    // Laid out once at the end, not after each of the table's cells.
    cursor.beginEditBlock();
    addTitle(cursor, route);
    QTextTable* table = addTable(cursor, route, device);
    addTotals(cursor, route);
    addRefusals(cursor, route.rows);
    cursor.endEditBlock();
    return table;
}

}  // namespace tarnquil
