// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/great_circle.h"

#include <GeographicLib/GeodesicLine.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

#include "geo/units.h"
#include "nav/earth.h"
#include "nav/errors.h"
#include "nav/solvers.h"

namespace nav {

namespace {

using GeographicLib::GeodesicLine;

using geo::kFullCircle;
using geo::kHalfCircle;
using geo::kQuarterCircle;
using geo::kRadiansPerDegree;
// How near the line's longitude must come to a meridian's, degrees.
constexpr double kLongitudeTolerance = 1e-11;
// A meridian or vertex this near an end, in degrees of longitude or arc
// (0.1 mm), is at the end: a multiple of an interval such as 1/60, which
// no double holds, must not come out just inside the leg, nor a vertex at
// a pole just outside it.
constexpr double kAtTheEnd = 1e-9;
// The bracket narrows at least by half each step: 200 steps take any
// distance on Earth below a double's resolution.
constexpr int kMostSteps = 200;
constexpr std::string_view kPointWord = "大圆分点 ";

struct Position {
    double latitude;
    double longitude;  // unrolled from the departure's
    double azimuth;
};

Position positionAt(const GeodesicLine& line, bool arcMode, double along)
{
    Position p{};
    double unused = 0;
    line.GenPosition(arcMode, along,
                     GeodesicLine::LATITUDE | GeodesicLine::LONGITUDE | GeodesicLine::AZIMUTH |
                         GeodesicLine::LONG_UNROLL,
                     p.latitude, p.longitude, p.azimuth, unused, unused, unused, unused, unused);
    return p;
}

// The meridians k * every (|k * every| <= 180) strictly between two
// unrolled longitudes, unrolled alike, in the order from `start` to `end`.
std::vector<double> meridiansBetween(double start, double end, double every)
{
    const double low = std::min(start, end);
    const double high = std::max(start, end);
    std::vector<double> meridians;
    // An unrolled longitude lies within a turn of the departure's, which
    // lies in [-180, 180]: the meridians one turn either way cover it.
    for (double turn : {-kFullCircle, 0.0, kFullCircle}) {
        const double first = std::max(std::ceil((low - turn) / every), -std::floor(kHalfCircle / every));
        const double last = std::min(std::floor((high - turn) / every), std::floor(kHalfCircle / every));
        for (double k = first; k <= last; ++k) {
            const double unrolled = k * every + turn;
            if (unrolled > low + kAtTheEnd && unrolled < high - kAtTheEnd)
                meridians.push_back(unrolled);
        }
    }
    std::sort(meridians.begin(), meridians.end());
    // 180 E and 180 W are one meridian.
    meridians.erase(std::unique(meridians.begin(), meridians.end()), meridians.end());
    if (end < start)
        std::reverse(meridians.begin(), meridians.end());
    return meridians;
}

// Where the line's unrolled longitude is `meridian`, between the distances
// `near` and `far` (metres) of the departure, whose longitudes lie on either
// side of it. The longitude grows along the line, or falls, throughout: it
// runs one way round unless the line is a meridian, which is never asked.
double crossingDistance(const GeodesicLine& line, double meridian, double near, double far,
                        double eastward)
{
    const double a = line.EquatorialRadius();
    const double f = line.Flattening();
    const double eccentricitySquared = f * (2 - f);
    // Along the line, the longitude from the meridian, positive beyond it.
    auto beyond = [&](double distance) {
        const Position p = positionAt(line, false, distance);
        return Position{p.latitude, eastward * (p.longitude - meridian), p.azimuth};
    };
    double low = near;
    double high = far;
    double distance = near + (far - near) * 0.5;
    for (int step = 0; step < kMostSteps; ++step) {
        const Position p = beyond(distance);
        if (std::fabs(p.longitude) <= kLongitudeTolerance)
            return distance;
        (p.longitude < 0 ? low : high) = distance;
        // dλ/ds = sin(azimuth) / (N cos φ), N the radius of curvature in
        // the prime vertical.
        const double phi = p.latitude * kRadiansPerDegree;
        const double sinPhi = std::sin(phi);
        const double primeVertical = a / std::sqrt(1 - eccentricitySquared * sinPhi * sinPhi);
        const double slope = eastward * std::sin(p.azimuth * kRadiansPerDegree) /
                             (primeVertical * std::cos(phi) * kRadiansPerDegree);
        double next = distance - p.longitude / slope;
        if (!(next > low && next < high))
            next = low + (high - low) * 0.5;
        if (next == distance || high - low <= 0)
            return distance;
        distance = next;
    }
    return distance;
}

std::optional<Vertex> vertexOf(const GeodesicLine& line)
{
    const double equatorialAzimuth = line.EquatorialAzimuth();
    const double legArc = line.Arc();
    if (std::fabs(equatorialAzimuth) == kQuarterCircle || legArc == 0)
        return std::nullopt;
    // Arcs from the northward equator crossing: the vertices lie at +90
    // (north) and -90 (south), the leg's middle at middle.
    const double middle = line.EquatorialArc() + legArc / 2;
    double fromMiddle = std::remainder(kQuarterCircle - middle, kFullCircle);
    if (std::fabs(fromMiddle) > kQuarterCircle)
        fromMiddle = std::remainder(-kQuarterCircle - middle, kFullCircle);
    const double arc = legArc / 2 + fromMiddle;
    const Position p = positionAt(line, true, arc);
    return Vertex{{p.latitude + 0.0, longitudeOf(p.longitude)}, arc >= -kAtTheEnd && arc <= legArc + kAtTheEnd};
}

void checkInterval(double every)
{
    if (!(every >= kSmallestMeridianInterval && std::isfinite(every)))
        throw RangeError(Quantity::MeridianInterval, every);
}

// The crossings of a leg, without its ends.
std::vector<geo::GeoPoint> crossings(const GeodesicLine& line, geo::GeoPoint from, geo::GeoPoint to,
                                     double every)
{
    const double equatorialAzimuth = line.EquatorialAzimuth();
    const bool meridional = equatorialAzimuth == 0 || line.Distance() == 0 ||
                            std::fabs(from.latitude) == kQuarterCircle ||
                            std::fabs(to.latitude) == kQuarterCircle;
    if (meridional)
        return {};
    const double end = positionAt(line, false, line.Distance()).longitude;
    const double eastward = end > from.longitude ? 1 : -1;
    std::vector<geo::GeoPoint> points;
    double near = 0;
    for (double meridian : meridiansBetween(from.longitude, end, every)) {
        near = crossingDistance(line, meridian, near, line.Distance(), eastward);
        const Position p = positionAt(line, false, near);
        points.push_back({p.latitude + 0.0, longitudeOf(meridian)});
    }
    return points;
}

// As Earth::leg steers it, a pole at either end too.
RhumbLeg rhumbLeg(const GeographicLib::Rhumb& rhumb, geo::GeoPoint from, geo::GeoPoint to)
{
    const LegEnds ends = onOneMeridian(from, to);
    double metres = 0;
    double azimuth = 0;
    rhumb.Inverse(ends.from.latitude, ends.from.longitude, ends.to.latitude, ends.to.longitude,
                  metres, azimuth);
    return {courseLeaving(from, courseArriving(to, courseOf(azimuth))),
            metres / kMetresPerNauticalMile};
}

// A leg from or to a pole runs along a meridian, whose vertex nearer the
// leg's middle is that pole (the North Pole, from pole to pole): written as
// it was given, not at the longitude the line reaches it on.
std::optional<Vertex> poleVertex(geo::GeoPoint from, geo::GeoPoint to)
{
    const bool fromPole = atAPole(from);
    const bool toPole = atAPole(to);
    if (!fromPole && !toPole)
        return std::nullopt;
    const geo::GeoPoint pole = fromPole && (!toPole || from.latitude > 0) ? from : to;
    return Vertex{{pole.latitude, longitudeOf(pole.longitude)}, true};
}

GreatCircleSailing sail(const Solvers& solvers, geo::GeoPoint from, geo::GeoPoint to, double every)
{
    checkPosition(from);
    checkPosition(to);
    checkInterval(every);
    const LegEnds ends = onOneMeridian(from, to);
    const GeodesicLine line = solvers.geodesic.InverseLine(ends.from.latitude, ends.from.longitude,
                                                           ends.to.latitude, ends.to.longitude);
    GreatCircleSailing sailing;
    const Position arrival = positionAt(line, false, line.Distance());
    sailing.greatCircle = {courseLeaving(from, courseOf(line.Azimuth())),
                           courseArriving(to, courseOf(arrival.azimuth)),
                           line.Distance() / kMetresPerNauticalMile};
    sailing.vertex = vertexOf(line);
    if (sailing.vertex)
        if (const std::optional<Vertex> pole = poleVertex(from, to))
            sailing.vertex = pole;
    std::vector<geo::GeoPoint> positions{from};
    for (const geo::GeoPoint& crossing : crossings(line, from, to, every))
        positions.push_back(crossing);
    positions.push_back(to);
    for (std::size_t i = 0; i + 1 < positions.size(); ++i) {
        const RhumbLeg leg = rhumbLeg(solvers.rhumb, positions[i], positions[i + 1]);
        sailing.points.push_back({positions[i], leg});
        sailing.rhumbDistance += leg.distance;
    }
    sailing.points.push_back({to, std::nullopt});
    return sailing;
}

// The number n of a name "大圆分点 n", or 0.
int pointNumber(std::string_view name)
{
    if (!name.starts_with(kPointWord))
        return 0;
    name.remove_prefix(kPointWord.size());
    int number = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), number);
    return error == std::errc{} && end == name.data() + name.size() && number > 0 ? number : 0;
}

