// SPDX-License-Identifier: GPL-3.0-or-later
// readCoordinate on arbitrary text, checked against a second reading of the
// notations written as regular expressions. The first byte picks the entry
// form (bit 0: '0' minutes, '1' seconds) and the axis (bit 1: latitude, then
// longitude): '0' minutes latitude, '1' seconds latitude, '2' minutes
// longitude, '3' seconds longitude. The rest is the text.
//   - A text the expressions refuse is refused with NotationError or
//     TypeMismatchError, never read as a value.
//   - A text they accept gives a value or OverflowError (too large), never a
//     refusal; in the packed notation exactly what toDecimalDegrees gives for
//     the number without hemisphere and blanks, negated for S and W.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/promise.h"
#include "geo/coordinate_text.h"
#include "geo/errors.h"

namespace {

using geo::Axis;
using geo::EntryMode;

// The expressions backtrack; longer texts are only checked not to crash.
constexpr std::size_t kLongestChecked = 512;

// The text folded and without blanks, as one ASCII symbol per character:
// digits, signs and point as themselves; N S E W for the letters in either
// case; b u g x for 北 南 东 西, a and o for 纬 and 经; D for d and D; @ for a
// degree mark; ' for the apostrophe and m for the other minute marks (only
// two apostrophes make a second mark); " for a second mark; # for anything
// else.
// `kept` holds the folded characters themselves, one per symbol.
struct Spelt {
    std::string symbols;
    std::string kept;  // UTF-8
};

char symbolOf(char32_t c)
{
    if (c >= U'0' && c <= U'9') return static_cast<char>(c);
    switch (c) {
    case U'+': case U'-': case U'.': return static_cast<char>(c);
    case U'N': case U'n': return 'N';
    case U'S': case U's': return 'S';
    case U'E': case U'e': return 'E';
    case U'W': case U'w': return 'W';
    case U'北': return 'b';
    case U'南': return 'u';
    case U'东': return 'g';
    case U'西': return 'x';
    case U'纬': return 'a';
    case U'经': return 'o';
    case U'D': case U'd': return 'D';
    case U'°': case U'º': case U'度': return '@';
    case U'\'': return '\'';
    case U'′': case U'’': case U'分': return 'm';
    case U'″': case U'"': case U'”': case U'秒': return '"';
    default: return '#';
    }
}

Spelt spelt(std::string_view text)
{
    const std::string ascii = fuzz::withAsciiForms(text);
    Spelt out;
    char32_t c = 0;
    for (std::size_t i = 0, n = 0; i < ascii.size(); i += n) {
        if ((n = fuzz::wellFormedSequence(ascii, i, c)) == 0) {
            n = 1;
            c = 0xFFFD;
        }
        if (c == U' ' || c == U'\t' || c == U'\n') continue;
        out.symbols += symbolOf(c);
        out.kept += fuzz::utf8(std::u32string_view(&c, 1));
    }
    return out;
}

// What the expressions make of a text.
struct Reading {
    bool packed = false;
    bool negative = false;      // by its hemisphere
    std::string number;         // packed: the folded number, without hemisphere
    std::optional<double> value;  // degree-sign notation, when finite
};

const std::string kNumber = R"(([0-9]+(\.[0-9]*)?|\.[0-9]+))";

// Minutes and seconds after a degree sign: the whole part below 60.
bool belowSixty(const std::string& number)
{
    std::string whole = number.substr(0, number.find('.'));
    whole.erase(0, whole.find_first_not_of('0'));
    return whole.size() < 2 || (whole.size() == 2 && whole < "60");
}

bool isSouthOrWest(const std::string& word)
{
    return word == "S" || word == "u" || word == "ua" || word == "W" || word == "x" ||
           word == "xo";
}

// The reading of a body without hemisphere, if one of the notations has it.
std::optional<Reading> readBody(const std::string& body, EntryMode mode)
{
    static const std::regex packedMinutes("^[+-]?" + kNumber + "([ED][+-]?[0-9]+)?$");
    static const std::regex packedSeconds("^[+-]?[0-9]+$");
    // Groups: 1 sign; 2 degrees (3 its fraction); 4 minutes (5); 6 seconds (7).
    static const std::regex degrees("^([+-]?)" + kNumber + "@(?:" + kNumber + "['m])?(?:" +
                                    kNumber + "(?:''|\"))?$");
    Reading reading;
    std::smatch match;
    if (body.find('@') == std::string::npos) {
        reading.packed = true;
        const bool ok =
            std::regex_match(body, mode == EntryMode::Minutes ? packedMinutes : packedSeconds);
        return ok ? std::optional(reading) : std::nullopt;
    }
    if (!std::regex_match(body, match, degrees)) return std::nullopt;
    const bool hasMinutes = match[4].matched;
    const bool hasSeconds = match[6].matched;
    const auto fraction = [&](int group) { return match[group].str().find('.') != std::string::npos; };
    if ((fraction(2) && (hasMinutes || hasSeconds)) || (hasMinutes && fraction(4) && hasSeconds))
        return std::nullopt;
    if ((hasMinutes && !belowSixty(match[4].str())) || (hasSeconds && !belowSixty(match[6].str())))
        return std::nullopt;
    const double d = std::strtod(match[2].str().c_str(), nullptr);
    const double m = hasMinutes ? std::strtod(match[4].str().c_str(), nullptr) : 0;
    const double s = hasSeconds ? std::strtod(match[6].str().c_str(), nullptr) : 0;
    const double value = d + m / 60 + s / 3600;
    if (std::isfinite(value)) reading.value = match[1].str() == "-" ? -value : value;
    return reading;
}

// Every way of taking at most one hemisphere word off either end; the text
// reads when one of them does.
std::optional<Reading> expected(const Spelt& text, EntryMode mode, Axis axis)
{
    const std::vector<std::string> words = axis == Axis::Latitude
        ? std::vector<std::string>{"", "N", "S", "b", "u", "ba", "ua"}
        : std::vector<std::string>{"", "E", "W", "g", "x", "go", "xo"};
    const std::string& symbols = text.symbols;
    for (const std::string& word : words) {
        for (const bool first : {true, false}) {
            if (word.empty() && !first) continue;
            if (symbols.size() <= word.size()) continue;
            const std::size_t from = first ? word.size() : 0;
            const std::string body = symbols.substr(from, symbols.size() - word.size());
            const std::string end = first ? symbols.substr(0, word.size())
                                          : symbols.substr(symbols.size() - word.size());
            if (end != word) continue;
            if (!word.empty() && body.find('-') != std::string::npos) continue;
            std::optional<Reading> reading = readBody(body, mode);
            if (!reading) continue;
            reading->negative = isSouthOrWest(word);
            if (reading->packed) {
                // The body's symbols stand for ASCII characters, one each.
                std::size_t byte = 0;
                char32_t c = 0;
                for (std::size_t index = 0, n = 0; index < from; ++index, byte += n)
                    if ((n = fuzz::wellFormedSequence(text.kept, byte, c)) == 0) n = 1;
                reading->number = text.kept.substr(byte, body.size());
            }
            return reading;
        }
    }
    return std::nullopt;
}

std::string described(EntryMode mode, Axis axis, std::string_view text)
{
    return std::string(mode == EntryMode::Minutes ? "minutes " : "seconds ") +
           (axis == Axis::Latitude ? "latitude " : "longitude ") + fuzz::quoted(text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const EntryMode mode = (data[0] & 1) != 0 ? EntryMode::Seconds : EntryMode::Minutes;
    const Axis axis = (data[0] & 2) != 0 ? Axis::Longitude : Axis::Latitude;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string where = described(mode, axis, text);

    std::optional<double> value;
    bool overflow = false;
    try {
        value = geo::readCoordinate(text, mode, axis);
        FUZZ_REQUIRE(std::isfinite(*value), "a coordinate read is finite", where);
    } catch (const geo::OverflowError&) {
        overflow = true;
    } catch (const geo::NotationError&) {
    } catch (const geo::TypeMismatchError&) {
    } catch (...) {
        fuzz::broken("readCoordinate throws only conversion failures", where);
    }
    if (text.size() > kLongestChecked) return 0;

    const std::optional<Reading> reading = expected(spelt(text), mode, axis);
    if (!reading) {
        FUZZ_REQUIRE(!value && !overflow, "a text the notations refuse is refused", where);
        return 0;
    }
    FUZZ_REQUIRE(value || overflow, "a text the notations accept is read",
                 where + " (refused)");
    if (reading->packed) {
        std::optional<double> converted;
        try {
            converted = geo::toDecimalDegrees(reading->number, mode);
        } catch (const geo::ConversionError&) {
        }
        FUZZ_REQUIRE(converted.has_value() == value.has_value(),
                     "a packed text fails exactly when its conversion does", where);
        if (converted) {
            const double signedValue = reading->negative ? -*converted : *converted;
            FUZZ_REQUIRE(signedValue == *value, "a packed text reads as toDecimalDegrees",
                         where + " gave " + fuzz::shown(*value) + ", the conversion of " +
                             fuzz::quoted(reading->number) + " " + fuzz::shown(signedValue));
        }
        return 0;
    }
    FUZZ_REQUIRE(reading->value.has_value() == value.has_value(),
                 "degrees too large for a double, and only those, overflow", where);
    if (value) {
        const double wanted = reading->negative ? -*reading->value : *reading->value;
        FUZZ_REQUIRE(std::fabs(wanted - *value) <= 1e-12 * std::fmax(1, std::fabs(wanted)),
                     "degrees, minutes and seconds add up",
                     where + " gave " + fuzz::shown(*value) + ", not " + fuzz::shown(wanted));
    }
    return 0;
}
