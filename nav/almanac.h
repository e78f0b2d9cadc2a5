// SPDX-License-Identifier: GPL-3.0-or-later
// The almanac (航海天文历) for one instant: what the Nautical Almanac's daily
// pages give, computed instead of interpolated.
//
// For an Instant (astro_time.h):
//   GHA of Aries (春分点格林时角): the Greenwich apparent sidereal time (ERFA's
//     IAU 2006/2000A eraGst06, in UT1 and TT);
//   for every body (celestial_bodies.h) its apparent geocentric place,
//     equinox and true equator of date: right ascension RA and declination;
//     GHA = GHA Aries - RA, and for a star SHA = 360 - RA, so that
//     GHA = GHA Aries + SHA;
//   HP, the equatorial horizontal parallax asin(6378.137 km / distance), for
//     the Sun, the Moon, Venus and Mars; SD, the semidiameter, for the Moon
//     0.2724 HP and for the Sun 15′59.63″ at 1 au over the distance in au.
// Units: degrees for GHA, SHA, RA and declination (north positive), GHA, SHA
// and RA in [0, 360); arc-minutes for HP and SD; km for distances.
//
// Where the places come from:
//   stars: the catalogue (ICRS J2000.0, proper motion, parallax, radial
//     velocity) carried to the date by ERFA (eraApci, eraAtciq: space
//     motion, parallax, light deflection by the Sun, annual aberration,
//     IAU 2006/2000A precession-nutation), the apparent RA being ERFA's
//     CIRS RA minus the equation of the origins;
//   Sun, Moon, planets: the Swiss Ephemeris in its built-in analytic mode
//     (Moshier's series fitted to JPL's DE404; no data files), its
//     apparent place of date (light time, deflection, aberration, precession
//     and nutation of date). ERFA's own Moon and planet series are up to
//     0.19′ (Moon) and 1.5′ (Saturn) off.
// Accuracy, 2000 .. 2050, measured against independent references (the
// USNO's and JPL Horizons's tables, pyephem, the astronomical-almanac program
// `aa`; tests/nav/almanac_test.cpp): GHA and declination within 0.042′ for
// the Moon, 0.012′ for the Sun and planets; a star's GHA, SHA and
// declination within 0.03′ (Polaris's GHA within 0.033′, which is 0.0004′ on
// the sky); HP and SD within 0.006′. GHA assumes the DUT1 given (each
// second wrong is 0.25′).
//
// Speed (CPU time on the machine the tests run on, bench/celestial_bench):
// an Almanac is set up (one precession-nutation, sidereal time and Earth
// ephemeris) in 0.08 ms; a star's place costs about a microsecond, the
// Moon's some 40; the page of every body 0.18 ms. The Swiss Ephemeris keeps
// its state per thread on Linux (one state for the process on Windows, so
// use an almanac from one thread at a time).
#pragma once

#include <memory>
#include <optional>

#include "nav/astro_time.h"
#include "nav/celestial_bodies.h"

namespace nav {

inline constexpr double kEarthEquatorialRadiusKm = 6378.137;  // WGS-84
inline constexpr double kKilometresPerAu = 149597870.7;
inline constexpr double kMoonSemidiameterPerParallax = 0.2724;
inline constexpr double kSunSemidiameterAtOneAu = 15.0 + 59.63 / 60;  // arc-minutes

struct BodyPlace {
    double gha = 0;
    double declination = 0;
    double rightAscension = 0;
    std::optional<double> sha;  // stars
    std::optional<double> hp;   // Sun, Moon, Venus, Mars
    std::optional<double> sd;   // Sun, Moon
    double distance = 0;        // km from the Earth's centre; 0 for a star
};

class Almanac {
public:
    explicit Almanac(const Instant& instant);

    const Instant& instant() const noexcept { return instant_; }
    double ariesGha() const noexcept { return ariesGha_; }

    // Throws std::runtime_error only if the ephemeris fails, which it does
    // not for any instant of the almanac's years.
    BodyPlace place(const Body& body) const;

    // The body's visual magnitude: a star's the catalogue's, the Sun's,
    // Moon's and planets' the ephemeris's for the instant (its phase and
    // distances). Throws as place.
    double magnitude(const Body& body) const;

private:
    struct StarFrame;  // ERFA's astrometry of the date, shared by the stars
    BodyPlace starPlace(const Body& body) const;
    BodyPlace solarSystemPlace(const Body& body) const;

    Instant instant_;
    double ariesGha_ = 0;
    std::shared_ptr<const StarFrame> stars_;
};

}  // namespace nav
