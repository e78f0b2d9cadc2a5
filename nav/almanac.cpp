// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/almanac.h"

#include <erfa.h>
#include <swephexp.h>

#include <array>
#include <stdexcept>
#include <string>

#include "nav/spherical_angles.h"

namespace nav {

namespace {

constexpr double kMilliarcsecondsPerRadian = 180 * 3600e3 / std::numbers::pi;
constexpr double kArcsecondsPerMilliarcsecond = 1e-3;
// The analytic ephemeris, apparent place of date in RA and declination.
constexpr int kEphemerisFlags = SEFLG_MOSEPH | SEFLG_EQUATORIAL;

double horizontalParallax(double distanceKm)
{
    return asind(kEarthEquatorialRadiusKm / distanceKm) * kArcminutesPerDegree;
}

}  // namespace

struct Almanac::StarFrame {
    eraASTROM astrometry{};
    double equationOfOrigins = 0;  // radians
};

Almanac::Almanac(const Instant& instant) : instant_(instant)
{
    const JulianDate tt = instant.tt();
    const JulianDate ut1 = instant.ut1();
    // One precession-nutation matrix serves the sidereal time and the stars.
    double matrix[3][3];
    eraPnm06a(tt.whole, tt.fraction, matrix);
    ariesGha_ = circleDegrees(eraGst06(ut1.whole, ut1.fraction, tt.whole, tt.fraction, matrix) /
                              kRadiansPerDegree);

    auto frame = std::make_shared<StarFrame>();
    double x = 0, y = 0;
    eraBpn2xy(matrix, &x, &y);
    const double s = eraS06(tt.whole, tt.fraction, x, y);
    double heliocentric[2][3], barycentric[2][3];
    eraEpv00(tt.whole, tt.fraction, heliocentric, barycentric);
    eraApci(tt.whole, tt.fraction, barycentric, heliocentric[0], x, y, s, &frame->astrometry);
    frame->equationOfOrigins = eraEors(matrix, s);
    stars_ = std::move(frame);
}

BodyPlace Almanac::place(const Body& body) const
{
    return body.kind == BodyKind::Star ? starPlace(body) : solarSystemPlace(body);
}

double Almanac::magnitude(const Body& body) const
{
    if (body.kind == BodyKind::Star)
        return body.magnitude;
    std::array<double, 20> attributes{};  // the ephemeris writes 20
    std::array<char, AS_MAXCH> error{};
    constexpr int kMagnitude = 4;
    if (swe_pheno(instant_.tt().days(), body.ephemerisNumber, SEFLG_MOSEPH, attributes.data(),
                  error.data()) < 0)
        throw std::runtime_error("ephemeris failed: " + std::string(error.data()));
    return attributes[kMagnitude];
}

BodyPlace Almanac::starPlace(const Body& body) const
{
    const CatalogueStar& star = body.star;
    const double dec = star.declination * kRadiansPerDegree;
    // ERFA wants the rate of RA itself, not times cos(dec).
    const double pmRa = star.properMotionRa / kMilliarcsecondsPerRadian / std::cos(dec);
    const double pmDec = star.properMotionDec / kMilliarcsecondsPerRadian;
    // ERFA's C interface takes the frame as mutable; it only reads it.
    eraASTROM astrometry = stars_->astrometry;
    double ri = 0, di = 0;
    eraAtciq(star.rightAscension * kRadiansPerDegree, dec, pmRa, pmDec,
             star.parallax * kArcsecondsPerMilliarcsecond, star.radialVelocity,
             &astrometry, &ri, &di);
    BodyPlace place;
    place.rightAscension = circleDegrees(eraAnp(ri - stars_->equationOfOrigins) / kRadiansPerDegree);
    place.declination = di / kRadiansPerDegree;
    place.sha = circleDegrees(360.0 - place.rightAscension);
    place.gha = circleDegrees(ariesGha_ + *place.sha);
    return place;
}

BodyPlace Almanac::solarSystemPlace(const Body& body) const
{
    std::array<double, 6> result{};
    std::array<char, AS_MAXCH> error{};
    const int flags = swe_calc(instant_.tt().days(), body.ephemerisNumber, kEphemerisFlags,
                               result.data(), error.data());
    if (flags < 0 || (flags & SEFLG_MOSEPH) == 0)
        throw std::runtime_error("ephemeris failed: " + std::string(error.data()));
    BodyPlace place;
    place.rightAscension = circleDegrees(result[0]);
    place.declination = result[1];
    place.gha = circleDegrees(ariesGha_ - place.rightAscension);
    place.distance = result[2] * kKilometresPerAu;
    const bool withParallax = body.kind != BodyKind::Planet || body.ephemerisNumber == SE_VENUS ||
                              body.ephemerisNumber == SE_MARS;
    if (withParallax)
        place.hp = horizontalParallax(place.distance);
    if (body.kind == BodyKind::Moon)
        place.sd = kMoonSemidiameterPerParallax * *place.hp;
    else if (body.kind == BodyKind::Sun)
        place.sd = kSunSemidiameterAtOneAu / result[2];
    return place;
}

}  // namespace nav
