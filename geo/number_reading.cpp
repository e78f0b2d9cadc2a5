// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/number_reading.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

#include "geo/characters.h"

namespace geo {
namespace {

// Beyond these decimal exponents of 0.DIGITS every double overflows or
// underflows, so the exact exponent no longer matters.
constexpr std::int64_t kOverflowExponent = 310;
constexpr std::int64_t kUnderflowExponent = -330;
// Exponents are accumulated up to here and then held; far beyond any text a
// person could paste, far below where int64 arithmetic could wrap.
constexpr std::int64_t kExponentCap = std::int64_t{1} << 50;

bool isExponentLetter(char32_t c) { return c == U'E' || c == U'e' || c == U'D' || c == U'd'; }

std::int64_t capped(std::int64_t value)
{
    return value > kExponentCap ? kExponentCap : (value < -kExponentCap ? -kExponentCap : value);
}

// A decimal number as read: sign, significant digits and the decimal exponent
// of the point in front of them, value = sign 0.DIGITS x 10^exponent.
class DecimalNumber {
public:
    void setNegative(bool negative) { negative_ = negative; }

    void addMantissaDigit(char32_t digit, bool afterPoint)
    {
        if (digits_.empty() && digit == U'0') {
            // A leading zero after the point moves the point one place right.
            if (afterPoint) exponent_ = capped(exponent_ - 1);
            return;
        }
        digits_.push_back(static_cast<char>(digit));
        if (!afterPoint) exponent_ = capped(exponent_ + 1);
    }

    void addExponentDigit(char32_t digit)
    {
        explicitExponent_ = capped(explicitExponent_ * 10 + (digit - U'0'));
    }
    void setExponentNegative(bool negative) { exponentNegative_ = negative; }

    double value() const
    {
        const std::int64_t exponent =
            capped(exponent_ + (exponentNegative_ ? -explicitExponent_ : explicitExponent_));
        double magnitude = 0;
        if (digits_.empty() || exponent < kUnderflowExponent) {
            magnitude = 0;
        } else if (exponent > kOverflowExponent) {
            magnitude = std::numeric_limits<double>::infinity();
        } else {
            std::string text = "0." + digits_ + "e" + std::to_string(exponent);
            const auto [end, error] =
                std::from_chars(text.data(), text.data() + text.size(), magnitude);
            if (error == std::errc::result_out_of_range)
                magnitude = exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        }
        return negative_ ? -magnitude : magnitude;
    }

private:
    bool negative_ = false;
    std::string digits_;
    std::int64_t exponent_ = 0;
    std::int64_t explicitExponent_ = 0;
    bool exponentNegative_ = false;
};

// Walks folded characters of a text; `skipBlanks` makes blanks invisible.
class Cursor {
public:
    Cursor(std::u32string_view text, bool skipBlanks) : text_(text), skipBlanks_(skipBlanks) {}

    char32_t peek()
    {
        if (skipBlanks_)
            while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
        return pos_ < text_.size() ? fold(text_[pos_]) : U'\0';
    }
    void advance() { ++pos_; }
    void skipBlanks()
    {
        while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
    }
    bool atEnd() const { return pos_ == text_.size(); }
    std::size_t position() const { return pos_; }
    void rewind(std::size_t pos) { pos_ = pos; }

private:
    std::u32string_view text_;
    std::size_t pos_ = 0;
    bool skipBlanks_;
};

// Reads sign, mantissa and exponent from the cursor. Returns false when the
// mantissa has no digit. An exponent letter is consumed only together with at
// least one exponent digit.
bool readNumber(Cursor& in, DecimalNumber& number)
{
    if (isSign(in.peek())) {
        number.setNegative(in.peek() == U'-');
        in.advance();
    }
    bool anyDigit = false;
    bool afterPoint = false;
    for (char32_t c = in.peek();; c = in.peek()) {
        if (isDigit(c)) {
            number.addMantissaDigit(c, afterPoint);
            anyDigit = true;
        } else if (c == U'.' && !afterPoint) {
            afterPoint = true;
        } else {
            break;
        }
        in.advance();
    }
    if (!anyDigit) return false;

    const std::size_t beforeExponent = in.position();
    if (!isExponentLetter(in.peek())) return true;
    in.advance();
    if (isSign(in.peek())) {
        number.setExponentNegative(in.peek() == U'-');
        in.advance();
    }
    bool anyExponentDigit = false;
    for (char32_t c = in.peek(); isDigit(c); c = in.peek()) {
        number.addExponentDigit(c);
        anyExponentDigit = true;
        in.advance();
    }
    if (!anyExponentDigit) {
        number.setExponentNegative(false);
        in.rewind(beforeExponent);
    }
    return true;
}

}  // namespace

double readNumberPrefix(std::u32string_view text)
{
    Cursor in(text, /*skipBlanks=*/true);
    DecimalNumber number;
    return readNumber(in, number) ? number.value() : 0.0;
}

double readNumberStrict(std::u32string_view text, Reading reading)
{
    Cursor in(text, /*skipBlanks=*/false);
    in.skipBlanks();
    DecimalNumber number;
    const bool isNumber = readNumber(in, number);
    in.skipBlanks();
    if (!isNumber || !in.atEnd()) throw TypeMismatchError(reading, std::u32string(text));
    const double value = number.value();
    if (value == std::numeric_limits<double>::infinity() ||
        value == -std::numeric_limits<double>::infinity())
        throw OverflowError(reading, std::u32string(text));
    return value;
}

double readNumberPrefix(std::string_view text) { return readNumberPrefix(decodeUtf8(text)); }

double readNumberStrict(std::string_view text)
{
    return readNumberStrict(decodeUtf8(text), Reading::WholeText);
}

}  // namespace geo
