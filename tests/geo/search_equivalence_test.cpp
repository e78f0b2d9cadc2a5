// SPDX-License-Identifier: GPL-3.0-or-later
// The library's bisecting searches against the step-by-step scans: the same
// double for every input, at every tolerance-band edge and on random inputs.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include "geo/angle.h"
#include "geo/distance.h"
#include "geo/search.h"
#include "step_scan.h"

namespace {

constexpr int kRandomCases = 200000;
constexpr double kSineTolerance = 0.00001;
constexpr double kCosineTolerance = 0.0001;

const oracle::TabulatedScans& scans()
{
    static const oracle::TabulatedScans tabulated;
    return tabulated;
}

// Distance in ulps between two finite doubles of the same sign.
std::int64_t ulpsBetween(double a, double b)
{
    return static_cast<std::int64_t>(std::fabs(std::nextafter(a, b) - a) > 0
                                         ? std::fabs(a - b) / std::fabs(std::nextafter(a, b) - a)
                                         : 0);
}

// The candidates with every tolerance band edge tested: every 37th over the
// whole range and all of the first and last thousand.
std::vector<std::size_t> edgeCandidates()
{
    std::vector<std::size_t> indices;
    for (std::size_t k = 0; k < geo::detail::kTestedCandidates; ++k)
        if (k < 1000 || k % 37 == 0 || k >= geo::detail::kTestedCandidates - 1000)
            indices.push_back(k);
    return indices;
}

// Values a few ulps either side of `edge`.
template <class Check>
void aroundEdge(double edge, Check check)
{
    double below = edge;
    double above = edge;
    check(edge);
    for (int i = 0; i < 4; ++i) {
        below = std::nextafter(below, -std::numeric_limits<double>::infinity());
        above = std::nextafter(above, std::numeric_limits<double>::infinity());
        check(below);
        check(above);
    }
}

TEST(SearchCandidates, AreTheSubtractedSequence)
{
    const auto& expected = scans().candidates();
    ASSERT_EQ(expected.size(), geo::detail::kCandidateCount);
    for (std::size_t k = 0; k < expected.size(); ++k)
        ASSERT_EQ(geo::detail::kCandidateAngles[k], expected[k]) << "candidate " << k;
}

// Bisection is exact only if the computed sines fall and the computed cosines
// rise strictly over all tested candidates; here is where a libm that is not
// monotone in the last bit would show.
TEST(SearchCandidates, SinesFallAndCosinesRiseStrictly)
{
    const auto& sines = scans().halfAngleSines();
    const auto& cosines = scans().cosines();
    std::int64_t fewestSineUlps = std::numeric_limits<std::int64_t>::max();
    std::int64_t fewestCosineUlps = fewestSineUlps;
    for (std::size_t k = 1; k < sines.size(); ++k) {
        ASSERT_LT(sines[k], sines[k - 1]) << "candidate " << k;
        ASSERT_GT(cosines[k], cosines[k - 1]) << "candidate " << k;
        fewestSineUlps = std::min(fewestSineUlps, ulpsBetween(sines[k - 1], sines[k]));
        fewestCosineUlps = std::min(fewestCosineUlps, ulpsBetween(cosines[k], cosines[k - 1]));
    }
    // A last-bit error of the sine or cosine could reorder neighbours only if
    // they lay within a few ulps; they lie tens of thousands apart.
    EXPECT_GT(fewestSineUlps, 10000);
    EXPECT_GT(fewestCosineUlps, 10000);
    RecordProperty("fewest_sine_ulps", std::to_string(fewestSineUlps));
    RecordProperty("fewest_cosine_ulps", std::to_string(fewestCosineUlps));
}

TEST(DistanceSearch, EqualsTheScanAtEveryBandEdge)
{
    const auto& sines = scans().halfAngleSines();
    for (std::size_t k : edgeCandidates()) {
        for (double edge : {sines[k] + kSineTolerance, sines[k] - kSineTolerance}) {
            aroundEdge(edge, [&](double u) {
                if (u < 0) return;
                ASSERT_EQ(geo::detail::distanceForHalfAngleSine(u),
                          scans().distanceForHalfAngleSine(u))
                    << "candidate " << k << " u " << u;
            });
        }
    }
}

TEST(AngleSearch, EqualsTheScanAtEveryBandEdge)
{
    const auto& cosines = scans().cosines();
    for (std::size_t k : edgeCandidates()) {
        for (double edge : {cosines[k] + kCosineTolerance, cosines[k] - kCosineTolerance}) {
            aroundEdge(edge, [&](double x) {
                ASSERT_EQ(geo::angleFromCosine(x), scans().angleFromCosine(x))
                    << "candidate " << k << " x " << x;
            });
        }
    }
}

TEST(DistanceSearch, EqualsTheScanWhereNoCandidateMatches)
{
    aroundEdge(1.00001 + scans().halfAngleSines()[0] - 1, [](double u) {
        ASSERT_EQ(geo::detail::distanceForHalfAngleSine(u), scans().distanceForHalfAngleSine(u));
    });
    for (double u : {1.00001, 1.0001, 1.5, 1e300})
        EXPECT_EQ(geo::detail::distanceForHalfAngleSine(u), scans().distanceForHalfAngleSine(u));
}

TEST(DistanceSearch, EqualsTheScanOnRandomPoints)
{
    std::mt19937_64 random(180001);
    std::uniform_real_distribution<double> latitude(-90, 90);
    std::uniform_real_distribution<double> longitude(-180, 180);
    std::uniform_real_distribution<double> nearby(-0.01, 0.01);
    for (int i = 0; i < kRandomCases; ++i) {
        const double lat1 = latitude(random), lon1 = longitude(random);
        // Every fourth pair lies within a kilometre or so, where steps matter most.
        const bool close = i % 4 == 0;
        const double lat2 = close ? lat1 + nearby(random) : latitude(random);
        const double lon2 = close ? lon1 + nearby(random) : longitude(random);
        ASSERT_EQ(geo::distance(lat1, lon1, lat2, lon2), scans().distance(lat1, lon1, lat2, lon2))
            << lat1 << ' ' << lon1 << ' ' << lat2 << ' ' << lon2;
    }
}

TEST(AngleSearch, EqualsTheScanOnRandomCosines)
{
    std::mt19937_64 random(89995);
    std::uniform_real_distribution<double> cosine(-1.0002, 1.0002);
    for (int i = 0; i < kRandomCases; ++i) {
        const double x = cosine(random);
        ASSERT_EQ(geo::angleFromCosine(x), scans().angleFromCosine(x)) << x;
    }
}

TEST(AngleSearch, EqualsTheScanOnRandomTriangles)
{
    std::mt19937_64 random(5064);
    std::uniform_real_distribution<double> latitude(-90, 90);
    std::uniform_real_distribution<double> longitude(-180, 180);
    std::uniform_real_distribution<double> nearby(-2, 2);
    for (int i = 0; i < kRandomCases; ++i) {
        const double latR = latitude(random), lonR = longitude(random);
        // Half the triangles lie within a few hundred kilometres of the reference.
        const bool local = i % 2 == 0;
        const double lat1 = local ? latR + nearby(random) : latitude(random);
        const double lon1 = local ? lonR + nearby(random) : longitude(random);
        const double lat2 = local ? latR + nearby(random) : latitude(random);
        const double lon2 = local ? lonR + nearby(random) : longitude(random);
        ASSERT_EQ(geo::angle({lat1, lon1}, {lat2, lon2}, {latR, lonR}),
                  scans().angle(lat1, lon1, lat2, lon2, latR, lonR))
            << lat1 << ' ' << lon1 << ' ' << lat2 << ' ' << lon2 << ' ' << latR << ' ' << lonR;
    }
}

// The library against the step-by-step scans themselves. The tests above
// hold it to their tabulated form, which shares the candidates and the
// arithmetic with the scans; here nothing stands between the library and the
// scans as the method writes them out.
TEST(StepByStepScan, EqualsTheLibrary)
{
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> latitude(-90, 90);
    std::uniform_real_distribution<double> longitude(-180, 180);
    for (int i = 0; i < 200; ++i) {
        const double lat1 = latitude(random), lon1 = longitude(random);
        const double lat2 = latitude(random), lon2 = longitude(random);
        const double x = std::uniform_real_distribution<double>(-1.0002, 1.0002)(random);
        ASSERT_EQ(geo::distance(lat1, lon1, lat2, lon2), oracle::distance(lat1, lon1, lat2, lon2))
            << lat1 << ' ' << lon1 << ' ' << lat2 << ' ' << lon2;
        ASSERT_EQ(geo::angleFromCosine(x), oracle::angleFromCosine(x)) << x;
    }
    EXPECT_EQ(geo::angle({10, 0}, {-10, 0}, {0, 0}), oracle::angle(10, 0, -10, 0, 0, 0));
}

}  // namespace
