// SPDX-License-Identifier: GPL-3.0-or-later
// Altitude corrections and sight reduction (高度改正, 高度差法): from a
// sextant altitude to the observed altitude Ho, and from an assumed position
// to the computed altitude Hc, the azimuth Zn and the intercept, every step
// kept so that a hand reduction can be checked line by line.
//
// Corrections, the Nautical Almanac's formulae for direct computation, in
// this order (angles in degrees, corrections in arc-minutes as applied):
//   指标差 index correction i, ADDED:          Hs + i
//   眼高差 dip = -1.76′ sqrt(h), h in metres:  Ha = Hs + i + dip
//   蒙气差 refraction R = -R0 f, R0 = 0.0167° / tan(Ha + 7.31 / (Ha + 4.4)),
//     f = 0.28 P / (T + 273), P in hPa, T in °C: H = Ha + R
//   视差 parallax PA = HP cos H for the Sun, Moon, Venus and Mars (HP from
//     the almanac), and for the Moon the oblateness term
//     OB = -0.0032° sin²φ cos H + 0.0032° sin 2φ cos Zn sin H
//   半径差 semidiameter: +SD for the lower limb, -SD for the upper, of the
//     Sun and the Moon, the geocentric SD of the almanac applied after the
//     parallax (so that the augmentation cancels); 0 for the centre
//   Ho = H + PA + SD.
// Stars and Jupiter and Saturn have no parallax or semidiameter; a limb given
// for them is not used.
//
// Reduction from an assumed position (φ, λ), east longitude positive:
//   LHA = GHA + λ, in [0, 360)
//   Hc = asin(sin φ sin δ + cos φ cos δ cos LHA)
//   Zn = atan2(-cos δ sin LHA, sin δ cos φ - cos δ sin φ cos LHA), [0, 360)
//   intercept = (Ho - Hc) × 60 n mile, toward (向) the body when positive,
//   away (背) when negative.
// φ is the geodetic latitude: the zenith is the normal of the ellipsoid, so
// Hc is the altitude above the observer's celestial horizon exactly.
//
// Accuracy: the formulae are exact in doubles; the almanac's places
// (almanac.h) bound Hc to 0.04′ for the Moon and 0.03′ for other bodies, Zn
// far within 0.1°. The refraction formula is the almanac's, good to 0.1′
// above 5°; like every refraction table it is a model of a standard
// atmosphere below that.
//
// Input ranges (each refused with RangeError):
//   Hs finite 0 .. 90 (Quantity::Altitude): 0, 12.788, 90; not -0.5, 91;
//   height of eye finite 0 .. kMaxHeightOfEye m (Quantity::HeightOfEye):
//     0, 15.5; not -1 (a negative height), 800;
//   index correction finite -kMaxIndexCorrection .. +kMaxIndexCorrection′
//     (Quantity::IndexCorrection): -2.5, 0, 3; not 75;
//   temperature kMinTemperature .. kMaxTemperature °C, pressure kMinPressure
//     .. kMaxPressure hPa (Quantity::Temperature, Quantity::Pressure);
//   the assumed position as checkPosition (earth.h).
// A sight whose body stands lower than kLowestSightAltitude at the assumed
// position and time is refused: CelestialError (BelowHorizon).
//
// Speed (CPU time, bench/celestial_bench): a reduction of a Moon sight
// from its instant, the almanac set up, 0.12 ms; AltitudeLine::at, for a
// position solver's trial points, costs the trigonometry alone (0.1 µs).
#pragma once

#include "geo/angle.h"
#include "nav/almanac.h"

