// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/fix.h"

#include <GeographicLib/Math.hpp>

#include <algorithm>
#include <cmath>

#include "geo/units.h"
#include "nav/earth.h"
#include "nav/fix_sketch.h"
#include "nav/least_squares.h"
#include "nav/line_crossing.h"
#include "nav/position_line.h"
#include "nav/sight_reduction.h"
#include "nav/solvers.h"
#include "nav/spherical_angles.h"

namespace nav {

using fixing::Crossings;
using fixing::Displacement;
using fixing::Fit;
using fixing::Figure;
using fixing::LineValue;
using fixing::LocalMap;
using fixing::MapPoint;
using fixing::PositionLine;
using fixing::evaluateAll;
using fixing::leastSquares;
using fixing::onTheNearSide;
using fixing::sumOfSquares;
using fixing::withinSight;
using GeographicLib::Math;

namespace {

using geo::kHalfCircle;

// Starting points tried for the least squares before giving up.
constexpr int kMaxStarts = 4;
// The lines whose crossings (or, failing those, points along them) are
// ranked as starting points: each candidate is ranked by every line, so
// crossings of all n lines cost n^3 / 2 geodesics (400 bearings took 84 s);
// those of the first 20 at most 190 n, and any 20 lines give starts near
// the fix as well as all of them do.
constexpr std::size_t kStartLines = 20;

double nauticalMilesOf(double metres) { return metres / kMetresPerNauticalMile; }

std::vector<PositionLine> prepare(const Figure& figure, const std::vector<Sighting>& sightings,
                                  double compassError, std::optional<geo::GeoPoint> near)
{
    std::vector<PositionLine> lines = fixing::positionLines(figure, sightings, compassError, near);
    for (const PositionLine& line : lines)
        if (line.kind == ObservationKind::HorizontalAngle && !(line.separation > 0))
            throw NoFixError(NoFixReason::CoincidentMarks);
    if (lines.size() < 2)
        throw NoFixError(NoFixReason::TooFewObservations);
    return lines;
}

void orderSolutions(const Figure& figure, std::vector<geo::GeoPoint>& solutions,
                    std::optional<geo::GeoPoint> near)
{
    if (near) {
        std::stable_sort(solutions.begin(), solutions.end(),
                         [&](const geo::GeoPoint& x, const geo::GeoPoint& y) {
                             return figure.metresBetween(*near, x) < figure.metresBetween(*near, y);
                         });
    } else {
        std::stable_sort(solutions.begin(), solutions.end(),
                         [](const geo::GeoPoint& x, const geo::GeoPoint& y) {
                             return x.latitude > y.latitude ||
                                    (x.latitude == y.latitude && x.longitude < y.longitude);
                         });
    }
}

// ---- warnings ---------------------------------------------------------------

// The angle, degrees in [0, 180], between two lines with these gradients:
// for two bearings the difference of the bearings, for two ranges that of
// the marks' bearings.
double cutAngle(Displacement a, Displacement b)
{
    // Each line runs a quarter turn clockwise from its gradient.
    const double sine = a.north * b.east - a.east * b.north;
    const double cosine = a.north * b.north + a.east * b.east;
    return Math::atan2d(std::fabs(sine), cosine);
}

bool poorCut(double angle)
{
    return angle < kMinCutAngle || angle > kHalfCircle - kMinCutAngle;
}

// Two horizontal angles observed together with exactly one mark in common.
bool shareOneMark(const PositionLine& a, const PositionLine& b)
{
    if (a.kind != ObservationKind::HorizontalAngle || b.kind != ObservationKind::HorizontalAngle ||
        a.carriedBy.size() != b.carriedBy.size())
        return false;
    for (std::size_t k = 0; k < a.carriedBy.size(); ++k)
        if (a.carriedBy[k].course != b.carriedBy[k].course ||
            a.carriedBy[k].distance != b.carriedBy[k].distance)
            return false;
    const auto same = [](geo::GeoPoint x, geo::GeoPoint y) {
        return x.latitude == y.latitude && x.longitude == y.longitude;
    };
    const int shared = int(same(a.mark, b.mark)) + int(same(a.mark, b.mark2)) +
                       int(same(a.mark2, b.mark)) + int(same(a.mark2, b.mark2));
    return shared == 1;
}

void warnOfCuts(const std::vector<PositionLine>& lines, const std::vector<LineValue>& values,
                std::vector<FixWarning>& warnings)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        for (std::size_t j = i + 1; j < lines.size(); ++j) {
            const double angle = cutAngle(values[i].gradient, values[j].gradient);
            if (!poorCut(angle))
                continue;
            const FixWarningKind kind = shareOneMark(lines[i], lines[j])
                                            ? FixWarningKind::DangerCircle
                                            : FixWarningKind::PoorCut;
            warnings.push_back({kind, lines[i].index, lines[j].index, angle});
        }
    }
}

