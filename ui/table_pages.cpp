// SPDX-License-Identifier: GPL-3.0-or-later
#include "table_pages.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>

namespace tarnquil {

namespace {

// A place where a page may end and the next one begin.
struct Cut {
    qreal y;
    bool inTable;  // the page beginning here continues the table
};

// The device's pixels per pixel of the formats' lengths (1/96 inch), as
// the layout scales them.
qreal formatScale(const QTextDocument& document)
{
    const QPaintDevice* device = document.documentLayout()->paintDevice();
    return device ? device->logicalDpiY() / qreal(96) : 1;
}

qreal blockTop(const QTextDocument& document, const QTextBlock& block)
{
    return document.documentLayout()->blockBoundingRect(block).top();
}

// The top of each row: its first cell's text less the padding and half the
// rule above it, which is where the layout puts the row.
QList<qreal> rowTops(const QTextDocument& document, const QTextTable& table)
{
    const QTextTableFormat format = table.format();
    const qreal above = (format.cellPadding() + format.border() / 2) * formatScale(document);
    QList<qreal> tops;
    for (int row = 0; row < table.rows(); ++row)
        tops.append(blockTop(document, table.cellAt(row, 0).firstCursorPosition().block()) - above);
    return tops;
}

QList<Cut> cutsOf(const QTextDocument& document, const QTextTable& table,
                  const QList<qreal>& tops)
{
    QList<Cut> cuts;
    for (qsizetype row = 2; row < tops.size(); ++row)
        cuts.append({tops[row], true});
    for (QTextBlock block = document.findBlock(table.lastPosition() + 1); block.isValid();
         block = block.next())
        cuts.append({blockTop(document, block), false});
    cuts.append({document.size().height(), false});
    return cuts;
}

DocumentPage pageOf(qreal top, qreal bottom, bool continued, DocumentSlice header,
                    qreal room, qreal bleed)
{
    DocumentPage page{{}, bleed};
    if (continued)
        page.slices.append(header);
    page.slices.append({top, std::min(bottom, top + room)});
    return page;
}

}  // namespace

QList<DocumentPage> tablePages(const QTextDocument& document, const QTextTable& table,
                               qreal pageHeight)
{
    const QList<qreal> tops = rowTops(document, table);
    if (tops.size() < 2)
        return {{{{0, document.size().height()}}, 0}};
    const DocumentSlice header{tops[0], tops[1]};
    const qreal bleed = table.format().border() * formatScale(document) / 2;
    QList<DocumentPage> pages;
    qreal top = 0;
    qreal bottom = 0;
    bool continued = false;  // the page continues the table
    bool endsInTable = false;
    for (const Cut& cut : cutsOf(document, table, tops)) {
        const qreal room = pageHeight - (continued ? header.bottom - header.top : 0);
        if (cut.y - top > room && bottom > top) {
            pages.append(pageOf(top, bottom, continued, header, room, bleed));
            top = bottom;
            continued = endsInTable;
        }
        bottom = cut.y;
        endsInTable = cut.inTable;
    }
    const qreal room = pageHeight - (continued ? header.bottom - header.top : 0);
    pages.append(pageOf(top, bottom, continued, header, room, bleed));
    return pages;
}

void paintDocumentPage(QPainter& painter, const QTextDocument& document,
                       const DocumentPage& page)
{
    const qreal width = document.size().width();
    qreal at = 0;
    for (const DocumentSlice& slice : page.slices) {
        const QRectF view(-page.bleed, slice.top - page.bleed, width + 2 * page.bleed,
                          slice.bottom - slice.top + 2 * page.bleed);
        painter.save();
        painter.translate(0, at - slice.top);
        painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view;
        context.palette.setColor(QPalette::Text, Qt::black);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
        at += slice.bottom - slice.top;
    }
}

}  // namespace tarnquil
