// SPDX-License-Identifier: GPL-3.0-or-later
// Leeway and current (风流压): dead reckoning with wind and current (推算),
// the course to steer to make good a track against them (预配), and the
// current found from two fixes (求流), on one figure of the Earth.
//
// Definitions and signs, the textbook's:
//   TC  真航向      the ship's head, degrees true.
//   CA  风中航迹向  the track through the water, leeway included.
//   CG  推算航迹向  the track over the ground.
//   α   风压差      CA − TC. Positive with the wind on the port side
//                   (左舷受风 α 为正): the wind blows the ship to starboard,
//                   so her track through the water lies to the right of her
//                   head. Wind on the starboard side gives a negative α.
//   β   流压差      CG − CA. Positive with the current setting from port
//                   (左舷受流 β 为正), negative setting from starboard.
//   γ   风流压差    CG − TC = α + β.
//   流向 (set)      the direction the current sets TOWARD, degrees true: a
//                   current setting 090 carries the ship eastward (a wind is
//                   named the other way, by where it blows from).
//   流速 (rate)     the current's speed, knots.
//   V               the speed through the water: the log's speed corrected
//                   by the log correction.
//   ΔL 计程仪改正率 per cent: the distance run is S = (L₂ − L₁)(1 + ΔL) for
//                   the log readings L₁ and L₂, and the log's speed is
//                   corrected alike, V = log speed × (1 + ΔL). ΔL = −2 (%) is
//                   a log that reads 2 % more than the ship runs.
//   VG              the ground speed, knots.
//
// Units and forms: angles in degrees, speeds in knots, distances in n mile
// (1852 m), times in hours. Courses (TC, CA, CG, the set) come out in
// [0, 360) as Earth writes them, north as 0, never 360; α, β and γ are
// signed, β and γ in (−180, 180] (a current stronger than the ship and
// setting dead astern turns her track about: β = 180).
//
// The velocities are added as plane vectors in the ship's horizon, east and
// north components, as the current triangle is drawn on the chart; sines
// and cosines are taken of the degrees exactly (GeographicLib::Math::sincosd
// and atan2d), so that a current exactly abeam has no component along the
// track, not 6e-17 of one. Positions come from a rhumb line run on the
// Earth given, WGS-84 or the sphere (Earth::deadReckoning and Earth::leg,
// that is GeographicLib::Rhumb), exact to its nanometres.
//
// Input ranges, each refused with RangeError (errors.h), in the order
// listed, the first one out of range:
//   a position: as checkPosition (earth.h);
//   TC or the intended CG: finite, 0 .. 360, 360 being north
//     (Quantity::Course): 0, 359.9, 360; not -0.1, 360.5, NaN;
//   α: finite, −kMaxLeeway .. kMaxLeeway (Quantity::Leeway): −45, 0, 3.5,
//     45; not 45.5, −50, NaN;
//   the log's speed: finite knots above zero (Quantity::Speed): 0.1, 12;
//     not 0, −3, inf;
//   ΔL: finite, −kMaxLogCorrection .. kMaxLogCorrection per cent
//     (Quantity::LogCorrection): −3.5, 0, 2, 50; not −50.5, 60, NaN;
//   the set: finite, 0 .. 360 (Quantity::CurrentSet): 0, 225, 360; not
//     -1, 361;
//   the rate: finite knots, zero or more (Quantity::CurrentRate): 0, 2.5;
//     not −0.5, inf. A rate of 0 is no current, whatever the set;
//   the hours of a dead reckoning: finite, zero or more (Quantity::Hours).
// Speeds so large that their sum overflows are refused as Quantity::Speed
// with the log's speed.
#pragma once

#include <optional>

#include "geo/angle.h"
#include "nav/astro_time.h"
#include "nav/clock_time.h"
#include "nav/earth.h"
#include "nav/errors.h"
#include "nav/leg.h"

