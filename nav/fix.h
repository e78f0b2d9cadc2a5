// SPDX-License-Identifier: GPL-3.0-or-later
// Position fixing (陆标定位): the ship's position from the bearings, ranges
// and horizontal angles of charted marks (observation.h), exact on WGS-84
// and on the sphere.
//
// Each observation puts the ship on a position line (船位线): a bearing on
// the curve from which the mark bears that way (neither the great circle
// nor the rhumb line from the mark with the reciprocal bearing), a range on
// the geodesic circle round the mark, a horizontal angle on the curve
// through both marks from which they subtend that angle (a circle on a
// plane). The solver finds where the lines meet by Newton's method on the
// observations themselves, each evaluated by GeographicLib's geodesic
// (its distance, azimuth, reduced length and geodesic scale give the exact
// derivatives), started from where the lines meet on a local map; runs are
// retraced by GeographicLib's rhumb line. Nothing is drawn, plotted or
// approximated on a chart.
//
// Answers:
//   two position lines: every point where they meet, at most
//     kMaxSightDistance from the ship's position at each observation. Two
//     such points are possible for two ranges, a range and a bearing of
//     another mark, a range and a horizontal angle, a bearing and an angle
//     not involving the bearing's mark, and two angles of four marks; a
//     bearing of a mark and a range or an angle with that mark, two
//     bearings, and two angles sharing a mark meet at most once (the
//     shared mark itself is no fix).
//   three or more lines: the point whose summed squared distances from
//     the lines are least. The distance from a line, n mile:
//       bearing: the distance to the mark times the sine of the bearing's
//         residual (observed minus computed);
//       range: the range computed minus the range observed;
//       horizontal angle: s1 s2 / c times the sine of the angle's residual,
//         s1 and s2 the distances to the marks and c the distance between
//         them: on a plane the displacement that corrects the angle to
//         first order, as s sin(residual) is for a bearing.
//     With exactly three lines, the cocked hat (误差三角形) too; with three
//     or more bearings, the common compass error that makes them meet and
//     the fix it gives (系统误差).
//   Distances and bearings from the fix to each mark.
//
// Accuracy: the fix solves its equations to 1e-7 m (a few 1e-12 degree),
// far below GeographicLib's own 15 nanometre accuracy on WGS-84 (round-off
// on the sphere) times the fix's dilution by a poor cut. Measured against
// GeodSolve: at most 1e-11 degree over fixes with marks 2 to 15 n mile off
// (see tests/nav/fix_test.cpp). A fix takes some tens of microseconds.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

#include "geo/angle.h"
#include "nav/earth_model.h"
#include "nav/observation.h"

namespace nav {

// Why there is no fix. The window and the command line word each reason.
enum class NoFixReason {
    TooFewObservations,  // fewer than two observations
    CoincidentMarks,     // a horizontal angle between a mark and itself
    ParallelBearings,    // two bearing lines that are parallel: 两方位线平行，无交点
    RangeCirclesApart,   // two range circles that do not meet: 两距离圆不相交
    LinesApart,          // any other two position lines that do not meet, as
                         // bearing lines meeting only behind their marks
    Indeterminate,       // the lines coincide, or cross nowhere in particular
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

enum class FixWarningKind {
    // Two position lines cut at less than kMinCutAngle or more than
    // 180 - kMinCutAngle degrees, so a small error in either moves the fix
    // far along the other. `value` is the cut angle.
    PoorCut,
    // Two horizontal angles observed together with one mark in common,
    // whose circles cut at less than kMinCutAngle or more than
    // 180 - kMinCutAngle: the ship is near the circle through the three
    // marks (危险圆), on which the fix is indeterminate. The circles cross at
    // the fix at the same angle as at the common mark, and that angle is 0
    // on the danger circle. For the common-error fix of three bearings, the
    // same test on the angles between bearings 1-2 and 2-3, with
    // `first`, `second` the bearings 0 and 2. `value` is the cut angle.
    DangerCircle,
    // A cocked hat with a side longer than kMaxCockedHatSide; `value` is
    // the longest side, n mile, and `first` and `second` both the line it
    // lies on.
    LargeCockedHat,
};

inline constexpr double kMinCutAngle = 30;        // degrees
inline constexpr double kMaxCockedHatSide = 1;    // n mile

struct FixWarning {
    FixWarningKind kind = FixWarningKind::PoorCut;
    std::size_t first = 0;   // the observations concerned, counted from 0
    std::size_t second = 0;  // in the order given, runs not counted
    double value = 0;
};

// The three pairwise intersections of three position lines, corner k of
// lines (1,2), (1,3), (2,3) for k = 0, 1, 2; side k is the length, n mile,
// of the side on line k + 1: corners 0-1, 0-2, 1-2. Where a pair meets
// twice, the corner nearer the fix.
struct CockedHat {
    std::array<geo::GeoPoint, 3> corners;
    std::array<double, 3> sides{};
};

struct CommonErrorFix {
    // The compass error, east positive, degrees in (-180, 180], with which
    // the bearings as given meet best (exactly, with three bearings and no
    // other lines): it includes the compass error given, so with bearings
    // by a compass whose error was given as 2 and is in fact 3, it is 3.
    double compassError = 0;
    geo::GeoPoint position;
};

// From the fix to a mark: the bearing (degrees true, [0, 360)) and distance
// (n mile) of the geodesic.
struct MarkFromFix {
    geo::GeoPoint mark;
    double bearing = 0;
    double distance = 0;
};

struct Fix {
    geo::GeoPoint position;                // solutions.front()
    // Two lines: every solution, the nearest to `near` first (without it,
    // the northernmost first). More lines: the fix alone.
    std::vector<geo::GeoPoint> solutions;
    std::optional<CockedHat> cockedHat;    // exactly three lines that pairwise meet
    std::optional<CommonErrorFix> commonError;  // three or more bearings
    std::vector<FixWarning> warnings;
    std::vector<MarkFromFix> marks;        // each mark once, in the order first used
};

// Latitudes in [-90, 90] and longitudes in [-180, 180) (the 180th meridian
// as -180), as Earth writes them.
class FixSolver {
public:
    explicit FixSolver(EarthModel model = EarthModel::Wgs84);
    ~FixSolver();
    FixSolver(FixSolver&&) noexcept;
    FixSolver& operator=(FixSolver&&) noexcept;

    EarthModel model() const noexcept { return model_; }

    // The fix after the last sighting. `compassError` corrects every bearing;
    // `near` (a DR position) orders two solutions. Throws RangeError for a
    // value out of range (observation.h; `near` as checkPosition), PoleError
    // for a run through a pole, NoFixError when there is no fix.
    Fix solve(const std::vector<Sighting>& sightings, double compassError = 0,
              std::optional<geo::GeoPoint> near = std::nullopt) const;

private:
    struct Solvers;
    EarthModel model_;
    std::unique_ptr<const Solvers> solvers_;
};

}  // namespace nav
