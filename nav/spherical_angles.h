// SPDX-License-Identifier: GPL-3.0-or-later
// Angles in degrees for the celestial units: trigonometry, and the ranges
// angles are written in. Not for callers outside the navigation layer.
#pragma once

#include <cmath>
#include <numbers>

namespace nav {

inline constexpr double kRadiansPerDegree = std::numbers::pi / 180;
inline constexpr double kArcminutesPerDegree = 60;

inline double sind(double degrees) { return std::sin(degrees * kRadiansPerDegree); }
inline double cosd(double degrees) { return std::cos(degrees * kRadiansPerDegree); }
inline double tand(double degrees) { return std::tan(degrees * kRadiansPerDegree); }
inline double asind(double x) { return std::asin(x) / kRadiansPerDegree; }
inline double atan2d(double y, double x) { return std::atan2(y, x) / kRadiansPerDegree; }

// In [0, 360): 360 and -0 are 0.
inline double circleDegrees(double degrees)
{
    const double wrapped = std::fmod(degrees, 360.0);
    const double positive = wrapped < 0 ? wrapped + 360.0 : wrapped;
    return positive >= 360.0 || positive == 0 ? 0.0 : positive;
}

// In (-180, 180].
inline double signedDegrees(double degrees)
{
    const double wrapped = circleDegrees(degrees);
    return wrapped > 180.0 ? wrapped - 360.0 : wrapped;
}

}  // namespace nav
