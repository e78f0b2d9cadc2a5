// SPDX-License-Identifier: GPL-3.0-or-later
// The units of angle every layer counts in, and the Earth's ranges of
// latitude and longitude. The readers, the navigation code, the files and
// the texts that name a range (the refusals, --help) all take them from
// here, so that a range is said once.
//
// The classic calculator's own constants (its pi, its circle of 180 and 360
// degrees) are those it is specified with, in search.h, apart from these.
#pragma once

#include <numbers>

namespace geo {

// Degrees in a whole, a half and a quarter circle: courses and bearings run
// from 0 to kFullCircle, a longitude from -kHalfCircle to kHalfCircle, a
// latitude from -kQuarterCircle to kQuarterCircle.
inline constexpr double kFullCircle = 360;
inline constexpr double kHalfCircle = 180;
inline constexpr double kQuarterCircle = 90;

// The largest magnitude of a latitude and of a longitude, in degrees.
inline constexpr double kMaxLatitude = kQuarterCircle;
inline constexpr double kMaxLongitude = kHalfCircle;

inline constexpr double kMinutesPerDegree = 60;
inline constexpr double kSecondsPerDegree = 3600;

inline constexpr double kRadiansPerDegree = std::numbers::pi / kHalfCircle;

}  // namespace geo
