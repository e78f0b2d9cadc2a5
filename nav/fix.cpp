// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/fix.h"

#include <GeographicLib/Math.hpp>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "nav/earth.h"
#include "nav/fix_sketch.h"
#include "nav/position_line.h"

namespace nav {

using fixing::Displacement;
using fixing::Figure;
using fixing::LineValue;
using fixing::LocalMap;
using fixing::MapPoint;
using fixing::PositionLine;
using GeographicLib::Math;

namespace {

constexpr double kFullCircle = 360;
constexpr double kHalfCircle = 180;

// A Newton or Gauss-Newton step shorter than this, in metres, ends the
// iteration: the next would be shorter still by orders of magnitude.
constexpr double kConverged = 1e-7;
// The same for the common compass error, in degrees: 1e-11 degree turns a
// line 15 n mile long by 5e-9 m.
constexpr double kErrorConverged = 1e-11;
constexpr int kMaxNewtonSteps = 60;
constexpr int kMaxLeastSquaresSteps = 100;
constexpr int kGaussNewtonSteps = 8;
// Starting points tried for the least squares before giving up.
constexpr int kMaxStarts = 4;
constexpr int kMaxHalvings = 40;
// Near the minimum the sum of squares no longer falls visibly, for
// round-off, so steps shorter than this, in metres, are taken without
// looking; longer ones are halved until the sum falls.
constexpr double kTrustedStep = 10;
// No Newton step goes farther, in metres, than a mark can be seen.
constexpr double kMaxStep = kMaxSightDistance * kMetresPerNauticalMile;
// Two solutions closer than this, in metres, are one.
constexpr double kSameSolution = 1e-3;
// A line passes through a solution within this, in metres.
constexpr double kOnTheLine = 1e-5;
// A crossing on the map this far beyond kMaxSightDistance from a mark is not
// refined: the map is good to far better than this.
constexpr double kFarOnTheMap = 1.5;
// A pivot this small, relative to the largest, is no pivot.
constexpr double kSingular = 1e-13;

double metresOf(double nauticalMiles) { return nauticalMiles * kMetresPerNauticalMile; }
double nauticalMilesOf(double metres) { return metres / kMetresPerNauticalMile; }

// As Earth writes positions: -0 as 0, the 180th meridian as -180.
geo::GeoPoint normalised(geo::GeoPoint position)
{
    const double longitude = Math::AngNormalize(position.longitude);
    return {position.latitude + 0.0, longitude >= kHalfCircle ? longitude - kFullCircle
                                                              : longitude + 0.0};
}

double courseOf(double azimuth)
{
    const double course = azimuth < 0 ? azimuth + kFullCircle : azimuth;
    return course >= kFullCircle ? 0.0 : course + 0.0;
}

std::vector<PositionLine> prepare(const Figure& figure, const std::vector<Sighting>& sightings,
                                  double compassError)
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
            line.target = metresOf(observation.value);
            break;
        case ObservationKind::HorizontalAngle:
            line.target = observation.value;
            line.separation = figure.metresBetween(line.mark, line.mark2);
            if (!(line.separation > 0))
                throw NoFixError(NoFixReason::CoincidentMarks);
            break;
        }
        lines.push_back(std::move(line));
    }
    if (lines.size() < 2)
        throw NoFixError(NoFixReason::TooFewObservations);
    return lines;
}

// The lines' values at `ship`, or empty where one cannot be evaluated.
std::optional<std::vector<LineValue>> evaluateAll(const Figure& figure,
                                                  const std::vector<PositionLine>& lines,
                                                  geo::GeoPoint ship, double commonError)
{
    std::vector<LineValue> values;
    values.reserve(lines.size());
    for (const PositionLine& line : lines) {
        const std::optional<LineValue> value =
            fixing::evaluate(figure, line, ship, line.kind == ObservationKind::Bearing
                                                     ? commonError : 0.0);
        if (!value)
            return std::nullopt;
        values.push_back(*value);
    }
    return values;
}