// The common-error fix of three bearings taken together is the fix by the
// angles between them: near the danger circle when the circles of the
// angles 1-2 and 2-3 cut poorly.
void warnOfDangerCircle(const std::vector<PositionLine>& bearings,
                        const std::vector<LineValue>& values, std::vector<FixWarning>& warnings)
{
    if (bearings.size() != 3)
        return;
    for (const PositionLine& line : bearings)
        if (!line.carriedBy.empty())
            return;
    // On the lines, a bearing's gradient is its distance times the gradient
    // of the mark's azimuth.
    std::array<Displacement, 3> turn;
    for (std::size_t k = 0; k < 3; ++k)
        turn[k] = {values[k].gradient.north / values[k].farthestMark,
                   values[k].gradient.east / values[k].farthestMark};
    const Displacement first{turn[1].north - turn[0].north, turn[1].east - turn[0].east};
    const Displacement second{turn[2].north - turn[1].north, turn[2].east - turn[1].east};
    const double angle = cutAngle(first, second);
    if (poorCut(angle))
        warnings.push_back(
            {FixWarningKind::DangerCircle, bearings[0].index, bearings[2].index, angle});
}

// ---- the answer -------------------------------------------------------------

std::vector<MarkFromFix> marksFrom(const Figure& figure, geo::GeoPoint fix,
                                   const std::vector<PositionLine>& lines)
{
    std::vector<MarkFromFix> marks;
    const auto add = [&](geo::GeoPoint mark) {
        for (const MarkFromFix& known : marks)
            if (known.mark.latitude == mark.latitude && known.mark.longitude == mark.longitude)
                return;
        double metres = 0;
        double azimuth = 0;
        double azimuthAtMark = 0;
        figure.geodesic.Inverse(fix.latitude, fix.longitude, mark.latitude, mark.longitude,
                                metres, azimuth, azimuthAtMark);
        marks.push_back({mark, courseLeaving(fix, courseOf(azimuth)), nauticalMilesOf(metres)});
    };
    for (const PositionLine& line : lines) {
        if (line.kind == ObservationKind::Altitude)
            continue;
        add(line.mark);
        if (line.kind == ObservationKind::HorizontalAngle)
            add(line.mark2);
    }
    return marks;
}

std::vector<AltitudeIntercept> interceptsOf(const std::vector<PositionLine>& lines)
{
    std::vector<AltitudeIntercept> intercepts;
    for (const PositionLine& line : lines) {
        if (line.kind != ObservationKind::Altitude)
            continue;
        const fixing::AltitudeAt computed = fixing::altitudeAt(line, line.assumed);
        intercepts.push_back({line.index, line.assumed,
                              (line.target - computed.hc) * kArcminutesPerDegree *
                                  kNauticalMilesPerArcminute,
                              computed.zn});
    }
    return intercepts;
}

geo::GeoPoint nearest(const Figure& figure, const std::vector<geo::GeoPoint>& points,
                      geo::GeoPoint to)
{
    return *std::min_element(points.begin(), points.end(),
                             [&](const geo::GeoPoint& x, const geo::GeoPoint& y) {
                                 return figure.metresBetween(to, x) < figure.metresBetween(to, y);
                             });
}

}  // namespace

struct FixSolver::Solvers {
    explicit Solvers(EarthModel model) : figure(model) {}
    Figure figure;
};

FixSolver::FixSolver(EarthModel model)
    : model_(model), solvers_(std::make_unique<const Solvers>(model))
{
}
FixSolver::~FixSolver() = default;
FixSolver::FixSolver(FixSolver&&) noexcept = default;
FixSolver& FixSolver::operator=(FixSolver&&) noexcept = default;

