// SPDX-License-Identifier: GPL-3.0-or-later
// Rising, setting and twilight (日出没, 晨昏蒙影) for a date and a position,
// and the meridian passage (中天) of a body.
//
// For the calendar day 00:00 .. 24:00 of a zone (time_zone.h) at a
// position, the first time the centre of the body, as the almanac places it
// (geocentric true altitude), rises through or sets below:
//   sunrise, sunset: -50′ (the horizon's refraction 34′ and the Sun's
//     semidiameter 16′, the almanac's convention), lowered by the dip
//     1.76′ sqrt(h) for a height of eye h;
//   civil twilight: -6°; nautical twilight: -12° (no dip: twilight is the
//     Sun's depression, not a horizon seen);
//   moonrise, moonset: 0.7276 HP - 34′, lowered by the dip: the Moon's
//     upper limb on the horizon, which is its centre 34′ (refraction) plus
//     its semidiameter 0.2724 HP below the horizon as seen from the
//     surface, and HP higher seen from the Earth's centre (its parallax at
//     the horizon), with HP the Moon's at each instant, as the almanac's
//     moonrise tables take it;
//   the Sun's meridian passage: its upper transit, LHA = 0, at the
//     position's longitude.
// Where the body does not cross that altitude that day the time is empty,
// and `allDay` says whether it stayed above (polar day, the Sun's; a Moon
// that never set) or below (polar night).
//
// How: the altitude is sampled every kRiseSetStep from the start of the day
// to its end, each crossing found by bisection to under a second, and each
// maximum and minimum between samples sought (golden section), so that a
// Sun that grazes the altitude between two samples is not missed. The
// times are UTC instants; the zone only sets the day.
//
// Accuracy: the crossings are found to half a second for the altitudes
// above; measured within 4 s of pyephem's for the same definitions (to 70°
// of latitude) and within 45 s of USNO's tables, which round to the minute.
// Near the poles a rising grazes the horizon and its time is ill-defined.
//
// Speed: a day's events cost some 30 ms of CPU (bench/celestial_bench).
#pragma once

#include <chrono>
#include <optional>

#include "geo/angle.h"
#include "nav/almanac.h"

namespace nav {

inline constexpr double kSunriseAltitude = -50.0 / 60;  // degrees
inline constexpr double kCivilTwilightAltitude = -6;
inline constexpr double kNauticalTwilightAltitude = -12;
inline constexpr double kHorizonRefraction = 34.0 / 60;  // degrees
inline constexpr std::chrono::seconds kRiseSetStep{600};

enum class Transit { Upper, Lower };

// The transit (LHA 0 upper, 180 lower) at `longitude` nearest `near`, by
// Newton's method on the body's GHA: exact to some milliseconds.
Instant transitNear(const Body& body, const Instant& near, double longitude, Transit transit);

enum class AllDay { No, Above, Below };

struct Crossings {
    std::optional<Instant> rise;  // sunrise, dawn, moonrise
    std::optional<Instant> set;   // sunset, dusk, moonset
    AllDay allDay = AllDay::No;   // Above or Below only when neither happens
};

struct DayEvents {
    Crossings sun;       // sunrise and sunset
    Crossings civil;     // civil dawn and dusk
    Crossings nautical;  // nautical dawn and dusk
    Crossings moon;      // moonrise and moonset
    std::optional<Instant> meridianPassage;  // the Sun's
};

// The events of the day year-month-day (00:00 .. 24:00 of `zone`) at
// `position`. Throws RangeError for a position as checkPosition (earth.h), a
// height of eye as checkSightConditions (sight_reduction.h) and a DUT1 as
// Instant::fromUtc, TimeError for a date that does not exist.
DayEvents dayEvents(int year, int month, int day, TimeZone zone, geo::GeoPoint position,
                    double heightOfEye = 0, double dut1 = 0);

}  // namespace nav
