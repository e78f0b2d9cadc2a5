// SPDX-License-Identifier: GPL-3.0-or-later
// The classic window's two entry forms, 分 and 秒.
#pragma once

namespace geo {

// How a point's two texts are packed.
enum class EntryMode {
    // Degrees and minutes: the last two digits of the whole part are minutes,
    // a fraction belongs to the minutes. "4250.0" is 42 deg 50.0 min.
    Minutes,
    // Degrees, minutes and seconds: the last two characters are seconds, the
    // two before them minutes, the rest degrees. "421125" is 42 deg 11 min 25 s.
    Seconds,
};

}  // namespace geo
