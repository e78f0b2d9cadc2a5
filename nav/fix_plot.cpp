// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/fix_plot.h"

#include <GeographicLib/Ellipsoid.hpp>
#include <GeographicLib/Math.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

#include "geo/units.h"
#include "nav/display.h"
#include "nav/fix_sketch.h"
#include "nav/position_line.h"
#include "nav/solvers.h"

namespace nav {

namespace {

using fixing::Displacement;
using fixing::Figure;
using fixing::LineValue;
using fixing::PositionLine;
using GeographicLib::Math;

using geo::kFullCircle;
using geo::kMinutesPerDegree;
using geo::kRadiansPerDegree;
// Nearer a pole the parallel's radius vanishes and Mercator has no scale.
constexpr double kMostLatitude = 89.9;
// Newton's method onto a line: at most so many steps, ending below a step
// of kConverged metres.
constexpr int kMostSteps = 12;
// Each line is first taken at so many points, then bisected inside the
// extent while a chord strays from the line by more than kChordStray of the
// extent's width or is longer than kLongestChord of it, at most kMostDepth
// times.
constexpr int kFirstPoints = 64;
constexpr double kChordStray = 1e-3;
constexpr double kLongestChord = 0.125;
constexpr int kMostDepth = 16;
// Room around what the plot must show, as a share of its size.
constexpr double kMargin = 0.12;
// The narrowest extent, metres: two cables.
constexpr double kNarrowest = 0.2 * kMetresPerNauticalMile;
// Without a fix, the lines are shown at least this far round the marks.
constexpr double kAroundTheMarks = 5 * kMetresPerNauticalMile;
// Grid steps in tenths of a minute, and scale bars in n mile.
constexpr std::array kGridTenths{1, 2, 5, 10, 20, 50, 100, 200, 300, 600};
constexpr std::array kScaleBars{0.1, 0.2, 0.5, 1.0, 2.0, 5.0, 10.0, 20.0, 50.0};
constexpr double kScaleBarShare = 1.0 / 3;
constexpr double kScaleBarInset = 0.06;  // from the extent's lower right corner
constexpr double kTenthsPerDegree = 600;

// ---- points on the lines --------------------------------------------------

// The point of the line, without its runs, nearest `start`: Newton's method
// along the gradient of the line's distance. Empty where it does not
// converge, or converges on the far side of a bearing's or an angle's circle.
std::optional<geo::GeoPoint> onTheLine(const Figure& figure, const PositionLine& line,
                                       geo::GeoPoint start)
{
    geo::GeoPoint ship = start;
    for (int step = 0; step < kMostSteps; ++step) {
        const std::optional<LineValue> value = fixing::evaluate(figure, line, ship, 0);
        if (!value)
            return std::nullopt;
        const double squared = value->gradient.north * value->gradient.north +
                               value->gradient.east * value->gradient.east;
        if (!(squared > 0))
            return std::nullopt;
        const double k = -value->distance / squared;
        const Displacement move =
            fixing::limited({k * value->gradient.north, k * value->gradient.east});
        const bool last = std::hypot(move.north, move.east) < fixing::kConverged;
        ship = figure.moved(ship, move);
        if (last)
            return value->cosResidual > 0 ? std::optional(fixing::normalised(ship)) : std::nullopt;
    }
    return std::nullopt;
}

// A line as a curve of one parameter, each point exact.
using Curve = std::function<std::optional<geo::GeoPoint>(double)>;

struct CurveSpan {
    Curve curve;
    double from = 0;
    double to = 0;
};

CurveSpan curveOf(const Figure& figure, const fixing::LocalMap& map, const PositionLine& line)
{
    const double sightMetres = kMaxSightDistance * kMetresPerNauticalMile;
    switch (line.kind) {
    case ObservationKind::Bearing:
        // From the mark back along the reciprocal, then onto the line.
        return {[&figure, line](double metres) -> std::optional<geo::GeoPoint> {
                    if (metres == 0)
                        return line.mark;
                    geo::GeoPoint guess;
                    figure.geodesic.Direct(line.mark.latitude, line.mark.longitude,
                                           line.target + kFullCircle / 2, metres, guess.latitude,
                                           guess.longitude);
                    return onTheLine(figure, line, guess);
                },
                0, sightMetres};
    case ObservationKind::Range:
        return {[&figure, line](double azimuth) -> std::optional<geo::GeoPoint> {
                    geo::GeoPoint point;
                    figure.geodesic.Direct(line.mark.latitude, line.mark.longitude, azimuth,
                                           line.target, point.latitude, point.longitude);
                    return fixing::normalised(point);
                },
                0, kFullCircle};
    case ObservationKind::HorizontalAngle:
    case ObservationKind::Altitude:
        break;
    }
    // Round the circle drawn on the map, or along its straight line, then
    // onto the line.
    const fixing::SketchLine sketch = map.sketch(line, 0);
    const auto onto = [&figure, &map, line](fixing::MapPoint guess) {
        return onTheLine(figure, line, map.reverse(guess));
    };
    if (sketch.straight)
        return {[onto, sketch](double metres) {
                    return onto({sketch.point.x + metres * sketch.direction.x,
                                 sketch.point.y + metres * sketch.direction.y});
                },
                -sightMetres, sightMetres};
    return {[onto, sketch](double degrees) {
                double sine = 0;
                double cosine = 0;
                Math::sincosd(degrees, sine, cosine);
                return onto({sketch.point.x + sketch.radius * sine,
                             sketch.point.y + sketch.radius * cosine});
            },
            0, kFullCircle};
}

struct Sample {
    double t = 0;
    std::optional<PlotPoint> at;
};

bool overlaps(PlotPoint a, PlotPoint b, const PlotRect& r)
{
    return std::fmax(a.x, b.x) >= r.left && std::fmin(a.x, b.x) <= r.right &&
           std::fmax(a.y, b.y) >= r.bottom && std::fmin(a.y, b.y) <= r.top;
}

// How far `m` lies from the chord a-b.
double stray(PlotPoint a, PlotPoint b, PlotPoint m)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double chord = std::hypot(dx, dy);
    if (chord == 0)
        return std::hypot(m.x - a.x, m.y - a.y);
    return std::fabs((m.x - a.x) * dy - (m.y - a.y) * dx) / chord;
}

class Tracer {
public:
    Tracer(std::function<std::optional<PlotPoint>(double)> at, const PlotRect& extent)
        : at_(std::move(at)), extent_(extent), width_(extent.right - extent.left)
    {
    }

