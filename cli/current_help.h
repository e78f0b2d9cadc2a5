// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tarnquil {

// --help's part on leeway and current (风流压): the commands of
// current_commands.h, what each value takes and every key of their JSON,
// the ranges from nav's constants.
QString currentCommandHelp();

}  // namespace tarnquil
