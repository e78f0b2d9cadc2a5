// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_line.h"
#include "cli/celestial_commands.h"
#include "cli/command_failure.h"
#include "cli/command_line_help.h"
#include "cli/common_options.h"
#include "cli/console_text.h"
#include "cli/current_commands.h"
#include "cli/great_circle_report.h"
#include "cli/fix_command.h"

#include "print/route_writers.h"
#include "text/conversion_message.h"
#include "text/method_words.h"
#include "text/quantity_text.h"
#include "text/quoted_text.h"
#include "text/refusals.h"
#include "text/utf8_text.h"
#include "text/version.h"

#include "geo/position_text.h"
#include "nav/display.h"
#include "nav/earth.h"
#include "nav/earth_model.h"
#include "nav/entry.h"
#include "nav/errors.h"
#include "nav/great_circle.h"
#include "nav/eta_zone.h"

#include <QCoreApplication>
#include <QHash>
#include <QStringList>

#include <array>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string_view>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

struct ProgramOption {
    QStringView name;
    bool takesValue;
    bool forRoute;        // with --route
    bool forDestination;  // with --destination
    bool forGreatCircle = false;  // with --great-circle
};

constexpr std::array programOptions = {
    ProgramOption{u"--help", false, true, true},
    ProgramOption{u"-h", false, true, true},
    ProgramOption{u"--version", false, true, true},
    ProgramOption{u"--route", false, true, false},
    ProgramOption{u"--export", true, true, false},
    ProgramOption{u"--speed", true, true, false},
    ProgramOption{u"--depart", true, true, false},
    ProgramOption{u"--zone", true, true, false},
    ProgramOption{u"--eta-zone", true, true, false},
    ProgramOption{u"--route-index", true, true, false},
    ProgramOption{u"--destination", true, false, true},
    ProgramOption{u"--course", true, false, true},
    ProgramOption{u"--distance", true, false, true},
    ProgramOption{u"--method", true, false, true},
    ProgramOption{u"--model", true, true, true, true},
    ProgramOption{u"--form", true, true, true, true},
    ProgramOption{u"--great-circle", true, false, false, true},
    ProgramOption{u"--every", true, false, false, true},
    ProgramOption{u"--json", false, false, false, true},
    ProgramOption{u"--split-gc", true, true, false},
};

const ProgramOption* findOption(QStringView name)
{
    for (const ProgramOption& option : programOptions) {
        if (option.name == name)
            return &option;
    }
    return nullptr;
}

// The arguments after the program's name, taken apart.
struct Arguments {
    QHash<QString, QString> options;  // by name as written in programOptions; flags have no value
    std::optional<QString> file;

    bool has(QStringView name) const { return options.contains(name.toString()); }
    QString value(QStringView name) const { return options.value(name.toString()); }
};

QString optionValue(const QStringList& arguments, qsizetype& i, QStringView name, qsizetype equals)
{
    if (equals >= 0)
        return arguments[i].sliced(equals + 1);
    // A value may start with a minus ("-4250 …"), never with a double one.
    if (i + 1 < arguments.size() && !arguments[i + 1].startsWith(u"--"_s))
        return arguments[++i];
    usageError(missingValueMessage(name));
}

Arguments splitArguments(const QStringList& arguments)
{
    Arguments split;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!argument.startsWith(u'-')) {
            if (split.file)
                usageError(u"多余的参数%1：只能给出一个航线文件。"_s.arg(quotedText(argument)));
            split.file = argument;
            continue;
        }
        if (skipQtOption(arguments, i))
            continue;
        const qsizetype equals = argument.startsWith(u"--"_s) ? argument.indexOf(u'=') : -1;
        const QStringView name = QStringView(argument).first(equals < 0 ? argument.size() : equals);
        const ProgramOption* option = findOption(name);
        if (!option)
            usageError(u"未知选项%1。"_s.arg(quotedText(name.toString())));
        if (split.has(option->name))
            usageError(u"选项 %1 重复。"_s.arg(option->name));
        if (!option->takesValue && equals >= 0)
            usageError(flagValueMessage(option->name));
        split.options.insert(option->name.toString(),
                             option->takesValue ? optionValue(arguments, i, option->name, equals) : QString());
    }
    return split;
}

enum class Command { Help, Version, Calculator, Window, Export, Destination, GreatCircle };

