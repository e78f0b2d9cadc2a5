// SPDX-License-Identifier: GPL-3.0-or-later
// The plot of a fix (定位图) painted with a QPainter on any device: the fix
// window's view, the copied image, the PNG and PDF files and the printed
// page. It draws what nav::plotFix gives and computes nothing:
//   the grid of latitudes and longitudes with their labels, grey;
//   each position line in a colour of its own, numbered as the observation
//   is: a line carried forward by a run solid, the same line as observed
//   dashed, and the run as a green track ending in an arrow;
//   the cocked hat shaded orange, the marks as black triangles with their
//   names, the fix as a red circle with a dot, another solution as a grey
//   circle and the fix of the common compass error as a purple square;
//   a scale bar in the lower left, black and white by cables or miles, and
//   北 with an arrow in the upper right.
// Sizes are in points of the painter's font and in pixels of 1/96 inch,
// scaled to the device's resolution, so that a page looks like the screen.
#pragma once

#include "text/fix_words.h"

#include "nav/earth_model.h"
#include "nav/fix.h"
#include "nav/fix_plot.h"

#include <QList>
#include <QRectF>

#include <optional>
#include <vector>

class QPainter;
class QSizeF;

namespace tarnquil {

// What a plot shows: the sightings, the fix if there is one (as solved on
// the same model with the same compass error), the marks' names and how
// near the fix it looks (nav::PlotFrame::zoom).
struct FixDrawing {
    nav::EarthModel model = nav::EarthModel::Wgs84;
    std::vector<nav::Sighting> sightings;
    double compassError = 0;
    std::optional<nav::Fix> fix;
    std::optional<geo::GeoPoint> near;  // the DR: the altitudes' assumed position
    QList<MarkName> markNames;
    double zoom = 1;
};

// The plot of the drawing for an area of this shape. Empty (nothing to
// draw) without sightings, and with altitudes but no DR to draw them near.
nav::FixPlot plotFor(const FixDrawing& drawing, const QSizeF& area);

// Paints the plot, as plotFor made it for an area of this shape, into
// `area` on a white ground, clipped to it, in the painter's font.
void paintFixPlot(QPainter& painter, const QRectF& area, const nav::FixPlot& plot,
                  const QList<MarkName>& markNames);

}  // namespace tarnquil
