// SPDX-License-Identifier: GPL-3.0-or-later
#include "routefiles/exact_degrees.h"

#include "text/utf8_text.h"

#include "geo/exact_coordinate_text.h"

namespace tarnquil {

QString exactDegreesText(double degrees, geo::Axis axis)
{
    return fromUtf8(geo::exactDegreesText(degrees, axis));
}

}  // namespace tarnquil
