// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/units.h"

namespace geo {

double nauticalMiles(double kilometres) { return kilometres / kKilometresPerNauticalMile; }

}  // namespace geo
