// SPDX-License-Identifier: GPL-3.0-or-later
// What each character of a coordinate text stands for, as the whole-text
// readers see it: one table for the forms that keyboards, input methods,
// charts, publications and copied web pages produce.
//
// The number readers (number_reading.h) keep their own, narrower table,
// fold() in characters.h; this one starts from it.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace geo {

enum class Glyph : unsigned char {
    Digit,         // 0-9, full-width digits
    Point,         // .  ．
    Plus,          // +  ＋
    Minus,         // -  －  − (U+2212)  – (U+2013)  ‒ (U+2012): a sign, or a dash between numbers
    DegreeMark,    // °  º  ˚  ⁰  ᵒ  ∘  度, and the letters d D
    MinuteMark,    // ′  '  ’  ‘  ´  `  ＇; two in a row are a second mark
    ChineseMinute, // 分
    SecondMark,    // ″  "  ”  “  ˝  ＂  秒
    Colon,         // :  ：
    Comma,         // ,  ，
    ListComma,     // 、 (between the parts of a whole position)
    MiddleDot,     // · (U+00B7): the Admiralty's decimal point, only right after a minute or second mark
    Semicolon,     // ;  ；
    Slash,         // /  ／
    FullStop,      // 。 (only ever ignored at the end)
    Letter,        // ASCII letters (full-width folded), and 北 南 东 西 纬 经
    Blank,         // every Unicode space separator, tab, CR, LF: removed wherever it stands
    Invisible,     // zero-width space, word joiner, byte-order mark, soft hyphen: ignored
    Other,         // anything else, which no notation takes
};

struct CoordinateCharacter {
    Glyph glyph;
    // The character with full-width and other forms folded to ASCII as
    // fold() and the full-width block say; the minus forms fold to '-'.
    char32_t folded;
};

CoordinateCharacter classify(char32_t c);

// One character of a text as the whole-text readers take it: blanks and
// invisible characters are dropped, each other character keeps the place
// (in characters) where it stands in the text as typed, and whether blanks
// stood between it and the character before it (which may separate two
// numbers).
struct Placed {
    Glyph glyph;
    char32_t folded;
    std::size_t at;
    bool spaced = false;
};

// The text's characters without blanks and invisible ones.
std::vector<Placed> placedCharacters(std::u32string_view text);

}  // namespace geo
