// SPDX-License-Identifier: GPL-3.0-or-later
// Latitude from one sight: by meridian altitude (中天求纬度) and by Polaris
// (北极星求纬度). The sight is corrected and reduced from the DR as every
// sight is (sight_reduction.h), and the latitude is then the one that puts
// the body at the altitude observed at the sight's hour angle.
//
// By meridian altitude, for any body but Polaris, at its upper or lower
// transit (上中天, 下中天), whichever is nearer in time:
//   upper: φ = δ + z when the body bears south (the DR's latitude above δ),
//          φ = δ - z when it bears north, z = 90° - Ho the zenith distance;
//   lower (a circumpolar body under the elevated pole): φ = 90° - δ + Ho in
//          north latitudes (δ north), φ = -(90° + δ + Ho) in south.
// The sight is the meridian altitude, the highest the body reaches, which it
// reaches at the transit: δ is the body's at the transit at the DR's
// longitude (the time of the sight only finds that transit), and Ho is the
// sight's corrected altitude. A time more than kMaxMinutesFromTransit from
// the transit is refused: CelestialError (FarFromTransit) with the
// transit's UTC time and the minutes from it.
//
// By Polaris, at any hour: the root of the same equation nearest Ho, with
// Polaris's δ (89.3° .. 89.5° in 2000 .. 2050) and LHA, not the almanac's
// a0 a1 a2 tables.
//
// Refusals: RangeError and CelestialError (BelowHorizon) as reduceSight;
// CelestialError (NoLatitude) where no latitude gives Polaris's altitude
// at that hour angle.
//
// Accuracy: the rule and the root are exact in doubles; the latitude is as
// good as Ho and δ, within 0.05′ (almanac.h). By Polaris, an error in the
// DR's longitude adds at most 0.013′ per minute of longitude; at the
// meridian it adds nothing. The Moon's topocentric transit, when its
// altitude is highest, is up to a minute from the geocentric one, over
// which its declination may change 0.3′.
#pragma once

#include "nav/rise_set.h"
#include "nav/sight_reduction.h"

namespace nav {

inline constexpr double kMaxMinutesFromTransit = 15;

enum class LatitudeMethod { Meridian, Polaris };

struct LatitudeSight {
    LatitudeMethod method = LatitudeMethod::Meridian;
    SightReduction reduction;  // the sight reduced from the DR: Ho, GHA, δ, LHA, Hc, Zn
    double latitude = 0;       // degrees, north positive
    // By meridian altitude only:
    Transit transit = Transit::Upper;
    UtcTime transitTime;            // UTC, at the DR's longitude
    double minutesFromTransit = 0;  // the sight's time minus the transit's
    double transitDeclination = 0;  // δ at the transit, degrees
    bool bearsNorth = false;        // at the transit: decides the rule's sign
    double zenithDistance = 0;      // 90° - Ho
};

LatitudeSight latitudeBySight(const Almanac& almanac, const Body& body, double hs, Limb limb,
                              const SightConditions& conditions, geo::GeoPoint dr);

}  // namespace nav
