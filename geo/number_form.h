// SPDX-License-Identifier: GPL-3.0-or-later
// The form in which plain numbers are read: the classic window's 分 and 秒,
// and 度 for the route's surfaces.
#pragma once

#include "geo/coordinate_entry.h"

namespace geo {

// A plain number is digits with at most one point and nothing else: "4250.0",
// "25.3", "421125". The form says how the reader takes one apart; texts with
// marks or separators say what their numbers are whatever the form.
enum class NumberForm {
    Minutes,  // 分: packed degrees and minutes, "4250.0" is 42°50.0′
    Seconds,  // 秒: packed degrees, minutes and seconds, "421125" is 42°11′25″
    Degrees,  // 度: decimal degrees, "25.3" is 25.3°; a packed number is out of range
};

// The classic window's entry form as a number form. There is no EntryMode
// for 度: the classic window's conversion (toDecimalDegrees) has only the
// two packed forms.
constexpr NumberForm numberForm(EntryMode mode)
{
    return mode == EntryMode::Minutes ? NumberForm::Minutes : NumberForm::Seconds;
}

}  // namespace geo
