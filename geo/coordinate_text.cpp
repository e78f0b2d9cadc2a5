// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/coordinate_text.h"

#include <array>
#include <cmath>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "geo/characters.h"
#include "geo/coordinate_characters.h"
#include "geo/coordinate_reading.h"
#include "geo/errors.h"
#include "geo/number_reading.h"
#include "geo/plain_number.h"
#include "geo/sexagesimal_value.h"
#include "geo/units.h"

namespace geo {
namespace {

// Minutes and seconds of the notations with marks or separators stay below this.
constexpr int kSexagesimalBase = 60;
// The degrees the packed forms can hold (see coordinate_entry.h).
constexpr Limits kMinutesFormLimits{-327, 327};
constexpr Limits kSecondsFormLimits{-32768, 32767};
constexpr std::size_t kSecondsDigits = 2;
constexpr std::size_t kMinutesAndSecondsDigits = 4;

struct Word {
    std::u32string_view text;  // folded, lower case for ASCII
    Axis axis;
    bool negative = false;  // south or west
};

// Two-character words first, so that 北纬 is not taken for 北 and a stray 纬.
constexpr std::array<Word, 12> kHemispheres{{
    {U"北纬", Axis::Latitude},  {U"南纬", Axis::Latitude, true},
    {U"东经", Axis::Longitude}, {U"西经", Axis::Longitude, true},
    {U"n", Axis::Latitude},     {U"s", Axis::Latitude, true},
    {U"北", Axis::Latitude},    {U"南", Axis::Latitude, true},
    {U"e", Axis::Longitude},    {U"w", Axis::Longitude, true},
    {U"东", Axis::Longitude},   {U"西", Axis::Longitude, true},
}};

// Longer words first: "Latitude" is not "Lat" and a stray "itude".
constexpr std::array<Word, 7> kLabels{{
    {U"latitude", Axis::Latitude}, {U"longitude", Axis::Longitude},
    {U"long", Axis::Longitude},    {U"lat", Axis::Latitude},
    {U"lon", Axis::Longitude},     {U"纬度", Axis::Latitude},
    {U"经度", Axis::Longitude},
}};

char32_t lowerCase(char32_t c) { return c >= U'A' && c <= U'Z' ? c + (U'a' - U'A') : c; }

bool isAsciiLetter(char32_t c) { return c >= U'a' && c <= U'z'; }

enum class Unit { Degrees, Minutes, Seconds };

enum class Notation {
    Plain,    // 4250.0, 421125 or 25.3, by the number form and the rule for plain numbers
    Marks,    // 42°50.0′
    Colons,   // 42:50.0
    Dashes,   // 42-50.0N
    Blanks,   // 42 50.0N
};

// Blank: blanks between two numbers where they separate parts.
enum class TokenKind { Number, Mark, Colon, Dash, Blank };

struct Token {
    TokenKind kind;
    std::size_t from, to;  // indices into the placed characters
    Unit unit = Unit::Degrees;  // of a mark
    bool fraction = false;      // of a number
};

// One number of the notations with marks or separators and what it counts.
struct Part {
    std::size_t from, to;
    Unit unit;
    bool fraction;
    std::size_t fractionFrom = 0, fractionTo = 0;  // a fraction written after its mark
};

struct Found {
    const Word* word;
    std::size_t from, to;
};

// Reads one coordinate: takes the text apart once into label, hemisphere,
// sign and numbers with their marks, checks the rules, and works out the
// degrees from the numbers. Every rule broken is noted; the one that breaks
// first in the text is the refusal.
class CoordinateReader {
public:
    CoordinateReader(std::u32string_view text, std::span<const Placed> characters,
                     std::size_t begin, std::size_t end, const ReadingRules& rules, Axis axis)
        : text_(text), textBegin_(begin), textEnd_(end), rules_(rules), axis_(axis),
          characters_(characters)
    {
    }

