// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/printed_table.h"
#include "print/printed_route.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace tarnquil {

namespace {

// Lengths in pixels of 1/96 inch, scaled to the device.
constexpr qreal cellPadding = 2;  // around a cell's text
constexpr qreal cellInset = 4;    // besides the padding, left and right of it
const QColor headerShade(0xE6, 0xE6, 0xE6);

// No column but the name's and the remark's is wider than this share of the page: a long
// text that gave no position wraps rather than squeezes the others.
constexpr qreal widestColumnShare = 0.15;

// A height no cell's text reaches, for measuring wrapped text.
constexpr qreal unboundedHeight = 1e9;

bool isCourseOrDistanceOf(LegColumn column, nav::Method method)
{
    if (method == nav::Method::GreatCircle)
        return column == LegColumn::GreatCircleCourse || column == LegColumn::GreatCircleDistance;
    return column == LegColumn::RhumbCourse || column == LegColumn::RhumbDistance;
}

// The texts the navigator typed at any length, which wrap in what room the
// figures leave them.
bool isFreeText(qsizetype column)
{
    return LegColumn(column) == LegColumn::Name || LegColumn(column) == LegColumn::Remark;
}

// The columns printed: a leg's current and leeway only when some leg has one,
// as the exported table has them.
QList<LegColumnInfo> printedColumns(const RouteDocument& route)
{
    QList<LegColumnInfo> columns(legColumns.begin(), legColumns.end());
    if (hasLegCurrents(route.waypoints))
        columns.append(QList<LegColumnInfo>(currentColumns.begin(), currentColumns.end()));
    return columns;
}

}  // namespace

bool printedInBold(const RouteDocument& route, qsizetype row, LegColumn column)
{
    return isCourseOrDistanceOf(column, route.waypoints.value(row).method);
}

PrintedTable::PrintedTable(const RouteDocument& route, const QPaintDevice& device)
    : route_(route),
      columns_(printedColumns(route)),
      plain_(printFont(printedTablePoints)),
      bold_(printFont(printedTablePoints, true)),
      plainMetrics_(plain_, &device),
      boldMetrics_(bold_, &device)
{
    const qreal scale = pixelsPerUnit(device);
    rule_ = printRuleWidth * scale;
    padding_ = cellPadding * scale;
    inset_ = cellInset * scale;
    const QFontMetricsF& metrics = boldMetrics_;  // bold is the wider
    lineHeight_ = metrics.lineSpacing();
    // Each column but the name's and the remark's as wide as its widest
    // text, in bold. A title of more than two ideographs wider than the
    // column's texts takes two lines, broken in its middle (恒向线 / 航向),
    // rather than the room of a name.
    // Qt wraps a line whose last glyph reaches past its advance, as a bold 法
    // does by 0.07 em; an eighth of an em more keeps each text on its line.
    const qreal overhang = printedTablePoints * device.logicalDpiX() / 72 / 8;
    const qreal besides = 2 * (padding_ + inset_) + rule_ + overhang;
    for (const LegColumnInfo& info : columns_)
        titles_ << info.title.toString();
    QList<qreal> widths(columns_.size(), 0);
    qreal others = 0;
    for (qsizetype column = 0; column < columns_.size(); ++column) {
        qreal widest = 0;
        // With the current's columns too, an arrival takes two lines, the
        // date over the time and zone, to leave the names their room.
        const bool wrapped = columns_.size() > legColumnCount && columns_[column].column == LegColumn::Eta;
        for (const RouteTableRow& row : route.rows) {
            const QString text = legText(row, columns_[column].column);
            widest = std::max(widest, metrics.horizontalAdvance(wrapped ? text.section(u' ', 0, 0) : text));
        }
        QString& title = titles_[column];
        const qsizetype half = (title.size() + 1) / 2;
        if (isFreeText(column)) {
            widths[column] = std::max(widest, metrics.horizontalAdvance(title)) + besides;
            continue;
        }
        if (title.size() > 2 && widest < metrics.horizontalAdvance(title)) {
            widest = std::max({widest, metrics.horizontalAdvance(title.first(half)),
                               metrics.horizontalAdvance(title.sliced(half))});
            title.insert(half, u'\n');
        } else {
            widest = std::max(widest, metrics.horizontalAdvance(title));
        }
        widths[column] = std::min(std::ceil(widest + besides), widestColumnShare * device.width());
        others += widths[column];
    }
    // The name and the remark share the rest: the remark as wide as it needs
    // up to its share of what its texts and the names want, the name the rest.
    const qsizetype name = qsizetype(LegColumn::Name);
    const qsizetype remark = qsizetype(LegColumn::Remark);
    const qreal rest = std::max(device.width() - others, 2 * (besides + lineHeight_));
    const qreal wanted = widths[name] + widths[remark];
    widths[remark] = std::max(besides + lineHeight_,
                              wanted <= rest ? widths[remark] : rest * widths[remark] / wanted);
    widths[name] = std::max(rest - widths[remark], besides + lineHeight_);
    edges_.append(0);
    for (const qreal width : widths)
        edges_.append(edges_.back() + width);

    const qreal frame = rule_ + 2 * padding_;
    headerHeight_ = frame + lineHeight_;
    for (qsizetype column = 0; column < columns_.size(); ++column)
        headerHeight_ = std::max(headerHeight_, frame + textHeight(titles_[column], column, true));
    rowHeights_.reserve(route.rows.size());
    for (qsizetype row = 0; row < route.rows.size(); ++row) {
        qreal height = lineHeight_;
        const QStringList texts = rowTexts(row);
        for (qsizetype column = 0; column < columns_.size(); ++column)
            height = std::max(height, textHeight(texts[column], column,
                                                 printedInBold(route, row, columns_[column].column)));
        rowHeights_.append(frame + height);
    }
}