// Is `ship` a fix for lines with these values: on the near side of every
// line's circle, and no mark used beyond sight?
bool onTheNearSide(const std::vector<LineValue>& values)
{
    return std::all_of(values.begin(), values.end(),
                       [](const LineValue& value) { return value.cosResidual > 0; });
}

bool withinSight(const std::vector<LineValue>& values)
{
    return std::all_of(values.begin(), values.end(), [](const LineValue& value) {
        return value.farthestMark <= metresOf(kMaxSightDistance);
    });
}

// Solves the n x n system a x = b (n <= 3) by Gaussian elimination with
// partial pivoting; empty when it is singular.
template <std::size_t N>
std::optional<std::array<double, N>> solveLinear(std::array<std::array<double, N>, N> a,
                                                 std::array<double, N> b)
{
    double largest = 0;
    for (const auto& row : a)
        for (double entry : row)
            largest = std::fmax(largest, std::fabs(entry));
    for (std::size_t column = 0; column < N; ++column) {
        std::size_t pivot = column;
        for (std::size_t row = column + 1; row < N; ++row)
            if (std::fabs(a[row][column]) > std::fabs(a[pivot][column]))
                pivot = row;
        if (!(std::fabs(a[pivot][column]) > kSingular * largest))
            return std::nullopt;
        std::swap(a[pivot], a[column]);
        std::swap(b[pivot], b[column]);
        for (std::size_t row = column + 1; row < N; ++row) {
            const double factor = a[row][column] / a[column][column];
            for (std::size_t k = column; k < N; ++k)
                a[row][k] -= factor * a[column][k];
            b[row] -= factor * b[column];
        }
    }
    std::array<double, N> x{};
    for (std::size_t row = N; row-- > 0;) {
        double sum = b[row];
        for (std::size_t k = row + 1; k < N; ++k)
            sum -= a[row][k] * x[k];
        x[row] = sum / a[row][row];
    }
    return x;
}

Displacement limited(Displacement step)
{
    const double metres = std::hypot(step.north, step.east);
    if (metres <= kMaxStep)
        return step;
    return {step.north * kMaxStep / metres, step.east * kMaxStep / metres};
}

// ---- two lines -------------------------------------------------------------

enum class Crossing { Found, Behind, BeyondSight, Failed };

struct CrossingResult {
    Crossing outcome = Crossing::Failed;
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
    if (!onTheNearSide(*values))
        return {Crossing::Behind, ship};
    if (!withinSight(*values))
        return {Crossing::BeyondSight, ship};
    return {Crossing::Found, normalised(ship)};
}

bool sameLine(const fixing::SketchLine& a, const fixing::SketchLine& b)
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

// Two bearings differing by less than this sine are parallel, as a navigator
// sees them, whether or not they meet far away.
constexpr double kParallelBearings = 1e-9;

NoFixReason whyApart(const std::vector<PositionLine>& pair, const fixing::SketchLine& a,
                     const fixing::SketchLine& b, bool beyondSight)
{
    const bool bearings = pair[0].kind == ObservationKind::Bearing &&
                          pair[1].kind == ObservationKind::Bearing;
    if (sameLine(a, b))
        return NoFixReason::Indeterminate;
    if (bearings && std::fabs(Math::sind(pair[0].target - pair[1].target)) < kParallelBearings)
        return NoFixReason::ParallelBearings;
    // Drawn on the map, bearing lines bend as circles that also cross far
    // off, where nothing is ahead; on a chart they are straight.
    if (bearings ? fixing::meetBeforeTheMarks(a, b) : beyondSight)
        return NoFixReason::TooFar;
    if (pair[0].kind == ObservationKind::Range && pair[1].kind == ObservationKind::Range)
        return NoFixReason::RangeCirclesApart;
    return NoFixReason::LinesApart;
}

struct PairSolutions {
    std::vector<geo::GeoPoint> solutions;
    NoFixReason reason = NoFixReason::LinesApart;  // when there are none
};

