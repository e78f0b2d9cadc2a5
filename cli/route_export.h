// SPDX-License-Identifier: GPL-3.0-or-later
// What `tarnquil --route FILE --export OUT` does, without a window: reads
// route `routeNumber` of a .csv or .gpx file, computes it and writes OUT by
// its extension (print/route_writers.h). Nothing is written while the
// route may not be exported (routefiles/export_rule.h).
#pragma once

#include "routefiles/route_table.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tarnquil {

// How the refusal of a route file that is not there begins, and how --help
// lists it among the faults of the command line.
inline constexpr QStringView missingRouteFile = u"找不到航线文件";

struct ExportRequest {
    QString routeFile;
    qsizetype routeNumber = 1;  // of a GPX file, from 1
    RouteSettings settings;
    QString out;
    // The options given that take the place of what the file says.
    SavedSettings given = {};
    // --split-gc: each great-circle leg written as the rhumb lines between
    // its crossings of every so many degrees of longitude.
    std::optional<double> splitEvery = {};
};

// Usage: OUT or FILE of a kind no writer or reader takes, or FILE missing;
// Data: a file that does not read, a route export_rule refuses, a failed
// write.
enum class ExportFault { None, Usage, Data };

struct ExportResult {
    ExportFault fault = ExportFault::None;
    // Chinese sentences, each naming the file: the refusal of export_rule,
    // as the window gives it, then each refused cell by its line:
    //   route.csv 第 2 个航点的纬度“4250E”无法读取：“E”属于经度，纬度只能用 N、S（北、南）。请改正后再导出。
    //   route.csv 第 3 行 纬度“4250E”：“E”属于经度，纬度只能用 N、S（北、南）。
    QStringList messages;
};

ExportResult exportRoute(const ExportRequest& request);

}  // namespace tarnquil
