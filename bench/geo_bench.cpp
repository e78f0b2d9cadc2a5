// SPDX-License-Identifier: GPL-3.0-or-later
// Time of one distance, one angle and one angleFromCosine call.
#include <benchmark/benchmark.h>

#include "geo/angle.h"
#include "geo/distance.h"

namespace {

void BM_Distance(benchmark::State& state)
{
    double lat1 = 39.9, lon1 = 116.4, lat2 = 31.2, lon2 = 121.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(lat1);
        benchmark::DoNotOptimize(geo::distance(lat1, lon1, lat2, lon2));
    }
}
BENCHMARK(BM_Distance)->Unit(benchmark::kMicrosecond);

void BM_Angle(benchmark::State& state)
{
    geo::GeoPoint point1{10, 0}, point2{20, 0}, reference{0, 0};
    for (auto _ : state) {
        benchmark::DoNotOptimize(point1);
        benchmark::DoNotOptimize(geo::angle(point1, point2, reference));
    }
}
BENCHMARK(BM_Angle)->Unit(benchmark::kMicrosecond);

void BM_AngleFromCosine(benchmark::State& state)
{
    double x = 0.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(geo::angleFromCosine(x));
    }
}
BENCHMARK(BM_AngleFromCosine)->Unit(benchmark::kMicrosecond);

}  // namespace
