// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geo/errors.h"
#include "geo/coordinate_entry.h"

#include <QString>

namespace tarnquil {

// What the user is told when a coordinate text cannot be converted: the
// field's name, the text as typed (a long paste shortened to its ends) and, in
// plain Chinese, what is wrong with it.
//   点Ⅱ纬度“42112a”无法识别：秒格式的最后四位应为分和秒的数字。“2a”不是有效的秒数。
QString conversionFailureMessage(const QString& fieldName, const QString& text,
                                 geo::EntryMode mode, const geo::ConversionError& error);

}  // namespace tarnquil
