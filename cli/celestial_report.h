// SPDX-License-Identifier: GPL-3.0-or-later
// What the celestial commands print with --json (celestial_commands.h): one
// JSON object for another program; without it they print the navigator's
// text, text/celestial_report.h.
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

#include "text/celestial_report.h"

#include <QByteArray>

#include <vector>

namespace tarnquil {

// --almanac: `time`, `dut1`, `aries {gha}`, `bodies [{name, chinese, gha,
// dec, sha (stars), hp (Sun, Moon, Venus, Mars), sd (Sun, Moon)}]`.
QByteArray almanacJson(const nav::Almanac& almanac, nav::TimeZone zone,
                       const std::vector<const nav::Body*>& bodies);

// --sight: `body {name, chinese}`, `time`, `limb` ("lower", "upper" or
// "centre"), `hs`, `indexCorrection`, `dip`, `ha`, `refraction`, `parallax`
// (the Moon's oblateness included), `semidiameter`, `ho`, `gha`, `dec`,
// `lha`, `hc`, `zn`, `intercept`.
QByteArray sightJson(const SightQuestion& question, const nav::SightReduction& reduction);

// --latitude: `body`, `time`, `method` ("meridian" or "polaris"),
// `latitude`, `ho`, `dec`, `lha`; by meridian altitude also `transit`
// ("upper" or "lower"), `transitTime` (UTC), `minutesFromTransit` (signed,
// after positive), `transitDec` and `zenithDistance`.
QByteArray latitudeJson(const SightQuestion& question, const nav::LatitudeSight& sight);

// --compass-error: `body`, `time`, `method` ("azimuth" or "amplitude"),
// `zn` (the true azimuth compared), `bearing`, `error` (E positive),
// `altitude` (the body's true altitude at the time), `amplitude {angle,
// side ("E" rising, "W" setting), pole ("N" or "S")}` by amplitude,
// `variation` and `deviation` when --variation is given.
QByteArray compassJson(const CompassQuestion& question, const nav::CompassCheck& check);

// --rise-set: `date`, `zone`, `sunrise`, `sunset`, `civilDawn`, `civilDusk`,
// `nauticalDawn`, `nauticalDusk`, `meridianPassage`, `moonrise`, `moonset`
// (each a time in the zone, or null), and `allDay {sun, civil, nautical,
// moon}`, each "above" or "below", for those that neither rise nor set.
QByteArray riseSetJson(const RiseSetQuestion& question, const nav::DayEvents& events);

// --stars: `time`, `stars [{name, chinese, hc, zn, magnitude, planet}]` in
// order of Zn, `best [names]` (the best three for a fix) and `bestFour
// [names]`, names in English; `planet` is true for Venus, Mars, Jupiter
// and Saturn.
QByteArray starsJson(const GivenTime& time, const std::vector<nav::SkyBody>& sky);

// --identify: `time`, `altitude`, `azimuth` (as given), `candidates [{name,
// chinese, hc, zn, separation, magnitude, planet}]`, nearest first; empty
// when no body stands within nav::kIdentifyRadius.
QByteArray identifyJson(const GivenTime& time, double altitude, double azimuth,
                        const std::vector<nav::Candidate>& candidates);

}  // namespace tarnquil
