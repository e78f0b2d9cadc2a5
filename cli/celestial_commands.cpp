// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/celestial_commands.h"
#include "cli/command_arguments.h"
#include "cli/celestial_report.h"
#include "cli/command_failure.h"
#include "cli/command_line_help.h"
#include "cli/common_options.h"
#include "cli/console_text.h"

#include "text/altitude_reading.h"
#include "text/celestial_text.h"
#include "text/celestial_words.h"
#include "text/quoted_text.h"
#include "text/refusals.h"

#include "nav/earth.h"
#include "nav/entry.h"
#include "nav/errors.h"

#include <QByteArray>

#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

enum class Command { Almanac, Sight, Latitude, CompassError, RiseSet, Stars, Identify };

// Which options a command takes besides its own values, as bits.
enum Takes : unsigned {
    kBody = 1u << 0,
    kAt = 1u << 1,
    kSight = 1u << 2,  // --limb, --index-correction, --height, --temperature, --pressure
    kCompass = 1u << 3,  // --bearing, --amplitude, --variation
    kZone = 1u << 4,
    kHeight = 1u << 5,
    kIdentify = 1u << 6,  // --altitude, --azimuth
    kForm = 1u << 7,
};

constexpr CommandShape command(Command id, QStringView option, QStringView values, int count,
                               unsigned takes)
{
    return {int(id), option, values, count, takes};
}

constexpr std::array commands = {
    command(Command::Almanac, u"--almanac", u"时间", 1, kBody),
    command(Command::Sight, u"--sight", sightArguments, 3, kAt | kSight | kHeight | kForm),
    command(Command::Latitude, u"--latitude", sightArguments, 3, kAt | kSight | kHeight | kForm),
    command(Command::CompassError, u"--compass-error", u"天体 时间", 2, kAt | kCompass | kForm),
    command(Command::RiseSet, u"--rise-set", u"日期", 1, kAt | kZone | kHeight | kForm),
    command(Command::Stars, u"--stars", u"时间", 1, kAt | kForm),
    command(Command::Identify, u"--identify", u"时间", 1, kAt | kIdentify | kForm),
};

constexpr std::array options = {
    OptionShape{u"--body", true, kBody, true},
    OptionShape{u"--at", true, kAt},
    OptionShape{u"--limb", true, kSight},
    OptionShape{u"--index-correction", true, kSight},
    OptionShape{u"--height", true, kHeight},
    OptionShape{u"--temperature", true, kSight},
    OptionShape{u"--pressure", true, kSight},
    OptionShape{u"--bearing", true, kCompass},
    OptionShape{u"--amplitude", false, kCompass},
    OptionShape{u"--variation", true, kCompass},
    OptionShape{u"--zone", true, kZone},
    OptionShape{u"--altitude", true, kIdentify},
    OptionShape{u"--azimuth", true, kIdentify},
    OptionShape{u"--form", true, kForm},
    OptionShape{u"--dut1", true, 0},
    OptionShape{u"--json", false, 0},
};

using CelestialArguments = CommandArguments;

// The options a command cannot do without.
void checkRequired(const CelestialArguments& arguments)
{
    const CommandShape& command = *arguments.command;
    const auto require = [&](QStringView name, const QString& what) {
        if (!arguments.has(name))
            usageError(u"%1 需要 %2 %3。"_s.arg(command.option, name, what));
    };
    if (command.takes & kAt)
        require(u"--at", u"位置（推算船位），如 \"30°10.2′N 122°05.3′E\""_s);
    if (command.takes & kCompass)
        require(u"--bearing", u"罗经方位（度）"_s);
    if (command.takes & kIdentify) {
        require(u"--altitude", u"观测高度（度）"_s);
        require(u"--azimuth", u"真方位（度）"_s);
    }
}

// ---- reading the values -------------------------------------------------------

double readDut1(const CelestialArguments& arguments)
{
    return readOptionalValue(arguments, u"--dut1", readDut1Text).value_or(0);
}

const nav::Body& readBody(const QString& text, QStringView option)
{
    const BodyReading reading = readBodyText(text, option);
    if (!reading.body)
        dataError(reading.refusal);
    return *reading.body;
}