namespace nav {

// The largest leeway accepted, degrees either way. A ship making more than
// 45 degrees of leeway is not under command in any sense a course helps,
// and the bound keeps the track through the water forward of her beam.
inline constexpr double kMaxLeeway = 45;

// The largest log correction accepted, per cent either way. A log out by
// half its reading is broken rather than in need of a correction, and the
// bound keeps the speed through the water above zero.
inline constexpr double kMaxLogCorrection = 50;

// How the ship is steered: TC and the leeway α she makes on it.
struct Steering {
    double course = 0;  // TC, degrees true
    double leeway = 0;  // α, degrees, positive with the wind on the port side
};

// The log: the speed it shows and its correction ΔL.
struct LogSpeed {
    double knots = 0;       // by the log, through the water
    double correction = 0;  // ΔL, per cent
};

// A current (潮流, 海流): where it sets and how fast.
struct Current {
    double set = 0;   // 流向, degrees true, the direction it sets toward
    double rate = 0;  // 流速, knots
};

// A reading of the log corrected: `byLog` × (1 + correction / 100), for a
// distance (L₂ − L₁) or a speed. With a correction of 0 it is `byLog`
// itself, to the bit.
//   throughWater(20, -2) -> 19.6    throughWater(12, 0) -> 12
// Throws RangeError (Quantity::LogCorrection) for a correction out of
// range; `byLog` is the caller's to check.
double throughWater(double byLog, double correction);

// 推算: wind first, then current.
//   CA = TC + α;
//   the ground velocity is V along CA plus the current: east V sin CA +
//     rate sin set, north V cos CA + rate cos set; CG is its direction, VG
//     its length, β = CG − CA, γ = α + β;
//   distance = VG × hours, run along CG on a rhumb line from `from`.
// With no current (rate 0) CG is CA and VG is V exactly, so that with
// neither current nor leeway the position is
// Earth::deadReckoning(from, TC, V × hours, Method::Rhumb) to the bit. A
// ship whose water velocity the current cancels exactly (heading 090 at
// 3 kn into a current setting 270 at 3 kn) makes no way over the ground:
// VG is 0, the position is `from` as Earth::deadReckoning writes it after
// a run of 0, and she has no CG, β or γ.
//   30N 122E, TC 030, log 12 kn, ΔL −2 %, α +3 (wind on port), current
//   setting 120 at 2 kn, 2 h -> V 11.76, CA 033, CG 042.555, VG 12.032,
//   β +9.555 (setting from port), γ +12.555, 24.063 n mile over the
//   ground, DR 30.29613N 122.31284E on WGS-84
struct CurrentReckoning {
    double ca = 0;
    std::optional<double> cg;  // empty when VG is 0
    double groundSpeed = 0;    // VG
    double alpha = 0;          // α as given
    std::optional<double> beta;   // empty when VG is 0
    std::optional<double> gamma;  // empty when VG is 0
    double distance = 0;          // over the ground, n mile
    geo::GeoPoint position;       // the DR (推算船位)
};

// Throws RangeError as above, Quantity::Distance with the distance over the
// ground when it exceeds kMaxRun, and PoleError for a run through a pole
// (Earth::deadReckoning).
CurrentReckoning reckonWithCurrent(const Earth& earth, geo::GeoPoint from, Steering steering,
                                   LogSpeed log, Current current, double hours);

// 预配: current first, then wind, for an intended track CG.
//   CA = CG − asin(rate sin(set − CG) / V);
//   VG = V cos(CA − CG) + rate cos(set − CG);
//   TC = CA − α.
// Of the two headings whose track through the water and the current make
// good CG, this is the one with CA within 90 degrees of CG, the one that
// goes forward. It is worked as β = atan2(c, √((V − |c|)(V + |c|))) with
// c = rate sin(set − CG), the same angle as asin(c / V) without the asin's
// loss of digits near ±90.
//   track 045, V 10 kn, α −2 (wind on starboard), current setting 135 at
//   3 kn -> CA 027.542, TC 029.542, VG 9.539, β +17.458, γ +15.458
// Throws CurrentError: TrackNotHeld when |rate sin(set − CG)| > V,
// NoWayMadeGood when VG ≤ 0 (a current exactly abeam as fast as the ship
// among them: she would head straight across it and make no way along the
// track). Throws RangeError as above.
struct CourseToSteer {
    double tc = 0;
    double ca = 0;
    double groundSpeed = 0;  // VG along the track
    double alpha = 0;        // α as given
    double beta = 0;
    double gamma = 0;
};

CourseToSteer courseToSteer(double track, LogSpeed log, double leeway, Current current);

// 求流: the current that set the ship from `fix1` to `fix2` in `hours`.
// From fix 1 the DR at the time of fix 2 is worked with TC, α and the log's
// speed with ΔL and no current: CA = TC + α run at V for the hours on a
// rhumb line. The current is what carried the ship from that DR to fix 2:
// the set is the course of the rhumb line from the DR to fix 2 and the
// drift its length over the hours. The rhumb line because a current of
// constant set carries the ship on one, as the DR runs on one, and it is
// the straight line from the DR to the fix on a Mercator chart, where the
// navigator measures it; GeographicLib solves it exactly on both models.
// 推算 with the current found comes back to fix 2 to tens of metres over a
// watch, not to the nanometre (37.8 m after 40 n mile with 6.2 n mile of
// current at 30N): 推算 adds the current to the water track as a plane
// vector, while 求流 measures it along the Earth.
// With the DR on fix 2 there is no current: drift 0, set 000.
//   fix 1 30N 122E, fix 2 29.9N 122.8E four hours later, TC 090, log
//   10 kn, α 0, ΔL 0 -> the DR 30N 122.7678E (40 n mile east of fix 1),
//   set 164.325, drift 1.554 kn (6.217 n mile in the four hours)
struct FoundCurrent {
    double set = 0;       // degrees true, toward
    double drift = 0;     // knots
    double ca = 0;        // TC + α, the track the DR was run on
    geo::GeoPoint dr;     // the DR at the time of fix 2, without current
    double hours = 0;     // from fix 1 to fix 2
    double distance = 0;  // n mile the current carried the ship: the DR to fix 2
};

// Throws CurrentError (TimeNotForward) for hours zero or less, RangeError
// for the positions, steering and log as above and Quantity::Hours for
// hours that are not finite, Quantity::Distance when the run exceeds
// kMaxRun, and PoleError for a DR through a pole.
FoundCurrent currentFromFixes(const Earth& earth, geo::GeoPoint fix1, geo::GeoPoint fix2,
                              double hours, Steering steering, LogSpeed log);

// The same between clock times (clock_time.h): fix 2 taken at `time2`,
// fix 1 at `time1`; TimeNotForward unless time2 is later than time1.
FoundCurrent currentFromFixes(const Earth& earth, geo::GeoPoint fix1, ClockTime time1,
                              geo::GeoPoint fix2, ClockTime time2, Steering steering,
                              LogSpeed log);

// The same between instants of the almanac's time (astro_time.h), as the
// fixes' times are read with their zones: the hours are the SI seconds
// between them over 3600, a leap second between them counted;
// TimeNotForward unless `time2` is later than `time1`.
//   fix 1 at 2026-12-08 08:00 UTC+8, fix 2 at 2026-12-08 12:00 UTC+8 -> 4 h
FoundCurrent currentFromFixes(const Earth& earth, geo::GeoPoint fix1, const Instant& time1,
                              geo::GeoPoint fix2, const Instant& time2, Steering steering,
                              LogSpeed log);

// What a leg of a route may carry: the current expected on it and the
// leeway the ship makes there.
struct LegCurrent {
    Current current;
    double leeway = 0;  // α
};

// A rhumb leg sailed against its current: the course to steer to make good
// the leg's course (courseToSteer), the ground speed along it and the hours
// the leg takes at that speed (its distance over VG), so that a route can
// time its legs by ground speed. A leg whose track cannot be held, or that
// no finite time covers, is not thrown but named, so that a route shows
// the reason in the leg's row: `steer` and `hours` are then empty and
// `refusal` says why (TrackNotHeld, NoWayMadeGood). A great circle's
// course changes along it; work it leg by leg of its rhumb-line sailing
// (great_circle.h), whose legs are rhumb legs.
//   a leg of 40 n mile on 045, log 10 kn, the current 135 at 3 kn, α −2
//     -> steer 029.542, VG 9.539, 4.193 h
//   the same with the current at 12 kn -> refusal TrackNotHeld
struct LegUnderCurrent {
    std::optional<CourseToSteer> steer;
    std::optional<double> hours;
    std::optional<CurrentRefusal> refusal;
};

// Throws RangeError as courseToSteer does for the leg's course, the log and
// the current, and Quantity::Distance for a distance not finite or negative.
LegUnderCurrent legUnderCurrent(const RhumbLeg& leg, LogSpeed log, const LegCurrent& current);

}  // namespace nav
