// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/current_commands.h"
#include "cli/command_arguments.h"
#include "cli/command_failure.h"
#include "cli/common_options.h"
#include "cli/console_text.h"
#include "cli/current_report.h"

#include "text/celestial_text.h"
#include "text/current_text.h"
#include "text/current_words.h"
#include "text/quantity_text.h"
#include "text/refusals.h"

#include "nav/earth.h"
#include "nav/errors.h"
#include "nav/leeway_and_current.h"

#include <QByteArray>

#include <array>
#include <optional>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

enum class Command { DeadReckoning, CourseToSteer, CurrentFromFixes };

// Which options a command takes besides --speed and --json, as bits.
enum Takes : unsigned {
    kCourse = 1u << 0,   // --course, TC
    kHours = 1u << 1,    // --hours
    kTrack = 1u << 2,    // --track, CG to make good
    kCurrent = 1u << 3,  // --set, --drift
    kLog = 1u << 4,      // --log-correction
    kLeeway = 1u << 5,   // --leeway
    kPlace = 1u << 6,    // --model, --form: a command with positions
};

constexpr CommandShape command(Command id, QStringView option, QStringView values, int count,
                               unsigned takes)
{
    return {int(id), option, values, count, takes};
}

constexpr std::array commands = {
    command(Command::DeadReckoning, u"--dead-reckoning", u"起始船位", 1,
            kCourse | kHours | kCurrent | kLog | kLeeway | kPlace),
    command(Command::CourseToSteer, u"--course-to-steer", u"", 0, kTrack | kCurrent | kLog | kLeeway),
    command(Command::CurrentFromFixes, u"--current-from-fixes", u"第一船位 时间1 第二船位 时间2", 4,
            kCourse | kLog | kLeeway | kPlace),
};

constexpr std::array options = {
    OptionShape{u"--course", true, kCourse},
    OptionShape{u"--hours", true, kHours},
    OptionShape{u"--track", true, kTrack},
    OptionShape{u"--set", true, kCurrent},
    OptionShape{u"--drift", true, kCurrent},
    OptionShape{u"--log-correction", true, kLog},
    OptionShape{u"--leeway", true, kLeeway},
    OptionShape{u"--model", true, kPlace},
    OptionShape{u"--form", true, kPlace},
    OptionShape{u"--speed", true, 0},
    OptionShape{u"--json", false, 0},
};

// ---- reading the values -------------------------------------------------------

void require(const CommandArguments& arguments, QStringView name, const QString& what)
{
    if (!arguments.has(name))
        usageError(u"%1 需要 %2 %3。"_s.arg(arguments.command->option, name, what));
}

double readRequired(const CommandArguments& arguments, QStringView name, QuantityReader reader)
{
    return readValue(reader(arguments.value(name), name));
}

void requireSpeed(const CommandArguments& arguments)
{
    require(arguments, u"--speed", u"计程仪航速（节），如 12 或 12kn"_s);
}

nav::LogSpeed readLog(const CommandArguments& arguments)
{
    return {readRequired(arguments, u"--speed", readSpeedText),
            readOptionalValue(arguments, u"--log-correction", readLogCorrectionText).value_or(0)};
}

double readLeeway(const CommandArguments& arguments)
{
    return readOptionalValue(arguments, u"--leeway", readLeewayText).value_or(0);
}

// --set and --drift, given both or neither.
std::optional<nav::Current> readCurrent(const CommandArguments& arguments)
{
    if (arguments.has(u"--set") != arguments.has(u"--drift"))
        usageError(u"--set 流向与 --drift 流速要一起给出。"_s);
    if (!arguments.has(u"--set"))
        return std::nullopt;
    return nav::Current{readRequired(arguments, u"--set", readCurrentSetText),
                        readRequired(arguments, u"--drift", readCurrentRateText)};
}

geo::NumberForm readForm(const CommandArguments& arguments)
{
    return readFormOption(arguments.word(u"--form"));
}

nav::EarthModel readModel(const CommandArguments& arguments)
{
    return readModelOption(arguments.word(u"--model"));
}

// A value of the command itself, as its synopsis names it: "--current-from-fixes 的时间1".
QString valueName(const CommandArguments& arguments, QStringView value)
{
    return arguments.command->option.toString() + u" 的"_s + value.toString();
}

GivenTime readFixTime(const CommandArguments& arguments, qsizetype index, QStringView value)
{
    const TimeReading reading = readTimeText(arguments.values[index], 0, valueName(arguments, value));
    if (!reading.instant)
        dataError(reading.refusal);
    return {*reading.instant, reading.zone};
}

