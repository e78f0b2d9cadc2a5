// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/fix_plot_painter.h"

#include <QWidget>

#include <optional>

class QPainter;

namespace tarnquil {

// The plot of a fix on screen (定位图): paints what print/fix_plot_painter.h
// paints, made again only when the drawing or the view's size changes.
// The keyboard zooms it (+ or =, -, 0 for the whole plot), and so does the
// wheel. Screen readers read its accessible description, the fix and its
// figures in words, which the window sets with the drawing.
class FixPlotView : public QWidget
{
    Q_OBJECT

public:
    explicit FixPlotView(QWidget* parent = nullptr);

    void setDrawing(const FixDrawing& drawing);
    const FixDrawing& drawing() const { return drawing_; }

    void zoomIn();
    void zoomOut();
    void showWhole();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void setZoom(double zoom);
    const nav::FixPlot& plot();
    void paintHint(QPainter& painter) const;
    void paintFocus(QPainter& painter) const;

    FixDrawing drawing_;
    std::optional<nav::FixPlot> plot_;  // for the current size, made when first painted
};

}  // namespace tarnquil
