// SPDX-License-Identifier: GPL-3.0-or-later
// How leeway and current's results are written for a navigator (风流压:
// the windows and the command line), and why a course to steer or a
// current cannot be given.
//   leewayText       3 -> "+3.0°（左舷受风）"   -2 -> "-2.0°（右舷受风）"   0.04 -> "0.0°"
//   driftAngleText   9.56 -> "+9.6°（左舷受流）"   -11.6 -> "-11.6°（右舷受流）"
//   angleSumText     12.56 -> "+12.6°"   (γ, which has no one side)
// The angles are rounded as nav::formatAngleDifference rounds them, and
// the side is said only of an angle shown with a sign.
#pragma once

#include "nav/errors.h"

#include <QString>
#include <QStringView>

namespace tarnquil {

// The names of what leeway and current take, as every text names them:
// 风压差 (Leeway), 流向 (CurrentSet), 流速 (CurrentRate), 计程仪改正率
// (LogCorrection), 航时 (Hours); empty for any other quantity.
QString currentQuantityName(nav::Quantity quantity);

// The sign of α as every text that asks for one says it: 左舷受风为正.
QString leewaySignRule();

QString leewayText(double alpha);
// A course of the current triangle (TC, CA, CG, the set): 33 -> "033.0°".
QString currentCourseText(double degrees);
// A speed of it (V, VG), as nav::formatSpeed rounds it: 12.0318 -> "12.0 节".
QString currentSpeedText(double knots);
// What a ship the current holds still over the ground (VG 0) has instead
// of CG, β and γ: 无（对地不动）.
QString noGroundTrackText();
QString driftAngleText(double beta);
QString angleSumText(double gamma);

// A track that cannot be made good (预配), `track` degrees true:
//   计划航迹向 045.0° 保持不住：流垂直于航迹的分量大于船速，无论向哪一舷修正航向，都会被流压离航迹。
//   沿计划航迹向 120.0° 驶不出去：船在航迹上的速度抵不过逆航迹的流，对地航速为零或负。
//   大圆航段的航向沿途在变，流压差要逐段计算：请先在编辑菜单中把它分成几段恒向线。
// TimeNotForward, which no track causes, only as its rule: 后一次定位的时间要晚于前一次。
QString trackRefusal(nav::CurrentRefusal reason, double track);

// Two fixes whose second time is not later than the first (求流); `option`
// names where the second time came from:
//   第二船位的时间（--current-from-fixes 的时间2）“2026-12-08 08:00 +8”不晚于第一船位的时间“2026-12-08 12:00 +8”：后一次定位的时间要晚于前一次。
QString timeNotForwardRefusal(const QString& time1, const QString& time2, QStringView option = {});

// A set given without a rate, or a rate without a set, in a window:
//   流向与流速要一起给出。
QString currentPairRefusal();

// A leg's current that is not written 流向/流速:
//   流向/流速“120”无法识别：应写作 流向/流速，如 120/1.5（流去的方向 120°，流速 1.5 节）。
QString legCurrentRefusal(const QString& text);

// A dead reckoning given both a distance run and a speed with hours:
//   航程与航速、航时只用一种：按航速和航时推算风流压时请清空航程。
QString runOrHoursRefusal();

// A dead reckoning whose run over the ground exceeds nav::kMaxRun:
//   推算的对地航程超出范围：对地航速乘航时应不超过 1000000 海里，请缩短航时。
QString reckonedRunRefusal();

}  // namespace tarnquil
