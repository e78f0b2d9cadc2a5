// SPDX-License-Identifier: GPL-3.0-or-later
// The numbers a navigator types besides positions: a speed, a course, a
// distance run, a route's number. The route window and the command line read
// them here, so that both take the same texts and refuse the same texts in
// the same words (refusals.h).
//
// A text is, after the blanks at either end (any Unicode white space):
//   an optional sign, digits with at most one point, an optional exponent
//   (e, E, d or D, an optional sign and digits),
//   then, optionally after blanks, one unit of the quantity's own, in any
//   case.
// Full-width digits, point, signs, letters and the ideographic space read as
// their ASCII forms, and the minus sign U+2212 as "-"; never a comma.
//   speed     kn kt kts knot knots 节     "12" "12.5" "12kn" "12 节" "１２ｋｎ" " 12 "
//   course    ° º ˚ 度                    "045" "045°" "45.5度"
//   distance  nm nmi 海里 浬               "100" "100nm" "100 海里" "1e2"
//   meridian interval  ° º ˚ 度           "5" "10°" "2.5度"
// Refused as unreadable (Verdict::Unreadable): another quantity's unit
// ("12kn" as a course), another unit ("12 km"), "12,5", "0x10", "inf", "",
// "1 2". Refused as out of range (Verdict::OutOfRange), whatever the form of
// the number: a value beyond the quantity's range, "-5" and "361" as a course,
// "1e9" and "1000000000" as a distance, "1e999" as anything.
#pragma once

#include "text/refusals.h"

#include <QString>
#include <QStringView>

#include <initializer_list>
#include <optional>

namespace tarnquil {

// The number of a text of the grammar above with one of `units` (or none):
// the double nearest it, ±infinity when it is too large for a double; empty
// when the text is no such number. The readers below, and any other
// quantity's, start from here.
std::optional<double> readNumberWithUnit(QStringView text, std::initializer_list<QStringView> units);

// A value read, or the refusal that names the field (and, when given, the
// command-line option it came from) and quotes the text.
struct QuantityReading {
    std::optional<double> value;
    QString refusal;  // empty when read
};

// Knots above zero, finite.
QuantityReading readSpeedText(const QString& text, QStringView option = {});
// Degrees true from 0 to 360.
QuantityReading readCourseText(const QString& text, QStringView option = {});
// Nautical miles from 0 to nav::kMaxRun.
QuantityReading readDistanceText(const QString& text, QStringView option = {});

// The interval between the meridians of a great-circle sailing, degrees
// of longitude: finite and at least nav::kSmallestMeridianInterval (one
// minute of longitude). Out of range: "0", "0.01", "-5".
QuantityReading readMeridianIntervalText(const QString& text, QStringView option = {});

// A number of degrees, or of nautical miles, in the grammar above with the
// course's units or the distance's, range unchecked: the value of an
// observation of a fix (text/observation_kinds.h says which unit each kind
// takes, nav its range). "45", "045°", "-2.5度" (-0 as 0); "3.5", "3.5nm",
// "3.5 海里". Empty when the text is no such number ("45nm" in degrees,
// "3.5°" in nautical miles, "2E").
std::optional<double> readDegreesNumber(QStringView text);
std::optional<double> readNauticalMilesNumber(QStringView text);
// Knots, with the speed's units, range unchecked: "2.5", "2.5kn", "2.5 节".
std::optional<double> readKnotsNumber(QStringView text);

// A compass error (罗经差), degrees east positive, from -nav::kMaxCompassError
// to nav::kMaxCompassError: "-2.5", "3°", "0". Unreadable: "2E"; out of range:
// "181". Refused in the words of fixValueRefusal.
QuantityReading readCompassErrorText(const QString& text, QStringView option = {});

// A route's number in a file, counted from 1: a whole number of the grammar
// above without a unit ("2", "２", "1e1"). Unreadable: "1.5", "two"; out of
// range: below 1, or beyond the largest number a route can have, however many
// digits it has ("0", "-1", "1e30"). Whether the file has that many routes is
// the file's to say.
QuantityReading readRouteIndexText(const QString& text, QStringView option = {});

}  // namespace tarnquil
