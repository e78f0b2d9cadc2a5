// SPDX-License-Identifier: GPL-3.0-or-later
// 求流 in the fix window: the current that set the ship between two fixes
// of its record (第一船位, 第二船位), each a whole position with the time
// it was taken, worked with the fix's course and speed settings as the
// ship's head TC and the log's speed, the leeway α and the log correction
// ΔL (nav::currentFromFixes). Each text is read as `tarnquil
// --current-from-fixes` reads the same value, and refused in its words,
// named by the window's field:
//   第一船位 "3000N 12200E" in its own form, 时间 "2026-12-08 08:00 +8",
//   第二船位 "2954N 12248E", 时间 "2026-12-08 12:00 +8", 航向 090, 航速 10,
//   α empty (0), ΔL empty (0) -> the DR without current 30°00.00′N
//   122°46.07′E, set 164.3°, drift 1.55 节
// Nothing typed in either fix is no current and no fault; one fix without
// the other, a fix without its time, or a fix with no course and speed
// says what to enter next (hintOnly); a text that does not read, or a
// second time not later than the first, is a refusal.
#pragma once

#include "text/fix_reading.h"

#include "nav/leeway_and_current.h"

#include <QString>

#include <optional>

namespace tarnquil {

struct FoundCurrentReading {
    std::optional<nav::FoundCurrent> current;
    // Why there is none: the first text refused, or what to enter next;
    // empty when nothing of the two fixes is typed.
    QString problem;
    bool hintOnly = false;
};

FoundCurrentReading readFoundCurrent(const FixSettingTexts& settings);

// The figures of a current found, for the window and its sheet:
//   流向 164.3°，流速 1.6 节（两次定位相隔 4 小时，推算船位 30°00.00′N 122°46.07′E）
QString foundCurrentLine(const nav::FoundCurrent& current);

}  // namespace tarnquil
