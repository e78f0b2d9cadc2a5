// SPDX-License-Identifier: GPL-3.0-or-later
// A latitude or longitude as a navigator types, copies or pastes it, read as
// a whole or refused.
//
// The reader never turns a text into some other position: every character
// must take part in one of the notations below, or the text is refused with a
// CoordinateError that names the rule, the characters that break it and
// where the first of them stands.
#pragma once

#include <string_view>

#include "geo/axis.h"
#include "geo/coordinate_entry.h"
#include "geo/errors.h"

namespace geo {

// One coordinate text (UTF-8, as typed) to decimal degrees, south and west
// negative. The result of the packed notation is the very double that
// toDecimalDegrees gives for the number; the notations with marks or
// separators give degrees + minutes / 60 + seconds / 3600.
//
// Characters (coordinate_characters.h): full-width forms read as ASCII;
// blanks (every Unicode space separator, tab, CR, LF) are removed wherever
// they stand, and zero-width space, word joiner, byte-order mark and soft
// hyphen are ignored. One trailing , ; . ， ； or 。 is ignored.
//
// Before the number, in this order, all optional:
//   a label of the field's axis: 纬度 经度 Lat Latitude Lon Long Longitude,
//     any case, then : or ： (Lat. Lon. Long. also take a point);
//   a sign: + or - (also − – ‒), which S and W exclude;
//   one hemisphere marker, first or last: N S E W in either case, 北 南 东 西,
//     北纬 南纬 东经 西经 (first, it may take a colon: 北纬：). S W 南 西 南纬
//     西经 negate. A latitude takes N and S, a longitude E and W.
//
// Notations:
//   packed, digits with at most one point, in the point's entry form:
//     minutes form "4250.0" 42°50.0′; seconds form "421125" 42°11′25″, digits
//     only. Letters are never an exponent; a sign never moves the seconds
//     form's cuts ("+425" reads as "425"). The form's limits apply: degrees
//     -327..327 (minutes form) or -32768..32767 (seconds form); no range of
//     latitude or longitude, and minutes of 60 or more stand.
//   marks, whatever the entry form:
//     degrees  ° º ˚ ⁰ ᵒ ∘ 度 d D
//     minutes  ′ ' ’ ‘ ´ ` 分
//     seconds  ″ " ” “ ˝ 秒, and two minute marks in a row ('' ′′ ’’ ´´)
//     "42°50.0′N", "42°50'30\"S", "42度50分30秒", "42d50.5'N", "42.5°"; a last
//     number without its mark counts the next unit: "42°50.5N" (minutes),
//     "42°50'30N" (seconds); a fraction after the minute or second mark
//     belongs to that part: "38°52′.3N" is 38°52.3′, "42°50′30″.5" 30.5″.
//   colons, degrees:minutes[:seconds]: "42:50:30N", "N42:50.5", "-42:50:30".
//   dashes, only with a hemisphere marker: "38-52.3N", "38-52-18N", "S38-52.3".
//   NMEA, a packed number, a comma and its hemisphere letter: "4250.1234,N",
//     "09338.8000,W", ddmm.mmmm whatever the entry form.
// With marks or separators only the last part may have a fraction, minutes
// and seconds stay below 60, and the degrees stay within 90 (latitude) or
// 180 (longitude).
//
// Refused with CoordinateError (its Rule in parentheses):
//   "  " "N" "-" "Lat:" (NoNumber)             "4x1125" "1.1624E4" (StrayCharacter)
//   "4250,5" (DecimalComma)                      "42.50.0" (TwoPoints)
//   "42N50" (MisplacedHemisphere)                "N4250S" (TwoHemispheres)
//   "4250E", "经度4250" as a latitude (WrongAxis) "-4250S" (HemisphereAndMinus)
//   "4250+" (MisplacedSign)                      seconds form "421125.5" (FractionInSeconds)
//   "4250′" (NoDegreeSign)                       "42°′" "42::30" (MissingNumber)
//   "50′42°" "42°5°" (MarksOutOfOrder)           "42:50′" (MixedNotation)
//   "42°50′30″5" "1:2:3:4" (ExtraNumber)         "42°.5" (DetachedFraction)
//   "42.5°30′" (FractionNotLast)                 "42°60′" (SixtyOrMore)
//   "38-52.3" (DashNeedsHemisphere)              "4250.0°N", "32800" (OutOfRange)
double readCoordinate(std::string_view text, EntryMode mode, Axis axis);

}  // namespace geo
