// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/coordinate_characters.h"

#include "geo/characters.h"

namespace geo {
namespace {

// Full-width forms of the printable ASCII characters, as a Chinese input
// method types them: ＬＡＴ, ：, ／ and the rest, besides those fold() knows.
constexpr char32_t kFullWidthFirst = U'\uFF01';
constexpr char32_t kFullWidthLast = U'\uFF5E';
constexpr char32_t kFullWidthOffset = kFullWidthFirst - U'!';

char32_t foldFullWidth(char32_t c)
{
    return c >= kFullWidthFirst && c <= kFullWidthLast ? c - kFullWidthOffset : c;
}

bool isAsciiLetter(char32_t c) { return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z'); }

// Unicode's space separators (general category Zs), and the line breaks a
// copied cell or line brings along.
bool isBlankCharacter(char32_t c)
{
    switch (c) {
    case U' ': case U'\t': case U'\r': case U'\n':
    case U'\u00A0': case U'\u1680': case U'\u202F': case U'\u205F': case U'\u3000':
        return true;
    default:
        return c >= U'\u2000' && c <= U'\u200A';
    }
}

}  // namespace

CoordinateCharacter classify(char32_t c)
{
    const char32_t ascii = foldFullWidth(fold(c));
    if (isDigit(ascii)) return {Glyph::Digit, ascii};
    if (isAsciiLetter(ascii)) {
        if (ascii == U'd' || ascii == U'D') return {Glyph::DegreeMark, ascii};
        return {Glyph::Letter, ascii};
    }
    if (isBlankCharacter(c)) return {Glyph::Blank, c};
    switch (ascii) {
    case U'.': return {Glyph::Point, ascii};
    case U'+': return {Glyph::Plus, ascii};
    case U'-': case U'\u2013': case U'\u2012': return {Glyph::Minus, U'-'};
    case U'°': case U'º': case U'˚': case U'⁰': case U'ᵒ': case U'∘': case U'度':
        return {Glyph::DegreeMark, ascii};
    case U'′': case U'\'': case U'’': case U'‘': case U'´': case U'`':
        return {Glyph::MinuteMark, ascii};
    case U'分': return {Glyph::ChineseMinute, ascii};
    case U'″': case U'"': case U'”': case U'“': case U'˝': case U'秒':
        return {Glyph::SecondMark, ascii};
    case U':': return {Glyph::Colon, ascii};
    case U',': return {Glyph::Comma, ascii};
    case U'、': return {Glyph::ListComma, ascii};
    case U'\u00B7': return {Glyph::MiddleDot, ascii};
    case U';': return {Glyph::Semicolon, ascii};
    case U'/': return {Glyph::Slash, ascii};
    case U'。': return {Glyph::FullStop, ascii};
    case U'北': case U'南': case U'东': case U'西': case U'纬': case U'经':
        return {Glyph::Letter, ascii};
    case U'\u200B': case U'\u2060': case U'\uFEFF': case U'\u00AD':
        return {Glyph::Invisible, c};
    default:
        return {Glyph::Other, c};
    }
}

std::vector<Placed> placedCharacters(std::u32string_view text)
{
    std::vector<Placed> placed;
    placed.reserve(text.size());
    bool spaced = false;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const CoordinateCharacter character = classify(text[at]);
        if (character.glyph == Glyph::Blank) spaced = true;
        if (character.glyph == Glyph::Blank || character.glyph == Glyph::Invisible) continue;
        placed.push_back({character.glyph, character.folded, at, spaced && !placed.empty()});
        spaced = false;
    }
    return placed;
}

}  // namespace geo