void addSolution(const Figure& figure, std::vector<geo::GeoPoint>& solutions,
                 geo::GeoPoint candidate)
{
    for (const geo::GeoPoint& known : solutions)
        if (figure.metresBetween(known, candidate) < kSameSolution)
            return;
    solutions.push_back(candidate);
}

PairSolutions solvePair(const Figure& figure, const LocalMap& map, const PositionLine& a,
                        const PositionLine& b)
{
    const std::vector<PositionLine> pair{a, b};
    const fixing::SketchLine sketchA = map.sketch(a, 0);
    const fixing::SketchLine sketchB = map.sketch(b, 0);
    const std::vector<MapPoint> starts = fixing::crossings(sketchA, sketchB);
    PairSolutions result;
    bool beyondSight = false;
    const double farOnTheMap = kFarOnTheMap * metresOf(kMaxSightDistance);
    for (const MapPoint& start : starts) {
        if (std::hypot(start.x - sketchA.mark.x, start.y - sketchA.mark.y) > farOnTheMap ||
            std::hypot(start.x - sketchB.mark.x, start.y - sketchB.mark.y) > farOnTheMap) {
            beyondSight = beyondSight || (fixing::beforeTheMark(sketchA, start) &&
                                          fixing::beforeTheMark(sketchB, start));
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

// ---- three or more lines ----------------------------------------------------

double sumOfSquares(const std::vector<LineValue>& values)
{
    double sum = 0;
    for (const LineValue& value : values)
        sum += value.distance * value.distance;
    return sum;
}

using Vector = std::array<double, 3>;
using Matrix = std::array<Vector, 3>;

Vector rowOf(const LineValue& value)
{
    return {value.gradient.north, value.gradient.east, value.errorDerivative};
}

// Half the gradient of the sum of squares over the displacement north and
// east and the common error: J^T r, exact.
Vector halfGradient(const std::vector<LineValue>& values)
{
    Vector gradient{};
    for (const LineValue& value : values) {
        const Vector row = rowOf(value);
        for (std::size_t i = 0; i < 3; ++i)
            gradient[i] += row[i] * value.distance;
    }
    return gradient;
}

// Gauss-Newton's approximation to half the Hessian: J^T J.
Matrix normalMatrix(const std::vector<LineValue>& values)
{
    Matrix normal{};
    for (const LineValue& value : values) {
        const Vector row = rowOf(value);
        for (std::size_t i = 0; i < 3; ++i)
            for (std::size_t j = 0; j < 3; ++j)
                normal[i][j] += row[i] * row[j];
    }
    return normal;
}

// Solves a x = -b over the position, and the common error `withError`.
std::optional<Vector> stepFor(const Matrix& a, const Vector& b, bool withError)
{
    if (withError)
        return solveLinear<3>(a, {-b[0], -b[1], -b[2]});
    const std::optional<std::array<double, 2>> step =
        solveLinear<2>({{{a[0][0], a[0][1]}, {a[1][0], a[1][1]}}}, {-b[0], -b[1]});
    if (!step)
        return std::nullopt;
    return Vector{(*step)[0], (*step)[1], 0};
}

struct Fit {
    geo::GeoPoint position;
    double commonError = 0;
    std::vector<LineValue> values;
};

std::optional<Fit> fitAt(const Figure& figure, const std::vector<PositionLine>& lines,
                         geo::GeoPoint position, double commonError)
{
    std::optional<std::vector<LineValue>> values =
        evaluateAll(figure, lines, position, commonError);
    if (!values)
        return std::nullopt;
    return Fit{position, commonError, std::move(*values)};
}

// Half the true Hessian, as differences of the exact half gradient over
// kHessianStep metres (and kHessianErrorStep degrees of common error): it
// adds to J^T J the curvature of the lines times their distances, which
// Gauss-Newton leaves out and which makes it creep or swing when the
// lines pass far from the fix.
constexpr double kHessianStep = 1;
constexpr double kHessianErrorStep = 1e-5;

std::optional<Matrix> hessian(const Figure& figure, const std::vector<PositionLine>& lines,
                              const Fit& fit, bool withError)
{
    Matrix columns{};
    const std::size_t unknowns = withError ? 3 : 2;
    for (std::size_t k = 0; k < unknowns; ++k) {
        std::array<Vector, 2> sides;
        for (int side = 0; side < 2; ++side) {
            const double sign = side == 0 ? 1 : -1;
            Displacement move;
            double error = fit.commonError;
            if (k == 0)
                move.north = sign * kHessianStep;
            else if (k == 1)
                move.east = sign * kHessianStep;
            else
                error += sign * kHessianErrorStep;
            const std::optional<Fit> moved =
                fitAt(figure, lines, figure.moved(fit.position, move), error);
            if (!moved)
                return std::nullopt;
            sides[side] = halfGradient(moved->values);
        }
        const double step = k < 2 ? kHessianStep : kHessianErrorStep;
        for (std::size_t i = 0; i < 3; ++i)
            columns[k][i] = (sides[0][i] - sides[1][i]) / (2 * step);
    }
    Matrix symmetric{};
    for (std::size_t i = 0; i < unknowns; ++i)
        for (std::size_t j = 0; j < unknowns; ++j)
            symmetric[i][j] = (columns[i][j] + columns[j][i]) / 2;
    return symmetric;
}

// Gauss-Newton from `start`, turning to Newton's method if it has not
// converged after kGaussNewtonSteps, with step halving: the point (and
// common error) of least summed squared distances from the lines.
std::optional<Fit> leastSquares(const Figure& figure, const std::vector<PositionLine>& lines,
                                geo::GeoPoint start, bool withError)
{
    std::optional<Fit> fit = fitAt(figure, lines, start, 0);
    if (!fit)
        return std::nullopt;
    for (int iteration = 0; iteration < kMaxLeastSquaresSteps; ++iteration) {
        const Vector gradient = halfGradient(fit->values);
        std::optional<Vector> step;
        if (iteration >= kGaussNewtonSteps) {
            if (const std::optional<Matrix> curvature = hessian(figure, lines, *fit, withError))
                step = stepFor(*curvature, gradient, withError);
            // Away from the minimum the Hessian may point uphill.
            if (step && (*step)[0] * gradient[0] + (*step)[1] * gradient[1] +
                                (*step)[2] * gradient[2] >= 0)
                step.reset();
        }
        if (!step)
            step = stepFor(normalMatrix(fit->values), gradient, withError);
        if (!step)
            return std::nullopt;
        Displacement move = limited({(*step)[0], (*step)[1]});
        double errorMove = (*step)[2];
        // A step this short is the last: the next would be far shorter.
        if (std::hypot(move.north, move.east) < kConverged &&
            std::fabs(errorMove) < kErrorConverged) {
            fit = fitAt(figure, lines, normalised(figure.moved(fit->position, move)),
                        fit->commonError + errorMove);
            return fit;
        }
        const double sum = sumOfSquares(fit->values);
        std::optional<Fit> trial;
        for (int halving = 0; halving <= kMaxHalvings && !trial; ++halving) {
            trial = fitAt(figure, lines, figure.moved(fit->position, move),
                          fit->commonError + errorMove);
            if (trial && !(sumOfSquares(trial->values) <= sum ||
                           std::hypot(move.north, move.east) < kTrustedStep))
                trial.reset();
            move = {move.north / 2, move.east / 2};
            errorMove /= 2;
        }
        if (!trial)
            return std::nullopt;
        fit = std::move(trial);
    }
    return std::nullopt;
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
        marks.push_back({mark, courseOf(azimuth), nauticalMilesOf(metres)});
    };
    for (const PositionLine& line : lines) {
        add(line.mark);
        if (line.kind == ObservationKind::HorizontalAngle)
            add(line.mark2);
    }
    return marks;
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
    PairSolutions pair = solvePair(figure, map, lines[0], lines[1]);
    if (pair.solutions.empty())
        throw NoFixError(pair.reason);
    orderSolutions(figure, pair.solutions, near);
    Fix fix;
    fix.solutions = std::move(pair.solutions);
    fix.position = fix.solutions.front();
    return fix;
}

// Where to start the least squares, best first: of the points where two
// lines meet (on the Earth for three lines, whose corners are wanted anyway;
// on the map for more) those on the near side of every line, the nearest all
// the lines first; failing those, points along each line on the map.
std::vector<geo::GeoPoint> startingPoints(const Figure& figure, const LocalMap& map,
                                          const std::vector<PositionLine>& lines,
                                          const std::vector<PairSolutions>& corners)
{
    std::vector<geo::GeoPoint> candidates;
    for (const PairSolutions& pair : corners)
        candidates.insert(candidates.end(), pair.solutions.begin(), pair.solutions.end());
    if (corners.empty()) {
        for (std::size_t i = 0; i < lines.size(); ++i)
            for (std::size_t j = i + 1; j < lines.size(); ++j)
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
        for (const PositionLine& line : lines)
            for (const MapPoint& point : fixing::pointsAlong(map.sketch(line, 0)))
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
                                   const std::vector<PairSolutions>& corners, geo::GeoPoint fix)
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
                                          geo::GeoPoint fix, double compassError,
                                          std::vector<FixWarning>& warnings)
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
    if (bearings.size() == lines.size()) {
        warnOfDangerCircle(bearings, fit->values, warnings);
    }
    return CommonErrorFix{Math::AngNormalize(compassError + fit->commonError), fit->position};
}

Fix manyLines(const Figure& figure, const LocalMap& map, const std::vector<PositionLine>& lines,
              double compassError)
{
    std::vector<PairSolutions> corners;
    if (lines.size() == 3) {
        for (const auto& [i, j] : {std::pair{0, 1}, std::pair{0, 2}, std::pair{1, 2}})
            corners.push_back(solvePair(figure, map, lines[i], lines[j]));
    }
    // Lines far from meeting may have more than one least sum: the first
    // start that leads to a fix on the near side of every line, within
    // sight, gives it.
    std::optional<Fit> fit;
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
        fit = leastSquares(figure, lines, start, false);
        if (fit && onTheNearSide(fit->values) && withinSight(fit->values))
            break;
        if (fit)
            reason = onTheNearSide(fit->values) ? NoFixReason::TooFar : NoFixReason::Indeterminate;
        fit.reset();
    }
    if (!fit)
        throw NoFixError(reason);
    Fix fix;
    fix.position = fit->position;
    fix.solutions = {fit->position};
    fix.cockedHat = cockedHat(figure, corners, fix.position);
    warnOfCuts(lines, fit->values, fix.warnings);
    if (fix.cockedHat) {
        const auto longest = std::max_element(fix.cockedHat->sides.begin(),
                                              fix.cockedHat->sides.end());
        const std::size_t side = std::size_t(longest - fix.cockedHat->sides.begin());
        if (*longest > kMaxCockedHatSide)
            fix.warnings.push_back({FixWarningKind::LargeCockedHat, side, side, *longest});
    }
    fix.commonError = commonError(figure, lines, fix.position, compassError, fix.warnings);
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
    const std::vector<PositionLine> lines = prepare(figure, sightings, compassError);
    const LocalMap map(figure, lines.front().mark);
    Fix fix = lines.size() == 2 ? twoLines(figure, map, lines, near)
                                : manyLines(figure, map, lines, compassError);
    if (lines.size() == 2) {
        const std::optional<std::vector<LineValue>> values =
            evaluateAll(figure, lines, fix.position, 0);
        if (values)
            warnOfCuts(lines, *values, fix.warnings);
    }
    fix.marks = marksFrom(figure, fix.position, lines);
    return fix;
}

}  // namespace nav
