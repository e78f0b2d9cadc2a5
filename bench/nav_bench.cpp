// SPDX-License-Identifier: GPL-3.0-or-later
// Time of a 10,000-waypoint route on one Earth, with coastal legs of a few
// n mile and with ocean legs of hundreds, every third leg by great circle.
//   cmake --preset release && cmake --build --preset release --target nav_bench
//   build/release/bench/nav_bench
#include <benchmark/benchmark.h>

#include <cmath>

#include "nav/entry.h"
#include "nav/route.h"

namespace {

constexpr int kWaypoints = 10000;

// Waypoints zigzagging from (lat0, lon0) by `step` degrees, so that both
// the courses and the lengths of the legs vary; longitudes wrap past 180.
nav::RoutePlan zigzag(double lat0, double lon0, double step)
{
    nav::RoutePlan plan;
    plan.speed = 14;
    plan.departure = nav::readClockTime("2025-01-01 08:00");
    plan.waypoints.reserve(kWaypoints);
    for (int i = 0; i < kWaypoints; ++i) {
        const double latitude = lat0 + step * std::sin(i * 0.37) * 20;
        const double longitude = std::remainder(lon0 + step * i, 360.0);
        const nav::Method method = i % 3 == 0 ? nav::Method::GreatCircle : nav::Method::Rhumb;
        plan.waypoints.push_back({"WP", geo::GeoPoint{latitude, longitude}, method});
    }
    return plan;
}

void runRoute(benchmark::State& state, const nav::RoutePlan& plan)
{
    const nav::Earth earth;
    for (auto _ : state)
        benchmark::DoNotOptimize(nav::computeRoute(earth, plan));
}

void BM_RouteCoastal(benchmark::State& state) { runRoute(state, zigzag(30, 120, 0.05)); }
void BM_RouteOcean(benchmark::State& state) { runRoute(state, zigzag(10, 120, 2)); }

void BM_EarthSetUp(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(nav::Earth(nav::EarthModel::Wgs84));
}

BENCHMARK(BM_RouteCoastal)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RouteOcean)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EarthSetUp)->Unit(benchmark::kMicrosecond);

}  // namespace
