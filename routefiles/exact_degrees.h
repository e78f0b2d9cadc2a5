// SPDX-License-Identifier: GPL-3.0-or-later
// A latitude or longitude in decimal degrees as a text that reads back as
// the very same double, in every entry form (分, 秒, 度): the shortest
// digits of its magnitude, a degree sign and its hemisphere, never an
// exponent or a sign (geo::exactDegreesText). The GPX routes and the points
// of a split great circle are written so.
//   31.2304 -> "31.2304°N"   -121.5 (longitude) -> "121.5°W"
//   0 -> "0°N"   -0 -> "0°N"   -180 -> "180°W"   1e-05 -> "0.00001°N"
#pragma once

#include "geo/axis.h"

#include <QString>

namespace tarnquil {

QString exactDegreesText(double degrees, geo::Axis axis);

}  // namespace tarnquil
