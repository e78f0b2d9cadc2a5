// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/rise_set.h"

#include <array>
#include <cmath>
#include <functional>
#include <vector>

#include "nav/earth.h"
#include "nav/sight_reduction.h"
#include "nav/spherical_angles.h"

namespace nav {

namespace {

constexpr double kRateStepSeconds = 60;  // of the hour angle's rate
constexpr int kTransitIterations = 4;    // Newton's; each gains some digits
constexpr double kMoonRiseParallaxFactor = 1 - kMoonSemidiameterPerParallax;
constexpr double kResolutionSeconds = 0.5;
constexpr int kGoldenIterations = 30;
constexpr double kGoldenRatio = 0.6180339887498949;

// The altitudes that decide the day's events at one instant, each minus
// the altitude it is compared with: positive above.
struct Heights {
    std::array<double, 4> above{};  // sunrise, civil, nautical, moon
};

enum Event { Sunrise, Civil, Nautical, Moonrise };

class Sky {
public:
    Sky(geo::GeoPoint position, double dip) : position_(position), dip_(dip) {}

    Heights at(const Instant& t) const
    {
        const Almanac almanac(t);
        const BodyPlace sun = almanac.place(sun_);
        const BodyPlace moon = almanac.place(moon_);
        const double sunAltitude = horizontalAt(sun, position_).altitude;
        const double moonHorizon =
            kMoonRiseParallaxFactor * *moon.hp / kArcminutesPerDegree - kHorizonRefraction - dip_;
        return {{sunAltitude - (kSunriseAltitude - dip_), sunAltitude - kCivilTwilightAltitude,
                 sunAltitude - kNauticalTwilightAltitude,
                 horizontalAt(moon, position_).altitude - moonHorizon}};
    }

private:
    geo::GeoPoint position_;
    double dip_;
    const Body& sun_ = body("Sun");
    const Body& moon_ = body("Moon");
};

struct Sample {
    Instant time;
    Heights heights;
};

using Height = std::function<double(const Instant&)>;

// The crossing in [a, b], where `height` changes sign, to kResolutionSeconds.
Instant bisect(const Height& height, Instant a, Instant b)
{
    const bool aboveAtStart = height(a) > 0;
    while (b.secondsSince(a) > kResolutionSeconds) {
        const Instant middle = a.later(b.secondsSince(a) / 2);
        ((height(middle) > 0) == aboveAtStart ? a : b) = middle;
    }
    return a.later(b.secondsSince(a) / 2);
}

// The extremum of `height` in [a, b] (a maximum when `highest`).
Instant extremum(const Height& height, Instant a, Instant b, bool highest)
{
    const auto better = [&](const Instant& x, const Instant& y) {
        return highest ? height(x) > height(y) : height(x) < height(y);
    };
    for (int i = 0; i < kGoldenIterations; ++i) {
        const double span = b.secondsSince(a);
        const Instant left = b.later(-kGoldenRatio * span);
        const Instant right = a.later(kGoldenRatio * span);
        if (better(left, right))
            b = right;
        else
            a = left;
    }
    return a.later(b.secondsSince(a) / 2);
}

Crossings crossingsOf(const std::vector<Sample>& samples, const Sky& sky, Event event)
{
    const Height height = [&](const Instant& t) { return sky.at(t).above[event]; };
    const auto value = [&](std::size_t i) { return samples[i].heights.above[event]; };
    Crossings crossings;
    const auto found = [&](const Instant& a, const Instant& b) {
        const Instant t = bisect(height, a, b);
        std::optional<Instant>& slot = height(a) < 0 ? crossings.rise : crossings.set;
        if (!slot || t.secondsSince(*slot) < 0)
            slot = t;
    };
    for (std::size_t i = 0; i + 1 < samples.size(); ++i) {
        if ((value(i) > 0) != (value(i + 1) > 0))
            found(samples[i].time, samples[i + 1].time);
        // A maximum or minimum between samples that crosses and comes back.
        if (i > 0 && (value(i - 1) > 0) == (value(i) > 0) && (value(i) > 0) == (value(i + 1) > 0)) {
            const bool peak = value(i) >= value(i - 1) && value(i) >= value(i + 1);
            const bool trough = value(i) <= value(i - 1) && value(i) <= value(i + 1);
            if ((peak && value(i) < 0) || (trough && value(i) > 0)) {
                const Instant t = extremum(height, samples[i - 1].time, samples[i + 1].time, peak);
                if ((height(t) > 0) != (value(i) > 0)) {
                    found(samples[i - 1].time, t);
                    found(t, samples[i + 1].time);
                }
            }
        }
    }
    if (!crossings.rise && !crossings.set)
        crossings.allDay = value(0) > 0 ? AllDay::Above : AllDay::Below;
    return crossings;
}

}  // namespace

Instant transitNear(const Body& body, const Instant& near, double longitude, Transit transit)
{
    const double target = transit == Transit::Upper ? 0 : 180;
    Instant t = near;
    for (int i = 0; i < kTransitIterations; ++i) {
        const double gha = Almanac(t).place(body).gha;
        const double later = Almanac(t.later(kRateStepSeconds)).place(body).gha;
        const double rate = signedDegrees(later - gha) / kRateStepSeconds;  // degrees per second
        t = t.later(-signedDegrees(gha + longitude - target) / rate);
    }
    return t;
}

DayEvents dayEvents(int year, int month, int day, TimeZone zone, geo::GeoPoint position,
                    double heightOfEye, double dut1)
{
    checkPosition(position);
    checkSightConditions({heightOfEye, 0, kDefaultTemperature, kDefaultPressure});
    const Instant start = Instant::fromUtc(utcFromZone({year, month, day, 0, 0, 0}, zone), dut1);
    const double step = static_cast<double>(kRiseSetStep.count());
    const Sky sky(position, kDipPerRootMetre * std::sqrt(heightOfEye) / kArcminutesPerDegree);
    std::vector<Sample> samples;
    for (double s = 0; s <= kSecondsPerDay; s += step) {
        const Instant t = start.later(s);
        samples.push_back({t, sky.at(t)});
    }
    DayEvents events;
    events.sun = crossingsOf(samples, sky, Sunrise);
    events.civil = crossingsOf(samples, sky, Civil);
    events.nautical = crossingsOf(samples, sky, Nautical);
    events.moon = crossingsOf(samples, sky, Moonrise);
    const Instant noon =
        transitNear(body("Sun"), start.later(kSecondsPerDay / 2), position.longitude, Transit::Upper);
    const double since = noon.secondsSince(start);
    if (since >= 0 && since < kSecondsPerDay)
        events.meridianPassage = noon;
    return events;
}

}  // namespace nav
