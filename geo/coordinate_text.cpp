// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/coordinate_text.h"

#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "geo/characters.h"
#include "geo/errors.h"
#include "geo/number_reading.h"

namespace geo {
namespace {

using Characters = std::u32string;
using CharactersView = std::u32string_view;

constexpr double kMinutesPerDegree = 60;
constexpr double kSecondsPerDegree = 3600;
// Minutes and seconds written after a degree sign must stay below this.
constexpr int kSexagesimalBase = 60;

struct Hemisphere {
    CharactersView word;
    Axis axis;
    bool negative;  // south or west
};

// Two-character words first, so that 北纬 is not taken for 北 and a stray 纬.
constexpr std::array<Hemisphere, 16> kHemispheres{{
    {U"北纬", Axis::Latitude, false}, {U"南纬", Axis::Latitude, true},
    {U"东经", Axis::Longitude, false}, {U"西经", Axis::Longitude, true},
    {U"N", Axis::Latitude, false},  {U"n", Axis::Latitude, false},
    {U"S", Axis::Latitude, true},   {U"s", Axis::Latitude, true},
    {U"北", Axis::Latitude, false}, {U"南", Axis::Latitude, true},
    {U"E", Axis::Longitude, false}, {U"e", Axis::Longitude, false},
    {U"W", Axis::Longitude, true},  {U"w", Axis::Longitude, true},
    {U"东", Axis::Longitude, false}, {U"西", Axis::Longitude, true},
}};

enum class Unit { Degrees, Minutes, Seconds };

struct Mark {
    Unit unit;
    std::size_t length;  // characters
};

// The degree, minute or second mark at `pos`, if one stands there.
std::optional<Mark> markAt(CharactersView text, std::size_t pos)
{
    if (pos >= text.size()) return std::nullopt;
    // Two apostrophes are a second mark, not two minute marks.
    if (text.substr(pos, 2) == U"''") return Mark{Unit::Seconds, 2};
    switch (text[pos]) {
    case U'°': case U'º': case U'度': return Mark{Unit::Degrees, 1};
    case U'′': case U'\'': case U'’': case U'分': return Mark{Unit::Minutes, 1};
    case U'″': case U'"': case U'”': case U'秒': return Mark{Unit::Seconds, 1};
    default: return std::nullopt;
    }
}

bool isHemisphereLetter(char32_t c)
{
    for (const Hemisphere& hemisphere : kHemispheres)
        if (hemisphere.word.size() == 1 && hemisphere.word[0] == c) return true;
    return false;
}

// The text decoded once, folded, and without its blanks.
Characters foldedWithoutBlanks(std::string_view utf8)
{
    Characters text;
    for (char32_t c : decodeUtf8(utf8))
        if (!isBlank(c)) text.push_back(fold(c));
    return text;
}

const Hemisphere* hemisphereAtStart(CharactersView text)
{
    for (const Hemisphere& hemisphere : kHemispheres)
        if (text.starts_with(hemisphere.word)) return &hemisphere;
    return nullptr;
}

const Hemisphere* hemisphereAtEnd(CharactersView text)
{
    for (const Hemisphere& hemisphere : kHemispheres)
        if (text.ends_with(hemisphere.word)) return &hemisphere;
    return nullptr;
}

[[noreturn]] void refuse(Notation notation, CharactersView piece)
{
    throw NotationError(notation, Characters(piece));
}

// The rule that a character breaks where no notation allows it.
[[noreturn]] void refuseCharacter(char32_t c, bool hasHemisphere)
{
    const CharactersView piece(&c, 1);
    if (c == U',' || c == U'，') refuse(Notation::DecimalComma, piece);
    if (isSign(c)) refuse(Notation::MisplacedSign, piece);
    if (isHemisphereLetter(c))
        refuse(hasHemisphere ? Notation::TwoHemispheres : Notation::MisplacedHemisphere, piece);
    if (markAt(piece, 0)) refuse(Notation::NoDegreeSign, piece);
    refuse(Notation::StrayCharacter, piece);
}

struct Marked {
    CharactersView number;  // the text without its hemisphere
    bool negative = false;
    bool hasHemisphere = false;
};

Marked takeHemisphere(CharactersView text, Axis axis)
{
    if (text.empty()) refuse(Notation::NoNumber, text);
    const Hemisphere* first = hemisphereAtStart(text);
    CharactersView rest = first ? text.substr(first->word.size()) : text;
    const Hemisphere* last = rest.empty() ? nullptr : hemisphereAtEnd(rest);
    if (first && last) refuse(Notation::TwoHemispheres, last->word);
    if (last) rest.remove_suffix(last->word.size());
    const Hemisphere* hemisphere = first ? first : last;
    if (hemisphere == nullptr) return {rest};

    if (rest.empty()) refuse(Notation::NoNumber, hemisphere->word);
    if (hemisphere->axis != axis) refuse(Notation::WrongAxis, hemisphere->word);
    if (rest.find(U'-') != CharactersView::npos)
        refuse(Notation::HemisphereAndMinus, hemisphere->word);
    return {rest, hemisphere->negative, true};
}

bool hasDigit(CharactersView text)
{
    for (char32_t c : text)
        if (isDigit(c)) return true;
    return false;
}

// Minutes form: one number as the strict reader reads it, then converted.
double fromPackedMinutes(const Marked& marked)
{
    const CharactersView text = marked.number;
    for (char32_t c : text) {
        const bool numberCharacter = isDigit(c) || isSign(c) || c == U'.' || c == U'e' ||
                                     c == U'E' || c == U'd' || c == U'D';
        if (!numberCharacter) refuseCharacter(c, marked.hasHemisphere);
    }
    if (!hasDigit(text)) refuse(Notation::NoNumber, text);
    try {
        readNumberStrict(text, Reading::WholeText);
    } catch (const OverflowError&) {
        // Too large for a double: the conversion says so for the degrees.
    } catch (const TypeMismatchError&) {
        // Name what a navigator can mend, where one thing stands out.
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == U'd' || text[i] == U'D') refuseCharacter(text[i], marked.hasHemisphere);
            const bool afterExponent = i > 0 && (text[i - 1] == U'e' || text[i - 1] == U'E');
            if (i > 0 && isSign(text[i]) && !afterExponent) refuseCharacter(text[i], false);
        }
        throw;
    }
    return toDecimalDegrees(text, EntryMode::Minutes);
}

