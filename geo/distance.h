// SPDX-License-Identifier: GPL-3.0-or-later
// Distance between two points on a sphere of radius 6371 km.
#pragma once

namespace geo {

// Kilometres between (lat1, lon1) and (lat2, lon2), in decimal degrees.
//
// The chord is estimated from a meridian chord for the latitude difference and
// the mean of the two squared arcs along the points' parallels; u, the chord
// over the diameter, is the sine of half the central angle. The central angle
// is the largest candidate of the sequence 180, 180 - 0.001, ... (each made by
// subtracting 0.001 from the one before, with the rounding drift that brings)
// whose half-angle sine lies strictly within 0.00001 of u; the result is the
// candidate one step below it, times 40030.1729092 / 360. Results therefore
// come in whole steps of about 0.1111949 km, and two equal points give a tiny
// negative distance (about -5.5e-8 km), never exactly 0.
//
// When no candidate matches (u >= 1.00001: long east-west separations near the
// equator), the result is the farthest one the search can give,
// 179.999 steps = 20014.9752597 km.
//
// The result is the very double that the step-by-step search gives, for every
// argument. Throws ArithmeticError when an argument or an intermediate value
// is not finite.
double distance(double lat1, double lon1, double lat2, double lon2);

}  // namespace geo
