// SPDX-License-Identifier: GPL-3.0-or-later
// Inside nav's fix (fix.h): where two position lines meet on a local map,
// the starting points of Newton's method, which then solves the exact
// equations. Not for use outside nav; it includes GeographicLib.
//
// The map is GeographicLib's azimuthal equidistant projection about one
// mark. A bearing line is drawn as the circle that bends as the meridians
// converge, a horizontal angle's as the circle of the inscribed angle, a
// range's as the circle round the mark, an altitude's as the straight line
// through its intercept from the assumed position; a run moves a line by its course
// and distance (the plotter's transferred position line). Over the few tens
// of n mile a fix spans, the map moves a crossing by metres (tens near the
// poles or after long runs), while the Newton steps converge from
// kilometres away.
#pragma once

#include <GeographicLib/AzimuthalEquidistant.hpp>

#include <vector>

#include "geo/angle.h"
#include "nav/position_line.h"

namespace nav::fixing {

// Metres east (x) and north (y) on the map.
struct MapPoint {
    double x = 0;
    double y = 0;
};

// A position line on the map: a straight line or a circle.
struct SketchLine {
    bool straight = false;
    MapPoint point;      // a point of the straight line, or the centre
    MapPoint direction;  // unit vector along the straight line
    double radius = 0;
    MapPoint mark;       // the (first) mark, moved by the runs after it; an
                         // altitude's intercept point
    MapPoint bearing;    // of a bearing line, a unit vector on the bearing at the mark
};

// Does `point` lie on the ship's side of a bearing line's mark, from where
// the mark bears roughly as observed? Any point does for other lines.
bool beforeTheMark(const SketchLine& line, MapPoint point);

// Points along a line, near the ship's side of its mark: from the mark back
// along a bearing 1 to 30 n mile, or round a circle.
std::vector<MapPoint> pointsAlong(const SketchLine& line);

// Do two bearing lines, drawn straight, meet on the ship's side of both
// marks?
bool meetBeforeTheMarks(const SketchLine& a, const SketchLine& b);

class LocalMap {
public:
    LocalMap(const Figure& figure, geo::GeoPoint centre);
    MapPoint forward(geo::GeoPoint point) const;
    geo::GeoPoint reverse(MapPoint point) const;

    // The line of `line` with a common error (degrees) added to a bearing.
    SketchLine sketch(const PositionLine& line, double commonError) const;

private:
    // Where a point lies on the map, and how far the map turns directions
    // there, degrees clockwise: the map is true at its centre only.
    struct Frame {
        MapPoint at;
        double turn = 0;
    };
    Frame frameAt(geo::GeoPoint point) const;

    const Figure& figure_;
    GeographicLib::AzimuthalEquidistant projection_;
    geo::GeoPoint centre_;
};

// Where two lines meet, or nearly touch: then two points either side of
// the touching point, from which Newton's method finds the two exact
// crossings, or none, as the exact lines have them. Parallel lines and
// circles far apart give none.
std::vector<MapPoint> crossings(const SketchLine& a, const SketchLine& b);

}  // namespace nav::fixing