int highestPointNumber(const RoutePlan& plan)
{
    int highest = 0;
    for (const Waypoint& waypoint : plan.waypoints)
        highest = std::max(highest, pointNumber(waypoint.name));
    return highest;
}

// Splits the leg arriving at `arrival` in place; returns how many
// waypoints it inserted.
std::size_t splitInPlace(const Solvers& solvers, RoutePlan& plan, std::size_t arrival, double every,
                         int& lastNumber)
{
    std::vector<Waypoint>& waypoints = plan.waypoints;
    if (arrival == 0 || arrival >= waypoints.size())
        return 0;
    const std::optional<geo::GeoPoint> from = waypoints[arrival - 1].position;
    const std::optional<geo::GeoPoint> to = waypoints[arrival].position;
    if (!from || !to)
        return 0;
    const GreatCircleSailing sailing = sail(solvers, *from, *to, every);
    std::vector<Waypoint> inserted;
    for (std::size_t i = 1; i + 1 < sailing.points.size(); ++i)
        inserted.push_back({greatCirclePointName(++lastNumber), sailing.points[i].position,
                            Method::Rhumb, waypoints[arrival].speed, {}});
    waypoints[arrival].method = Method::Rhumb;
    waypoints.insert(waypoints.begin() + static_cast<std::ptrdiff_t>(arrival), inserted.begin(),
                     inserted.end());
    return inserted.size();
}

}  // namespace

GreatCircleSailing sailGreatCircle(EarthModel model, geo::GeoPoint from, geo::GeoPoint to,
                                   double every)
{
    return sail(Solvers(model), from, to, every);
}

std::string greatCirclePointName(int number)
{
    return std::string(kPointWord) + std::to_string(number);
}

RoutePlan splitLeg(EarthModel model, const RoutePlan& plan, std::size_t arrival, double every)
{
    checkInterval(every);
    RoutePlan split = plan;
    int lastNumber = highestPointNumber(plan);
    splitInPlace(Solvers(model), split, arrival, every, lastNumber);
    return split;
}

RoutePlan splitGreatCircleLegs(EarthModel model, const RoutePlan& plan, double every)
{
    checkInterval(every);
    const Solvers solvers(model);
    RoutePlan split = plan;
    int lastNumber = highestPointNumber(plan);
    for (std::size_t i = 1; i < split.waypoints.size(); ++i) {
        if (split.waypoints[i].method == Method::GreatCircle)
            i += splitInPlace(solvers, split, i, every, lastNumber);
    }
    return split;
}

}  // namespace nav
