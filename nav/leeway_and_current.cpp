// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/leeway_and_current.h"

#include <chrono>
#include <cmath>

#include "nav/errors.h"
#include "nav/solvers.h"

namespace nav {

namespace {

using GeographicLib::Math;

constexpr double kPerCent = 100;
constexpr double kFullCircle = 360;
constexpr double kHalfCircle = 180;
constexpr double kSecondsPerHour = 3600;

// Any angle as a course in [0, 360), as Earth writes courses.
double courseFrom(double degrees)
{
    return courseOf(Math::AngNormalize(degrees));
}

// Any angle as a signed difference in (-180, 180], -0 as 0.
double signedAngle(double degrees)
{
    const double reduced = Math::AngNormalize(degrees);
    return reduced <= -kHalfCircle ? kHalfCircle : reduced + 0.0;
}

void checkDirection(double degrees, Quantity quantity)
{
    // The negated comparisons refuse NaN too.
    if (!(degrees >= 0 && degrees <= kFullCircle))
        throw RangeError(quantity, degrees);
}

void checkSteering(Steering steering)
{
    checkDirection(steering.course, Quantity::Course);
    if (!(std::fabs(steering.leeway) <= kMaxLeeway))
        throw RangeError(Quantity::Leeway, steering.leeway);
}

void checkCurrent(Current current)
{
    checkDirection(current.set, Quantity::CurrentSet);
    if (!(current.rate >= 0 && std::isfinite(current.rate)))
        throw RangeError(Quantity::CurrentRate, current.rate);
}

// V: the log's speed, checked and corrected.
double speedThroughWater(LogSpeed log)
{
    if (!(log.knots > 0 && std::isfinite(log.knots)))
        throw RangeError(Quantity::Speed, log.knots);
    const double knots = throughWater(log.knots, log.correction);
    // A speed near the largest double overflows when corrected upwards.
    if (!std::isfinite(knots))
        throw RangeError(Quantity::Speed, log.knots);
    return knots;
}

// Refuses a speed that overflowed in a sum of velocities.
double finiteSpeed(double knots, LogSpeed log)
{
    if (!std::isfinite(knots))
        throw RangeError(Quantity::Speed, log.knots);
    return knots;
}

// V for finding a current, the fixes and the steering checked first.
double checkedForFixes(geo::GeoPoint fix1, geo::GeoPoint fix2, Steering steering, LogSpeed log)
{
    checkPosition(fix1);
    checkPosition(fix2);
    checkSteering(steering);
    return speedThroughWater(log);
}

}  // namespace

double throughWater(double byLog, double correction)
{
    if (!(std::fabs(correction) <= kMaxLogCorrection))
        throw RangeError(Quantity::LogCorrection, correction);
    return byLog * (1 + correction / kPerCent);
}

CurrentReckoning reckonWithCurrent(const Earth& earth, geo::GeoPoint from, Steering steering,
                                   LogSpeed log, Current current, double hours)
{
    checkPosition(from);
    checkSteering(steering);
    const double speed = speedThroughWater(log);
    checkCurrent(current);
    if (!(hours >= 0 && std::isfinite(hours)))
        throw RangeError(Quantity::Hours, hours);

    CurrentReckoning reckoning;
    reckoning.alpha = steering.leeway + 0.0;
    reckoning.ca = courseFrom(steering.course + steering.leeway);
    // Without a current the water track is the ground track, taken as it
    // is: through the components it would come back an ulp or so away.
    reckoning.cg = reckoning.ca;
    reckoning.groundSpeed = speed;
    if (current.rate != 0) {
        double sinCa = 0, cosCa = 0, sinSet = 0, cosSet = 0;
        Math::sincosd(reckoning.ca, sinCa, cosCa);
        Math::sincosd(current.set, sinSet, cosSet);
        const double east = speed * sinCa + current.rate * sinSet;
        const double north = speed * cosCa + current.rate * cosSet;
        reckoning.groundSpeed = finiteSpeed(std::hypot(east, north), log);
        if (reckoning.groundSpeed > 0)
            reckoning.cg = courseOf(Math::atan2d(east, north));
        else
            reckoning.cg.reset();
    }
    if (reckoning.cg) {
        reckoning.beta = signedAngle(Math::AngDiff(reckoning.ca, *reckoning.cg));
        reckoning.gamma = signedAngle(reckoning.alpha + *reckoning.beta);
    }
    reckoning.distance = reckoning.groundSpeed * hours;
    reckoning.position = earth.deadReckoning(from, reckoning.cg.value_or(reckoning.ca),
                                             reckoning.distance, Method::Rhumb);
    return reckoning;
}

CourseToSteer courseToSteer(double track, LogSpeed log, double leeway, Current current)
{
    checkSteering({track, leeway});
    const double speed = speedThroughWater(log);
    checkCurrent(current);

    // The current's components across the track (to starboard of it) and
    // along it.
    double sinOff = 0, cosOff = 0;
    Math::sincosd(Math::AngDiff(track, current.set), sinOff, cosOff);
    const double across = current.rate * sinOff;
    const double along = current.rate * cosOff;
    if (std::fabs(across) > speed)
        throw CurrentError(CurrentRefusal::TrackNotHeld);
    // The ship's own speed along the track, V cos(CA - CG), as a fraction
    // of V so that no square overflows: exactly V with no current across.
    const double fraction = std::fabs(across) / speed;
    const double shipAlong = speed * std::sqrt((1 - fraction) * (1 + fraction));

    CourseToSteer steer;
    steer.groundSpeed = finiteSpeed(shipAlong + along, log);
    if (!(steer.groundSpeed > 0))
        throw CurrentError(CurrentRefusal::NoWayMadeGood);
    steer.alpha = leeway + 0.0;
    steer.beta = Math::atan2d(across, shipAlong) + 0.0;
    steer.ca = courseFrom(track - steer.beta);
    steer.tc = courseFrom(steer.ca - steer.alpha);
    steer.gamma = signedAngle(steer.alpha + steer.beta);
    return steer;
}

FoundCurrent currentFromFixes(const Earth& earth, geo::GeoPoint fix1, geo::GeoPoint fix2,
                              double hours, Steering steering, LogSpeed log)
{
    const double speed = checkedForFixes(fix1, fix2, steering, log);
    if (!std::isfinite(hours))
        throw RangeError(Quantity::Hours, hours);
    if (!(hours > 0))
        throw CurrentError(CurrentRefusal::TimeNotForward);

    FoundCurrent found;
    found.ca = courseFrom(steering.course + steering.leeway);
    found.dr = earth.deadReckoning(fix1, found.ca, speed * hours, Method::Rhumb);
    const RhumbLeg set = earth.leg(found.dr, fix2).rhumb;
    found.drift = set.distance / hours;
    found.set = set.distance > 0 ? set.course : 0.0;
    found.hours = hours;
    found.distance = set.distance;
    return found;
}

FoundCurrent currentFromFixes(const Earth& earth, geo::GeoPoint fix1, ClockTime time1,
                              geo::GeoPoint fix2, ClockTime time2, Steering steering,
                              LogSpeed log)
{
    using Hours = std::chrono::duration<double, std::chrono::hours::period>;
    checkedForFixes(fix1, fix2, steering, log);
    if (time2 <= time1)
        throw CurrentError(CurrentRefusal::TimeNotForward);
    return currentFromFixes(earth, fix1, fix2, Hours(time2 - time1).count(), steering, log);
}

FoundCurrent currentFromFixes(const Earth& earth, geo::GeoPoint fix1, const Instant& time1,
                              geo::GeoPoint fix2, const Instant& time2, Steering steering,
                              LogSpeed log)
{
    checkedForFixes(fix1, fix2, steering, log);
    const double seconds = time2.secondsSince(time1);
    if (!(seconds > 0))
        throw CurrentError(CurrentRefusal::TimeNotForward);
    return currentFromFixes(earth, fix1, fix2, seconds / kSecondsPerHour, steering, log);
}

LegUnderCurrent legUnderCurrent(const RhumbLeg& leg, LogSpeed log, const LegCurrent& current)
{
    if (!(leg.distance >= 0 && std::isfinite(leg.distance)))
        throw RangeError(Quantity::Distance, leg.distance);
    LegUnderCurrent sailed;
    try {
        sailed.steer = courseToSteer(leg.course, log, current.leeway, current.current);
    } catch (const CurrentError& error) {
        sailed.refusal = error.reason();
        return sailed;
    }
    const double hours = leg.distance / sailed.steer->groundSpeed;
    if (!std::isfinite(hours)) {
        // A ground speed so near zero that the leg takes longer than any time.
        sailed.steer.reset();
        sailed.refusal = CurrentRefusal::NoWayMadeGood;
        return sailed;
    }
    sailed.hours = hours;
    return sailed;
}

}  // namespace nav