// Seconds form: an optional sign and digits, the last two the seconds.
double fromPackedSeconds(const Marked& marked)
{
    const CharactersView text = marked.number;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        if (isDigit(c) || (i == 0 && isSign(c))) continue;
        if (c == U'.') refuse(Notation::FractionInSeconds, text.substr(i, 1));
        refuseCharacter(c, marked.hasHemisphere);
    }
    if (!hasDigit(text)) refuse(Notation::NoNumber, text);
    return toDecimalDegrees(text, EntryMode::Seconds);
}

struct Part {
    CharactersView number;
    Unit unit;
    bool fraction;
};

// Digits with at most one point, read as the number readers read them: a
// value too small for a double is 0, one too large an OverflowError.
double valueOf(CharactersView number) { return readNumberStrict(number, Reading::WholeText); }

bool belowSexagesimalBase(CharactersView number)
{
    int whole = 0;
    for (char32_t c : number) {
        if (c == U'.') break;
        whole = whole * 10 + static_cast<int>(c - U'0');
        if (whole >= kSexagesimalBase) return false;
    }
    return true;
}

// Degree-sign notation: [sign] D° [M′] [S″], each part an unsigned number.
double fromDegreeNotation(const Marked& marked)
{
    const CharactersView text = marked.number;
    std::size_t pos = 0;
    bool negative = false;
    if (isSign(text[0])) {
        negative = text[0] == U'-';
        ++pos;
    }
    std::array<Part, 3> parts{};
    std::size_t count = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        bool fraction = false;
        bool anyDigit = false;
        for (; pos < text.size() && (isDigit(text[pos]) || text[pos] == U'.'); ++pos) {
            if (text[pos] == U'.') {
                if (fraction) throw TypeMismatchError(Reading::WholeText, Characters(text));
                fraction = true;
            } else {
                anyDigit = true;
            }
        }
        const CharactersView number = text.substr(start, pos - start);
        const std::optional<Mark> mark = markAt(text, pos);
        if (!mark) {
            if (pos == text.size()) refuse(Notation::MissingMark, number);
            refuseCharacter(text[pos], marked.hasHemisphere);
        }
        const CharactersView markText = text.substr(pos, mark->length);
        if (!anyDigit) refuse(Notation::MissingNumber, markText);
        const bool inOrder = count == 0 ? mark->unit == Unit::Degrees
                                        : mark->unit > parts[count - 1].unit;
        if (!inOrder) refuse(Notation::MarksOutOfOrder, markText);
        parts[count++] = {number, mark->unit, fraction};
        pos += mark->length;
    }
    for (std::size_t i = 0; i + 1 < count; ++i)
        if (parts[i].fraction) refuse(Notation::FractionNotLast, parts[i].number);

    for (std::size_t i = 0; i < count; ++i)
        if (parts[i].unit != Unit::Degrees && !belowSexagesimalBase(parts[i].number))
            refuse(Notation::SixtyOrMore, parts[i].number);

    // Only a text that keeps every rule is read, so that a refusal always
    // names the rule rather than the size of a number.
    double degrees = 0, minutes = 0, seconds = 0;
    for (std::size_t i = 0; i < count; ++i) {
        switch (parts[i].unit) {
        case Unit::Degrees: degrees = valueOf(parts[i].number); break;
        case Unit::Minutes: minutes = valueOf(parts[i].number); break;
        case Unit::Seconds: seconds = valueOf(parts[i].number); break;
        }
    }
    const double value = degrees + minutes / kMinutesPerDegree + seconds / kSecondsPerDegree;
    return negative ? -value : value;
}

bool hasDegreeMark(CharactersView text)
{
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const std::optional<Mark> mark = markAt(text, pos);
        if (mark && mark->unit == Unit::Degrees) return true;
    }
    return false;
}

}  // namespace

double readCoordinate(std::string_view text, EntryMode mode, Axis axis)
{
    const Characters characters = foldedWithoutBlanks(text);
    const Marked marked = takeHemisphere(characters, axis);
    double value = 0;
    if (hasDegreeMark(marked.number))
        value = fromDegreeNotation(marked);
    else if (mode == EntryMode::Minutes)
        value = fromPackedMinutes(marked);
    else
        value = fromPackedSeconds(marked);
    return marked.negative ? -value : value;
}

}  // namespace geo
