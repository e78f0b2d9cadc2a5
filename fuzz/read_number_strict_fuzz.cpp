// SPDX-License-Identifier: GPL-3.0-or-later
// readNumberStrict on arbitrary bytes: a finite value, or a TypeMismatchError
// or OverflowError naming the whole text, and exactly then when strtod would
// not take the text as one number, or takes it as one too large for a double.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz/promise.h"
#include "geo/errors.h"
#include "geo/number_reading.h"

namespace {

enum class Outcome { Value, Mismatch, Overflow };

void checkFailure(const geo::ConversionError& error, std::string_view text)
{
    FUZZ_REQUIRE(error.reading() == geo::Reading::WholeText,
                 "readNumberStrict's failures name the whole text", fuzz::quoted(text));
    FUZZ_REQUIRE(error.piece().size() == fuzz::characterCount(text),
                 "readNumberStrict's failure carries the text",
                 fuzz::quoted(text) + " carried " + fuzz::quoted(fuzz::utf8(error.piece())));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Outcome outcome = Outcome::Value;
    double value = 0;
    try {
        value = geo::readNumberStrict(text);
    } catch (const geo::TypeMismatchError& error) {
        checkFailure(error, text);
        outcome = Outcome::Mismatch;
    } catch (const geo::OverflowError& error) {
        checkFailure(error, text);
        outcome = Outcome::Overflow;
    } catch (...) {
        fuzz::broken("readNumberStrict throws only TypeMismatchError or OverflowError",
                     fuzz::quoted(text));
    }
    if (outcome == Outcome::Value)
        FUZZ_REQUIRE(std::isfinite(value), "readNumberStrict gives finite values",
                     fuzz::quoted(text) + " gave " + fuzz::shown(value));

    // Blanks around one number and nothing else: strtod then reads the number
    // and leaves nothing but blanks behind.
    const std::string plain = fuzz::plainAscii(text, fuzz::Blanks::Space);
    char* end = nullptr;
    const double expected = std::strtod(plain.c_str(), &end);
    const bool isOneNumber = end != plain.c_str() &&
                             std::string_view(end).find_first_not_of(' ') == std::string_view::npos;
    FUZZ_REQUIRE((outcome != Outcome::Mismatch) == isOneNumber,
                 "readNumberStrict fails with a type mismatch exactly on text that is not one number",
                 fuzz::quoted(text) + " as " + fuzz::quoted(plain));
    if (outcome == Outcome::Value)
        FUZZ_REQUIRE(value == expected, "readNumberStrict gives the double nearest the number",
                     fuzz::quoted(text) + " gave " + fuzz::shown(value) + ", strtod gives " +
                         fuzz::shown(expected));
    if (outcome == Outcome::Overflow)
        FUZZ_REQUIRE(std::isinf(expected), "readNumberStrict overflows only beyond a double",
                     fuzz::quoted(text) + ", strtod gives " + fuzz::shown(expected));

    // A text that is one number is also read as that number by the prefix reader.
    if (outcome != Outcome::Mismatch) {
        const double prefix = geo::readNumberPrefix(text);
        FUZZ_REQUIRE(outcome == Outcome::Value ? prefix == value : std::isinf(prefix),
                     "both readers agree on a text that is one number",
                     fuzz::quoted(text) + " prefix " + fuzz::shown(prefix));
    }
    return 0;
}
