// SPDX-License-Identifier: GPL-3.0-or-later
// Constants of the sphere and of the downward searches. Every value is used
// exactly as written: results are defined by these very doubles, so pi is this
// eight-digit value, never a more precise one.
#pragma once

namespace geo::sphere {

inline constexpr double kPi = 3.1415926;
inline constexpr double kTwoPi = 6.2831852;
inline constexpr double kRadius = 6371;                    // km
inline constexpr double kDiameter = 12742;                 // km
inline constexpr double kCircumference = 40030.1729092;    // km, kTwoPi * kRadius
inline constexpr double kHalfTurn = 180;                   // degrees
inline constexpr double kFullTurn = 360;                   // degrees
inline constexpr double kQuarterTurn = 90;                 // degrees

// The searches step a candidate angle down from kSearchStart by repeated
// subtraction of kSearchStep and stop at the first candidate below zero.
inline constexpr double kSearchStart = 180;
inline constexpr double kSearchStep = 0.001;
inline constexpr double kSineTolerance = 0.00001;    // distance: on sin(B / 2)
inline constexpr double kCosineTolerance = 0.0001;   // angle: on cos(theta)

}  // namespace geo::sphere
