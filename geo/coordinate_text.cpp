// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/coordinate_text.h"

#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "geo/characters.h"
#include "geo/coordinate_characters.h"
#include "geo/coordinate_reading.h"
#include "geo/errors.h"
#include "geo/number_reading.h"

namespace geo {
namespace {

constexpr double kMinutesPerDegree = 60;
constexpr double kSecondsPerDegree = 3600;
// Minutes and seconds of the notations with marks or separators stay below this.
constexpr int kSexagesimalBase = 60;
constexpr double kLatitudeLimit = 90;
constexpr double kLongitudeLimit = 180;
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

enum class Form {
    Packed,   // 4250.0 or 421125, by the entry form
    Marks,    // 42°50.0′
    Colons,   // 42:50.0
    Dashes,   // 42-50.0N
};

enum class TokenKind { Number, Mark, Colon, Dash };

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

// Reads one coordinate: takes the text apart once into hemisphere, sign and
// numbers with their marks, checks the rules, and works out the degrees from
// the numbers. Every rule broken is noted; the one that breaks first in the
// text is the refusal.
class CoordinateReader {
public:
    CoordinateReader(std::u32string_view text, std::size_t begin, std::size_t end,
                     EntryMode mode, Axis axis)
        : text_(text), mode_(mode), axis_(axis)
    {
        characters_ = placedCharacters(text.substr(begin, end - begin));
        for (Placed& c : characters_) c.at += begin;
        textBegin_ = begin;
        textEnd_ = end;
    }

