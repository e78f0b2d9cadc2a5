// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/compass_error.h"

#include <cmath>

#include "nav/earth.h"
#include "nav/errors.h"
#include "nav/spherical_angles.h"

namespace nav {

namespace {

CompassCheck observed(const Almanac& almanac, const Body& body, geo::GeoPoint position,
                      double bearing, std::optional<double> variation)
{
    checkPosition(position);
    if (!std::isfinite(bearing) || bearing < 0 || bearing > 360)
        throw RangeError(Quantity::Bearing, bearing);
    if (variation && (!std::isfinite(*variation) || std::fabs(*variation) > 180))
        throw RangeError(Quantity::Variation, *variation);
    CompassCheck check;
    check.place = almanac.place(body);
    check.horizontal = horizontalAt(check.place, position);
    check.bearing = bearing;
    return check;
}

void compare(CompassCheck& check, double zn, std::optional<double> variation)
{
    check.zn = zn;
    // signedDegrees gives (-180, 180]; a reciprocal is +180 either way.
    check.error = signedDegrees(zn - check.bearing);
    if (variation)
        check.deviation = signedDegrees(check.error - *variation);
}

}  // namespace

CompassCheck compassErrorByAzimuth(const Almanac& almanac, const Body& body, geo::GeoPoint position,
                                   double bearing, std::optional<double> variation)
{
    CompassCheck check = observed(almanac, body, position, bearing, variation);
    check.method = CompassMethod::Azimuth;
    compare(check, check.horizontal.azimuth, variation);
    return check;
}

CompassCheck compassErrorByAmplitude(const Almanac& almanac, const Body& body,
                                     geo::GeoPoint position, double bearing,
                                     std::optional<double> variation)
{
    CompassCheck check = observed(almanac, body, position, bearing, variation);
    check.method = CompassMethod::Amplitude;
    const double dec = check.place.declination;
    const double ratio = sind(dec) / cosd(position.latitude);
    if (!(std::fabs(ratio) < 1))
        throw CelestialError(CelestialRefusal::NeverOnHorizon, dec);
    if (std::fabs(check.horizontal.altitude) > kMaxAmplitudeAltitude)
        throw CelestialError(CelestialRefusal::NotOnHorizon, check.horizontal.altitude);
    const double signedAmplitude = asind(ratio);
    const bool rising = check.horizontal.lha > 180;
    check.amplitude = Amplitude{std::fabs(signedAmplitude), rising, dec >= 0};
    compare(check, circleDegrees(rising ? 90 - signedAmplitude : 270 + signedAmplitude), variation);
    return check;
}

}  // namespace nav
