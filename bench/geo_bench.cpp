// SPDX-License-Identifier: GPL-3.0-or-later
// Time of one distance, one angle and one angleFromCosine call, the library's
// bisecting searches beside the step-by-step scans, on the same inputs.
//   cmake --preset release && cmake --build --preset release --target geo_bench
//   build/release/bench/geo_bench
#include <benchmark/benchmark.h>

#include <array>

#include "geo/angle.h"
#include "geo/distance.h"
#include "step_scan.h"

namespace {

struct Points {
    double lat1, lon1, lat2, lon2, latR, lonR;
};

// A chart-sized pair and triangle, a long one, and a short one; the scans
// cost most for short distances and small angles (the match lies far down).
constexpr std::array<Points, 3> kInputs = {{
    {39.9, 116.4, 31.2, 121.5, 35.0, 119.0},
    {10, 0, -10, 0, 0, 0},
    {42.8333, 93.6467, 42.8400, 93.6500, 42.8300, 93.6600},
}};
constexpr std::array<double, 3> kCosines = {0.5, -0.98480775, 0.99619469};

template <class Distance>
void runDistance(benchmark::State& state, Distance distance)
{
    const Points& p = kInputs[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state) {
        Points q = p;
        benchmark::DoNotOptimize(q);
        benchmark::DoNotOptimize(distance(q.lat1, q.lon1, q.lat2, q.lon2));
    }
}

template <class Angle>
void runAngle(benchmark::State& state, Angle angle)
{
    const Points& p = kInputs[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state) {
        Points q = p;
        benchmark::DoNotOptimize(q);
        benchmark::DoNotOptimize(angle(q));
    }
}

template <class FromCosine>
void runFromCosine(benchmark::State& state, FromCosine fromCosine)
{
    const double x = kCosines[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state) {
        double y = x;
        benchmark::DoNotOptimize(y);
        benchmark::DoNotOptimize(fromCosine(y));
    }
}

void BM_Distance(benchmark::State& state) { runDistance(state, geo::distance); }
void BM_DistanceStepByStep(benchmark::State& state) { runDistance(state, oracle::distance); }

void BM_Angle(benchmark::State& state)
{
    runAngle(state, [](const Points& q) {
        return geo::angle({q.lat1, q.lon1}, {q.lat2, q.lon2}, {q.latR, q.lonR});
    });
}
void BM_AngleStepByStep(benchmark::State& state)
{
    runAngle(state, [](const Points& q) {
        return oracle::angle(q.lat1, q.lon1, q.lat2, q.lon2, q.latR, q.lonR);
    });
}

void BM_AngleFromCosine(benchmark::State& state) { runFromCosine(state, geo::angleFromCosine); }
void BM_AngleFromCosineStepByStep(benchmark::State& state)
{
    runFromCosine(state, oracle::angleFromCosine);
}

BENCHMARK(BM_Distance)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DistanceStepByStep)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Angle)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AngleStepByStep)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AngleFromCosine)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AngleFromCosineStepByStep)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

}  // namespace
