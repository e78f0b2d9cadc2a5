// SPDX-License-Identifier: GPL-3.0-or-later
// How a message shows a character a reader refused: invisible characters and
// characters that look like others cannot be shown by quoting them, so they
// are named by their code and Unicode name.
#pragma once

#include <string_view>

namespace geo {

enum class Visibility {
    Plain,      // shows as itself: ASCII, Chinese, the marks of the notations
    LookAlike,  // shows, but like another character: é, Cyrillic Е, ʹ, ¹, ‐
    Invisible,  // shows as nothing or a blank: controls, format and bidi
                // characters, combining marks, U+FFFD for a malformed byte
};

Visibility visibilityOf(char32_t c);

// The Unicode name of the characters a user is likely to meet in a pasted
// coordinate: controls, format and direction characters, line separators,
// and the look-alikes of digits, signs, marks and hemisphere letters.
// Empty for any other character. C0 controls are named by their alias.
//   U+202E -> "RIGHT-TO-LEFT OVERRIDE"   U+0415 -> "CYRILLIC CAPITAL LETTER IE"
std::string_view characterName(char32_t c);

}  // namespace geo
