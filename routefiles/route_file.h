// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a route file of either kind by its extension, for the route window
// and the command line: .csv (route_csv.h) or .gpx (gpx_reader.h), in any
// case.
#pragma once

#include "routefiles/route_table.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace tarnquil {

// One route of a file, or why there is none: never both.
struct RouteFile {
    // The route's name: the GPX route's, the CSV file's 航线名称, else the
    // file's name without extension.
    QString name;
    QList<WaypointText> waypoints;
    QList<qint64> lines;            // CSV: the line each waypoint starts on; GPX: empty
    QString error;                  // the refusal, a Chinese sentence naming the file
    QString encoding = {};          // CSV: the encoding it was read in (route_csv.h); GPX: empty
    SavedSettings saved = {};       // what the file says of the route as a whole
    // CSV: the columns of a plan the file lacks (RouteCsvReading::absentColumns).
    QStringList absentColumns = {};
};

// Whether path names a kind of route file this program reads.
bool isRouteFileName(const QString& path);

// Whether a file of path's kind may hold several routes, of which the one
// to open is asked for: "航线.gpx", "航线.GPX"; not "航线.csv".
bool holdsSeveralRoutes(const QString& path);

// Whether path names the kind of file 保存 writes a route's waypoints to,
// and so writes again: "航线.csv", "航线.CSV"; not "航线.gpx", "航线.txt".
bool isWaypointFile(const QString& path);

// The open dialog's filter: every kind read, then each kind alone:
//   航线文件 (*.csv *.gpx);;CSV 文件 (*.csv);;GPX 文件 (*.gpx)
QString routeFileFilter();

// The dialog's filter of one kind read, by its extension ("csv"):
//   CSV 文件 (*.csv)
// Empty for a kind not read.
QString routeFileKindFilter(QStringView extension);

// Route number `routeNumber` of the file at path, counted from 1; a CSV file
// holds one route.
//   不支持的航线文件“航线.txt”：应为 .csv 或 .gpx 文件。
//   无法打开文件“/home/u/航线.csv”：No such file or directory。
//   航线.csv 第 4 行第 4 列（航法）：“XY”不是航法，应为 RL（恒向线）或 GC（大圆）。
//   航线.gpx 没有第 2 条航线：文件中只有 1 条航线。
//   航线.gpx 第 2 条航线“B”中没有航点。
RouteFile readRouteFile(const QString& path, qsizetype routeNumber = 1);

// Where a waypoint stands in its file, for messages: the line of a CSV file,
// the waypoint's number otherwise.
//   第 3 行    第 3 个航点
QString waypointPlace(const RouteFile& file, qsizetype index);

}  // namespace tarnquil
