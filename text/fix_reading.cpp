// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/fix_reading.h"

#include "text/altitude_reading.h"
#include "text/celestial_text.h"
#include "text/fix_words.h"
#include "text/observation_kinds.h"
#include "text/observation_reading.h"
#include "text/quantity_text.h"
#include "text/refusals.h"

#include "nav/entry.h"

#include <algorithm>
#include <array>
#include <utility>

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

// The settings the 天体高度 rows are read with; each text that does not
// read adds its refusal, and leaves its default.
void readAltitudeSettings(const FixSettingTexts& settings, AltitudeRowSettings& altitudes,
                          QStringList& problems)
{
    nav::SightConditions& conditions = altitudes.sight.conditions;
    conditions.heightOfEye = readSetting(settings.heightOfEye, readHeightOfEyeText, problems).value_or(0);
    conditions.indexCorrection =
        readSetting(settings.indexCorrection, readIndexCorrectionText, problems).value_or(0);
    conditions.temperature = readSetting(settings.temperature, readTemperatureText, problems)
                                 .value_or(nav::kDefaultTemperature);
    conditions.pressure =
        readSetting(settings.pressure, readPressureText, problems).value_or(nav::kDefaultPressure);
    altitudes.sight.dut1 = readSetting(settings.dut1, readDut1Text, problems).value_or(0);
    if (!settings.date.trimmed().isEmpty()) {
        const DateReading date = readDateText(settings.date);
        if (!date.read)
            problems << date.refusal;
    }
    if (!settings.zone.trimmed().isEmpty() && !nav::readTimeZone(settings.zone.trimmed().toStdString()))
        problems << timeZoneRefusal(settings.zone);
    altitudes.date = settings.date;
    altitudes.zone = settings.zone;
}

constexpr QStringView compassErrorOption = u"--compass-error";

// The sightings of the options, in order, or the first text refused.
struct OptionSightings {
    std::vector<nav::Sighting> sightings;
    QString refusal;
};

// The sight options given, or the first refused.
std::optional<QString> readSightSettings(const FixOptions& options, SightSettings& settings)
{
    using Reader = QuantityReading (*)(const QString&, QStringView);
    nav::SightConditions& c = settings.conditions;
    const std::array<std::pair<Reader, double*>, 5> readers = {{
        {readIndexCorrectionText, &c.indexCorrection},
        {readHeightOfEyeText, &c.heightOfEye},
        {readTemperatureText, &c.temperature},
        {readPressureText, &c.pressure},
        {readDut1Text, &settings.dut1},
    }};
    for (std::size_t i = 0; i < readers.size(); ++i) {
        const SightOptionText& given = options.sight[i];
        if (!given.text)
            continue;
        const QuantityReading reading = readers[i].first(*given.text, given.option);
        if (!reading.value)
            return reading.refusal;
        *readers[i].second = *reading.value;
    }
    return std::nullopt;
}

OptionSightings readSightings(const std::vector<OptionTexts>& given, geo::NumberForm form,
                              const SightSettings& sight, std::optional<geo::GeoPoint> near,
                              FixOptionsReading& read)
{
    QStringList marks;
    for (const OptionTexts& texts : given) {
        const ObservationDescriptor* kind = observationKindOfOption(texts.option);
        if (kind && !isAltitudeOption(texts.option))
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
        if (isAltitudeOption(texts.option)) {
            const AltitudeReading altitude = readAltitude(
                {v[0], v.size() > 3 ? v[3] : QString(), v[1], v[2]}, sight, near, texts.option);
            if (!altitude.observation)
                return {{}, altitude.refusals.front().message};
            sightings.sightings.emplace_back(*altitude.observation);
            read.observations.push_back(*altitude.observation);
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

// The DR given, or why it does not read.
std::optional<QString> readNear(const FixOptions& options, std::optional<geo::GeoPoint>& near)
{
    if (!options.near)
        return std::nullopt;
    const PositionReading reading = readNearPosition(*options.near, options.form);
    if (!reading.position)
        return reading.refusal;
    near = reading.position;
    return std::nullopt;
}

}  // namespace

bool isAltitudeOption(QStringView option)
{
    const ObservationDescriptor* kind = observationKindOfOption(option);
    return kind != nullptr && kind->sight;
}

FixOptionsReading readFixOptions(const std::vector<OptionTexts>& observations,
                                 const FixOptions& options)
{
    FixOptionsReading read;
    // Altitudes are read from the DR, their assumed position, with the sight
    // options: the DR comes first then, and the sight options always before
    // the observations, so that a refused one is never passed over.
    const bool altitudes = std::any_of(observations.begin(), observations.end(),
                                       [](const OptionTexts& given) { return isAltitudeOption(given.option); });
    std::optional<geo::GeoPoint> near;
    SightSettings sight;
    if (altitudes) {
        if (std::optional<QString> refusal = readNear(options, near)) {
            read.refusal = *refusal;
            return read;
        }
    }
    if (std::optional<QString> refusal = readSightSettings(options, sight)) {
        read.refusal = *refusal;
        return read;
    }
    const OptionSightings sightings = readSightings(observations, options.form, sight, near, read);
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
    if (!altitudes) {
        if (std::optional<QString> refusal = readNear(options, near)) {
            read.refusal = *refusal;
            return read;
        }
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
    readAltitudeSettings(settings, run.altitudes, read.problems);
    read.linesKnown = read.problems.isEmpty();
    if (!settings.near.trimmed().isEmpty()) {
        const PositionReading reading = readNearPosition(settings.near, settings.nearForm);
        read.near = reading.position;
        if (!read.near)
            read.problems << reading.refusal;
    }
    run.altitudes.assumed = read.near;
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
