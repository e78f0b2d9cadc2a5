// SPDX-License-Identifier: GPL-3.0-or-later
// The leg methods' words (nav/leg.h) as the windows, the files and the
// messages show them.
#pragma once

#include "nav/leg.h"

#include <QString>

#include <optional>

namespace tarnquil {

// The method as a cell of a leg table or a route file shows it, by its
// code: "RL", "GC".
QString methodCell(nav::Method method);

// The code and the name, as the lists to choose from and the tooltips show
// the method: "RL 恒向线", "GC 大圆".
QString methodLabel(nav::Method method);

// The method a cell of a route file or of a pasted table names, blanks
// around it ignored: its code in any case of the letters ("rl", " GC "), its
// name ("恒向线"); nothing for any other text, an empty one included.
std::optional<nav::Method> readMethodCell(const QString& text);

// As readMethodCell, and the label too ("GC 大圆").
std::optional<nav::Method> readMethodLabel(const QString& text);

// The methods to choose from, for messages: "RL（恒向线）或 GC（大圆）" by
// their codes, "rl（恒向线）或 gc（大圆）" by the command line's words.
QString methodCodeChoices();
QString methodWordChoices();

}  // namespace tarnquil
