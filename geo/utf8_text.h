// SPDX-License-Identifier: GPL-3.0-or-later
// UTF-8 text as a sequence of characters (code points).
#pragma once

#include <string>
#include <string_view>

namespace geo {

// Stands for one byte of malformed UTF-8; it is no digit, sign, point or blank.
inline constexpr char32_t kMalformedByte = 0xFFFD;

// Decodes UTF-8. Each byte that does not start a well-formed sequence
// (stray continuation bytes, overlong forms, surrogates, values above
// U+10FFFF, truncated sequences) becomes one kMalformedByte.
std::u32string decodeUtf8(std::string_view text);

// Encodes characters as UTF-8; kMalformedByte is written as U+FFFD.
std::string encodeUtf8(std::u32string_view text);

}  // namespace geo
