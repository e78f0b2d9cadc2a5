// SPDX-License-Identifier: GPL-3.0-or-later
// Position fixing (陆标定位, 天文定位): the ship's position from the bearings,
// ranges and horizontal angles of charted marks, the altitudes of celestial
// bodies and the runs between them (observation.h, which defines them), exact
// on WGS-84 and on the sphere.
//
// Each observation puts the ship on a position line (船位线): a bearing on
// the curve from which the mark bears that way (neither the great circle
// nor the rhumb line from the mark on the reciprocal bearing, which miss it
// by some metres over a few miles), a range on the geodesic circle round the
// mark, a horizontal angle on the curve through both marks from which they
// subtend that angle (a circle on a plane), an altitude on its circle of
// equal altitude round the body's geographical position. An observation
// before a run lies
// where the run retraced from the ship leads.
//
// How: where two lines meet is solved by Newton's method on the
// observations themselves, each evaluated by GeographicLib's inverse
// geodesic, whose distance, azimuth, reduced length and geodesic scale give
// the exact derivatives (position_line.h); runs are retraced by
// GeographicLib's rhumb line. The starting points come from the lines drawn
// on a local map. Nothing is plotted, approximated or hand-written.
//
// Answers:
//   two position lines: every point where they meet with each mark used
//     within kMaxSightDistance of the ship when it observed. Two points are
//     possible for two ranges, a range and a bearing of another mark, a
//     range and an angle, a bearing and an angle not involving its mark,
//     and two angles of four marks; two bearings, a bearing and a range or
//     an angle of the same mark, and two angles sharing a mark meet at most
//     once (the shared mark itself is no fix). `near` orders them.
//   three or more lines: the point whose summed squared distances from the
//     lines are least. The distance from a line, in n mile (the sum is
//     taken in metres, which changes nothing):
//       bearing: the distance to the mark times the sine of the bearing's
//         residual (bearing computed minus bearing observed);
//       range: the range computed minus the range observed;
//       altitude: Hc - Ho in arc-minutes (as n mile), Hc at the trial
//         position carried back along the runs after the sight;
//       horizontal angle: s1 s2 / c times the sine of the angle's residual,
//         s1 and s2 the distances to the marks and c the distance between
//         them: on a plane, the angle's residual over its rate of change
//         with position, as a bearing's residual times its distance is.
//     Where the least sum is not unique (lines far from meeting), the least
//     reached from the points where the lines meet in pairs (the first 20
//     lines, of more), on the near side of every line. `near` plays no part.
//     With exactly three lines, the cocked hat (误差三角形) too; with three
//     or more bearings, the common compass error that makes them meet and
//     the fix it gives (系统误差): the least squares again, with the error a
//     third unknown added to every bearing (exact with three bearings and
//     nothing else, as they then meet).
//   From the fix to each mark, its bearing and distance; for each altitude
//   its intercept and Zn from the assumed position.
//
// Altitudes need `near`, the DR at the time of the fix: each altitude's
// assumed position is `near` retraced along the runs after it, where its
// line is sketched from (the plotter's intercept line) before Newton's
// method solves the circles. Two circles of equal altitude meet twice,
// thousands of miles apart; the crossing found is the one near the DR.
// Accuracy of an altitude fix: the solving as above; the altitudes
// themselves as the almanac and the corrections are (sight_reduction.h:
// Hc to 0.03′, the Moon's 0.04′).
// Refusals are a NoFixError with a reason; warnings are FixWarnings. nav
// holds no words: the window and the command line word both, alike.
//
// Accuracy: each step ends when it moves the fix less than 1e-7 m; the
// answer is as good as GeographicLib's geodesics (15 nanometres on WGS-84,
// round-off on the sphere) times the fix's dilution by a poor cut. Measured
// against GeodSolve -E and RhumbSolve (tests/nav/fix_test.cpp: within
// 5e-11 degree), and against GeographicLib's GeodesicExact and exact Rhumb
// over some 10 000 random fixes with marks 2 to 15 n mile off, on both
// models, with runs and compass errors: fixes of two lines within 4e-10
// degree; least-squares fixes within 3e-10 degree where no two lines cut
// at under 30 degrees, 2e-8 degree where all do; cocked-hat corners and
// common-error fixes within 4e-12 degree, the common error itself within
// 1.3e-9 degree. Two lines cutting at under a hundredth of a degree are
// good to 2e-7 degree (2 cm).
//
// Speed, on one core of the machine the tests run on: two lines 10 to 40
// microseconds, three lines with the cocked hat and the common error 45 to
// 150; 400 bearings a third of a second, growing with their number (and
// the warnings of poor cuts with its square). A FixSolver is set up in a
// microsecond; solve() is const and keeps nothing between calls.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

#include "geo/angle.h"
#include "nav/earth_model.h"
#include "nav/errors.h"
#include "nav/observation.h"

