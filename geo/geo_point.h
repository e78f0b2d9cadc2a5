// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace geo {

// A position in decimal degrees; north and east positive. No range is
// enforced: values beyond +-90 or +-180 are computed with as they are.
struct GeoPoint {
    double latitude = 0;
    double longitude = 0;
};

}  // namespace geo
