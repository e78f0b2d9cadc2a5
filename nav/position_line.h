// SPDX-License-Identifier: GPL-3.0-or-later
// Inside nav's fix (fix.h): a position line's exact distance from a trial
// position of the ship and its derivatives, for the Newton and Gauss-Newton
// steps. Not for use outside nav; it includes GeographicLib.
//
// Derivatives are taken in the plane tangent to the Earth at the trial
// position: a Displacement of `north` and `east` metres is the point that
// far away along the geodesic of azimuth atan2(east, north). From
// GeographicLib's inverse geodesic from the ship S to a mark M (distance s,
// azimuth a at S, reduced length m12, geodesic scale M12 of M relative to
// S) and the Earth's radii at S (parallel radius R, latitude phi):
//   d s / d S = -(cos a, sin a)                    (first variation of length)
//   d a / d S = -(M12 / m12) (-sin a, cos a) + (0, sin phi / R)
// the first term turning the geodesic by the Jacobi field that vanishes at
// M, the second the turn of the meridian under the ship as it moves east
// (Clairaut: a geodesic's azimuth changes by sin(azimuth) tan(phi) / N per
// metre). A run is retraced by GeographicLib's rhumb line; moving its end
// by (n, e) moves its start by (n, r e + k n), r the ratio of the parallel
// radii start / end and k = d sin(course) (dR / dmu) / R_end, dR / dmu the
// mean over the run of -sin(phi), found as a difference quotient (mu being
// the distance along the meridian, which a rhumb line changes by
// d cos(course)). An altitude's Hc (sight_reduction.h: horizontalAt) moves
// by cos(A - Zn) radians per radian of arc towards azimuth A: per metre,
// cos Zn / M north and sin Zn / N east, M and N the radii of curvature of
// the meridian and of the prime vertical at the geodetic latitude.
#pragma once

#include <GeographicLib/Ellipsoid.hpp>
#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/Rhumb.hpp>

#include <cstddef>
#include <optional>
#include <vector>

#include "geo/angle.h"
#include "nav/earth_model.h"
#include "nav/observation.h"

namespace nav::fixing {

// Metres north and east in the plane tangent at a position.
struct Displacement {
    double north = 0;
    double east = 0;
};

// One figure of the Earth and its solvers.
struct Figure {
    explicit Figure(EarthModel model);

    // The point `step` away from `from` on the geodesic of its direction.
    geo::GeoPoint moved(geo::GeoPoint from, Displacement step) const;
    double metresBetween(geo::GeoPoint a, geo::GeoPoint b) const;

    GeographicLib::Geodesic geodesic;
    GeographicLib::Rhumb rhumb;
    GeographicLib::Ellipsoid ellipsoid;
};

// An observation ready to be evaluated: the bearing corrected by the
// compass error given, lengths in metres, and the runs after it.
struct PositionLine {
    ObservationKind kind = ObservationKind::Bearing;
    geo::GeoPoint mark;
    geo::GeoPoint mark2;
    double target = 0;      // bearing, angle or Ho in degrees; range in metres
    double separation = 0;  // metres between the two marks of an angle
    std::vector<Run> carriedBy;
    std::size_t index = 0;  // among the observations given
    // An altitude's assumed position: `near` retraced along carriedBy, where
    // the ship reckoned it was when it observed.
    geo::GeoPoint assumed;
};

// The observations' lines, each carried by the runs after it, the bearings
// corrected by `compassError`. Throws RangeError for the first value out of
// range (observation.h), and NoFixError (NoAssumedPosition) for an altitude
// without `near`, or with a `near` whose retraced runs cross a pole. A
// horizontal angle between a mark and itself has a separation of 0, which
// no line can be evaluated with.
std::vector<PositionLine> positionLines(const Figure& figure,
                                        const std::vector<Sighting>& sightings,
                                        double compassError, std::optional<geo::GeoPoint> near);

// Where a line is drawn from on a local map: its (first) mark, or an
// altitude's assumed position (its geographical position lies thousands of
// miles away).
geo::GeoPoint anchorOf(const PositionLine& line);

// An altitude's Hc and Zn at `position` (sight_reduction.h), degrees.
struct AltitudeAt {
    double hc = 0;
    double zn = 0;
};
AltitudeAt altitudeAt(const PositionLine& line, geo::GeoPoint position);

// Metres per degree of altitude, as a residual Ho - Hc is a distance:
// 60 arc-minutes of a n mile each.
double metresPerDegreeOfAltitude();

// The position line seen from a trial position of the ship (after all the
// runs), with a common error `commonError` (degrees) added to a bearing.
struct LineValue {
    double distance = 0;  // signed, metres, as fix.h defines it
    Displacement gradient;  // of `distance`, per metre of the ship's displacement
    double errorDerivative = 0;  // of `distance` per degree of common error
    // The cosine of the residual of a bearing or an angle (1 for a range):
    // negative on the far side of the line's circle, where the sine vanishes
    // at 180 degrees of residual, which is no fix.
    double cosResidual = 1;
    double farthestMark = 0;  // metres from the ship, when it observed, to a mark
    geo::GeoPoint observedFrom;  // the ship's position when it observed
};

// Empty where the trial position is no place for the line to be evaluated:
// at a mark, where a run would cross a pole, or a bearing's at a pole (from
// where every mark bears south, or north). A range or a horizontal angle is
// evaluated at a pole as anywhere.
std::optional<LineValue> evaluate(const Figure& figure, const PositionLine& line,
                                  geo::GeoPoint ship, double commonError);

// Every line's value at `ship` (a common error added to bearings), or empty
// where one cannot be evaluated.
std::optional<std::vector<LineValue>> evaluateAll(const Figure& figure,
                                                  const std::vector<PositionLine>& lines,
                                                  geo::GeoPoint ship, double commonError);

// Is the ship on the near side of every line (see cosResidual)?
bool onTheNearSide(const std::vector<LineValue>& values);
// Is every mark within kMaxSightDistance of the ship when observed?
bool withinSight(const std::vector<LineValue>& values);
double sumOfSquares(const std::vector<LineValue>& values);

// A Newton or Gauss-Newton step shorter than this, in metres, ends the
// iteration: the next would be shorter still by orders of magnitude.
inline constexpr double kConverged = 1e-7;

// `step` cut to at most kMaxSightDistance: no step goes farther than a mark
// can be seen.
Displacement limited(Displacement step);

// As Earth writes positions: -0 as 0, the 180th meridian as -180; a pole,
// or a position within 1e-12 degree of latitude of one (0.1 micrometre),
// as the pole at longitude 0 (any other names the same place).
geo::GeoPoint normalised(geo::GeoPoint position);

// The bearing (azimuth at `ship`) and its gradient, radians per metre, of
// the mark at the end of the geodesic from `ship`, and its distance.
struct Sight {
    double metres = 0;
    double azimuth = 0;          // degrees
    Displacement metresGradient;
    // At a pole without the turn of the meridian, which has no bound there:
    // right for the difference of two azimuths, not for one.
    Displacement azimuthGradient;
    bool atAPole = false;
};
std::optional<Sight> sight(const Figure& figure, geo::GeoPoint ship, geo::GeoPoint mark);

}  // namespace nav::fixing
