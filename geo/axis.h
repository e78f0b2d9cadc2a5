// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a text holds a latitude or a longitude.
#pragma once

namespace geo {

// The axis decides which hemisphere markers and labels a text may carry and,
// in the notations with marks or separators, the largest degrees it may give.
enum class Axis { Latitude, Longitude };

}  // namespace geo
