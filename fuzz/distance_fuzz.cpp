// SPDX-License-Identifier: GPL-3.0-or-later
// distance on four arbitrary doubles (eight bytes each): a finite number of
// kilometres between the distance of two equal points and the farthest the
// search gives, or ArithmeticError: always for arguments that are not finite,
// otherwise only for ones so large that an intermediate value overflows.
#include <cmath>
#include <cstdint>
#include <string>

#include "fuzz/promise.h"
#include "geo/errors.h"
#include "geo/distance.h"

namespace {

// 179.999 steps of the search, the farthest result.
constexpr double kFarthest = 20014.9752597 + 1e-6;
// Below this size no intermediate value can overflow: the longitude
// difference, the arcs and their squares all stay far below the largest double.
constexpr double kSafeArgument = 1e100;

bool isSafe(double x) { return std::fabs(x) <= kSafeArgument; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::DoubleReader in(data, size);
    const double lat1 = in.next();
    const double lon1 = in.next();
    const double lat2 = in.next();
    const double lon2 = in.next();
    const auto arguments = [&] {
        return "distance(" + fuzz::shown(lat1) + ", " + fuzz::shown(lon1) + ", " +
               fuzz::shown(lat2) + ", " + fuzz::shown(lon2) + ")";
    };
    // The chord estimate is never negative, so no distance is shorter than
    // the one between equal points.
    static const double kShortest = geo::distance(0, 0, 0, 0);

    double km = 0;
    try {
        km = geo::distance(lat1, lon1, lat2, lon2);
    } catch (const geo::ArithmeticError&) {
        FUZZ_REQUIRE(!(isSafe(lat1) && isSafe(lon1) && isSafe(lat2) && isSafe(lon2)),
                     "distance fails only for arguments that are not finite or are huge",
                     arguments());
        return 0;
    } catch (...) {
        fuzz::broken("distance throws only ArithmeticError", arguments());
    }
    FUZZ_REQUIRE(std::isfinite(lat1) && std::isfinite(lon1) && std::isfinite(lat2) &&
                     std::isfinite(lon2),
                 "distance refuses arguments that are not finite", arguments());
    FUZZ_REQUIRE(std::isfinite(km), "distance is finite", arguments() + " = " + fuzz::shown(km));
    FUZZ_REQUIRE(km >= kShortest && km <= kFarthest,
                 "distance lies between that of equal points and the farthest step",
                 arguments() + " = " + fuzz::shown(km));
    return 0;
}
