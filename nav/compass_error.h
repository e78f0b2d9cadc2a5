// SPDX-License-Identifier: GPL-3.0-or-later
// Compass error (罗经差) from a celestial body: by its azimuth (天体方位) at
// any altitude, or by its amplitude (出没方位) as it rises or sets.
//
//   by azimuth: Zn, the body's true azimuth at the time from the position
//     (sight_reduction.h's horizontalAt);
//   by amplitude: sin A = sin δ / cos φ for the body's centre on the
//     celestial horizon (true altitude 0); A is named E at rising and W at
//     setting, N or S as δ, and Zn = 90° - A at rising, 270° + A at
//     setting, A signed north positive. Rising or setting is whether the
//     body is east (LHA 180 .. 360) or west of the meridian at the time.
//   error = Zn - the bearing observed, in [-180, 180], E (+) when the
//     compass reads low: true = compass + error.
//   deviation = error - variation, for a magnetic compass when the
//     variation is given (E positive).
//
// Input ranges: the bearing as a bearing of a mark (Quantity::Bearing,
// 0 .. 360), the variation finite -180 .. 180 (Quantity::Variation), the
// position as checkPosition (earth.h). Refused by amplitude
// (CelestialError): a body that does not rise or set at that latitude
// (NeverOnHorizon, |δ| ≥ 90° - |φ|), and a time when the body stands more
// than kMaxAmplitudeAltitude from the celestial horizon (NotOnHorizon):
// the amplitude is the azimuth at rising or setting, not at any hour.
//
// Accuracy: Zn within 0.01° (the almanac's places, the exact formulae).
#pragma once

#include <optional>

#include "geo/angle.h"
#include "nav/almanac.h"
#include "nav/sight_reduction.h"

namespace nav {

inline constexpr double kMaxAmplitudeAltitude = 5;  // degrees

enum class CompassMethod { Azimuth, Amplitude };

struct Amplitude {
    double angle = 0;     // degrees, 0 .. 90
    bool rising = true;   // E; setting W
    bool north = true;    // N or S, as the declination
};

struct CompassCheck {
    CompassMethod method = CompassMethod::Azimuth;
    BodyPlace place;
    Horizontal horizontal;        // LHA, the true altitude and Zn at the time
    double zn = 0;                // the azimuth compared: horizontal's, or by amplitude
    double bearing = 0;           // as observed
    double error = 0;             // degrees, E positive
    std::optional<double> deviation;
    std::optional<Amplitude> amplitude;
};

CompassCheck compassErrorByAzimuth(const Almanac& almanac, const Body& body, geo::GeoPoint position,
                                   double bearing, std::optional<double> variation = std::nullopt);
CompassCheck compassErrorByAmplitude(const Almanac& almanac, const Body& body,
                                     geo::GeoPoint position, double bearing,
                                     std::optional<double> variation = std::nullopt);

}  // namespace nav
