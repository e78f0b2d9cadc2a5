// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/angle.h"

#include <cmath>

#include "geo/conversion_error.h"
#include "geo/distance.h"
#include "geo/sphere.h"

namespace geo {

using namespace sphere;

namespace {

// Straight-line length of a great-circle distance on the sphere.
double chord(double kilometres) { return kDiameter * std::sin(kilometres / kDiameter); }

double distanceBetween(GeoPoint from, GeoPoint to)
{
    return distance(from.latitude, from.longitude, to.latitude, to.longitude);
}

// The search proper; x is finite.
double searchCosine(double x, bool& passed)
{
    passed = false;
    double theta = kSearchStart;
    while (!passed && !(theta < 0)) {
        const double r = theta / kHalfTurn * kPi;
        if (std::fabs(x - std::cos(r)) < kCosineTolerance) passed = true;
        theta = theta - kSearchStep;
    }
    return theta;
}

}  // namespace

double angleFromCosine(double x)
{
    if (!std::isfinite(x)) throw ArithmeticError("angle: cosine not finite");
    bool passed = false;
    const double theta = searchCosine(x, passed);
    if (passed) return theta;
    // Only x at or beyond -1.0001 or 1.0001 passes no candidate: answer as
    // for the nearest cosine that exists.
    return searchCosine(x < 0 ? -1.0 : 1.0, passed);
}

double angle(GeoPoint point1, GeoPoint point2, GeoPoint reference)
{
    const double a = chord(distanceBetween(point1, point2));
    const double b = chord(distanceBetween(point1, reference));
    const double c = chord(distanceBetween(reference, point2));
    const double divisor = (b + b) * c;
    if (divisor == 0) throw ArithmeticError("angle: zero divisor");
    const double x = (c * c + b * b - a * a) / divisor;
    if (!std::isfinite(x)) throw ArithmeticError("angle: cosine not finite");
    return angleFromCosine(x);
}

}  // namespace geo