    CoordinateReading read();
    StatedSide statedSide();

private:
    // ---- where the rules are noted
    void note(CoordinateError refusal)
    {
        if (refusal_ && refusal_->position() <= refusal.position()) return;
        refusal_.emplace(std::move(refusal));
    }
    void refuse(Rule rule, std::size_t from, std::size_t to, Limits limits = {})
    {
        refuseAt(rule, from, to, at(from), limits);
    }
    void refuseAt(Rule rule, std::size_t from, std::size_t to, std::size_t position,
                  Limits limits = {})
    {
        note(CoordinateError(rule, piece(from, to), position, axis_, limits, rules_.surface));
    }
    void throwRefusal() const
    {
        if (refusal_) throw *refusal_;
    }
    std::size_t at(std::size_t index) const
    {
        return index < characters_.size() ? characters_[index].at : textEnd_;
    }
    std::u32string piece(std::size_t from, std::size_t to) const
    {
        if (from >= to) return {};
        const std::size_t first = characters_[from].at;
        const std::size_t last = characters_[to - 1].at;
        return std::u32string(text_.substr(first, last + 1 - first));
    }
    std::u32string wholeText() const
    {
        return std::u32string(text_.substr(textBegin_, textEnd_ - textBegin_));
    }
    Glyph glyph(std::size_t index) const { return characters_[index].glyph; }
    bool isLetter(std::size_t index) const
    {
        return isAsciiLetter(lowerCase(characters_[index].folded));
    }
    // The point of a number: ".", or the middle dot where it stands for one.
    bool isPoint(std::size_t index) const
    {
        return glyph(index) == Glyph::Point || glyph(index) == Glyph::MiddleDot;
    }

    // ---- the parts of the text
    void start();
    std::optional<Found> match(const Word* words, std::size_t count, std::size_t from,
                               std::size_t to, bool atEnd) const;
    void takeLabel();
    void takeHemispheres();
    void checkSecondsOrSouth();
    void takeSign();
    bool scanBody();
    const Word* hemisphereLetter(std::size_t index) const;
    bool readNumber(std::size_t& i);
    bool admiraltyPoint(std::size_t i) const;
    std::size_t wordEnd(std::size_t i) const;
    void readOther(std::size_t i);

    // ---- the notations
    Notation notationOfTokens();
    std::optional<std::vector<Part>> partsOfMarks();
    std::optional<std::vector<Part>> partsBetweenSeparators(TokenKind separator);
    void checkParts(const std::vector<Part>& parts);
    double sexagesimal(const std::vector<Part>& parts);
    double packedMinutes();
    double packedSeconds();
    double plainNumber();

    // ---- numbers
    std::u32string digits(std::size_t from, std::size_t to) const;
    double valueOf(std::size_t from, std::size_t to) const { return valueOf(digits(from, to)); }
    static double valueOf(const std::u32string& number) { return readNumberPrefix(number); }
    bool loneAngle() const { return rules_.angleLimit > 0; }
    double limit() const
    {
        if (loneAngle()) return rules_.angleLimit;
        return axis_ == Axis::Latitude ? kMaxLatitude : kMaxLongitude;
    }
    Limits axisLimits() const { return {-limit(), limit()}; }

    std::u32string_view text_;
    std::size_t textBegin_ = 0, textEnd_ = 0;
    ReadingRules rules_;
    Axis axis_;
    std::span<const Placed> characters_;
    std::optional<CoordinateError> refusal_;

