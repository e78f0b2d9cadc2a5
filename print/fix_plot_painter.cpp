// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/fix_plot_painter.h"

#include "nav/fix.h"

#include "text/utf8_text.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <array>
#include <cmath>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

// One colour per observation, in turn: dark enough on white, told apart by
// colour-blind readers too (blue, vermilion, bluish green, reddish purple,
// orange, sky blue), after Okabe and Ito.
constexpr std::array<QRgb, 6> lineColours{0x0072b2, 0xd55e00, 0x009e73, 0xcc79a7, 0xe69f00, 0x56b4e9};
const QColor gridColour(200, 200, 200);
const QColor gridTextColour(90, 90, 90);
const QColor hatFill(255, 150, 0, 90);
const QColor hatEdge(230, 120, 0);
const QColor trackColour(0, 110, 50);
const QColor fixColour(210, 0, 0);
const QColor otherColour(120, 120, 120);
const QColor commonColour(130, 40, 160);
// Sizes in pixels of 1/96 inch.
constexpr qreal lineWidth = 1.6;
constexpr qreal gridWidth = 0.8;
constexpr qreal symbol = 5;
constexpr qreal labelGap = 4;
constexpr qreal barHeight = 5;
constexpr int mostBarDivisions = 10;
constexpr qreal smallFont = 0.85;  // of the painter's font, for the grid's labels
constexpr double cablesPerMile = 10;

// Plot metres to the area's pixels: north up.
class Mapping {
public:
    Mapping(const QRectF& area, const nav::PlotRect& extent)
        : area_(area), extent_(extent),
          scale_(area.width() / std::max(extent.right - extent.left, 1e-9))
    {
    }
    QPointF operator()(nav::PlotPoint p) const
    {
        return {area_.left() + (p.x - extent_.left) * scale_,
                area_.top() + (extent_.top - p.y) * scale_};
    }
    qreal scale() const { return scale_; }

private:
    QRectF area_;
    nav::PlotRect extent_;
    qreal scale_;
};

QString nameOf(const nav::PlottedMark& mark, const QList<MarkName>& names)
{
    for (const MarkName& known : names)
        if (known.position.latitude == mark.position.latitude &&
            known.position.longitude == mark.position.longitude)
            return known.name;
    return {};
}

QPen pen(const QColor& colour, qreal width, Qt::PenStyle style = Qt::SolidLine)
{
    QPen result(colour, width, style);
    result.setCapStyle(Qt::FlatCap);
    result.setJoinStyle(Qt::RoundJoin);
    return result;
}

void paintGrid(QPainter& painter, const QRectF& area, const Mapping& map,
               const nav::FixPlot& plot, qreal unit)
{
    painter.setPen(pen(gridColour, gridWidth * unit));
    QFont font = painter.font();
    font.setPointSizeF(font.pointSizeF() * smallFont);
    painter.save();
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    qreal lastRight = -INFINITY;
    for (const nav::GridLine& line : plot.meridians) {
        const qreal x = map({line.at, 0}).x();
        painter.setPen(pen(gridColour, gridWidth * unit));
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        const QString label = fromUtf8(line.label);
        const qreal left = x + labelGap * unit / 2;
        const qreal right = left + metrics.horizontalAdvance(label);
        if (left > lastRight && right < area.right()) {
            painter.setPen(gridTextColour);
            painter.drawText(QPointF(left, area.top() + metrics.ascent()), label);
            lastRight = right + labelGap * unit;
        }
    }
    qreal lastTop = INFINITY;
    for (const nav::GridLine& line : plot.parallels) {
        const qreal y = map({0, line.at}).y();
        painter.setPen(pen(gridColour, gridWidth * unit));
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        const qreal baseline = y - labelGap * unit / 2;
        // Below the meridians' labels along the top.
        if (baseline < lastTop && baseline > area.top() + 2 * metrics.height()) {
            painter.setPen(gridTextColour);
            painter.drawText(QPointF(area.left() + labelGap * unit, baseline), fromUtf8(line.label));
            lastTop = baseline - metrics.height();
        }
    }
    painter.restore();
}

