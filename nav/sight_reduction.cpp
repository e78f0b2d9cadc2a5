// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/sight_reduction.h"

#include <algorithm>
#include <cmath>

#include "nav/earth.h"
#include "nav/errors.h"
#include "nav/spherical_angles.h"

namespace nav {

namespace {

// The Nautical Almanac's refraction formula and its pressure and
// temperature factor.
constexpr double kRefractionDegrees = 0.0167;
constexpr double kRefractionOffset = 7.31;
constexpr double kRefractionShift = 4.4;
constexpr double kRefractionPressureFactor = 0.28;
constexpr double kCelsiusToKelvin = 273;
// The Moon's oblateness term, degrees (the Earth's e²/2 times a mean HP).
constexpr double kMoonOblateness = 0.0032;

void checkRange(double value, double low, double high, Quantity quantity)
{
    if (!std::isfinite(value) || value < low || value > high)
        throw RangeError(quantity, value);
}

double oblatenessTerm(double latitude, double azimuth, double h)
{
    return (-kMoonOblateness * sind(latitude) * sind(latitude) * cosd(h) +
            kMoonOblateness * sind(2 * latitude) * cosd(azimuth) * sind(h)) *
           kArcminutesPerDegree;
}

}  // namespace

void checkSightConditions(const SightConditions& conditions)
{
    checkRange(conditions.heightOfEye, 0, kMaxHeightOfEye, Quantity::HeightOfEye);
    checkRange(conditions.indexCorrection, -kMaxIndexCorrection, kMaxIndexCorrection,
               Quantity::IndexCorrection);
    checkRange(conditions.temperature, kMinTemperature, kMaxTemperature, Quantity::Temperature);
    checkRange(conditions.pressure, kMinPressure, kMaxPressure, Quantity::Pressure);
}

Horizontal horizontalAt(const BodyPlace& place, geo::GeoPoint position)
{
    Horizontal horizontal;
    horizontal.lha = circleDegrees(place.gha + position.longitude);
    const double phi = position.latitude;
    const double dec = place.declination;
    const double sinAltitude = sind(phi) * sind(dec) + cosd(phi) * cosd(dec) * cosd(horizontal.lha);
    horizontal.altitude = asind(std::clamp(sinAltitude, -1.0, 1.0));
    horizontal.azimuth = circleDegrees(
        atan2d(-cosd(dec) * sind(horizontal.lha),
               sind(dec) * cosd(phi) - cosd(dec) * sind(phi) * cosd(horizontal.lha)));
    return horizontal;
}

AltitudeLine::AltitudeLine(const Almanac& almanac, const Body& body, double hs, Limb limb,
                           const SightConditions& conditions)
    : place_(almanac.place(body)), moon_(body.kind == BodyKind::Moon)
{
    checkRange(hs, 0, 90, Quantity::Altitude);
    checkSightConditions(conditions);
    AltitudeCorrections& c = corrections_;
    c.hs = hs;
    c.indexCorrection = conditions.indexCorrection;
    c.dip = -kDipPerRootMetre * std::sqrt(conditions.heightOfEye);
    c.ha = hs + (c.indexCorrection + c.dip) / kArcminutesPerDegree;
    const double r0 = kRefractionDegrees / tand(c.ha + kRefractionOffset / (c.ha + kRefractionShift));
    const double f = kRefractionPressureFactor * conditions.pressure /
                     (conditions.temperature + kCelsiusToKelvin);
    c.refraction = -f * r0 * kArcminutesPerDegree;
    c.h = c.ha + c.refraction / kArcminutesPerDegree;
    c.parallax = place_.hp ? *place_.hp * cosd(c.h) : 0;
    if (place_.sd && limb != Limb::Centre)
        c.semidiameter = limb == Limb::Lower ? *place_.sd : -*place_.sd;
    c.ho = c.h + (c.parallax + c.semidiameter) / kArcminutesPerDegree;
}

SightReduction AltitudeLine::at(geo::GeoPoint position) const
{
    SightReduction reduction{place_, corrections_, horizontalAt(place_, position), 0};
    AltitudeCorrections& c = reduction.corrections;
    if (moon_) {
        c.oblateness = oblatenessTerm(position.latitude, reduction.computed.azimuth, c.h);
        c.parallax += c.oblateness;
        c.ho += c.oblateness / kArcminutesPerDegree;
    }
    reduction.intercept =
        (c.ho - reduction.computed.altitude) * kArcminutesPerDegree * kNauticalMilesPerArcminute;
    return reduction;
}

SightReduction reduceSight(const Almanac& almanac, const Body& body, double hs, Limb limb,
                           const SightConditions& conditions, geo::GeoPoint assumed)
{
    checkPosition(assumed);
    const SightReduction reduction = AltitudeLine(almanac, body, hs, limb, conditions).at(assumed);
    if (reduction.computed.altitude < kLowestSightAltitude)
        throw CelestialError(CelestialRefusal::BelowHorizon, reduction.computed.altitude);
    return reduction;
}

SemicircleAzimuth semicircleAzimuth(double zn, double latitude)
{
    const double azimuth = circleDegrees(zn);
    const bool fromNorth = latitude >= 0;
    const bool east = azimuth <= 180;
    const double fromNorthAngle = east ? azimuth : 360 - azimuth;
    return {fromNorth, fromNorth ? fromNorthAngle : 180 - fromNorthAngle, east};
}

}  // namespace nav
