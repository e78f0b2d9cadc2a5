// SPDX-License-Identifier: GPL-3.0-or-later
// The two figures of the Earth a navigator computes on, their names in the
// window and their words on the command line.
#pragma once

#include <array>
#include <numbers>
#include <optional>
#include <string_view>

namespace nav {

// The international nautical mile, exactly.
inline constexpr double kMetresPerNauticalMile = 1852;

// Wgs84: the WGS-84 ellipsoid (a = 6378137 m, f = 1/298.257223563), the
//   figure of charts and satellite positions; the default.
// Sphere: the textbook sphere of 航海学, on which one minute of arc of a
//   great circle is exactly one nautical mile: a great-circle distance in
//   n mile is its central angle in minutes of arc.
enum class EarthModel { Wgs84, Sphere };

// The models in the order the windows list them, the default first.
inline constexpr std::array kEarthModels = {EarthModel::Wgs84, EarthModel::Sphere};

// Radius of the Sphere model in metres: 21600 n mile round, over 2 pi
// (6366707.019493707 m).
inline constexpr double kSphereRadius = kMetresPerNauticalMile * 60 * 180 / std::numbers::pi;

// The name shown in the window: "WGS-84", "球面（1′=1海里）".
std::string_view modelName(EarthModel model);

// The word that selects the model on the command line: "wgs84", "sphere".
std::string_view modelWord(EarthModel model);

// The model a command-line word selects. Only the exact words of modelWord
// are read: "wgs84" and "sphere"; "WGS84", " sphere", "wgs-84" and "" are not.
std::optional<EarthModel> readModelWord(std::string_view word);

}  // namespace nav
