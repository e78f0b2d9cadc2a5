// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tarnquil {

// The user guide shown in the window: thirteen lines, each ended by CR LF.
QString helpText();

}  // namespace tarnquil
