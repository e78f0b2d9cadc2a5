// SPDX-License-Identifier: GPL-3.0-or-later
// The three zones an arrival time (ETA) may be shown in, their names in the
// window and their words on the command line.
#pragma once

#include <optional>
#include <string_view>

namespace nav {

// Departure: the zone the departure time is given in; the default.
// Utc: UTC.
// Ship: ship's time (船时), each waypoint's nautical zone
//   (TimeZone::nautical of its longitude): the clock the ship keeps there
//   when she changes her clocks zone by zone.
enum class EtaZone { Departure, Utc, Ship };

// The name shown in the window: "开航区时", "UTC", "船时".
std::string_view etaZoneName(EtaZone zone);

// The word that selects the zone on the command line: "depart", "utc", "ship".
std::string_view etaZoneWord(EtaZone zone);

// The zone a command-line word selects. Only the exact words of etaZoneWord
// are read: "depart", "utc" and "ship"; "UTC", "departure", " ship" and ""
// are not.
std::optional<EtaZone> readEtaZoneWord(std::string_view word);

}  // namespace nav
