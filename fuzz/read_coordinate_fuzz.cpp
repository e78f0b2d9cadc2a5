// SPDX-License-Identifier: GPL-3.0-or-later
// readCoordinate and readRouteCoordinate on arbitrary text, checked against a
// second reading of the notations and of the rule for plain numbers written
// as regular expressions. The first byte picks the form, the axis and the
// surface: bit 0 the seconds form, bit 1 a longitude, bit 2 the route's
// surfaces, bit 3 the route's 度 form. '0' minutes latitude, '1' seconds
// latitude, '2' minutes longitude, '3' seconds longitude in the classic
// window; '4'..'7' the same on a route; '8' (and up) 度 on a route. The rest
// is the text.
//   - A text the expressions refuse is refused with CoordinateError, never
//     read as a value.
//   - A text they accept gives a value, or CoordinateError only for degrees
//     beyond the limits; bare packed numbers in the classic window give
//     exactly what toDecimalDegrees gives for the number without sign and
//     blanks, negated for a minus; plain degrees give exactly the double
//     nearest the number; the rule's packed numbers (in the seconds form
//     with the zeros a short number leaves out) and the other notations give
//     their degrees, minutes and seconds added up, to 1e-12.
//   - A whole position read from the text gives, for each of its parts read
//     alone on a route, the same double.
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
#include "geo/position_text.h"

namespace {

using geo::Axis;
using geo::EntryMode;
using geo::NumberForm;

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
//   *  &          the middle dot ·, and 、
// No ASCII letter is spelt as an upper-case symbol but N S E W, so a letter
// can never pass for a mark.
//   #             anything else, malformed bytes included
// Full-width forms of ASCII count as ASCII. `kept` holds, for each symbol,
// the character as UTF-8, so that a packed number can be given to the
// conversion as written; `spaced` whether blanks stood before it, and
// `letter` whether it is an ASCII letter (d and D among them).
struct Spelt {
    std::string symbols;
    std::vector<std::string> kept;
    std::vector<bool> spaced;
    std::vector<bool> letter;
};

bool isBlank(char32_t c)
{
    switch (c) {
    case U' ': case U'\t': case U'\r': case U'\n': case U'\u00A0': case U'\u1680':
    case U'\u202F': case U'\u205F': case U'\u3000':
        return true;
    default:
        return c >= U'\u2000' && c <= U'\u200A';
    }
}

bool isIgnored(char32_t c)
{
    return c == U'\u200B' || c == U'\u2060' || c == U'\uFEFF' || c == U'\u00AD';
}

bool isAsciiLetter(char32_t c)
{
    if (c >= U'\uFF01' && c <= U'\uFF5E') c = c - U'\uFF01' + U'!';
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
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
    case U'\u00B7': return '*';
    case U'、': return '&';
    default: return '#';
    }
}

