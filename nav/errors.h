// SPDX-License-Identifier: GPL-3.0-or-later
// Typed failures of the navigation layer.
//
// Nothing in nav reports a failure as a NaN or an infinity: it throws one of
// these, and the caller tells the user which value was refused.
#pragma once

#include <stdexcept>
#include <string>
#include <utility>

#include "nav/utc_time.h"

namespace nav {

// Which input a RangeError refuses, and what it must be.
enum class Quantity {
    Latitude,   // finite, -90 .. 90 degrees
    Longitude,  // finite, -180 .. 180 degrees
    Course,     // finite, 0 .. 360 degrees true
    Distance,   // finite, not negative; a dead reckoning run at most kMaxRun
    Speed,      // finite knots above zero, whose times under way are finite
    Hours,      // a time under way: finite, not negative
    MeridianInterval,  // between a great circle's meridians: finite, at least 1′
    Bearing,          // a bearing of a mark: finite, 0 .. 360 degrees
    Range,            // a range of a mark: finite n mile above 0, at most kMaxSightDistance
    HorizontalAngle,  // a horizontal angle between two marks: finite, 0 .. 360 degrees
    CompassError,     // a compass error: finite, -180 .. 180 degrees, east positive
    Leeway,          // a leeway (风压差): finite, -kMaxLeeway .. kMaxLeeway degrees
    CurrentSet,      // a current's set (流向): finite, 0 .. 360 degrees true
    CurrentRate,     // a current's rate (流速): finite knots, not negative
    LogCorrection,   // a log correction (计程仪改正率): finite, -kMaxLogCorrection ..
                     // kMaxLogCorrection per cent
    // Celestial navigation (sight_reduction.h, compass_error.h):
    HeightOfEye,      // finite metres, 0 .. kMaxHeightOfEye
    Altitude,         // an altitude observed: finite, 0 .. 90 degrees
    ObservedAltitude,  // Ho, corrected: finite, kLowestSightAltitude .. 90 degrees
    IndexCorrection,  // finite arc-minutes, -kMaxIndexCorrection .. kMaxIndexCorrection
    Temperature,      // finite degrees Celsius, kMinTemperature .. kMaxTemperature
    Pressure,         // finite hPa, kMinPressure .. kMaxPressure
    Dut1,             // UT1 - UTC: finite seconds, -kMaxDut1 .. kMaxDut1
    Variation,        // a magnetic variation: finite, -180 .. 180 degrees, east positive
};

// An input outside the range its quantity allows; carries the value refused.
class RangeError : public std::domain_error {
public:
    RangeError(Quantity quantity, double value)
        : std::domain_error("value out of range"), quantity_(quantity), value_(value) {}
    Quantity quantity() const noexcept { return quantity_; }
    double value() const noexcept { return value_; }

private:
    Quantity quantity_;
    double value_;
};

// A rhumb line run into a pole (or started at one on a course other than due
// north or south): its longitude there is undefined, so no position is given.
class PoleError : public std::domain_error {
public:
    PoleError() : std::domain_error("rhumb line through a pole") {}
};

// Why there is no fix (fix.h). The window and the command line word each
// reason.
enum class NoFixReason {
    TooFewObservations,  // fewer than two observations
    CoincidentMarks,     // a horizontal angle between a mark and itself
    ParallelBearings,    // two bearings equal or reciprocal (to 1e-9 in their sine)
                         // that meet nowhere within sight: 两方位线平行，无交点
    RangeCirclesApart,   // two range circles that do not meet: 两距离圆不相交
    LinesApart,          // any other two position lines that do not meet, as
                         // bearing lines meeting only behind their marks
    Indeterminate,       // the lines coincide, or their least squares lead
                         // nowhere or only behind a mark
    TooFar,              // the lines meet only where a mark used lies farther
                         // than kMaxSightDistance from the ship
    NoAssumedPosition,   // an altitude without the assumed position (the DR,
                         // `near`) its line is drawn from
};

class NoFixError : public std::domain_error {
public:
    explicit NoFixError(NoFixReason reason)
        : std::domain_error("no fix"), reason_(reason) {}
    NoFixReason reason() const noexcept { return reason_; }

private:
    NoFixReason reason_;
};

// Why leeway_and_current.h finds no course to steer or no current. The
// window and the command line word each reason.
enum class CurrentRefusal {
    TrackNotHeld,    // the current across the track is faster than the ship
                     // through the water: no heading holds the track
    NoWayMadeGood,   // the track can be held, but the ground speed along it is
                     // zero or less: the current ahead is as fast as the ship
                     // or faster (a current exactly abeam and as fast as the
                     // ship among them)
    TimeNotForward,  // the second fix is not later than the first
    GreatCircleLeg,  // a route's leg by great circle, whose course changes
                     // along it: a current is worked on rhumb legs
};

class CurrentError : public std::domain_error {
public:
    explicit CurrentError(CurrentRefusal reason)
        : std::domain_error("no course to steer or current"), reason_(reason) {}
    CurrentRefusal reason() const noexcept { return reason_; }

private:
    CurrentRefusal reason_;
};

// A body's name that names no body of the almanac (celestial_bodies.h).
class UnknownBodyError : public std::invalid_argument {
public:
    explicit UnknownBodyError(std::string name)
        : std::invalid_argument("unknown body"), name_(std::move(name)) {}
    const std::string& name() const noexcept { return name_; }

private:
    std::string name_;
};

// A date and time that is no instant of the almanac (astro_time.h).
enum class TimeProblem {
    NoSuchTime,  // no such date or time of day: 2025-02-29, 24:00, 23:59:60 of a day without a leap second
    OutOfRange,  // a year outside kFirstAlmanacYear .. kLastAlmanacYear
};

class TimeError : public std::domain_error {
public:
    explicit TimeError(TimeProblem problem)
        : std::domain_error("no such time"), problem_(problem) {}
    TimeProblem problem() const noexcept { return problem_; }

private:
    TimeProblem problem_;
};

// Why a sight or a compass check gives no answer. The window and the command
// line word each reason; `value` and `time` are what the words need.
enum class CelestialRefusal {
    // The body's altitude at the assumed position and time, `value` degrees,
    // is below kLowestSightAltitude: it cannot have been observed there.
    BelowHorizon,
    // A latitude by meridian altitude at a time `value` minutes (signed,
    // positive after) from the body's transit at the longitude given,
    // farther than kMaxMinutesFromTransit; `time` is the transit (UTC).
    FarFromTransit,
    // No latitude makes the body's altitude the one observed at that hour
    // angle (an altitude above the highest the body reaches there, or a
    // Polaris altitude in the southern hemisphere); `value` is Ho, degrees.
    NoLatitude,
    // An amplitude of a body that neither rises nor sets at that latitude
    // (circumpolar or never risen); `value` is its declination, degrees.
    NeverOnHorizon,
    // An amplitude at a time when the body is `value` degrees high, farther
    // from the horizon than kMaxAmplitudeAltitude: not rising or setting.
    NotOnHorizon,
};

class CelestialError : public std::domain_error {
public:
    CelestialError(CelestialRefusal reason, double value, UtcTime time = {})
        : std::domain_error("celestial refusal"), reason_(reason), value_(value), time_(time) {}
    CelestialRefusal reason() const noexcept { return reason_; }
    double value() const noexcept { return value_; }
    const UtcTime& time() const noexcept { return time_; }

private:
    CelestialRefusal reason_;
    double value_;
    UtcTime time_;
};

}  // namespace nav