// Every option given belongs to the command: `belongs` says which do.
void checkOptions(const Arguments& arguments, bool ProgramOption::*belongs, QStringView command)
{
    for (const ProgramOption& option : programOptions) {
        if (arguments.has(option.name) && !(option.*belongs))
            usageError(misplacedOptionMessage(option.name, command));
    }
}

Command routeCommand(const Arguments& arguments)
{
    checkOptions(arguments, &ProgramOption::forRoute, u"--route");
    if (!arguments.has(u"--export")) {
        if (arguments.has(u"--split-gc"))
            usageError(u"--split-gc 要与 --export 一起使用：tarnquil --route 航线文件 --export 输出文件 --split-gc 度数。"_s);
        return Command::Window;
    }
    if (!arguments.file)
        usageError(u"--export 需要航线文件：tarnquil --route 航线文件 --export 输出文件。"_s);
    return Command::Export;
}

Command destinationCommand(const Arguments& arguments)
{
    checkOptions(arguments, &ProgramOption::forDestination, u"--destination");
    if (arguments.file)
        usageError(u"多余的参数%1：--destination 不读航线文件。"_s.arg(quotedText(*arguments.file)));
    if (!arguments.has(u"--course") || !arguments.has(u"--distance"))
        usageError(u"--destination 需要 --course 航向和 --distance 航程。"_s);
    return Command::Destination;
}

// The option's value is the departure; the one argument besides the
// options, the arrival.
Command greatCircleCommand(const Arguments& arguments)
{
    checkOptions(arguments, &ProgramOption::forGreatCircle, u"--great-circle");
    if (!arguments.file)
        usageError(u"--great-circle 需要起点和终点两个位置：tarnquil --great-circle \"起点\" \"终点\"。"_s);
    return Command::GreatCircle;
}

// The commands an option belongs to, as a usage message names them.
QString commandsOf(const ProgramOption& option)
{
    QStringList commands;
    if (option.forRoute)
        commands << u"--route"_s;
    if (option.forDestination)
        commands << u"--destination"_s;
    if (option.forGreatCircle)
        commands << u"--great-circle"_s;
    return commands.join(u" 或 "_s);
}

Command commandOf(const Arguments& arguments)
{
    if (arguments.has(u"--help") || arguments.has(u"-h"))
        return Command::Help;
    if (arguments.has(u"--version"))
        return Command::Version;
    if (arguments.has(u"--route"))
        return routeCommand(arguments);
    if (arguments.has(u"--destination"))
        return destinationCommand(arguments);
    if (arguments.has(u"--great-circle"))
        return greatCircleCommand(arguments);
    if (arguments.options.isEmpty() && !arguments.file)
        return Command::Calculator;
    if (arguments.file)
        usageError(u"要打开航线文件，请写作 tarnquil --route %1。"_s.arg(*arguments.file));
    const ProgramOption* option = findOption(arguments.options.keys().value(0));
    usageError(u"选项 %1 要与 %2 一起使用。"_s.arg(option->name, commandsOf(*option)));
}

// The word given with an option, for readChoiceOption.
std::optional<QString> wordOf(const Arguments& arguments, QStringView name)
{
    return arguments.has(name) ? std::optional(arguments.value(name)) : std::nullopt;
}

geo::NumberForm readForm(const Arguments& arguments)
{
    return readFormOption(wordOf(arguments, u"--form"));
}

nav::EarthModel readModel(const Arguments& arguments)
{
    return readModelOption(wordOf(arguments, u"--model"));
}

nav::Method readMethod(const Arguments& arguments)
{
    return readChoiceOption(u"--method", wordOf(arguments, u"--method"), nav::Method::Rhumb,
                            nav::readMethodWord, methodWordChoices());
}

// The value of an option read by a reader of text/quantity_text.h, or a data
// error with its refusal, which names the option.
double readQuantity(const Arguments& arguments, QStringView name,
                    QuantityReading (*reader)(const QString& text, QStringView option))
{
    const QuantityReading reading = reader(arguments.value(name), name);
    if (!reading.value)
        dataError(reading.refusal);
    return *reading.value;
}

// A route's number that is no whole number is a fault of the command line;
// one that is, but no route's, is the data's, as a number beyond the file's
// routes is.
qsizetype readRouteIndex(const Arguments& arguments)
{
    const QString text = arguments.value(u"--route-index");
    const QuantityReading reading = readRouteIndexText(text, u"--route-index");
    if (reading.value)
        return qsizetype(*reading.value);
    const std::optional<double> number = readNumberWithUnit(text, {});
    if (!number || (std::isfinite(*number) && *number != std::floor(*number)))
        usageError(reading.refusal);
    dataError(reading.refusal);
}

