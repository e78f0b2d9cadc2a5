// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/position_text.h"

#include <vector>

#include "geo/characters.h"
#include "geo/coordinate_characters.h"
#include "geo/coordinate_reading.h"
#include "geo/errors.h"

namespace geo {
namespace {

// Positions are short; each gap of a longer text would be tried, and every
// try reads the whole text again.
constexpr std::size_t kLongestPosition = 256;

bool separates(char32_t c)
{
    const Glyph glyph = classify(c).glyph;
    return glyph == Glyph::Blank || glyph == Glyph::Comma || glyph == Glyph::Semicolon ||
           glyph == Glyph::Slash;
}

bool isDropped(char32_t c)
{
    const Glyph glyph = classify(c).glyph;
    return glyph == Glyph::Blank || glyph == Glyph::Invisible;
}

bool hasHemisphereLetter(std::u32string_view text)
{
    for (const char32_t c : text) {
        switch (classify(c).folded) {
        case U'N': case U'S': case U'E': case U'W': case U'n': case U's': case U'e': case U'w':
        case U'北': case U'南': case U'东': case U'西':
            return true;
        default:
            break;
        }
    }
    return false;
}

struct Gap {
    std::size_t from, to;  // the separating characters
};

// Every run of separating characters with text on both sides of it.
std::vector<Gap> gapsOf(std::u32string_view text)
{
    std::vector<Gap> gaps;
    std::size_t i = 0;
    while (i < text.size()) {
        if (!separates(text[i])) {
            ++i;
            continue;
        }
        const std::size_t from = i;
        while (i < text.size() && separates(text[i])) ++i;
        if (from > 0 && i < text.size()) gaps.push_back({from, i});
    }
    return gaps;
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
Attempt attempt(std::u32string_view text, const Gap& gap, bool latitudeFirst, EntryMode mode)
{
    const Axis first = latitudeFirst ? Axis::Latitude : Axis::Longitude;
    const Axis second = latitudeFirst ? Axis::Longitude : Axis::Latitude;
    try {
        const CoordinateReading a = readCoordinateAt(text, 0, gap.from, mode, first);
        const CoordinateReading b = readCoordinateAt(text, gap.to, text.size(), mode, second);
        // Each part says which it is: a pair of bare numbers could be either.
        if (!a.hemisphere || !b.hemisphere) return {};
        std::string left = written(text, 0, gap.from);
        std::string right = written(text, gap.to, text.size());
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

[[noreturn]] void refuseWhole(Rule rule, std::u32string_view text)
{
    throw CoordinateError(rule, std::u32string(text), 0, Axis::Latitude);
}

}  // namespace

PositionReading readPosition(std::string_view utf8, EntryMode mode)
{
    const std::u32string text = decodeUtf8(utf8);
    if (text.size() > kLongestPosition) refuseWhole(Rule::IncompletePosition, text);
    const std::vector<Gap> gaps = gapsOf(text);
    if (gaps.empty()) refuseWhole(Rule::IncompletePosition, text);

    std::vector<PositionReading> readings;
    std::optional<CoordinateError> furthest;
    for (const Gap& gap : gaps) {
        for (const bool latitudeFirst : {true, false}) {
            Attempt tried = attempt(text, gap, latitudeFirst, mode);
            if (tried.reading) {
                const GeoPoint p = tried.reading->position;
                bool known = false;
                for (const PositionReading& r : readings)
                    known = known || (r.position.latitude == p.latitude &&
                                      r.position.longitude == p.longitude);
                if (!known) readings.push_back(std::move(*tried.reading));
            } else if (tried.refusal &&
                       (!furthest || tried.refusal->position() > furthest->position())) {
                furthest = tried.refusal;
            }
        }
    }
    if (readings.size() == 1) return readings.front();
    if (readings.size() > 1 || !hasHemisphereLetter(text))
        refuseWhole(Rule::AmbiguousPosition, text);
    if (furthest) throw *furthest;
    refuseWhole(Rule::IncompletePosition, text);
}

std::optional<PositionParts> splitPosition(std::string_view text)
{
    for (const EntryMode mode : {EntryMode::Minutes, EntryMode::Seconds}) {
        try {
            return readPosition(text, mode).parts;
        } catch (const CoordinateError&) {
        }
    }
    return std::nullopt;
}

}  // namespace geo