namespace {

Fix twoLines(const Figure& figure, const LocalMap& map, const std::vector<PositionLine>& lines,
             std::optional<geo::GeoPoint> near)
{
    Crossings pair = fixing::crossingsOf(figure, map, lines[0], lines[1]);
    if (pair.solutions.empty())
        throw NoFixError(pair.reason);
    orderSolutions(figure, pair.solutions, near);
    Fix fix;
    fix.solutions = std::move(pair.solutions);
    fix.position = fix.solutions.front();
    if (const std::optional<std::vector<LineValue>> values =
            evaluateAll(figure, lines, fix.position, 0))
        warnOfCuts(lines, *values, fix.warnings);
    return fix;
}

// Where to start the least squares, best first: of the points where two
// lines meet (on the Earth for three lines, whose corners are wanted anyway;
// on the map for more, of the first kStartLines lines) those on the near side
// of every line, the nearest all the lines first; failing those, points
// along each of those lines on the map.
std::vector<geo::GeoPoint> startingPoints(const Figure& figure, const LocalMap& map,
                                          const std::vector<PositionLine>& lines,
                                          const std::vector<Crossings>& corners)
{
    std::vector<geo::GeoPoint> candidates;
    for (const Crossings& pair : corners)
        candidates.insert(candidates.end(), pair.solutions.begin(), pair.solutions.end());
    const std::size_t startLines = std::min(lines.size(), kStartLines);
    if (corners.empty()) {
        for (std::size_t i = 0; i < startLines; ++i)
            for (std::size_t j = i + 1; j < startLines; ++j)
                for (const MapPoint& crossing :
                     fixing::crossings(map.sketch(lines[i], 0), map.sketch(lines[j], 0)))
                    candidates.push_back(map.reverse(crossing));
    }
    std::vector<std::pair<double, geo::GeoPoint>> ranked;
    const auto rank = [&] {
        for (const geo::GeoPoint& candidate : candidates) {
            const std::optional<std::vector<LineValue>> values =
                evaluateAll(figure, lines, candidate, 0);
            if (values && onTheNearSide(*values))
                ranked.emplace_back(sumOfSquares(*values), candidate);
        }
    };
    rank();
    if (ranked.empty()) {
        candidates.clear();
        for (std::size_t i = 0; i < startLines; ++i)
            for (const MapPoint& point : fixing::pointsAlong(map.sketch(lines[i], 0)))
                candidates.push_back(map.reverse(point));
        rank();
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& x, const auto& y) { return x.first < y.first; });
    std::vector<geo::GeoPoint> starts;
    for (const auto& [sum, point] : ranked)
        starts.push_back(point);
    return starts;
}

std::optional<CockedHat> cockedHat(const Figure& figure,
                                   const std::vector<Crossings>& corners, geo::GeoPoint fix)
{
    if (corners.size() != 3)
        return std::nullopt;
    CockedHat hat;
    for (std::size_t k = 0; k < 3; ++k) {
        if (corners[k].solutions.empty())
            return std::nullopt;
        hat.corners[k] = nearest(figure, corners[k].solutions, fix);
    }
    hat.sides = {nauticalMilesOf(figure.metresBetween(hat.corners[0], hat.corners[1])),
                 nauticalMilesOf(figure.metresBetween(hat.corners[0], hat.corners[2])),
                 nauticalMilesOf(figure.metresBetween(hat.corners[1], hat.corners[2]))};
    return hat;
}

std::optional<CommonErrorFix> commonError(const Figure& figure,
                                          const std::vector<PositionLine>& lines,
                                          geo::GeoPoint fix, double compassError)
{
    std::vector<PositionLine> bearings;
    for (const PositionLine& line : lines)
        if (line.kind == ObservationKind::Bearing)
            bearings.push_back(line);
    if (bearings.size() < 3)
        return std::nullopt;
    const std::optional<Fit> fit = leastSquares(figure, lines, fix, true);
    if (!fit || !onTheNearSide(fit->values) || !withinSight(fit->values))
        return std::nullopt;
    CommonErrorFix common{Math::AngNormalize(compassError + fit->commonError),
                          Math::AngNormalize(fit->commonError), fit->position, {}};
    if (bearings.size() == lines.size() && std::abs(common.remaining) >= kGivenCompassError)
        warnOfDangerCircle(bearings, fit->values, common.warnings);
    return common;
}

