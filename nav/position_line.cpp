// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/position_line.h"

#include <GeographicLib/Constants.hpp>
#include <GeographicLib/Math.hpp>

#include <algorithm>
#include <cmath>

#include "geo/units.h"
#include "nav/errors.h"
#include "nav/sight_reduction.h"
#include "nav/solvers.h"
#include "nav/spherical_angles.h"

namespace nav::fixing {

namespace {

using GeographicLib::Math;

using geo::kHalfCircle;
using geo::kQuarterCircle;
using geo::kRadiansPerDegree;
// Degrees of latitude from a pole, 0.1 micrometre, within which a position
// is the pole: nearer than Newton's steps resolve (kConverged), where the
// longitude is round-off.
constexpr double kAtThePole = 1e-12;

// Nearer than this to a mark, in metres, its bearing means nothing.
constexpr double kAtTheMark = 1e-3;

// Below this change of meridian distance, in metres, a run's effect on the
// parallel radius is taken from its derivative, -sin(latitude), rather than
// as a difference quotient, which round-off would spoil.
constexpr double kShortMeridianRun = 1;

constexpr double kMaxStep = kMaxSightDistance * kMetresPerNauticalMile;

// Row-major 2x2 matrix taking a displacement after a run to one before it.
struct Jacobian {
    double nn = 1, ne = 0;
    double en = 0, ee = 1;

    Jacobian after(const Jacobian& later) const
    {
        return {nn * later.nn + ne * later.en, nn * later.ne + ne * later.ee,
                en * later.nn + ee * later.en, en * later.ne + ee * later.ee};
    }
};

struct Retraced {
    geo::GeoPoint start;
    Jacobian jacobian;  // displacement now -> displacement at `start`
};

std::optional<Retraced> retrace(const Figure& figure, geo::GeoPoint now,
                                const std::vector<Run>& runs)
{
    Retraced retraced{now, {}};
    for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
        const geo::GeoPoint end = retraced.start;
        const double metres = run->distance * kMetresPerNauticalMile;
        geo::GeoPoint start;
        figure.rhumb.Direct(end.latitude, end.longitude, run->course + kHalfCircle, metres,
                            start.latitude, start.longitude);
        const double endRadius = figure.ellipsoid.CircleRadius(end.latitude);
        const double startRadius = figure.ellipsoid.CircleRadius(start.latitude);
        if (!std::isfinite(start.latitude) || !std::isfinite(start.longitude) ||
            !(endRadius > 0) || !(startRadius > 0))
            return std::nullopt;
        double sinCourse = 0;
        double cosCourse = 0;
        Math::sincosd(run->course, sinCourse, cosCourse);
        const double meridianChange = -metres * cosCourse;  // start minus end
        const double radiusRate =
            std::fabs(meridianChange) >= kShortMeridianRun
                ? (startRadius - endRadius) / meridianChange
                : -Math::sind((start.latitude + end.latitude) / 2);
        const Jacobian step{1, 0, metres * sinCourse * radiusRate / endRadius,
                            startRadius / endRadius};
        retraced.jacobian = step.after(retraced.jacobian);
        retraced.start = start;
    }
    return retraced;
}

Displacement plus(Displacement a, Displacement b, double bScale)
{
    return {a.north + bScale * b.north, a.east + bScale * b.east};
}

Displacement scaled(Displacement a, double scale)
{
    return {a.north * scale, a.east * scale};
}

// A gradient at the start of the runs as a gradient at their end.
Displacement carriedBack(Displacement gradient, const Jacobian& j)
{
    return {gradient.north * j.nn + gradient.east * j.en,
            gradient.north * j.ne + gradient.east * j.ee};
}

}  // namespace

Figure::Figure(EarthModel model)
    : geodesic(radiusOf(model), flatteningOf(model)),
      rhumb(radiusOf(model), flatteningOf(model), false),
      ellipsoid(radiusOf(model), flatteningOf(model))
{
}

geo::GeoPoint Figure::moved(geo::GeoPoint from, Displacement step) const
{
    const double metres = std::hypot(step.north, step.east);
    if (metres == 0)
        return from;
    geo::GeoPoint to;
    geodesic.Direct(from.latitude, from.longitude, Math::atan2d(step.east, step.north), metres,
                    to.latitude, to.longitude);
    return to;
}

double Figure::metresBetween(geo::GeoPoint a, geo::GeoPoint b) const
{
    double metres = 0;
    geodesic.Inverse(a.latitude, a.longitude, b.latitude, b.longitude, metres);
    return metres;
}

double metresPerDegreeOfAltitude()
{
    return kArcminutesPerDegree * kNauticalMilesPerArcminute * kMetresPerNauticalMile;
}

