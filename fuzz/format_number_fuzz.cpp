// SPDX-License-Identifier: GPL-3.0-or-later
// formatNumber on arbitrary doubles (the first eight bytes) with the two
// patterns the window uses, and with the rest of the input as a pattern of
// its own. A finite value gives "-?[0-9]*" and, when the pattern has a
// point, "\.[0-9]{0,decimals}"; no leading zero, no trailing zero among the
// decimals, no minus before a zero result, and the text is the value rounded
// to the pattern's decimals. A value that is not finite throws
// ArithmeticError, a pattern of anything but '#' and one '.' throws
// std::invalid_argument.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>

#include "fuzz/promise.h"
#include "geo/errors.h"
#include "geo/display.h"

namespace {

struct Shape {
    bool valid = true;
    bool hasPoint = false;
    std::size_t decimals = 0;
};

Shape shapeOf(std::string_view pattern)
{
    Shape shape;
    for (char c : pattern) {
        if (c == '.') {
            shape.valid = shape.valid && !shape.hasPoint;
            shape.hasPoint = true;
        } else if (c == '#') {
            shape.decimals += shape.hasPoint ? 1 : 0;
        } else {
            shape.valid = false;
        }
    }
    return shape;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

void checkText(const std::string& text, double value, std::string_view pattern, const Shape& shape)
{
    const auto context = [&] {
        return fuzz::shown(value) + " by " + fuzz::quoted(pattern) + " gave " + fuzz::quoted(text);
    };
    std::size_t i = 0;
    const bool minus = i < text.size() && text[i] == '-';
    if (minus) ++i;
    const std::size_t integerStart = i;
    while (i < text.size() && isDigit(text[i])) ++i;
    const std::size_t integerDigits = i - integerStart;
    std::size_t decimals = 0;
    if (shape.hasPoint) {
        FUZZ_REQUIRE(i < text.size() && text[i] == '.', "the point is always written", context());
        ++i;
        while (i < text.size() && isDigit(text[i])) ++i, ++decimals;
        FUZZ_REQUIRE(decimals <= shape.decimals, "no more decimals than the pattern has",
                     context());
        FUZZ_REQUIRE(decimals == 0 || text[i - 1] != '0', "no trailing zero among the decimals",
                     context());
    }
    FUZZ_REQUIRE(i == text.size(), "only a minus, digits and one point", context());
    FUZZ_REQUIRE(integerDigits == 0 || text[integerStart] != '0', "no leading zero", context());
    FUZZ_REQUIRE(!minus || integerDigits + decimals > 0, "no minus before a zero result", context());
    FUZZ_REQUIRE(!minus || value < 0, "a minus only for a negative value", context());

    // The text is the value rounded to the pattern's decimals: half a unit of
    // the last place away at most, plus the double's own representation error
    // (and some slack for patterns with more decimals than a double has).
    const double back = std::strtod(text.c_str(), nullptr);
    const double halfUnit = 0.5 * std::pow(10.0, -static_cast<double>(shape.decimals));
    FUZZ_REQUIRE(std::fabs(back - value) <= halfUnit * (1 + 1e-9) + std::fabs(value) * 1e-15 + 1e-300,
                 "the text is the value rounded to the pattern's decimals",
                 context() + ", which reads back as " + fuzz::shown(back));
}

void check(double value, std::string_view pattern)
{
    const Shape shape = shapeOf(pattern);
    std::string text;
    try {
        text = geo::formatNumber(value, pattern);
    } catch (const geo::ArithmeticError&) {
        FUZZ_REQUIRE(!std::isfinite(value), "only a value that is not finite is refused",
                     fuzz::shown(value) + " by " + fuzz::quoted(pattern));
        return;
    } catch (const std::invalid_argument&) {
        FUZZ_REQUIRE(!shape.valid, "only a malformed pattern is refused", fuzz::quoted(pattern));
        return;
    } catch (...) {
        fuzz::broken("formatNumber throws only ArithmeticError or std::invalid_argument",
                     fuzz::shown(value) + " by " + fuzz::quoted(pattern));
    }
    FUZZ_REQUIRE(shape.valid && std::isfinite(value),
                 "a malformed pattern or a value that is not finite is refused",
                 fuzz::shown(value) + " by " + fuzz::quoted(pattern) + " gave " + fuzz::quoted(text));
    checkText(text, value, pattern, shape);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::DoubleReader in(data, size);
    const double value = in.next();
    check(value, "####.###");
    check(value, "#####.###");
    if (!in.rest().empty()) check(value, in.rest());
    return 0;
}