GivenTime readTime(const QString& text, double dut1, QStringView option)
{
    const TimeReading reading = readTimeText(text, dut1, option);
    if (!reading.instant)
        dataError(reading.refusal);
    return {*reading.instant, reading.zone};
}

geo::GeoPoint readAt(const CelestialArguments& arguments)
{
    return readPositionValue(u"位置（--at）"_s, arguments.value(u"--at"),
                             readFormOption(arguments.word(u"--form")));
}

SightQuestion readSight(const CelestialArguments& arguments)
{
    const QStringView command = arguments.command->option;
    const double dut1 = readDut1(arguments);
    SightQuestion question;
    question.body = &readBody(arguments.values[0], command);
    question.time = readTime(arguments.values[1], dut1, command);
    question.hs = readValue(
        readAltitudeText(arguments.values[2], command.toString() + u" 的 HS"_s, u"六分仪高度"_s));
    const nav::Limb limb = readChoiceOption(u"--limb", arguments.word(u"--limb"), nav::Limb::Lower,
                                            readLimbWord, limbWords());
    question.limb = limbOf(*question.body, limb);
    nav::SightConditions& conditions = question.conditions;
    conditions.indexCorrection =
        readOptionalValue(arguments, u"--index-correction", readIndexCorrectionText).value_or(0);
    conditions.heightOfEye = readOptionalValue(arguments, u"--height", readHeightOfEyeText).value_or(0);
    conditions.temperature = readOptionalValue(arguments, u"--temperature", readTemperatureText)
                                 .value_or(nav::kDefaultTemperature);
    conditions.pressure =
        readOptionalValue(arguments, u"--pressure", readPressureText).value_or(nav::kDefaultPressure);
    question.at = readAt(arguments);
    return question;
}

void write(const CelestialArguments& arguments, const QString& text, const QByteArray& json)
{
    if (arguments.has(u"--json"))
        writeText(stdout, QString::fromUtf8(json));
    else
        writeText(stdout, text);
}

// ---- the commands ---------------------------------------------------------------

int almanac(const CelestialArguments& arguments)
{
    const GivenTime time = readTime(arguments.values[0], readDut1(arguments), u"--almanac");
    std::vector<const nav::Body*> chosen;
    for (const GivenOption& given : arguments.options)
        if (given.name == u"--body")
            chosen.push_back(&readBody(given.value, given.name));
    if (chosen.empty())
        for (const nav::Body& body : nav::bodies())
            chosen.push_back(&body);
    const nav::Almanac page(time.instant);
    // Only one of the two is written; the text is built only without --json.
    if (arguments.has(u"--json"))
        writeText(stdout, QString::fromUtf8(almanacJson(page, time.zone, chosen)));
    else
        writeText(stdout, almanacText(page, time.zone, chosen));
    return success;
}

int sightReduction(const CelestialArguments& arguments)
{
    const SightQuestion question = readSight(arguments);
    const nav::Almanac almanac(question.time.instant);
    try {
        const nav::SightReduction reduction = nav::reduceSight(
            almanac, *question.body, question.hs, question.limb, question.conditions, question.at);
        if (arguments.has(u"--json"))
            writeText(stdout, QString::fromUtf8(sightJson(question, reduction)));
        else
            writeText(stdout, sightText(question, reduction));
    } catch (const nav::CelestialError& error) {
        dataError(celestialRefusalMessage(error, *question.body));
    }
    return success;
}

int latitude(const CelestialArguments& arguments)
{
    const SightQuestion question = readSight(arguments);
    const nav::Almanac almanac(question.time.instant);
    try {
        const nav::LatitudeSight sight = nav::latitudeBySight(
            almanac, *question.body, question.hs, question.limb, question.conditions, question.at);
        write(arguments, latitudeText(question, sight), latitudeJson(question, sight));
    } catch (const nav::CelestialError& error) {
        dataError(celestialRefusalMessage(error, *question.body));
    }
    return success;
}

