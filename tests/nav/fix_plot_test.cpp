// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/fix_plot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <ostream>
#include <optional>
#include <vector>

#include "geo/coordinate_text.h"
#include "nav/earth.h"

#include "row_name.h"

namespace {

using enum nav::EarthModel;

template <class Row>
    requires requires(const Row& row) { row.name; }
void PrintTo(const Row& row, std::ostream* out)
{
    *out << row.name;
}

nav::Sighting Bearing(geo::GeoPoint mark, double degrees)
{
    return nav::bearingObservation(mark, degrees);
}

nav::Sighting Range(geo::GeoPoint mark, double nauticalMiles)
{
    return nav::rangeObservation(mark, nauticalMiles);
}

nav::Sighting Angle(geo::GeoPoint mark1, geo::GeoPoint mark2, double degrees)
{
    return nav::angleObservation(mark1, mark2, degrees);
}

double bearingFrom(const nav::Earth& earth, geo::GeoPoint ship, geo::GeoPoint mark)
{
    return earth.leg(ship, mark).greatCircle.initialCourse;
}

double distanceFrom(const nav::Earth& earth, geo::GeoPoint ship, geo::GeoPoint mark)
{
    return earth.leg(ship, mark).greatCircle.distance;
}

// The difference of two directions, degrees in (-180, 180].
double turn(double from, double to)
{
    return std::remainder(to - from, 360.0);
}

// Where the ship was when it observed, for a point after `runs`.
geo::GeoPoint retraced(const nav::Earth& earth, geo::GeoPoint now, const std::vector<nav::Run>& runs)
{
    for (auto run = runs.rbegin(); run != runs.rend(); ++run)
        now = earth.deadReckoning(now, std::fmod(run->course + 180, 360), run->distance,
                                  nav::Method::Rhumb);
    return now;
}

// How far `ship` lies from the observation's line, in metres, as fix.h
// measures it: the distance to the mark times the sine of a bearing's
// residual; a range's residual; s1 s2 / c times the sine of an angle's.
double offTheLine(const nav::Earth& earth, const nav::Observation& observation, geo::GeoPoint ship)
{
    const double metresPerMile = 1852;
    const double toMark = distanceFrom(earth, ship, observation.mark) * metresPerMile;
    const auto sine = [](double degrees) { return std::sin(degrees * std::numbers::pi / 180); };
    switch (observation.kind) {
    case nav::ObservationKind::Bearing:
        return toMark * sine(turn(observation.value, bearingFrom(earth, ship, observation.mark)));
    case nav::ObservationKind::Range:
        return toMark - observation.value * metresPerMile;
    case nav::ObservationKind::HorizontalAngle: {
        const double toMark2 = distanceFrom(earth, ship, observation.mark2) * metresPerMile;
        const double between = distanceFrom(earth, observation.mark, observation.mark2) * metresPerMile;
        return toMark * toMark2 / between *
               sine(turn(observation.value, bearingFrom(earth, ship, observation.mark2) -
                                                bearingFrom(earth, ship, observation.mark)));
    }
    case nav::ObservationKind::Altitude: {
        // Hc - Ho, a minute of arc to the mile; the mark is the body's
        // geographical position.
        const double degree = std::numbers::pi / 180;
        const double sinHc = std::sin(ship.latitude * degree) * std::sin(observation.mark.latitude * degree) +
                             std::cos(ship.latitude * degree) * std::cos(observation.mark.latitude * degree) *
                                 std::cos((ship.longitude - observation.mark.longitude) * degree);
        return (std::asin(sinHc) / degree - observation.value) * 60 * metresPerMile;
    }
    }
    return 0;
}

struct LineRow {
    const char* name;
    nav::EarthModel model;
    std::vector<nav::Sighting> sightings;
    std::optional<geo::GeoPoint> near = std::nullopt;  // the DR, for altitudes
};

class PlottedLines : public ::testing::TestWithParam<LineRow> {};

// Every point of every line, read back through the projection, sees its
// marks as observed; a transferred line's points do so from where the runs
// retraced lead. A line drawn on the reciprocal bearing from the mark, a
// projection that is not the one the plot says, or a transfer the wrong way
// is off by metres to miles.
TEST_P(PlottedLines, LieOnTheirPositionLines)
{
    const LineRow& row = GetParam();
    const nav::Earth earth(row.model);
    const nav::FixSolver solver(row.model);
    const nav::Fix fix = solver.solve(row.sightings, 0, row.near);
    const nav::FixPlot plot = nav::plotFix(row.model, row.sightings, 0, &fix, {4, 3, 1}, row.near);
    ASSERT_TRUE(plot.projection);
    std::vector<nav::Observation> observations;
    std::vector<std::vector<nav::Run>> runsAfter;
    for (const nav::Sighting& sighting : row.sightings) {
        if (const auto* run = std::get_if<nav::Run>(&sighting)) {
            for (auto& runs : runsAfter)
                runs.push_back(*run);
        } else {
            observations.push_back(std::get<nav::Observation>(sighting));
            runsAfter.emplace_back();
        }
    }
    int points = 0;
    for (const nav::PlottedLine& line : plot.lines) {
        const nav::Observation& observation = observations.at(line.observation);
        for (const auto& piece : line.pieces) {
            for (const nav::PlotPoint& at : piece) {
                geo::GeoPoint ship = plot.projection->reverse(at);
                if (line.transferred)
                    ship = retraced(earth, ship, runsAfter[line.observation]);
                if (distanceFrom(earth, ship, observation.mark) < 1e-6 ||
                    (observation.kind == nav::ObservationKind::HorizontalAngle &&
                     distanceFrom(earth, ship, observation.mark2) < 1e-6))
                    continue;  // a mark, where the line ends
                EXPECT_NEAR(offTheLine(earth, observation, ship), 0, 1e-6)
                    << "observation " << line.observation << (line.transferred ? " transferred" : "");
                ++points;
            }
        }
    }
    EXPECT_GT(points, 10);
}

INSTANTIATE_TEST_SUITE_P(Table, PlottedLines, ::testing::Values(
    LineRow{"ThreeBearings", Wgs84,
            {Bearing({22.3, 113.95}, 40.93533205044109),
             Bearing({22.18, 113.97}, 135.029576715846),
             Bearing({22.27, 113.8}, 280.14542947709924)}},
    LineRow{"BearingAndRangeSphere", Sphere,
            {Bearing({31.25, 122.45}, 68.76041037303196), Range({31.1, 122.35}, 7.0)}},
    LineRow{"TwoHorizontalAngles", Wgs84,
            {Angle({24.5, 118.05}, {24.52, 118.2}, 95.02195065312088),
             Angle({24.52, 118.2}, {24.38, 118.18}, 81.11573358161793)}},
    LineRow{"RunningFixOverTwoRuns", Wgs84,
            {Bearing({36.1, 120.6}, 39.04944889669579), nav::Run{70.0, 6.0},
             nav::Run{125.0, 4.5}, Bearing({36.02, 120.75}, 58.71830747978363)}},
    LineRow{"AcrossTheAntimeridian", Wgs84,
            {Bearing({-17.45, -179.98}, 53.35084384909232),
             Bearing({-17.6, 179.88}, 213.8710895464775)}},
    // Two stars' geographical positions and Ho (GHA = -longitude), the
    // second after a run, and a headland.
    LineRow{"StarRunStarAndHeadland", Wgs84,
            {nav::altitudeObservation(-176.97407822325692, 11.836893742684685, 37.02136314944084),
             nav::Run{45.0, 5.0},
             nav::altitudeObservation(-126.10405187276183, -16.755252796055817, 42.83210704732766),
             Bearing({30.4666667, 123.0333333}, 319.11)},
            geo::GeoPoint{30.4666667, 123.0}},
    LineRow{"TwoStarsSphere", Sphere,
            {nav::altitudeObservation(-176.97407822325692, 11.836893742684685, 37.02136314944084),
             nav::altitudeObservation(-126.10405187276183, -16.755252796055817, 42.83210704732766)},
            geo::GeoPoint{30.4666667, 123.0}}),
    geo::testing::RowName());

// The distance from p to the nearest segment of a polyline.
double distanceToPolyline(nav::PlotPoint p, const std::vector<nav::PlotPoint>& line)
{
    double nearest = INFINITY;
    for (std::size_t k = 1; k < line.size(); ++k) {
        const nav::PlotPoint a = line[k - 1];
        const nav::PlotPoint b = line[k];
        const double dx = b.x - a.x;
        const double dy = b.y - a.y;
        const double t =
            std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
        nearest = std::fmin(nearest, std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy));
    }
    return nearest;
}