    std::size_t lo_ = 0, hi_ = 0;  // what is left to read
    std::optional<Found> label_;
    std::optional<Found> hemisphere_;
    std::optional<Found> leading_, trailing_;
    bool nmea_ = false;  // a comma between a packed number and its hemisphere letter
    // Blanks between numbers separate parts, and every plain number follows
    // the rule: on a route surface, or with a hemisphere or a label.
    bool ruled_ = false;
    std::optional<std::size_t> minus_;
    std::vector<Token> tokens_;
};

std::optional<Found> CoordinateReader::match(const Word* words, std::size_t count,
                                             std::size_t from, std::size_t to,
                                             bool atEnd) const
{
    for (std::size_t w = 0; w < count; ++w) {
        const Word& word = words[w];
        const std::size_t length = word.text.size();
        if (to - from < length) continue;
        const std::size_t start = atEnd ? to - length : from;
        bool same = true;
        for (std::size_t k = 0; k < length && same; ++k)
            same = lowerCase(characters_[start + k].folded) == word.text[k];
        if (same) return Found{&word, start, start + length};
    }
    return std::nullopt;
}

void CoordinateReader::start()
{
    lo_ = 0;
    hi_ = characters_.size();
    // One full stop, comma or semicolon copied along from a sentence or a list.
    if (hi_ > lo_) {
        const Glyph last = glyph(hi_ - 1);
        if (last == Glyph::Comma || last == Glyph::Semicolon || last == Glyph::Point ||
            last == Glyph::FullStop)
            --hi_;
    }
}

// "Lat", "Longitude:", "纬度：": names the field's axis before anything else.
void CoordinateReader::takeLabel()
{
    label_ = match(kLabels.data(), kLabels.size(), lo_, hi_, false);
    if (!label_) return;
    if (label_->word->axis != axis_) refuse(Rule::WrongAxis, label_->from, label_->to);
    lo_ = label_->to;
    if (lo_ == hi_) return;
    // "Lat." is an abbreviation: its point is no decimal point of the number.
    const bool abbreviated = isAsciiLetter(label_->word->text[0]) && label_->word->text.size() <= 4;
    if (glyph(lo_) == Glyph::Colon || (abbreviated && glyph(lo_) == Glyph::Point)) ++lo_;
}

void CoordinateReader::takeHemispheres()
{
    leading_ = match(kHemispheres.data(), kHemispheres.size(), lo_, hi_, false);
    // A letter that begins a word ("North", "deg") is no hemisphere.
    if (leading_ && isAsciiLetter(leading_->word->text[0]) && leading_->to < hi_ &&
        isLetter(leading_->to) && !characters_[leading_->to].spaced)
        leading_.reset();
    if (leading_) {
        lo_ = leading_->to;
        // "北纬：30°", as a label.
        if (lo_ < hi_ && glyph(lo_) == Glyph::Colon) ++lo_;
    }
    if (lo_ < hi_) trailing_ = match(kHemispheres.data(), kHemispheres.size(), lo_, hi_, true);
    // Nor one that ends a word ("min"), but after the degree letter: "116dE".
    if (trailing_ && isAsciiLetter(trailing_->word->text[0]) && trailing_->from > lo_ &&
        isLetter(trailing_->from - 1) && glyph(trailing_->from - 1) != Glyph::DegreeMark &&
        !characters_[trailing_->from].spaced)
        trailing_.reset();
    if (trailing_) {
        hi_ = trailing_->from;
        const bool letter = isAsciiLetter(trailing_->word->text[0]);
        if (letter && hi_ > lo_ && glyph(hi_ - 1) == Glyph::Comma) {
            nmea_ = true;
            --hi_;
        }
        checkSecondsOrSouth();
    }
    if (leading_ && trailing_) refuse(Rule::TwoHemispheres, trailing_->from, trailing_->to);
    hemisphere_ = leading_ ? leading_ : trailing_;
    if (hemisphere_ && hemisphere_->word->axis != axis_)
        refuse(Rule::WrongAxis, hemisphere_->from, hemisphere_->to);
}

// "42°50′30s": in English the s of "30s" is as likely seconds as south. After
// a seconds mark ("42°50′30″s") it can only be south.
void CoordinateReader::checkSecondsOrSouth()
{
    if (characters_[trailing_->from].folded != U's' || nmea_) return;
    std::size_t first = hi_;
    while (first > lo_ && (glyph(first - 1) == Glyph::Digit || glyph(first - 1) == Glyph::Point))
        --first;
    if (first == hi_ || first == lo_ || glyph(first) != Glyph::Digit) return;
    const Glyph mark = glyph(first - 1);
    const bool afterMinuteMark =
        mark == Glyph::ChineseMinute ||
        (mark == Glyph::MinuteMark && !(first - 1 > lo_ && glyph(first - 2) == Glyph::MinuteMark));
    if (afterMinuteMark) refuse(Rule::SecondsOrSouth, trailing_->from, trailing_->to);
}

void CoordinateReader::takeSign()
{
    if (lo_ == hi_) return;
    if (glyph(lo_) != Glyph::Plus && glyph(lo_) != Glyph::Minus) return;
    if (glyph(lo_) == Glyph::Minus) {
        minus_ = lo_;
        if (hemisphere_)
            refuseAt(Rule::HemisphereAndMinus, hemisphere_->from, hemisphere_->to, at(lo_));
    }
    ++lo_;
}

const Word* CoordinateReader::hemisphereLetter(std::size_t index) const
{
    const char32_t c = lowerCase(characters_[index].folded);
    for (const Word& word : kHemispheres)
        if (word.text.size() == 1 && word.text[0] == c) return &word;
    return nullptr;
}

// "30°10′·2N": the Admiralty's middle dot, a decimal point after a minute or
// second mark (after a degree mark it is refused as a detached fraction).
bool CoordinateReader::admiraltyPoint(std::size_t i) const
{
    return glyph(i) == Glyph::MiddleDot && !tokens_.empty() &&
           tokens_.back().kind == TokenKind::Mark && tokens_.back().to == i && i + 1 < hi_ &&
           glyph(i + 1) == Glyph::Digit;
}

bool CoordinateReader::readNumber(std::size_t& i)
{
    const std::size_t from = i;
    bool point = false;
    bool digit = false;
    for (; i < hi_ && (glyph(i) == Glyph::Digit || glyph(i) == Glyph::Point ||
                       (i == from && glyph(i) == Glyph::MiddleDot));
         ++i) {
        if (i > from && ruled_ && characters_[i].spaced) break;  // "30 5.3N": two numbers
        if (glyph(i) == Glyph::Digit) {
            digit = true;
        } else if (point) {
            refuse(Rule::TwoPoints, i, i + 1);
            return false;
        } else {
            point = true;
        }
    }
    if (!digit) {
        refuse(Rule::MissingNumber, from, i);
        return false;
    }
    tokens_.push_back({TokenKind::Number, from, i, Unit::Degrees, point});
    return true;
}

// Where the run of letters that starts at i ends: "deg", "min", "North" are
// words; a single letter is a hemisphere or a degree letter, or stray.
std::size_t CoordinateReader::wordEnd(std::size_t i) const
{
    std::size_t end = i;
    while (end < hi_ && isLetter(end) && (end == i || !characters_[end].spaced)) ++end;
    return end;
}

// The rule a character breaks where no notation takes it.
void CoordinateReader::readOther(std::size_t i)
{
    switch (glyph(i)) {
    case Glyph::Comma: {
        const bool betweenDigits =
            i > lo_ && i + 1 < hi_ && glyph(i - 1) == Glyph::Digit && glyph(i + 1) == Glyph::Digit;
        refuse(betweenDigits ? Rule::DecimalComma : Rule::StrayCharacter, i, i + 1);
        return;
    }
    case Glyph::Plus:
    case Glyph::Minus:
        refuse(Rule::MisplacedSign, i, i + 1);
        return;
    case Glyph::Letter:
        if (const Word* word = hemisphereLetter(i)) {
            // In a latitude an E is no east at all, wherever it stands.
            const Rule rule = word->axis != axis_ ? Rule::WrongAxis
                              : hemisphere_       ? Rule::TwoHemispheres
                                                  : Rule::MisplacedHemisphere;
            refuse(rule, i, i + 1);
            return;
        }
        break;
    default:
        break;
    }
    refuse(Rule::StrayCharacter, i, i + 1);
}

// Splits what is left into numbers, marks and separators. False when a
// character fits none of them.
bool CoordinateReader::scanBody()
{
    std::size_t i = lo_;
    while (i < hi_) {
        const Glyph g = glyph(i);
        if (g == Glyph::Digit || g == Glyph::Point || admiraltyPoint(i)) {
            if (ruled_ && !tokens_.empty() && tokens_.back().kind == TokenKind::Number &&
                characters_[i].spaced)
                tokens_.push_back({TokenKind::Blank, i, i});
            if (!readNumber(i)) return false;
            continue;
        }
        if (isLetter(i)) {
            const std::size_t end = wordEnd(i);
            if (end - i > 1) {
                refuse(Rule::UnknownWord, i, end);
                return false;
            }
        }
        Token token{TokenKind::Mark, i, i + 1};
        switch (g) {
        case Glyph::DegreeMark:
            token.unit = Unit::Degrees;
            break;
        case Glyph::MinuteMark:
            // Two minute marks in a row are a second mark: 30'' is 30″.
            if (i + 1 < hi_ && glyph(i + 1) == Glyph::MinuteMark) {
                token.unit = Unit::Seconds;
                token.to = i + 2;
            } else {
                token.unit = Unit::Minutes;
            }
            break;
        case Glyph::ChineseMinute:
            token.unit = Unit::Minutes;
            break;
        case Glyph::SecondMark:
            token.unit = Unit::Seconds;
            break;
        case Glyph::Colon:
            token.kind = TokenKind::Colon;
            break;
        case Glyph::Minus: {
            // Between two numbers a minus is a dash: 38-52.3N.
            const bool dash = !tokens_.empty() && tokens_.back().kind == TokenKind::Number &&
                              tokens_.back().to == i && i + 1 < hi_ &&
                              (glyph(i + 1) == Glyph::Digit || glyph(i + 1) == Glyph::Point);
            if (!dash) {
                readOther(i);
                return false;
            }
            token.kind = TokenKind::Dash;
            break;
        }
        default:
            readOther(i);
            return false;
        }
        tokens_.push_back(token);
        i = token.to;
    }
    return true;
}

// The notation the separators say; one per text, but blanks go with marks:
// "30 10.2′N".
Notation CoordinateReader::notationOfTokens()
{
    std::optional<TokenKind> separator;  // a mark, colon or dash
    bool blanks = false;
    for (const Token& token : tokens_) {
        if (token.kind == TokenKind::Number) continue;
        const bool mixed = token.kind == TokenKind::Blank
                               ? separator && *separator != TokenKind::Mark
                               : (separator && *separator != token.kind) ||
                                     (blanks && token.kind != TokenKind::Mark);
        if (mixed) {
            if (token.kind == TokenKind::Blank) {
                // Name the blanks themselves.
                const std::size_t first = characters_[token.from - 1].at + 1;
                note(CoordinateError(Rule::MixedNotation,
                                     std::u32string(text_.substr(first, at(token.from) - first)),
                                     first, axis_, {}, rules_.surface));
            } else {
                refuse(Rule::MixedNotation, token.from, token.to);
            }
            return Notation::Plain;
        }
        if (token.kind == TokenKind::Blank)
            blanks = true;
        else
            separator = token.kind;
    }
    if (!separator) return blanks ? Notation::Blanks : Notation::Plain;
    switch (*separator) {
    case TokenKind::Mark: return Notation::Marks;
    case TokenKind::Colon: return Notation::Colons;
    default: return Notation::Dashes;
    }
}

// 42°50′30″, with numbers without their mark (42°50, 30 10.2′), and the
// fraction written after its mark (38°52′.3, 30°10′·2).
std::optional<std::vector<Part>> CoordinateReader::partsOfMarks()
{
    std::vector<Part> parts;
    bool anyDegreeMark = false;
    for (const Token& token : tokens_)
        anyDegreeMark = anyDegreeMark || (token.kind == TokenKind::Mark && token.unit == Unit::Degrees);

    for (std::size_t t = 0; t < tokens_.size(); ++t) {
        const Token& token = tokens_[t];
        if (token.kind == TokenKind::Mark) {
            // A mark right after a mark, or first: no number of its own.
            refuse(Rule::MissingNumber, token.from, token.to);
            return std::nullopt;
        }
        const Token* next = t + 1 < tokens_.size() ? &tokens_[t + 1] : nullptr;
        if (next && next->kind == TokenKind::Mark) {
            const Token& mark = *next;
            if (parts.empty() && mark.unit != Unit::Degrees) {
                refuse(anyDegreeMark ? Rule::MarksOutOfOrder : Rule::NoDegreeSign, mark.from,
                       mark.to);
                return std::nullopt;
            }
            if (!parts.empty() && mark.unit <= parts.back().unit) {
                refuse(Rule::MarksOutOfOrder, mark.from, mark.to);
                return std::nullopt;
            }
            if (!parts.empty() && mark.unit == Unit::Seconds && parts.back().unit == Unit::Degrees) {
                // "30°10″": ten seconds with the minutes left out, or ten
                // minutes with the wrong mark?
                refuse(Rule::MissingMinutes, mark.from, mark.to);
                return std::nullopt;
            }
            parts.push_back({token.from, token.to, mark.unit, token.fraction});
            ++t;
            continue;
        }
        // A number without a mark of its own: before blanks, or the last.
        const bool afterBlanks = t > 0 && tokens_[t - 1].kind == TokenKind::Blank;
        const bool onlyFraction = isPoint(token.from);
        if (parts.empty()) {
            if (onlyFraction) {
                refuse(Rule::DetachedFraction, token.from, token.to);
                return std::nullopt;
            }
            parts.push_back({token.from, token.to, Unit::Degrees, token.fraction});
        } else if (onlyFraction && !afterBlanks && parts.back().unit != Unit::Degrees) {
            Part& last = parts.back();
            if (last.fraction) {
                refuse(Rule::TwoPoints, token.from, token.from + 1);
                return std::nullopt;
            }
            last.fraction = true;
            last.fractionFrom = token.from;
            last.fractionTo = token.to;
        } else if (onlyFraction) {
            refuse(Rule::DetachedFraction, token.from, token.to);
            return std::nullopt;
        } else if (parts.back().unit == Unit::Seconds) {
            refuse(Rule::ExtraNumber, token.from, token.to);
            return std::nullopt;
        } else {
            const Unit unit = parts.back().unit == Unit::Degrees ? Unit::Minutes : Unit::Seconds;
            parts.push_back({token.from, token.to, unit, token.fraction});
        }
        if (next) ++t;  // the blanks after it
    }
    return parts;
}

// 42:50:30, 38-52-18 and 30 10 12: degrees, minutes and seconds between
// separators.
std::optional<std::vector<Part>> CoordinateReader::partsBetweenSeparators(TokenKind separator)
{
    constexpr std::array<Unit, 3> units{Unit::Degrees, Unit::Minutes, Unit::Seconds};
    std::vector<Part> parts;
    bool expectNumber = true;
    for (const Token& token : tokens_) {
        if (expectNumber != (token.kind == TokenKind::Number)) {
            refuse(Rule::MissingNumber, token.from, token.to);
            return std::nullopt;
        }
        expectNumber = !expectNumber;
        if (token.kind == separator) continue;
        if (parts.size() == units.size()) {
            refuse(Rule::ExtraNumber, token.from, token.to);
            return std::nullopt;
        }
        // "30 .5N": is the fraction the degrees' or the minutes'?
        if (separator == TokenKind::Blank && isPoint(token.from)) {
            refuse(Rule::DetachedFraction, token.from, token.to);
            return std::nullopt;
        }
        parts.push_back({token.from, token.to, units[parts.size()], token.fraction});
    }
    if (expectNumber) {
        const Token& last = tokens_.back();
        refuse(Rule::MissingNumber, last.from, last.to);
        return std::nullopt;
    }
    return parts;
}

// Only the last part has a fraction; minutes and seconds stay below 60.
void CoordinateReader::checkParts(const std::vector<Part>& parts)
{
    for (std::size_t p = 0; p + 1 < parts.size(); ++p)
        if (parts[p].fraction) refuse(Rule::FractionNotLast, parts[p].from, parts[p].to);
    for (const Part& part : parts) {
        if (part.unit == Unit::Degrees) continue;
        int whole = 0;
        for (std::size_t i = part.from; i < part.to && glyph(i) == Glyph::Digit; ++i) {
            whole = whole * 10 + static_cast<int>(characters_[i].folded - U'0');
            if (whole >= kSexagesimalBase) {
                refuse(Rule::SixtyOrMore, part.from, part.to);
                break;
            }
        }
    }
}

// The number as ASCII digits and point, as the number readers take it.
std::u32string CoordinateReader::digits(std::size_t from, std::size_t to) const
{
    std::u32string number;
    for (std::size_t i = from; i < to; ++i)
        number.push_back(isPoint(i) ? U'.' : characters_[i].folded);
    return number;
}

double CoordinateReader::sexagesimal(const std::vector<Part>& parts)
{
    std::u32string degrees, minutes, seconds;
    for (const Part& part : parts) {
        std::u32string number =
            digits(part.from, part.to) + digits(part.fractionFrom, part.fractionTo);
        switch (part.unit) {
        case Unit::Degrees: degrees = std::move(number); break;
        case Unit::Minutes: minutes = std::move(number); break;
        case Unit::Seconds: seconds = std::move(number); break;
        }
    }
    // Rounded once: "122°04′15″" is the very double of "12204.25E".
    const double value = sexagesimalDegrees(degrees, minutes, seconds);
    if (!(value <= limit())) refuse(Rule::OutOfRange, parts.front().from, parts.back().to, axisLimits());
    return value;
}

// The classic window's bare number in the minutes form, as toDecimalDegrees.
double CoordinateReader::packedMinutes()
{
    const Token& number = tokens_.front();
    const PackedDegrees result = fromPackedMinutes(valueOf(number.from, number.to));
    if (result.overflow) refuse(Rule::OutOfRange, number.from, number.to, kMinutesFormLimits);
    return result.degrees;
}

// The classic window's bare number in the seconds form, as toDecimalDegrees.
double CoordinateReader::packedSeconds()
{
    const Token& number = tokens_.front();
    if (number.fraction) {
        std::size_t point = number.from;
        while (glyph(point) != Glyph::Point) ++point;
        refuse(Rule::FractionInSeconds, point, point + 1);
        return 0;
    }
    const std::u32string all = digits(number.from, number.to);
    const std::size_t length = all.size();
    // Texts shorter than four digits are cut from their start, so the minutes
    // and seconds pieces may share digits ("425": 42 and 25).
    const std::u32string seconds =
        length >= kSecondsDigits ? all.substr(length - kSecondsDigits) : all;
    const std::u32string minutes = length >= kMinutesAndSecondsDigits
                                       ? all.substr(length - kMinutesAndSecondsDigits, kSecondsDigits)
                                       : all.substr(0, kSecondsDigits);
    const PackedDegrees result =
        fromPackedSeconds(valueOf(all), valueOf(minutes), valueOf(seconds));
    if (result.overflow) refuse(Rule::OutOfRange, number.from, number.to, kSecondsFormLimits);
    return result.degrees;
}

// A plain number where the rule for plain numbers applies. NMEA's number is
// degrees and minutes in every form.
double CoordinateReader::plainNumber()
{
    const Token& number = tokens_.front();
    const std::u32string written = digits(number.from, number.to);
    const NumberForm form = nmea_ ? NumberForm::Minutes : rules_.form;
    if (loneAngle()) {
        // Decimal degrees within the angle's own limit.
        const double value = valueOf(written);
        if (!(value <= limit())) refuse(Rule::OutOfRange, number.from, number.to, {-limit(), limit()});
        return value;
    }
    const PlainVerdict verdict = plainNumberVerdict(written, form, axis_);
    switch (verdict.kind) {
    case PlainVerdict::Kind::Read:
        break;
    case PlainVerdict::Kind::Refused:
        refuse(verdict.rule, number.from + verdict.from, number.from + verdict.to, verdict.limits);
        break;
    case PlainVerdict::Kind::Ambiguous: {
        std::u32string before = minus_ ? U"-" : U"";
        std::u32string after;
        if (leading_) before = piece(leading_->from, leading_->to) + before;
        if (trailing_) after = piece(trailing_->from, trailing_->to);
        const bool negative = minus_.has_value() || (hemisphere_ && hemisphere_->word->negative);
        note(CoordinateError(piece(number.from, number.to), at(number.from), axis_,
                             twoReadings(written, form, axis_, before, after, negative),
                             rules_.surface, verdict.rule));
        break;
    }
    }
    return verdict.degrees;
}

CoordinateReading CoordinateReader::read()
{
    start();
    if (!loneAngle()) {
        takeLabel();
        takeHemispheres();
    }
    if (rules_.positionPart && !hemisphere_ && !label_)
        throw CoordinateError(Rule::MissingHemisphere, wholeText(), textBegin_, axis_, {},
                              rules_.surface);
    takeSign();
    if (lo_ == hi_) {
        throwRefusal();
        throw CoordinateError(Rule::NoNumber, wholeText(), textBegin_, axis_, {}, rules_.surface);
    }
    ruled_ = rules_.surface == Surface::Route || hemisphere_ || label_ || nmea_;
    if (!scanBody()) throwRefusal();

    const Notation notation = notationOfTokens();
    if (notation == Notation::Dashes && !hemisphere_) {
        for (const Token& token : tokens_)
            if (token.kind == TokenKind::Dash) {
                refuse(Rule::DashNeedsHemisphere, token.from, token.to);
                break;
            }
    }
    if (nmea_ && notation != Notation::Plain) refuse(Rule::StrayCharacter, hi_, hi_ + 1);
    throwRefusal();

    double degrees = 0;
    if (notation == Notation::Plain) {
        if (ruled_)
            degrees = plainNumber();
        else if (rules_.form == NumberForm::Seconds)
            degrees = packedSeconds();
        else
            degrees = packedMinutes();
    } else {
        const std::optional<std::vector<Part>> parts =
            notation == Notation::Marks    ? partsOfMarks()
            : notation == Notation::Colons ? partsBetweenSeparators(TokenKind::Colon)
            : notation == Notation::Dashes ? partsBetweenSeparators(TokenKind::Dash)
                                           : partsBetweenSeparators(TokenKind::Blank);
        if (parts) {
            checkParts(*parts);
            throwRefusal();
            degrees = sexagesimal(*parts);
        }
    }
    throwRefusal();
    const bool negative = minus_.has_value() || (hemisphere_ && hemisphere_->word->negative);
    return {negative ? -degrees : degrees};
}

// Only what stands before and after the numbers: the label, the hemispheres
// and the sign, whatever rules they break.
StatedSide CoordinateReader::statedSide()
{
    start();
    takeLabel();
    takeHemispheres();
    if (hemisphere_) {
        if (hemisphere_->word->axis != axis_) return StatedSide::OtherAxis;
        return hemisphere_->word->negative ? StatedSide::Negative : StatedSide::Positive;
    }
    if (lo_ == hi_) return StatedSide::Unstated;
    if (glyph(lo_) == Glyph::Minus) return StatedSide::Negative;
    return glyph(lo_) == Glyph::Plus ? StatedSide::Positive : StatedSide::Unstated;
}

// The whole text as one coordinate; a text that is a whole position is
// refused as one, whatever rule its second part broke.
double readWholeText(std::string_view utf8, const ReadingRules& rules, Axis axis)
{
    const std::u32string text = decodeUtf8(utf8);
    const std::vector<Placed> characters = placedCharacters(text);
    try {
        return readPlacedCoordinate(text, characters, 0, text.size(), rules, axis).degrees;
    } catch (const CoordinateError&) {
        if (!isWholePosition(text, characters)) throw;
        const std::size_t first = characters.front().at;
        const std::size_t last = characters.back().at;
        throw CoordinateError(Rule::WholePosition, text.substr(first, last + 1 - first), first,
                              axis, {}, rules.surface);
    }
}

}  // namespace

CoordinateReading readPlacedCoordinate(std::u32string_view text,
                                       std::span<const Placed> characters, std::size_t begin,
                                       std::size_t end, const ReadingRules& rules, Axis axis)
{
    return CoordinateReader(text, characters, begin, end, rules, axis).read();
}

double readCoordinate(std::string_view text, EntryMode mode, Axis axis)
{
    return readWholeText(text, {numberForm(mode), Surface::ClassicWindow}, axis);
}

double readRouteCoordinate(std::string_view text, NumberForm form, Axis axis)
{
    return readWholeText(text, {form, Surface::Route}, axis);
}

double readAngle(std::string_view text, double limit)
{
    ReadingRules rules{NumberForm::Degrees, Surface::Route};
    rules.angleLimit = limit;
    return readWholeText(text, rules, Axis::Longitude);
}

StatedSide statedSide(std::string_view utf8, Axis axis)
{
    const std::u32string text = decodeUtf8(utf8);
    const std::vector<Placed> characters = placedCharacters(text);
    return CoordinateReader(text, characters, 0, text.size(), {NumberForm::Minutes, Surface::Route}, axis)
        .statedSide();
}

}  // namespace geo
