// SPDX-License-Identifier: GPL-3.0-or-later
// Asks how often a great-circle leg is to be split (分段为恒向线…): every
// 5 or 10 degrees of longitude, or as many as the navigator types ("2.5",
// "15°"), read as the command line's --split-gc reads it
// (readMeridianIntervalText). A text refused is shown again with the reason,
// until one reads or the navigator cancels.
#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace tarnquil {

// The degrees of longitude between the points, or nothing when cancelled.
// `leg` names the leg in the question ("长江口 → 济州岛南").
using MeridianIntervalAsker = std::function<std::optional<double>(const QString& leg)>;

// The dialog, over `window`.
MeridianIntervalAsker meridianIntervalDialog(QWidget* window);

}  // namespace tarnquil
