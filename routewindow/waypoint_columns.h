// SPDX-License-Identifier: GPL-3.0-or-later
// The columns of the route window's waypoint table, as one table: what each
// is titled, how wide it is, where its texts stand and which of the route
// table's texts it shows. The model, the window and the table's text on the
// clipboard all read it.
#pragma once

#include "routefiles/route_table.h"

#include <QStringView>

#include <array>

namespace tarnquil::waypoint_table {

// The columns in their order. Course and Distance are those of the leg
// arriving at the row, by the leg's own method.
enum Column {
    Number, Name, Latitude, Longitude, Method, Speed,
    Course, Distance, Cumulative, DistanceToGo, LegTime, TimeUnderWay, Eta, Remark,
    Current, Leeway, CourseToSteer, GroundSpeed,
};

struct ColumnInfo {
    Column column;
    QStringView title;
    QStringView titleTip;      // the title's tooltip; empty for none
    // Room for this many of the font's digits, or of its ideographs,
    // whichever is wider: what a cell usually holds, and the title.
    qreal digits;
    qreal ideographs;
    Qt::Alignment alignment;   // of the cells' texts, vertically centred
    LegColumn rhumb;           // the route table's text shown for a leg by rhumb line
    LegColumn greatCircle;     // and for one by great circle
};

inline constexpr QStringView byLegMethod = u"到达本航点的航段，按该航段的航法";
inline constexpr QStringView legSpeed = u"到达本航点的航段的航速；空为航线的航速";
inline constexpr QStringView legCurrent =
    u"到达本航点的航段上的流：流向/流速，流向为流去的方向，如 120/1.5；空为无流";
inline constexpr QStringView legLeeway = u"到达本航点的航段上的风压差 α，度，+ 为左舷受风；空为 0";
inline constexpr QStringView legSteer = u"有流或风压差时，为驶出本航段航向应驶的真航向";
inline constexpr QStringView legGroundSpeed = u"有流或风压差时，本航段的对地航速；航段航时和预计到达按它计算";

inline constexpr std::array columns = {
    // 10000
    ColumnInfo{Number, u"序号", {}, 5, 2, Qt::AlignRight, LegColumn::Number, LegColumn::Number},
    // 长江口外锚地
    ColumnInfo{Name, u"名称", {}, 0, 6, Qt::AlignLeft, LegColumn::Name, LegColumn::Name},
    // 00°00.00′N
    ColumnInfo{Latitude, u"纬度", {}, 10, 2, Qt::AlignLeft, LegColumn::Latitude, LegColumn::Latitude},
    // 000°00.00′W
    ColumnInfo{Longitude, u"经度", {}, 11, 2, Qt::AlignLeft, LegColumn::Longitude, LegColumn::Longitude},
    // GC
    ColumnInfo{Method, u"航法", {}, 3, 2, Qt::AlignLeft, LegColumn::Method, LegColumn::Method},
    // 00.0
    ColumnInfo{Speed, u"航速（节）", legSpeed, 5, 5, Qt::AlignRight, LegColumn::Speed, LegColumn::Speed},
    // 000.0
    ColumnInfo{Course, u"航向（°）", byLegMethod, 5, 4.5, Qt::AlignRight, LegColumn::RhumbCourse,
               LegColumn::GreatCircleCourse},
    // 00000.0
    ColumnInfo{Distance, u"航程（海里）", byLegMethod, 7, 6, Qt::AlignRight, LegColumn::RhumbDistance,
               LegColumn::GreatCircleDistance},
    // 000000.0
    ColumnInfo{Cumulative, u"累计（海里）", {}, 8, 6, Qt::AlignRight, LegColumn::Cumulative,
               LegColumn::Cumulative},
    // 000000.0
    ColumnInfo{DistanceToGo, u"剩余（海里）", {}, 8, 6, Qt::AlignRight, LegColumn::DistanceToGo,
               LegColumn::DistanceToGo},
    // 000:00
    ColumnInfo{LegTime, u"航段航时", {}, 6, 4, Qt::AlignRight, LegColumn::LegTime, LegColumn::LegTime},
    // 0000:00
    ColumnInfo{TimeUnderWay, u"航时", {}, 7, 2, Qt::AlignRight, LegColumn::TimeUnderWay,
               LegColumn::TimeUnderWay},
    // 0000-00-00 00:00 UTC+00:00
    ColumnInfo{Eta, u"预计到达", {}, 24, 4, Qt::AlignLeft, LegColumn::Eta, LegColumn::Eta},
    // 引航站，VHF 9
    ColumnInfo{Remark, u"备注", {}, 0, 8, Qt::AlignLeft, LegColumn::Remark, LegColumn::Remark},
    // 120/1.5
    ColumnInfo{Current, u"流向/流速", legCurrent, 8, 5, Qt::AlignRight, LegColumn::Current,
               LegColumn::Current},
    // +3.5
    ColumnInfo{Leeway, u"风压差（°）", legLeeway, 5, 5, Qt::AlignRight, LegColumn::Leeway,
               LegColumn::Leeway},
    // 000.0
    ColumnInfo{CourseToSteer, u"应驶航向（°）", legSteer, 5, 6, Qt::AlignRight,
               LegColumn::CourseToSteer, LegColumn::CourseToSteer},
    // 00.0
    ColumnInfo{GroundSpeed, u"对地航速（节）", legGroundSpeed, 5, 6.5, Qt::AlignRight,
               LegColumn::GroundSpeed, LegColumn::GroundSpeed},
};
inline constexpr int columnCount = int(columns.size());

constexpr bool columnsInOrder()
{
    for (int i = 0; i < columnCount; ++i) {
        if (columns[std::size_t(i)].column != i)
            return false;
    }
    return true;
}
static_assert(columnsInOrder(), "waypoint_table::columns lists the columns in the order of Column");

// The route table's text a column shows for a leg by `method`.
constexpr LegColumn shownColumn(int column, nav::Method method)
{
    const ColumnInfo& info = columns[std::size_t(column)];
    return method == nav::Method::GreatCircle ? info.greatCircle : info.rhumb;
}

// The column that shows a typed text of the route table (名称, 纬度, 经度,
// 航速, 备注 …), as a refusal names it; -1 for none.
constexpr int columnShowing(LegColumn text)
{
    for (int i = 0; i < columnCount; ++i) {
        if (columns[std::size_t(i)].rhumb == text)
            return i;
    }
    return -1;
}

// Whether the column holds a latitude or a longitude as typed.
constexpr bool isCoordinate(int column)
{
    return column == Latitude || column == Longitude;
}

// Whether a refused text of the route table may mark the column's cells:
// the typed texts that are read, and the course to steer that the leg's
// current refuses.
constexpr bool isRefusable(int column)
{
    return isCoordinate(column) || column == Speed || column == Current || column == Leeway
        || column == CourseToSteer;
}

// Whether the column's cells are typed in: the name, the position, the
// leg's method, speed, current and leeway (none for the first waypoint),
// the remark.
constexpr bool isTyped(int column, int row)
{
    if (column == Method || column == Speed || column == Current || column == Leeway)
        return row > 0;
    return column == Name || isCoordinate(column) || column == Remark;
}

}  // namespace tarnquil::waypoint_table
