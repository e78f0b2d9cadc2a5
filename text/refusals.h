// SPDX-License-Identifier: GPL-3.0-or-later
// Why a speed, a departure time, a course, a distance run, a route's number
// or a position typed besides a route's waypoints cannot be used, and why
// dead reckoning gives no position: the words the route window and the
// command line share. Each names the field (on the command line with its
// option) and quotes the text as typed (quotedText), then says what the
// field takes:
//   航速“12km”无法识别：应为不小于 0.00000001 的节数，如 12、12.5 或 12kn。
//   航速（--speed）“12km”无法识别：应为不小于 0.00000001 的节数，如 12、12.5 或 12kn。
//   开航时间“2025-3-1 8:0”无法识别：应写作 YYYY-MM-DD HH:MM，如 2025-06-01 08:00、2025/6/1 8:00。
//   区时（--zone）“+15”超出范围：应在 UTC-12 到 UTC+14 之间，如 +8、-5、+5:30 或 0。
//   航向“45kn”无法识别：应是 0 到 360 之间的度数，如 45、045° 或 123.5。
//   航程“1e9”超出范围：应是 0 到 1000000 之间的海里数，如 120.5 或 120.5nm。
//   分点间隔（--every）“0”超出范围：应是不小于 1′（1/60°）的经度度数，如 5、10 或 2.5。
//   航线序号（--route-index）“0”超出范围：应为从 1 起的整数，不超过文件中的航线数。
//   位置“9100N 12000E”超出范围：纬度应在 -90° 到 90° 之间。
#pragma once

#include "geo/axis.h"
#include "nav/errors.h"

#include <QString>
#include <QStringView>

namespace tarnquil {

// Whether a text does not read at all, or reads as a value beyond what the
// field takes.
enum class Verdict { Unreadable, OutOfRange };

// `option`: the command-line option the text was given with, empty in a window.
QString speedRefusal(const QString& text, Verdict verdict = Verdict::Unreadable,
                     QStringView option = {});
QString departureRefusal(const QString& text, QStringView option = {});
// A zone readTimeZone (nav/entry.h) refuses, by why it refuses it; empty for
// one it reads.
QString timeZoneRefusal(const QString& text, QStringView option = {});
QString courseRefusal(const QString& text, Verdict verdict = Verdict::Unreadable,
                      QStringView option = {});
QString distanceRefusal(const QString& text, Verdict verdict = Verdict::Unreadable,
                        QStringView option = {});
QString meridianIntervalRefusal(const QString& text, Verdict verdict = Verdict::Unreadable,
                                QStringView option = {});
QString routeIndexRefusal(const QString& text, Verdict verdict = Verdict::Unreadable,
                          QStringView option = {});

// A bearing, range, horizontal angle or compass error of a fix (陆标定位)
// that does not read or lies beyond what the fix takes; any other quantity
// (a run's course or distance) as courseRefusal and distanceRefusal:
//   方位“400”超出范围：应是 0 到 360 之间的度数，如 45、045° 或 123.5。
//   距离（--range）“0”超出范围：应是大于 0、不超过 100 的海里数，如 3.5 或 3.5nm。
//   罗经差“2E”无法识别：应是 -180 到 180 之间的度数，偏东为正，如 -2.5 或 3°。
QString fixValueRefusal(nav::Quantity quantity, const QString& text, Verdict verdict,
                        QStringView option = {});

// The range of a latitude or a longitude, as a sentence:
//   纬度应在 -90° 到 90° 之间。
QString coordinateRange(geo::Axis axis);

// A position whose latitude or longitude (axis) lies beyond the Earth, in
// the field the user typed it into (位置, 起点).
QString positionRangeRefusal(const QString& field, const QString& text, geo::Axis axis);

// A rhumb line that would run through a pole, where it has no end.
QString poleRunRefusal();

}  // namespace tarnquil
