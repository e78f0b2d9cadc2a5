// SPDX-License-Identifier: GPL-3.0-or-later
// The sphere and the downward candidate search that distance() and angle()
// share: their constants, the candidate angles and the search itself.
#pragma once

#include <array>
#include <cstddef>

namespace geo {

// Every value is used exactly as written: results are defined by these very
// doubles, so pi is this eight-digit value, never a more precise one.
namespace sphere {

inline constexpr double kPi = 3.1415926;
inline constexpr double kTwoPi = 6.2831852;
inline constexpr double kRadius = 6371;                    // km
inline constexpr double kDiameter = 12742;                 // km
inline constexpr double kCircumference = 40030.1729092;    // km, kTwoPi * kRadius
inline constexpr double kHalfTurn = 180;                   // degrees
inline constexpr double kFullTurn = 360;                   // degrees
inline constexpr double kQuarterTurn = 90;                 // degrees

// The searches step a candidate angle down from kSearchStart by repeated
// subtraction of kSearchStep and stop at the first candidate below zero.
inline constexpr double kSearchStart = 180;
inline constexpr double kSearchStep = 0.001;
inline constexpr double kSineTolerance = 0.00001;    // distance: on sin(B / 2)
inline constexpr double kCosineTolerance = 0.0001;   // angle: on cos(theta)

}  // namespace sphere

namespace detail {

// Both searches test 180, then each candidate made from the one before by
// subtracting 0.001 - one double operation with its rounding, so the
// candidates drift from exact thousandths - and stop at the first candidate
// below zero. Candidates 0 .. 179999 are tested; candidate 180000 (about
// -4.95e-10) is where a search that matched the last one ends.
inline constexpr std::size_t kTestedCandidates = 180000;
inline constexpr std::size_t kCandidateCount = kTestedCandidates + 1;

// Made at compile time by the very subtractions the searches describe.
extern const std::array<double, kCandidateCount> kCandidateAngles;

// The first index in [0, kTestedCandidates) at which `reached` holds, or
// kTestedCandidates when it never does. `reached` must be monotone over the
// candidates: false up to some index, true from there on.
template <class Predicate>
std::size_t firstCandidateWhere(Predicate reached)
{
    std::size_t low = 0;
    std::size_t high = kTestedCandidates;
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (reached(middle))
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

// The central-angle search of distance(), on its own so that it can be tested
// at every edge of every candidate's tolerance band. Kilometres for a
// half-angle sine u (finite, not negative): one step below the largest
// candidate B with |sin(B / 2) - u| < 0.00001, or 179.999 steps when none
// matches.
double distanceForHalfAngleSine(double u);

}  // namespace detail
}  // namespace geo
