// SPDX-License-Identifier: GPL-3.0-or-later
// A calendar date and time of day to the second and its fraction, as a
// clock reads it: in UTC, or on a zone's clock where the caller says so.
// The almanac's instants are made of one (astro_time.h).
#pragma once

namespace nav {

struct UtcTime {
    int year = 2000;
    int month = 1;      // 1 .. 12
    int day = 1;        // 1 .. the month's length
    int hour = 0;       // 0 .. 23
    int minute = 0;     // 0 .. 59
    double second = 0;  // [0, 60); [0, 61) in a minute that ends with a leap second
    friend bool operator==(const UtcTime&, const UtcTime&) = default;
};

}  // namespace nav
