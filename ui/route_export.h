// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a computed route to a file whose extension says how: .csv the leg
// table (route_csv.h), .gpx the route's positions (gpx_writer.h), .pdf the
// printed leg table (route_print.h). The window and the command line share
// this table of writers, so a kind added here is there in both.
#pragma once

#include "route_table.h"

#include <QList>
#include <QString>

namespace tarnquil {

// A route read and computed, with all a writer needs.
struct RouteDocument {
    QString name;                    // the route's name, for GPX and titles
    QList<WaypointText> waypoints;
    RouteSettings settings;
    QList<RouteTableRow> rows;       // makeRouteTable(waypoints, settings)
};

// Writes the document to path. Returns an empty string, or why nothing was
// written, a Chinese sentence naming the file; an existing file is then left
// as it was.
using RouteWriter = QString (*)(const QString& path, const RouteDocument& document);

// The writer for path by its extension, in any case; nullptr for a kind no
// writer takes.
RouteWriter routeWriterFor(const QString& path);

// Whether the writer for path draws text, which takes fonts and so a
// QGuiApplication: the PDF's does.
bool routeWriterNeedsFonts(const QString& path);

// The extensions routeWriterFor takes, for messages: ".csv、.gpx、.pdf".
QString routeWriterExtensions();

// What `tarnquil --route FILE --export OUT` does, without a window: reads
// route `routeNumber` of a .csv or .gpx file, computes it and writes OUT by
// its extension. Nothing is written unless every cell gives a position.
struct ExportRequest {
    QString routeFile;
    qsizetype routeNumber = 1;  // of a GPX file, from 1
    RouteSettings settings;
    QString out;
};

// Usage: OUT or FILE of a kind no writer or reader takes, or FILE missing;
// Data: a file that does not read, an empty route, cells that give no
// position, a failed write.
enum class ExportFault { None, Usage, Data };

struct ExportResult {
    ExportFault fault = ExportFault::None;
    // Chinese sentences, each naming the file and, for a cell, its place:
    //   route.csv 第 3 行 纬度“4250E”：“E”属于经度，纬度只能用 N、S（北、南）。
    QStringList messages;
};

ExportResult exportRoute(const ExportRequest& request);

}  // namespace tarnquil
