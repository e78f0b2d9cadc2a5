// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/distance.h"

#include <cmath>

#include "geo/conversion_error.h"
#include "geo/sphere.h"

namespace geo {

using namespace sphere;

namespace {

// Radius of the parallel at a latitude; only the latitude's size counts.
double parallelRadius(double latitude)
{
    return std::sin((kQuarterTurn - std::fabs(latitude)) / kHalfTurn * kPi) * kRadius;
}

// The estimated chord over the diameter, i.e. the sine of half the central
// angle: from a meridian chord for the latitude difference and the arcs
// along both parallels over the longitude difference.
double halfAngleSine(double lat1, double lon1, double lat2, double lon2)
{
    const double r1 = parallelRadius(lat1);
    const double r2 = parallelRadius(lat2);
    double d = std::fabs(lon1 - lon2);
    if (d > kHalfTurn) d = kFullTurn - d;  // exactly 180 stays 180
    const double a1 = r1 * kTwoPi * d / kFullTurn;
    const double a2 = r2 * kTwoPi * d / kFullTurn;
    const double m = std::sin(std::fabs(lat1 - lat2) / 2 / kHalfTurn * kPi) * kDiameter;
    return std::sqrt(a1 * a1 / 2 + m * m + a2 * a2 / 2) / kDiameter;
}

double kilometres(double degrees) { return degrees * kCircumference / kFullTurn; }

}  // namespace

double distance(double lat1, double lon1, double lat2, double lon2)
{
    const double u = halfAngleSine(lat1, lon1, lat2, lon2);
    // Infinities and NaNs propagate into u from any argument or step that
    // overflowed; divisions are all by non-zero constants.
    if (!std::isfinite(u)) throw ArithmeticError("distance: argument or intermediate not finite");

    bool matched = false;
    double b = kSearchStart;
    while (!(b < 0) && !matched) {
        const double s = std::sin(b / 2 * kPi / kHalfTurn);
        if (std::fabs(s - u) < kSineTolerance) matched = true;
        b = b - kSearchStep;
    }
    // No candidate matches when the chord estimate exceeds the diameter
    // (u >= 1.00001); the farthest distance the search can give is the one
    // that u just below that bound yields.
    if (!matched) return kilometres(kSearchStart - kSearchStep);
    return kilometres(b);
}

}  // namespace geo