// Each line with its number near the last of its points inside the area.
void paintLines(QPainter& painter, const QRectF& area, const Mapping& map,
                const nav::FixPlot& plot, qreal unit)
{
    // Clear of the labels along the top and the left and of the scale bar
    // at the foot.
    const QRectF inside = area.adjusted(labelGap * 20 * unit, labelGap * 6 * unit,
                                        -labelGap * 4 * unit, -labelGap * 12 * unit);
    for (const nav::PlottedLine& line : plot.lines) {
        const bool laterCarried = std::any_of(plot.lines.begin(), plot.lines.end(), [&](auto& other) {
            return other.observation == line.observation && other.transferred;
        });
        const QColor colour = QColor::fromRgb(lineColours[line.observation % lineColours.size()]);
        const bool dashed = laterCarried && !line.transferred;
        painter.setPen(pen(colour, (dashed ? lineWidth * 0.75 : lineWidth) * unit,
                           dashed ? Qt::DashLine : Qt::SolidLine));
        std::optional<QPointF> labelAt;
        for (const auto& piece : line.pieces) {
            QPolygonF polyline;
            for (const nav::PlotPoint& point : piece) {
                polyline << map(point);
                if (inside.contains(polyline.back()))
                    labelAt = polyline.back();
            }
            painter.drawPolyline(polyline);
        }
        if (labelAt) {
            painter.setPen(colour);
            const QString label = QString::number(line.observation + 1) + (dashed ? u"′"_s : QString());
            painter.drawText(*labelAt + QPointF(labelGap * unit, -labelGap * unit), label);
        }
    }
}

void paintTrack(QPainter& painter, const Mapping& map, const nav::FixPlot& plot, qreal unit)
{
    if (plot.track.size() < 2)
        return;
    QPolygonF track;
    for (const nav::PlotPoint& point : plot.track)
        track << map(point);
    painter.setPen(pen(trackColour, lineWidth * unit, Qt::DashDotLine));
    painter.drawPolyline(track);
    // An arrowhead at the end, pointing the way the ship ran.
    const QPointF end = track.back();
    const QPointF before = track[track.size() - 2];
    const qreal length = std::hypot(end.x() - before.x(), end.y() - before.y());
    if (length <= 0)
        return;
    const QPointF along = (end - before) / length * (2 * symbol * unit);
    const QPointF across(-along.y() / 2, along.x() / 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(trackColour);
    const QPointF tip = end - along / 2;
    painter.drawPolygon(QPolygonF{tip, tip - along + across, tip - along - across});
    painter.setBrush(Qt::NoBrush);
}

// Each intercept in its line's colour, dashed, from a small square at the
// assumed position to its foot on the line.
void paintIntercepts(QPainter& painter, const Mapping& map, const nav::FixPlot& plot, qreal unit)
{
    for (const nav::PlottedIntercept& intercept : plot.intercepts) {
        const QColor colour = QColor::fromRgb(lineColours[intercept.observation % lineColours.size()]);
        const QPointF from = map(intercept.assumed);
        painter.setPen(pen(colour, lineWidth * unit, Qt::DashLine));
        painter.drawLine(from, map(intercept.foot));
        const qreal half = symbol * unit / 2;
        painter.setPen(pen(colour, lineWidth * unit));
        painter.drawRect(QRectF(from - QPointF(half, half), from + QPointF(half, half)));
    }
}

void paintPoints(QPainter& painter, const Mapping& map, const nav::FixPlot& plot,
                 const QList<MarkName>& names, qreal unit)
{
    const qreal r = symbol * unit;
    for (const nav::PlottedMark& mark : plot.marks) {
        const QPointF at = map(mark.at);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawPolygon(QPolygonF{at + QPointF(0, -r * 1.4), at + QPointF(-r, r * 0.7),
                                      at + QPointF(r, r * 0.7)});
        painter.setBrush(Qt::NoBrush);
        painter.setPen(Qt::black);
        painter.drawText(at + QPointF(r + labelGap * unit, r), nameOf(mark, names));
    }
    painter.setPen(pen(otherColour, lineWidth * unit));
    for (const nav::PlotPoint& other : plot.otherSolutions)
        painter.drawEllipse(map(other), r, r);
    if (plot.commonErrorFix) {
        painter.setPen(pen(commonColour, lineWidth * unit));
        const QPointF at = map(*plot.commonErrorFix);
        painter.drawRect(QRectF(at - QPointF(r, r), at + QPointF(r, r)));
    }
    if (plot.fix) {
        const QPointF at = map(*plot.fix);
        painter.setPen(pen(fixColour, lineWidth * unit));
        painter.drawEllipse(at, r * 1.3, r * 1.3);
        painter.setBrush(fixColour);
        painter.drawEllipse(at, r * 0.3, r * 0.3);
        painter.setBrush(Qt::NoBrush);
    }
}

void paintScaleBar(QPainter& painter, const Mapping& map, const nav::ScaleBar& bar, qreal unit)
{
    if (!(bar.length > 0))
        return;
    const QPointF start = map(bar.start);
    const qreal length = bar.length * map.scale();
    const int divisions = std::clamp(int(std::lround(bar.nauticalMiles / bar.division)), 1,
                                     mostBarDivisions);
    const qreal height = barHeight * unit;
    painter.setPen(pen(Qt::black, gridWidth * unit));
    for (int k = 0; k < divisions; ++k) {
        const QRectF part(start.x() + length * k / divisions, start.y() - height,
                          length / divisions, height);
        painter.setBrush(k % 2 == 0 ? Qt::black : Qt::white);
        painter.drawRect(part);
    }
    painter.setBrush(Qt::NoBrush);
    const bool cables = bar.nauticalMiles < 1;
    const QString end = cables ? u"%1 链"_s.arg(std::lround(bar.nauticalMiles * cablesPerMile))
                               : u"%1 海里"_s.arg(bar.nauticalMiles);
    const QFontMetricsF metrics(painter.font(), painter.device());
    const qreal endWidth = metrics.horizontalAdvance(end);
    const qreal above = -height - labelGap * unit;
    // Where the length's label would run into the 0 (large type on a small
    // plot), the bar is labelled by its length alone, beginning at its start.
    if (metrics.horizontalAdvance(u"0"_s) + labelGap * unit + endWidth <= length) {
        painter.drawText(start + QPointF(0, above), u"0"_s);
        painter.drawText(start + QPointF(length - endWidth, above), end);
    } else {
        painter.drawText(start + QPointF(std::min(0.0, length - endWidth), above), end);
    }
}

void paintNorth(QPainter& painter, const QRectF& area, qreal unit)
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    const QPointF top(area.right() - labelGap * 4 * unit, area.top() + metrics.height() * 1.5);
    const qreal arrow = symbol * 4 * unit;
    painter.setPen(pen(Qt::black, lineWidth * unit));
    painter.drawLine(top, top + QPointF(0, arrow));
    painter.setBrush(Qt::black);
    painter.drawPolygon(QPolygonF{top, top + QPointF(-symbol * unit * 0.8, symbol * unit * 1.6),
                                  top + QPointF(symbol * unit * 0.8, symbol * unit * 1.6)});
    painter.setBrush(Qt::NoBrush);
    const QString north = u"北"_s;
    painter.drawText(top + QPointF(-metrics.horizontalAdvance(north) / 2, -metrics.descent() - unit),
                     north);
}

}  // namespace

