// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixwindow/fix_plot_view.h"

#include "nav/errors.h"

#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

constexpr double zoomStep = 2;
// A wheel's notch, in its angle's eighths of a degree.
constexpr int wheelNotch = 120;
// Room for a plot, in lines of the font: wide enough for its labels. The
// least leaves the observations beside it room for their table on a small
// screen at 200 %. It asks for no more height than the least, and takes
// what the result above it leaves: so a low window cuts the plot, not the
// fix.
constexpr int hintLines = 36;
constexpr int leastLines = 10;
constexpr int leastHeightLines = 7;

}  // namespace

FixPlotView::FixPlotView(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FixPlotView::setDrawing(const FixDrawing& drawing)
{
    const double zoom = drawing_.zoom;
    drawing_ = drawing;
    drawing_.zoom = zoom;
    plot_.reset();
    update();
}

void FixPlotView::setZoom(double zoom)
{
    drawing_.zoom = std::max(1.0, zoom);
    plot_.reset();
    update();
}

void FixPlotView::zoomIn()
{
    setZoom(drawing_.zoom * zoomStep);
}

void FixPlotView::zoomOut()
{
    setZoom(drawing_.zoom / zoomStep);
}

void FixPlotView::showWhole()
{
    setZoom(1);
}

QSize FixPlotView::sizeHint() const
{
    const int line = fontMetrics().height();
    return {hintLines * line, leastHeightLines * line};
}

QSize FixPlotView::minimumSizeHint() const
{
    const int line = fontMetrics().height();
    return {leastLines * line, leastHeightLines * line};
}

void FixPlotView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    paintFixPlot(painter, rect(), plot(), drawing_.markNames);
    if (!plot_->projection)
        paintHint(painter);
    if (hasFocus())
        paintFocus(painter);
}

// Worked out again once the drawing, the zoom or the size changed; a
// value out of range (nav::RangeError) leaves the plot empty.
const nav::FixPlot& FixPlotView::plot()
{
    if (!plot_) {
        try {
            plot_ = plotFor(drawing_, size());
        } catch (const nav::RangeError&) {
            plot_ = nav::FixPlot{};
        }
        // The zoom stops where the plot is two cables wide.
        drawing_.zoom = std::min(drawing_.zoom, plot_->zoom);
    }
    return *plot_;
}

// An empty plot says how to start one.
void FixPlotView::paintHint(QPainter& painter) const
{
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap,
                     u"在左边的表中输入观测，定位图随之画出。"_s);
}

void FixPlotView::paintFocus(QPainter& painter) const
{
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

void FixPlotView::resizeEvent(QResizeEvent* event)
{
    plot_.reset();
    QWidget::resizeEvent(event);
}

void FixPlotView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        zoomIn();
        break;
    case Qt::Key_Minus:
        zoomOut();
        break;
    case Qt::Key_0:
        showWhole();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void FixPlotView::wheelEvent(QWheelEvent* event)
{
    const int notches = event->angleDelta().y() / wheelNotch;
    if (notches != 0)
        setZoom(drawing_.zoom * std::pow(zoomStep, notches));
    event->accept();
}

}  // namespace tarnquil
