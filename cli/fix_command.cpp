// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/fix_command.h"
#include "cli/command_failure.h"
#include "cli/command_line_help.h"
#include "cli/common_options.h"
#include "cli/console_text.h"

#include "text/conversion_message.h"
#include "text/fix_words.h"
#include "text/quantity_text.h"
#include "text/quoted_text.h"
#include "text/refusals.h"
#include "text/utf8_text.h"

#include "geo/errors.h"
#include "geo/position_text.h"
#include "nav/display.h"
#include "nav/earth_model.h"
#include "nav/entry.h"
#include "nav/errors.h"
#include "nav/fix.h"

#include <array>
#include <charconv>
#include <optional>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

// The options of --fix and how many values each takes; the observations'
// may be given any number of times, in the order observed.
struct FixOption {
    QStringView name;
    int values;
    bool observation;
};

constexpr std::array fixOptions = {
    FixOption{u"--fix", 0, false},
    FixOption{u"--bearing", 2, true},
    FixOption{u"--range", 2, true},
    FixOption{u"--angle", 3, true},
    FixOption{u"--run", 2, true},
    FixOption{u"--near", 1, false},
    FixOption{u"--compass-error", 1, false},
    FixOption{u"--model", 1, false},
    FixOption{u"--form", 1, false},
    FixOption{u"--json", 0, false},
    FixOption{u"--help", 0, false},
    FixOption{u"-h", 0, false},
};

struct Given {
    QStringView name;
    QStringList values;
};

struct FixArguments {
    std::vector<Given> observations;  // and runs, in order
    std::vector<Given> options;       // each at most once
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

FixArguments splitArguments(const QStringList& arguments)
{
    FixArguments split;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (!argument.startsWith(u'-'))
            usageError(u"多余的参数%1：--fix 的物标要跟在 --bearing、--range 或 --angle 后面。"_s.arg(
                quotedText(argument)));
        if (skipQtOption(arguments, i)) {
            split.qtOptions = true;
            continue;
        }
        const qsizetype equals = argument.startsWith(u"--"_s) ? argument.indexOf(u'=') : -1;
        const QStringView name = QStringView(argument).first(equals < 0 ? argument.size() : equals);
        const auto option = std::find_if(fixOptions.begin(), fixOptions.end(),
                                         [&](const FixOption& known) { return known.name == name; });
        if (option == fixOptions.end())
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
        if (option->observation) {
            split.observations.push_back(given);
        } else {
            if (split.option(option->name))
                usageError(u"选项 %1 重复。"_s.arg(option->name));
            split.options.push_back(given);
        }
    }
    return split;
}

geo::GeoPoint readPosition(const QString& text, geo::NumberForm form, const QString& field)
{
    try {
        return geo::readPosition(text.toStdString(), form).position;
    } catch (const geo::CoordinateError& error) {
        dataError(conversionFailureMessage(field, text, error));
    }
}

// A number for its quantity, as the fix window reads it; its range is nav's
// to check.
double readValue(const QString& text, nav::Quantity quantity, QStringView option)
{
    const std::optional<double> value = readFixNumber(quantity, text);
    if (!value)
        dataError(fixValueRefusal(quantity, text, Verdict::Unreadable, option));
    return *value;
}

