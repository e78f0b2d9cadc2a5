// SPDX-License-Identifier: GPL-3.0-or-later
// The words that choose on the command line, as --route, --destination,
// --great-circle and --fix all read them, and the refusal of a word that
// chooses nothing. The windows offer the same choices in lists: the forms
// labelled 分, 秒, 度 (form_words.h), the models by nav::modelName.
//   --form   分 秒 度, or minutes seconds degrees; not "十进制", "Minutes", " 分"
//   --model  wgs84 sphere (nav::readModelWord); not "WGS84", "wgs-84"
#pragma once

#include "geo/number_form.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <string_view>

namespace tarnquil {

// The form a word selects, exactly as written above.
std::optional<geo::NumberForm> readFormWord(std::string_view word);

// The words to choose from, for messages: "分、秒、度、minutes、seconds 或
// degrees", "wgs84 或 sphere".
QString formWordChoices();
QString modelWordChoices();

// A word an option does not take, naming the words it does:
//   --form 应为 分、秒、度、minutes、seconds 或 degrees，不能是“十进制”。
QString choiceRefusal(QStringView option, const QString& choices, const QString& word);

}  // namespace tarnquil
