// SPDX-License-Identifier: GPL-3.0-or-later
// GeographicLib's great-circle and rhumb-line solvers for one figure of the
// Earth, set up alike wherever nav needs them, so that a leg computed by
// Earth and a rhumb leg of a great-circle sailing agree to the last bit.
// Internal to nav: GeographicLib stays out of nav's public headers.
#pragma once

#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/Rhumb.hpp>

#include "nav/earth_model.h"

namespace nav {

struct Solvers {
    explicit Solvers(EarthModel model);
    GeographicLib::Geodesic geodesic;
    // The series form (RhumbSolve -s): for flattenings up to 0.01 as accurate
    // as the exact one, and a third of its time on the short legs of a route.
    GeographicLib::Rhumb rhumb;
};

}  // namespace nav
