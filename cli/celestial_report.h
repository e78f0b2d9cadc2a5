// SPDX-License-Identifier: GPL-3.0-or-later
// What the celestial commands print (celestial_commands.h): as text for the
// navigator, every step a hand reduction has, or with --json as one JSON
// object for another program.
//
// JSON, as the great-circle report writes it: numbers are the shortest
// texts that read back as the same double; angles (GHA, SHA, declination,
// altitudes, azimuths, LHA, the compass error, the variation, the
// deviation, a latitude) in decimal degrees, north and east positive;
// corrections (dip, refraction, parallax, semidiameter, index correction)
// and HP and SD in arc-minutes, signed as applied; the intercept in n mile,
// positive toward the body; times "YYYY-MM-DD HH:MM:SS" and their zone
// ("2026-12-08 09:30:15 UTC", "2026-12-08 07:01:12 UTC+8"), the time given
// in the zone it was written in. A body is named by `name` (English, as the
// Nautical Almanac spells it) and `chinese`. A member that does not apply is
// left out, not written null; the times of rising and setting that do not
// happen that day are null.
#pragma once

#include "nav/almanac.h"
#include "nav/celestial_latitude.h"
#include "nav/compass_error.h"
#include "nav/rise_set.h"
#include "nav/sight_reduction.h"
#include "nav/star_finder.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace tarnquil {

// A time as given: the instant, and the zone it was written in.
struct GivenTime {
    nav::Instant instant = nav::Instant::fromUtc({});
    nav::TimeZone zone;
};

// --almanac: `time`, `dut1`, `aries {gha}`, `bodies [{name, chinese, gha,
// dec, sha (stars), hp (Sun, Moon, Venus, Mars), sd (Sun, Moon)}]`.
QString almanacText(const nav::Almanac& almanac, nav::TimeZone zone,
                    const std::vector<const nav::Body*>& bodies);
QByteArray almanacJson(const nav::Almanac& almanac, nav::TimeZone zone,
                       const std::vector<const nav::Body*>& bodies);

struct SightQuestion {
    const nav::Body* body = nullptr;
    GivenTime time;
    double hs = 0;
    nav::Limb limb = nav::Limb::Centre;
    nav::SightConditions conditions;
    geo::GeoPoint at;
};

// --sight: `body {name, chinese}`, `time`, `limb` ("lower", "upper" or
// "centre"), `hs`, `indexCorrection`, `dip`, `ha`, `refraction`, `parallax`
// (the Moon's oblateness included), `semidiameter`, `ho`, `gha`, `dec`,
// `lha`, `hc`, `zn`, `intercept`.
QString sightText(const SightQuestion& question, const nav::SightReduction& reduction);
QByteArray sightJson(const SightQuestion& question, const nav::SightReduction& reduction);

// --latitude: `body`, `time`, `method` ("meridian" or "polaris"),
// `latitude`, `ho`, `dec`, `lha`; by meridian altitude also `transit`
// ("upper" or "lower"), `transitTime` (UTC), `minutesFromTransit` (signed,
// after positive), `transitDec` and `zenithDistance`.
QString latitudeText(const SightQuestion& question, const nav::LatitudeSight& sight);
QByteArray latitudeJson(const SightQuestion& question, const nav::LatitudeSight& sight);

struct CompassQuestion {
    const nav::Body* body = nullptr;
    GivenTime time;
    geo::GeoPoint at;
    std::optional<double> variation;
};

// --compass-error: `body`, `time`, `method` ("azimuth" or "amplitude"),
// `zn` (the true azimuth compared), `bearing`, `error` (E positive),
// `altitude` (the body's true altitude at the time), `amplitude {angle,
// side ("E" rising, "W" setting), pole ("N" or "S")}` by amplitude,
// `variation` and `deviation` when --variation is given.
QString compassText(const CompassQuestion& question, const nav::CompassCheck& check);
QByteArray compassJson(const CompassQuestion& question, const nav::CompassCheck& check);

struct RiseSetQuestion {
    int year = 0, month = 0, day = 0;
    nav::TimeZone zone;
    geo::GeoPoint at;
    double heightOfEye = 0;
};

// --rise-set: `date`, `zone`, `sunrise`, `sunset`, `civilDawn`, `civilDusk`,
// `nauticalDawn`, `nauticalDusk`, `meridianPassage`, `moonrise`, `moonset`
// (each a time in the zone, or null), and `allDay {sun, civil, nautical,
// moon}`, each "above" or "below", for those that neither rise nor set.
QString riseSetText(const RiseSetQuestion& question, const nav::DayEvents& events);
QByteArray riseSetJson(const RiseSetQuestion& question, const nav::DayEvents& events);

// --stars: `time`, `stars [{name, chinese, hc, zn, magnitude, planet}]` in
// order of Zn, `best [names]` (the best three for a fix) and `bestFour
// [names]`, names in English; `planet` is true for Venus, Mars, Jupiter
// and Saturn.
QString starsText(const GivenTime& time, geo::GeoPoint at, const std::vector<nav::SkyBody>& sky);
QByteArray starsJson(const GivenTime& time, const std::vector<nav::SkyBody>& sky);

// --identify: `time`, `altitude`, `azimuth` (as given), `candidates [{name,
// chinese, hc, zn, separation, magnitude, planet}]`, nearest first; empty
// when no body stands within nav::kIdentifyRadius.
QString identifyText(const GivenTime& time, geo::GeoPoint at, double altitude, double azimuth,
                     const std::vector<nav::Candidate>& candidates);
QByteArray identifyJson(const GivenTime& time, double altitude, double azimuth,
                        const std::vector<nav::Candidate>& candidates);

}  // namespace tarnquil
