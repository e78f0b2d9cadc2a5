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

// ---- Leeway and current (风流压) ---------------------------------------------
// A leeway, a current's set or rate, a log correction, a time run or a track
// to make good (current_text.h) that does not read or lies out of range,
// in the same pattern; `field` names a course other than the ship's head
// (计划航迹向 for the track), empty gives the quantity's own word:
//   风压差（--leeway）“46”超出范围：应是 -45 到 45 之间的度数，左舷受风为正，如 3、-2.5 或 +3°。
//   流向（--set）“361”超出范围：应是 0 到 360 之间的度数，即流去的方向，如 120、120° 或 045.5。
//   流速（--drift）“-0.5”超出范围：应是不小于 0 的节数，如 0、2.5 或 2.5kn。
//   计程仪改正率（--log-correction）“60”超出范围：应是 -50 到 50 之间的百分数，如 -2、+3.5 或 -2%。
//   航时（--hours）“2:30”无法识别：应是不小于 0 的小时数，如 2、2.5 或 2.5h。
//   计划航迹向（--track）“361”超出范围：应是 0 到 360 之间的度数，如 45、045° 或 123.5。
// Any other quantity as fixValueRefusal.
QString currentValueRefusal(nav::Quantity quantity, const QString& text, Verdict verdict,
                            QStringView option = {}, const QString& field = {});

// ---- Celestial navigation (天文航海) ----------------------------------------
// What a sight, the almanac, a compass check, a rising and setting or star
// finding is given (celestial_text.h), refused in the same pattern: the
// field, its option, the text, and what the field takes. `field` names the
// value where one quantity has several (六分仪高度 for HS, 高度 for
// --altitude); empty gives the quantity's own word.
//   眼高（--height）“-1”超出范围：应是 0 到 500 之间的米数，如 0、15.5 或 15m。
//   六分仪高度（--sight 的 HS）“91”超出范围：应是 0 到 90 之间的度数，如 12°47.3′、12 47.3 或 12.788。
//   指标差（--index-correction）“2′W”无法识别：应是 -60 到 60 之间的角分（′），加到六分仪高度上，即 Hs + i，如 -2.5、+1.2 或 3′。
//   气温（--temperature）“300K”无法识别：应是 -60 到 60 之间的摄氏度数，如 10、-5 或 25°C。
//   气压（--pressure）“30inHg”无法识别：应是 800 到 1100 之间的百帕数，如 1010 或 1013.2hPa。
//   DUT1（--dut1）“1.5”超出范围：应是 -0.9 到 0.9 之间的秒数（UT1 − UTC），如 0.2、-0.35 或 0.1s。
//   磁差（--variation）“3.5X”无法识别：应是 -180 到 180 之间的度数，偏东为正，如 -3.5、3.5E、2°30′W。
//   方位（--azimuth）“400”超出范围：应是 0 到 360 之间的度数，如 45、045°、123°30′ 或 123.5。
// Any other quantity as fixValueRefusal.
QString celestialValueRefusal(nav::Quantity quantity, const QString& text, Verdict verdict,
                              QStringView option = {}, const QString& field = {});

// A body's name that names no body of the almanac:
//   天体（--body）“Mercury”无法识别：应是太阳、月亮、金星、火星、木星、土星、57 颗航用星或北极星的英文名或中文名，如 Sun、太阳、Sirius、天狼星、Rigil Kent.。
QString bodyRefusal(const QString& text, QStringView option = {});

// A time of a sight or of the almanac that does not read, or names no
// instant of the almanac (nav::TimeError), and a date of rising and setting:
//   时间（--almanac）“2026-12-08 9.30”无法识别：应写作 YYYY-MM-DD HH:MM[:SS]，协调世界时（UTC），或带区时，如 2026-12-08 09:30:15、2026-12-08 09:30:15 UTC+8 或 2026-12-08 09:30 +8。
//   时间（--sight）“2025-02-29 10:00”不存在：没有这一天或这一时刻（23:59:60 只在闰秒那一分钟才有）。
//   时间（--sight）“1969-07-20 20:17”超出范围：年份应在 1972 到 2099 之间。
//   日期（--rise-set）“2026-02-30”不存在：没有这一天。
//   日期（--rise-set）“2026-13-01”无法识别：应写作 YYYY-MM-DD，如 2026-12-08 或 2026/12/8。
QString timeRefusal(const QString& text, QStringView option = {});
QString timeProblemRefusal(const QString& text, nav::TimeProblem problem, QStringView option = {},
                           const QString& field = {});
QString dateRefusal(const QString& text, QStringView option = {});

}  // namespace tarnquil
