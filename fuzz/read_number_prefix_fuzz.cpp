// SPDX-License-Identifier: GPL-3.0-or-later
// readNumberPrefix on arbitrary bytes: it never throws, never gives NaN, and
// gives the double nearest the number at the start of the text.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz/promise.h"
#include "geo/number_reading.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    double value = 0;
    try {
        value = geo::readNumberPrefix(text);
    } catch (...) {
        fuzz::broken("readNumberPrefix never throws", fuzz::quoted(text));
    }
    FUZZ_REQUIRE(!std::isnan(value), "readNumberPrefix never gives NaN", fuzz::quoted(text));

    // Blanks are skipped anywhere, so with them removed strtod must find the
    // same number at the start (or none, and 0).
    const std::string plain = fuzz::plainAscii(text, fuzz::Blanks::Remove);
    const double expected = std::strtod(plain.c_str(), nullptr);
    FUZZ_REQUIRE(value == expected,
                 "readNumberPrefix gives the double nearest the number at the start",
                 fuzz::quoted(text) + " gave " + fuzz::shown(value) + ", strtod " +
                     fuzz::quoted(plain) + " gives " + fuzz::shown(expected));
    return 0;
}
