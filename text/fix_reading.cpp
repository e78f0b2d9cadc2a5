// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/fix_reading.h"

#include "text/fix_words.h"
#include "text/observation_kinds.h"
#include "text/observation_reading.h"
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

constexpr QStringView compassErrorOption = u"--compass-error";

// The sightings of the options, in order, or the first text refused.
struct OptionSightings {
    std::vector<nav::Sighting> sightings;
    QString refusal;
};

OptionSightings readSightings(const std::vector<OptionTexts>& given, geo::NumberForm form,
                              FixOptionsReading& read)
{
    QStringList marks;
    for (const OptionTexts& texts : given) {
        if (const ObservationDescriptor* kind = observationKindOfOption(texts.option))
            marks << texts.values.first(kind->values() - 1);
    }
    read.names = namedMarks(marks, form);
    OptionSightings sightings;
    for (const OptionTexts& texts : given) {
        const QStringList& v = texts.values;
        const ObservationDescriptor* kind = observationKindOfOption(texts.option);
        if (!kind) {
            const RunReading run = readRun(v[0], v[1], texts.option);
            if (!run.run)
                return {{}, run.refusal};
            sightings.sightings.emplace_back(*run.run);
            continue;
        }
        const ObservationReading reading = readObservation(
            *kind, v[0], kind->secondMark ? v[1] : QString(), v.back(), form, read.names, texts.option);
        if (!reading.observation)
            return {{}, reading.refusals.front().message};
        sightings.sightings.emplace_back(*reading.observation);
        read.observations.push_back(*reading.observation);
    }
    return sightings;
}

}  // namespace

FixOptionsReading readFixOptions(const std::vector<OptionTexts>& observations,
                                 const FixOptions& options)
{
    FixOptionsReading read;
    const OptionSightings sightings = readSightings(observations, options.form, read);
    if (!sightings.refusal.isEmpty()) {
        read.refusal = sightings.refusal;
        return read;
    }
    double compassError = 0;
    if (options.compassError) {
        const QuantityReading reading = readCompassErrorText(*options.compassError, compassErrorOption);
        if (!reading.value) {
            read.refusal = reading.refusal;
            return read;
        }
        compassError = *reading.value;
    }
    std::optional<geo::GeoPoint> near;
    if (options.near) {
        const PositionReading reading = readNearPosition(*options.near, options.form);
        if (!reading.position) {
            read.refusal = reading.refusal;
            return read;
        }
        near = reading.position;
    }
    try {
        read.fix = nav::FixSolver(options.model).solve(sightings.sightings, compassError, near);
    } catch (const nav::NoFixError& error) {
        read.refusal = noFixMessage(error.reason());
    } catch (const nav::RangeError& error) {
        read.refusal = fixValueRefusal(error.quantity(), options.compassError.value_or(QString()),
                                       Verdict::OutOfRange, compassErrorOption);
    }
    return read;
}

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
