// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/position_text.h"

#include <array>
#include <span>
#include <vector>

#include "geo/characters.h"
#include "geo/coordinate_characters.h"
#include "geo/coordinate_reading.h"
#include "geo/errors.h"

namespace geo {
namespace {

// A position is short once its blanks are left aside; each gap of a longer
// text would be tried, and every try reads its characters again.
constexpr std::size_t kLongestPosition = 256;

constexpr std::array<NumberForm, 3> kNumberForms{NumberForm::Minutes, NumberForm::Seconds,
                                                 NumberForm::Degrees};

bool separates(Glyph glyph)
{
    return glyph == Glyph::Comma || glyph == Glyph::Semicolon || glyph == Glyph::Slash ||
           glyph == Glyph::ListComma;
}

bool hasHemisphereLetter(std::span<const Placed> characters)
{
    for (const Placed& c : characters) {
        switch (c.folded) {
        case U'N': case U'S': case U'E': case U'W': case U'n': case U's': case U'e': case U'w':
        case U'北': case U'南': case U'东': case U'西':
            return true;
        default:
            break;
        }
    }
    return false;
}

// Where a text may be cut into its two parts: blanks or separating
// characters, with something else on both sides.
struct Gap {
    std::size_t last;   // the placed character that ends the first part
    std::size_t first;  // the placed character that begins the second
};

std::vector<Gap> gapsOf(std::span<const Placed> characters)
{
    std::vector<Gap> gaps;
    std::optional<std::size_t> last;
    for (std::size_t k = 0; k < characters.size(); ++k) {
        if (separates(characters[k].glyph)) continue;
        if (last && (k > *last + 1 || characters[k].spaced)) gaps.push_back({*last, k});
        last = k;
    }
    return gaps;
}

bool isDropped(char32_t c)
{
    const Glyph glyph = classify(c).glyph;
    return glyph == Glyph::Blank || glyph == Glyph::Invisible;
}

std::string written(std::u32string_view text, std::size_t from, std::size_t to)
{
    while (from < to && isDropped(text[from])) ++from;
    while (to > from && isDropped(text[to - 1])) --to;
    return encodeUtf8(text.substr(from, to - from));
}

struct Attempt {
    std::optional<PositionReading> reading;
    std::optional<CoordinateError> refusal;
};

// The two sides of a gap as latitude and longitude, in the order given.
Attempt attempt(std::u32string_view text, std::span<const Placed> characters, const Gap& gap,
                bool latitudeFirst, NumberForm form)
{
    const Axis first = latitudeFirst ? Axis::Latitude : Axis::Longitude;
    const Axis second = latitudeFirst ? Axis::Longitude : Axis::Latitude;
    const ReadingRules rules{form, Surface::Route, true};
    const std::size_t firstEnd = characters[gap.last].at + 1;
    const std::size_t secondBegin = characters[gap.first].at;
    try {
        const CoordinateReading a = readPlacedCoordinate(
            text, characters.first(gap.last + 1), 0, firstEnd, rules, first);
        const CoordinateReading b = readPlacedCoordinate(
            text, characters.subspan(gap.first), secondBegin, text.size(), rules, second);
        std::string left = written(text, 0, firstEnd);
        std::string right = written(text, secondBegin, text.size());
        PositionReading reading;
        reading.position = latitudeFirst ? GeoPoint{a.degrees, b.degrees}
                                         : GeoPoint{b.degrees, a.degrees};
        reading.parts = latitudeFirst ? PositionParts{std::move(left), std::move(right)}
                                      : PositionParts{std::move(right), std::move(left)};
        return {std::move(reading), std::nullopt};
    } catch (const CoordinateError& refusal) {
        return {std::nullopt, refusal};
    }
}

[[noreturn]] void refuseWhole(Rule rule, std::u32string_view text, Limits limits = {})
{
    throw CoordinateError(rule, std::u32string(text), 0, Axis::Latitude, limits, Surface::Route);
}

// Which refusal explains a text best: one that says the parts were taken in
// the wrong order explains least; else the one found furthest into the text.
bool explainsBetter(const CoordinateError& a, const CoordinateError& b)
{
    const bool aOrder = a.rule() == Rule::WrongAxis;
    const bool bOrder = b.rule() == Rule::WrongAxis;
    if (aOrder != bOrder) return bOrder;
    return a.position() > b.position();
}

// "30°10,2′N": a comma between digits, in a number with no point, is a
// decimal comma rather than a separator.
std::optional<std::size_t> decimalComma(std::span<const Placed> characters)
{
    const auto isNumberCharacter = [&](std::size_t k) {
        return characters[k].glyph == Glyph::Digit || characters[k].glyph == Glyph::Point;
    };
    for (std::size_t k = 1; k + 1 < characters.size(); ++k) {
        if (characters[k].glyph != Glyph::Comma || characters[k].spaced ||
            characters[k + 1].spaced || characters[k - 1].glyph != Glyph::Digit ||
            characters[k + 1].glyph != Glyph::Digit)
            continue;
        bool point = false;
        for (std::size_t j = k; j > 0 && isNumberCharacter(j - 1) && !point; --j)
            point = characters[j - 1].glyph == Glyph::Point;
        for (std::size_t j = k + 1; j < characters.size() && isNumberCharacter(j) && !point; ++j)
            point = characters[j].glyph == Glyph::Point;
        if (!point) return k;
    }
    return std::nullopt;
}

PositionReading readPlacedPosition(std::u32string_view text, std::span<const Placed> characters,
                                   NumberForm form)
{
    if (characters.size() > kLongestPosition)
        refuseWhole(Rule::PositionTooLong, {}, {0, static_cast<double>(kLongestPosition)});
    const std::vector<Gap> gaps = gapsOf(characters);
    if (gaps.empty()) refuseWhole(Rule::IncompletePosition, text);

    std::vector<PositionReading> readings;
    std::optional<CoordinateError> best;
    bool onlyMissingHemispheres = true;
    for (const Gap& gap : gaps) {
        for (const bool latitudeFirst : {true, false}) {
            Attempt tried = attempt(text, characters, gap, latitudeFirst, form);
            if (tried.reading) {
                const GeoPoint p = tried.reading->position;
                bool known = false;
                for (const PositionReading& r : readings)
                    known = known || (r.position.latitude == p.latitude &&
                                      r.position.longitude == p.longitude);
                if (!known) readings.push_back(std::move(*tried.reading));
                continue;
            }
            onlyMissingHemispheres =
                onlyMissingHemispheres && tried.refusal->rule() == Rule::MissingHemisphere;
            if (!best || explainsBetter(*tried.refusal, *best)) best = tried.refusal;
        }
    }
    if (readings.size() == 1) return readings.front();
    // Two bare numbers, or two readings: which part is the latitude?
    if (readings.size() > 1 || (onlyMissingHemispheres && !hasHemisphereLetter(characters)))
        refuseWhole(Rule::AmbiguousPosition, text);
    if (const std::optional<std::size_t> comma = decimalComma(characters))
        throw CoordinateError(Rule::DecimalComma, U",", characters[*comma].at, Axis::Latitude, {},
                              Surface::Route);
    throw *best;
}

}  // namespace

bool isWholePosition(std::u32string_view text, std::span<const Placed> characters)
{
    if (characters.size() > kLongestPosition || gapsOf(characters).empty()) return false;
    for (const NumberForm form : kNumberForms) {
        try {
            readPlacedPosition(text, characters, form);
            return true;
        } catch (const CoordinateError&) {
        }
    }
    return false;
}

PositionReading readPosition(std::string_view utf8, NumberForm form)
{
    const std::u32string text = decodeUtf8(utf8);
    const std::vector<Placed> characters = placedCharacters(text);
    return readPlacedPosition(text, characters, form);
}

PositionReading readPosition(std::string_view text, EntryMode mode)
{
    return readPosition(text, numberForm(mode));
}

std::optional<PositionParts> splitPosition(std::string_view utf8)
{
    const std::u32string text = decodeUtf8(utf8);
    const std::vector<Placed> characters = placedCharacters(text);
    for (const NumberForm form : kNumberForms) {
        try {
            return readPlacedPosition(text, characters, form).parts;
        } catch (const CoordinateError&) {
        }
    }
    return std::nullopt;
}

}  // namespace geo
