// SPDX-License-Identifier: GPL-3.0-or-later
// The arguments of a family of commands that each take a fixed number of
// values after their own option, then options of their own (the celestial
// commands, leeway and current): taken apart by one code, so that every
// family refuses the same mistakes in the same words, all of them usage
// errors (status 2):
//   多余的参数“x”。                         a value no command asked for
//   --sight 与 --latitude 不能一起使用。     two commands of the family
//   --sight 要跟 天体 时间 高度：tarnquil --sight 天体 时间 高度 …
//   --almanac 要跟 1 个值 …=值 only for a command of one value
//   未知选项“--foo”。 选项 --at 重复。 选项 --json 不带值。 选项 --at 缺少值。
//   选项 --zone 不能与 --sight 一起使用。    an option of another command
// A value may start with a minus ("-0.5", "-4250 …"), never with a double
// one. Qt's own options are stepped over wherever they stand.
#pragma once

#include "text/quantity_text.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <span>
#include <vector>

namespace tarnquil {

// A command: its option, the names of its values for the messages
// ("天体 时间 高度"), how many there are, and which options it takes, as
// bits the family gives its options.
struct CommandShape {
    int id;  // the family's own number of the command
    QStringView option;
    QStringView values;
    int count;
    unsigned takes;
};

struct OptionShape {
    QStringView name;
    bool takesValue;
    unsigned takenWith;      // 0: taken by every command of the family
    bool repeats = false;    // may be given more than once (--body)
};

struct GivenOption {
    QStringView name;
    QString value;  // empty for a flag
};

struct CommandArguments {
    const CommandShape* command = nullptr;
    QStringList values;  // the command's own, in order
    std::vector<GivenOption> options;

    bool has(QStringView name) const;
    // The value given with `name`, the first one if it repeats; empty if none.
    QString value(QStringView name) const;
    // The value, or nothing when the option was not given.
    std::optional<QString> word(QStringView name) const;
};

// Whether one of `arguments` (after the program's name) is a command of the
// family, written alone or as --name=value.
bool namesCommand(const QStringList& arguments, std::span<const CommandShape> commands);

// The arguments taken apart and each option checked to be one its command
// takes; throws Failure (usageError) for the mistakes above. --help and -h
// are for the caller to see first.
CommandArguments splitCommandArguments(const QStringList& arguments,
                                       std::span<const CommandShape> commands,
                                       std::span<const OptionShape> options);

// The value read, or a data error (status 1) with the reading's refusal.
double readValue(const QuantityReading& reading);

using QuantityReader = QuantityReading (*)(const QString& text, QStringView option);

// The value of option `name` read by `reader`, naming the option in a
// refusal; nothing when the option was not given.
std::optional<double> readOptionalValue(const CommandArguments& arguments, QStringView name,
                                        QuantityReader reader);

// Runs a command of the family: --help or -h anywhere prints the help and
// succeeds; otherwise the arguments are split and `run` called. A Failure
// is written to stderr after "tarnquil: ", with the pointer to --help for a
// usage error, and its status returned.
int runCommandFamily(const QStringList& arguments, std::span<const CommandShape> commands,
                     std::span<const OptionShape> options, int (*run)(const CommandArguments&));

}  // namespace tarnquil
