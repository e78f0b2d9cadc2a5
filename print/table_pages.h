// SPDX-License-Identifier: GPL-3.0-or-later
// The printed route cut into pages: the head (a text document: the title),
// the leg table (printed_table.h) and the tail (a text document: the
// totals and the texts that gave no position), one below the other.
//
// A page ends only between two rows of the table, never between its header
// row and the first row below it, or between two paragraphs of the tail;
// each page that continues the table shows the header row again on top and
// a rule closes it at the page's foot. Every row keeps its height. A row or
// paragraph taller than a page is cut off at its foot.
#pragma once

#include <QList>

class QPainter;
class QTextDocument;

namespace tarnquil {

class PrintedTable;

// A band of a document, in its coordinates.
struct DocumentSlice {
    qreal top = 0;
    qreal bottom = 0;
};

struct PrintedPage {
    bool head = false;    // the head document on top
    bool table = false;   // the table's header row, and below it
    qsizetype firstRow = 0;  // the rows [firstRow, endRow)
    qsizetype endRow = 0;
    DocumentSlice tail;   // of the tail document; none when empty
};

// The pages of pageHeight device pixels that the route fills, in order;
// `gap` stands between the table and the tail. The documents are laid out
// on the table's device, as wide as the table, without margins.
QList<PrintedPage> routePages(const QTextDocument& head, const PrintedTable& table,
                              const QTextDocument& tail, qreal pageHeight, qreal gap);

// Draws the page with the painter's origin at the page's top left.
void paintRoutePage(QPainter& painter, const QTextDocument& head, const PrintedTable& table,
                    const QTextDocument& tail, const PrintedPage& page, qreal gap);

}  // namespace tarnquil
