// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/fix_command.h"
#include "cli/command_arguments.h"
#include "cli/command_failure.h"
#include "cli/command_line_help.h"
#include "cli/common_options.h"
#include "cli/console_text.h"

#include "routefiles/observation_file.h"

#include "text/altitude_reading.h"
#include "text/celestial_text.h"
#include "text/fix_reading.h"
#include "text/fix_words.h"
#include "text/observation_kinds.h"
#include "text/quoted_text.h"
#include "text/utf8_text.h"

#include "nav/display.h"
#include "nav/earth_model.h"
#include "nav/fix.h"
#include "nav/sight_reduction.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

// The options of --fix besides the observations' (text/observation_kinds.h)
// and how many values each takes; a run, like an observation, may be given
// any number of times, in the order observed.
struct FixOption {
    QStringView name;
    int values;
    bool observation;
};

constexpr QStringView runOption = u"--run";
constexpr QStringView limbOption = u"--limb";
constexpr QStringView nearOption = u"--near";

constexpr std::array fixOptions = {
    FixOption{u"--fix", 0, false},
    FixOption{runOption, 2, true},
    FixOption{nearOption, 1, false},
    FixOption{limbOption, 1, true},
    FixOption{u"--index-correction", 1, false},
    FixOption{u"--height", 1, false},
    FixOption{u"--temperature", 1, false},
    FixOption{u"--pressure", 1, false},
    FixOption{u"--dut1", 1, false},
    FixOption{u"--compass-error", 1, false},
    FixOption{u"--model", 1, false},
    FixOption{u"--form", 1, false},
    FixOption{u"--json", 0, false},
    FixOption{u"--save", 1, false},
    FixOption{u"--help", 0, false},
    FixOption{u"-h", 0, false},
};

// An option of --fix by its name: an observation's, or one of fixOptions.
std::optional<FixOption> fixOption(QStringView name)
{
    if (const ObservationDescriptor* kind = observationKindOfOption(name))
        return FixOption{kind->option, kind->values(), true};
    for (const FixOption& option : fixOptions) {
        if (option.name == name)
            return option;
    }
    return std::nullopt;
}

struct Given {
    QStringView name;
    QStringList values;
};

struct FixArguments {
    std::vector<OptionTexts> observations;  // and runs, in order
    std::vector<Given> options;       // each at most once
    QString file;                     // the observations file opened, if any
    bool qtOptions = false;

    const Given* option(QStringView name) const
    {
        for (const Given& given : options)
            if (given.name == name)
                return &given;
        return nullptr;
    }
    QString value(QStringView name) const
    {
        const Given* given = option(name);
        return given ? given->values.front() : QString();
    }
    std::optional<QString> word(QStringView name) const
    {
        return option(name) ? std::optional(value(name)) : std::nullopt;
    }
};

bool isAltitude(const OptionTexts& given)
{
    return isAltitudeOption(given.option);
}

// --limb belongs to the --altitude just before it, as its fourth value; a
// word it does not take is refused as --sight refuses it.
void attachLimb(FixArguments& split, const Given& limb)
{
    const ObservationDescriptor& altitude = sightKind();
    if (split.observations.empty() || !isAltitude(split.observations.back()) ||
        split.observations.back().values.size() != altitude.values())
        usageError(u"选项 %1 要紧跟在 %2 的三个值之后。"_s.arg(limbOption, altitude.option));
    (void)readChoiceOption(limbOption, std::optional(limb.values.front()), nav::Limb::Lower,
                           readLimbWord, limbWords());
    split.observations.back().values << limb.values.front();
}