    CoordinateReading read();

private:
    // ---- where the rules are noted
    void refuse(Rule rule, std::size_t from, std::size_t to, Limits limits = {})
    {
        refuseAt(rule, from, to, at(from), limits);
    }
    void refuseAt(Rule rule, std::size_t from, std::size_t to, std::size_t position,
                  Limits limits = {})
    {
        if (refusal_ && refusal_->position() <= position) return;
        refusal_.emplace(rule, piece(from, to), position, axis_, limits);
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
    Glyph glyph(std::size_t index) const { return characters_[index].glyph; }

    // ---- the parts of the text
    std::optional<Found> match(const Word* words, std::size_t count, std::size_t from,
                               std::size_t to, bool atEnd) const;
    void takeLabel();
    void takeHemispheres();
    void takeSign();
    bool scanBody();
    const Word* hemisphereLetter(std::size_t index) const;
    bool readNumber(std::size_t& i);
    void readOther(std::size_t i);

    // ---- the notations
    Form formOfTokens();
    std::optional<std::vector<Part>> partsOfMarks();
    std::optional<std::vector<Part>> partsBetweenSeparators(TokenKind separator);
    void checkParts(const std::vector<Part>& parts);
    double sexagesimal(const std::vector<Part>& parts);
    double packedMinutes(bool nmea);
    double packedSeconds();

    // ---- numbers
    std::u32string digits(std::size_t from, std::size_t to) const;
    double valueOf(std::size_t from, std::size_t to) const { return valueOf(digits(from, to)); }
    static double valueOf(const std::u32string& number) { return readNumberPrefix(number); }
    double limit() const { return axis_ == Axis::Latitude ? kLatitudeLimit : kLongitudeLimit; }

    std::u32string_view text_;
    std::size_t textBegin_ = 0, textEnd_ = 0;
    EntryMode mode_;
    Axis axis_;
    std::vector<Placed> characters_;
    std::optional<CoordinateError> refusal_;

    std::size_t lo_ = 0, hi_ = 0;  // what is left to read
    std::optional<Found> hemisphere_;
    std::optional<Found> leading_, trailing_;
    bool nmea_ = false;  // a comma between a packed number and its hemisphere letter
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

// "Lat", "Longitude:", "纬度：": names the field's axis before anything else.
void CoordinateReader::takeLabel()
{
    const std::optional<Found> label = match(kLabels.data(), kLabels.size(), lo_, hi_, false);
    if (!label) return;
    if (label->word->axis != axis_) refuse(Rule::WrongAxis, label->from, label->to);
    lo_ = label->to;
    if (lo_ == hi_) return;
    // "Lat." is an abbreviation: its point is no decimal point of the number.
    const bool abbreviated = isAsciiLetter(label->word->text[0]) && label->word->text.size() <= 4;
    if (glyph(lo_) == Glyph::Colon || (abbreviated && glyph(lo_) == Glyph::Point)) ++lo_;
}

void CoordinateReader::takeHemispheres()
{
    leading_ = match(kHemispheres.data(), kHemispheres.size(), lo_, hi_, false);
    if (leading_) {
        lo_ = leading_->to;
        // "北纬：30°", as a label.
        if (lo_ < hi_ && glyph(lo_) == Glyph::Colon) ++lo_;
    }
    if (lo_ < hi_) trailing_ = match(kHemispheres.data(), kHemispheres.size(), lo_, hi_, true);
    if (trailing_) {
        hi_ = trailing_->from;
        const bool letter = isAsciiLetter(trailing_->word->text[0]);
        if (letter && hi_ > lo_ && glyph(hi_ - 1) == Glyph::Comma) {
            nmea_ = true;
            --hi_;
        }
    }
    if (leading_ && trailing_) refuse(Rule::TwoHemispheres, trailing_->from, trailing_->to);
    hemisphere_ = leading_ ? leading_ : trailing_;
    if (hemisphere_ && hemisphere_->word->axis != axis_)
        refuse(Rule::WrongAxis, hemisphere_->from, hemisphere_->to);
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

bool CoordinateReader::readNumber(std::size_t& i)
{
    const std::size_t from = i;
    bool point = false;
    bool digit = false;
    for (; i < hi_ && (glyph(i) == Glyph::Digit || glyph(i) == Glyph::Point); ++i) {
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
        if (g == Glyph::Digit || g == Glyph::Point) {
            if (!readNumber(i)) return false;
            continue;
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

// The notation the separators say; one per text.
Form CoordinateReader::formOfTokens()
{
    std::optional<TokenKind> separator;
    for (const Token& token : tokens_) {
        if (token.kind == TokenKind::Number) continue;
        if (!separator) {
            separator = token.kind;
        } else if (*separator != token.kind) {
            refuse(Rule::MixedNotation, token.from, token.to);
            return Form::Packed;
        }
    }
    if (!separator) return Form::Packed;
    switch (*separator) {
    case TokenKind::Mark: return Form::Marks;
    case TokenKind::Colon: return Form::Colons;
    default: return Form::Dashes;
    }
}

// 42°50′30″, with a last number without its mark (42°50), and the
// fraction written after its mark (38°52′.3).
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
        const bool marked = t + 1 < tokens_.size();
        if (marked) {
            const Token& mark = tokens_[t + 1];
            if (parts.empty() && mark.unit != Unit::Degrees) {
                refuse(anyDegreeMark ? Rule::MarksOutOfOrder : Rule::NoDegreeSign, mark.from,
                       mark.to);
                return std::nullopt;
            }
            if (!parts.empty() && mark.unit <= parts.back().unit) {
                refuse(Rule::MarksOutOfOrder, mark.from, mark.to);
                return std::nullopt;
            }
            parts.push_back({token.from, token.to, mark.unit, token.fraction});
            ++t;
            continue;
        }
        // The last number, without a mark of its own.
        const bool onlyFraction = glyph(token.from) == Glyph::Point;
        const Unit before = parts.back().unit;
        if (onlyFraction && before != Unit::Degrees) {
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
        } else if (before == Unit::Seconds) {
            refuse(Rule::ExtraNumber, token.from, token.to);
            return std::nullopt;
        } else {
            const Unit next = before == Unit::Degrees ? Unit::Minutes : Unit::Seconds;
            parts.push_back({token.from, token.to, next, token.fraction});
        }
    }
    return parts;
}

// 42:50:30 and 38-52-18: degrees, minutes and seconds between separators.
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

std::u32string CoordinateReader::digits(std::size_t from, std::size_t to) const
{
    std::u32string number;
    for (std::size_t i = from; i < to; ++i) number.push_back(characters_[i].folded);
    return number;
}

double CoordinateReader::sexagesimal(const std::vector<Part>& parts)
{
    double degrees = 0, minutes = 0, seconds = 0;
    for (const Part& part : parts) {
        const double value = valueOf(digits(part.from, part.to) +
                                     digits(part.fractionFrom, part.fractionTo));
        switch (part.unit) {
        case Unit::Degrees: degrees = value; break;
        case Unit::Minutes: minutes = value; break;
        case Unit::Seconds: seconds = value; break;
        }
    }
    const double value = degrees + minutes / kMinutesPerDegree + seconds / kSecondsPerDegree;
    if (!(value <= limit()))
        refuse(Rule::OutOfRange, parts.front().from, parts.back().to, {-limit(), limit()});
    return value;
}

double CoordinateReader::packedMinutes(bool nmea)
{
    const Token& number = tokens_.front();
    const double packed = valueOf(number.from, number.to);
    const PackedDegrees result = fromPackedMinutes(packed);
    if (result.overflow) {
        refuse(Rule::OutOfRange, number.from, number.to,
               nmea ? Limits{-limit(), limit()} : kMinutesFormLimits);
        return 0;
    }
    if (!nmea) return result.degrees;
    // ddmm.mmmm: the two digits in front of the point are the minutes.
    std::size_t point = number.from;
    while (point < number.to && glyph(point) == Glyph::Digit) ++point;
    const std::size_t minutes = point >= number.from + 2 ? point - 2 : number.from;
    checkParts({Part{minutes, number.to, Unit::Minutes, false}});
    if (!(result.degrees <= limit()))
        refuse(Rule::OutOfRange, number.from, number.to, {-limit(), limit()});
    return result.degrees;
}

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

CoordinateReading CoordinateReader::read()
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
    takeLabel();
    takeHemispheres();
    takeSign();
    if (lo_ == hi_) {
        throwRefusal();
        const std::u32string_view all = text_.substr(textBegin_, textEnd_ - textBegin_);
        throw CoordinateError(Rule::NoNumber, std::u32string(all), textBegin_, axis_);
    }
    if (!scanBody()) throwRefusal();

    const Form form = formOfTokens();
    if (form == Form::Dashes && !hemisphere_) {
        for (const Token& token : tokens_)
            if (token.kind == TokenKind::Dash) {
                refuse(Rule::DashNeedsHemisphere, token.from, token.to);
                break;
            }
    }
    if (nmea_ && form != Form::Packed) refuse(Rule::StrayCharacter, hi_, hi_ + 1);
    throwRefusal();

    double degrees = 0;
    if (form == Form::Packed) {
        if (nmea_ || mode_ == EntryMode::Minutes)
            degrees = packedMinutes(nmea_);
        else
            degrees = packedSeconds();
    } else {
        const std::optional<std::vector<Part>> parts =
            form == Form::Marks ? partsOfMarks()
                                : partsBetweenSeparators(form == Form::Colons ? TokenKind::Colon
                                                                              : TokenKind::Dash);
        if (parts) {
            checkParts(*parts);
            throwRefusal();
            degrees = sexagesimal(*parts);
        }
    }
    throwRefusal();
    const bool negative = minus_.has_value() || (hemisphere_ && hemisphere_->word->negative);
    return {negative ? -degrees : degrees, hemisphere_.has_value()};
}

}  // namespace

CoordinateReading readCoordinateAt(std::u32string_view text, std::size_t begin,
                                   std::size_t end, EntryMode mode, Axis axis)
{
    return CoordinateReader(text, begin, end, mode, axis).read();
}

double readCoordinate(std::string_view text, EntryMode mode, Axis axis)
{
    const std::u32string characters = decodeUtf8(text);
    return readCoordinateAt(characters, 0, characters.size(), mode, axis).degrees;
}

}  // namespace geo
