// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/star_finder.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "nav/earth.h"
#include "nav/errors.h"
#include "nav/sight_reduction.h"
#include "nav/spherical_angles.h"

namespace nav {

namespace {

std::vector<SkyBody> starsAndPlanets(const Almanac& almanac, geo::GeoPoint position)
{
    checkPosition(position);
    std::vector<SkyBody> sky;
    for (const Body& body : bodies()) {
        if (body.kind != BodyKind::Star && body.kind != BodyKind::Planet)
            continue;
        const Horizontal horizontal = horizontalAt(almanac.place(body), position);
        sky.push_back({&body, horizontal.altitude, horizontal.azimuth, almanac.magnitude(body),
                       body.kind == BodyKind::Planet});
    }
    return sky;
}

// The arc between two directions given by altitude and azimuth, degrees.
double separation(double altitude1, double azimuth1, double altitude2, double azimuth2)
{
    const double cosine = sind(altitude1) * sind(altitude2) +
                          cosd(altitude1) * cosd(altitude2) * cosd(azimuth1 - azimuth2);
    return std::acos(std::clamp(cosine, -1.0, 1.0)) / kRadiansPerDegree;
}

double spreadScore(const std::vector<const SkyBody*>& chosen)
{
    std::vector<double> azimuths;
    double magnitudes = 0;
    for (const SkyBody* body : chosen) {
        azimuths.push_back(body->zn);
        magnitudes += body->magnitude;
    }
    std::sort(azimuths.begin(), azimuths.end());
    const double ideal = 360.0 / static_cast<double>(chosen.size());
    double error = 0;
    for (std::size_t i = 0; i < azimuths.size(); ++i) {
        const double next = i + 1 < azimuths.size() ? azimuths[i + 1] : azimuths[0] + 360;
        error += std::fabs(next - azimuths[i] - ideal);
    }
    const double n = static_cast<double>(chosen.size());
    return error / n + kMagnitudeWeight * magnitudes / n;
}

}  // namespace

std::vector<Candidate> identifyBody(const Almanac& almanac, geo::GeoPoint position,
                                    double altitude, double azimuth)
{
    if (!std::isfinite(altitude) || altitude < 0 || altitude > 90)
        throw RangeError(Quantity::Altitude, altitude);
    if (!std::isfinite(azimuth) || azimuth < 0 || azimuth > 360)
        throw RangeError(Quantity::Bearing, azimuth);
    std::vector<Candidate> candidates;
    for (const SkyBody& sky : starsAndPlanets(almanac, position)) {
        const double arc = separation(altitude, azimuth, sky.hc, sky.zn);
        if (arc <= kIdentifyRadius)
            candidates.push_back({sky, arc});
    }
    std::sort(candidates.begin(), candidates.end(),
              [](const Candidate& a, const Candidate& b) { return a.separation < b.separation; });
    return candidates;
}

std::vector<SkyBody> bodiesForSights(const Almanac& almanac, geo::GeoPoint position)
{
    std::vector<SkyBody> sky = starsAndPlanets(almanac, position);
    std::erase_if(sky, [](const SkyBody& body) {
        return body.hc < kMinSightAltitude || body.hc > kMaxSightAltitude;
    });
    std::sort(sky.begin(), sky.end(), [](const SkyBody& a, const SkyBody& b) { return a.zn < b.zn; });
    return sky;
}

std::vector<SkyBody> bestForFix(const std::vector<SkyBody>& bodies, int count)
{
    const std::size_t n = bodies.size();
    const std::size_t k = static_cast<std::size_t>(std::max(count, 1));
    if (n <= k)
        return bodies;
    // Every choice of k of n, as k increasing indices.
    std::vector<std::size_t> index(k);
    for (std::size_t i = 0; i < k; ++i)
        index[i] = i;
    std::vector<std::size_t> best;
    double bestScore = std::numeric_limits<double>::infinity();
    std::vector<const SkyBody*> chosen(k);
    while (true) {
        for (std::size_t i = 0; i < k; ++i)
            chosen[i] = &bodies[index[i]];
        const double score = spreadScore(chosen);
        if (score < bestScore) {
            bestScore = score;
            best = index;
        }
        std::size_t i = k;
        while (i > 0 && index[i - 1] == n - k + (i - 1))
            --i;
        if (i == 0)
            break;
        ++index[i - 1];
        for (std::size_t j = i; j < k; ++j)
            index[j] = index[j - 1] + 1;
    }
    std::vector<SkyBody> result;
    for (std::size_t i : best)
        result.push_back(bodies[i]);
    std::sort(result.begin(), result.end(), [](const SkyBody& a, const SkyBody& b) { return a.zn < b.zn; });
    return result;
}

}  // namespace nav
