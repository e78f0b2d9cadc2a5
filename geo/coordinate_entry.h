// SPDX-License-Identifier: GPL-3.0-or-later
// Conversion of one packed coordinate text to decimal degrees.
#pragma once

#include <optional>
#include <string_view>

#include "geo/entry_mode.h"
#include "geo/errors.h"

namespace geo {

// One coordinate text (UTF-8, as typed) to decimal degrees.
//
// Minutes form: V = readNumberPrefix(text), D = floor(V / 100),
// result = D + (V - 100 D) / 60. Text that is no number reads as 0.
//   "4250.0" -> 42.8333333   "4275" -> 43.25   "42.5" -> 0.7083333
//   "32799"  -> 328.65       "32800" -> OverflowError (100 x 328 > 32767)
// Seconds form: SS = last two characters, MM = the two before them (the cuts
// share characters in texts shorter than four), D = (V - 100 MM - SS) / 10000
// rounded half to even, result = MM / 60 + D + SS / 3600.
//   "421125" -> 42.1902778   "0425" -> 0.0736111   "425" -> 0.7069444
//   "42112a" -> TypeMismatchError (seconds "2a")
//   "42x125" -> TypeMismatchError (minutes "x1")
// A negative number ("-4250.0", "- 4250", "-421125") is a south latitude or a
// west longitude: the text is converted without its minus sign and the result
// negated, so the minus applies to minutes and seconds too.
// Minutes and seconds of 60 or more are accepted as they are, and no range is
// enforced on the result.
//
// Throws OverflowError when the whole degrees (or, in the minutes form, 100 x
// degrees) fall outside -32768 .. 32767, and TypeMismatchError (seconds form
// only) when the minutes or seconds digits are not a number.
double toDecimalDegrees(std::string_view text, EntryMode mode);

// The same on text already decoded into characters.
double toDecimalDegrees(std::u32string_view text, EntryMode mode);

// The packed forms' arithmetic on numbers already read, for a reader that
// takes a text apart itself: the very double toDecimalDegrees gives for an
// unsigned text made of these numbers, or which 16-bit quantity does not fit
// (Reading::Degrees, or Reading::HundredDegrees in the minutes form).
struct PackedDegrees {
    double degrees = 0;
    std::optional<Reading> overflow;
};

// Minutes form: `packed` is the whole number, 4250.5 for 42 deg 50.5 min.
PackedDegrees fromPackedMinutes(double packed);

// Seconds form: `packed` is the whole number, `minutes` and `seconds` the
// values of its two cut pieces (421125, 11 and 25).
PackedDegrees fromPackedSeconds(double packed, double minutes, double seconds);

}  // namespace geo
