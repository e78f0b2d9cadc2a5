// SPDX-License-Identifier: GPL-3.0-or-later
#include "search_candidates.h"

namespace geo::testing {

const std::vector<double>& searchCandidates()
{
    static const std::vector<double> candidates = [] {
        std::vector<double> values;
        double b = 180;
        while (!(b < 0)) {
            values.push_back(b);
            b = b - 0.001;
        }
        values.push_back(b);
        return values;
    }();
    return candidates;
}

double kilometresOf(double degrees) { return degrees * 40030.1729092 / 360; }

}  // namespace geo::testing
