// SPDX-License-Identifier: GPL-3.0-or-later
// The angle functions on arbitrary doubles. The lowest bit of the first byte
// picks the function: 0 angleFromCosine on the next eight bytes, 1 angle on
// the next 48 (three points, latitude and longitude each).
//   angleFromCosine: ArithmeticError exactly for a cosine that is not finite;
//     otherwise at most 179.999 and at least one step below zero, and beyond
//     -1.0001 or 1.0001 the result for -1 or 1.
//   angle: ArithmeticError for arguments that are not finite, and otherwise
//     only for huge ones; else a finite angle in the same range.
#include <cmath>
#include <cstdint>
#include <string>

#include "fuzz/promise.h"
#include "geo/angle.h"
#include "geo/errors.h"

namespace {

// The results are candidates of the search, one step below the first that
// passes; the candidates run from 180 down to zero, with drift.
constexpr double kLargest = 179.999 + 1e-9;
constexpr double kSmallest = -0.001 - 1e-9;
constexpr double kOutsideCosines = 1.0001;
// Below this size no distance can fail (see the distance target), and
// distances are never exactly zero, so no divisor is.
constexpr double kSafeArgument = 1e100;

bool isSafe(double x) { return std::fabs(x) <= kSafeArgument; }

void checkRange(double degrees, const std::string& call)
{
    FUZZ_REQUIRE(std::isfinite(degrees), "an angle is finite", call + " = " + fuzz::shown(degrees));
    FUZZ_REQUIRE(degrees >= kSmallest && degrees <= kLargest,
                 "an angle lies between one step below zero and 179.999",
                 call + " = " + fuzz::shown(degrees));
}

void checkAngleFromCosine(double x)
{
    const std::string call = "angleFromCosine(" + fuzz::shown(x) + ")";
    double degrees = 0;
    try {
        degrees = geo::angleFromCosine(x);
    } catch (const geo::ArithmeticError&) {
        FUZZ_REQUIRE(!std::isfinite(x), "angleFromCosine fails only for a cosine not finite", call);
        return;
    } catch (...) {
        fuzz::broken("angleFromCosine throws only ArithmeticError", call);
    }
    FUZZ_REQUIRE(std::isfinite(x), "angleFromCosine refuses a cosine that is not finite", call);
    checkRange(degrees, call);
    static const double kForMinusOne = geo::angleFromCosine(-1);
    static const double kForOne = geo::angleFromCosine(1);
    if (x <= -kOutsideCosines)
        FUZZ_REQUIRE(degrees == kForMinusOne, "a cosine below -1.0001 counts as -1",
                     call + " = " + fuzz::shown(degrees));
    if (x >= kOutsideCosines)
        FUZZ_REQUIRE(degrees == kForOne, "a cosine above 1.0001 counts as 1",
                     call + " = " + fuzz::shown(degrees));
}

void checkAngle(const geo::GeoPoint& p1, const geo::GeoPoint& p2, const geo::GeoPoint& reference)
{
    const auto point = [](const geo::GeoPoint& p) {
        return "(" + fuzz::shown(p.latitude) + ", " + fuzz::shown(p.longitude) + ")";
    };
    const std::string call = "angle(" + point(p1) + ", " + point(p2) + ", " + point(reference) + ")";
    double degrees = 0;
    try {
        degrees = geo::angle(p1, p2, reference);
    } catch (const geo::ArithmeticError&) {
        const bool safe = isSafe(p1.latitude) && isSafe(p1.longitude) && isSafe(p2.latitude) &&
                          isSafe(p2.longitude) && isSafe(reference.latitude) &&
                          isSafe(reference.longitude);
        FUZZ_REQUIRE(!safe, "angle fails only for arguments that are not finite or are huge", call);
        return;
    } catch (...) {
        fuzz::broken("angle throws only ArithmeticError", call);
    }
    const bool finite = std::isfinite(p1.latitude) && std::isfinite(p1.longitude) &&
                        std::isfinite(p2.latitude) && std::isfinite(p2.longitude) &&
                        std::isfinite(reference.latitude) && std::isfinite(reference.longitude);
    FUZZ_REQUIRE(finite, "angle refuses arguments that are not finite", call);
    checkRange(degrees, call);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    fuzz::DoubleReader in(data + 1, size - 1);
    if ((data[0] & 1) == 0) {
        checkAngleFromCosine(in.next());
    } else {
        geo::GeoPoint p1{in.next(), in.next()};
        geo::GeoPoint p2{in.next(), in.next()};
        geo::GeoPoint reference{in.next(), in.next()};
        checkAngle(p1, p2, reference);
    }
    return 0;
}
