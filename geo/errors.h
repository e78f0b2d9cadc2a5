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
};

// Base of the two conversion failures; carries the reading and the piece of
// text (UTF-8) that was being read when it failed.
class ConversionError : public std::runtime_error {
public:
    ConversionError(const std::string& what, Reading reading, std::string piece)
        : std::runtime_error(what), reading_(reading), piece_(std::move(piece)) {}
    Reading reading() const noexcept { return reading_; }
    const std::string& piece() const noexcept { return piece_; }

private:
    Reading reading_;
    std::string piece_;
};

// A text that had to be one number is not one ("2a", "-", ".", "").
class TypeMismatchError : public ConversionError {
public:
    TypeMismatchError(Reading reading, std::string piece)
        : ConversionError("type mismatch", reading, std::move(piece)) {}
};

// A value does not fit the signed 16-bit integer that holds it, or a strictly
// read number does not fit a double.
class OverflowError : public ConversionError {
public:
    OverflowError(Reading reading, std::string piece)
        : ConversionError("overflow", reading, std::move(piece)) {}
};

// A floating-point fault in distance or angle: a non-finite argument or
// intermediate value, or a zero divisor.
class ArithmeticError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace geo
