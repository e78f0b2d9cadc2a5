// SPDX-License-Identifier: GPL-3.0-or-later
// Typed failures of the computation layer.
//
// The computation never reports a failure as a NaN, an infinity or a wrapped
// integer: it throws one of these, and the window tells the user what went
// wrong from what the exception carries.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

#include "geo/axis.h"
#include "geo/entry_mode.h"
#include "geo/surface.h"

namespace geo {

// Which reading of a coordinate text failed.
enum class Reading {
    WholeText,       // readNumberStrict on a text as a whole
    MinutesDigits,   // seconds form: the two characters in front of the last two
    SecondsDigits,   // seconds form: the last two characters
    Degrees,         // whole degrees do not fit a signed 16-bit integer
    HundredDegrees,  // minutes form: 100 x degrees does not fit a signed 16-bit integer
};

// Base of the conversion failures; carries the reading and the piece of text
// (decoded characters, malformed bytes as U+FFFD) that was being read when it
// failed.
class ConversionError : public std::runtime_error {
public:
    ConversionError(const std::string& what, Reading reading, std::u32string piece)
        : std::runtime_error(what), reading_(reading), piece_(std::move(piece)) {}
    Reading reading() const noexcept { return reading_; }
    const std::u32string& piece() const noexcept { return piece_; }

private:
    Reading reading_;
    std::u32string piece_;
};

// A text that had to be one number is not one ("2a", "-", ".", "").
class TypeMismatchError : public ConversionError {
public:
    TypeMismatchError(Reading reading, std::u32string piece)
        : ConversionError("type mismatch", reading, std::move(piece)) {}
};

// A value does not fit the signed 16-bit integer that holds it, or a strictly
// read number does not fit a double.
class OverflowError : public ConversionError {
public:
    OverflowError(Reading reading, std::u32string piece)
        : ConversionError("overflow", reading, std::move(piece)) {}
};

// Why a coordinate text is refused. Each rule names what a navigator can
// mend; the examples are latitudes unless said otherwise.
enum class Rule {
    NoNumber,             // nothing to read: "  ", "N", "-", "Lat:"
    StrayCharacter,       // belongs to no notation: "4x1125" (x), "4250#", U+202E
    DecimalComma,         // "4250,5": the decimal point is "."
    TwoPoints,            // "42.50.0", "38°52.1′.3"
    MisplacedHemisphere,  // inside the text: "42N50"
    TwoHemispheres,       // "N4250S", "NS4250"
    WrongAxis,            // "S" or "Lat" in a longitude, "E" or "经度" in a latitude
    HemisphereAndMinus,   // "-4250S"
    MisplacedSign,        // "4250+", "42°-50′"
    FractionInSeconds,    // seconds form "421125.5": the last two digits are the seconds
    NoDegreeSign,         // "4250′": minutes and seconds come after the degrees
    MissingNumber,        // "42°′", "42::30": a mark or separator without its number
    MarksOutOfOrder,      // "50′42°", "42°5°", "42°10″5′"
    MixedNotation,        // "42:50′", "38-52°N": one notation per text
    ExtraNumber,          // "42°50′30″5", "42:50:30:10": a number with no place left
    DetachedFraction,     // "42°.5": degrees or minutes?
    FractionNotLast,      // "42.5°30′": only the last part given has a fraction
    SixtyOrMore,          // "42°60′", "42:05:60"
    DashNeedsHemisphere,  // "38-52.3": a minus or a dash? N/S or E/W tells
    OutOfRange,           // "4250.0°N" (above 90), "32800" (minutes form), 400 digits
    IncompletePosition,   // a position with one part: "30°10.2′N"
    AmbiguousPosition,    // "42.8333, -93.6467": which is the latitude?
    AmbiguousNumber,      // "25.3N": 25.3° or 0°25.3′? readings() has both
    MissingMinutes,       // "30°10″N", "30°10′′N": degrees, then seconds
    SecondsOrSouth,       // "42°50′30s": 30 seconds, or south?
    UnknownWord,          // "30 deg 10.2 min N": "deg" is no notation's
    WholePosition,        // "30°10.2′N 122°05.3′E" where one coordinate belongs
    MissingHemisphere,    // a part of a position without N, S, E, W or a label: "122.5"
    PositionTooLong,      // a position of more characters than limits().highest, blanks aside
    ZeroTo360Longitude,   // longitude "359.5": 3°59.5′, or 359.5° east, that is 0°30′W?
                          // readings() has both
};

// The two ways a plain number could be read, for AmbiguousNumber, written
// with the hemisphere, sign and digits as typed (digits in ASCII):
//   "25.3N" in the minutes form: "25.3°N", "0°25.3′N", "0025.3N"
//   "30N" in the seconds form:   "30°N", "0°00′30″N", "000030N"
// and for ZeroTo360Longitude the degrees within 180 as well:
//   "359.5" in the minutes form: "359.5°", "3°59.5′", "00359.5", "0.5°W"
struct TwoReadings {
    std::u32string degrees;         // as decimal degrees, which is also how to write them
    std::u32string packed;          // as packed degrees and minutes (or seconds), with marks
    std::u32string packedSpelling;  // the packed number with leading zeros that make it no degrees
    EntryMode packedForm = EntryMode::Minutes;
    std::u32string withinHalfCircle;  // ZeroTo360Longitude: the degrees east of 180 as west
};

// The degrees a refused text may give at most and at least, for OutOfRange.
struct Limits {
    double lowest = 0;
    double highest = 0;
};

// A coordinate or position text that is read as no position at all. It
// carries everything a message needs, so that nobody has to read the text
// again to explain it: the rule, the characters that break it (as typed,
// decoded, malformed bytes as U+FFFD), where the first of them stands (in
// characters from the start of the text), the axis being read, for
// OutOfRange and PositionTooLong the limits, for AmbiguousNumber the two
// readings, and the surface the text was read on (the classic window words
// some refusals its own way).
class CoordinateError : public std::runtime_error {
public:
    CoordinateError(Rule rule, std::u32string piece, std::size_t position, Axis axis,
                    Limits limits = {}, Surface surface = Surface::ClassicWindow)
        : std::runtime_error("not a coordinate"), rule_(rule), piece_(std::move(piece)),
          position_(position), axis_(axis), limits_(limits), surface_(surface) {}
    // AmbiguousNumber or ZeroTo360Longitude.
    CoordinateError(std::u32string piece, std::size_t position, Axis axis, TwoReadings readings,
                    Surface surface, Rule rule = Rule::AmbiguousNumber)
        : std::runtime_error("not a coordinate"), rule_(rule),
          piece_(std::move(piece)), position_(position), axis_(axis), surface_(surface),
          readings_(std::move(readings)) {}
    Rule rule() const noexcept { return rule_; }
    const std::u32string& piece() const noexcept { return piece_; }
    std::size_t position() const noexcept { return position_; }
    Axis axis() const noexcept { return axis_; }
    Limits limits() const noexcept { return limits_; }
    Surface surface() const noexcept { return surface_; }
    const TwoReadings& readings() const noexcept { return readings_; }

private:
    Rule rule_;
    std::u32string piece_;
    std::size_t position_;
    Axis axis_;
    Limits limits_;
    Surface surface_ = Surface::ClassicWindow;
    TwoReadings readings_;
};

// A floating-point fault in distance or angle: a non-finite argument or
// intermediate value, or a zero divisor.
class ArithmeticError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace geo
