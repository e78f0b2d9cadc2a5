// SPDX-License-Identifier: GPL-3.0-or-later
// Routes as CSV files: the waypoint list a navigator keeps in a spreadsheet,
// and the leg table the program exports.
//
// A waypoint list is UTF-8, with or without a byte-order mark, in the CSV of
// csv_records.h. Its first record is a header naming the columns, in any
// order, in any case, blanks around them ignored:
//   纬度  lat  latitude             required
//   经度  lon  longitude            required
//   名称  name                       the waypoint's name; without it names are empty
//   航法  method                     RL or 恒向线, GC or 大圆, any case; empty
//                                   is RL; the leg arriving at the waypoint
// Other columns are passed over, so an exported leg table reads back as the
// route it shows. Each further record is a waypoint; a missing field is an
// empty text. Latitude and longitude stay texts: makeRouteTable reads them,
// and a cell that does not read is marked there, not here.
//   名称,纬度,经度,航法                 Name , LAT, Lon
//   吴淞口,3124N,12130E,               A,3124,12130
//   舟山,30°10.2′N,122°05.3′E,RL
// Refused whole, with the line of the file and the column:
//   an empty file, a header without 纬度 or 经度, a column named twice,
//   a method other than the words above, a malformed quote, bytes that are
//   not UTF-8 (a GBK file from a Chinese spreadsheet), a file over 50 MB.
//
// Both files are UTF-8 with a byte-order mark (so that spreadsheets take
// them for UTF-8) and CRLF line ends, fields quoted as csvLine quotes them;
// saveFile (routefiles/save_file.h) writes them.
#pragma once

#include "routefiles/route_table.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace tarnquil {

// Files larger than this are refused unread: a waypoint takes some 40
// bytes, so it is more than a million waypoints.
inline constexpr qint64 maximumRouteCsvBytes = 50 * 1024 * 1024;

// The waypoints of a list, or why it was refused: never both.
struct RouteCsvReading {
    QList<WaypointText> waypoints;
    QList<qint64> lines;  // the line of the file each waypoint starts on
    QString error;        // the refusal, a Chinese sentence:
                          //   第 4 行第 4 列（航法）：“XY”不是航法，应为 RL（恒向线）或 GC（大圆）。
    qint64 errorLine = 0;
};

RouteCsvReading readRouteCsv(const QByteArray& bytes);

// Reads the file at path; a file that cannot be opened is refused as well:
//   无法打开文件“/home/u/航线.csv”：No such file or directory。
RouteCsvReading readRouteCsvFile(const QString& path);

// The waypoint list: 名称,纬度,经度,航法, the texts as typed, each
// waypoint's method as RL or GC.
QByteArray routeCsv(const QList<WaypointText>& waypoints);

// The leg table: the titles of legColumns and the texts of each row.
QByteArray legTableCsv(const QList<RouteTableRow>& rows);

}  // namespace tarnquil
