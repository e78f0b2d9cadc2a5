// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/fix_command.h"

namespace tarnquil {

FixCommand readFixCommand(const QStringList&)
{
    return {true, 0};
}

QString fixCommandHelp()
{
    return {};
}

}  // namespace tarnquil
