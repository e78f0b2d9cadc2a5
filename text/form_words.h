// SPDX-License-Identifier: GPL-3.0-or-later
// The words for the forms in which plain numbers are read (geo/number_form.h),
// as the route window, its files and the command line say them.
#pragma once

#include "geo/number_form.h"

#include <QString>

namespace tarnquil {

// The form's one character, as its option is labelled: 分, 秒, 度.
QString formWord(geo::NumberForm form);

// How the form reads a plain number: 按度分读, 按度分秒读, 按度读.
QString formReading(geo::NumberForm form);

}  // namespace tarnquil