std::vector<nav::Sighting> readSightings(const FixArguments& arguments, geo::NumberForm form)
{
    const QString markField = u"物标"_s;
    std::vector<nav::Sighting> sightings;
    for (const Given& given : arguments.observations) {
        const QStringList& v = given.values;
        const QStringView option = given.name;
        try {
            if (given.name == u"--run") {
                const nav::Run run{readValue(v[0], nav::Quantity::Course, option),
                                   readValue(v[1], nav::Quantity::Distance, option)};
                try {
                    nav::checkRun(run);
                } catch (const nav::RangeError& error) {
                    dataError(fixValueRefusal(error.quantity(),
                                              error.quantity() == nav::Quantity::Course ? v[0] : v[1],
                                              Verdict::OutOfRange, option));
                }
                sightings.emplace_back(run);
                continue;
            }
            nav::Observation observation;
            if (given.name == u"--angle") {
                observation = nav::angleObservation(
                    readPosition(v[0], form, markField), readPosition(v[1], form, markField),
                    readValue(v[2], nav::Quantity::HorizontalAngle, option));
            } else if (given.name == u"--range") {
                observation = nav::rangeObservation(readPosition(v[0], form, markField),
                                                    readValue(v[1], nav::Quantity::Range, option));
            } else {
                observation = nav::bearingObservation(readPosition(v[0], form, markField),
                                                      readValue(v[1], nav::Quantity::Bearing, option));
            }
            nav::checkObservation(observation);
            sightings.emplace_back(observation);
        } catch (const nav::RangeError& error) {
            dataError(fixValueRefusal(error.quantity(), v.back(), Verdict::OutOfRange, option));
        }
    }
    return sightings;
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

QString json(const nav::Fix& fix)
{
    std::string out = "{\n  \"fix\": " + jsonPoint(fix.position);
    out += ",\n  \"solutions\": " + jsonPoints(fix.solutions);
    if (fix.cockedHat)
        out += ",\n  \"cocked_hat\": " + jsonPoints(fix.cockedHat->corners);
    if (fix.commonError) {
        out += ",\n  \"compass_error\": " + jsonNumber(fix.commonError->compassError);
        out += ",\n  \"fix_common_error\": " + jsonPoint(fix.commonError->position);
    }
    out += ",\n  \"marks\": [";
    for (std::size_t k = 0; k < fix.marks.size(); ++k) {
        const nav::MarkFromFix& mark = fix.marks[k];
        out += std::string(k > 0 ? ", " : "") + "{\"lat\": " + jsonNumber(mark.mark.latitude) +
               ", \"lon\": " + jsonNumber(mark.mark.longitude) + ", \"bearing\": " +
               jsonNumber(mark.bearing) + ", \"distance\": " + jsonNumber(mark.distance) + "}";
    }
    out += "],\n  \"warnings\": [";
    for (std::size_t k = 0; k < fix.warnings.size(); ++k) {
        const nav::FixWarning& warning = fix.warnings[k];
        // A warning on one line (a cocked hat's side) has it as both first
        // and second: it is named once.
        std::string observations = std::to_string(warning.first + 1);
        if (warning.second != warning.first)
            observations += ", " + std::to_string(warning.second + 1);
        out += std::string(k > 0 ? ", " : "") + "{\"kind\": \"" + warningKind(warning.kind) +
               "\", \"observations\": [" + observations + "], \"value\": " +
               jsonNumber(warning.value) + ", \"message\": " +
               jsonString(fixWarningMessage(warning)) + "}";
    }
    out += "]\n}\n";
    return QString::fromStdString(out);
}

int compute(const FixArguments& arguments)
{
    const geo::NumberForm form = readFormOption(arguments.word(u"--form"));
    const nav::EarthModel model = readModelOption(arguments.word(u"--model"));
    const std::vector<nav::Sighting> sightings = readSightings(arguments, form);
    const double compassError =
        arguments.option(u"--compass-error")
            ? readValue(arguments.value(u"--compass-error"), nav::Quantity::CompassError,
                        u"--compass-error")
            : 0.0;
    std::optional<geo::GeoPoint> near;
    if (arguments.option(u"--near"))
        near = readPosition(arguments.value(u"--near"), form, u"推算船位"_s);
    nav::Fix fix;
    try {
        fix = nav::FixSolver(model).solve(sightings, compassError, near);
    } catch (const nav::NoFixError& error) {
        dataError(noFixMessage(error.reason()));
    } catch (const nav::RangeError& error) {
        dataError(fixValueRefusal(error.quantity(), arguments.value(u"--compass-error"),
                                  Verdict::OutOfRange, u"--compass-error"));
    }
    if (arguments.option(u"--json"))
        writeText(stdout, json(fix));
    else
        writeText(stdout, (QStringList{fromUtf8(nav::formatPosition(fix.position))} +
                           fixFigures(fix)).join(u'\n') + u'\n');
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
        if (split.observations.empty() && split.options.size() == 1)
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
