// SPDX-License-Identifier: GPL-3.0-or-later
#include "routefiles/export_rule.h"

#include "text/quoted_text.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

// The cell as the message names it: its title, with the text typed when it
// is a coordinate's (a speed's, current's or leeway's refusal quotes its
// text itself).
QString cellName(const WaypointText& waypoint, LegColumn column)
{
    const QString title = legColumnTitle(column);
    if (column == LegColumn::Speed || column == LegColumn::Current || column == LegColumn::Leeway)
        return title;
    const QString& text = column == LegColumn::Latitude ? waypoint.latitude : waypoint.longitude;
    return text.isEmpty() ? title : title + quotedText(text);
}

}  // namespace

QString exportRuleText()
{
    return u"航线中没有航点，或有任何航点的纬度、经度、航速、流向/流速或风压差无法读取时不导出"_s;
}

std::optional<ExportRefusal> exportRefusal(const QList<WaypointText>& waypoints,
                                           const QList<RouteTableRow>& rows)
{
    if (waypoints.isEmpty())
        return ExportRefusal{-1, LegColumn::Latitude, u"航线中没有航点，无法导出。"_s};
    for (qsizetype i = 0; i < rows.size() && i < waypoints.size(); ++i) {
        // A track the current does not let the ship hold is the plan's to
        // show, not a text that does not read.
        const auto unread = std::find_if(rows[i].refusals.cbegin(), rows[i].refusals.cend(),
                                         [](const CellRefusal& refusal) {
                                             return refusal.column != LegColumn::CourseToSteer;
                                         });
        if (unread == rows[i].refusals.cend())
            continue;
        const CellRefusal& refusal = *unread;
        // A reason that asks a question ends without a full stop.
        const QString reason = refusal.message.endsWith(u'。') ? refusal.message : refusal.message + u'。';
        return ExportRefusal{i, refusal.column,
                             u"第 %1 个航点的%2无法读取：%3请改正后再导出。"_s.arg(i + 1).arg(
                                 cellName(waypoints[i], refusal.column), reason)};
    }
    return std::nullopt;
}

}  // namespace tarnquil
