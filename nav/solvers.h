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

}  // namespace nav
