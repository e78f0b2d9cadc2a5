// SPDX-License-Identifier: GPL-3.0-or-later
// GeographicLib's great-circle and rhumb-line solvers for one figure of the
// Earth, set up alike wherever nav needs them, so that a leg computed by
// Earth and a rhumb leg of a great-circle sailing agree to the last bit; and
// how nav writes the azimuths and longitudes they give. Internal to nav:
// GeographicLib stays out of nav's public headers.
#pragma once

#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/Math.hpp>
#include <GeographicLib/Rhumb.hpp>

#include <cmath>

#include "geo/angle.h"
#include "geo/units.h"
#include "nav/earth_model.h"

namespace nav {

// The figure's equatorial radius in metres and its flattening.
double radiusOf(EarthModel model);
double flatteningOf(EarthModel model);

struct Solvers {
    explicit Solvers(EarthModel model);
    GeographicLib::Geodesic geodesic;
    // The series form (RhumbSolve -s): for flattenings up to 0.01 as accurate
    // as the exact one, and a third of its time on the short legs of a route.
    GeographicLib::Rhumb rhumb;
};

// GeographicLib gives azimuths in [-180, 180]; courses are in [0, 360). A
// tiny negative azimuth plus 360 rounds to 360 itself, which is north again;
// adding +0.0 turns -0.0 into 0.
inline double courseOf(double azimuth)
{
    using geo::kFullCircle;
    const double course = azimuth < 0 ? azimuth + kFullCircle : azimuth;
    return course >= kFullCircle ? 0.0 : course + 0.0;
}

// Any longitude, also one unrolled past the 180th meridian, as nav writes
// it: in [-180, 180), the 180th meridian as -180 so that each meridian has
// one value, -0 as 0.
inline double longitudeOf(double longitude)
{
    using geo::kFullCircle;
    using geo::kHalfCircle;
    const double wrapped = GeographicLib::Math::AngNormalize(longitude);
    return wrapped >= kHalfCircle ? wrapped - kFullCircle : wrapped + 0.0;
}

// A pole lies on every meridian, and from the North Pole every way is south
// (north from the South Pole). GeographicLib takes a pole on the meridian
// of the longitude given with it, as the limit along that meridian, so its
// azimuths there, and its rhumb line spiralling onto that meridian, depend
// on a longitude that names no place. A leg with a pole at one end is
// therefore solved with the pole on the other end's meridian (onOneMeridian),
// where GeographicLib runs it along the meridian by either method, and the
// courses at a pole are what a navigator reads there (courseLeaving,
// courseArriving): leaving the North Pole 180 and the South Pole 000,
// arriving at the North Pole 000 and at the South Pole 180.
inline bool atAPole(geo::GeoPoint position)
{
    constexpr double kQuarterCircle = 90;
    return std::fabs(position.latitude) == kQuarterCircle;
}

// The ends of a leg with a pole moved onto the other end's meridian (both
// poles onto the departure's).
struct LegEnds {
    geo::GeoPoint from;
    geo::GeoPoint to;
};
inline LegEnds onOneMeridian(geo::GeoPoint from, geo::GeoPoint to)
{
    if (atAPole(to))
        to.longitude = from.longitude;
    else if (atAPole(from))
        from.longitude = to.longitude;
    return {from, to};
}

// The course (in [0, 360)) on leaving `from`: south from the North Pole,
// north from the South Pole, `course` anywhere else.
inline double courseLeaving(geo::GeoPoint from, double course)
{
    constexpr double kSouth = 180;
    if (!atAPole(from))
        return course;
    return from.latitude > 0 ? kSouth : 0.0;
}

// The course (in [0, 360)) on arriving at `to`, pointing onward along the
// track: north into the North Pole, south into the South Pole, `course`
// anywhere else.
inline double courseArriving(geo::GeoPoint to, double course)
{
    constexpr double kSouth = 180;
    if (!atAPole(to))
        return course;
    return to.latitude > 0 ? 0.0 : kSouth;
}

}  // namespace nav
