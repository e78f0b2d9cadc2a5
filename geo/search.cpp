// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/search.h"

namespace geo::detail {
namespace {

constexpr std::array<double, kCandidateCount> makeCandidates()
{
    std::array<double, kCandidateCount> angles{};
    double angle = sphere::kSearchStart;
    for (double& candidate : angles) {
        candidate = angle;
        angle = angle - sphere::kSearchStep;
    }
    return angles;
}

constexpr bool testedExactlyUpToTheEnd(const std::array<double, kCandidateCount>& angles)
{
    return !(angles[kTestedCandidates - 1] < 0) && angles[kTestedCandidates] < 0;
}

}  // namespace

constexpr std::array<double, kCandidateCount> kCandidateAngles = makeCandidates();

static_assert(testedExactlyUpToTheEnd(kCandidateAngles),
              "the last candidate must be the first one below zero");

}  // namespace geo::detail
