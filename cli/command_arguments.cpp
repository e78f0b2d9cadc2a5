// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_arguments.h"
#include "cli/command_failure.h"
#include "cli/command_line_help.h"
#include "cli/common_options.h"
#include "cli/console_text.h"

#include "text/quoted_text.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

QStringView nameOf(const QString& argument)
{
    const qsizetype equals = argument.startsWith(u"--"_s) ? argument.indexOf(u'=') : -1;
    return QStringView(argument).first(equals < 0 ? argument.size() : equals);
}

template <class Shape>
const Shape* find(std::span<const Shape> shapes, QStringView Shape::*key, QStringView name)
{
    const auto found = std::ranges::find(shapes, name, key);
    return found == shapes.end() ? nullptr : &*found;
}

bool followedByValue(const QStringList& arguments, qsizetype i)
{
    return i + 1 < arguments.size() && !arguments[i + 1].startsWith(u"--"_s);
}

// The command at argument i and its values.
void takeCommand(CommandArguments& split, const CommandShape& command, const QStringList& arguments,
                 qsizetype& i)
{
    if (split.command)
        usageError(u"%1 与 %2 不能一起使用。"_s.arg(split.command->option, command.option));
    split.command = &command;
    const QString& argument = arguments[i];
    if (nameOf(argument).size() < argument.size()) {
        if (command.count == 0)
            usageError(flagValueMessage(command.option));
        if (command.count != 1)
            usageError(u"%1 要跟 %2 个值，不能写成 %1=值。"_s.arg(command.option).arg(command.count));
        split.values << argument.sliced(command.option.size() + 1);
        return;
    }
    while (split.values.size() < command.count) {
        if (!followedByValue(arguments, i))
            usageError(u"%1 要跟 %2：tarnquil %1 %2 …"_s.arg(command.option, command.values));
        split.values << arguments[++i];
    }
}

void takeOption(CommandArguments& split, const OptionShape& option, const QStringList& arguments,
                qsizetype& i)
{
    const QString& argument = arguments[i];
    const bool withEquals = nameOf(argument).size() < argument.size();
    if (!option.repeats && split.has(option.name))
        usageError(u"选项 %1 重复。"_s.arg(option.name));
    if (!option.takesValue && withEquals)
        usageError(flagValueMessage(option.name));
    QString value;
    if (withEquals) {
        value = argument.sliced(option.name.size() + 1);
    } else if (option.takesValue) {
        if (!followedByValue(arguments, i))
            usageError(missingValueMessage(option.name));
        value = arguments[++i];
    }
    split.options.push_back({option.name, value});
}

void checkTaken(const CommandArguments& split, std::span<const OptionShape> options)
{
    for (const GivenOption& given : split.options) {
        const OptionShape& option = *find(options, &OptionShape::name, given.name);
        if (option.takenWith != 0 && !(option.takenWith & split.command->takes))
            usageError(misplacedOptionMessage(option.name, split.command->option));
    }
}

bool asksForHelp(const QStringList& arguments)
{
    return std::ranges::any_of(arguments, [](const QString& argument) {
        const QStringView name = nameOf(argument);
        return name == u"--help" || name == u"-h";
    });
}

}  // namespace

bool CommandArguments::has(QStringView name) const
{
    return std::ranges::any_of(options, [name](const GivenOption& given) { return given.name == name; });
}

QString CommandArguments::value(QStringView name) const
{
    const auto given = std::ranges::find(options, name, &GivenOption::name);
    return given == options.end() ? QString() : given->value;
}

std::optional<QString> CommandArguments::word(QStringView name) const
{
    return has(name) ? std::optional(value(name)) : std::nullopt;
}

bool namesCommand(const QStringList& arguments, std::span<const CommandShape> commands)
{
    return std::ranges::any_of(arguments, [commands](const QString& argument) {
        return find(commands, &CommandShape::option, nameOf(argument)) != nullptr;
    });
}

CommandArguments splitCommandArguments(const QStringList& arguments,
                                       std::span<const CommandShape> commands,
                                       std::span<const OptionShape> options)
{
    CommandArguments split;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!argument.startsWith(u'-'))
            usageError(u"多余的参数%1。"_s.arg(quotedText(argument)));
        if (skipQtOption(arguments, i))
            continue;
        const QStringView name = nameOf(argument);
        if (const CommandShape* command = find(commands, &CommandShape::option, name)) {
            takeCommand(split, *command, arguments, i);
            continue;
        }
        const OptionShape* option = find(options, &OptionShape::name, name);
        if (!option)
            usageError(u"未知选项%1。"_s.arg(quotedText(name.toString())));
        takeOption(split, *option, arguments, i);
    }
    if (!split.command)
        usageError(u"没有给出命令：tarnquil %1 …"_s.arg(commands.front().option));
    checkTaken(split, options);
    return split;
}

double readValue(const QuantityReading& reading)
{
    if (!reading.value)
        dataError(reading.refusal);
    return *reading.value;
}

std::optional<double> readOptionalValue(const CommandArguments& arguments, QStringView name,
                                        QuantityReader reader)
{
    if (!arguments.has(name))
        return std::nullopt;
    return readValue(reader(arguments.value(name), name));
}

int runCommandFamily(const QStringList& arguments, std::span<const CommandShape> commands,
                     std::span<const OptionShape> options, int (*run)(const CommandArguments&))
{
    // --help wherever it stands, before the values are counted.
    if (asksForHelp(arguments)) {
        writeText(stdout, commandLineHelp());
        return success;
    }
    try {
        return run(splitCommandArguments(arguments, commands, options));
    } catch (const Failure& failure) {
        writeText(stderr, u"tarnquil: "_s + failure.message + u'\n');
        if (failure.status == usageFault)
            writeText(stderr, u"用法见 tarnquil --help。\n"_s);
        return failure.status;
    }
}

}  // namespace tarnquil
