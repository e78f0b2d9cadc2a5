// SPDX-License-Identifier: GPL-3.0-or-later
// Great-circle sailing (大圆航法): a great-circle leg as it is steered, by
// rhumb lines between the points where the great circle crosses every N
// degrees of longitude, with its vertex (顶点).
//
// On WGS-84 the "great circle" is the geodesic, the shortest path on the
// ellipsoid; on the Sphere model it is the great circle itself. Both come
// from GeographicLib::GeodesicLine and the rhumb lines from
// GeographicLib::Rhumb, set up as Earth sets them up, so a rhumb leg here
// and the same leg from Earth::leg agree to the last bit.
//
// Accuracy. The vertex is the point of the line at 90 degrees of arc from
// its northward equator crossing (GeodesicLine's equatorial arc), where the
// line runs due east or west: as exact as GeographicLib's positions (15
// nanometres). A meridian crossing is found by Newton's method on the
// distance along the line, kept within a bracket where it strays, until the
// line's longitude there differs from the meridian's by at most 1e-11
// degrees (about a micrometre); its latitude is the line's at that distance
// and its longitude the meridian's exactly. Measured against GeodSolve
// (distance-mode bisection on the tool's own output, an independent route),
// the tests see vertices and crossings agree to better than 1e-9 degrees.
//
// Positions are geo::GeoPoint in decimal degrees, north and east positive,
// checked as checkPosition (earth.h) checks them; computed longitudes lie in
// [-180, 180), the 180th meridian written as -180, as Earth::deadReckoning
// writes it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "geo/angle.h"
#include "nav/earth_model.h"
#include "nav/leg.h"
#include "nav/route.h"

namespace nav {

// The smallest interval between the meridians of a sailing, degrees: one
// minute of longitude (at most 10 800 points on a leg of 180 degrees).
inline constexpr double kSmallestMeridianInterval = 1.0 / 60;

// A point of the sailing and the rhumb line steered from it to the next.
struct SailingPoint {
    geo::GeoPoint position;
    std::optional<RhumbLeg> toNext;  // empty for the last point
};

// The vertex: the point of the great circle nearest a pole, where it runs
// due east or west. A great circle has two, one in each hemisphere; this is
// the one nearer, along the circle, to the middle of the leg: for a leg in
// one hemisphere, the vertex in that hemisphere; for a leg whose middle is
// on the equator, the northern one. On a leg along a meridian the vertex is
// the pole; on a leg from or to a pole, that pole as it was given (the
// North Pole, from pole to pole).
struct Vertex {
    geo::GeoPoint position;
    bool onLeg = false;  // between the ends of the leg, or at one of them
};

struct GreatCircleSailing {
    // Initial and final course, distance, as Earth::leg gives them: at a
    // pole, leaving the North Pole 180 and the South Pole 000, arriving at
    // the North Pole 000 and at the South Pole 180.
    GreatCircleLeg greatCircle;
    // Empty for a leg along the equator (every point is as near the poles)
    // and between coincident points (no circle is defined).
    std::optional<Vertex> vertex;
    // The departure, each point where the leg crosses a meridian k * N
    // degrees east or west of Greenwich (k = 0, 1, 2 … while k * N <= 180)
    // strictly between its ends, in the order sailed, and the arrival. A
    // leg across the 180th meridian takes the meridians of both sides:
    // with N = 5, 175 E, 180, 175 W. No meridian is crossed on a leg along
    // a meridian or from or to a pole (the pole's longitude is a
    // convention, not a crossing).
    std::vector<SailingPoint> points;
    // The sum of the rhumb legs: the distance when they are steered.
    double rhumbDistance = 0;
};

// The great circle from `from` to `to`, with its crossings of every
// `every` degrees of longitude.
//   {35.45, 139.65} -> {37.8, -122.42}, every 10: initial course 054.3,
//     4485.2 n mile; vertex 48°38.07′N 169°15.69′W, on the leg; 10
//     crossings, 140 E .. 180 .. 130 W; 4487.9 n mile by rhumb legs
// Throws RangeError for a position as checkPosition does, and
// (Quantity::MeridianInterval) for an interval that is not finite or below
// kSmallestMeridianInterval: 5, 10, 2.5, 1/60 and 400 (Greenwich only) are
// accepted; 0, -5, 0.01 and NaN are refused.
GreatCircleSailing sailGreatCircle(EarthModel model, geo::GeoPoint from, geo::GeoPoint to,
                                   double every);

// The name of the n-th point a split inserts: "大圆分点 1", "大圆分点 2" …
std::string greatCirclePointName(int number);

// The plan with the leg arriving at waypoint `arrival` replaced by its
// sailing's rhumb legs: a waypoint for each crossing is inserted before
// `arrival` (named by greatCirclePointName, numbered on from the highest
// such number already in the plan, so names stay unique; method Rhumb; the
// leg's speed; no remark), and `arrival`'s method becomes Rhumb. A leg with
// a missing position at either end, or an `arrival` of 0 or past the last
// waypoint, leaves the plan unchanged. The route's distance becomes the
// sailing's rhumbDistance for that leg.
// Throws as sailGreatCircle throws.
RoutePlan splitLeg(EarthModel model, const RoutePlan& plan, std::size_t arrival, double every);

// splitLeg for every great-circle leg of the plan, numbered on through the
// route in its order: a route of rhumb lines only (`--split-gc DEG`).
RoutePlan splitGreatCircleLegs(EarthModel model, const RoutePlan& plan, double every);

}  // namespace nav
