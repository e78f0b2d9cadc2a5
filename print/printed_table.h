// SPDX-License-Identifier: GPL-3.0-or-later
// The leg table on paper, measured and painted row by row with a painter:
// a route of 10,000 waypoints is 120,000 cells, which a text document holds
// and lays out at many times the time and memory (docs/performance.md).
//
// Each column is as wide as its widest text, the title included, up to a
// share of the page; a long title takes two lines where the texts below it
// are narrower; the name's and the remark's share the rest. A text wider than its
// column wraps, and its row grows. Cells have rules all round; the header
// row is shaded and bold, and so are the course and distance of each leg's
// own method. When some leg has a current or leeway, the table has their
// columns after the others (流向/流速, 风压差, 应驶航向, 对地航速), as the
// exported table has.
#pragma once

#include "routefiles/route_document.h"

#include <QFont>
#include <QFontMetricsF>
#include <QList>

class QPainter;
class QPaintDevice;

namespace tarnquil {

// Whether a row's cell is printed in bold: the course and the distance of
// the method its leg is sailed by.
bool printedInBold(const RouteDocument& route, qsizetype row, LegColumn column);

class PrintedTable
{
public:
    // The table of the route's rows as wide as the device's page.
    PrintedTable(const RouteDocument& route, const QPaintDevice& device);

    qsizetype rowCount() const { return rowHeights_.size(); }
    qreal headerHeight() const { return headerHeight_; }
    qreal rowHeight(qsizetype row) const { return rowHeights_[row]; }
    // The width of a rule; a row's height holds one, the rule above it.
    qreal ruleWidth() const { return rule_; }

    // The header row and the rows [first, end) one below the other from y,
    // with the rule under the last.
    void paint(QPainter& painter, qreal y, qsizetype first, qsizetype end) const;

private:
    QStringList rowTexts(qsizetype row) const;  // one per column printed
    int alignmentOf(qsizetype column) const;
    QRectF textArea(qsizetype column, qreal top, qreal height) const;
    qreal textHeight(const QString& text, qsizetype column, bool bold) const;
    void paintRow(QPainter& painter, qreal top, qreal height, const QStringList& texts,
                  qsizetype row) const;

    const RouteDocument& route_;
    QList<LegColumnInfo> columns_;  // printed, in order
    QStringList titles_;  // of the header, a long one broken in two
    QFont plain_;
    QFont bold_;
    QFontMetricsF plainMetrics_;  // on the device
    QFontMetricsF boldMetrics_;
    QList<qreal> edges_;  // the left edge of each column, and the right edge of the last
    qreal rule_ = 0;
    qreal padding_ = 0;  // above and below a cell's text
    qreal inset_ = 0;    // left and right of it
    qreal lineHeight_ = 0;
    qreal headerHeight_ = 0;
    QList<qreal> rowHeights_;
};

}  // namespace tarnquil