// A RangeError the readers let through: a run beyond nav::kMaxRun, or a
// speed whose sum overflows.
[[noreturn]] void refuseRange(const nav::RangeError& error, const CommandArguments& arguments)
{
    if (error.quantity() == nav::Quantity::Distance)
        dataError(reckonedRunRefusal());
    dataError(speedRefusal(arguments.value(u"--speed"), Verdict::OutOfRange, u"--speed"));
}

void write(const CommandArguments& arguments, const QString& text, const QByteArray& json)
{
    if (arguments.has(u"--json"))
        writeText(stdout, QString::fromUtf8(json));
    else
        writeText(stdout, text);
}

// ---- the commands ---------------------------------------------------------------

int deadReckoning(const CommandArguments& arguments)
{
    require(arguments, u"--course", u"真航向 TC（度），如 030"_s);
    requireSpeed(arguments);
    require(arguments, u"--hours", u"航时（小时），如 2.5"_s);
    ReckoningQuestion question;
    question.model = readModel(arguments);
    question.from = readPositionValue(u"起始船位（--dead-reckoning）"_s, arguments.values[0],
                                      readForm(arguments));
    question.steering = {readRequired(arguments, u"--course", readCourseText), readLeeway(arguments)};
    question.log = readLog(arguments);
    question.current = readCurrent(arguments);
    question.hours = readRequired(arguments, u"--hours", readHoursText);
    try {
        const nav::CurrentReckoning reckoning =
            nav::reckonWithCurrent(nav::Earth(question.model), question.from, question.steering,
                                   question.log, question.current.value_or(nav::Current{}),
                                   question.hours);
        write(arguments, reckoningText(question, reckoning), reckoningJson(question, reckoning));
    } catch (const nav::RangeError& error) {
        refuseRange(error, arguments);
    } catch (const nav::PoleError&) {
        dataError(poleRunRefusal());
    }
    return success;
}

int courseToSteer(const CommandArguments& arguments)
{
    require(arguments, u"--track", u"计划航迹向 CG（度），如 045"_s);
    requireSpeed(arguments);
    require(arguments, u"--set", u"流向（度，流去的方向），如 135"_s);
    SteeringQuestion question;
    question.track = readRequired(arguments, u"--track", readTrackText);
    question.log = readLog(arguments);
    question.leeway = readLeeway(arguments);
    question.current = *readCurrent(arguments);
    try {
        const nav::CourseToSteer steer =
            nav::courseToSteer(question.track, question.log, question.leeway, question.current);
        write(arguments, steeringText(question, steer), steeringJson(question, steer));
    } catch (const nav::CurrentError& error) {
        dataError(trackRefusal(error.reason(), question.track));
    } catch (const nav::RangeError& error) {
        refuseRange(error, arguments);
    }
    return success;
}

int currentFromFixes(const CommandArguments& arguments)
{
    require(arguments, u"--course", u"真航向 TC（度），如 090"_s);
    requireSpeed(arguments);
    const geo::NumberForm form = readForm(arguments);
    FixesQuestion question;
    question.model = readModel(arguments);
    question.fix1 = readPositionValue(u"第一船位（--current-from-fixes）"_s, arguments.values[0], form);
    question.time1 = readFixTime(arguments, 1, u"时间1");
    question.fix2 = readPositionValue(u"第二船位（--current-from-fixes）"_s, arguments.values[2], form);
    question.time2 = readFixTime(arguments, 3, u"时间2");
    question.steering = {readRequired(arguments, u"--course", readCourseText), readLeeway(arguments)};
    question.log = readLog(arguments);
    try {
        const nav::FoundCurrent found =
            nav::currentFromFixes(nav::Earth(question.model), question.fix1, question.time1.instant,
                                  question.fix2, question.time2.instant, question.steering,
                                  question.log);
        write(arguments, foundCurrentText(question, found), foundCurrentJson(question, found));
    } catch (const nav::CurrentError&) {
        dataError(timeNotForwardRefusal(arguments.values[1], arguments.values[3],
                                        valueName(arguments, u"时间2")));
    } catch (const nav::RangeError& error) {
        refuseRange(error, arguments);
    } catch (const nav::PoleError&) {
        dataError(poleRunRefusal());
    }
    return success;
}

int run(const CommandArguments& arguments)
{
    switch (Command(arguments.command->id)) {
    case Command::DeadReckoning:
        return deadReckoning(arguments);
    case Command::CourseToSteer:
        return courseToSteer(arguments);
    case Command::CurrentFromFixes:
        break;
    }
    return currentFromFixes(arguments);
}

}  // namespace

bool isCurrentCommand(const QStringList& arguments)
{
    return namesCommand(arguments, commands);
}

int runCurrentCommand(const QStringList& arguments)
{
    return runCommandFamily(arguments, commands, options, run);
}

}  // namespace tarnquil