namespace nav {

enum class FixWarningKind {
    // Two position lines cut at less than kMinCutAngle or more than
    // 180 - kMinCutAngle degrees, so a small error in either moves the fix
    // far along the other. `value` is the cut angle: the angle, in
    // [0, 180], between the lines where they pass the fix, each line's
    // direction a quarter turn clockwise from the direction in which its
    // distance grows. For two bearings it is the difference of the bearings
    // (to some hundredths of a degree: the lines bend as the meridians
    // converge), for two ranges that of the marks' bearings, for a bearing
    // and a range of one mark 90.
    PoorCut,
    // The ship near the circle through three marks (危险圆), on which a fix
    // by horizontal angles is indeterminate. "Near" is quantified by the cut:
    // two horizontal angles observed together (no run between them) with
    // exactly one mark in common cut at less than kMinCutAngle or more than
    // 180 - kMinCutAngle. Their circles cross at the fix at the same angle
    // as at the common mark, which closes to 0 as the ship nears the danger
    // circle; below 30 degrees an error in an angle moves the fix more than
    // twice as far as it moves the angle's own line. Reported instead of
    // PoorCut for such a pair. Also, among CommonErrorFix::warnings, for the
    // common-error fix of exactly three bearings taken together, which is
    // the fix by the angles between them: the same test on the angles 1-2
    // and 2-3, `first` and `second` then the bearings 0 and 2. `value` is
    // the cut angle.
    DangerCircle,
    // A cocked hat with a side longer than kMaxCockedHatSide; `value` is
    // the longest side, n mile, and `first` and `second` both the line it
    // lies on.
    LargeCockedHat,
    // Three or more lines whose fix lies farther than kMaxCockedHatSide
    // from one of them, where no LargeCockedHat says so already: lines that
    // cross in pairs only behind a mark, or more than three lines, make no
    // cocked hat, yet disagree as much. `value` is the distance, n mile,
    // and `first` and `second` both the line farthest from the fix.
    LineFarFromFix,
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
    // The compass error, east positive, degrees in [-180, 180], with which
    // the bearings as given meet best (exactly, with three bearings and no
    // other lines): it includes the compass error given, so with bearings
    // by a compass whose error was given as 2 and is in fact 3, it is 3.
    double compassError = 0;
    // What remains of it beyond the error given, degrees in [-180, 180]: 1
    // in that example, the whole error where none was given.
    double remaining = 0;
    geo::GeoPoint position;
    // The warnings of this solution, not of the fix: a DangerCircle where
    // the bearings' marks and the ship are near one circle, so that the
    // error found is uncertain. None once the error is given, that is once
    // `remaining` is under kGivenCompassError: the fix then uses it and
    // this solution adds nothing to it.
    std::vector<FixWarning> warnings;
};

// Compass errors are given and shown to the tenth of a degree: an error
// left over of less than half of that is the error already given.
inline constexpr double kGivenCompassError = 0.05;  // degrees

// From the fix to a mark: the bearing (degrees true, [0, 360); from a fix
// at the North Pole every mark bears 180, at the South Pole 000) and
// distance (n mile) of the geodesic.
struct MarkFromFix {
    geo::GeoPoint mark;
    double bearing = 0;
    double distance = 0;
};

// An altitude seen from its assumed position (高度差法): the intercept
// Ho - Hc, n mile, toward the body when positive, and Zn, degrees true in
// [0, 360).
struct AltitudeIntercept {
    std::size_t observation = 0;  // counted from 0, runs not counted
    geo::GeoPoint assumed;        // `near` retraced along the runs after it
    double intercept = 0;
    double zn = 0;
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
    std::vector<AltitudeIntercept> intercepts;  // each altitude, in order
};

// One figure of the Earth's solvers, set up once for any number of fixes.
// Positions come out as Earth writes them: latitudes in [-90, 90],
// longitudes in [-180, 180) (the 180th meridian as -180). A moved-from
// FixSolver may only be assigned to or destroyed.
class FixSolver {
public:
    explicit FixSolver(EarthModel model = EarthModel::Wgs84);
    ~FixSolver();
    FixSolver(FixSolver&&) noexcept;
    FixSolver& operator=(FixSolver&&) noexcept;

    EarthModel model() const noexcept { return model_; }

    // The fix after the last sighting. `compassError` corrects every bearing;
    // `near` (a DR position) orders two solutions, and is every altitude's
    // assumed position (required with one). Throws RangeError for a
    // value out of range (observation.h; `near` as checkPosition) and
    // NoFixError when there is no fix (a run retraced through a pole gives
    // none either).
    Fix solve(const std::vector<Sighting>& sightings, double compassError = 0,
              std::optional<geo::GeoPoint> near = std::nullopt) const;

private:
    struct Solvers;
    EarthModel model_;
    std::unique_ptr<const Solvers> solvers_;
};

}  // namespace nav
