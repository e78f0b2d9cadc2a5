// SPDX-License-Identifier: GPL-3.0-or-later
// What celestial navigation's reports say to a navigator, every step a hand
// reduction has, in the words both the command line (tarnquil --almanac,
// --sight, --latitude, --compass-error, --rise-set, --stars, --identify)
// and the 天文航海 window show: the window's result fields hold these texts
// as the terminal prints them, laid out by report_lines.h. The command
// line's JSON of the same questions is cli/celestial_report.h's.
//
// Angles as celestial_words.h writes them (123°45.6′, N22°41.2′), azimuths
// to 0.1° (nav::formatCourse), positions as the route prints them, times
// with the zone they were written in (2026-12-08 07:01:12 UTC+8), the
// times of rising and setting as the time of day in the zone asked for.
#pragma once

#include "nav/almanac.h"
#include "nav/celestial_latitude.h"
#include "nav/compass_error.h"
#include "nav/rise_set.h"
#include "nav/sight_reduction.h"
#include "nav/star_finder.h"

#include <QString>

#include <optional>
#include <vector>

namespace tarnquil {

// A time as given: the instant, and the zone it was written in.
struct GivenTime {
    nav::Instant instant = nav::Instant::fromUtc({});
    nav::TimeZone zone;
};

// "2026-12-08 09:30:15.5 UTC+8": in its zone, with the seconds' fraction
// when it has one.
QString givenTimeText(const GivenTime& time);

// Whether a sight of the body is of a limb (the Sun's and the Moon's).
bool hasLimb(const nav::Body& body);

// The time, DUT1 and GHA♈, then a row for each body: GHA, Dec, SHA (stars),
// HP (Sun, Moon, Venus, Mars) and SD (Sun, Moon) in arc-minutes.
QString almanacText(const nav::Almanac& almanac, nav::TimeZone zone,
                    const std::vector<const nav::Body*>& bodies);

struct SightQuestion {
    const nav::Body* body = nullptr;
    GivenTime time;
    double hs = 0;
    nav::Limb limb = nav::Limb::Centre;
    nav::SightConditions conditions;
    geo::GeoPoint at;
};

// Hs to Ho correction by correction, GHA, Dec, LHA, Hc, Zn and the intercept.
QString sightText(const SightQuestion& question, const nav::SightReduction& reduction);

// The sight's reduction, then the latitude by the meridian altitude (its
// rule) or by Polaris.
QString latitudeText(const SightQuestion& question, const nav::LatitudeSight& sight);

struct CompassQuestion {
    const nav::Body* body = nullptr;
    GivenTime time;
    geo::GeoPoint at;
    std::optional<double> variation;
};

// The true azimuth (by amplitude: Dec and the amplitude, E10.2°S), the
// bearing, the error (+1.5°（偏东 E）), and with a variation the deviation.
QString compassText(const CompassQuestion& question, const nav::CompassCheck& check);

struct RiseSetQuestion {
    int year = 0, month = 0, day = 0;
    nav::TimeZone zone;
    geo::GeoPoint at;
    double heightOfEye = 0;
};

// "2026-12-08".
QString riseSetDateText(const RiseSetQuestion& question);

// One of a day's events: its JSON member, its words, its time if it happens.
struct DayEvent {
    QString key;
    QString words;
    std::optional<nav::Instant> time;
};

// The day's events in the order of the day: dawn, sunrise, the Sun's
// meridian passage, sunset, dusk, then moonrise and moonset.
std::vector<DayEvent> dayEventsInOrder(const nav::DayEvents& events);

// Each event's time of day in the zone, or why there is none (无（终日在此高度以下）).
QString riseSetText(const RiseSetQuestion& question, const nav::DayEvents& events);

// The bodies between nav::kMinSightAltitude and nav::kMaxSightAltitude in
// order of Zn with Hc and magnitude, and the best three and four for a fix.
QString starsText(const GivenTime& time, geo::GeoPoint at, const std::vector<nav::SkyBody>& sky);

// How many bodies the best sets for a fix hold.
inline constexpr int kBestThree = 3;
inline constexpr int kBestFour = 4;

// The bodies within nav::kIdentifyRadius of the altitude and azimuth,
// nearest first, or what to check when there is none.
QString identifyText(const GivenTime& time, geo::GeoPoint at, double altitude, double azimuth,
                     const std::vector<nav::Candidate>& candidates);

}  // namespace tarnquil
