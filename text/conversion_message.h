// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geo/errors.h"

#include <QString>

namespace tarnquil {

// What the user is told when a coordinate text cannot be read: the field's
// name, the text as typed (a long paste shortened to its ends) and, in plain
// Chinese, which rule it breaks, naming the characters that break it.
//   点Ⅱ纬度“42112a”无法识别：“a”既不是数字，也不是方位（N、S、E、W 或 北、南、东、西），也不是度分秒的符号。
QString conversionFailureMessage(const QString& fieldName, const QString& text,
                                 const geo::CoordinateError& error);

// Only the reason, after the colon of the message above; for a position
// text, which names no field.
QString refusalReason(const geo::CoordinateError& error);

}  // namespace tarnquil