nav::EtaZone readEtaZone(const Arguments& arguments)
{
    QStringList words;
    for (const nav::EtaZone zone : {nav::EtaZone::Departure, nav::EtaZone::Utc, nav::EtaZone::Ship})
        words << fromUtf8(nav::etaZoneWord(zone));
    return readChoiceOption(u"--eta-zone", wordOf(arguments, u"--eta-zone"),
                            nav::EtaZone::Departure, nav::readEtaZoneWord, words.join(u"、"_s));
}

// The options that say what a route file may say too: those given, which
// take the place of the file's.
SavedSettings givenSettings(const Arguments& arguments)
{
    SavedSettings given;
    if (arguments.has(u"--model"))
        given.model = readModel(arguments);
    if (arguments.has(u"--speed"))
        given.speed = readQuantity(arguments, u"--speed", readSpeedText);
    if (arguments.has(u"--depart")) {
        const QString text = arguments.value(u"--depart");
        given.departure = nav::readClockTime(text.toStdString());
        if (!*given.departure)
            dataError(departureRefusal(text, u"--depart"));
    }
    if (arguments.has(u"--zone")) {
        const QString text = arguments.value(u"--zone");
        given.departureZone = nav::readTimeZone(text.toStdString());
        if (!given.departureZone)
            dataError(timeZoneRefusal(text, u"--zone"));
    }
    if (arguments.has(u"--eta-zone"))
        given.etaZone = readEtaZone(arguments);
    return given;
}

RouteOptions readRouteOptions(const Arguments& arguments)
{
    RouteOptions options;
    options.file = arguments.file.value_or(QString());
    options.given = givenSettings(arguments);
    options.settings = withSaved(RouteSettings{}, options.given);
    options.settings.form = readForm(arguments);
    options.settings.etaZone = readEtaZone(arguments);
    if (arguments.has(u"--route-index"))
        options.routeNumber = readRouteIndex(arguments);
    return options;
}

ExportRequest exportRequest(const Arguments& arguments)
{
    const RouteOptions options = readRouteOptions(arguments);
    ExportRequest request{options.file, options.routeNumber, options.settings,
                          arguments.value(u"--export"), options.given};
    if (arguments.has(u"--split-gc"))
        request.splitEvery = readQuantity(arguments, u"--split-gc", readMeridianIntervalText);
    return request;
}

const QString positionName = u"位置"_s;

QString rangeMessage(const nav::RangeError& error, const Arguments& arguments)
{
    switch (error.quantity()) {
    case nav::Quantity::Latitude:
        return positionRangeRefusal(positionName, arguments.value(u"--destination"), geo::Axis::Latitude);
    case nav::Quantity::Longitude:
        return positionRangeRefusal(positionName, arguments.value(u"--destination"), geo::Axis::Longitude);
    case nav::Quantity::Course:
        return courseRefusal(arguments.value(u"--course"), Verdict::OutOfRange, u"--course");
    default:
        return distanceRefusal(arguments.value(u"--distance"), Verdict::OutOfRange, u"--distance");
    }
}

int destination(const Arguments& arguments)
{
    const geo::NumberForm form = readForm(arguments);
    const nav::EarthModel model = readModel(arguments);
    const nav::Method method = readMethod(arguments);
    const QString position = arguments.value(u"--destination");
    geo::GeoPoint from;
    try {
        from = geo::readPosition(position.toStdString(), form).position;
    } catch (const geo::CoordinateError& error) {
        dataError(conversionFailureMessage(positionName, position, error));
    }
    const double course = readQuantity(arguments, u"--course", readCourseText);
    const double distance = readQuantity(arguments, u"--distance", readDistanceText);
    try {
        const geo::GeoPoint reached = nav::Earth(model).deadReckoning(from, course, distance, method);
        writeText(stdout, fromUtf8(nav::formatPosition(reached)) + u'\n');
    } catch (const nav::RangeError& error) {
        dataError(rangeMessage(error, arguments));
    } catch (const nav::PoleError&) {
        dataError(poleRunRefusal());
    }
    return success;
}

