// SPDX-License-Identifier: GPL-3.0-or-later
// The plot of a fix (定位图) as plain data, for a painter to draw without
// computing anything: the marks, every position line, the run, the fix and
// the cocked hat, a grid of latitudes and longitudes and a scale bar.
//
// Projection: Mercator, north up and conformal, true to scale on the
// parallel of the fix (of the first mark without one): a point at latitude
// phi and longitude lambda lies at
//   x = R0 (lambda - lambda0),   y = R0 (psi(phi) - psi(phi0))
// metres east and north of the fix, psi the isometric latitude of the
// figure of the Earth chosen, R0 the radius of the fix's parallel
// (GeographicLib's Ellipsoid). A rhumb line, the run of a running fix, is
// straight on it. Points within 89.9 degrees of the equator only; nearer
// a pole nothing is plotted.
//
// Position lines are exact: every point given lies on the line as fix.h
// defines it (a bearing line's point sees the mark on the bearing observed,
// to 1e-7 m along GeographicLib's geodesic; a range's point lies the range
// from the mark), found by Newton's method from a nearby point, and the
// points follow each other closely enough inside the plot's extent that a
// straight segment between two never strays from the line by more than a
// thousandth of the extent's width. A bearing line runs from its mark to
// kMaxSightDistance; a range is the whole circle; a horizontal angle is the
// arc on which the marks subtend that angle clockwise (the other arc of the
// same circle sees 180 degrees more), from one mark to the other. An
// observation followed by a run is plotted twice: as observed, and
// transferred: each of its points carried forward by the runs on their
// rhumb lines, the running fix's transferred position line (转移船位线).
//
// The grid's lines fall on whole multiples of 0.1′ of latitude and longitude:
// the step is 0.1′, 0.2′, 0.5′, 1′, 2′, 5′, 10′, 20′, 30′ or 1°, the
// finest that puts at most kMostGridLines lines across the extent's longer
// side. The scale bar measures along its parallel 1, 2 or 5 cables (链, a
// tenth of a n mile) or 1, 2, 5, 10, 20 or 50 n mile, the longest that
// fills at most a third of the extent's width.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "geo/angle.h"
#include "nav/earth_model.h"
#include "nav/fix.h"
#include "nav/observation.h"

namespace nav {

inline constexpr int kMostGridLines = 10;

// Metres east (x) and north (y) of the fix on the plot's projection.
struct PlotPoint {
    double x = 0;
    double y = 0;
};

// The plot's projection, as above, about its centre (the fix).
class PlotProjection {
public:
    PlotProjection(EarthModel model, geo::GeoPoint centre);

    // Empty for a point beyond 89.9 degrees of latitude.
    std::optional<PlotPoint> forward(geo::GeoPoint point) const;
    // Latitude in [-90, 90], longitude in [-180, 180).
    geo::GeoPoint reverse(PlotPoint point) const;
    // Metres on the plot per metre along the parallel of `latitude`.
    double scaleAt(double latitude) const;
    // The latitude of the plot's parallel at `y`; the longitude of its
    // meridian at `x` unrolled from the centre's (past 180 east of it), and
    // back.
    double latitudeAt(double y) const;
    double unrolledLongitudeAt(double x) const;
    double xOfLongitude(double unrolled) const;

private:
    struct Parameters;
    std::shared_ptr<const Parameters> parameters_;
};

struct PlotRect {
    double left = 0;
    double bottom = 0;
    double right = 0;
    double top = 0;
};

struct PlottedLine {
    std::size_t observation = 0;  // counted from 0 in the order given, runs not counted
    bool transferred = false;     // carried forward by the runs after it
    // Polylines, each of two points or more: a line is cut where it leaves
    // the extent.
    std::vector<std::vector<PlotPoint>> pieces;
};

// An altitude's intercept as the plotter draws it: from the assumed
// position along the body's azimuth Zn (away from it when the intercept is
// negative) for the intercept's length, on a rhumb line, a straight line on
// the plot, to the foot where the line of position crosses it.
struct PlottedIntercept {
    std::size_t observation = 0;  // counted from 0, runs not counted
    PlotPoint assumed;
    PlotPoint foot;
};

struct PlottedMark {
    geo::GeoPoint position;
    PlotPoint at;
};

struct GridLine {
    double at = 0;       // x of a meridian, y of a parallel
    double degrees = 0;  // its longitude, in [-180, 180), or latitude
    std::string label;   // as display.h writes it: "122°05.30′E", "30°10.20′N"
};

struct ScaleBar {
    PlotPoint start;           // its west end; the bar stands in the extent's lower right
    double length = 0;         // metres on the plot
    double nauticalMiles = 0;  // what it measures along its parallel
    double division = 0;       // n mile between its ticks: 0.1 (a cable) or more
};

struct FixPlot {
    std::optional<PlotProjection> projection;  // empty when nothing is plotted
    PlotRect extent;          // what to show, as wide as the frame asks
    double zoom = 1;          // the zoom shown, within 1 .. the largest there is
    std::vector<PlottedMark> marks;  // each once, in the order first observed
    std::vector<PlottedLine> lines;  // in the order of the observations
    // The runs after the first observation, from where the ship was then to
    // the fix: straight segments, as rhumb lines are on the projection.
    std::vector<PlotPoint> track;
    std::vector<PlottedIntercept> intercepts;  // each altitude of the fix, in order
    std::optional<PlotPoint> fix;
    std::vector<PlotPoint> otherSolutions;
    std::vector<PlotPoint> cockedHat;  // its three corners, or none
    std::optional<PlotPoint> commonErrorFix;
    double gridMinutes = 0;  // the grid's step
    std::vector<GridLine> meridians;
    std::vector<GridLine> parallels;
    ScaleBar scaleBar;
};

// The shape of the drawing and how near the fix it looks.
struct PlotFrame {
    double width = 1;   // in any unit, as long as both are in the same
    double height = 1;
    // 1 shows every mark, the fix and the cocked hat; each doubling halves
    // the extent about a centre that moves towards the fix, down to an
    // extent two cables wide.
    double zoom = 1;
};

// The plot of the sightings and, if given, their fix as FixSolver::solve
// gave it on the same model with the same compass error. Without a fix
// (none yet, or refused) the lines are plotted about the marks, at least
// 5 n mile round them. Throws
// RangeError for a value out of range, as solve does; a horizontal angle
// between a mark and itself has no line. An altitude's line is drawn near
// its assumed position, `near` retraced (NoFixError without it), as its
// straight intercept line is; its geographical position is no mark of the
// plot. Takes some milliseconds.
FixPlot plotFix(EarthModel model, const std::vector<Sighting>& sightings, double compassError,
                const Fix* fix, PlotFrame frame,
                std::optional<geo::GeoPoint> near = std::nullopt);

}  // namespace nav