    std::vector<std::vector<PlotPoint>> trace(double from, double to)
    {
        Sample previous{from, at_(from)};
        samples_.push_back(previous);
        for (int k = 1; k <= kFirstPoints; ++k) {
            const double t = from + (to - from) * k / kFirstPoints;
            const Sample next{t, at_(t)};
            refine(previous, next, 0);
            previous = next;
        }
        return pieces();
    }

private:
    // Adds the samples after a up to b.
    void refine(const Sample& a, const Sample& b, int depth)
    {
        const bool both = a.at && b.at;
        // Where one end is no point of the line, bisect towards the other,
        // to end the line near where it ends (a horizontal angle's at the
        // marks).
        const bool worth = both ? overlaps(*a.at, *b.at, extent_)
                                : (a.at && overlaps(*a.at, *a.at, extent_)) ||
                                      (b.at && overlaps(*b.at, *b.at, extent_));
        if (depth < kMostDepth && worth) {
            const Sample middle{(a.t + b.t) / 2, at_((a.t + b.t) / 2)};
            const bool straightEnough =
                both && middle.at &&
                stray(*a.at, *b.at, *middle.at) <= kChordStray * width_ &&
                std::hypot(b.at->x - a.at->x, b.at->y - a.at->y) <= kLongestChord * width_;
            if (!straightEnough) {
                refine(a, middle, depth + 1);
                refine(middle, b, depth + 1);
                return;
            }
        }
        samples_.push_back(b);
    }