FixArguments splitArguments(const QStringList& arguments)
{
    FixArguments split;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!argument.startsWith(u'-') && split.file.isEmpty() && split.observations.empty() &&
            argument.endsWith(u".csv"_s, Qt::CaseInsensitive)) {
            split.file = argument;
            continue;
        }
        if (!argument.startsWith(u'-'))
            usageError(u"多余的参数%1：--fix 的物标要跟在 %2 后面。"_s.arg(quotedText(argument),
                                                                           observationOptions()));
        if (skipQtOption(arguments, i)) {
            split.qtOptions = true;
            continue;
        }
        const qsizetype equals = argument.startsWith(u"--"_s) ? argument.indexOf(u'=') : -1;
        const QStringView name = QStringView(argument).first(equals < 0 ? argument.size() : equals);
        const std::optional<FixOption> option = fixOption(name);
        if (!option)
            usageError(u"选项 %1 不能与 --fix 一起使用。"_s.arg(name));
        Given given{option->name, {}};
        if (equals >= 0) {
            if (option->values != 1)
                usageError(u"选项 %1 不能写作 %1=值。"_s.arg(option->name));
            given.values << argument.sliced(equals + 1);
        }
        // A value may start with a minus ("-4250 …", "-2.5"), never with a double one.
        while (given.values.size() < option->values) {
            if (i + 1 == arguments.size() || arguments[i + 1].startsWith(u"--"_s))
                usageError(u"选项 %1 要跟 %2 个值。"_s.arg(option->name).arg(option->values));
            given.values << arguments[++i];
        }
        if (option->name == limbOption) {
            attachLimb(split, given);
        } else if (option->observation) {
            split.observations.push_back({given.name, given.values});
        } else {
            if (split.option(option->name))
                usageError(u"选项 %1 重复。"_s.arg(option->name));
            split.options.push_back(given);
        }
    }
    return split;
}

// ---- the observations as a file ---------------------------------------------

// The observations and settings given, as the fix window holds them: a run
// goes into the 时间或航程 of the observation after it. Two runs with no
// observation between, or a run after the last, have no row to go in.
FixTexts fixTexts(const FixArguments& arguments, FixTexts texts)
{
    const geo::NumberForm form = readFormOption(arguments.word(u"--form"));
    if (arguments.option(u"--model"))
        texts.settings.model = readModelOption(arguments.word(u"--model"));
    if (arguments.option(u"--form"))
        texts.settings.form = form;
    if (arguments.option(u"--compass-error"))
        texts.settings.compassError = arguments.value(u"--compass-error");
    if (arguments.option(u"--near")) {
        texts.settings.near = arguments.value(u"--near");
        texts.settings.nearForm = form;
    }
    // The sights' conditions, as the window's settings hold them.
    for (const auto& [option, setting] :
         {std::pair{u"--index-correction", &FixSettingTexts::indexCorrection},
          std::pair{u"--height", &FixSettingTexts::heightOfEye},
          std::pair{u"--temperature", &FixSettingTexts::temperature},
          std::pair{u"--pressure", &FixSettingTexts::pressure}, std::pair{u"--dut1", &FixSettingTexts::dut1}})
        if (arguments.option(option))
            texts.settings.*setting = arguments.value(option);
    QString run;
    for (const OptionTexts& given : arguments.observations) {
        const QStringList& v = given.values;
        if (given.option == runOption) {
            if (!run.isEmpty())
                dataError(u"两个 --run 之间没有观测：观测文件中每段航程写在其后的观测上，请把两段合为一段。"_s);
            run = v[0] + u'/' + v[1];
            continue;
        }
        if (isAltitude(given)) {
            // The row's 时间或航程 is the sight's time: no run fits beside it.
            if (!run.isEmpty())
                dataError(u"观测文件中天体高度一行的“时间或航程”是它的观测时间，写不下它之前的 --run：请把这段航程写在天体高度之前的观测之前，或不保存。"_s);
            texts.rows << ObservationRow{sightKind().kind, v[0], v.value(3), v[2], v[1],
                                         {form, form}};
            continue;
        }
        const ObservationDescriptor& kind = *observationKindOfOption(given.option);
        texts.rows << ObservationRow{kind.kind, v[0], kind.secondMark ? v[1] : QString(), v.back(),
                                     std::exchange(run, QString()), {form, form}};
    }
    if (!run.isEmpty())
        dataError(u"最后一个 --run 之后没有观测：观测文件中每段航程写在其后的观测上。"_s);
    return texts;
}

// ---- the answer -------------------------------------------------------------

// The shortest decimal text that reads back as the same double.
std::string jsonNumber(double value)
{
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return error == std::errc{} ? std::string(buffer.data(), end) : std::string("null");
}

