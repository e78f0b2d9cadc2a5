// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"
#include "application_setup.h"
#include "command_line_help.h"
#include "console_text.h"
#include "pdf.h"
#include "qt_options.h"
#include "conversion_message.h"
#include "quoted_text.h"
#include "route_export.h"
#include "route_window_entry.h"
#include "version.h"

#include "geo/position_text.h"
#include "nav/display.h"
#include "nav/earth.h"
#include "nav/entry.h"
#include "nav/errors.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QStringList>
#include <QTemporaryDir>

#include <array>
#include <cstdio>
#include <optional>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

enum ExitStatus { success = 0, dataFault = 1, usageFault = 2 };

// Thrown while the command line is read: the message, and the status to exit with.
struct Failure {
    QString message;
    ExitStatus status;
};

[[noreturn]] void usageError(const QString& message)
{
    throw Failure{message, usageFault};
}

[[noreturn]] void dataError(const QString& message)
{
    throw Failure{message, dataFault};
}

struct ProgramOption {
    QStringView name;
    bool takesValue;
    bool forRoute;        // with --route
    bool forDestination;  // with --destination
};

constexpr std::array programOptions = {
    ProgramOption{u"--help", false, true, true},
    ProgramOption{u"-h", false, true, true},
    ProgramOption{u"--version", false, true, true},
    ProgramOption{u"--route", false, true, false},
    ProgramOption{u"--export", true, true, false},
    ProgramOption{u"--speed", true, true, false},
    ProgramOption{u"--depart", true, true, false},
    ProgramOption{u"--route-index", true, true, false},
    ProgramOption{u"--destination", true, false, true},
    ProgramOption{u"--course", true, false, true},
    ProgramOption{u"--distance", true, false, true},
    ProgramOption{u"--method", true, false, true},
    ProgramOption{u"--model", true, true, true},
    ProgramOption{u"--form", true, true, true},
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
    usageError(u"选项 %1 缺少值。"_s.arg(name));
}

// Steps over one of Qt's own options at i, and its value: the application
// objects made later read them from argv themselves.
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
            usageError(u"选项 %1 缺少值。"_s.arg(argument));
        ++i;
    }
    return true;
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
            usageError(u"选项 %1 不带值。"_s.arg(option->name));
        split.options.insert(option->name.toString(),
                             option->takesValue ? optionValue(arguments, i, option->name, equals) : QString());
    }
    return split;
}

enum class Command { Help, Version, Calculator, Window, Export, Destination };

// Every option given belongs to the command: `belongs` says which do.
void checkOptions(const Arguments& arguments, bool ProgramOption::*belongs, QStringView command)
{
    for (const ProgramOption& option : programOptions) {
        if (arguments.has(option.name) && !(option.*belongs))
            usageError(u"选项 %1 不能与 %2 一起使用。"_s.arg(option.name, command));
    }
}

Command routeCommand(const Arguments& arguments)
{
    checkOptions(arguments, &ProgramOption::forRoute, u"--route");
    if (!arguments.has(u"--export"))
        return Command::Window;
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
    if (arguments.options.isEmpty() && !arguments.file)
        return Command::Calculator;
    if (arguments.file)
        usageError(u"要打开航线文件，请写作 tarnquil --route %1。"_s.arg(*arguments.file));
    const ProgramOption* option = findOption(arguments.options.keys().value(0));
    const QString commands = option->forDestination ? (option->forRoute ? u"--route 或 --destination"_s
                                                                   : u"--destination"_s)
                                                  : u"--route"_s;
    usageError(u"选项 %1 要与 %2 一起使用。"_s.arg(option->name, commands));
}

geo::EntryMode readForm(const Arguments& arguments)
{
    if (!arguments.has(u"--form"))
        return geo::EntryMode::Minutes;
    const QString word = arguments.value(u"--form");
    if (word == u"分"_s || word == u"minutes"_s)
        return geo::EntryMode::Minutes;
    if (word == u"秒"_s || word == u"seconds"_s)
        return geo::EntryMode::Seconds;
    usageError(u"--form 应为 分、秒、minutes 或 seconds，不能是%1。"_s.arg(quotedText(word)));
}

nav::EarthModel readModel(const Arguments& arguments)
{
    if (!arguments.has(u"--model"))
        return nav::EarthModel::Wgs84;
    const QString word = arguments.value(u"--model");
    if (const std::optional<nav::EarthModel> model = nav::readModelWord(word.toStdString()))
        return *model;
    usageError(u"--model 应为 wgs84 或 sphere，不能是%1。"_s.arg(quotedText(word)));
}

nav::Method readMethod(const Arguments& arguments)
{
    const QString word = arguments.value(u"--method");
    if (!arguments.has(u"--method") || word == u"rl"_s)
        return nav::Method::Rhumb;
    if (word == u"gc"_s)
        return nav::Method::GreatCircle;
    usageError(u"--method 应为 rl（恒向线）或 gc（大圆），不能是%1。"_s.arg(quotedText(word)));
}

// The number a nav reader gives for an option's text, or a data error.
template <class Reader>
double readNumber(const Arguments& arguments, QStringView name, Reader reader, const QString& rule)
{
    const QString text = arguments.value(name);
    if (const std::optional<double> value = reader(text.toStdString()))
        return *value;
    dataError(rule.arg(quotedText(text)));
}

