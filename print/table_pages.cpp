// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/table_pages.h"

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
    bool inTable;  // between two rows: the page beginning here continues the table
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

// The top of each row: the middle of the rule above it, which is the upper
// row's bottom border and its own top border, each drawn outside the cell;
// below come its top border and padding, then its first cell's text. A
// slice from one row's top to another's draws the rows between whole and
// the top border of the first, not the rows beyond.
QList<qreal> rowTops(const QTextDocument& document, const QTextTable& table, qreal border)
{
    const qreal above = table.format().cellPadding() * formatScale(document) + border;
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

// Lays pages out from the cuts, each as full as its height allows.
class Paginator
{
public:
    Paginator(const QTextDocument& document, DocumentSlice header, qreal border,
              qreal pageHeight)
        : width_(document.textWidth()), header_(header), border_(border), height_(pageHeight)
    {
    }

    void add(const Cut& cut)
    {
        if (cut.y - top_ > room() && bottom_ > top_) {
            finishPage();
            top_ = bottom_;
            continued_ = endsInTable_;
        }
        bottom_ = cut.y;
        endsInTable_ = cut.inTable;
    }

    QList<DocumentPage> pages()
    {
        finishPage();
        return std::move(pages_);
    }

private:
    qreal room() const { return height_ - (continued_ ? header_.bottom - header_.top : 0); }

    void finishPage()
    {
        DocumentPage page{{}, border_, {}};
        if (continued_)
            page.slices.append(header_);
        page.slices.append({top_, std::min(bottom_, top_ + room())});
        if (endsInTable_) {
            // The next row's top border, which is drawn with that row.
            qreal foot = 0;
            for (const DocumentSlice& slice : page.slices)
                foot += slice.bottom - slice.top;
            page.footRule = QRectF(0, foot, width_, border_);
        }
        pages_.append(page);
    }

    const qreal width_;
    const DocumentSlice header_;
    const qreal border_;
    const qreal height_;
    QList<DocumentPage> pages_;
    qreal top_ = 0;
    qreal bottom_ = 0;
    bool continued_ = false;  // the page continues the table
    bool endsInTable_ = false;
};

}  // namespace

QList<DocumentPage> tablePages(const QTextDocument& document, const QTextTable& table,
                               qreal pageHeight)
{
    const qreal border = table.format().border() * formatScale(document);
    const QList<qreal> tops = rowTops(document, table, border);
    if (tops.size() < 2)
        return {{{{0, document.size().height()}}, border, {}}};
    Paginator paginator(document, {tops[0], tops[1]}, border, pageHeight);
    for (const Cut& cut : cutsOf(document, table, tops))
        paginator.add(cut);
    return paginator.pages();
}

void paintDocumentPage(QPainter& painter, const QTextDocument& document,
                       const DocumentPage& page)
{
    const qreal width = document.textWidth();
    qreal at = 0;
    for (const DocumentSlice& slice : page.slices) {
        const QRectF view(0, slice.top, width, slice.bottom - slice.top);
        painter.save();
        painter.translate(0, at - slice.top);
        painter.setClipRect(view.adjusted(-page.bleed, -page.bleed, page.bleed, page.bleed));
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view;  // what the layout draws: the rows within, whole
        context.palette.setColor(QPalette::Text, Qt::black);
        document.documentLayout()->draw(&painter, context);
        painter.restore();
        at += slice.bottom - slice.top;
    }
    if (!page.footRule.isEmpty())
        painter.fillRect(page.footRule, Qt::black);
}

}  // namespace tarnquil