QStringList PrintedTable::rowTexts(qsizetype row) const
{
    QStringList texts;
    for (const LegColumnInfo& info : columns_)
        texts << legText(route_.rows[row], info.column);
    return texts;
}

int PrintedTable::alignmentOf(qsizetype column) const
{
    return int(columns_[column].alignment) | Qt::AlignTop;
}

QRectF PrintedTable::textArea(qsizetype column, qreal top, qreal height) const
{
    const qreal side = rule_ / 2 + padding_ + inset_;
    return QRectF(QPointF(edges_[column] + side, top + rule_ + padding_),
                  QPointF(edges_[column + 1] - side, top + height - padding_));
}

// One line, unless the text is wider than its column.
qreal PrintedTable::textHeight(const QString& text, qsizetype column, bool bold) const
{
    const QFontMetricsF& metrics = bold ? boldMetrics_ : plainMetrics_;
    const qreal width = textArea(column, 0, 0).width();
    if (text.isEmpty() || metrics.horizontalAdvance(text) <= width)
        return lineHeight_;
    return metrics.boundingRect(QRectF(0, 0, width, unboundedHeight),
                                alignmentOf(column) | Qt::TextWordWrap, text)
        .height();
}

// The header row for a `row` below 0, centred and bold.
void PrintedTable::paintRow(QPainter& painter, qreal top, qreal height, const QStringList& texts,
                            qsizetype row) const
{
    painter.fillRect(QRectF(edges_.front(), top, edges_.back() - edges_.front(), rule_), Qt::black);
    for (qsizetype column = 0; column < columns_.size(); ++column) {
        const QString text = texts.value(column);
        if (text.isEmpty())
            continue;
        const bool bold = row < 0 || printedInBold(route_, row, columns_[column].column);
        const QFont& font = bold ? bold_ : plain_;
        if (painter.font() != font)
            painter.setFont(font);
        const QRectF area = textArea(column, top, height);
        const bool wraps = (bold ? boldMetrics_ : plainMetrics_).horizontalAdvance(text) > area.width();
        const int alignment = row < 0 ? Qt::AlignHCenter | Qt::AlignTop : alignmentOf(column);
        painter.drawText(area, alignment | (wraps ? Qt::TextWordWrap : 0), text);
    }
}

void PrintedTable::paint(QPainter& painter, qreal y, qsizetype first, qsizetype end) const
{
    painter.save();
    painter.setPen(Qt::black);
    const qreal top = y;
    painter.fillRect(QRectF(edges_.front(), y, edges_.back() - edges_.front(), headerHeight_),
                     headerShade);
    paintRow(painter, y, headerHeight_, titles_, -1);
    y += headerHeight_;
    for (qsizetype row = first; row < end; ++row) {
        paintRow(painter, y, rowHeights_[row], rowTexts(row), row);
        y += rowHeights_[row];
    }
    // The rule under the last row, and the rules between the columns.
    painter.fillRect(QRectF(edges_.front(), y, edges_.back() - edges_.front(), rule_), Qt::black);
    for (const qreal edge : edges_) {
        const qreal x = std::clamp(edge - rule_ / 2, edges_.front(), edges_.back() - rule_);
        painter.fillRect(QRectF(x, top, rule_, y + rule_ - top), Qt::black);
    }
    painter.restore();
}

}  // namespace tarnquil
