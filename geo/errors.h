// SPDX-License-Identifier: GPL-3.0-or-later
// Typed failures of the computation layer.
//
// The computation never reports a failure as a NaN, an infinity or a wrapped
// integer: it throws one of these, and the window tells the user what went
// wrong from what the exception carries.
#pragma once

#include <stdexcept>
#include <string>

namespace geo {

// Which reading of a coordinate text failed.
enum class Reading {
    WholeText,       // readNumberStrict on a text as a whole
    MinutesDigits,   // seconds form: the two characters in front of the last two
    SecondsDigits,   // seconds form: the last two characters
    Degrees,         // whole degrees do not fit a signed 16-bit integer
    HundredDegrees,  // minutes form: 100 x degrees does not fit a signed 16-bit integer
    Notation,        // the text as a whole is written in no notation of a coordinate
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

// Why a coordinate text is refused as a whole; the piece is the part of the
// text that breaks the rule.
enum class Notation {
    NoNumber,           // blanks only, or a hemisphere or sign alone: "  ", "N", "-"
    StrayCharacter,     // belongs to no notation: "4x1125" (x), "4250#" (#)
    DecimalComma,       // "4250,5": the decimal point is "."
    MisplacedHemisphere,  // inside the text: "42N50"
    TwoHemispheres,     // "N4250S", "NS4250"
    WrongAxis,          // "S" in a longitude, "E" in a latitude
    HemisphereAndMinus, // "-4250S"
    MisplacedSign,      // "42-50", "4250+"
    FractionInSeconds,  // seconds form "421125.5": the last two digits are the seconds
    NoDegreeSign,       // "4250′": minute and second marks come after a degree sign
    MissingMark,        // "42°50": minutes or seconds without their mark
    MissingNumber,      // "42°′": a mark without its number
    MarksOutOfOrder,    // "50′42°", "42°10″5′", "42°5°"
    FractionNotLast,    // "42.5°30′": only the last part given has a fraction
    SixtyOrMore,        // "42°60′", "42°5′60″"
};

// A text that no notation of a coordinate reads (see coordinate_text.h).
class NotationError : public ConversionError {
public:
    NotationError(Notation notation, std::u32string piece)
        : ConversionError("not a coordinate", Reading::Notation, std::move(piece)),
          notation_(notation) {}
    Notation notation() const noexcept { return notation_; }

private:
    Notation notation_;
};

// A floating-point fault in distance or angle: a non-finite argument or
// intermediate value, or a zero divisor.
class ArithmeticError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace geo
