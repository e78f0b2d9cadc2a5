// SPDX-License-Identifier: GPL-3.0-or-later
// Routes as CSV files: the waypoint list a navigator keeps in a spreadsheet,
// and the leg table the program exports.
//
// A waypoint list is UTF-8, with or without a byte-order mark, or, when it is
// not UTF-8, GB18030 (which covers GBK: what a spreadsheet on a Chinese
// Windows saves as "CSV (逗号分隔)"), in the CSV of csv_records.h.
//
// It may start with the route's own values, on lines of their own, so that
// deleting, moving or sorting the waypoint rows in a spreadsheet cannot take
// them along: a line 设置,值, then a line for each setting, then a blank
// line (or ",,,"), then the waypoint table:
//   设置,值
//   航线名称,横渡北太平洋           the route's name, as typed
//   地球模型,球面（1′=1海里）       WGS-84 or 球面（1′=1海里） (or wgs84, sphere)
//   航速,12.5                      the route's speed (readSpeedText); empty for none
//   开航时间,2026-12-20 08:00      YYYY-MM-DD HH:MM (readClockTime); empty for none
//   区时,UTC-5                     the departure's zone (readTimeZone)
//   预计到达按,船时                 the zone of the arrival times: 开航区时, UTC or
//                                   船时 (nav::etaZoneName), or depart, utc, ship
//   推算风压差,+3                  the dead reckoning's leeway α, as typed
//   推算流向,120                    its current's set, as typed
//   推算流速,2                      its current's rate, as typed
//   推算改正率,-2                    its log correction ΔL, as typed
//
//   序号,名称,纬度,经度,…
// The last four are written only when one of them is given, and are read
// as texts: the window's 推算船位 panel reads and refuses them (a file that
// gives one gives the others, left out, as empty).
// Each setting may be left out (the file then says nothing of it), in any
// order, once; fields after the value must be blank (spreadsheets pad lines
// with commas). Refused, naming the line: an unknown or repeated setting, a
// value that does not read, no table after the settings.
//
// The table's first record that is not empty is a header naming the
// columns, in any order, in any case, blanks around them ignored:
//   纬度  lat  latitude             required
//   经度  lon  longitude            required
//   名称  name                       the waypoint's name; without it names are empty
//   航法  method                     RL or 恒向线, GC or 大圆, any case; empty
//                                   is RL; the leg arriving at the waypoint
//   南北  NS  N/S  南/北             the latitude's hemisphere, N or S (北, 南)
//   东西  EW  E/W  东/西             the longitude's hemisphere, E or W (东, 西)
//   Hemisphere                      the hemisphere of the latitude or longitude
//                                   column just before it, else just after it
//   航速  speed                      the leg's speed as typed (readSpeedText)
//   流向/流速  current               the leg's current as typed ("120/1.5")
//   风压差  leeway                   the leg's leeway α as typed ("+3")
//   备注  remark                     the waypoint's remark
//   预计到达  eta                     computed, passed over
//   航线名称  route                   passed over
//   地球模型  model                   passed over
// A file without settings lines (a spreadsheet's, or one Tarnquil wrote
// before it wrote them) holds the route's values in its first waypoint's
// row, and is read as such: that row's 航速 is the route's speed, its
// 预计到达 the departure with its zone ("2025-03-01 08:00 UTC+8") or the
// zone alone ("UTC+8") for none, and its 航线名称 and 地球模型 the route's
// name and model (WGS-84 or 球面（1′=1海里）, or wgs84, sphere), which later
// rows may leave empty or repeat, never change.
// A hemisphere in its own column goes with the coordinate of its row: "31.4"
// and "S" are "31.4S". When the coordinate states its side itself (a
// hemisphere or a sign), the two must agree; an empty hemisphere leaves the
// coordinate as it is.
// Other named columns are passed over, so an exported leg table reads back as
// the route it shows. Each further record is a waypoint; a missing field is
// an empty text, and a record whose every field is blank (",,," that
// spreadsheets leave below a table) is none. Latitude and longitude stay
// texts: makeRouteTable reads them, and a cell that does not read is marked
// there, not here.
//   名称,纬度,经度,航法                 Name , LAT, Lon          lat,NS,lon,EW
//   吴淞口,3124N,12130E,               A,3124,12130            31.4,S,121.5,W
//   舟山,30°10.2′N,122°05.3′E,RL
// Refused whole, with the line of the file and the column:
//   an empty file, a header without 纬度 or 经度, a column named twice, a
//   Hemisphere column with neither coordinate beside it, a method other than
//   the words above, a hemisphere other than the words above or against the
//   coordinate's own ("31.4N" with "S"), a value in a column the header
//   gives no name, a record with more values than the header has columns, a
//   malformed quote, bytes that are neither UTF-8 nor GB18030, a file over
//   50 MB.
//
// A text cell (a name, a remark, a leg's speed, a setting's value) that a
// spreadsheet would take for a formula is written after an apostrophe and
// read back without it (formula_guard.h); so is a coordinate that gives no
// position, while one that reads and starts with a sign is written in
// degrees ("-73.9857" as "73.9857°W"). Every cell read has one leading
// apostrophe taken off.
//
// Both files written are UTF-8 with a byte-order mark (so that spreadsheets
// take them for UTF-8) and CRLF line ends, fields quoted as csvLine quotes
// them; saveFile (routefiles/save_file.h) writes them.
#pragma once

