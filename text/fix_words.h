// SPDX-License-Identifier: GPL-3.0-or-later
// The words of position fixing (陆标定位) that the fix window, its printed
// sheet and the command line share: why there is no fix, the warnings and
// the figures of a fix. The kinds of observation are described in
// observation_kinds.h, the refusals of their values in refusals.h with the
// others. Positions, courses and distances are written as nav/display.h
// writes them.
#pragma once

#include "geo/angle.h"
#include "nav/errors.h"
#include "nav/fix.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace tarnquil {

// Why there is no fix, a sentence:
//   ParallelBearings   两方位线平行，无交点。
//   RangeCirclesApart  两距离圆不相交。
QString noFixMessage(nav::NoFixReason reason);

// A warning, naming the observations by their numbers from 1:
//   第 1、2 条船位线交角 25.3°，小于 30° 或大于 150°，船位误差大。
QString fixWarningMessage(const nav::FixWarning& warning);

// A warning of the common-error solution (nav::CommonErrorFix::warnings),
// which says so: the fix itself may be good.
//   由第 1 至 3 条方位线的夹角求系统误差，两夹角的船位线交角 12.4°，小于 30° 或大于 150°：船位接近三物标所在的圆（危险圆），求得的罗经差不可靠。
QString commonErrorWarningMessage(const nav::FixWarning& warning);

// Whether a route took the fix sent to it (加入航线), for the status bars:
//   true   已把船位加入航线。
//   false  船位与最后一个航点相同，未重复加入。
QString addedToRouteMessage(bool added);

// A fix found or changed, for the status bar that screen readers read:
//   船位：30°40.81′N 122°34.97′E
QString fixFoundMessage(const QString& position);

// What a mark is called in the figures: its name, or else its position.
struct MarkName {
    geo::GeoPoint position;
    QString name;
};

// The figures of a fix after the fix itself, one line each: the other
// solution of two lines, each mark's bearing and distance from the fix,
// each altitude's intercept and Zn from its assumed position,
// the cocked hat's corners and sides, the compass error the bearings share
// (what remains of it beyond the error given, and the whole) and its fix,
// then the warnings of the fix and those of the common-error solution:
//   另一解：38°54.73′N 121°42.72′E
//   物标 灯塔A（30°00.00′N 122°00.00′E）：方位 045.0°，距离 4.4 海里
//   第 2 条船位线（天体高度）：截距 8.9 海里 向，Zn 176.0°，自假定船位 30°28.00′N 123°00.00′E
//   误差三角形：(1,2) 22°14.75′N 113°53.97′E，(1,3) …，(2,3) …
//   误差三角形边长：0.47、0.52、0.96 海里
//   系统误差：已输入罗经差之外剩余 +1.0°，总罗经差 +2.0°，船位 22°15.00′N 113°54.00′E
//   注意：第 1、2 条船位线交角 25.3°，小于 30° 或大于 150°，船位误差大。
//   注意（系统误差）：由第 1 至 3 条方位线的夹角求系统误差，……
QStringList fixFigures(const nav::Fix& fix, const QList<MarkName>& names = {});

}  // namespace tarnquil
