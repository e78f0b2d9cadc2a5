// SPDX-License-Identifier: GPL-3.0-or-later
// Coordinate text as characters: UTF-8 decoding, and the one table of the
// character forms that every reader of coordinate text understands.
//
// A Chinese input method types full-width forms; charts and GPS receivers
// print typographic marks. Every reader folds them through fold() below, so
// that, for example, the minus forms can never differ between readers.
#pragma once

#include <string>
#include <string_view>

namespace geo {

// Stands for one byte of malformed UTF-8; it is no digit, sign, point, blank
// or mark of any notation.
inline constexpr char32_t kMalformedByte = 0xFFFD;

// Decodes UTF-8. Each byte that does not start a well-formed sequence
// (stray continuation bytes, overlong forms, surrogates, values above
// U+10FFFF, truncated sequences) becomes one kMalformedByte.
std::u32string decodeUtf8(std::string_view text);

// Encodes characters as UTF-8 (each a valid scalar value, as decodeUtf8 gives).
std::string encodeUtf8(std::u32string_view text);

// The ASCII form of a character that has one in coordinate text, else the
// character itself:
//   digits  U+FF10..U+FF19            -> 0..9
//   signs   U+FF0B                    -> +
//           U+FF0D, U+2212            -> -
//   point   U+FF0E                    -> .
//   letters U+FF2E U+FF33 U+FF25 U+FF37 (Ｎ Ｓ Ｅ Ｗ) and their lower case
//                                     -> N S E W n s e w
//   marks   U+FF07 (＇)               -> '
//           U+FF02 (＂)               -> "
// Never a comma: "4250,5" keeps its comma, and the readers refuse it.
constexpr char32_t fold(char32_t c)
{
    if (c >= U'\uFF10' && c <= U'\uFF19') return U'0' + (c - U'\uFF10');
    switch (c) {
    case U'\uFF0B': return U'+';
    case U'\uFF0D':
    case U'\u2212': return U'-';
    case U'\uFF0E': return U'.';
    case U'\uFF2E': return U'N';
    case U'\uFF33': return U'S';
    case U'\uFF25': return U'E';
    case U'\uFF37': return U'W';
    case U'\uFF4E': return U'n';
    case U'\uFF53': return U's';
    case U'\uFF45': return U'e';
    case U'\uFF57': return U'w';
    case U'\uFF07': return U'\'';
    case U'\uFF02': return U'"';
    default: return c;
    }
}

// Blanks, which the readers skip: space, tab, line feed, ideographic space.
constexpr bool isBlank(char32_t c)
{
    return c == U' ' || c == U'\t' || c == U'\n' || c == U'\u3000';
}

constexpr bool isDigit(char32_t c) { return c >= U'0' && c <= U'9'; }
constexpr bool isSign(char32_t c) { return c == U'+' || c == U'-'; }

}  // namespace geo
