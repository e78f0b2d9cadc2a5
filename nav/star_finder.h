// SPDX-License-Identifier: GPL-3.0-or-later
// Star finding (识星, 选星): which body was observed, which bodies stand
// well for sights, and which three or four make the best fix.
//
// The bodies are the 57 navigational stars, Polaris and the planets Venus,
// Mars, Jupiter and Saturn (the Sun and the Moon are not taken for stars),
// each with its Hc and Zn at the time from the position (sight_reduction.h's
// horizontalAt, degrees) and its visual magnitude.
//
//   identification: from an altitude and azimuth observed roughly (a
//     sextant altitude, a compass bearing corrected), every body within
//     kIdentifyRadius of that point of the sky, the nearest first; the
//     separation is the arc between the two directions, degrees;
//   the sky for sights: the bodies between kMinSightAltitude and
//     kMaxSightAltitude, in order of Zn;
//   the best for a fix: of those, the `count` (3 or 4) whose azimuths are
//     the most evenly spread round the horizon (120° or 90° apart), with the
//     brighter preferred between spreads alike: the least of
//       mean |gap - 360°/count| + kMagnitudeWeight × mean magnitude,
//     the gaps between successive azimuths round the circle.
//
// Refusals: the position as checkPosition (earth.h); an altitude observed
// outside 0 .. 90 (Quantity::Altitude), an azimuth outside 0 .. 360
// (Quantity::Bearing).
#pragma once

#include <vector>

#include "geo/angle.h"
#include "nav/almanac.h"

namespace nav {

inline constexpr double kIdentifyRadius = 5;     // degrees
inline constexpr double kMinSightAltitude = 15;  // degrees
inline constexpr double kMaxSightAltitude = 70;
inline constexpr double kMagnitudeWeight = 1;    // degrees of spread per magnitude

struct SkyBody {
    const Body* body = nullptr;
    double hc = 0;
    double zn = 0;
    double magnitude = 0;
    bool planet = false;
};

struct Candidate {
    SkyBody sky;
    double separation = 0;  // degrees
};

std::vector<Candidate> identifyBody(const Almanac& almanac, geo::GeoPoint position,
                                    double altitude, double azimuth);

std::vector<SkyBody> bodiesForSights(const Almanac& almanac, geo::GeoPoint position);

// Of `bodies` (as bodiesForSights gives them), the best `count` for a fix,
// in order of Zn; all of them when there are no more than `count`.
std::vector<SkyBody> bestForFix(const std::vector<SkyBody>& bodies, int count);

}  // namespace nav
