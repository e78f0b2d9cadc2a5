// SPDX-License-Identifier: GPL-3.0-or-later
// Where a coordinate text is read, which decides which plain numbers follow
// the rule for plain numbers (coordinate_text.h).
#pragma once

namespace geo {

enum class Surface {
    // The classic window's six fields: a bare plain number ("4250.0", no
    // hemisphere, no label) is packed as the window always read it, bit for
    // bit, and its blanks are ignored.
    ClassicWindow,
    // Route cells and route files, whole positions and command-line
    // positions: every plain number follows the rule, and blanks between
    // numbers separate degrees, minutes and seconds.
    Route,
};

}  // namespace geo