int greatCircle(const Arguments& arguments)
{
    const geo::NumberForm form = readForm(arguments);
    GreatCircleQuestion question;
    question.model = readModel(arguments);
    question.from = readPositionValue(u"起点"_s, arguments.value(u"--great-circle"), form);
    question.to = readPositionValue(u"终点"_s, *arguments.file, form);
    question.every = arguments.has(u"--every")
        ? readQuantity(arguments, u"--every", readMeridianIntervalText)
        : kDefaultMeridianInterval;
    const nav::GreatCircleSailing sailing =
        nav::sailGreatCircle(question.model, question.from, question.to, question.every);
    if (arguments.has(u"--json"))
        writeText(stdout, QString::fromUtf8(greatCircleJson(question, sailing)));
    else
        writeText(stdout, greatCircleText(question, sailing));
    return success;
}

int runWithoutWindow(Command command, const Arguments& arguments)
{
    switch (command) {
    case Command::Help:
        writeText(stdout, commandLineHelp());
        return success;
    case Command::Version:
        writeText(stdout, u"tarnquil "_s + QString::fromUtf16(programVersion) + u'\n');
        return success;
    case Command::Export:
        return runExport(exportRequest(arguments));
    case Command::Destination:
        return destination(arguments);
    case Command::GreatCircle:
        return greatCircle(arguments);
    case Command::Calculator:
    case Command::Window:
        break;
    }
    return usageFault;
}

// --celestial opens the celestial window and takes nothing but Qt's options.
CommandLineAction celestialWindowAction(const QStringList& arguments)
{
    try {
        for (qsizetype i = 0; i < arguments.size(); ++i)
            if (arguments[i] != u"--celestial"_s && !skipQtOption(arguments, i))
                usageError(u"--celestial 只打开天文航海窗口，不带其他参数：%1。"_s.arg(
                    quotedText(arguments[i])));
    } catch (const Failure& failure) {
        writeText(stderr, u"tarnquil: "_s + failure.message + u"\n用法见 tarnquil --help。\n"_s);
        return {CommandLineAction::Kind::Exit, failure.status, {}, {}};
    }
    return {CommandLineAction::Kind::CelestialWindow, success, {}, {}};
}

}  // namespace

int runExport(const ExportRequest& request)
{
    const ExportResult result = exportRoute(request);
    for (const QString& message : result.messages)
        writeText(stderr, u"tarnquil: "_s + message + u'\n');
    switch (result.fault) {
    case ExportFault::None:
        return success;
    case ExportFault::Usage:
        return usageFault;
    case ExportFault::Data:
        break;
    }
    return dataFault;
}

CommandLineAction readCommandLine(int& argc, char** argv)
{
    // Reads the arguments as Qt decodes them on each system, without a display.
    QCoreApplication application(argc, argv);
    if (application.arguments().contains(u"--fix"_s)) {
        const FixCommand fix = readFixCommand(application.arguments().sliced(1));
        return {fix.openWindow ? CommandLineAction::Kind::FixWindow : CommandLineAction::Kind::Exit,
                fix.status, {}, {}};
    }
    if (application.arguments().contains(u"--celestial"_s))
        return celestialWindowAction(application.arguments().sliced(1));
    if (isCelestialCommand(application.arguments().sliced(1)))
        return {CommandLineAction::Kind::Exit, runCelestialCommand(application.arguments().sliced(1)),
                {}, {}};
    if (isCurrentCommand(application.arguments().sliced(1)))
        return {CommandLineAction::Kind::Exit, runCurrentCommand(application.arguments().sliced(1)),
                {}, {}};
    try {
        const Arguments arguments = splitArguments(application.arguments().sliced(1));
        switch (const Command command = commandOf(arguments)) {
        case Command::Calculator:
            return {};
        case Command::Window:
            return {CommandLineAction::Kind::RouteWindow, success, readRouteOptions(arguments), {}};
        case Command::Export:
            if (routeWriterNeedsFonts(arguments.value(u"--export")))
                return {CommandLineAction::Kind::DrawnExport, success, {}, exportRequest(arguments)};
            [[fallthrough]];
        default:
            return {CommandLineAction::Kind::Exit, runWithoutWindow(command, arguments), {}, {}};
        }
    } catch (const Failure& failure) {
        writeText(stderr, u"tarnquil: "_s + failure.message + u'\n');
        if (failure.status == usageFault)
            writeText(stderr, u"用法见 tarnquil --help。\n"_s);
        return {CommandLineAction::Kind::Exit, failure.status, {}, {}};
    }
}

}  // namespace tarnquil