    // The runs of segments that touch the extent.
    std::vector<std::vector<PlotPoint>> pieces() const
    {
        std::vector<std::vector<PlotPoint>> result;
        std::vector<PlotPoint> piece;
        const auto close = [&] {
            if (piece.size() >= 2)
                result.push_back(std::move(piece));
            piece.clear();
        };
        for (std::size_t k = 1; k < samples_.size(); ++k) {
            const Sample& a = samples_[k - 1];
            const Sample& b = samples_[k];
            if (!a.at || !b.at || !overlaps(*a.at, *b.at, extent_)) {
                close();
                continue;
            }
            if (piece.empty())
                piece.push_back(*a.at);
            piece.push_back(*b.at);
        }
        close();
        return result;
    }

    std::function<std::optional<PlotPoint>(double)> at_;
    PlotRect extent_;
    double width_;
    std::vector<Sample> samples_;
};

// `from` carried forward by the runs, in order, on their rhumb lines.
std::optional<geo::GeoPoint> carried(const Figure& figure, geo::GeoPoint from,
                                     const std::vector<Run>& runs)
{
    for (const Run& run : runs) {
        figure.rhumb.Direct(from.latitude, from.longitude, run.course,
                            run.distance * kMetresPerNauticalMile, from.latitude, from.longitude);
        if (!std::isfinite(from.latitude) || !std::isfinite(from.longitude))
            return std::nullopt;
    }
    return fixing::normalised(from);
}

// ---- the frame --------------------------------------------------------------

PlotRect framed(const std::vector<PlotPoint>& shown, std::optional<PlotPoint> fix,
                PlotFrame frame, double& zoom)
{
    PlotRect box{shown.front().x, shown.front().y, shown.front().x, shown.front().y};
    for (const PlotPoint& p : shown) {
        box = {std::fmin(box.left, p.x), std::fmin(box.bottom, p.y), std::fmax(box.right, p.x),
               std::fmax(box.top, p.y)};
    }
    const double aspect = frame.width > 0 && frame.height > 0 ? frame.width / frame.height : 1;
    const double least = fix ? kNarrowest : 2 * kAroundTheMarks;
    double width = std::fmax(box.right - box.left, least) * (1 + 2 * kMargin);
    double height = std::fmax(box.top - box.bottom, least) * (1 + 2 * kMargin);
    if (width / height < aspect)
        width = height * aspect;
    else
        height = width / aspect;
    const double narrowest = std::fmin(width, height);
    zoom = std::clamp(std::isfinite(frame.zoom) ? frame.zoom : 1.0, 1.0,
                      std::fmax(1.0, narrowest / kNarrowest));
    PlotPoint centre{(box.left + box.right) / 2, (box.bottom + box.top) / 2};
    if (fix) {
        const double pull = 1 - 1 / zoom;
        centre = {centre.x + (fix->x - centre.x) * pull, centre.y + (fix->y - centre.y) * pull};
    }
    width /= zoom;
    height /= zoom;
    return {centre.x - width / 2, centre.y - height / 2, centre.x + width / 2,
            centre.y + height / 2};
}

void addGrid(const PlotProjection& mercator, FixPlot& plot)
{
    const PlotRect& e = plot.extent;
    const double west = mercator.unrolledLongitudeAt(e.left);
    const double east = mercator.unrolledLongitudeAt(e.right);
    const double south = std::fmax(mercator.latitudeAt(e.bottom), -kMostLatitude);
    const double north = std::fmin(mercator.latitudeAt(e.top), kMostLatitude);
    const double span = std::fmax(east - west, north - south) * kTenthsPerDegree;
    int step = kGridTenths.back();
    for (const int tenths : kGridTenths) {
        if (span / tenths <= kMostGridLines) {
            step = tenths;
            break;
        }
    }
    plot.gridMinutes = step / (kTenthsPerDegree / kMinutesPerDegree);
    for (double k = std::ceil(west * kTenthsPerDegree / step);
         k <= std::floor(east * kTenthsPerDegree / step); ++k) {
        const double unrolled = k * step / kTenthsPerDegree;
        const double longitude = longitudeOf(unrolled);
        plot.meridians.push_back(
            {mercator.xOfLongitude(unrolled), longitude, formatLongitude(longitude)});
    }
    for (double k = std::ceil(south * kTenthsPerDegree / step);
         k <= std::floor(north * kTenthsPerDegree / step); ++k) {
        const double latitude = k * step / kTenthsPerDegree + 0.0;
        plot.parallels.push_back(
            {mercator.forward({latitude, 0})->y, latitude, formatLatitude(latitude)});
    }
}

void addScaleBar(const PlotProjection& mercator, FixPlot& plot)
{
    const PlotRect& e = plot.extent;
    const double width = e.right - e.left;
    ScaleBar& bar = plot.scaleBar;
    const double y = e.bottom + kScaleBarInset * (e.top - e.bottom);
    const double scale = mercator.scaleAt(mercator.latitudeAt(y));
    for (const double miles : kScaleBars) {
        const double length = miles * kMetresPerNauticalMile * scale;
        if (bar.nauticalMiles > 0 && length > kScaleBarShare * width)
            break;
        bar.nauticalMiles = miles;
        bar.length = length;
    }
    bar.start = {e.right - kScaleBarInset * width - bar.length, y};
    const double ticks = bar.nauticalMiles <= 1 ? 0.1 : (bar.nauticalMiles <= 10 ? 1 : 10);
    bar.division = ticks;
}

}  // namespace

