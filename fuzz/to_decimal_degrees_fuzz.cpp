// SPDX-License-Identifier: GPL-3.0-or-later
// toDecimalDegrees on arbitrary text in both entry forms; the lowest bit of
// the first byte picks the form ('0' minutes, '1' seconds), the rest is the
// text. A conversion gives a finite value or a ConversionError:
//   minutes form: only OverflowError, and exactly when the packed number's
//     size reaches 32800 (100 x degrees leaves the signed 16-bit range);
//   seconds form: TypeMismatchError on the two-character minutes or seconds
//     piece, OverflowError on the degrees.
// And a text typed with full-width forms converts as its ASCII spelling does:
// the same value, or the same failure on the same reading.
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/promise.h"
#include "geo/errors.h"
#include "geo/coordinate_entry.h"
#include "geo/number_reading.h"

namespace {

using geo::EntryMode;
using geo::Reading;

// Largest size of a result: 327 degrees and 99.999... minutes in the minutes
// form; 32768 degrees, 99 minutes and 99 seconds in the seconds form.
constexpr double kLargestMinutesForm = 327 + 100.0 / 60;
constexpr double kLargestSecondsForm = 32768 + 99.0 / 60 + 99.0 / 3600;
constexpr double kFirstOverflowingMinutesForm = 32800;

std::string described(EntryMode mode, std::string_view text)
{
    return std::string(mode == EntryMode::Minutes ? "minutes " : "seconds ") + fuzz::quoted(text);
}

void checkPiece(const geo::ConversionError& error, EntryMode mode, std::string_view text)
{
    FUZZ_REQUIRE(error.piece().size() <= fuzz::characterCount(text),
                 "a failure's piece is part of the text",
                 described(mode, text) + " piece " + fuzz::quoted(fuzz::utf8(error.piece())));
}

// What one conversion gave, to compare two of them.
struct Outcome {
    enum class Kind { Value, Mismatch, Overflow } kind = Kind::Value;
    double degrees = 0;
    Reading reading = Reading::WholeText;

    bool operator==(const Outcome&) const = default;
};

Outcome checkedConversion(std::string_view text, EntryMode mode)
{
    const double packed = std::fabs(geo::readNumberPrefix(text));
    Outcome outcome;
    try {
        outcome.degrees = geo::toDecimalDegrees(text, mode);
    } catch (const geo::TypeMismatchError& error) {
        FUZZ_REQUIRE(mode == EntryMode::Seconds, "the minutes form has no type mismatch",
                     described(mode, text));
        FUZZ_REQUIRE(error.reading() == Reading::MinutesDigits ||
                         error.reading() == Reading::SecondsDigits,
                     "a type mismatch names the minutes or the seconds piece", described(mode, text));
        FUZZ_REQUIRE(error.piece().size() <= 2,
                     "the minutes and seconds pieces are two characters at most",
                     described(mode, text) + " piece " + fuzz::quoted(fuzz::utf8(error.piece())));
        checkPiece(error, mode, text);
        return {Outcome::Kind::Mismatch, 0, error.reading()};
    } catch (const geo::OverflowError& error) {
        if (mode == EntryMode::Minutes) {
            FUZZ_REQUIRE(error.reading() == Reading::Degrees ||
                             error.reading() == Reading::HundredDegrees,
                         "an overflow names the degrees", described(mode, text));
            FUZZ_REQUIRE(packed >= kFirstOverflowingMinutesForm,
                         "the minutes form overflows only from 32800 on",
                         described(mode, text) + " reads " + fuzz::shown(packed));
        } else {
            FUZZ_REQUIRE(error.reading() == Reading::Degrees, "an overflow names the degrees",
                         described(mode, text));
        }
        checkPiece(error, mode, text);
        return {Outcome::Kind::Overflow, 0, error.reading()};
    } catch (...) {
        fuzz::broken("toDecimalDegrees throws only TypeMismatchError or OverflowError",
                     described(mode, text));
    }

    FUZZ_REQUIRE(std::isfinite(outcome.degrees), "a conversion gives a finite value",
                 described(mode, text) + " gave " + fuzz::shown(outcome.degrees));
    if (mode == EntryMode::Minutes) {
        FUZZ_REQUIRE(packed < kFirstOverflowingMinutesForm,
                     "the minutes form overflows from 32800 on",
                     described(mode, text) + " reads " + fuzz::shown(packed));
        FUZZ_REQUIRE(std::fabs(outcome.degrees) <= kLargestMinutesForm,
                     "the minutes form stays within 100 x degrees in 16 bits",
                     described(mode, text) + " gave " + fuzz::shown(outcome.degrees));
    } else {
        FUZZ_REQUIRE(std::fabs(outcome.degrees) <= kLargestSecondsForm,
                     "the seconds form stays within 16-bit degrees",
                     described(mode, text) + " gave " + fuzz::shown(outcome.degrees));
    }
    return outcome;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const EntryMode mode = (data[0] & 1) != 0 ? EntryMode::Seconds : EntryMode::Minutes;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const Outcome outcome = checkedConversion(text, mode);

    const std::string ascii = fuzz::withAsciiForms(text);
    if (ascii != text) {
        const Outcome asciiOutcome = checkedConversion(ascii, mode);
        FUZZ_REQUIRE(asciiOutcome == outcome, "full-width forms convert as their ASCII spelling",
                     described(mode, text) + " and " + fuzz::quoted(ascii) + " differ");
    }
    return 0;
}