// Lines far from meeting may have more than one least sum: the first start
// that leads to a fix on the near side of every line, within sight, gives it.
Fit leastSquaresFix(const Figure& figure, const LocalMap& map,
                    const std::vector<PositionLine>& lines, const std::vector<Crossings>& corners)
{
    const bool cornersMeet = std::any_of(corners.begin(), corners.end(), [](const auto& pair) {
        return !pair.solutions.empty();
    });
    // Lines that meet nowhere in pairs, as three parallel bearings, fail as
    // the first pair does.
    NoFixReason reason = !corners.empty() && !cornersMeet ? corners.front().reason
                                                          : NoFixReason::Indeterminate;
    int tried = 0;
    for (const geo::GeoPoint& start : startingPoints(figure, map, lines, corners)) {
        if (tried++ == kMaxStarts)
            break;
        std::optional<Fit> fit = leastSquares(figure, lines, start, false);
        if (!fit)
            continue;
        if (onTheNearSide(fit->values) && withinSight(fit->values))
            return std::move(*fit);
        reason = onTheNearSide(fit->values) ? NoFixReason::TooFar : NoFixReason::Indeterminate;
    }
    throw NoFixError(reason);
}

void warnOfCockedHat(const std::optional<CockedHat>& hat, std::vector<FixWarning>& warnings)
{
    if (!hat)
        return;
    const auto longest = std::max_element(hat->sides.begin(), hat->sides.end());
    // Side k lies on line k.
    const auto line = std::size_t(longest - hat->sides.begin());
    if (*longest > kMaxCockedHatSide)
        warnings.push_back({FixWarningKind::LargeCockedHat, line, line, *longest});
}

void warnOfFarLine(const std::vector<LineValue>& values, std::vector<FixWarning>& warnings)
{
    const bool hatWarned = std::any_of(warnings.begin(), warnings.end(), [](const FixWarning& w) {
        return w.kind == FixWarningKind::LargeCockedHat;
    });
    const auto farthest = std::max_element(values.begin(), values.end(),
        [](const LineValue& a, const LineValue& b) { return std::abs(a.distance) < std::abs(b.distance); });
    if (hatWarned || farthest == values.end())
        return;
    const double miles = nauticalMilesOf(std::abs(farthest->distance));
    const auto line = std::size_t(farthest - values.begin());
    if (miles > kMaxCockedHatSide)
        warnings.push_back({FixWarningKind::LineFarFromFix, line, line, miles});
}

Fix manyLines(const Figure& figure, const LocalMap& map, const std::vector<PositionLine>& lines,
              double compassError)
{
    std::vector<Crossings> corners;
    if (lines.size() == 3) {
        for (const auto& [i, j] : {std::pair{0, 1}, std::pair{0, 2}, std::pair{1, 2}})
            corners.push_back(fixing::crossingsOf(figure, map, lines[i], lines[j]));
    }
    const Fit fit = leastSquaresFix(figure, map, lines, corners);
    Fix fix;
    fix.position = fit.position;
    fix.solutions = {fit.position};
    fix.cockedHat = cockedHat(figure, corners, fix.position);
    warnOfCuts(lines, fit.values, fix.warnings);
    warnOfCockedHat(fix.cockedHat, fix.warnings);
    warnOfFarLine(fit.values, fix.warnings);
    fix.commonError = commonError(figure, lines, fix.position, compassError);
    return fix;
}

}  // namespace

Fix FixSolver::solve(const std::vector<Sighting>& sightings, double compassError,
                     std::optional<geo::GeoPoint> near) const
{
    checkCompassError(compassError);
    if (near)
        checkPosition(*near);
    const Figure& figure = solvers_->figure;
    const std::vector<PositionLine> lines = prepare(figure, sightings, compassError, near);
    const LocalMap map(figure, fixing::anchorOf(lines.front()));
    Fix fix = lines.size() == 2 ? twoLines(figure, map, lines, near)
                                : manyLines(figure, map, lines, compassError);
    fix.marks = marksFrom(figure, fix.position, lines);
    fix.intercepts = interceptsOf(lines);
    return fix;
}

}  // namespace nav