namespace nav {

inline constexpr double kDipPerRootMetre = 1.76;      // arc-minutes
inline constexpr double kMaxHeightOfEye = 500;        // metres
inline constexpr double kMaxIndexCorrection = 60;     // arc-minutes
inline constexpr double kDefaultTemperature = 10;     // °C
inline constexpr double kMinTemperature = -60;
inline constexpr double kMaxTemperature = 60;
inline constexpr double kDefaultPressure = 1010;      // hPa
inline constexpr double kMinPressure = 800;
inline constexpr double kMaxPressure = 1100;
// Degrees: the lowest a body can stand at the assumed position and still
// have been seen above the sea horizon (from a high bridge, with the
// refraction at the horizon) by a ship a few dozen miles from it.
inline constexpr double kLowestSightAltitude = -1;
inline constexpr double kNauticalMilesPerArcminute = 1;

enum class Limb { Lower, Upper, Centre };

struct SightConditions {
    double heightOfEye = 0;      // metres
    double indexCorrection = 0;  // arc-minutes, added to Hs
    double temperature = kDefaultTemperature;
    double pressure = kDefaultPressure;
};

// Throws RangeError for the first value out of range, as above.
void checkSightConditions(const SightConditions& conditions);

struct AltitudeCorrections {
    double hs = 0;               // degrees
    double indexCorrection = 0;  // arc-minutes, as applied
    double dip = 0;              // arc-minutes, as applied (not positive)
    double ha = 0;               // apparent altitude, degrees
    double refraction = 0;       // arc-minutes, as applied
    double h = 0;                // Ha + refraction, degrees
    double parallax = 0;         // arc-minutes, as applied, the oblateness included
    double oblateness = 0;       // arc-minutes: the Moon's part of `parallax`
    double semidiameter = 0;     // arc-minutes, as applied
    double ho = 0;               // degrees
};

// The body's place seen from a position on the Earth: LHA, the geocentric
// altitude Hc and the true azimuth Zn, degrees.
struct Horizontal {
    double lha = 0;
    double altitude = 0;
    double azimuth = 0;
};

// Exactly as above; no refusal (the position is not checked).
// Moving a small distance d (in arcs of the sphere) towards azimuth A
// changes the altitude by d cos(A - Zn): its rate per degree of latitude is
// cos Zn, per degree of longitude sin Zn cos φ.
Horizontal horizontalAt(const BodyPlace& place, geo::GeoPoint position);

struct SightReduction {
    BodyPlace place;  // the almanac at the sight's instant
    AltitudeCorrections corrections;
    Horizontal computed;  // LHA, Hc, Zn at the assumed position
    double intercept = 0; // n mile, toward positive
};

// One sight (天体高度) as a position line: the corrections that do not
// depend on where the ship is are made once, and `at` gives the reduction
// from any position, for a fix by several lines. Its residual Ho - Hc is
// `intercept`. Throws RangeError for Hs or conditions out of range; `at`
// refuses nothing.
class AltitudeLine {
public:
    AltitudeLine(const Almanac& almanac, const Body& body, double hs, Limb limb,
                 const SightConditions& conditions);

    SightReduction at(geo::GeoPoint position) const;

private:
    BodyPlace place_;
    AltitudeCorrections corrections_;  // but the Moon's oblateness
    bool moon_ = false;
};

// The reduction of a sight from an assumed position. Throws RangeError as
// above and CelestialError (BelowHorizon) as above.
SightReduction reduceSight(const Almanac& almanac, const Body& body, double hs, Limb limb,
                           const SightConditions& conditions, geo::GeoPoint assumed);

// Zn as the 半圆方位: an angle 0 .. 180 from the elevated pole's side of
// the meridian (N in north latitudes and on the equator, S in south),
// towards E or W: Zn 062 at 30N is N62°E, Zn 298 at 30N N62°W, Zn 118 at
// 30S S62°E; E whenever Zn is 0 .. 180 (Zn 180 at 30N is N180°E, Zn 000
// at 30S S180°E).
struct SemicircleAzimuth {
    bool fromNorth = true;
    double angle = 0;
    bool east = true;
};
SemicircleAzimuth semicircleAzimuth(double zn, double latitude);

}  // namespace nav
