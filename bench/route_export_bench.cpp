// SPDX-License-Identifier: GPL-3.0-or-later
// Time of `tarnquil --route FILE --export OUT.csv` on a 10,000-waypoint
// route: the CSV file read from disk, every cell read, the route computed
// and the leg table written, as the command line does it; and of the table
// alone, which the route window recomputes.
//   cmake --preset release && cmake --build --preset release --target route_export_bench
//   build/release/bench/route_export_bench
#include <benchmark/benchmark.h>

#include "cli/route_export.h"
#include "routefiles/route_csv.h"
#include "routefiles/route_table.h"
#include "routefiles/save_file.h"

#include "nav/entry.h"

#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int kWaypoints = 10000;

// Coastal legs of a few n mile, in the notations navigators type: packed,
// degree and minute marks, dashes; every third leg by great circle.
QList<tarnquil::WaypointText> zigzag()
{
    QList<tarnquil::WaypointText> waypoints;
    for (int i = 0; i < kWaypoints; ++i) {
        // In hundredths of a minute, so that no minutes round up to 60.
        const int latitude = int(std::lround((30 + std::sin(i * 0.37)) * 6000));
        const int longitude = 122 * 6000 + 300 * (i % 1000);
        const int latDegrees = latitude / 6000;
        const int lonDegrees = longitude / 6000;
        const double latMinutes = (latitude % 6000) / 100.0;
        const double lonMinutes = (longitude % 6000) / 100.0;
        QString lat;
        QString lon;
        switch (i % 3) {
        case 0:
            lat = u"%1%2N"_s.arg(latDegrees).arg(latMinutes, 5, 'f', 2, u'0');
            lon = u"%1%2E"_s.arg(lonDegrees).arg(lonMinutes, 5, 'f', 2, u'0');
            break;
        case 1:
            lat = u"%1°%2′N"_s.arg(latDegrees).arg(latMinutes, 0, 'f', 2);
            lon = u"%1°%2′E"_s.arg(lonDegrees).arg(lonMinutes, 0, 'f', 2);
            break;
        default:
            lat = u"%1-%2N"_s.arg(latDegrees).arg(latMinutes, 0, 'f', 2);
            lon = u"%1-%2E"_s.arg(lonDegrees).arg(lonMinutes, 0, 'f', 2);
        }
        const nav::Method method = i % 3 == 0 ? nav::Method::GreatCircle : nav::Method::Rhumb;
        waypoints.append({u"WP%1"_s.arg(i), lat, lon, method});
    }
    return waypoints;
}

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
    if (!tarnquil::saveFile(route, tarnquil::routeCsv(zigzag(), geo::NumberForm::Minutes)).isEmpty()) {
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
    const QList<tarnquil::WaypointText> waypoints = zigzag();
    for (auto _ : state)
        benchmark::DoNotOptimize(tarnquil::makeRouteTable(waypoints, settings()));
}

BENCHMARK(BM_ExportCsvFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RouteTable)->Unit(benchmark::kMillisecond);

}  // namespace
