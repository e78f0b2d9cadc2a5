// SPDX-License-Identifier: GPL-3.0-or-later
// readCoordinate on arbitrary text, checked against a second reading of the
// notations written as regular expressions. The first byte picks the entry
// form (bit 0: '0' minutes, '1' seconds) and the axis (bit 1: latitude, then
// longitude): '0' minutes latitude, '1' seconds latitude, '2' minutes
// longitude, '3' seconds longitude. The rest is the text.
//   - A text the expressions refuse is refused with CoordinateError, never
//     read as a value.
//   - A text they accept gives a value, or CoordinateError only for degrees
//     beyond the limits; packed numbers give exactly what toDecimalDegrees
//     gives for the number without sign, hemisphere and blanks, negated for
//     a minus, S and W.
//   - Nothing else is ever thrown.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// libstdc++'s <regex>, built with sanitizers at -O1, warns that some of its
// own members may be used uninitialised; they are not.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include <regex>
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

#include "fuzz/promise.h"
#include "geo/coordinate_text.h"
#include "geo/errors.h"

namespace {

using geo::Axis;
using geo::EntryMode;

// The expressions backtrack; longer texts are only checked not to crash.
constexpr std::size_t kLongestChecked = 512;

// The text without its blanks and ignored characters, one ASCII symbol per
// character:
//   0-9 . + -     digits, point, plus, every minus form (- − – ‒ －)
//   N S E W       the hemisphere letters in either case; other ASCII letters
//                 in lower case, but d and D, which are degree marks
//   B U G X       北 南 东 西;  Y J  纬 经
//   @             degree marks: ° º ˚ ⁰ ᵒ ∘ 度 d D
//   P M           minute marks: ′ ' ’ ‘ ´ ` and 分
//   "             second marks: ″ " ” “ ˝ 秒
//   : , ; / O     colon, comma, semicolon, slash, 。
// No ASCII letter is spelt as an upper-case symbol but N S E W, so a letter
// can never pass for a mark.
//   #             anything else, malformed bytes included
// Full-width forms of ASCII count as ASCII. `kept` holds, for each symbol,
// the character as UTF-8, so that a packed number can be given to the
// conversion as written.
struct Spelt {
    std::string symbols;
    std::vector<std::string> kept;
};

bool isRemoved(char32_t c)
{
    switch (c) {
    case U' ': case U'\t': case U'\r': case U'\n': case U'\u00A0': case U'\u1680':
    case U'\u202F': case U'\u205F': case U'\u3000': case U'\u200B': case U'\u2060':
    case U'\uFEFF': case U'\u00AD':
        return true;
    default:
        return c >= U'\u2000' && c <= U'\u200A';
    }
}

char symbolOf(char32_t c)
{
    if (c >= U'\uFF01' && c <= U'\uFF5E') c = c - U'\uFF01' + U'!';
    if (c >= U'0' && c <= U'9') return static_cast<char>(c);
    if (c == U'd' || c == U'D') return '@';
    if (c >= U'A' && c <= U'Z') c = c - U'A' + U'a';
    if (c >= U'a' && c <= U'z') {
        switch (c) {
        case U'n': return 'N';
        case U's': return 'S';
        case U'e': return 'E';
        case U'w': return 'W';
        default: return static_cast<char>(c);
        }
    }
    switch (c) {
    case U'.': case U'+': case U':': case U',': case U';': case U'/':
        return static_cast<char>(c);
    case U'-': case U'\u2212': case U'\u2013': case U'\u2012': return '-';
    case U'北': return 'B';
    case U'南': return 'U';
    case U'东': return 'G';
    case U'西': return 'X';
    case U'纬': return 'Y';
    case U'经': return 'J';
    case U'°': case U'º': case U'˚': case U'⁰': case U'ᵒ': case U'∘': case U'度': return '@';
    case U'′': case U'\'': case U'’': case U'‘': case U'´': case U'`': return 'P';
    case U'分': return 'M';
    case U'″': case U'"': case U'”': case U'“': case U'˝': case U'秒': return '"';
    case U'。': return 'O';
    default: return '#';
    }
}

Spelt spelt(std::string_view text)
{
    Spelt out;
    char32_t c = 0;
    for (std::size_t i = 0, n = 0; i < text.size(); i += n) {
        if ((n = fuzz::wellFormedSequence(text, i, c)) == 0) {
            n = 1;
            c = 0xFFFD;
        }
        if (isRemoved(c)) continue;
        const char symbol = symbolOf(c);
        out.symbols += symbol;
        // Digits and points as the conversion reads them.
        out.kept.push_back((symbol >= '0' && symbol <= '9') || symbol == '.'
                               ? std::string(1, symbol)
                               : std::string(text.substr(i, n)));
    }
    return out;
}

// What the expressions make of a text.
struct Reading {
    bool negative = false;          // a minus, S or W
    std::string packed;             // a packed number, without sign
    bool nmea = false;              // ddmm.mmmm whatever the entry form
    std::optional<double> value;    // the other notations, when within the limits
};

const std::string kNumber = R"(([0-9]+(?:\.[0-9]*)?|\.[0-9]+))";

bool hasPoint(const std::string& number) { return number.find('.') != std::string::npos; }

// The whole part of a minutes or seconds number below 60.
bool belowSixty(const std::string& number)
{
    std::string whole = number.substr(0, number.find('.'));
    whole.erase(0, whole.find_first_not_of('0'));
    return whole.size() < 2 || (whole.size() == 2 && whole < "60");
}

double limitOf(Axis axis) { return axis == Axis::Latitude ? 90 : 180; }

// Degrees, minutes and seconds as numbers; false when a rule refuses them.
bool sexagesimal(const std::string& d, const std::string& m, const std::string& s, Axis axis,
                 Reading& reading)
{
    const bool fractionNotLast =
        (hasPoint(d) && !(m.empty() && s.empty())) || (hasPoint(m) && !s.empty());
    if (fractionNotLast) return false;
    if ((!m.empty() && !belowSixty(m)) || (!s.empty() && !belowSixty(s))) return false;
    const double value = std::strtod(d.c_str(), nullptr) +
                         (m.empty() ? 0 : std::strtod(m.c_str(), nullptr)) / 60 +
                         (s.empty() ? 0 : std::strtod(s.c_str(), nullptr)) / 3600;
    if (!(value <= limitOf(axis))) return false;
    reading.value = value;
    return true;
}

// 42@50P30"  42@50.5  42@50P30  38@52P.3  42@50P30".5
bool readMarks(const std::string& body, Axis axis, Reading& reading)
{
    static const std::regex marks("^" + kNumber + "@(?:" + kNumber + "(?:P(?!P)|M))?(?:" +
                                  kNumber + "(?:\"|PP))?" + kNumber + "?$");
    std::smatch match;
    if (!std::regex_match(body, match, marks)) return false;
    std::string d = match[1].str(), m = match[2].str(), s = match[3].str();
    const std::string tail = match[4].str();
    if (!tail.empty()) {
        const bool fractionOnly = tail[0] == '.';
        if (!s.empty() || (!m.empty() && fractionOnly)) {
            // A fraction written after the last mark belongs to that part.
            std::string& part = s.empty() ? m : s;
            if (!fractionOnly || hasPoint(part)) return false;
            part += tail;
        } else if (fractionOnly) {
            return false;  // after a degree mark: degrees' or minutes' fraction?
        } else {
            (m.empty() ? m : s) = tail;
        }
    }
    return sexagesimal(d, m, s, axis, reading);
}

// 42:50:30 and 38-52-18
bool readSeparated(const std::string& body, char separator, Axis axis, Reading& reading)
{
    static const auto separated = [](const std::string& sep) {
        return std::regex("^" + kNumber + sep + kNumber + "(?:" + sep + kNumber + ")?$");
    };
    static const std::regex colons = separated(":");
    static const std::regex dashes = separated("-");
    std::smatch match;
    if (!std::regex_match(body, match, separator == ':' ? colons : dashes)) return false;
    return sexagesimal(match[1].str(), match[2].str(), match[3].str(), axis, reading);
}

// Spelt labels: latitude, longitude, long, lon, lat, 纬度, 经度.
std::optional<std::string> label(const std::string& symbols)
{
    static const std::regex words(R"(^(latitu@E|loNgitu@E|loNg|loN|lat|Y@|J@))");
    std::smatch match;
    if (!std::regex_search(symbols, match, words)) return std::nullopt;
    return match[1].str();
}

bool isLatitudeWord(const std::string& w)
{
    return w == "N" || w == "S" || w == "B" || w == "U" || w == "BY" || w == "UY" ||
           w == "lat" || w == "latitu@E" || w == "Y@";
}

bool isNegativeWord(const std::string& w)
{
    return w == "S" || w == "U" || w == "UY" || w == "W" || w == "X" || w == "XJ";
}

std::optional<Reading> expected(const Spelt& text, EntryMode mode, Axis axis)
{
    std::string symbols = text.symbols;
    std::vector<std::string> kept = text.kept;
    if (!symbols.empty() && std::string(",;.O").find(symbols.back()) != std::string::npos) {
        symbols.pop_back();
        kept.pop_back();
    }
    std::size_t from = 0;
    // A label names the axis; "Lat." and the like are abbreviations.
    if (const std::optional<std::string> word = label(symbols)) {
        if (isLatitudeWord(*word) != (axis == Axis::Latitude)) return std::nullopt;
        from = word->size();
        const bool abbreviation = *word == "lat" || *word == "loN" || *word == "loNg";
        if (from < symbols.size() &&
            (symbols[from] == ':' || (abbreviation && symbols[from] == '.')))
            ++from;
    }
    static const std::regex leading("^(BY|UY|GJ|XJ|N|S|E|W|B|U|G|X):?");
    static const std::regex trailing("(,?)(BY|UY|GJ|XJ|N|S|E|W|B|U|G|X)$");
    std::string rest = symbols.substr(from);
    std::string hemisphere;
    std::smatch match;
    if (std::regex_search(rest, match, leading)) {
        hemisphere = match[1].str();
        from += match.length(0);
        rest = symbols.substr(from);
    }
    std::size_t to = symbols.size();
    bool nmea = false;
    if (std::regex_search(rest, match, trailing)) {
        if (!hemisphere.empty()) return std::nullopt;  // two hemispheres
        hemisphere = match[2].str();
        nmea = match[1].length() > 0 && hemisphere.size() == 1 &&
               std::string("NSEW").find(hemisphere) != std::string::npos;
        to -= nmea ? match.length(0) : match[2].length();
    }
    if (to < from) return std::nullopt;
    if (!hemisphere.empty() && isLatitudeWord(hemisphere) != (axis == Axis::Latitude))
        return std::nullopt;

    std::string body = symbols.substr(from, to - from);
    Reading reading;
    if (!body.empty() && (body[0] == '+' || body[0] == '-')) {
        if (body[0] == '-' && !hemisphere.empty()) return std::nullopt;
        reading.negative = body[0] == '-';
        body.erase(0, 1);
        ++from;
    }
    reading.negative = reading.negative || isNegativeWord(hemisphere);

    static const std::regex packedMinutes("^" + kNumber + "$");
    static const std::regex packedSeconds("^[0-9]+$");
    const bool packed = std::regex_match(body, nmea || mode == EntryMode::Minutes ? packedMinutes
                                                                                   : packedSeconds);
    if (packed) {
        for (std::size_t i = from; i < from + body.size(); ++i) reading.packed += kept[i];
        reading.nmea = nmea;
        return reading;
    }
    if (nmea) return std::nullopt;
    if (readMarks(body, axis, reading)) return reading;
    if (readSeparated(body, ':', axis, reading)) return reading;
    if (!hemisphere.empty() && readSeparated(body, '-', axis, reading)) return reading;
    return std::nullopt;
}

std::string described(EntryMode mode, Axis axis, std::string_view text)
{
    return std::string(mode == EntryMode::Minutes ? "minutes " : "seconds ") +
           (axis == Axis::Latitude ? "latitude " : "longitude ") + fuzz::quoted(text);
}

// What the conversion of a packed number gives, with the limits of the
// notation: NMEA minutes below 60 and degrees within the axis' limit.
std::optional<double> convertedPacked(const Reading& reading, EntryMode mode, Axis axis)
{
    try {
        const double degrees =
            geo::toDecimalDegrees(reading.packed, reading.nmea ? EntryMode::Minutes : mode);
        if (reading.nmea) {
            const std::string whole = reading.packed.substr(0, reading.packed.find('.'));
            const std::string minutes = whole.size() >= 2 ? whole.substr(whole.size() - 2) : whole;
            if (!belowSixty(minutes) || !(degrees <= limitOf(axis))) return std::nullopt;
        }
        return reading.negative ? -degrees : degrees;
    } catch (const geo::ConversionError&) {
        return std::nullopt;
    }
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
    try {
        value = geo::readCoordinate(text, mode, axis);
        FUZZ_REQUIRE(std::isfinite(*value), "a coordinate read is finite", where);
    } catch (const geo::CoordinateError& refusal) {
        FUZZ_REQUIRE(refusal.position() <= fuzz::characterCount(text),
                     "a refusal points into the text", where);
    } catch (...) {
        fuzz::broken("readCoordinate throws only CoordinateError", where);
    }
    if (text.size() > kLongestChecked) return 0;

    const std::optional<Reading> reading = expected(spelt(text), mode, axis);
    if (!reading) {
        FUZZ_REQUIRE(!value, "a text the notations refuse is refused",
                     where + " read as " + (value ? fuzz::shown(*value) : ""));
        return 0;
    }
    if (!reading->packed.empty()) {
        const std::optional<double> converted = convertedPacked(*reading, mode, axis);
        FUZZ_REQUIRE(converted.has_value() == value.has_value(),
                     "a packed number is refused exactly when its conversion fails or breaks "
                     "the notation's limits",
                     where);
        if (converted)
            FUZZ_REQUIRE(*converted == *value, "a packed text reads as toDecimalDegrees",
                         where + " gave " + fuzz::shown(*value) + ", the conversion of " +
                             fuzz::quoted(reading->packed) + " " + fuzz::shown(*converted));
        return 0;
    }
    FUZZ_REQUIRE(reading->value.has_value() == value.has_value(),
                 "degrees beyond the axis' limit, and only those, are refused", where);
    if (value) {
        const double wanted = reading->negative ? -*reading->value : *reading->value;
        FUZZ_REQUIRE(std::fabs(wanted - *value) <= 1e-12 * std::fmax(1, std::fabs(wanted)),
                     "degrees, minutes and seconds add up",
                     where + " gave " + fuzz::shown(*value) + ", not " + fuzz::shown(wanted));
    }
    return 0;
}
