// SPDX-License-Identifier: GPL-3.0-or-later
// The candidate angles shared by the distance and the angle search.
#pragma once

#include <array>
#include <cstddef>

namespace geo::detail {

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

}  // namespace geo::detail