// Each intercept runs from its assumed position toward the body (away for
// a negative intercept) onto its line: its foot lies within a tenth of the
// intercept of the circle of equal altitude, where a foot drawn the wrong
// way would lie twice the intercept off it. The second star's DR is
// carried by the run before it.
TEST(FixPlot, InterceptsRunFromTheAssumedPositionOntoTheirLines)
{
    const nav::Earth earth(Wgs84);
    const nav::Observation first =
        nav::altitudeObservation(-176.97407822325692, 11.836893742684685, 37.02136314944084);
    const nav::Observation second =
        nav::altitudeObservation(-126.10405187276183, -16.755252796055817, 42.83210704732766);
    const std::vector<nav::Sighting> sightings{first, nav::Run{45.0, 5.0}, second};
    const geo::GeoPoint dr{30.4666667, 123.0};
    const nav::Fix fix = nav::FixSolver().solve(sightings, 0, dr);
    const nav::FixPlot plot = nav::plotFix(Wgs84, sightings, 0, &fix, {1, 1, 1}, dr);
    ASSERT_EQ(plot.intercepts.size(), 2u);
    ASSERT_EQ(fix.intercepts.size(), 2u);
    for (std::size_t k = 0; k < 2; ++k) {
        const nav::Observation& star = k == 0 ? first : second;
        const double intercept = std::abs(fix.intercepts[k].intercept) * 1852;
        const geo::GeoPoint assumed = plot.projection->reverse(plot.intercepts[k].assumed);
        const geo::GeoPoint foot = plot.projection->reverse(plot.intercepts[k].foot);
        EXPECT_NEAR(std::abs(offTheLine(earth, star, assumed)), intercept, 0.05 * intercept) << k;
        EXPECT_LT(std::abs(offTheLine(earth, star, foot)), 0.1 * intercept) << k;
    }
}

