// SPDX-License-Identifier: GPL-3.0-or-later
// The celestial computations' speed: a sight reduction from its instant
// (the almanac set up and the body placed), the almanac page of every body,
// a position line's reduction from another trial position, a day's rising,
// setting and twilight.
#include <benchmark/benchmark.h>

#include "nav/almanac.h"
#include "nav/rise_set.h"
#include "nav/sight_reduction.h"

namespace {

const nav::UtcTime kTime{2026, 12, 8, 1, 30, 15};

// A new instant each call, so that no cache of the ephemeris's serves it.
nav::Instant nextInstant()
{
    static double seconds = 0;
    seconds += 1.25;
    return nav::Instant::fromUtc(kTime).later(seconds);
}

void BM_AlmanacSetUp(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(nav::Almanac(nextInstant()).ariesGha());
}
BENCHMARK(BM_AlmanacSetUp);

void BM_SightReduction(benchmark::State& state)
{
    const nav::Body& moon = nav::body("Moon");
    for (auto _ : state) {
        const nav::Almanac almanac(nextInstant());
        benchmark::DoNotOptimize(
            nav::reduceSight(almanac, moon, 27.88, nav::Limb::Lower, {15, 1.5, 10, 1010}, {30.57, 122.19})
                .intercept);
    }
}
BENCHMARK(BM_SightReduction)->Unit(benchmark::kMicrosecond);

void BM_AlmanacPage(benchmark::State& state)
{
    for (auto _ : state) {
        const nav::Almanac almanac(nextInstant());
        double sum = almanac.ariesGha();
        for (const nav::Body& body : nav::bodies())
            sum += almanac.place(body).gha;
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_AlmanacPage)->Unit(benchmark::kMicrosecond);

void BM_LineAtTrialPosition(benchmark::State& state)
{
    const nav::Almanac almanac(nav::Instant::fromUtc(kTime));
    const nav::AltitudeLine line(almanac, nav::body("Moon"), 27.88, nav::Limb::Lower, {15, 1.5, 10, 1010});
    double latitude = 30;
    for (auto _ : state) {
        benchmark::DoNotOptimize(line.at({latitude, 122.19}).intercept);
        latitude += 1e-9;
    }
}
BENCHMARK(BM_LineAtTrialPosition);

void BM_DayEvents(benchmark::State& state)
{
    const nav::TimeZone zone = *nav::TimeZone::fromMinutes(480);
    for (auto _ : state)
        benchmark::DoNotOptimize(nav::dayEvents(2026, 12, 8, zone, {31.23, 121.47}).sun.rise);
}
BENCHMARK(BM_DayEvents)->Unit(benchmark::kMillisecond);

}  // namespace
