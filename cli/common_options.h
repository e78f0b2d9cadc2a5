// SPDX-License-Identifier: GPL-3.0-or-later
// What every command of the command line reads alike (--help's 共同选项):
// Qt's own options, stepped over wherever they stand, and the words that
// choose, --form and --model among them, each read by one code and refused
// in the same words (text/option_words.h) by --route, --destination,
// --great-circle and --fix. A word that chooses nothing is a mistake of the
// command line (usageError, status 2).
#pragma once

#include "cli/command_failure.h"

#include "text/option_words.h"

#include "geo/angle.h"
#include "geo/number_form.h"
#include "nav/earth_model.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <string_view>

namespace tarnquil {

// Steps over one of Qt's own options at `i` (qt_options.h), and its value,
// returning whether there was one: the application objects made later read
// them from argv themselves. Refuses one without its value.
bool skipQtOption(const QStringList& arguments, qsizetype& i);

// The choice `word` selects, `fallback` when the option was not given; a
// word that selects none is refused, naming the words there are (`choices`).
template <class Choice>
Choice readChoiceOption(QStringView option, const std::optional<QString>& word, Choice fallback,
                        std::optional<Choice> (*read)(std::string_view word), const QString& choices)
{
    if (!word)
        return fallback;
    if (const std::optional<Choice> choice = read(word->toStdString()))
        return *choice;
    usageError(choiceRefusal(option, choices, *word));
}

// The mistakes of a command line every command words alike:
//   选项 --json 不带值。                       a flag written --json=1
//   选项 --zone 不能与 --sight 一起使用。       another command's option
QString flagValueMessage(QStringView option);
QString misplacedOptionMessage(QStringView option, QStringView command);

// A whole position (geo/position_text.h) in `form`, on the Earth: a data
// error naming it as `field` (起点, 位置（--at）) and quoting `text` when it
// does not read or lies beyond the Earth's latitudes or longitudes.
geo::GeoPoint readPositionValue(const QString& field, const QString& text, geo::NumberForm form);

// --form: 分 when not given.
geo::NumberForm readFormOption(const std::optional<QString>& word);
// --model: WGS-84 when not given.
nav::EarthModel readModelOption(const std::optional<QString>& word);

}  // namespace tarnquil
