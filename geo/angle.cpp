// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/angle.h"

#include <cmath>

#include "geo/errors.h"
#include "geo/distance.h"
#include "geo/search.h"
#include "geo/search.h"

namespace geo {

using namespace sphere;

namespace {

// Straight-line length of a great-circle distance on the sphere.
double chord(double kilometres) { return kDiameter * std::sin(kilometres / kDiameter); }

double distanceBetween(GeoPoint from, GeoPoint to)
{
    return distance(from.latitude, from.longitude, to.latitude, to.longitude);
}

double cosineOfCandidate(std::size_t index)
{
    return std::cos(detail::kCandidateAngles[index] / kHalfTurn * kPi);
}

// The first candidate (largest angle) with |x - cos(theta)| < tolerance, or
// kTestedCandidates. Candidates run from 180 degrees of the 8-digit pi (just
// under the true half turn) down to zero, where the cosine rises strictly;
// neighbours' cosines differ by at least 1.5e-10, about 10^6 ulps, so the
// computed cosines rise strictly from candidate to candidate as well (the
// test suite checks all of them). Then x - cos(theta), computed, only falls,
// "below the tolerance" is false up to some candidate and true from there on,
// and bisection finds it. It passes unless x already lies a tolerance below
// its cosine, and then below all later ones too.
std::size_t firstPassingCandidate(double x)
{
    const std::size_t first = detail::firstCandidateWhere(
        [x](std::size_t index) { return x - cosineOfCandidate(index) < kCosineTolerance; });
    const bool passed = first < detail::kTestedCandidates &&
                        std::fabs(x - cosineOfCandidate(first)) < kCosineTolerance;
    return passed ? first : detail::kTestedCandidates;
}

}  // namespace

double angleFromCosine(double x)
{
    if (!std::isfinite(x)) throw ArithmeticError("angle: cosine not finite");
    std::size_t first = firstPassingCandidate(x);
    // Only x at or beyond -1.0001 or 1.0001 passes no candidate: answer as
    // for the nearest cosine that exists.
    if (first == detail::kTestedCandidates) first = firstPassingCandidate(x < 0 ? -1.0 : 1.0);
    // The search returns the candidate one step below the one that passed.
    return detail::kCandidateAngles[first + 1];
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