// Both lines of a two-bearing fix pass through the fix as drawn, also
// zoomed in to the narrowest extent, where a coarse polyline would miss it.
TEST(FixPlot, LinesPassThroughTheFixAtEveryZoom)
{
    const std::vector<nav::Sighting> sightings{Bearing({30.0, 122.0}, 45.0),
                                               Bearing({29.866666666666667, 122.1}, 120.0)};
    const nav::Fix fix = nav::FixSolver().solve(sightings);
    for (const double zoom : {1.0, 8.0, 1e6}) {
        const nav::FixPlot plot = nav::plotFix(Wgs84, sightings, 0, &fix, {1, 1, zoom});
        ASSERT_TRUE(plot.fix);
        const double width = plot.extent.right - plot.extent.left;
        EXPECT_GE(width, 0.2 * 1852 - 1e-6) << "zoom " << zoom;
        EXPECT_LE(plot.extent.left, plot.fix->x);
        EXPECT_GE(plot.extent.right, plot.fix->x);
        ASSERT_EQ(plot.lines.size(), 2u);
        for (const nav::PlottedLine& line : plot.lines) {
            double nearest = INFINITY;
            for (const auto& piece : line.pieces)
                nearest = std::fmin(nearest, distanceToPolyline(*plot.fix, piece));
            EXPECT_LT(nearest, 1e-3 * width) << "zoom " << zoom;
        }
    }
}

// Mercator is conformal and true to scale on the fix's parallel: a metre
// north and a metre east of the fix are a metre on the plot; an
// equirectangular or unscaled plot would stretch one of them.
TEST(FixPlot, ProjectionIsConformalAndTrueAtTheFix)
{
    for (const nav::EarthModel model : {Wgs84, Sphere}) {
        const nav::Earth earth(model);
        const geo::GeoPoint fix{55.7, 12.6};
        const nav::PlotProjection projection(model, fix);
        for (const double course : {0.0, 90.0}) {
            const geo::GeoPoint moved =
                earth.deadReckoning(fix, course, 1.0 / 1852, nav::Method::GreatCircle);
            const nav::PlotPoint at = *projection.forward(moved);
            EXPECT_NEAR(std::hypot(at.x, at.y), 1.0, 1e-6) << "course " << course;
        }
    }
}

struct GridRow {
    const char* name;
    double zoom;
    double minutes;  // the step expected
};

class Grid : public ::testing::TestWithParam<GridRow> {};

