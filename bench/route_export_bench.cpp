// SPDX-License-Identifier: GPL-3.0-or-later
// Time of `tarnquil --route FILE --export OUT.csv` on a 10,000-waypoint
// route: the CSV file read from disk, every cell read, the route computed
// and the leg table written, as the command line does it; and of the table
// alone, which the route window recomputes.
//   cmake --preset release && cmake --build --preset release --target route_export_bench
//   build/release/bench/route_export_bench
#include <benchmark/benchmark.h>

#include "bench/coastal_route.h"
#include "cli/route_export.h"
#include "routefiles/route_csv.h"
#include "routefiles/route_table.h"
#include "routefiles/save_file.h"

#include "nav/entry.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

tarnquil::RouteSettings settings()
{
    return {geo::NumberForm::Minutes, nav::EarthModel::Wgs84, 12.5,
            nav::readClockTime("2025-01-01 08:00")};
}

void BM_ExportCsvFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString route = dir.filePath(u"route.csv"_s);
    const QString out = dir.filePath(u"legs.csv"_s);
    if (!tarnquil::saveFile(route, tarnquil::routeCsv(tarnquil::coastalRoute(), geo::NumberForm::Minutes)).isEmpty()) {
        state.SkipWithError("cannot write the route file");
        return;
    }
    for (auto _ : state) {
        const tarnquil::ExportResult result = tarnquil::exportRoute({route, 1, settings(), out});
        if (result.fault != tarnquil::ExportFault::None) {
            state.SkipWithError(result.messages.join(u'\n').toStdString().c_str());
            return;
        }
    }
    state.counters["out_bytes"] = double(QFile(out).size());
}

void BM_RouteTable(benchmark::State& state)
{
    const QList<tarnquil::WaypointText> waypoints = tarnquil::coastalRoute();
    for (auto _ : state)
        benchmark::DoNotOptimize(tarnquil::makeRouteTable(waypoints, settings()));
}

BENCHMARK(BM_ExportCsvFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RouteTable)->Unit(benchmark::kMillisecond);

}  // namespace
