// SPDX-License-Identifier: GPL-3.0-or-later
// A latitude or longitude as a navigator types it, read as a whole or refused.
//
// The reader never turns a text into some other position: every character of
// the text must take part in one of the notations below, or the text is
// refused with a NotationError that says which rule it breaks.
#pragma once

#include <string_view>

#include "geo/coordinate_entry.h"

namespace geo {

// Whether a field holds a latitude or a longitude; it decides which
// hemisphere markers the field takes.
enum class Axis { Latitude, Longitude };

// One coordinate text (UTF-8, as typed) to decimal degrees, south and west
// negative.
//
// Characters are first folded as fold() in characters.h says (full-width
// digits, signs, point, N S E W and marks), and blanks (space, tab, line feed,
// ideographic space) are removed wherever they stand.
//
// Hemisphere: at most one marker, first or last: N S E W in either case,
// 北 南 东 西, 北纬 南纬 东经 西经. S, W, 南, 西, 南纬 and 西经 negate the value.
// A latitude takes N and S markers, a longitude E and W; a trailing e or E is
// therefore East, not an unfinished exponent.
//
// Degree-sign notation, when the text holds °, º or 度: an optional sign, then
// degrees, then optional minutes, then optional seconds, each an unsigned
// number followed by its mark:
//   degrees °  º  度     minutes ′  '  ’  分     seconds ″  "  ”  ''  秒
// Only the last part given may have a fraction; minutes and seconds are below
// 60. The entry form does not apply, the notation says what each number is.
//   "42°50.0′N" -> 42.8333333     "42°50'30\"S" -> -42.8416667
//   "42度50.0分" -> 42.8333333    "42.5°"       -> 42.5
//   "-42°50.0′" -> -42.8333333    "东经116°24′" (longitude) -> 116.4
//
// Packed notation, without a degree sign, converted by toDecimalDegrees in the
// point's entry form, with its limits, its sign rule and its cuts of short
// texts:
//   minutes form: what remains is one number as readNumberStrict reads it
//     "4250.0S" -> -42.8333333    "S4250.0" -> -42.8333333   "42 50" -> 42.8333333
//     "4275"    -> 43.25 (minutes of 60 or more stand as they are)
//   seconds form: an optional sign and digits only, the last two the seconds
//     "42 11 25" -> 42.1902778    "南421125" -> -42.1902778
//
// Refused with NotationError (the Notation names the rule):
//   "   " "N" "-"                    NoNumber
//   "abc" "4x1125" "4250D"           StrayCharacter
//   "4250,5"                         DecimalComma
//   "42N50"                          MisplacedHemisphere
//   "N4250S"                         TwoHemispheres
//   "4250E" as a latitude            WrongAxis
//   "-4250S"                         HemisphereAndMinus
//   "42-50"                          MisplacedSign
//   "421125.5" in the seconds form   FractionInSeconds
//   "4250′"                          NoDegreeSign
//   "42°50"                          MissingMark
//   "42°′"                           MissingNumber
//   "50′42°"                         MarksOutOfOrder
//   "42.5°30′"                       FractionNotLast
//   "42°60′"                         SixtyOrMore
// Also throws what toDecimalDegrees throws (OverflowError, TypeMismatchError)
// for packed texts, TypeMismatchError (Reading::WholeText) for a packed
// minutes-form text that is no number ("42.50.0"), and OverflowError
// (Reading::WholeText) for a part after a degree sign too large for a double.
double readCoordinate(std::string_view text, EntryMode mode, Axis axis);

}  // namespace geo