int compassError(const CelestialArguments& arguments)
{
    const double dut1 = readDut1(arguments);
    CompassQuestion question;
    question.body = &readBody(arguments.values[0], u"--compass-error");
    question.time = readTime(arguments.values[1], dut1, u"--compass-error");
    question.at = readAt(arguments);
    const double bearing = readValue(readAzimuthText(arguments.value(u"--bearing"), u"--bearing"));
    question.variation = readOptionalValue(arguments, u"--variation", readVariationText);
    const nav::Almanac almanac(question.time.instant);
    try {
        const nav::CompassCheck check =
            arguments.has(u"--amplitude")
                ? nav::compassErrorByAmplitude(almanac, *question.body, question.at, bearing,
                                               question.variation)
                : nav::compassErrorByAzimuth(almanac, *question.body, question.at, bearing,
                                             question.variation);
        write(arguments, compassText(question, check), compassJson(question, check));
    } catch (const nav::CelestialError& error) {
        dataError(celestialRefusalMessage(error, *question.body));
    }
    return success;
}

int riseSet(const CelestialArguments& arguments)
{
    const DateReading date = readDateText(arguments.values[0], u"--rise-set");
    if (!date.read)
        dataError(date.refusal);
    const double dut1 = readDut1(arguments);
    RiseSetQuestion question{date.year, date.month, date.day, {}, readAt(arguments), 0};
    question.heightOfEye = readOptionalValue(arguments, u"--height", readHeightOfEyeText).value_or(0);
    if (arguments.has(u"--zone")) {
        const QString text = arguments.value(u"--zone");
        const std::optional<nav::TimeZone> zone = nav::readTimeZone(text.toStdString());
        if (!zone)
            dataError(timeZoneRefusal(text, u"--zone"));
        question.zone = *zone;
    } else {
        question.zone = nav::TimeZone::nautical(question.at.longitude);
    }
    const nav::DayEvents events = nav::dayEvents(question.year, question.month, question.day,
                                                 question.zone, question.at, question.heightOfEye,
                                                 dut1);
    write(arguments, riseSetText(question, events), riseSetJson(question, events));
    return success;
}

int stars(const CelestialArguments& arguments)
{
    const GivenTime time = readTime(arguments.values[0], readDut1(arguments), u"--stars");
    const geo::GeoPoint position = readAt(arguments);
    const std::vector<nav::SkyBody> sky = nav::bodiesForSights(nav::Almanac(time.instant), position);
    write(arguments, starsText(time, position, sky), starsJson(time, sky));
    return success;
}

int identify(const CelestialArguments& arguments)
{
    const GivenTime time = readTime(arguments.values[0], readDut1(arguments), u"--identify");
    const geo::GeoPoint position = readAt(arguments);
    const double altitude = readValue(readAltitudeText(arguments.value(u"--altitude"), u"--altitude"));
    const double azimuth = readValue(readAzimuthText(arguments.value(u"--azimuth"), u"--azimuth"));
    const std::vector<nav::Candidate> candidates =
        nav::identifyBody(nav::Almanac(time.instant), position, altitude, azimuth);
    write(arguments, identifyText(time, position, altitude, azimuth, candidates),
          identifyJson(time, altitude, azimuth, candidates));
    return success;
}

int runCommand(const CelestialArguments& arguments)
{
    switch (Command(arguments.command->id)) {
    case Command::Almanac:
        return almanac(arguments);
    case Command::Sight:
        return sightReduction(arguments);
    case Command::Latitude:
        return latitude(arguments);
    case Command::CompassError:
        return compassError(arguments);
    case Command::RiseSet:
        return riseSet(arguments);
    case Command::Stars:
        return stars(arguments);
    case Command::Identify:
        break;
    }
    return identify(arguments);
}

int run(const CelestialArguments& arguments)
{
    checkRequired(arguments);
    try {
        return runCommand(arguments);
    } catch (const nav::TimeError& error) {
        // An instant the day's events reach beyond the almanac's years.
        dataError(timeProblemRefusal(arguments.values.front(), error.problem(),
                                     arguments.command->option));
    }
}

}  // namespace

bool isCelestialCommand(const QStringList& arguments)
{
    return namesCommand(arguments, commands);
}

int runCelestialCommand(const QStringList& arguments)
{
    return runCommandFamily(arguments, commands, options, run);
}

}  // namespace tarnquil
