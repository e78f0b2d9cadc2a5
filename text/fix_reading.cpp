// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/fix_reading.h"

#include "text/fix_words.h"
#include "text/quantity_text.h"

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

// An empty text is no value and no fault; a text that does not read adds
// its refusal to the problems.
std::optional<double> readSetting(const QString& text, QuantityReading (*reader)(const QString&, QStringView),
                                  QStringList& problems)
{
    if (text.trimmed().isEmpty())
        return std::nullopt;
    const QuantityReading reading = reader(text, {});
    if (!reading.value)
        problems << reading.refusal;
    return reading.value;
}

}  // namespace

FixReading readFix(const FixTexts& texts)
{
    FixReading read;
    const FixSettingTexts& settings = texts.settings;
    RowSettings run;
    read.compassError = readSetting(settings.compassError, readCompassErrorText, read.problems);
    run.course = readSetting(settings.course, readCourseText, read.problems);
    run.speed = readSetting(settings.speed, readSpeedText, read.problems);
    read.linesKnown = read.problems.isEmpty();
    if (!settings.near.trimmed().isEmpty()) {
        const PositionReading reading = readNearPosition(settings.near, settings.nearForm);
        read.near = reading.position;
        if (!read.near)
            read.problems << reading.refusal;
    }
    read.rows = readObservationRows(texts.rows, run);
    for (const ObservationRefusal& refusal : read.rows.refusals)
        read.problems << u"第 %1 行：%2"_s.arg(refusal.row + 1).arg(refusal.message);
    if (!read.problems.isEmpty())
        return read;
    if (read.rows.observations < 2) {
        read.hintOnly = true;
        read.problems << (read.rows.observations == 0 ? u"在观测表中输入至少两个观测，即可定位。"_s
                                                      : u"再输入一个观测，即可定位。"_s);
        return read;
    }
    try {
        read.fix = nav::FixSolver(settings.model)
                       .solve(read.rows.sightings, read.compassError.value_or(0), read.near);
    } catch (const nav::NoFixError& error) {
        read.problems << noFixMessage(error.reason());
    }
    return read;
}

}  // namespace tarnquil
