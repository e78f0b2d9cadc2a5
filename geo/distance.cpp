// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/distance.h"

#include <cmath>

#include "geo/errors.h"
#include "geo/search.h"

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

double halfAngleSineOfCandidate(std::size_t index)
{
    return std::sin(detail::kCandidateAngles[index] / 2 * kPi / kHalfTurn);
}

}  // namespace

namespace detail {

// The search wants the first candidate (largest angle) with
// |sin(B / 2) - u| < tolerance. Half angles run from 90 degrees of the
// 8-digit pi (just under the true right angle) down to zero, where the sine
// rises strictly; neighbouring candidates' sines differ by at least 3.8e-11,
// over 10^5 ulps, so the computed sines fall strictly from candidate to
// candidate too (the test suite checks all of them). Hence sin(B / 2) - u,
// computed, only falls, and "below the tolerance" is false up to some
// candidate and true from there on: bisection finds that candidate. It passes
// unless its sine already lies a tolerance below u, and then so do all later
// ones.
double distanceForHalfAngleSine(double u)
{
    const std::size_t first = firstCandidateWhere(
        [u](std::size_t index) { return halfAngleSineOfCandidate(index) - u < kSineTolerance; });
    const bool matched = first < kTestedCandidates &&
                         std::fabs(halfAngleSineOfCandidate(first) - u) < kSineTolerance;
    // No candidate matches when the chord estimate exceeds the diameter
    // (u >= 1.00001); the farthest distance the search can give is the one
    // that u just below that bound yields.
    return kilometres(kCandidateAngles[matched ? first + 1 : 1]);
}

}  // namespace detail

double distance(double lat1, double lon1, double lat2, double lon2)
{
    const double u = halfAngleSine(lat1, lon1, lat2, lon2);
    // Infinities and NaNs propagate into u from any argument or step that
    // overflowed; divisions are all by non-zero constants.
    if (!std::isfinite(u)) throw ArithmeticError("distance: argument or intermediate not finite");
    return detail::distanceForHalfAngleSine(u);
}

}  // namespace geo
