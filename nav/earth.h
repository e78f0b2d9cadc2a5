// SPDX-License-Identifier: GPL-3.0-or-later
// Legs and dead reckoning (推算船位) on one figure of the Earth.
//
// Every geodesic and rhumb-line value comes from GeographicLib
// (GeographicLib::Geodesic and GeographicLib::Rhumb); nothing here
// approximates them. GeographicLib promises the great-circle (geodesic)
// lengths to better than 15 nanometres on WGS-84 and the rhumb-line lengths
// to about 10 nanometres, on the sphere to round-off, and the courses and
// positions to match: far below the 0.1 n mile, 0.1 degree and 0.01′ a
// navigator reads.
//
// Positions are geo::GeoPoint in decimal degrees, north and east positive.
// Every function refuses, with RangeError, a latitude that is not finite or
// lies outside -90 .. 90 and a longitude that is not finite or lies outside
// -180 .. 180:
//   {30.17, 122.0883}  {-90, 0}  {0, -180}  {0, 180}   accepted
//   {90.5, 0}  {0, 181}  {NaN, 0}  {0, inf}            refused
#pragma once

#include <memory>

#include "geo/angle.h"
#include "nav/earth_model.h"
#include "nav/leg.h"

namespace nav {

// Throws RangeError (Quantity::Latitude or Quantity::Longitude) for a
// position outside the ranges above; the reader of a route calls it to
// tell which waypoint is at fault.
void checkPosition(geo::GeoPoint position);

// The longest run dead reckoning accepts, in n mile: some 46 times round the
// Earth, more than any voyage runs, and the bound keeps every result finite.
inline constexpr double kMaxRun = 1e6;

// One figure of the Earth with its great-circle and rhumb-line solvers, set
// up once and used for any number of legs rather than again for each (the
// set-up costs about half a leg). Construct one per model where it is
// needed; there is no shared instance. A moved-from Earth may only be
// assigned to or destroyed.
class Earth {
public:
    explicit Earth(EarthModel model = EarthModel::Wgs84);
    ~Earth();
    Earth(Earth&&) noexcept;
    Earth& operator=(Earth&&) noexcept;

    EarthModel model() const noexcept { return model_; }

    // Both ways from `from` to `to`:
    //   great circle: the shortest path (the geodesic on WGS-84); its initial
    //     course, its final course (the direction of travel on arrival) and
    //     its length;
    //   rhumb line: the constant course and its length, the shorter of the
    //     two ways round: a leg from 170 E to 170 W crosses the 180th
    //     meridian eastwards (20 degrees of longitude, not 340). With the
    //     ends on opposite meridians both ways are equally long: eastward
    //     when the arrival longitude is the greater (-10 to 170), westward
    //     otherwise (170 to -10).
    // Special cases, as GeographicLib resolves them:
    //   coincident points: distances 0; the courses mean nothing (the great
    //     circle gives 180.0 for both, the rhumb line 000.0);
    //   a pole at either end: a pole lies on every meridian, and its
    //     longitude names no place, so the leg runs along the other end's
    //     meridian by either method, and its courses at the pole are what a
    //     navigator reads there: leaving the North Pole 180.0 and the South
    //     Pole 000.0, arriving at the North Pole 000.0 and at the South Pole
    //     180.0. From {60, 30} to {90, 0} both methods steer 000.0 for
    //     1807.7 n mile, as to {90, 30} (GeographicLib alone, with the pole
    //     on the meridian 0, gives a rhumb line of 359.6 spiralling 30
    //     degrees west, 0.05 n mile longer, and a final course of 330.0);
    //     from {90, 0} to {30, 120} both steer 180.0 (GeographicLib: 060.0
    //     and 178.3);
    //   antipodes: many great circles are equally short, one of them is
    //     given; nearly antipodal points have one shortest, found exactly.
    // Courses are in [0, 360), distances in n mile (1852 m).
    Leg leg(geo::GeoPoint from, geo::GeoPoint to) const;

    // The position reached from `from` after running `distance` n mile on
    // `course` (degrees true, 0 .. 360, 360 being north) by `method`. The
    // longitude is in [-180, 180): a run across the 180th meridian comes
    // out west of it, 180 itself as -180.
    //   great circle: any distance, over the poles if the course leads
    //     there; from a pole the course is taken as on the pole's given
    //     meridian;
    //   rhumb line: a course other than due east or west spirals towards a
    //     pole, and a run that would go on past it (or starts at one on a
    //     course other than 000 or 180) throws PoleError: its longitude is
    //     undefined.
    // Throws RangeError for the position as above, Quantity::Course for a
    // course that is not finite or lies outside 0 .. 360, and
    // Quantity::Distance for a distance that is not finite, negative or
    // above kMaxRun.
    geo::GeoPoint deadReckoning(geo::GeoPoint from, double course, double distance,
                                Method method) const;

private:
    struct Solvers;
    EarthModel model_;
    std::unique_ptr<const Solvers> solvers_;
};

}  // namespace nav
