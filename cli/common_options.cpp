// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/common_options.h"

#include "cli/command_line_help.h"
#include "cli/qt_options.h"

#include "text/conversion_message.h"
#include "text/observation_reading.h"
#include "text/refusals.h"

#include "geo/position_text.h"
#include "nav/earth.h"
#include "nav/errors.h"

using namespace Qt::StringLiterals;

namespace tarnquil {

bool skipQtOption(const QStringList& arguments, qsizetype& i)
{
    const QString& argument = arguments[i];
    if (argument.startsWith(u"--"_s))
        return false;
    const qsizetype equals = argument.indexOf(u'=');
    const std::optional<bool> takesValue =
        qtOptionTakesValue(QStringView(argument).first(equals < 0 ? argument.size() : equals));
    if (!takesValue)
        return false;
    if (*takesValue && equals < 0) {
        if (i + 1 == arguments.size())
            usageError(missingValueMessage(argument));
        ++i;
    }
    return true;
}

QString flagValueMessage(QStringView option)
{
    return u"选项 %1 不带值。"_s.arg(option);
}

QString misplacedOptionMessage(QStringView option, QStringView command)
{
    return u"选项 %1 不能与 %2 一起使用。"_s.arg(option, command);
}

geo::GeoPoint readPositionValue(const QString& field, const QString& text, geo::NumberForm form)
{
    const PositionReading reading = readShipPosition(field, text, form);
    if (!reading.position)
        dataError(reading.refusal);
    return *reading.position;
}

geo::NumberForm readFormOption(const std::optional<QString>& word)
{
    return readChoiceOption(u"--form", word, geo::NumberForm::Minutes, readFormWord, formWordChoices());
}

nav::EarthModel readModelOption(const std::optional<QString>& word)
{
    return readChoiceOption(u"--model", word, nav::EarthModel::Wgs84, nav::readModelWord,
                            modelWordChoices());
}

}  // namespace tarnquil
