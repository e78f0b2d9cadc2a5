// SPDX-License-Identifier: GPL-3.0-or-later
// The long run of the search equivalence, outside ctest: every tolerance-band
// edge of every candidate, eight ulps either way, and as many random inputs
// as asked for (default 10 million per search).
//   geo_search_exhaustive [random-inputs]
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>

#include "geo/angle.h"
#include "geo/distance.h"
#include "geo/search.h"
#include "step_scan.h"

namespace {

constexpr int kUlpsEachWay = 8;

long long mismatches = 0;
long long checked = 0;

void expectSame(const char* what, double input, double fast, double scan)
{
    ++checked;
    if (fast == scan) return;
    if (++mismatches <= 20)
        std::printf("MISMATCH %s(%.17g): fast %.17g, scan %.17g\n", what, input, fast, scan);
}

template <class Check>
void aroundEdge(double edge, Check check)
{
    double below = edge;
    double above = edge;
    check(edge);
    for (int i = 0; i < kUlpsEachWay; ++i) {
        below = std::nextafter(below, -std::numeric_limits<double>::infinity());
        above = std::nextafter(above, std::numeric_limits<double>::infinity());
        check(below);
        check(above);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    const long long randomInputs = argc > 1 ? std::atoll(argv[1]) : 10'000'000;
    const oracle::TabulatedScans scans;

    for (std::size_t k = 0; k < geo::detail::kTestedCandidates; ++k) {
        const double s = scans.halfAngleSines()[k];
        for (double edge : {s + 0.00001, s - 0.00001})
            aroundEdge(edge, [&](double u) {
                if (u >= 0)
                    expectSame("distanceForHalfAngleSine", u,
                               geo::detail::distanceForHalfAngleSine(u),
                               scans.distanceForHalfAngleSine(u));
            });
        const double c = scans.cosines()[k];
        for (double edge : {c + 0.0001, c - 0.0001})
            aroundEdge(edge, [&](double x) {
                expectSame("angleFromCosine", x, geo::angleFromCosine(x), scans.angleFromCosine(x));
            });
    }
    std::printf("band edges: %lld inputs checked, %lld mismatches\n", checked, mismatches);

    std::mt19937_64 random(20261207);
    std::uniform_real_distribution<double> latitude(-90, 90);
    std::uniform_real_distribution<double> longitude(-180, 180);
    std::uniform_real_distribution<double> cosine(-1.0002, 1.0002);
    for (long long i = 0; i < randomInputs; ++i) {
        const double lat1 = latitude(random), lon1 = longitude(random);
        const double lat2 = latitude(random), lon2 = longitude(random);
        expectSame("distance", lat1, geo::distance(lat1, lon1, lat2, lon2),
                   scans.distance(lat1, lon1, lat2, lon2));
        const double x = cosine(random);
        expectSame("angleFromCosine", x, geo::angleFromCosine(x), scans.angleFromCosine(x));
    }
    std::printf("all: %lld inputs checked, %lld mismatches\n", checked, mismatches);
    return mismatches == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
