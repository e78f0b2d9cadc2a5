// SPDX-License-Identifier: GPL-3.0-or-later
// Degrees, minutes and seconds, as written in decimal, to the one double
// nearest their exact value. Used by the coordinate readers; not for
// callers outside the computation layer.
#pragma once

#include <string_view>

namespace geo {

// The double nearest D + M / 60 + S / 3600, rounded once, to nearest, ties
// to even, where D, M and S are the exact values of the decimal texts given:
// unsigned, ASCII digits with at most one '.', any number of digits; an
// empty text is 0. Adding the three as doubles rounds three times more and
// may miss by an ulp: 122 + 4 / 60.0 + 15 / 3600.0 is 122.07083333333333,
// where 122°04′15″ and 122°04.25′ are both 122.07083333333334.
//   "30", "03", "30"  -> 30.058333333333334     "42", "50.5", "" -> 42.84166666666667
//   "", "", "0.5"     -> 1 / 7200               "1e3" is no such text
// A value beyond the doubles is +infinity; one too small, 0.
double sexagesimalDegrees(std::u32string_view degrees, std::u32string_view minutes,
                          std::u32string_view seconds);

}  // namespace geo
