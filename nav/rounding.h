// SPDX-License-Identifier: GPL-3.0-or-later
// Rounding to a whole number, half away from zero, the same on every system.
// Not for callers outside the navigation layer.
#pragma once

#include <cmath>

namespace nav {

// What std::round promises, built from exact steps: MinGW-w64's std::round
// gives 1 for 0.49999999999999994 (it adds 0.5 first, which rounds up),
// where glibc gives 0. x - trunc(x) is exact for every double.
//   0.49999999999999994 -> 0    0.5 -> 1    -2.5 -> -3    1e300 -> 1e300
inline double roundHalfAway(double x)
{
    const double whole = std::trunc(x);
    return std::fabs(x - whole) >= 0.5 ? whole + std::copysign(1.0, x) : whole;
}

}  // namespace nav
