// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/table_pages.h"
#include "print/printed_table.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>

namespace tarnquil {

namespace {

class Paginator
{
public:
    explicit Paginator(qreal pageHeight) : height_(pageHeight) {}

    // Starts a new page unless `needed` fits on this one or it is empty.
    void makeRoom(qreal needed)
    {
        if (y_ + needed > height_ && !isEmpty()) {
            pages_.append(page_);
            page_ = {};
            y_ = 0;
        }
    }

    PrintedPage& page() { return page_; }
    void advance(qreal height) { y_ += height; }

    QList<PrintedPage> pages()
    {
        pages_.append(page_);
        return std::move(pages_);
    }

private:
    bool isEmpty() const { return !page_.head && !page_.table && page_.tail.bottom <= page_.tail.top; }

    const qreal height_;
    QList<PrintedPage> pages_;
    PrintedPage page_;
    qreal y_ = 0;
};

void addTable(Paginator& paginator, const PrintedTable& table)
{
    for (qsizetype row = 0; row < table.rowCount(); ++row) {
        const bool continues = paginator.page().table;
        paginator.makeRoom((continues ? 0 : table.headerHeight()) + table.rowHeight(row)
                           + table.ruleWidth());
        PrintedPage& page = paginator.page();
        if (!page.table) {
            page.table = true;
            page.firstRow = row;
            paginator.advance(table.headerHeight());
        }
        page.endRow = row + 1;
        paginator.advance(table.rowHeight(row));
    }
    if (table.rowCount() == 0) {
        paginator.page().table = true;
        paginator.advance(table.headerHeight());
    }
}

void addTail(Paginator& paginator, const QTextDocument& tail)
{
    const QAbstractTextDocumentLayout* layout = tail.documentLayout();
    for (QTextBlock block = tail.begin(); block.isValid(); block = block.next()) {
        const qreal top = layout->blockBoundingRect(block).top();
        const QTextBlock next = block.next();
        const qreal bottom =
            next.isValid() ? layout->blockBoundingRect(next).top() : tail.size().height();
        paginator.makeRoom(bottom - top);
        DocumentSlice& slice = paginator.page().tail;
        if (slice.bottom <= slice.top)
            slice.top = top;
        slice.bottom = bottom;
        paginator.advance(bottom - top);
    }
}

void paintSlice(QPainter& painter, const QTextDocument& document, DocumentSlice slice, qreal y)
{
    const QRectF view(0, slice.top, document.textWidth(), slice.bottom - slice.top);
    painter.save();
    painter.translate(0, y - slice.top);
    painter.setClipRect(view);
    QAbstractTextDocumentLayout::PaintContext context;
    // What the layout draws: the blocks within, whole. It draws a block that
    // merely touches the clip, and a PDF's text holds what the painter's clip
    // hides, so the blocks on either side, touching at the slice's edges, are
    // kept out by a hair.
    constexpr qreal hair = 0.5;
    context.clip = view.adjusted(0, hair, 0, -hair);
    context.palette.setColor(QPalette::Text, Qt::black);
    document.documentLayout()->draw(&painter, context);
    painter.restore();
}

qreal tableHeight(const PrintedTable& table, const PrintedPage& page)
{
    qreal height = table.headerHeight() + table.ruleWidth();
    for (qsizetype row = page.firstRow; row < page.endRow; ++row)
        height += table.rowHeight(row);
    return height;
}

}  // namespace

QList<PrintedPage> routePages(const QTextDocument& head, const PrintedTable& table,
                              const QTextDocument& tail, qreal pageHeight, qreal gap)
{
    Paginator paginator(pageHeight);
    paginator.page().head = true;
    paginator.advance(head.size().height());
    addTable(paginator, table);
    paginator.advance(table.ruleWidth() + gap);
    addTail(paginator, tail);
    return paginator.pages();
}

void paintRoutePage(QPainter& painter, const QTextDocument& head, const PrintedTable& table,
                    const QTextDocument& tail, const PrintedPage& page, qreal gap)
{
    qreal y = 0;
    if (page.head) {
        paintSlice(painter, head, {0, head.size().height()}, y);
        y += head.size().height();
    }
    if (page.table) {
        table.paint(painter, y, page.firstRow, page.endRow);
        y += tableHeight(table, page);
        if (page.endRow == table.rowCount())
            y += gap;
    }
    if (page.tail.bottom > page.tail.top)
        paintSlice(painter, tail, page.tail, y);
}

}  // namespace tarnquil