std::string jsonString(const QString& text)
{
    std::string quoted = "\"";
    for (const char c : text.toStdString()) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            std::array<char, 8> escape{};
            std::snprintf(escape.data(), escape.size(), "\\u%04x", c);
            quoted += escape.data();
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

std::string jsonPoint(geo::GeoPoint point)
{
    return "{\"lat\": " + jsonNumber(point.latitude) + ", \"lon\": " + jsonNumber(point.longitude) + "}";
}

std::string jsonPoints(const auto& points)
{
    std::string list = "[";
    for (const geo::GeoPoint& point : points)
        list += (list.size() > 1 ? ", " : "") + jsonPoint(point);
    return list + "]";
}

std::string warningKind(nav::FixWarningKind kind)
{
    switch (kind) {
    case nav::FixWarningKind::PoorCut:
        return "poor_cut";
    case nav::FixWarningKind::DangerCircle:
        return "danger_circle";
    case nav::FixWarningKind::LineFarFromFix:
        return "line_far_from_fix";
    case nav::FixWarningKind::LargeCockedHat:
        break;
    }
    return "large_cocked_hat";
}

// Each observation as read, in the order given: its kind, its marks and
// its value; the warnings number them from 1.
// An altitude's geographical position, Ho, and its intercept and Zn from
// the assumed position.
std::string jsonAltitude(const nav::Observation& observation,
                         const std::optional<nav::AltitudeIntercept>& intercept)
{
    std::string entry = "{\"kind\": " +
                        jsonString(describe(observation.kind).jsonKey.toString()) +
                        ", \"position\": " + jsonPoint(observation.mark) +
                        ", \"ho\": " + jsonNumber(observation.value);
    if (intercept)
        entry += ", \"assumed\": " + jsonPoint(intercept->assumed) + ", \"intercept\": " +
                 jsonNumber(intercept->intercept) + ", \"zn\": " + jsonNumber(intercept->zn);
    return entry + "}";
}

std::optional<nav::AltitudeIntercept> interceptOf(const nav::Fix& fix, std::size_t observation)
{
    for (const nav::AltitudeIntercept& intercept : fix.intercepts)
        if (intercept.observation == observation)
            return intercept;
    return std::nullopt;
}

std::string jsonObservations(const nav::Fix& fix, const std::vector<nav::Observation>& observations)
{
    std::string list = "[";
    for (std::size_t k = 0; k < observations.size(); ++k) {
        const nav::Observation& observation = observations[k];
        if (describe(observation.kind).sight) {
            list += std::string(list.size() > 1 ? ", " : "") +
                    jsonAltitude(observation, interceptOf(fix, k));
            continue;
        }
        const ObservationDescriptor& kind = describe(observation.kind);
        const std::vector<geo::GeoPoint> marks =
            kind.secondMark ? std::vector{observation.mark, observation.mark2}
                            : std::vector{observation.mark};
        list += std::string(list.size() > 1 ? ", " : "") + "{\"kind\": " +
                jsonString(kind.jsonKey.toString()) + ", \"marks\": " + jsonPoints(marks) +
                ", \"value\": " + jsonNumber(observation.value) + "}";
    }
    return list + "]";
}

// Warnings as a JSON list, each worded by `message`.
std::string jsonWarnings(const std::vector<nav::FixWarning>& warnings,
                         QString (*message)(const nav::FixWarning&))
{
    std::string list = "[";
    for (const nav::FixWarning& warning : warnings) {
        // A warning on one line (a cocked hat's side) has it as both first
        // and second: it is named once.
        std::string observations = std::to_string(warning.first + 1);
        if (warning.second != warning.first)
            observations += ", " + std::to_string(warning.second + 1);
        list += std::string(list.size() > 1 ? ", " : "") + "{\"kind\": \"" +
                warningKind(warning.kind) + "\", \"observations\": [" + observations +
                "], \"value\": " + jsonNumber(warning.value) + ", \"message\": " +
                jsonString(message(warning)) + "}";
    }
    return list + "]";
}

QString json(const nav::Fix& fix, const std::vector<nav::Observation>& observations)
{
    std::string out = "{\n  \"fix\": " + jsonPoint(fix.position);
    out += ",\n  \"solutions\": " + jsonPoints(fix.solutions);
    if (fix.cockedHat)
        out += ",\n  \"cocked_hat\": " + jsonPoints(fix.cockedHat->corners);
    if (fix.commonError) {
        out += ",\n  \"compass_error\": " + jsonNumber(fix.commonError->compassError);
        out += ",\n  \"compass_error_remaining\": " + jsonNumber(fix.commonError->remaining);
        out += ",\n  \"fix_common_error\": " + jsonPoint(fix.commonError->position);
    }
    out += ",\n  \"marks\": [";
    for (std::size_t k = 0; k < fix.marks.size(); ++k) {
        const nav::MarkFromFix& mark = fix.marks[k];
        out += std::string(k > 0 ? ", " : "") + "{\"lat\": " + jsonNumber(mark.mark.latitude) +
               ", \"lon\": " + jsonNumber(mark.mark.longitude) + ", \"bearing\": " +
               jsonNumber(mark.bearing) + ", \"distance\": " + jsonNumber(mark.distance) + "}";
    }
    out += "],\n  \"observations\": " + jsonObservations(fix, observations);
    out += ",\n  \"warnings\": " + jsonWarnings(fix.warnings, fixWarningMessage);
    if (fix.commonError && !fix.commonError->warnings.empty()) {
        out += ",\n  \"common_error_warnings\": " +
               jsonWarnings(fix.commonError->warnings, commonErrorWarningMessage);
    }
    out += "\n}\n";
    return QString::fromStdString(out);
}

void write(const FixArguments& arguments, const nav::Fix& fix,
           const std::vector<nav::Observation>& observations, const QList<MarkName>& names)
{
    if (arguments.option(u"--json"))
        writeText(stdout, json(fix, observations));
    else
        writeText(stdout, (QStringList{fromUtf8(nav::formatPosition(fix.position))} +
                           fixFigures(fix, names)).join(u'\n') + u'\n');
}

void save(const FixArguments& arguments, const FixTexts& texts)
{
    if (const QString error = writeObservationFile(arguments.value(u"--save"), texts); !error.isEmpty())
        dataError(error);
}

// A fix from an observations file, with what the command line adds to it,
// read as the fix window reads it.
int computeFromFile(const FixArguments& arguments)
{
    const ObservationFileReading file = readObservationFile(arguments.file);
    if (!file.error.isEmpty())
        dataError(file.error);
    const FixTexts texts = fixTexts(arguments, file.texts);
    const FixReading read = readFix(texts);
    if (!read.fix)
        dataError(read.problems.join(u'\n'));
    if (arguments.option(u"--save"))
        save(arguments, texts);
    std::vector<nav::Observation> observations;
    for (const nav::Sighting& sighting : read.rows.sightings)
        if (const auto* observation = std::get_if<nav::Observation>(&sighting))
            observations.push_back(*observation);
    write(arguments, *read.fix, observations, read.rows.names);
    return success;
}

int compute(const FixArguments& arguments)
{
    if (!arguments.file.isEmpty())
        return computeFromFile(arguments);
    if (!arguments.option(nearOption)
        && std::any_of(arguments.observations.begin(), arguments.observations.end(), isAltitude))
        usageError(u"%1 要有 %2：推算船位即天体高度的假定船位。"_s.arg(
            sightKind().option, nearOption));
    FixOptions options{arguments.word(u"--compass-error"), arguments.word(nearOption),
                       readFormOption(arguments.word(u"--form")),
                       readModelOption(arguments.word(u"--model"))};
    for (SightOptionText& sight : options.sight)
        sight.text = arguments.word(sight.option);
    const FixOptionsReading read = readFixOptions(arguments.observations, options);
    if (!read.fix)
        dataError(read.refusal);
    if (arguments.option(u"--save"))
        save(arguments, fixTexts(arguments, {}));
    write(arguments, *read.fix, read.observations, read.names);
    return success;
}

}  // namespace

FixCommand readFixCommand(const QStringList& arguments)
{
    try {
        const FixArguments split = splitArguments(arguments);
        if (split.option(u"--help") || split.option(u"-h")) {
            writeText(stdout, commandLineHelp());
            return {false, success};
        }
        // Nothing but --fix (and Qt's own options): the window.
        if (split.observations.empty() && split.options.size() == 1 && split.file.isEmpty())
            return {true, success};
        return {false, compute(split)};
    } catch (const Failure& failure) {
        writeText(stderr, u"tarnquil: "_s + failure.message + u'\n');
        if (failure.status == usageFault)
            writeText(stderr, u"用法见 tarnquil --help。\n"_s);
        return {false, failure.status};
    }
}

}  // namespace tarnquil
