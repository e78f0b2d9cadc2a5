// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tarnquil {

// --help's part on celestial navigation (天文航海): the commands of
// celestial_commands.h, their options, what each value takes and every key
// of their JSON.
QString celestialCommandHelp();

}  // namespace tarnquil
