// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/earth.h"

#include <GeographicLib/Constants.hpp>

#include <cmath>

#include "geo/units.h"
#include "nav/errors.h"
#include "nav/solvers.h"

namespace nav {

namespace {

using geo::kFullCircle;
using geo::kHalfCircle;
using geo::kQuarterCircle;

}  // namespace

void checkPosition(geo::GeoPoint position)
{
    // The negated comparisons refuse NaN too.
    if (!(std::fabs(position.latitude) <= kQuarterCircle))
        throw RangeError(Quantity::Latitude, position.latitude);
    if (!(std::fabs(position.longitude) <= kHalfCircle))
        throw RangeError(Quantity::Longitude, position.longitude);
}

double flatteningOf(EarthModel model)
{
    return model == EarthModel::Sphere ? 0.0 : GeographicLib::Constants::WGS84_f();
}

double radiusOf(EarthModel model)
{
    return model == EarthModel::Sphere ? kSphereRadius : GeographicLib::Constants::WGS84_a();
}

Solvers::Solvers(EarthModel model)
    : geodesic(radiusOf(model), flatteningOf(model)),
      rhumb(radiusOf(model), flatteningOf(model), false)
{
}

struct Earth::Solvers : nav::Solvers {
    using nav::Solvers::Solvers;
};

Earth::Earth(EarthModel model) : model_(model), solvers_(std::make_unique<const Solvers>(model)) {}
Earth::~Earth() = default;
Earth::Earth(Earth&&) noexcept = default;
Earth& Earth::operator=(Earth&&) noexcept = default;

Leg Earth::leg(geo::GeoPoint from, geo::GeoPoint to) const
{
    checkPosition(from);
    checkPosition(to);
    const LegEnds ends = onOneMeridian(from, to);
    double metres = 0;
    double azimuth1 = 0;
    double azimuth2 = 0;
    solvers_->geodesic.Inverse(ends.from.latitude, ends.from.longitude, ends.to.latitude,
                               ends.to.longitude, metres, azimuth1, azimuth2);
    Leg leg;
    leg.greatCircle = {courseLeaving(from, courseOf(azimuth1)),
                       courseArriving(to, courseOf(azimuth2)), metres / kMetresPerNauticalMile};
    solvers_->rhumb.Inverse(ends.from.latitude, ends.from.longitude, ends.to.latitude,
                            ends.to.longitude, metres, azimuth1);
    leg.rhumb = {courseLeaving(from, courseArriving(to, courseOf(azimuth1))),
                 metres / kMetresPerNauticalMile};
    return leg;
}

geo::GeoPoint Earth::deadReckoning(geo::GeoPoint from, double course, double distance,
                                   Method method) const
{
    checkPosition(from);
    if (!(course >= 0 && course <= kFullCircle))
        throw RangeError(Quantity::Course, course);
    if (!(distance >= 0 && distance <= kMaxRun))
        throw RangeError(Quantity::Distance, distance);
    const double metres = distance * kMetresPerNauticalMile;
    geo::GeoPoint to;
    if (method == Method::GreatCircle) {
        solvers_->geodesic.Direct(from.latitude, from.longitude, course, metres,
                                  to.latitude, to.longitude);
    } else {
        solvers_->rhumb.Direct(from.latitude, from.longitude, course, metres,
                               to.latitude, to.longitude);
        // Rhumb gives NaN for the longitude of a line through a pole.
        if (std::isnan(to.latitude) || std::isnan(to.longitude))
            throw PoleError();
    }
    to.latitude += 0.0;
    to.longitude = longitudeOf(to.longitude);
    return to;
}

}  // namespace nav
