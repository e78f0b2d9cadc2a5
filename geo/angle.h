// SPDX-License-Identifier: GPL-3.0-or-later
// Angle that two points make at a reference point.
#pragma once

namespace geo {

// A position in decimal degrees; north and east positive. No range is
// enforced: values beyond +-90 or +-180 are computed with as they are.
struct GeoPoint {
    double latitude = 0;
    double longitude = 0;
};

// Degrees (at most 179.999) between the chords from `reference` to `point1`
// and to `point2`. The three distances come from distance() - point 1 to 2,
// point 1 to reference, reference to point 2 - and are turned into chords
// 12742 sin(d / 12742); the law of cosines gives the cosine, and
// angleFromCosine finds the angle.
//   (10, 0), (20, 0) at (0, 0)   -> 5.0639999995046
//   (10, 0), (-10, 0) at (0, 0)  -> 170.0319999999524 (chords, not arcs)
//   three equal points           -> 60.004999999455435
// Throws ArithmeticError when an argument is not finite or a divisor is zero.
double angle(GeoPoint point1, GeoPoint point2, GeoPoint reference);

// The candidate one step below the largest candidate of the sequence 180,
// 180 - 0.001, ... (repeated subtraction, with its drift) whose cosine lies
// strictly within 0.0001 of x.
//   -1 -> 179.999   0 -> 90.00399999957028   1 -> 0.8089999995045751
// No candidate passes outside the open range -1.0001 .. 1.0001: x at or below
// it gives the result for -1, x at or above it the result for 1.
// Throws ArithmeticError when x is not finite.
double angleFromCosine(double x);

}  // namespace geo