#include "routefiles/route_document.h"
#include "routefiles/route_table.h"

#include "geo/axis.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace tarnquil {

// Files larger than this are refused unread: a waypoint takes some 40
// bytes, so it is more than a million waypoints.
inline constexpr qint64 maximumRouteCsvBytes = 50 * 1024 * 1024;

// The encodings a waypoint list is read in, by their names.
inline constexpr QStringView utf8Encoding = u"UTF-8";
inline constexpr QStringView gb18030Encoding = u"GB18030";

// The waypoints of a list, or why it was refused: never both.
struct RouteCsvReading {
    QList<WaypointText> waypoints;
    QList<qint64> lines;  // the line of the file each waypoint starts on
    QString encoding;     // utf8Encoding or gb18030Encoding, once decoded
    SavedSettings saved;  // what the columns of the route's own values say
    std::optional<QString> routeName;  // the 航线名称 column's, when there is one
    // The titles of the columns of a plan the header lacks, which such a
    // file cannot hold (航法, 航速, 备注, 预计到达, 航线名称, 地球模型):
    // none for a leg table Tarnquil wrote.
    QStringList absentColumns;
    QString error;        // the refusal, a Chinese sentence:
                          //   第 4 行第 4 列（航法）：“XY”不是航法，应为 RL（恒向线）或 GC（大圆）。
    qint64 errorLine = 0;
};

RouteCsvReading readRouteCsv(const QByteArray& bytes);

// The settings a CSV file's settings lines may hold, in the order they are
// written, for messages and help:
// "航线名称、地球模型、航速、开航时间、区时、预计到达按、推算风压差、推算流向、推算流速、推算改正率".
QString routeSettingNames();

// Reads the file at path; a file that cannot be opened is refused as well:
//   无法打开文件“/home/u/航线.csv”：No such file or directory。
RouteCsvReading readRouteCsvFile(const QString& path);

// The waypoint list: 名称,纬度,经度,航法, each waypoint's method as RL or GC,
// and each coordinate as lastingCoordinateText writes it, so that the file
// opens to the same positions in any form.
QByteArray routeCsv(const QList<WaypointText>& waypoints, geo::NumberForm routeForm);

// A coordinate text as a file keeps it (`form`: the one it was read in): as
// typed when it reads alike in every form ("31°03′N", "31-03N", "N31.05°"),
// or gives no position; else, where a plain number makes the form matter,
// the position it was read as in its own form, in degrees with the shortest
// digits that read back as the same double (exactDegreesText):
//   "3103N" read in 分 -> "31.05°N"    "3103N" read in 秒 -> "0.5175000000000001°N"
QString lastingCoordinateText(const QString& text, geo::NumberForm form, geo::Axis axis);

// The leg table: the settings lines (航线名称, 地球模型, 航速, 开航时间,
// 区时, 预计到达按, and 推算风压差, 推算流向, 推算流速, 推算改正率 when one of
// them is given), a blank line, then the titles of legColumns and the texts of each
// row, and after them currentColumns' titles and texts when some leg has a
// current or leeway (hasLegCurrents), so that readRouteCsv reads the file
// back to the same plan. Each
// position that reads is written in degrees with the digits that read back
// as the same double (exactDegreesText: "31.2304°N"), a cell that gives none
// as typed. Every other cell is the row's text.
//   设置,值
//   航线名称,横渡
//   地球模型,WGS-84
//   航速,12
//   开航时间,2025-03-01 08:00
//   区时,UTC+8
//   预计到达按,开航区时
//
//   序号,名称,纬度,经度,航法,航速,…,预计到达,备注
//   1,长江口,31.05°N,122.33333333333333°E,,,…,2025-03-01 08:00 UTC+8,
//   2,济州岛南,33°N,126.5°E,RL,10,…,2025-03-02 03:02 UTC+8,领航站
QByteArray legTableCsv(const RouteDocument& document);

}  // namespace tarnquil
