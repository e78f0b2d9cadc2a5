// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a computed route may be written as a leg table (CSV), a GPX route
// or a PDF table: one rule for the route window's 导出航线表, 导出 GPX and
// 导出 PDF and `tarnquil --route FILE --export OUT`. (打印 prints the table
// as the screen shows it, refused cells marked with why.) No export while
// the route has no waypoint, or while any waypoint's latitude, longitude or
// leg speed, current or leeway gives no value (a CellRefusal of
// makeRouteTable): such a file would hold a plan other than the one on the
// screen. A leg whose track its current does not let the ship hold (a
// refused 应驶航向) is exported: the plan reads. The refusal names the first
// such cell, by the waypoint's
// number, as the window numbers its rows:
//   航线中没有航点，无法导出。
//   第 2 个航点的纬度“4250E”无法读取：“E”属于经度，纬度只能用 N、S（北、南）。请改正后再导出。
//   第 1 个航点的经度无法读取：请输入经度。请改正后再导出。
//   第 3 个航点的航速无法读取：航速“fast”无法识别：应为不小于 0.00000001 的节数，如 12、12.5 或 12kn。请改正后再导出。
#pragma once

#include "routefiles/route_table.h"

#include <QList>
#include <QString>

#include <optional>

namespace tarnquil {

// The rule in one sentence, as --help states it.
QString exportRuleText();

struct ExportRefusal {
    qsizetype waypoint = -1;  // from 0; -1 for a route without waypoints
    LegColumn column = LegColumn::Latitude;  // Latitude, Longitude, Speed, Current or Leeway; unused without waypoints
    QString message;          // the sentence above
};

// Why the route may not be exported; empty when it may. `rows` is
// makeRouteTable(waypoints, settings).
std::optional<ExportRefusal> exportRefusal(const QList<WaypointText>& waypoints,
                                           const QList<RouteTableRow>& rows);

}  // namespace tarnquil
