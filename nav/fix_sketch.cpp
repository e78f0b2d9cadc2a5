// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/fix_sketch.h"

#include <GeographicLib/Math.hpp>

#include <cmath>

#include "geo/units.h"

namespace nav::fixing {

namespace {

using GeographicLib::Math;

// Lines whose directions differ by less than this sine are parallel.
constexpr double kParallel = 1e-12;
// Below this sine of a horizontal angle its circle is the straight line
// through the marks.
constexpr double kStraightAngle = 1e-12;
// Lines that miss or cross each other on the map by less than this fraction
// of the smaller radius may do otherwise on the Earth: they are taken as
// touching, and Newton's method is started this fraction of the radius
// either side of the touching point. A bearing line's circle is thousands of
// kilometres across: radii count up to kLocalScale metres only, the size of
// the waters a fix is taken in.
constexpr double kNearlyTouching = 1e-2;
constexpr double kStartAside = 0.15;
constexpr double kLocalScale = 50e3;
// A bearing line bending less than this, per metre, is drawn straight.
constexpr double kStraightCurvature = 1e-15;
using geo::kFullCircle;
constexpr double kEighthCircle = 45;

MapPoint operator+(MapPoint a, MapPoint b) { return {a.x + b.x, a.y + b.y}; }
MapPoint operator-(MapPoint a, MapPoint b) { return {a.x - b.x, a.y - b.y}; }
MapPoint operator*(double k, MapPoint a) { return {k * a.x, k * a.y}; }
double dot(MapPoint a, MapPoint b) { return a.x * b.x + a.y * b.y; }
double cross(MapPoint a, MapPoint b) { return a.x * b.y - a.y * b.x; }
double length(MapPoint a) { return std::hypot(a.x, a.y); }
// A quarter turn clockwise, as a course turns from north to east.
MapPoint clockwise(MapPoint a) { return {a.y, -a.x}; }

// A unit vector on the course (degrees true).
MapPoint heading(double course)
{
    MapPoint unit;
    Math::sincosd(course, unit.x, unit.y);
    return unit;
}

double localRadius(double radius)
{
    return std::fmin(radius, kLocalScale);
}

std::vector<MapPoint> touching(MapPoint at, MapPoint along, double radius)
{
    const MapPoint aside = kStartAside * localRadius(radius) * along;
    return {at + aside, at - aside};
}

std::vector<MapPoint> lineAndLine(const SketchLine& a, const SketchLine& b)
{
    const double sine = cross(a.direction, b.direction);
    if (std::fabs(sine) < kParallel)
        return {};
    return {a.point + (cross(b.point - a.point, b.direction) / sine) * a.direction};
}

std::vector<MapPoint> lineAndCircle(const SketchLine& line, const SketchLine& circle)
{
    const MapPoint foot =
        line.point + dot(circle.point - line.point, line.direction) * line.direction;
    const double offset = length(circle.point - foot);
    if (std::fabs(offset - circle.radius) <= kNearlyTouching * localRadius(circle.radius))
        return touching(foot, line.direction, circle.radius);
    if (offset > circle.radius)
        return {};
    const MapPoint half =
        std::sqrt((circle.radius - offset) * (circle.radius + offset)) * line.direction;
    return {foot + half, foot - half};
}

std::vector<MapPoint> circleAndCircle(const SketchLine& a, const SketchLine& b)
{
    const MapPoint between = b.point - a.point;
    const double apart = length(between);
    const double smaller = std::fmin(a.radius, b.radius);
    const double band = kNearlyTouching * localRadius(smaller);
    if (apart < kParallel * (a.radius + b.radius))
        return {};
    const MapPoint toB = (1 / apart) * between;
    const MapPoint across = clockwise(toB);
    const double outside = apart - (a.radius + b.radius);
    const double inside = std::fabs(a.radius - b.radius) - apart;
    if (std::fabs(outside) <= band)
        return touching(a.point + a.radius * toB, across, smaller);
    if (std::fabs(inside) <= band) {
        const double side = a.radius >= b.radius ? a.radius : -a.radius;
        return touching(a.point + side * toB, across, smaller);
    }
    if (outside > 0 || inside > 0)
        return {};
    // Along the line of centres from a's centre to the common chord.
    const double along = (apart * apart + a.radius * a.radius - b.radius * b.radius) / (2 * apart);
    const double half = std::sqrt(std::fmax(a.radius * a.radius - along * along, 0.0));
    const MapPoint chord = a.point + along * toB;
    return {chord + half * across, chord - half * across};
}

}  // namespace

LocalMap::LocalMap(const Figure& figure, geo::GeoPoint centre)
    : figure_(figure), projection_(figure.geodesic), centre_(centre)
{
}

MapPoint LocalMap::forward(geo::GeoPoint point) const
{
    MapPoint mapped;
    projection_.Forward(centre_.latitude, centre_.longitude, point.latitude, point.longitude,
                        mapped.x, mapped.y);
    return mapped;
}

geo::GeoPoint LocalMap::reverse(MapPoint point) const
{
    geo::GeoPoint position;
    projection_.Reverse(centre_.latitude, centre_.longitude, point.x, point.y,
                        position.latitude, position.longitude);
    return position;
}

LocalMap::Frame LocalMap::frameAt(geo::GeoPoint point) const
{
    Frame frame;
    double azimuth = 0;
    double scale = 0;
    projection_.Forward(centre_.latitude, centre_.longitude, point.latitude, point.longitude,
                        frame.at.x, frame.at.y, azimuth, scale);
    // The geodesic from the centre reaches `point` on the azimuth given and
    // runs straight out from the centre on the map.
    if (frame.at.x != 0 || frame.at.y != 0)
        frame.turn = Math::AngDiff(azimuth, Math::atan2d(frame.at.x, frame.at.y));
    return frame;
}

SketchLine LocalMap::sketch(const PositionLine& line, double commonError) const
{
    const Frame frame = frameAt(anchorOf(line));
    MapPoint transfer;
    for (const Run& run : line.carriedBy) {
        const double metres = run.distance * kMetresPerNauticalMile;
        transfer = transfer + metres * heading(run.course + frame.turn);
    }
    const MapPoint mark = frame.at + transfer;
    SketchLine sketched;
    sketched.mark = mark;
    switch (line.kind) {
    case ObservationKind::Bearing: {
        // The ship t metres from the mark sees it on `bearing`; from the mark
        // the ship lies on the reciprocal turned by the convergence of the
        // meridians between them, t sin(bearing) tan(latitude) / N radians:
        // a circle of twice that curvature, tangent to the reciprocal.
        const double bearing = line.target + commonError;
        const double curvature =
            2 * Math::sind(bearing) * Math::tand(line.mark.latitude) /
            figure_.ellipsoid.TransverseCurvatureRadius(line.mark.latitude);
        sketched.bearing = heading(bearing + frame.turn);
        const MapPoint away = -1 * sketched.bearing;
        if (std::fabs(curvature) < kStraightCurvature) {
            sketched.straight = true;
            sketched.point = mark;
            sketched.direction = away;
        } else {
            sketched.point = mark + (1 / curvature) * clockwise(away);
            sketched.radius = 1 / std::fabs(curvature);
        }
        break;
    }
    case ObservationKind::Range:
        sketched.point = mark;
        sketched.radius = line.target;
        break;
    case ObservationKind::Altitude: {
        // The plotter's position line: through the intercept from the
        // assumed position towards Zn, square to it.
        const AltitudeAt computed = altitudeAt(line, line.assumed);
        const MapPoint toward = heading(computed.zn + frame.turn);
        const double intercept = (line.target - computed.hc) * metresPerDegreeOfAltitude();
        sketched.straight = true;
        sketched.point = mark + intercept * toward;
        sketched.direction = clockwise(toward);
        sketched.mark = sketched.point;
        break;
    }
    case ObservationKind::HorizontalAngle: {
        // Seen from the right of the chord from mark 1 to mark 2, the angle
        // clockwise from 1 to 2 is below 180: the circle's centre lies
        // cot(angle) half-chords to the right of the chord's middle.
        const MapPoint chord = forward(line.mark2) + transfer - mark;
        const double chordLength = length(chord);
        double sine = 0;
        double cosine = 0;
        Math::sincosd(line.target, sine, cosine);
        if (std::fabs(sine) < kStraightAngle) {
            sketched.straight = true;
            sketched.point = mark;
            sketched.direction = (1 / chordLength) * chord;
        } else {
            sketched.point = mark + 0.5 * chord + (0.5 * cosine / sine) * clockwise(chord);
            sketched.radius = chordLength / (2 * std::fabs(sine));
        }
        break;
    }
    }
    return sketched;
}

bool beforeTheMark(const SketchLine& line, MapPoint point)
{
    return dot(line.mark - point, line.bearing) >= 0;
}

std::vector<MapPoint> pointsAlong(const SketchLine& line)
{
    std::vector<MapPoint> points;
    if (line.bearing.x != 0 || line.bearing.y != 0) {
        for (double nauticalMiles : {1.0, 3.0, 10.0, 30.0})
            points.push_back(line.mark - (nauticalMiles * kMetresPerNauticalMile) * line.bearing);
    } else if (line.straight) {
        for (double nauticalMiles : {-10.0, -3.0, -1.0, 1.0, 3.0, 10.0}) {
            const double metres = nauticalMiles * kMetresPerNauticalMile;
            points.push_back(line.point + metres * line.direction);
        }
    } else {
        for (double course = 0; course < kFullCircle; course += kEighthCircle)
            points.push_back(line.point + line.radius * heading(course));
    }
    return points;
}

bool meetBeforeTheMarks(const SketchLine& a, const SketchLine& b)
{
    const double sine = cross(a.bearing, b.bearing);
    if (sine == 0)
        return false;
    // The crossing lies `along` before mark a on its line.
    const double along = cross(b.mark - a.mark, b.bearing) / sine;
    return beforeTheMark(b, a.mark + along * a.bearing) && along <= 0;
}

std::vector<MapPoint> crossings(const SketchLine& a, const SketchLine& b)
{
    if (a.straight && b.straight)
        return lineAndLine(a, b);
    if (a.straight)
        return lineAndCircle(a, b);
    if (b.straight)
        return lineAndCircle(b, a);
    return circleAndCircle(a, b);
}

}  // namespace nav::fixing
