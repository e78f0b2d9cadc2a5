// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/celestial_commands.h"
#include "cli/celestial_report.h"
#include "cli/command_failure.h"
#include "cli/command_line_help.h"
#include "cli/common_options.h"
#include "cli/console_text.h"

#include "text/celestial_text.h"
#include "text/celestial_words.h"
#include "text/conversion_message.h"
#include "text/quoted_text.h"
#include "text/refusals.h"

#include "geo/position_text.h"
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

struct CommandSpec {
    Command command;
    QStringView option;
    QStringView values;  // their names, for the messages: 天体 时间 高度
    int count;
    unsigned takes;
};

constexpr std::array commands = {
    CommandSpec{Command::Almanac, u"--almanac", u"时间", 1, kBody},
    CommandSpec{Command::Sight, u"--sight", u"天体 时间 高度", 3, kAt | kSight | kHeight | kForm},
    CommandSpec{Command::Latitude, u"--latitude", u"天体 时间 高度", 3, kAt | kSight | kHeight | kForm},
    CommandSpec{Command::CompassError, u"--compass-error", u"天体 时间", 2, kAt | kCompass | kForm},
    CommandSpec{Command::RiseSet, u"--rise-set", u"日期", 1, kAt | kZone | kHeight | kForm},
    CommandSpec{Command::Stars, u"--stars", u"时间", 1, kAt | kForm},
    CommandSpec{Command::Identify, u"--identify", u"时间", 1, kAt | kIdentify | kForm},
};

struct OptionSpec {
    QStringView name;
    bool takesValue;
    unsigned takenWith;  // 0: by every command
};

constexpr std::array options = {
    OptionSpec{u"--body", true, kBody},
    OptionSpec{u"--at", true, kAt},
    OptionSpec{u"--limb", true, kSight},
    OptionSpec{u"--index-correction", true, kSight},
    OptionSpec{u"--height", true, kHeight},
    OptionSpec{u"--temperature", true, kSight},
    OptionSpec{u"--pressure", true, kSight},
    OptionSpec{u"--bearing", true, kCompass},
    OptionSpec{u"--amplitude", false, kCompass},
    OptionSpec{u"--variation", true, kCompass},
    OptionSpec{u"--zone", true, kZone},
    OptionSpec{u"--altitude", true, kIdentify},
    OptionSpec{u"--azimuth", true, kIdentify},
    OptionSpec{u"--form", true, kForm},
    OptionSpec{u"--dut1", true, 0},
    OptionSpec{u"--json", false, 0},
    OptionSpec{u"--help", false, 0},
    OptionSpec{u"-h", false, 0},
};

const CommandSpec* findCommand(QStringView name)
{
    for (const CommandSpec& spec : commands)
        if (spec.option == name)
            return &spec;
    return nullptr;
}

const OptionSpec* findOption(QStringView name)
{
    for (const OptionSpec& spec : options)
        if (spec.name == name)
            return &spec;
    return nullptr;
}

QStringView nameOf(const QString& argument)
{
    const qsizetype equals = argument.startsWith(u"--"_s) ? argument.indexOf(u'=') : -1;
    return QStringView(argument).first(equals < 0 ? argument.size() : equals);
}

struct Given {
    QStringView name;
    QString value;
};

struct CelestialArguments {
    const CommandSpec* command = nullptr;
    QStringList values;           // the command's own
    std::vector<Given> options;   // --body may come more than once
    bool help = false;

    const Given* option(QStringView name) const
    {
        for (const Given& given : options)
            if (given.name == name)
                return &given;
        return nullptr;
    }
    bool has(QStringView name) const { return option(name) != nullptr; }
    QString value(QStringView name) const
    {
        const Given* given = option(name);
        return given ? given->value : QString();
    }
    std::optional<QString> word(QStringView name) const
    {
        return has(name) ? std::optional(value(name)) : std::nullopt;
    }
};

// The value after argument i, which may start with a minus ("-0.5",
// "-4250 …") but never with a double one.
QString nextValue(const QStringList& arguments, qsizetype& i, QStringView name)
{
    if (i + 1 == arguments.size() || arguments[i + 1].startsWith(u"--"_s))
        usageError(missingValueMessage(name));
    return arguments[++i];
}

CelestialArguments splitArguments(const QStringList& arguments)
{
    CelestialArguments split;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!argument.startsWith(u'-'))
            usageError(u"多余的参数%1。"_s.arg(quotedText(argument)));
        if (skipQtOption(arguments, i))
            continue;
        const QStringView name = nameOf(argument);
        const bool withEquals = name.size() < argument.size();
        if (const CommandSpec* command = findCommand(name)) {
            if (split.command)
                usageError(u"%1 与 %2 不能一起使用。"_s.arg(split.command->option, command->option));
            split.command = command;
            if (withEquals) {
                if (command->count != 1)
                    usageError(u"%1 要跟 %2 个值，不能写成 %1=值。"_s.arg(command->option).arg(command->count));
                split.values << argument.sliced(name.size() + 1);
                continue;
            }
            while (split.values.size() < command->count) {
                if (i + 1 == arguments.size() || arguments[i + 1].startsWith(u"--"_s))
                    usageError(u"%1 要跟 %2：tarnquil %1 %2 …"_s.arg(command->option, command->values));
                split.values << arguments[++i];
            }
            continue;
        }
        const OptionSpec* option = findOption(name);
        if (!option)
            usageError(u"未知选项%1。"_s.arg(quotedText(name.toString())));
        if (option->name == u"--help" || option->name == u"-h") {
            split.help = true;
            continue;
        }
        if (option->name != u"--body" && split.has(option->name))
            usageError(u"选项 %1 重复。"_s.arg(option->name));
        if (!option->takesValue && withEquals)
            usageError(flagValueMessage(option->name));
        const QString value = !option->takesValue ? QString()
                              : withEquals        ? argument.sliced(name.size() + 1)
                                                  : nextValue(arguments, i, option->name);
        split.options.push_back({option->name, value});
    }
    return split;
}

