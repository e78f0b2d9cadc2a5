// SPDX-License-Identifier: GPL-3.0-or-later
// A latitude or longitude as a navigator types, copies or pastes it, read as
// a whole or refused.
//
// The reader never turns a text into some other position: every character
// must take part in one of the notations below, and a number that could be
// read two ways is refused, with a CoordinateError that names the rule, the
// characters that break it and where the first of them stands.
#pragma once

#include <string_view>

#include "geo/axis.h"
#include "geo/coordinate_entry.h"
#include "geo/errors.h"
#include "geo/number_form.h"

namespace geo {

// One coordinate text (UTF-8, as typed) to decimal degrees, south and west
// negative, as the classic window reads its fields: a bare plain number (no
// hemisphere, no label) is packed in the point's entry form and gives the
// very double toDecimalDegrees gives for it, blanks ignored ("42 50" is
// 4250); every other text is read as readRouteCoordinate() reads it, but for
// the messages' surface. Every other notation, the rule's packed numbers
// included, gives the double nearest the exact degrees + minutes / 60 +
// seconds / 3600 of the decimals written (sexagesimal_value.h), so that one
// position written two ways is one double: "122°04′15″E" and "12204.25E".
//
// Characters (coordinate_characters.h): full-width forms read as ASCII;
// blanks (every Unicode space separator, tab, CR, LF) never join two numbers
// where the rule for plain numbers applies (below) and are ignored
// everywhere else; zero-width space, word joiner, byte-order mark and soft
// hyphen are ignored. One trailing , ; . ， ； or 。 is ignored.
//
// Before the number, in this order, all optional:
//   a label of the field's axis: 纬度 经度 Lat Latitude Lon Long Longitude,
//     any case, then : or ： (Lat. Lon. Long. also take a point);
//   a sign: + or - (also − – ‒), which S and W exclude;
//   one hemisphere marker, first or last: N S E W in either case, 北 南 东 西,
//     北纬 南纬 东经 西经 (first, it may take a colon: 北纬：). S W 南 西 南纬
//     西经 negate. A latitude takes N and S, a longitude E and W. A letter
//     that is part of a word is no hemisphere: "North", "min".
//
// Notations:
//   plain number, digits with at most one point: "4250.0", "25.3", "421125".
//     A bare one in the classic window is packed in the entry form: minutes
//     form "4250.0" 42°50.0′ ("4275" 43.25°, "42.5" 0°42.5′); seconds form
//     "421125" 42°11′25″, digits only, cut as toDecimalDegrees cuts ("425"
//     0°42′25″). Letters are never an exponent; a sign never moves the
//     seconds form's cuts ("+425" reads as "425"). Only the form's limits
//     apply: degrees -327..327 (minutes form) or -32768..32767 (seconds
//     form).
//   The rule for plain numbers, for a plain number with a hemisphere or a
//     label in either window, and for every plain number on the route's
//     surfaces. A number may be degrees when it has no more digits before
//     the point than degrees can have (2 for a latitude, 3 for a longitude;
//     leading zeros count) and lies within 90 (180); it may be packed (分:
//     ddmm.m, 秒: ddmmss, the last two digits seconds and the two before them
//     minutes however short the number is) when its minutes and seconds are
//     below 60 and its degrees within 90 (180). Both and different: refused
//     as AmbiguousNumber; one: read so; neither: refused for why. "0" is 0.
//       packed:    "3010.2N" "0030.0N" "00119.8E" "855N" (8°55′)
//                  route "12205.3" (longitude), route "-4250" (42°50′ S)
//       degrees:   "75N" (0°75′ is no packed number), route "-73.9857"
//       ambiguous: "25.3N" "30N" "135E" "119.8E", route "31.4", 秒 "30N"
//       refused:   "3075.0N" (SixtyOrMore), "9100N" "95N" (OutOfRange)
//     A longitude with the digits of degrees above 180 and up to 360 may be
//     counted east all the way round: "359.5" (3°59.5′ or 0°30′W) and "200E"
//     are refused (ZeroTo360Longitude), "181" and "180.5" too (OutOfRange);
//     "180" is 180°.
//     In the 度 form a plain number is decimal degrees within 90 (180):
//     "25.3N" is 25.3°N, "31.4" 31.4°, and "3010.2N" is refused (OutOfRange).
//   marks, whatever the entry form:
//     degrees  ° º ˚ ⁰ ᵒ ∘ 度 d D
//     minutes  ′ ' ’ ‘ ´ ` 分
//     seconds  ″ " ” “ ˝ 秒, and two minute marks in a row ('' ′′ ’’ ´´)
//     "42°50.0′N", "42°50'30\"S", "42度50分30秒", "42d50.5'N", "42.5°"; a number
//     without its mark counts the next unit: "42°50.5N" (minutes),
//     "42°50'30N" (seconds), and where blanks separate numbers "30 10.2′N";
//     a fraction after the minute or second mark belongs to that part:
//     "38°52′.3N" is 38°52.3′, "42°50′30″.5" 30.5″, and so does the
//     Admiralty's middle dot: "30°10′·2N" is 30°10.2′, "51°07′·23N".
//   colons, degrees:minutes[:seconds]: "42:50:30N", "N42:50.5", "-42:50:30".
//   dashes, only with a hemisphere marker: "38-52.3N", "38-52-18N", "S38-52.3".
//   blanks, where the rule for plain numbers applies: degrees, minutes and
//     seconds: "30 5.3N" is 30°05.3′N, "30 10 12N" 30°10′12″N, route "42 50".
//   NMEA, a packed number, a comma and its hemisphere letter: "4250.1234,N",
//     "09338.8000,W", ddmm.mmmm whatever the form, by the rule for plain
//     numbers ("25.3,N" is ambiguous).
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
//   "50′42°" "42°5°" (MarksOutOfOrder)           "42:50′" "42:50 30N" (MixedNotation)
//   "42°50′30″5" "1:2:3:4" (ExtraNumber)         "42°.5" "30 .5N" (DetachedFraction)
//   "42.5°30′" (FractionNotLast)                 "42°60′" "3075.0N" (SixtyOrMore)
//   "38-52.3" (DashNeedsHemisphere)              "4250.0°N", "32800" (OutOfRange)
//   "25.3N" "119.8E" (AmbiguousNumber)           "30°10″N" "30°10′′N" (MissingMinutes)
//   "42°50′30s" (SecondsOrSouth)                 "30 deg 10.2 min N" (UnknownWord)
//   "30°10.2′N 122°05.3′E" (WholePosition)    longitude "359.5" (ZeroTo360Longitude)
double readCoordinate(std::string_view text, EntryMode mode, Axis axis);

// The same on the route's surfaces (route cells, route files, command-line
// values): every plain number follows the rule above, in the 分, 秒 or 度
// form; blanks between numbers always separate them ("42 50" is 42°50′,
// "4 2 5 0" is refused); and refusals carry Surface::Route, so that a
// coordinate out of range is said as "纬度应在 -90° 到 90° 之间", never
// with the packed forms' 16-bit limits, which no text reaches here.
//   分 "4250" 42°50′   分 "-73.9857" −73.9857°   分 "31.4" AmbiguousNumber
//   度 "31.4" 31.4°    度 "25.3N" 25.3°          度 "3010.2N" OutOfRange
// A text of any length is read; its blanks cost nothing but the reading.
double readRouteCoordinate(std::string_view text, NumberForm form, Axis axis);

// A lone angle, such as an altitude or an azimuth, in degrees, as the
// notations above write one, with the route's surface's rules for blanks,
// but a plain number is decimal degrees (the 度 form) and the text names no
// axis: no hemisphere and no label. An optional sign (+, -) goes first; the
// degrees, or degrees and minutes and seconds, may be at most `limit`
// (above 0), which the caller sets to what the angle can be (90 for an
// altitude, 360 for an azimuth); a narrower range is the caller's to check.
//   "12°47.3′" "12°47′18″" "12 47.3" "12 47 18" "12:47.3" "12.788°" "12.788"
//   "12度47.3分" "045" "-0.5" "+3°" "359°59.9′" (limit 360)         read
//   "12-47.3" (DashNeedsHemisphere)   "12°47.3′N" "N12" "Lat 12" (a hemisphere
//   or a label: MisplacedHemisphere, WrongAxis, UnknownWord or StrayCharacter)
//   "12°60′" (SixtyOrMore)   "1247.3", "91" (limit 90: OutOfRange)
//   "12,5" (DecimalComma)    "" "°" (NoNumber, MissingNumber)  refused
// Throws CoordinateError as readRouteCoordinate (its axis Longitude).
double readAngle(std::string_view text, double limit);

// Which side of the equator (a latitude) or of the prime meridian (a
// longitude) a coordinate text says it lies on, by its hemisphere (first or
// last, as the readers above take it) or its sign, without reading its
// numbers: for a file that writes the hemisphere in a column of its own,
// which must agree with a side the cell states itself. Never throws.
//   "31.4S" "S31°24′" "-31.4" "南纬31°24′"           Negative
//   "31.4N" "+31.4" "31°24′北" "Lat: N31.4"          Positive
//   "31.4" "31°24′" "" "4x"                          Unstated
//   "31.4E" as a latitude, "N121.5" as a longitude   OtherAxis
enum class StatedSide { Unstated, Positive, Negative, OtherAxis };
StatedSide statedSide(std::string_view text, Axis axis);

}  // namespace geo
