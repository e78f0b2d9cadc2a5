// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tarnquil {

// What `tarnquil --help` prints: every way to start the program, its
// options, the files it reads and writes and its exit statuses, in Chinese,
// lines ended by LF.
QString commandLineHelp();

}  // namespace tarnquil
