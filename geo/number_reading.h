// SPDX-License-Identifier: GPL-3.0-or-later
// The two ways of reading a decimal number from a coordinate text.
//
// Text is UTF-8. Every length and position counts characters (Unicode code
// points); each byte of malformed UTF-8 counts as one character that is not
// part of a number, so no input can crash a reader.
//
// Characters understood by both readers, whatever the locale, after folding
// through the table in characters.h (so full-width forms count as ASCII):
//   digits   0-9
//   signs    + and -
//   point    . (never a comma)
//   exponent E, e, D or d, then an optional sign and digits
//   blanks   space, tab, line feed and the ideographic space U+3000
// Nothing else: no radix prefixes, thousands separators or currency signs.
#pragma once

#include <string_view>

#include "geo/errors.h"

namespace geo {

// The number at the start of the text. Blanks are skipped wherever they occur,
// also between digits; reading stops at the first character that cannot
// continue the number. An exponent letter without digits after it is not part
// of the number. Never fails.
//   "4250.0" -> 4250     "42 50" -> 4250     "- 4250" -> -4250
//   "12abc"  -> 12       "abc"   -> 0        "1E"     -> 1
//   "1.5.3"  -> 1.5      "1D3"   -> 1000     "1E999"  -> +infinity
// A number too large for a double reads as +-infinity, one too small as 0;
// otherwise the result is the double nearest the decimal value.
double readNumberPrefix(std::string_view text);

// The whole text as one number: optional blanks, optional sign, digits with at
// most one point (at least one digit), optional exponent with digits, optional
// blanks. No blanks inside the number.
//   legal:   "42"  " 4.5 "  "-7"  ".5"  "5."  "2e3"
//   illegal: ""  "  "  "2a"  "-"  "."  "1E"  "4 2"  "0x10"
// Throws TypeMismatchError (Reading::WholeText) on anything else, and
// OverflowError (Reading::WholeText) for a number too large for a double.
double readNumberStrict(std::string_view text);

// The same readers on text already decoded into characters. The strict one
// names `reading` in the failures it throws.
double readNumberPrefix(std::u32string_view text);
double readNumberStrict(std::u32string_view text, Reading reading);

}  // namespace geo