geo::GeoPoint anchorOf(const PositionLine& line)
{
    return line.kind == ObservationKind::Altitude ? line.assumed : line.mark;
}

AltitudeAt altitudeAt(const PositionLine& line, geo::GeoPoint position)
{
    BodyPlace place;
    place.gha = -line.mark.longitude;
    place.declination = line.mark.latitude;
    const Horizontal horizontal = horizontalAt(place, position);
    return {horizontal.altitude, horizontal.azimuth};
}

namespace {

void assume(const Figure& figure, std::vector<PositionLine>& lines,
            std::optional<geo::GeoPoint> near)
{
    for (PositionLine& line : lines) {
        if (line.kind != ObservationKind::Altitude)
            continue;
        if (!near)
            throw NoFixError(NoFixReason::NoAssumedPosition);
        const std::optional<Retraced> retraced = retrace(figure, *near, line.carriedBy);
        if (!retraced)
            throw NoFixError(NoFixReason::NoAssumedPosition);
        line.assumed = normalised(retraced->start);
    }
}

}  // namespace

std::vector<PositionLine> positionLines(const Figure& figure,
                                        const std::vector<Sighting>& sightings,
                                        double compassError, std::optional<geo::GeoPoint> near)
{
    std::vector<PositionLine> lines;
    for (const Sighting& sighting : sightings) {
        if (const Run* run = std::get_if<Run>(&sighting)) {
            checkRun(*run);
            for (PositionLine& line : lines)
                line.carriedBy.push_back(*run);
            continue;
        }
        const Observation& observation = std::get<Observation>(sighting);
        checkObservation(observation);
        PositionLine line;
        line.kind = observation.kind;
        line.mark = observation.mark;
        line.mark2 = observation.mark2;
        line.index = lines.size();
        switch (observation.kind) {
        case ObservationKind::Bearing:
            line.target = observation.value + compassError;
            break;
        case ObservationKind::Range:
            line.target = observation.value * kMetresPerNauticalMile;
            break;
        case ObservationKind::HorizontalAngle:
            line.target = observation.value;
            line.separation = figure.metresBetween(line.mark, line.mark2);
            break;
        case ObservationKind::Altitude:
            line.target = observation.value;
            break;
        }
        lines.push_back(std::move(line));
    }
    assume(figure, lines, near);
    return lines;
}

std::optional<Sight> sight(const Figure& figure, geo::GeoPoint ship, geo::GeoPoint mark)
{
    double metres = 0;
    double azimuth = 0;
    double azimuthAtMark = 0;
    double reducedLength = 0;
    double scaleAtMark = 0;
    double scaleAtShip = 0;
    figure.geodesic.Inverse(ship.latitude, ship.longitude, mark.latitude, mark.longitude,
                            metres, azimuth, azimuthAtMark, reducedLength, scaleAtMark,
                            scaleAtShip);
    const double parallelRadius = figure.ellipsoid.CircleRadius(ship.latitude);
    // Beyond the first conjugate point (m12 <= 0) the geodesic is no longer
    // the shortest way and the derivatives below mean nothing.
    if (!(metres > kAtTheMark) || !(reducedLength > 0))
        return std::nullopt;
    // At a pole the meridian under the ship turns without bound as it
    // moves: its distances and the angles between two marks have their
    // derivatives, a bearing has none.
    const bool atAPole = !(parallelRadius > 0);
    double sinAzimuth = 0;
    double cosAzimuth = 0;
    Math::sincosd(azimuth, sinAzimuth, cosAzimuth);
    const double turn = scaleAtMark / reducedLength;
    Sight result;
    result.metres = metres;
    result.azimuth = azimuth;
    result.metresGradient = {-cosAzimuth, -sinAzimuth};
    result.azimuthGradient = {turn * sinAzimuth, -turn * cosAzimuth};
    if (atAPole)
        result.atAPole = true;
    else
        result.azimuthGradient.east += Math::sind(ship.latitude) / parallelRadius;
    return result;
}

namespace {

// Hc - Ho, in metres as the residual is in n mile, and its gradient.
LineValue altitudeValue(const Figure& figure, const PositionLine& line, const Retraced& retraced)
{
    const geo::GeoPoint at = retraced.start;
    const AltitudeAt computed = altitudeAt(line, at);
    const double scale = metresPerDegreeOfAltitude() / kRadiansPerDegree;
    double sinZn = 0;
    double cosZn = 0;
    Math::sincosd(computed.zn, sinZn, cosZn);
    LineValue value;
    value.observedFrom = at;
    value.distance = (computed.hc - line.target) * metresPerDegreeOfAltitude();
    const Displacement gradient{
        scale * cosZn / figure.ellipsoid.MeridionalCurvatureRadius(at.latitude),
        scale * sinZn / figure.ellipsoid.TransverseCurvatureRadius(at.latitude)};
    value.gradient = carriedBack(gradient, retraced.jacobian);
    return value;
}

}  // namespace