void checkOptions(const CelestialArguments& arguments)
{
    const CommandSpec& command = *arguments.command;
    for (const Given& given : arguments.options) {
        const OptionSpec& option = *findOption(given.name);
        if (option.takenWith != 0 && !(option.takenWith & command.takes))
            usageError(misplacedOptionMessage(option.name, command.option));
    }
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

double readValue(const QuantityReading& reading)
{
    if (!reading.value)
        dataError(reading.refusal);
    return *reading.value;
}

std::optional<double> readOptional(const CelestialArguments& arguments, QStringView name,
                                   QuantityReading (*reader)(const QString&, QStringView))
{
    if (!arguments.has(name))
        return std::nullopt;
    return readValue(reader(arguments.value(name), name));
}

double readDut1(const CelestialArguments& arguments)
{
    return readOptional(arguments, u"--dut1", readDut1Text).value_or(0);
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
    const geo::NumberForm form = readFormOption(arguments.word(u"--form"));
    const QString text = arguments.value(u"--at");
    const QString field = u"位置（--at）"_s;
    try {
        const geo::GeoPoint point = geo::readPosition(text.toStdString(), form).position;
        nav::checkPosition(point);
        return point;
    } catch (const geo::CoordinateError& error) {
        dataError(conversionFailureMessage(field, text, error));
    } catch (const nav::RangeError& error) {
        dataError(positionRangeRefusal(field, text, error.quantity() == nav::Quantity::Latitude
                                                        ? geo::Axis::Latitude
                                                        : geo::Axis::Longitude));
    }
}

std::optional<nav::Limb> readLimbWord(std::string_view word)
{
    if (word == "lower" || word == "下边")
        return nav::Limb::Lower;
    if (word == "upper" || word == "上边")
        return nav::Limb::Upper;
    return std::nullopt;
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
    const bool limbed = question.body->kind == nav::BodyKind::Sun ||
                        question.body->kind == nav::BodyKind::Moon;
    const nav::Limb limb = readChoiceOption(u"--limb", arguments.word(u"--limb"), nav::Limb::Lower,
                                            readLimbWord, u"lower（下边）或 upper（上边）"_s);
    question.limb = limbed ? limb : nav::Limb::Centre;
    nav::SightConditions& conditions = question.conditions;
    conditions.indexCorrection =
        readOptional(arguments, u"--index-correction", readIndexCorrectionText).value_or(0);
    conditions.heightOfEye = readOptional(arguments, u"--height", readHeightOfEyeText).value_or(0);
    conditions.temperature = readOptional(arguments, u"--temperature", readTemperatureText)
                                 .value_or(nav::kDefaultTemperature);
    conditions.pressure =
        readOptional(arguments, u"--pressure", readPressureText).value_or(nav::kDefaultPressure);
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
    for (const Given& given : arguments.options)
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
    question.variation = readOptional(arguments, u"--variation", readVariationText);
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
    question.heightOfEye = readOptional(arguments, u"--height", readHeightOfEyeText).value_or(0);
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

int run(const CelestialArguments& arguments)
{
    switch (arguments.command->command) {
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

}  // namespace

bool isCelestialCommand(const QStringList& arguments)
{
    for (const QString& argument : arguments)
        if (findCommand(nameOf(argument)))
            return true;
    return false;
}

int runCelestialCommand(const QStringList& arguments)
{
    // --help wherever it stands, before the values are counted.
    if (arguments.contains(u"--help"_s) || arguments.contains(u"-h"_s)) {
        writeText(stdout, commandLineHelp());
        return success;
    }
    try {
        const CelestialArguments split = splitArguments(arguments);
        if (split.help) {
            writeText(stdout, commandLineHelp());
            return success;
        }
        checkOptions(split);
        try {
            return run(split);
        } catch (const nav::TimeError& error) {
            // An instant the day's events reach beyond the almanac's years.
            dataError(timeProblemRefusal(split.values.front(), error.problem(),
                                         split.command->option));
        }
    } catch (const Failure& failure) {
        writeText(stderr, u"tarnquil: "_s + failure.message + u'\n');
        if (failure.status == usageFault)
            writeText(stderr, u"用法见 tarnquil --help。\n"_s);
        return failure.status;
    }
}

}  // namespace tarnquil
