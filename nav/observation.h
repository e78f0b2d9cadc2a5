// SPDX-License-Identifier: GPL-3.0-or-later
// What a navigator observes to fix the ship (陆标定位, 天文定位): bearings,
// ranges and horizontal angles of charted marks, altitudes of celestial
// bodies, and the runs the ship makes between them.
//
// Definitions, on the figure of the Earth chosen (WGS-84 or the sphere):
//   bearing (方位): the azimuth AT THE SHIP, degrees clockwise from north, of
//     the geodesic from the ship to the mark: what a compass or a pelorus
//     measures. A bearing by compass is corrected by the compass error
//     (罗经差, east positive): true = compass + error.
//   range (距离): the geodesic distance from the ship to the mark, n mile.
//   horizontal angle (水平角): the bearing of mark2 minus the bearing of
//     mark1, both at the ship, taken clockwise in [0, 360): mark1 at 350
//     and mark2 at 020 is an angle of 30; mark1 at 020 and mark2 at 350 is
//     330. No compass is involved, so the compass error does not apply.
//   altitude (天体高度): the observed altitude Ho of a body, degrees, with
//     the body's geographical position (天体地理位置) at the sight's instant:
//     latitude = its declination, longitude = -GHA (east positive), both
//     degrees. Ho is the sextant altitude corrected (sight_reduction.h:
//     AltitudeLine, reduceSight); the Moon's oblateness term is taken at the
//     assumed position. The computed altitude Hc at a position is
//     horizontalAt's (sight_reduction.h), from the geodetic latitude and the
//     longitude; the line is the circle of equal altitude Hc = Ho, and the
//     residual Ho - Hc, in arc-minutes, is n mile (kNauticalMilesPerArcminute).
//   run (航程): the ship steers `course` (degrees true) on a rhumb line for
//     `distance` n mile. An observation taken before a run is carried
//     forward by it: if P is the ship's position after the run, the
//     observation was made at P' = the point `distance` n mile from P on the
//     rhumb line of course `course` + 180. That is exactly the start of the
//     run, as a rhumb line run backwards retraces its way. Several runs
//     after an observation are retraced one by one, the last first.
//
// Input ranges (each refused with RangeError, see errors.h):
//   a mark: as checkPosition (earth.h);
//   a bearing: finite, 0 .. 360 (Quantity::Bearing): 0, 45.5, 360 (north);
//     not -1, 360.5, NaN;
//   a range: finite n mile above 0, at most kMaxSightDistance
//     (Quantity::Range): 0.3, 12, 100; not 0, -2, 100.5, inf;
//   a horizontal angle: finite, 0 .. 360 (Quantity::HorizontalAngle): 0,
//     75.25, 359.9; not -10, 400. Its two marks must differ: the fix
//     refuses one mark twice with NoFixReason::CoincidentMarks (fix.h);
//   an altitude: Ho finite, kLowestSightAltitude .. 90 (sight_reduction.h;
//     Quantity::ObservedAltitude): 35.25, -0.6, 90; not -2, 90.5, NaN;
//     the geographical position as checkPosition: declination -90 .. 90,
//     -GHA -180 .. 180 (an observation built by altitudeObservation is);
//   a run: course finite 0 .. 360 (Quantity::Course), distance finite,
//     0 .. kMaxRun (Quantity::Distance);
//   the compass error: finite, -kMaxCompassError .. kMaxCompassError, that
//     is -180 .. 180 (Quantity::CompassError): -3.5,
//     0, 12; not 181.
#pragma once

#include <variant>
#include <vector>

#include "geo/angle.h"
#include "geo/units.h"

namespace nav {

// Marks farther than this from the ship, in n mile, are not seen: a range
// above it is refused, and a fix that would put a mark used farther away is
// no fix.
inline constexpr double kMaxSightDistance = 100;

// The largest compass error, either way, in degrees.
inline constexpr double kMaxCompassError = geo::kHalfCircle;

enum class ObservationKind { Bearing, Range, HorizontalAngle, Altitude };

struct Observation {
    ObservationKind kind = ObservationKind::Bearing;
    geo::GeoPoint mark;   // the mark; mark1 of a horizontal angle; a body's
                          // geographical position
    geo::GeoPoint mark2;  // the second mark of a horizontal angle only
    double value = 0;     // bearing, angle or Ho in degrees, range in n mile
};

Observation bearingObservation(geo::GeoPoint mark, double degrees);
Observation rangeObservation(geo::GeoPoint mark, double nauticalMiles);
Observation angleObservation(geo::GeoPoint mark1, geo::GeoPoint mark2, double degrees);
// An altitude Ho (degrees) of a body at GHA `gha` and declination
// `declination` (degrees; GHA any finite angle, taken modulo 360).
Observation altitudeObservation(double gha, double declination, double ho);

struct Run {
    double course = 0;    // degrees true
    double distance = 0;  // n mile
};

// The run between two watch times (minutes after midnight, readWatchTime)
// at `knots` on `course`: the later time is the next day when it is the
// earlier on the clock (23:50 to 00:10 is 20 minutes); equal times are no
// run. Throws RangeError as checkRun for the run it would be.
Run runBetween(double course, double knots, int fromMinutes, int toMinutes);

// The same between clock times to the second (seconds after midnight,
// 0 <= s < 86400, fractions allowed), as sights are timed: 09:30:15 to
// 09:42:45 at 12 kn is 2.5 n mile. Times of whole minutes give the run
// runBetween gives, to the last bit, so that a fix timed in minutes does
// not change when one of its rows is timed in seconds. Throws RangeError
// as checkRun, and Quantity::Hours for a time outside the day.
Run runBetweenSeconds(double course, double knots, double fromSeconds, double toSeconds);

// Observations and runs in the order they happened: each observation is
// carried forward by every run after it, and the fix is the position after
// the last entry.
using Sighting = std::variant<Observation, Run>;

// Throws RangeError as above for the first value out of range.
void checkObservation(const Observation& observation);
// Throws RangeError as above for an observation's value out of its kind's
// range (a bearing of 400, a range of 0); the marks are not looked at.
void checkObservationValue(ObservationKind kind, double value);
void checkRun(const Run& run);
void checkCompassError(double degrees);

}  // namespace nav