struct PlotProjection::Parameters {
    Parameters(EarthModel model, geo::GeoPoint centre)
        : ellipsoid(radiusOf(model), flatteningOf(model)),
          longitude(centre.longitude),
          psi(ellipsoid.IsometricLatitude(centre.latitude)),
          radius(ellipsoid.CircleRadius(std::fmin(std::fabs(centre.latitude), kMostLatitude)))
    {
    }
    GeographicLib::Ellipsoid ellipsoid;
    double longitude;
    double psi;
    double radius;
};

PlotProjection::PlotProjection(EarthModel model, geo::GeoPoint centre)
    : parameters_(std::make_shared<const Parameters>(model, centre))
{
}

std::optional<PlotPoint> PlotProjection::forward(geo::GeoPoint point) const
{
    const Parameters& p = *parameters_;
    if (!(std::fabs(point.latitude) <= kMostLatitude) || !std::isfinite(point.longitude))
        return std::nullopt;
    return PlotPoint{
        p.radius * Math::AngDiff(p.longitude, point.longitude) * kRadiansPerDegree,
        p.radius * (p.ellipsoid.IsometricLatitude(point.latitude) - p.psi) * kRadiansPerDegree};
}

geo::GeoPoint PlotProjection::reverse(PlotPoint point) const
{
    return {latitudeAt(point.y), longitudeOf(unrolledLongitudeAt(point.x))};
}

double PlotProjection::scaleAt(double latitude) const
{
    return parameters_->radius / parameters_->ellipsoid.CircleRadius(latitude);
}

double PlotProjection::latitudeAt(double y) const
{
    const Parameters& p = *parameters_;
    return p.ellipsoid.InverseIsometricLatitude(p.psi + y / p.radius / kRadiansPerDegree);
}

double PlotProjection::unrolledLongitudeAt(double x) const
{
    const Parameters& p = *parameters_;
    return p.longitude + x / p.radius / kRadiansPerDegree;
}

double PlotProjection::xOfLongitude(double unrolled) const
{
    const Parameters& p = *parameters_;
    return p.radius * (unrolled - p.longitude) * kRadiansPerDegree;
}