// The marks of the cocked hat lie some 6 n mile apart: at zoom 1 the grid
// steps by 2′ and, as the extent narrows, down to 0.1′. The lines fall on
// whole multiples of the step, at the places the projection gives, their
// labels read back as their values, and a step one finer would put more
// than kMostGridLines lines across.
TEST_P(Grid, StepsByTenthsOfAMinute)
{
    const GridRow& row = GetParam();
    const std::vector<nav::Sighting> sightings{Bearing({22.3, 113.95}, 40.93533205044109),
                                               Bearing({22.18, 113.97}, 135.029576715846),
                                               Bearing({22.27, 113.8}, 280.14542947709924)};
    const nav::Fix fix = nav::FixSolver().solve(sightings);
    const nav::FixPlot plot = nav::plotFix(Wgs84, sightings, 0, &fix, {1, 1, row.zoom});
    EXPECT_DOUBLE_EQ(plot.gridMinutes, row.minutes);
    ASSERT_GE(plot.meridians.size(), 2u);
    ASSERT_GE(plot.parallels.size(), 2u);
    const double width = plot.extent.right - plot.extent.left;
    for (const auto* lines : {&plot.meridians, &plot.parallels}) {
        const bool meridians = lines == &plot.meridians;
        EXPECT_LE(lines->size(), std::size_t(nav::kMostGridLines));
        for (std::size_t k = 0; k < lines->size(); ++k) {
            const nav::GridLine& line = (*lines)[k];
            const double tenths = line.degrees * 600;
            EXPECT_NEAR(tenths, std::round(tenths), 1e-6) << line.label;
            if (k > 0) {
                EXPECT_NEAR((line.degrees - (*lines)[k - 1].degrees) * 60, row.minutes, 1e-9);
            }
            const geo::GeoPoint on = meridians ? geo::GeoPoint{fix.position.latitude, line.degrees}
                                               : geo::GeoPoint{line.degrees, fix.position.longitude};
            const nav::PlotPoint at = *plot.projection->forward(on);
            EXPECT_NEAR(meridians ? at.x : at.y, line.at, 1e-6 * width) << line.label;
            const geo::Axis axis = meridians ? geo::Axis::Longitude : geo::Axis::Latitude;
            EXPECT_NEAR(geo::readCoordinate(line.label, geo::EntryMode::Minutes, axis),
                        line.degrees, 1e-9)
                << line.label;
        }
    }
    // A finer step (the one before in the ladder 1, 2, 5 × 10^k tenths)
    // would give more lines than allowed across the longer side.
    const double finer = row.minutes == 0.1 ? 0 : (std::round(row.minutes * 10) == 5 ? 0.2 : row.minutes / 2);
    if (finer > 0) {
        const double south = plot.projection->latitudeAt(plot.extent.bottom);
        const double north = plot.projection->latitudeAt(plot.extent.top);
        const double west = plot.projection->unrolledLongitudeAt(plot.extent.left);
        const double east = plot.projection->unrolledLongitudeAt(plot.extent.right);
        const double across = std::fmax(north - south, east - west) * 60;
        EXPECT_GT(across / finer, nav::kMostGridLines);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Grid, ::testing::Values(
    GridRow{"WholePlot", 1, 2},
    GridRow{"ZoomedFourTimes", 4, 0.5},
    GridRow{"ZoomedSixtyFourTimes", 64, 0.1}),
    geo::testing::RowName());

// The scale bar measures its miles along its parallel: a rhumb line due
// east, which runs along the parallel, of that length ends the bar's length
// east of its start. It is the longest of 1, 2, 5 cables and 1, 2, 5, 10 ...
// n mile within a third of the width.
TEST(FixPlot, ScaleBarIsAsLongAsItSays)
{
    const std::vector<nav::Sighting> sightings{Bearing({60.3, 5.1}, 10.0), Bearing({60.2, 5.3}, 100.0)};
    for (const nav::EarthModel model : {Wgs84, Sphere}) {
        const nav::Earth earth(model);
        const nav::Fix fix = nav::FixSolver(model).solve(sightings);
        for (const double zoom : {1.0, 5.0, 40.0}) {
            const nav::FixPlot plot = nav::plotFix(model, sightings, 0, &fix, {16, 9, zoom});
            const nav::ScaleBar& bar = plot.scaleBar;
            const geo::GeoPoint start = plot.projection->reverse(bar.start);
            const geo::GeoPoint end =
                earth.deadReckoning(start, 90, bar.nauticalMiles, nav::Method::Rhumb);
            const nav::PlotPoint at = *plot.projection->forward(end);
            EXPECT_NEAR(at.x - bar.start.x, bar.length, 1e-6 * bar.length) << "zoom " << zoom;
            EXPECT_NEAR(at.y, bar.start.y, 1e-6);
            const double width = plot.extent.right - plot.extent.left;
            EXPECT_LE(bar.length, width / 3);
            EXPECT_GT(bar.length * (std::round(bar.nauticalMiles / std::pow(10, std::floor(std::log10(bar.nauticalMiles)))) == 2 ? 2.5 : 2),
                      width / 3);
            EXPECT_EQ(bar.division, bar.nauticalMiles <= 1 ? 0.1 : (bar.nauticalMiles <= 10 ? 1 : 10));
        }
    }
}

// With no fix (the lines parallel) the marks and the lines are still
// plotted, about the first mark.
TEST(FixPlot, WithoutAFixShowsTheMarksAndLines)
{
    const std::vector<nav::Sighting> sightings{Bearing({30.0, 122.0}, 45.0), Bearing({30.0, 122.2}, 45.0)};
    const nav::FixPlot plot = nav::plotFix(Wgs84, sightings, 0, nullptr, {1, 1, 1});
    EXPECT_FALSE(plot.fix);
    ASSERT_EQ(plot.marks.size(), 2u);
    EXPECT_EQ(plot.marks[0].at.x, 0);
    EXPECT_EQ(plot.marks[0].at.y, 0);
    ASSERT_EQ(plot.lines.size(), 2u);
    for (const nav::PlottedLine& line : plot.lines)
        EXPECT_FALSE(line.pieces.empty());
}

}  // namespace
