// SPDX-License-Identifier: GPL-3.0-or-later
// What the fuzz targets share: stopping loudly when the library breaks one of
// its promises, turning bytes into doubles, and an independent reading of
// coordinate text to compare the library's readers with.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace fuzz {

// Prints which promise broke and for what, then aborts: libFuzzer keeps the
// input as a crash, and the corpus replay of the ordinary build fails.
[[noreturn]] inline void broken(const char* promise, const std::string& detail)
{
    std::fprintf(stderr, "broken promise: %s\n    %s\n", promise, detail.c_str());
    std::fflush(stderr);
    std::abort();
}

// The detail is only worked out when the promise is broken.
#define FUZZ_REQUIRE(kept, promise, detail)                     \
    do {                                                        \
        if (!(kept)) ::fuzz::broken((promise), (detail));       \
    } while (0)

// The text as a C string literal, bytes outside printable ASCII escaped.
inline std::string quoted(std::string_view text)
{
    constexpr std::size_t kShown = 300;
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size() && i < kShown; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '"' || byte == '\\') {
            out += '\\';
            out += static_cast<char>(byte);
        } else if (byte >= 0x20 && byte < 0x7F) {
            out += static_cast<char>(byte);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        }
    }
    out += text.size() > kShown ? "\"... (" + std::to_string(text.size()) + " bytes)" : "\"";
    return out;
}

// Decoded characters as UTF-8, for details.
inline std::string utf8(std::u32string_view text)
{
    std::string out;
    for (char32_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

inline std::string shown(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

// Takes doubles from the input, eight bytes each in the machine's order; the
// bytes missing at the end count as zero. Every bit pattern occurs: NaNs,
// infinities, subnormals, negative zero.
class DoubleReader {
public:
    DoubleReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    double next()
    {
        unsigned char bytes[sizeof(double)] = {};
        for (std::size_t i = 0; i < sizeof bytes && pos_ < size_; ++i) bytes[i] = data_[pos_++];
        double value = 0;
        std::memcpy(&value, bytes, sizeof value);
        return value;
    }
    std::string_view rest() const
    {
        return {reinterpret_cast<const char*>(data_) + pos_, size_ - pos_};
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// One code point of UTF-8 at `i`, checked against the table of well-formed
// byte sequences (table 3-7 of the Unicode standard) rather than by decoding first and
// checking afterwards as the library does. Returns the sequence's length, or
// 0 when the byte at `i` starts no well-formed sequence.
inline std::size_t wellFormedSequence(std::string_view text, std::size_t i, char32_t& out)
{
    const auto at = [&](std::size_t k) {
        return i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0x100u;
    };
    const auto within = [](unsigned value, unsigned low, unsigned high) {
        return value >= low && value <= high;
    };
    const unsigned b0 = at(0);
    if (b0 < 0x80) {
        out = b0;
        return 1;
    }
    unsigned low = 0x80;
    unsigned high = 0xBF;
    std::size_t length = 0;
    if (within(b0, 0xC2, 0xDF)) {
        length = 2;
    } else if (within(b0, 0xE0, 0xEF)) {
        length = 3;
        if (b0 == 0xE0) low = 0xA0;
        if (b0 == 0xED) high = 0x9F;
    } else if (within(b0, 0xF0, 0xF4)) {
        length = 4;
        if (b0 == 0xF0) low = 0x90;
        if (b0 == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (!within(at(1), low, high)) return 0;
    for (std::size_t k = 2; k < length; ++k)
        if (!within(at(k), 0x80, 0xBF)) return 0;
    char32_t value = b0 & (0xFF >> (length + 1));
    for (std::size_t k = 1; k < length; ++k) value = (value << 6) | (at(k) & 0x3F);
    out = value;
    return length;
}

// Characters, each malformed byte counting as one.
inline std::size_t characterCount(std::string_view text)
{
    std::size_t count = 0;
    char32_t c = 0;
    for (std::size_t i = 0, n = 0; i < text.size(); i += n, ++count)
        if ((n = wellFormedSequence(text, i, c)) == 0) n = 1;
    return count;
}

// The text with each full-width digit, sign, point, hemisphere letter (N S E
// W, either case) and mark (' "), the minus sign U+2212 and the ideographic
// space written as its ASCII form; everything else, even malformed bytes,
// stays as it is. Every character stays one character.
inline char asciiLetter(char32_t c)
{
    switch (c) {
    case U'\uFF2E': return 'N';
    case U'\uFF33': return 'S';
    case U'\uFF25': return 'E';
    case U'\uFF37': return 'W';
    case U'\uFF4E': return 'n';
    case U'\uFF53': return 's';
    case U'\uFF45': return 'e';
    case U'\uFF57': return 'w';
    default: return 0;
    }
}

inline std::string withAsciiForms(std::string_view text)
{
    std::string out;
    char32_t c = 0;
    for (std::size_t i = 0, n = 0; i < text.size(); i += n) {
        if ((n = wellFormedSequence(text, i, c)) == 0) n = 1;
        if (n > 1 && c >= U'\uFF10' && c <= U'\uFF19') {
            out += static_cast<char>('0' + (c - U'\uFF10'));
        } else if (n > 1 && c == U'\uFF0B') {
            out += '+';
        } else if (n > 1 && (c == U'\uFF0D' || c == U'\u2212')) {
            out += '-';
        } else if (n > 1 && c == U'\uFF0E') {
            out += '.';
        } else if (n > 1 && c == U'\u3000') {
            out += ' ';
        } else if (n > 1 && asciiLetter(c) != 0) {
            out += asciiLetter(c);
        } else if (n > 1 && c == U'\uFF07') {
            out += '\'';
        } else if (n > 1 && c == U'\uFF02') {
            out += '"';
        } else {
            out += text.substr(i, n);
        }
    }
    return out;
}

enum class Blanks { Remove, Space };

// The text spelt in the ASCII that strtod reads: the readers' digits, signs,
// points and exponent letters become their ASCII forms, the readers' blanks
// are removed or become spaces, and every other character, malformed bytes
// and NUL included, becomes '#', which strtod never reads. So no "inf",
// "nan" or "0x" can reach strtod, and no blank strtod knows but the readers
// do not ('\r', '\v', '\f').
inline std::string plainAscii(std::string_view text, Blanks blanks)
{
    std::string out;
    char32_t c = 0;
    for (std::size_t i = 0, n = 0; i < text.size(); i += n) {
        if ((n = wellFormedSequence(text, i, c)) == 0) {
            n = 1;
            c = 0xFFFD;
        }
        if (c >= U'\uFF10' && c <= U'\uFF19') c = U'0' + (c - U'\uFF10');
        if (c >= U'0' && c <= U'9') {
            out += static_cast<char>(c);
        } else if (c == U'+' || c == U'\uFF0B') {
            out += '+';
        } else if (c == U'-' || c == U'\uFF0D' || c == U'\u2212') {
            out += '-';
        } else if (c == U'.' || c == U'\uFF0E') {
            out += '.';
        } else if (c == U'E' || c == U'e' || c == U'D' || c == U'd' || c == U'\uFF25' ||
                   c == U'\uFF45') {
            out += 'e';
        } else if (c == U' ' || c == U'\t' || c == U'\n' || c == U'\u3000') {
            if (blanks == Blanks::Space) out += ' ';
        } else {
            out += '#';
        }
    }
    return out;
}

}  // namespace fuzz