RouteOptions readRouteOptions(const Arguments& arguments)
{
    RouteOptions options;
    options.file = arguments.file.value_or(QString());
    options.settings.form = readForm(arguments);
    options.settings.model = readModel(arguments);
    if (arguments.has(u"--speed"))
        options.settings.speed = readNumber(arguments, u"--speed", nav::readSpeed,
                                            u"航速%1无法识别：应为大于 0 的节数，如 12 或 12.5。"_s);
    if (arguments.has(u"--depart")) {
        const QString text = arguments.value(u"--depart");
        options.settings.departure = nav::readClockTime(text.toStdString());
        if (!options.settings.departure)
            dataError(u"开航时间%1无法识别：应写作 YYYY-MM-DD HH:MM，如 2025-06-01 08:00。"_s.arg(quotedText(text)));
    }
    if (arguments.has(u"--route-index")) {
        const QString text = arguments.value(u"--route-index");
        bool ok = false;
        options.routeNumber = text.toLongLong(&ok);
        if (!ok || options.routeNumber < 1 || text.front() == u'+')
            usageError(u"--route-index 应为从 1 起的整数，不能是%1。"_s.arg(quotedText(text)));
    }
    return options;
}

ExportRequest exportRequest(const Arguments& arguments)
{
    const RouteOptions options = readRouteOptions(arguments);
    return {options.file, options.routeNumber, options.settings, arguments.value(u"--export")};
}

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

QString rangeMessage(const nav::RangeError& error, const QString& position, const QString& distance)
{
    switch (error.quantity()) {
    case nav::Quantity::Latitude:
        return u"位置%1超出范围：纬度应在 -90° 到 90° 之间。"_s.arg(quotedText(position));
    case nav::Quantity::Longitude:
        return u"位置%1超出范围：经度应在 -180° 到 180° 之间。"_s.arg(quotedText(position));
    default:
        return u"航程%1超出范围：推算的航程最多 %2 海里。"_s.arg(quotedText(distance)).arg(nav::kMaxRun, 0, 'f', 0);
    }
}

int destination(const Arguments& arguments)
{
    const geo::EntryMode form = readForm(arguments);
    const nav::EarthModel model = readModel(arguments);
    const nav::Method method = readMethod(arguments);
    const QString position = arguments.value(u"--destination");
    geo::GeoPoint from;
    try {
        from = geo::readPosition(position.toStdString(), form).position;
    } catch (const geo::CoordinateError& error) {
        dataError(conversionFailureMessage(u"位置"_s, position, error));
    }
    const double course = readNumber(arguments, u"--course", nav::readCourse,
                                     u"航向%1无法识别：应为 0 到 360 之间的度数，如 45 或 045.5。"_s);
    const double distance = readNumber(arguments, u"--distance", nav::readDistance,
                                       u"航程%1无法识别：应为不小于 0 的海里数，如 120.5。"_s);
    try {
        const geo::GeoPoint reached = nav::Earth(model).deadReckoning(from, course, distance, method);
        writeText(stdout, QString::fromStdString(nav::formatPosition(reached)) + u'\n');
    } catch (const nav::RangeError& error) {
        dataError(rangeMessage(error, position, arguments.value(u"--distance")));
    } catch (const nav::PoleError&) {
        dataError(u"按恒向线航行会越过极点，推算不出到达位置。"_s);
    }
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
    case Command::Calculator:
    case Command::Window:
        break;
    }
    return usageFault;
}

// An export whose writer draws text (PDF) needs fonts, so a GUI application,
// but shows nothing: without a display it runs on the offscreen platform
// unless the user chose one. Windows' own platform needs no display, and its
// Qt may come without the offscreen one.
int exportWithFonts(int& argc, char** argv, const ExportRequest& request)
{
#ifndef Q_OS_WIN
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Outside a desktop session (ssh, cron, a container) Qt warns on stderr
    // that there is no runtime directory. The export keeps nothing there, so
    // a private one for its duration keeps a successful export silent.
    std::optional<QTemporaryDir> runtime;
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
        runtime.emplace();
        if (runtime->isValid())
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime->path()));
    }
#endif
    QGuiApplication application(argc, argv);
    return runExport(request);
}

}  // namespace

int runCommandLine(int& argc, char** argv)
{
    RouteOptions window;
    std::optional<ExportRequest> drawnExport;
    bool calculator = false;
    {
        // Reads the arguments as Qt decodes them on each system, without a display.
        QCoreApplication application(argc, argv);
        try {
            const Arguments arguments = splitArguments(application.arguments().sliced(1));
            const Command command = commandOf(arguments);
            if (command == Command::Calculator)
                calculator = true;
            else if (command == Command::Export && routeWriterNeedsFonts(arguments.value(u"--export")))
                drawnExport = exportRequest(arguments);
            else if (command != Command::Window)
                return runWithoutWindow(command, arguments);
            else
                window = readRouteOptions(arguments);
        } catch (const Failure& failure) {
            writeText(stderr, u"tarnquil: "_s + failure.message + u'\n');
            if (failure.status == usageFault)
                writeText(stderr, u"用法见 tarnquil --help。\n"_s);
            return failure.status;
        }
    }
    if (calculator)
        return runCalculator(argc, argv);
    if (drawnExport)
        return exportWithFonts(argc, argv, *drawnExport);
    QApplication application(argc, argv);
    prepareApplication(application);
    return runRouteWindow(application, window);
}

int runCalculator(int& argc, char** argv)
{
    QApplication application(argc, argv);
    prepareApplication(application);
    pdf window;
    window.show();
    return QApplication::exec();
}

}  // namespace tarnquil