Spelt spelt(std::string_view text)
{
    Spelt out;
    char32_t c = 0;
    bool spaced = false;
    for (std::size_t i = 0, n = 0; i < text.size(); i += n) {
        if ((n = fuzz::wellFormedSequence(text, i, c)) == 0) {
            n = 1;
            c = 0xFFFD;
        }
        if (isBlank(c)) spaced = true;
        if (isBlank(c) || isIgnored(c)) continue;
        const char symbol = symbolOf(c);
        out.symbols += symbol;
        out.spaced.push_back(spaced && out.symbols.size() > 1);
        out.letter.push_back(isAsciiLetter(c));
        spaced = false;
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
    std::string packed;             // a bare packed number, without sign, for toDecimalDegrees
    std::optional<double> exact;    // the rule's plain degrees, to the bit
    std::optional<double> value;    // the rule's packed numbers and the other notations,
                                    // when within the limits
    bool nearLimit = false;         // so near the limit that rounding decides
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

// Degrees, minutes and seconds added as doubles: within a few roundings of
// the reader's sum, which is rounded once.
double addedUp(const std::string& d, const std::string& m, const std::string& s)
{
    const auto value = [](const std::string& t) { return t.empty() ? 0 : std::strtod(t.c_str(), nullptr); };
    return value(d) + value(m) / 60 + value(s) / 3600;
}

constexpr double kSumTolerance = 1e-12;

bool withinLimit(double value, Axis axis) { return value <= limitOf(axis) * (1 + kSumTolerance); }

bool nearLimit(double value, Axis axis)
{
    return std::fabs(value - limitOf(axis)) <= limitOf(axis) * kSumTolerance;
}

// Degrees, minutes and seconds as numbers; false when a rule refuses them.
bool sexagesimal(const std::string& d, const std::string& m, const std::string& s, Axis axis,
                 Reading& reading)
{
    const bool fractionNotLast =
        (hasPoint(d) && !(m.empty() && s.empty())) || (hasPoint(m) && !s.empty());
    if (fractionNotLast) return false;
    if ((!m.empty() && !belowSixty(m)) || (!s.empty() && !belowSixty(s))) return false;
    const double value = addedUp(d, m, s);
    if (!withinLimit(value, axis)) return false;
    reading.value = value;
    reading.nearLimit = nearLimit(value, axis);
    return true;
}

// 42@50P30"  42@50.5  42@50P30  38@52P.3  42@50P30".5, and where blanks
// separate numbers (spelt _): 30_10.2P  42@50_30. Seconds only after minutes.
bool readMarks(const std::string& body, Axis axis, Reading& reading)
{
    static const std::regex marks("^" + kNumber + "(@|_)(?:" + kNumber +
                                  "(P(?!P)|M|_)(?:" + kNumber + "(?:\"|PP))?)?" + kNumber +
                                  "?$");
    if (body.find_first_of("@PM\"") == std::string::npos) return false;
    std::smatch match;
    if (!std::regex_match(body, match, marks)) return false;
    std::string d = match[1].str(), m = match[3].str(), s = match[5].str();
    const std::string tail = match[6].str();
    const bool degreesBlank = match[2].str() == "_";
    const bool minutesBlank = match[4].str() == "_";
    // A number before blanks is a part of its own, whose next part follows.
    if (degreesBlank && (d[0] == '.' || (m.empty() && tail.empty()))) return false;
    if (minutesBlank && s.empty() && tail.empty()) return false;
    if (!tail.empty()) {
        const bool fractionOnly = tail[0] == '.';
        const bool afterBlanks = body[body.size() - tail.size() - 1] == '_';
        if (fractionOnly && afterBlanks) return false;  // whose fraction?
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

// 42:50:30, 38-52-18 and, where blanks separate numbers, 30_10_12
bool readSeparated(const std::string& body, char separator, Axis axis, Reading& reading)
{
    static const auto separated = [](const std::string& sep) {
        return std::regex("^" + kNumber + sep + kNumber + "(?:" + sep + kNumber + ")?$");
    };
    static const std::regex colons = separated(":");
    static const std::regex dashes = separated("-");
    static const std::regex blanks = separated("_");
    std::smatch match;
    const std::regex& notation = separator == ':' ? colons : separator == '-' ? dashes : blanks;
    if (!std::regex_match(body, match, notation)) return false;
    // "30 .5": the degrees' fraction or the minutes'?
    if (separator == '_')
        for (int part = 1; part <= 3; ++part)
            if (match[part].length() > 0 && match[part].str()[0] == '.') return false;
    return sexagesimal(match[1].str(), match[2].str(), match[3].str(), axis, reading);
}

// The rule for plain numbers on a number without sign: degrees when it has
// the digits of degrees and lies within the axis' limit, packed when its
// minutes and seconds are below 60 and its degrees within the limit (the
// seconds form's number padded with zeros to six digits, then cut as
// toDecimalDegrees cuts it); refused when both are possible and differ, or
// neither is, and a longitude of the digits of degrees above 180 and up to
// 360 that may be packed is refused too. Degrees are read to the bit,
// packed numbers added up.
struct Ruled {
    double value;
    bool exact;
};

std::optional<Ruled> ruledNumber(const std::string& number, NumberForm form, Axis axis)
{
    const double asDegrees = std::strtod(number.c_str(), nullptr);
    if (form == NumberForm::Degrees)
        return asDegrees <= limitOf(axis) ? std::optional<Ruled>({asDegrees, true}) : std::nullopt;
    const std::size_t wholeDigits = number.find('.') == std::string::npos ? number.size()
                                                                          : number.find('.');
    const bool degrees = wholeDigits <= (axis == Axis::Latitude ? 2u : 3u) &&
                         asDegrees <= limitOf(axis);
    std::optional<double> packed;
    if (form == NumberForm::Minutes) {
        const std::size_t cut = wholeDigits >= 2 ? wholeDigits - 2 : 0;
        const std::string minutes = number.substr(cut);
        const double sum = addedUp(number.substr(0, cut), minutes, "");
        if (belowSixty(minutes) && withinLimit(sum, axis)) packed = sum;
    } else if (!hasPoint(number)) {
        const std::string padded = std::string(number.size() < 6 ? 6 - number.size() : 0, '0') +
                                   number;
        const std::string minutes = padded.substr(padded.size() - 4, 2);
        const std::string seconds = padded.substr(padded.size() - 2);
        const double sum = addedUp(padded.substr(0, padded.size() - 4), minutes, seconds);
        if (belowSixty(minutes) && belowSixty(seconds) && withinLimit(sum, axis)) packed = sum;
    }
    // A longitude above 180° and up to 360° may be counted east all round.
    const bool fullCircle = axis == Axis::Longitude && wholeDigits <= 3u && asDegrees > 180 &&
                            asDegrees <= 360;
    if (fullCircle && packed) return std::nullopt;
    // Both readings give the same value only for zero.
    if (degrees && packed)
        return *packed == asDegrees ? std::optional<Ruled>({*packed, true}) : std::nullopt;
    if (degrees) return Ruled{asDegrees, true};
    if (packed) return Ruled{*packed, false};
    return std::nullopt;
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

// Where a text is read and in which form.
struct Where {
    NumberForm form;
    bool route;
};

bool isMark(char symbol) { return std::string("@PM\"").find(symbol) != std::string::npos; }

std::optional<Reading> expected(const Spelt& text, Where where, Axis axis)
{
    std::string symbols = text.symbols;
    std::vector<std::string> kept = text.kept;
    if (!symbols.empty() && std::string(",;.O").find(symbols.back()) != std::string::npos) {
        symbols.pop_back();
        kept.pop_back();
    }
    std::size_t from = 0;
    // A label names the axis; "Lat." and the like are abbreviations.
    const std::optional<std::string> word = label(symbols);
    if (word) {
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
    // A letter that begins a word is no hemisphere: "North".
    if (std::regex_search(rest, match, leading) &&
        !(match[1].length() == 1 && text.letter[from] && from + 1 < symbols.size() &&
          text.letter[from + 1] && !text.spaced[from + 1])) {
        hemisphere = match[1].str();
        from += match.length(0);
        rest = symbols.substr(from);
    }
    std::size_t to = symbols.size();
    bool nmea = false;
    if (std::regex_search(rest, match, trailing)) {
        const std::size_t at = symbols.size() - match[2].length();
        // Nor one that ends a word ("min"), but after a degree letter ("116dE").
        const bool endsWord = match[1].length() == 0 && match[2].length() == 1 &&
                              text.letter[at] && at > from && text.letter[at - 1] &&
                              symbols[at - 1] != '@' && !text.spaced[at];
        if (!endsWord) {
            if (!hemisphere.empty()) return std::nullopt;  // two hemispheres
            hemisphere = match[2].str();
            nmea = match[1].length() > 0 && hemisphere.size() == 1 &&
                   std::string("NSEW").find(hemisphere) != std::string::npos;
            to -= nmea ? match.length(0) : match[2].length();
            // "42°50′30s": seconds or south?
            static const std::regex secondsNumber(R"((?:^|[^P])P[0-9][0-9.]*$|M[0-9][0-9.]*$)");
            const std::string& letter = kept[at];
            const std::string before = symbols.substr(from, to - from);
            if (!nmea && (letter == "s" || letter == "\uFF53") &&
                std::regex_search(before, secondsNumber))
                return std::nullopt;
        }
    }
    if (to < from) return std::nullopt;
    if (!hemisphere.empty() && isLatitudeWord(hemisphere) != (axis == Axis::Latitude))
        return std::nullopt;

    Reading reading;
    if (from < to && (symbols[from] == '+' || symbols[from] == '-')) {
        if (symbols[from] == '-' && !hemisphere.empty()) return std::nullopt;
        reading.negative = symbols[from] == '-';
        ++from;
    }
    reading.negative = reading.negative || isNegativeWord(hemisphere);

    // Blanks between two numbers separate them where the rule applies; the
    // middle dot right after a mark is a point.
    const bool ruled = where.route || !hemisphere.empty() || word || nmea;
    std::string body;
    std::string packed;
    const auto isNumberSymbol = [](char c) { return (c >= '0' && c <= '9') || c == '.'; };
    for (std::size_t i = from; i < to; ++i) {
        char symbol = symbols[i];
        if (symbol == '*' && i > from && isMark(symbols[i - 1]) && i + 1 < to &&
            symbols[i + 1] >= '0' && symbols[i + 1] <= '9')
            symbol = '.';
        if (ruled && text.spaced[i] && i > from && isNumberSymbol(symbol) &&
            isNumberSymbol(body.back()))
            body += '_';
        body += symbol;
        packed += isNumberSymbol(symbol) ? kept[i] : std::string();
    }

    static const std::regex plainMinutes("^" + kNumber + "$");
    static const std::regex plainSeconds("^[0-9]+$");
    if (ruled && std::regex_match(body, plainMinutes)) {
        const std::optional<Ruled> ruled =
            ruledNumber(body, nmea ? NumberForm::Minutes : where.form, axis);
        if (!ruled) return std::nullopt;
        if (ruled->exact) {
            reading.exact = ruled->value;
        } else {
            reading.value = ruled->value;
            reading.nearLimit = nearLimit(ruled->value, axis);
        }
        return reading;
    }
    if (!ruled && std::regex_match(body, where.form == NumberForm::Minutes ? plainMinutes
                                                                           : plainSeconds)) {
        reading.packed = packed;
        return reading;
    }
    if (nmea) return std::nullopt;
    if (readMarks(body, axis, reading)) return reading;
    if (readSeparated(body, ':', axis, reading)) return reading;
    if (!hemisphere.empty() && readSeparated(body, '-', axis, reading)) return reading;
    if (ruled && readSeparated(body, '_', axis, reading)) return reading;
    return std::nullopt;
}

std::string described(Where where, Axis axis, std::string_view text)
{
    const char* form = where.form == NumberForm::Minutes   ? "minutes "
                       : where.form == NumberForm::Seconds ? "seconds "
                                                           : "degrees ";
    return std::string(where.route ? "route " : "classic ") + form +
           (axis == Axis::Latitude ? "latitude " : "longitude ") + fuzz::quoted(text);
}

// What the conversion of a bare packed number gives in the classic window.
std::optional<double> convertedPacked(const Reading& reading, EntryMode mode)
{
    try {
        const double degrees = geo::toDecimalDegrees(reading.packed, mode);
        return reading.negative ? -degrees : degrees;
    } catch (const geo::ConversionError&) {
        return std::nullopt;
    }
}

// A whole position's parts, read alone on a route, give its doubles.
void checkPosition(std::string_view text, NumberForm form, const std::string& where)
{
    std::optional<geo::PositionReading> reading;
    try {
        reading = geo::readPosition(text, form);
    } catch (const geo::CoordinateError& refusal) {
        FUZZ_REQUIRE(refusal.position() <= fuzz::characterCount(text),
                     "a position's refusal points into the text", where);
        return;
    } catch (...) {
        fuzz::broken("readPosition throws only CoordinateError", where);
    }
    const auto alone = [&](const std::string& part, Axis axis) -> std::optional<double> {
        try {
            return geo::readRouteCoordinate(part, form, axis);
        } catch (const geo::CoordinateError&) {
            return std::nullopt;
        }
    };
    const std::optional<double> latitude = alone(reading->parts.latitude, Axis::Latitude);
    const std::optional<double> longitude = alone(reading->parts.longitude, Axis::Longitude);
    FUZZ_REQUIRE(latitude && *latitude == reading->position.latitude,
                 "a position's latitude part reads alone as in the position",
                 where + " latitude part " + fuzz::quoted(reading->parts.latitude));
    FUZZ_REQUIRE(longitude && *longitude == reading->position.longitude,
                 "a position's longitude part reads alone as in the position",
                 where + " longitude part " + fuzz::quoted(reading->parts.longitude));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const bool degrees = (data[0] & 8) != 0;
    const Where where{degrees                  ? NumberForm::Degrees
                      : (data[0] & 1) != 0     ? NumberForm::Seconds
                                               : NumberForm::Minutes,
                      degrees || (data[0] & 4) != 0};
    const EntryMode mode = where.form == NumberForm::Seconds ? EntryMode::Seconds : EntryMode::Minutes;
    const Axis axis = (data[0] & 2) != 0 ? Axis::Longitude : Axis::Latitude;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string context = described(where, axis, text);

    std::optional<double> value;
    try {
        value = where.route ? geo::readRouteCoordinate(text, where.form, axis)
                            : geo::readCoordinate(text, mode, axis);
        FUZZ_REQUIRE(std::isfinite(*value), "a coordinate read is finite", context);
    } catch (const geo::CoordinateError& refusal) {
        FUZZ_REQUIRE(refusal.position() <= fuzz::characterCount(text),
                     "a refusal points into the text", context);
        FUZZ_REQUIRE((refusal.surface() == geo::Surface::Route) == where.route,
                     "a refusal names the surface it was read on", context);
    } catch (...) {
        fuzz::broken("readCoordinate throws only CoordinateError", context);
    }
    if (text.size() > kLongestChecked) return 0;
    checkPosition(text, where.form, context);

    const std::optional<Reading> reading = expected(spelt(text), where, axis);
    if (!reading) {
        FUZZ_REQUIRE(!value, "a text the notations refuse is refused",
                     context + " read as " + (value ? fuzz::shown(*value) : ""));
        return 0;
    }
    if (!reading->packed.empty()) {
        const std::optional<double> converted = convertedPacked(*reading, mode);
        FUZZ_REQUIRE(converted.has_value() == value.has_value(),
                     "a bare packed number is refused exactly when its conversion fails",
                     context);
        if (converted)
            FUZZ_REQUIRE(*converted == *value, "a bare packed text reads as toDecimalDegrees",
                         context + " gave " + fuzz::shown(*value) + ", the conversion of " +
                             fuzz::quoted(reading->packed) + " " + fuzz::shown(*converted));
        return 0;
    }
    if (reading->exact) {
        const double wanted = reading->negative ? -*reading->exact : *reading->exact;
        FUZZ_REQUIRE(value.has_value(), "a number the rule reads one way is read", context);
        FUZZ_REQUIRE(*value == wanted, "the rule for plain numbers reads the very double",
                     context + " gave " + fuzz::shown(*value) + ", not " + fuzz::shown(wanted));
        return 0;
    }
    // At the limit itself the sum rounded once decides, which the sum added
    // up cannot tell.
    if (!reading->nearLimit)
        FUZZ_REQUIRE(reading->value.has_value() == value.has_value(),
                     "degrees beyond the axis' limit, and only those, are refused", context);
    if (value && reading->value) {
        const double wanted = reading->negative ? -*reading->value : *reading->value;
        FUZZ_REQUIRE(std::fabs(wanted - *value) <= kSumTolerance * std::fmax(1, std::fabs(wanted)),
                     "degrees, minutes and seconds add up",
                     context + " gave " + fuzz::shown(*value) + ", not " + fuzz::shown(wanted));
    }
    return 0;
}
