// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/character_names.h"

#include <algorithm>
#include <array>

#include "geo/coordinate_characters.h"

namespace geo {
namespace {

struct Name {
    char32_t code;
    std::string_view name;
};

// Sorted by code.
constexpr std::array kNames = std::to_array<Name>({
    {0x0000, "NULL"},
    {0x0007, "BELL"},
    {0x0008, "BACKSPACE"},
    {0x000B, "LINE TABULATION"},
    {0x000C, "FORM FEED"},
    {0x001B, "ESCAPE"},
    {0x007F, "DELETE"},
    {0x0085, "NEXT LINE"},
    {0x00AD, "SOFT HYPHEN"},
    {0x00B4, "ACUTE ACCENT"},
    {0x00B7, "MIDDLE DOT"},
    {0x00B9, "SUPERSCRIPT ONE"},
    {0x02B9, "MODIFIER LETTER PRIME"},
    {0x02BA, "MODIFIER LETTER DOUBLE PRIME"},
    {0x02BC, "MODIFIER LETTER APOSTROPHE"},
    {0x02CA, "MODIFIER LETTER ACUTE ACCENT"},
    {0x02CB, "MODIFIER LETTER GRAVE ACCENT"},
    {0x0300, "COMBINING GRAVE ACCENT"},
    {0x0301, "COMBINING ACUTE ACCENT"},
    {0x0395, "GREEK CAPITAL LETTER EPSILON"},
    {0x039D, "GREEK CAPITAL LETTER NU"},
    {0x0405, "CYRILLIC CAPITAL LETTER DZE"},
    {0x0415, "CYRILLIC CAPITAL LETTER IE"},
    {0x0435, "CYRILLIC SMALL LETTER IE"},
    {0x0455, "CYRILLIC SMALL LETTER DZE"},
    {0x051C, "CYRILLIC CAPITAL LETTER WE"},
    {0x051D, "CYRILLIC SMALL LETTER WE"},
    {0x061C, "ARABIC LETTER MARK"},
    {0x066B, "ARABIC DECIMAL SEPARATOR"},
    {0x180E, "MONGOLIAN VOWEL SEPARATOR"},
    {0x200B, "ZERO WIDTH SPACE"},
    {0x200C, "ZERO WIDTH NON-JOINER"},
    {0x200D, "ZERO WIDTH JOINER"},
    {0x200E, "LEFT-TO-RIGHT MARK"},
    {0x200F, "RIGHT-TO-LEFT MARK"},
    {0x2010, "HYPHEN"},
    {0x2011, "NON-BREAKING HYPHEN"},
    {0x2014, "EM DASH"},
    {0x2015, "HORIZONTAL BAR"},
    {0x201A, "SINGLE LOW-9 QUOTATION MARK"},
    {0x201B, "SINGLE HIGH-REVERSED-9 QUOTATION MARK"},
    {0x201E, "DOUBLE LOW-9 QUOTATION MARK"},
    {0x201F, "DOUBLE HIGH-REVERSED-9 QUOTATION MARK"},
    {0x2024, "ONE DOT LEADER"},
    {0x2028, "LINE SEPARATOR"},
    {0x2029, "PARAGRAPH SEPARATOR"},
    {0x202A, "LEFT-TO-RIGHT EMBEDDING"},
    {0x202B, "RIGHT-TO-LEFT EMBEDDING"},
    {0x202C, "POP DIRECTIONAL FORMATTING"},
    {0x202D, "LEFT-TO-RIGHT OVERRIDE"},
    {0x202E, "RIGHT-TO-LEFT OVERRIDE"},
    {0x2035, "REVERSED PRIME"},
    {0x2036, "REVERSED DOUBLE PRIME"},
    {0x2060, "WORD JOINER"},
    {0x2061, "FUNCTION APPLICATION"},
    {0x2062, "INVISIBLE TIMES"},
    {0x2063, "INVISIBLE SEPARATOR"},
    {0x2064, "INVISIBLE PLUS"},
    {0x2066, "LEFT-TO-RIGHT ISOLATE"},
    {0x2067, "RIGHT-TO-LEFT ISOLATE"},
    {0x2068, "FIRST STRONG ISOLATE"},
    {0x2069, "POP DIRECTIONAL ISOLATE"},
    {0x207A, "SUPERSCRIPT PLUS SIGN"},
    {0x207B, "SUPERSCRIPT MINUS"},
    {0x2080, "SUBSCRIPT ZERO"},
    {0x30FB, "KATAKANA MIDDLE DOT"},
    {0xFE0F, "VARIATION SELECTOR-16"},
    {0xFE52, "SMALL FULL STOP"},
    {0xFE63, "SMALL HYPHEN-MINUS"},
    {0xFEFF, "ZERO WIDTH NO-BREAK SPACE"},
    {0xFFFD, "REPLACEMENT CHARACTER"},
});

static_assert(std::is_sorted(kNames.begin(), kNames.end(),
                             [](const Name& a, const Name& b) { return a.code < b.code; }),
              "characterName() searches the names by code");

bool isControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

// Unicode's format characters (general category Cf) outside the
// supplementary planes' tags, combining marks of the common blocks, line and
// paragraph separators, and variation selectors.
bool isInvisible(char32_t c)
{
    if (isControl(c)) return true;
    switch (c) {
    case 0x00AD: case 0x061C: case 0x06DD: case 0x070F: case 0x180E:
    case 0x2028: case 0x2029: case 0xFEFF: case 0xFFFD:
        return true;
    default:
        break;
    }
    return (c >= 0x0300 && c <= 0x036F) || (c >= 0x0600 && c <= 0x0605) ||
           (c >= 0x200B && c <= 0x200F) || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2060 && c <= 0x206F) || (c >= 0x20D0 && c <= 0x20FF) ||
           (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xFE20 && c <= 0xFE2F) ||
           (c >= 0xFFF9 && c <= 0xFFFB) || (c >= 0xE0000 && c <= 0xE0FFF);
}

// Characters that read as what they look like: ASCII, the Chinese scripts
// and their punctuation, full-width forms, and every character a notation
// takes.
bool isPlain(char32_t c)
{
    if (c >= 0x21 && c <= 0x7E) return true;
    // The middle dot is a decimal point only after a minute or second mark;
    // anywhere else it passes for a point.
    const Glyph glyph = classify(c).glyph;
    if (glyph == Glyph::MiddleDot) return false;
    if (glyph != Glyph::Other) return true;
    return (c >= 0x3001 && c <= 0x303F) || (c >= 0x3040 && c <= 0x30FF && c != 0x30FB) ||
           (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF01 && c <= 0xFF60) ||
           (c >= 0x20000 && c <= 0x3FFFF);
}

}  // namespace

Visibility visibilityOf(char32_t c)
{
    if (isInvisible(c)) return Visibility::Invisible;
    return isPlain(c) ? Visibility::Plain : Visibility::LookAlike;
}

std::string_view characterName(char32_t c)
{
    const auto found =
        std::lower_bound(kNames.begin(), kNames.end(), c,
                         [](const Name& name, char32_t code) { return name.code < code; });
    return found != kNames.end() && found->code == c ? found->name : std::string_view{};
}

}  // namespace geo