FixPlot plotFix(EarthModel model, const std::vector<Sighting>& sightings, double compassError,
                const Fix* fix, PlotFrame frame, std::optional<geo::GeoPoint> near)
{
    checkCompassError(compassError);
    const Figure figure(model);
    const std::vector<PositionLine> lines =
        fixing::positionLines(figure, sightings, compassError, near);
    FixPlot plot;
    if (lines.empty())
        return plot;
    const geo::GeoPoint centre = fix ? fix->position : fixing::anchorOf(lines.front());
    const PlotProjection mercator(model, centre);
    if (!mercator.forward(centre))
        return plot;
    plot.projection = mercator;

    std::vector<PlotPoint> shown;
    const auto place = [&](geo::GeoPoint point, bool show) {
        const std::optional<PlotPoint> at = mercator.forward(point);
        if (at && show)
            shown.push_back(*at);
        return at;
    };
    for (const PositionLine& line : lines) {
        if (line.kind == ObservationKind::Altitude)
            continue;
        std::vector<geo::GeoPoint> marks{line.mark};
        if (line.kind == ObservationKind::HorizontalAngle)
            marks.push_back(line.mark2);
        for (const geo::GeoPoint& mark : marks) {
            const bool known = std::any_of(plot.marks.begin(), plot.marks.end(), [&](auto& m) {
                return m.position.latitude == mark.latitude &&
                       m.position.longitude == mark.longitude;
            });
            if (!known)
                if (const std::optional<PlotPoint> at = place(mark, true))
                    plot.marks.push_back({mark, *at});
        }
    }
    if (fix) {
        plot.fix = place(fix->position, true);  // the centre: always on the plot
        for (std::size_t k = 1; k < fix->solutions.size(); ++k)
            if (const std::optional<PlotPoint> at = place(fix->solutions[k], true))
                plot.otherSolutions.push_back(*at);
        if (fix->cockedHat)
            for (const geo::GeoPoint& corner : fix->cockedHat->corners)
                if (const std::optional<PlotPoint> at = place(corner, true))
                    plot.cockedHat.push_back(*at);
        if (fix->commonError)
            plot.commonErrorFix = place(fix->commonError->position, true);
        // The runs after the first observation, retraced from the fix.
        geo::GeoPoint ship = fix->position;
        const std::vector<Run>& runs = lines.front().carriedBy;
        plot.track.push_back(*plot.fix);
        for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
            const std::optional<geo::GeoPoint> back =
                carried(figure, ship, {{run->course + kFullCircle / 2, run->distance}});
            if (!back)
                break;
            ship = *back;
            if (const std::optional<PlotPoint> at = place(ship, true))
                plot.track.insert(plot.track.begin(), *at);
        }
        if (plot.track.size() < 2)
            plot.track.clear();
        // Each intercept from its assumed position, which the whole plot
        // shows, as a plotting sheet has the DR the lines are laid off from.
        for (const AltitudeIntercept& line : fix->intercepts) {
            const double toward = line.intercept >= 0 ? line.zn : line.zn + kFullCircle / 2;
            const std::optional<geo::GeoPoint> foot =
                carried(figure, line.assumed, {{toward, std::abs(line.intercept)}});
            const std::optional<PlotPoint> from = place(line.assumed, true);
            const std::optional<PlotPoint> to = foot ? place(*foot, true) : std::nullopt;
            if (from && to)
                plot.intercepts.push_back({line.observation, *from, *to});
        }
    }
    if (shown.empty())
        return plot;
    plot.extent = framed(shown, plot.fix, frame, plot.zoom);

    const fixing::LocalMap map(figure, centre);
    for (const PositionLine& carriedLine : lines) {
        if (carriedLine.kind == ObservationKind::HorizontalAngle && !(carriedLine.separation > 0))
            continue;
        PositionLine line = carriedLine;
        line.carriedBy.clear();
        const CurveSpan span = curveOf(figure, map, line);
        for (const bool transferred : {false, true}) {
            if (transferred && carriedLine.carriedBy.empty())
                break;
            Tracer tracer(
                [&](double t) -> std::optional<PlotPoint> {
                    std::optional<geo::GeoPoint> point = span.curve(t);
                    if (point && transferred)
                        point = carried(figure, *point, carriedLine.carriedBy);
                    return point ? mercator.forward(*point) : std::nullopt;
                },
                plot.extent);
            plot.lines.push_back(
                {carriedLine.index, transferred, tracer.trace(span.from, span.to)});
        }
    }
    addGrid(mercator, plot);
    addScaleBar(mercator, plot);
    return plot;
}

}  // namespace nav
