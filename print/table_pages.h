// SPDX-License-Identifier: GPL-3.0-or-later
// The pages of a document laid out as one long page, whose table may run
// over several of them.
//
// A page ends only between two rows of the table, never between its header
// row and the first row below it, or between two paragraphs after the table;
// each page that continues the table shows the header row again on top.
// Every row keeps its height, and a rule closes the table at the foot of
// each page (Qt's own pages stretch the last row on a page to the page's
// foot). Only what stands on a page is drawn there, so a PDF's text holds
// each row once. A row or paragraph taller than a page is cut off at its foot.
#pragma once

#include <QList>
#include <QRectF>

class QPainter;
class QTextDocument;
class QTextTable;

namespace tarnquil {

// A band of the document, in its coordinates.
struct DocumentSlice {
    qreal top = 0;
    qreal bottom = 0;
};

struct DocumentPage {
    QList<DocumentSlice> slices;  // drawn one below the other from the page's top
    qreal bleed = 0;              // how far the table's rules reach past a slice's edges
    QRectF footRule;              // in the page's coordinates; empty where the table ends
};

// The pages of pageHeight device pixels that the document fills, in order.
// The document is laid out on its layout's paint device, without a page
// size and with no document margin; table is its only table, as wide as the
// text, with its header in the first row, cells with their own borders (no
// border collapse) and no spacing between them.
QList<DocumentPage> tablePages(const QTextDocument& document, const QTextTable& table,
                               qreal pageHeight);

// Draws the page with the painter's origin at the page's top left.
void paintDocumentPage(QPainter& painter, const QTextDocument& document,
                       const DocumentPage& page);

}  // namespace tarnquil