std::optional<LineValue> evaluate(const Figure& figure, const PositionLine& line,
                                  geo::GeoPoint ship, double commonError)
{
    const std::optional<Retraced> retraced = retrace(figure, ship, line.carriedBy);
    if (!retraced)
        return std::nullopt;
    if (line.kind == ObservationKind::Altitude)
        return altitudeValue(figure, line, *retraced);
    const std::optional<Sight> first = sight(figure, retraced->start, line.mark);
    if (!first)
        return std::nullopt;
    LineValue value;
    value.observedFrom = retraced->start;
    value.farthestMark = first->metres;
    Displacement gradient;
    switch (line.kind) {
    case ObservationKind::Bearing: {
        if (first->atAPole)
            return std::nullopt;
        const double residual = Math::AngDiff(line.target + commonError, first->azimuth);
        double sinResidual = 0;
        double cosResidual = 0;
        Math::sincosd(residual, sinResidual, cosResidual);
        value.distance = first->metres * sinResidual;
        gradient = plus(scaled(first->metresGradient, sinResidual), first->azimuthGradient,
                        first->metres * cosResidual);
        value.errorDerivative = -first->metres * cosResidual * kRadiansPerDegree;
        value.cosResidual = cosResidual;
        break;
    }
    case ObservationKind::Range:
        value.distance = first->metres - line.target;
        gradient = first->metresGradient;
        break;
    case ObservationKind::Altitude:
        return std::nullopt;  // altitudeValue's
    case ObservationKind::HorizontalAngle: {
        const std::optional<Sight> second = sight(figure, retraced->start, line.mark2);
        if (!second)
            return std::nullopt;
        value.farthestMark = std::fmax(first->metres, second->metres);
        const double angle = Math::AngDiff(first->azimuth, second->azimuth);
        const double residual = Math::AngDiff(line.target, angle);
        double sinResidual = 0;
        double cosResidual = 0;
        Math::sincosd(residual, sinResidual, cosResidual);
        const double scale = first->metres * second->metres / line.separation;
        value.distance = scale * sinResidual;
        const Displacement angleGradient =
            plus(second->azimuthGradient, first->azimuthGradient, -1);
        const Displacement scaleGradient =
            scaled(plus(scaled(first->metresGradient, second->metres), second->metresGradient,
                        first->metres),
                   1 / line.separation);
        gradient = plus(scaled(angleGradient, scale * cosResidual), scaleGradient, sinResidual);
        value.cosResidual = cosResidual;
        break;
    }
    }
    value.gradient = carriedBack(gradient, retraced->jacobian);
    return value;
}

std::optional<std::vector<LineValue>> evaluateAll(const Figure& figure,
                                                  const std::vector<PositionLine>& lines,
                                                  geo::GeoPoint ship, double commonError)
{
    std::vector<LineValue> values;
    values.reserve(lines.size());
    for (const PositionLine& line : lines) {
        const double error = line.kind == ObservationKind::Bearing ? commonError : 0.0;
        const std::optional<LineValue> value = evaluate(figure, line, ship, error);
        if (!value)
            return std::nullopt;
        values.push_back(*value);
    }
    return values;
}

bool onTheNearSide(const std::vector<LineValue>& values)
{
    return std::all_of(values.begin(), values.end(),
                       [](const LineValue& value) { return value.cosResidual > 0; });
}

bool withinSight(const std::vector<LineValue>& values)
{
    return std::all_of(values.begin(), values.end(), [](const LineValue& value) {
        return value.farthestMark <= kMaxSightDistance * kMetresPerNauticalMile;
    });
}

double sumOfSquares(const std::vector<LineValue>& values)
{
    double sum = 0;
    for (const LineValue& value : values)
        sum += value.distance * value.distance;
    return sum;
}

Displacement limited(Displacement step)
{
    const double metres = std::hypot(step.north, step.east);
    if (metres <= kMaxStep)
        return step;
    return {step.north * kMaxStep / metres, step.east * kMaxStep / metres};
}

geo::GeoPoint normalised(geo::GeoPoint position)
{
    if (kQuarterCircle - std::fabs(position.latitude) < kAtThePole)
        return {std::copysign(kQuarterCircle, position.latitude), 0.0};
    return {position.latitude + 0.0, longitudeOf(position.longitude)};
}

}  // namespace nav::fixing
