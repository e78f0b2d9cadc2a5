// SPDX-License-Identifier: GPL-3.0-or-later
// The rule for plain numbers: whether "25.3" is degrees, packed degrees and
// minutes (or seconds), both, or neither. Used by the coordinate reader; not
// for callers outside the computation layer.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "geo/axis.h"
#include "geo/errors.h"
#include "geo/number_form.h"

namespace geo {

// What the rule makes of one number.
struct PlainVerdict {
    enum class Kind { Read, Ambiguous, Refused };
    Kind kind = Kind::Read;
    double degrees = 0;  // Read: unsigned degrees
    // Ambiguous: AmbiguousNumber or ZeroTo360Longitude.
    // Refused: the rule, and the digits [from, to) that break it.
    Rule rule = Rule::OutOfRange;
    std::size_t from = 0, to = 0;
    Limits limits;
};

// `digits` are the number as typed, folded to ASCII: digits with at most one
// '.', at least one digit, no sign. In the 分 and 秒 forms:
//   - it may be degrees when it has no more digits before the point than
//     degrees can have (2 for a latitude, 3 for a longitude, leading zeros
//     count) and lies within 90 (180);
//   - it may be packed when its minutes and seconds are below 60 and it
//     gives at most 90 (180) degrees; the 秒 form's number has no point, and
//     its last two digits are seconds, the two before them minutes, however
//     short it is ("425" is 0°04′25″). The packed degrees are the double
//     nearest their exact value (sexagesimal_value.h), where the classic
//     window's conversion of a bare number may miss it by an ulp;
//   - a longitude with the digits of degrees above 180 and up to 360 may be
//     the 0°–360° count east (359.5 is 0°30′W): where it may be packed
//     (359.5 is 3°59.5′) it is Ambiguous (ZeroTo360Longitude), else Refused
//     for the degrees' range (180.5, 181, 360); 180 is 180°;
//   - both and different: Ambiguous; one: Read so; neither: Refused, for the
//     degrees' range when the number has the digits of degrees, else for what
//     breaks the packed reading (SixtyOrMore, FractionInSeconds, OutOfRange).
//     "0" is 0 either way.
// In the 度 form a number is degrees: Read within 90 (180), else Refused
// (OutOfRange): "3010.2" is out of range.
PlainVerdict plainNumberVerdict(std::u32string_view digits, NumberForm form, Axis axis);

// The two readings of an Ambiguous number, for the message, each written
// between `before` and `after` (the sign and hemisphere as typed):
//   "25.3" latitude, 分, after "N": "25.3°N", "0°25.3′N", "0025.3N"
//   "135" longitude, 秒, after "E": "135°E", "0°01′35″E", "0000135E"
// and, for ZeroTo360Longitude, the degrees within 180 on the other side:
//   "359.5" longitude, 分: "359.5°", "3°59.5′", "00359.5", "0.5°W"
//   "200" longitude, 分, after "W": "200°W", "2°00′W", "00200W", "160°E"
//   "-200.25" as "-" before: "-200.25°", "-2°00.25′", "-00200.25", "159.75°E"
// `negative`: the sign or hemisphere says south or west.
TwoReadings twoReadings(std::u32string_view digits, NumberForm form, Axis axis,
                        std::u32string_view before, std::u32string_view after,
                        bool negative = false);

}  // namespace geo