nav::FixPlot plotFor(const FixDrawing& drawing, const QSizeF& area)
{
    try {
        return nav::plotFix(drawing.model, drawing.sightings, drawing.compassError,
                            drawing.fix ? &*drawing.fix : nullptr,
                            {area.width(), area.height(), drawing.zoom}, drawing.near);
    } catch (const nav::NoFixError&) {
        return {};
    }
}

void paintFixPlot(QPainter& painter, const QRectF& area, const nav::FixPlot& plot,
                  const QList<MarkName>& markNames)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);
    painter.setClipRect(area);
    if (plot.projection) {
        const qreal unit = painter.device()->logicalDpiX() / 96.0;
        const Mapping map(area, plot.extent);
        paintGrid(painter, area, map, plot, unit);
        if (plot.cockedHat.size() == 3) {
            QPolygonF hat;
            for (const nav::PlotPoint& corner : plot.cockedHat)
                hat << map(corner);
            painter.setPen(pen(hatEdge, gridWidth * unit));
            painter.setBrush(hatFill);
            painter.drawPolygon(hat);
            painter.setBrush(Qt::NoBrush);
        }
        paintLines(painter, area, map, plot, unit);
        paintTrack(painter, map, plot, unit);
        paintIntercepts(painter, map, plot, unit);
        paintPoints(painter, map, plot, markNames, unit);
        paintScaleBar(painter, map, plot.scaleBar, unit);
        paintNorth(painter, area, unit);
    }
    painter.restore();
}

}  // namespace tarnquil
