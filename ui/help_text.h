// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tarnquil {

// The user guide shown in the window: fifteen lines, each ended by CR LF; the
// last two are an empty line and the notations beyond the packed forms.
QString helpText();

}  // namespace tarnquil
