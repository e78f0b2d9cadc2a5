// SPDX-License-Identifier: GPL-3.0-or-later
// The bodies of the almanac: the Sun, the Moon, the four navigational
// planets, the 57 navigational stars and Polaris, with the names a navigator
// knows them by.
//
// Names: `name` is the English of the Nautical Almanac's daily pages
// ("Sun", "Moon", "Venus", "Sirius", "Rigil Kent.", "Zuben'ubi",
// "Kaus Aust.", "Al Na'ir"), `chinese` the Chinese one ("太阳", "月亮",
// "金星", "天狼星", "南门二", "北极星"). A star's `number` is its number in
// the almanac's list, 1 (Alpheratz) to 57 (Markab); Polaris, the Sun, the
// Moon and the planets have none (0).
//
// Star data are catalogue facts (celestial_bodies.cpp says where they come
// from): ICRS position at epoch J2000.0, proper motion, parallax and radial
// velocity, which the almanac carries to the apparent place of any date.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace nav {

enum class BodyKind { Sun, Moon, Planet, Star };

struct CatalogueStar {
    double rightAscension = 0;  // degrees, ICRS, epoch J2000.0
    double declination = 0;     // degrees
    double properMotionRa = 0;  // mas per Julian year, of RA times cos(declination)
    double properMotionDec = 0; // mas per Julian year
    double parallax = 0;        // mas
    double radialVelocity = 0;  // km/s, receding positive
};

struct Body {
    BodyKind kind = BodyKind::Star;
    int number = 0;
    std::string_view name;
    std::string_view chinese;
    // Other names the lookup takes: "Rigil Kentaurus", "牛郎星", "月球".
    std::array<std::string_view, 2> aliases{};
    // Visual magnitude of a star (catalogue V); the planets' is computed
    // for a date (star_finder.h), and the Sun's and the Moon's is not used.
    double magnitude = 0;
    int ephemerisNumber = -1;  // the Sun, Moon and planets: their number in the ephemeris
    CatalogueStar star;        // stars only
};

// Every body, in this order: Sun, Moon, Venus, Mars, Jupiter, Saturn, the
// stars by number (1 .. 57), Polaris. Lives as long as the program.
std::span<const Body> bodies();

// The body a text names: its English name, Chinese name or an alias, with
// case, blanks (also the ideographic and no-break spaces), full stops and
// apostrophes (' and ’) ignored:
//   "Sun" "sun" "太阳" "Moon" "月亮" "Venus" "金星" "Sirius" "天狼星"
//   "Rigil Kent." "rigil kent" "RIGILKENT" "Rigil Kentaurus" "南门二"
//   "Zuben'ubi" "zubenubi" "Zubenelgenubi" "Al Na'ir" "alnair" "北 极 星"
// Nothing for any other text: "", "Sirius B", "天狼", "Mercury", "Aries".
const Body* findBody(std::string_view text);

// As findBody; throws UnknownBodyError with the text when it names none.
const Body& body(std::string_view text);

}  // namespace nav
