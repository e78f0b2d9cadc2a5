// SPDX-License-Identifier: GPL-3.0-or-later
// Typed failures of the navigation layer.
//
// Nothing in nav reports a failure as a NaN or an infinity: it throws one of
// these, and the caller tells the user which value was refused.
#pragma once

#include <stdexcept>

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
};

class CurrentError : public std::domain_error {
public:
    explicit CurrentError(CurrentRefusal reason)
        : std::domain_error("no course to steer or current"), reason_(reason) {}
    CurrentRefusal reason() const noexcept { return reason_; }

private:
    CurrentRefusal reason_;
};

}  // namespace nav
