// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/celestial_latitude.h"

#include <cmath>
#include <optional>

#include "nav/errors.h"
#include "nav/spherical_angles.h"

namespace nav {

namespace {

constexpr double kSecondsPerMinute = 60;

// The latitude nearest `near` for which a body at declination `dec` and
// hour angle `lha` stands at altitude `ho`: A sin φ + B cos φ = sin Ho,
// that is R sin(φ + θ) = sin Ho.
std::optional<double> latitudeForAltitude(double ho, double dec, double lha, double near)
{
    const double a = sind(dec);
    const double b = cosd(dec) * cosd(lha);
    const double r = std::hypot(a, b);
    const double ratio = sind(ho) / r;
    if (r == 0 || std::fabs(ratio) > 1)
        return std::nullopt;
    const double theta = atan2d(b, a);
    const double first = asind(ratio);
    std::optional<double> best;
    for (double root : {first - theta, 180 - first - theta}) {
        const double phi = signedDegrees(root);
        if (std::fabs(phi) <= 90 && (!best || std::fabs(phi - near) < std::fabs(*best - near)))
            best = phi;
    }
    return best;
}

}  // namespace

LatitudeSight latitudeBySight(const Almanac& almanac, const Body& body, double hs, Limb limb,
                              const SightConditions& conditions, geo::GeoPoint dr)
{
    LatitudeSight sight;
    sight.reduction = reduceSight(almanac, body, hs, limb, conditions, dr);
    const double ho = sight.reduction.corrections.ho;
    if (body.name == "Polaris") {
        sight.method = LatitudeMethod::Polaris;
        const std::optional<double> latitude = latitudeForAltitude(
            ho, sight.reduction.place.declination, sight.reduction.computed.lha, ho);
        if (!latitude)
            throw CelestialError(CelestialRefusal::NoLatitude, ho);
        sight.latitude = *latitude;
        return sight;
    }
    sight.method = LatitudeMethod::Meridian;
    const bool upper = std::fabs(signedDegrees(sight.reduction.computed.lha)) <= 90;
    sight.transit = upper ? Transit::Upper : Transit::Lower;
    const Instant transit = transitNear(body, almanac.instant(), dr.longitude, sight.transit);
    sight.transitTime = transit.utc();
    sight.minutesFromTransit = almanac.instant().secondsSince(transit) / kSecondsPerMinute;
    if (std::fabs(sight.minutesFromTransit) > kMaxMinutesFromTransit)
        throw CelestialError(CelestialRefusal::FarFromTransit, sight.minutesFromTransit,
                             sight.transitTime);
    const double dec = Almanac(transit).place(body).declination;
    sight.transitDeclination = dec;
    sight.zenithDistance = 90 - ho;
    if (upper) {
        sight.bearsNorth = dec > dr.latitude;
        sight.latitude = sight.bearsNorth ? dec - sight.zenithDistance : dec + sight.zenithDistance;
    } else {
        sight.bearsNorth = dec > 0;
        sight.latitude = sight.bearsNorth ? 90 - dec + ho : -(90 + dec + ho);
    }
    return sight;
}

}  // namespace nav
