// SPDX-License-Identifier: GPL-3.0-or-later
// The options of Qt's application classes (QGuiApplication, QApplication):
// they set up the window system, not the program, and Qt takes them itself,
// so the program lets them through wherever it is started, as users of any Qt
// program expect: `tarnquil -platform offscreen`, `tarnquil -style fusion
// --route`, `-reverse`, `-stylesheet=my.qss`. Only Qt's single-dash spelling
// is recognised; names with two dashes are the program's own.
#pragma once

#include <QStringView>

#include <optional>

namespace tarnquil {

// For one of Qt's options (the name as written, up to a "="): whether it
// takes a value; nothing when the name is none of Qt's.
std::optional<bool> qtOptionTakesValue(QStringView name);

}  // namespace tarnquil
