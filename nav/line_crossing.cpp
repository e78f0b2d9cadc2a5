// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/line_crossing.h"

#include <GeographicLib/Math.hpp>

#include <cmath>

#include "nav/linear_system.h"

namespace nav::fixing {

namespace {

using GeographicLib::Math;

constexpr int kMaxNewtonSteps = 60;
// Two solutions closer than this, in metres, are one.
constexpr double kSameSolution = 1e-3;
// A line passes through a solution within this, in metres.
constexpr double kOnTheLine = 1e-5;
// A crossing on the map this many times kMaxSightDistance from a mark is
// not refined: the map is good to far better than this.
constexpr double kFarOnTheMap = 1.5;
// Two bearings differing by less than this sine are parallel, as a navigator
// sees them, whether or not they meet far away.
constexpr double kParallelBearings = 1e-9;

enum class Crossing { Found, BeyondSight, None };

struct CrossingResult {
    Crossing outcome = Crossing::None;
    geo::GeoPoint position;
};

// Newton's method for where lines a and b meet, from `start`.
CrossingResult refine(const Figure& figure, const std::vector<PositionLine>& pair,
                      geo::GeoPoint start)
{
    geo::GeoPoint ship = start;
    for (int step = 0; step < kMaxNewtonSteps; ++step) {
        const std::optional<std::vector<LineValue>> values = evaluateAll(figure, pair, ship, 0);
        if (!values)
            return {};
        const LineValue& a = (*values)[0];
        const LineValue& b = (*values)[1];
        const std::optional<std::array<double, 2>> move = solveLinear<2>(
            {{{a.gradient.north, a.gradient.east}, {b.gradient.north, b.gradient.east}}},
            {-a.distance, -b.distance});
        if (!move)
            return {};
        const Displacement displacement = limited({(*move)[0], (*move)[1]});
        ship = figure.moved(ship, displacement);
        if (std::hypot(displacement.north, displacement.east) < kConverged)
            break;
    }
    const std::optional<std::vector<LineValue>> values = evaluateAll(figure, pair, ship, 0);
    if (!values || std::fabs((*values)[0].distance) > kOnTheLine ||
        std::fabs((*values)[1].distance) > kOnTheLine)
        return {};
    // A bearing's or an angle's circle passes through the far side too.
    if (!onTheNearSide(*values))
        return {};
    if (!withinSight(*values))
        return {Crossing::BeyondSight, ship};
    return {Crossing::Found, normalised(ship)};
}

bool sameLine(const SketchLine& a, const SketchLine& b)
{
    const double scale = std::fmax(a.radius, b.radius) + std::hypot(a.point.x, a.point.y) + 1;
    const MapPoint between{b.point.x - a.point.x, b.point.y - a.point.y};
    if (a.straight != b.straight)
        return false;
    if (a.straight)
        return std::fabs(between.x * a.direction.y - between.y * a.direction.x) < kSingular * scale;
    return std::hypot(between.x, between.y) < kSingular * scale &&
           std::fabs(a.radius - b.radius) < kSingular * scale;
}

NoFixReason whyApart(const std::vector<PositionLine>& pair, const SketchLine& a,
                     const SketchLine& b, bool beyondSight)
{
    const bool bearings = pair[0].kind == ObservationKind::Bearing &&
                          pair[1].kind == ObservationKind::Bearing;
    if (sameLine(a, b))
        return NoFixReason::Indeterminate;
    if (bearings && std::fabs(Math::sind(pair[0].target - pair[1].target)) < kParallelBearings)
        return NoFixReason::ParallelBearings;
    // Drawn on the map, bearing lines bend as circles that also cross far
    // off, where nothing is ahead; on a chart they are straight.
    if (bearings ? meetBeforeTheMarks(a, b) : beyondSight)
        return NoFixReason::TooFar;
    if (pair[0].kind == ObservationKind::Range && pair[1].kind == ObservationKind::Range)
        return NoFixReason::RangeCirclesApart;
    return NoFixReason::LinesApart;
}

void addSolution(const Figure& figure, std::vector<geo::GeoPoint>& solutions,
                 geo::GeoPoint candidate)
{
    for (const geo::GeoPoint& known : solutions)
        if (figure.metresBetween(known, candidate) < kSameSolution)
            return;
    solutions.push_back(candidate);
}

}  // namespace

Crossings crossingsOf(const Figure& figure, const LocalMap& map, const PositionLine& a,
                      const PositionLine& b)
{
    const std::vector<PositionLine> pair{a, b};
    const SketchLine sketchA = map.sketch(a, 0);
    const SketchLine sketchB = map.sketch(b, 0);
    const std::vector<MapPoint> starts = crossings(sketchA, sketchB);
    Crossings result;
    bool beyondSight = false;
    const double farOnTheMap = kFarOnTheMap * kMaxSightDistance * kMetresPerNauticalMile;
    for (const MapPoint& start : starts) {
        if (std::hypot(start.x - sketchA.mark.x, start.y - sketchA.mark.y) > farOnTheMap ||
            std::hypot(start.x - sketchB.mark.x, start.y - sketchB.mark.y) > farOnTheMap) {
            beyondSight = beyondSight || (beforeTheMark(sketchA, start) &&
                                          beforeTheMark(sketchB, start));
            continue;
        }
        const CrossingResult crossing = refine(figure, pair, map.reverse(start));
        if (crossing.outcome == Crossing::Found)
            addSolution(figure, result.solutions, crossing.position);
        beyondSight = beyondSight || crossing.outcome == Crossing::BeyondSight;
    }
    if (result.solutions.empty())
        result.reason = whyApart(pair, sketchA, sketchB, beyondSight);
    return result;
}

}  // namespace nav::fixing
