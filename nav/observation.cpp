// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/observation.h"

#include <cmath>

#include "geo/units.h"
#include "nav/earth.h"
#include "nav/errors.h"
#include "nav/sight_reduction.h"
#include "nav/solvers.h"

namespace nav {

namespace {

using geo::kFullCircle;

// The negated comparisons refuse NaN too.
void checkDirection(double degrees, Quantity quantity)
{
    if (!(degrees >= 0 && degrees <= kFullCircle))
        throw RangeError(quantity, degrees);
}

}  // namespace

Observation bearingObservation(geo::GeoPoint mark, double degrees)
{
    return {ObservationKind::Bearing, mark, {}, degrees};
}

Observation rangeObservation(geo::GeoPoint mark, double nauticalMiles)
{
    return {ObservationKind::Range, mark, {}, nauticalMiles};
}

Observation angleObservation(geo::GeoPoint mark1, geo::GeoPoint mark2, double degrees)
{
    return {ObservationKind::HorizontalAngle, mark1, mark2, degrees};
}

Observation altitudeObservation(double gha, double declination, double ho)
{
    return {ObservationKind::Altitude, {declination, longitudeOf(-gha)}, {}, ho};
}

Run runBetween(double course, double knots, int fromMinutes, int toMinutes)
{
    constexpr int kMinutesPerDay = 24 * 60;
    constexpr double kMinutesPerHour = 60;
    const int minutes = ((toMinutes - fromMinutes) % kMinutesPerDay + kMinutesPerDay) % kMinutesPerDay;
    const Run run{course, knots * minutes / kMinutesPerHour};
    checkRun(run);
    return run;
}

Run runBetweenSeconds(double course, double knots, double fromSeconds, double toSeconds)
{
    constexpr double kSecondsPerMinute = 60;
    constexpr double kSecondsPerDay = 24 * 3600;
    constexpr double kSecondsPerHour = 3600;
    for (const double time : {fromSeconds, toSeconds})
        if (!(time >= 0 && time < kSecondsPerDay))
            throw RangeError(Quantity::Hours, time);
    if (std::fmod(fromSeconds, kSecondsPerMinute) == 0 && std::fmod(toSeconds, kSecondsPerMinute) == 0)
        return runBetween(course, knots, int(fromSeconds / kSecondsPerMinute),
                          int(toSeconds / kSecondsPerMinute));
    double seconds = toSeconds - fromSeconds;
    if (seconds < 0)
        seconds += kSecondsPerDay;
    const Run run{course, knots * seconds / kSecondsPerHour};
    checkRun(run);
    return run;
}

void checkObservation(const Observation& observation)
{
    checkPosition(observation.mark);
    if (observation.kind == ObservationKind::HorizontalAngle)
        checkPosition(observation.mark2);
    checkObservationValue(observation.kind, observation.value);
}

void checkObservationValue(ObservationKind kind, double value)
{
    switch (kind) {
    case ObservationKind::Bearing:
        checkDirection(value, Quantity::Bearing);
        break;
    case ObservationKind::Range:
        if (!(value > 0 && value <= kMaxSightDistance))
            throw RangeError(Quantity::Range, value);
        break;
    case ObservationKind::HorizontalAngle:
        checkDirection(value, Quantity::HorizontalAngle);
        break;
    case ObservationKind::Altitude:
        if (!(value >= kLowestSightAltitude && value <= geo::kQuarterCircle))
            throw RangeError(Quantity::ObservedAltitude, value);
        break;
    }
}

void checkRun(const Run& run)
{
    checkDirection(run.course, Quantity::Course);
    if (!(run.distance >= 0 && run.distance <= kMaxRun))
        throw RangeError(Quantity::Distance, run.distance);
}

void checkCompassError(double degrees)
{
    if (!(std::fabs(degrees) <= kMaxCompassError))
        throw RangeError(Quantity::CompassError, degrees);
}

}  // namespace nav
