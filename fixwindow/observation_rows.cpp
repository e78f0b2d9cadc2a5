// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixwindow/observation_rows.h"

#include "text/conversion_message.h"
#include "text/quantity_text.h"
#include "text/quoted_text.h"

#include "geo/errors.h"
#include "geo/position_text.h"
#include "nav/entry.h"
#include "nav/errors.h"

#include <QRegularExpression>

#include <variant>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

const QString markField = u"物标"_s;

std::optional<geo::GeoPoint> positionOf(const QString& text, geo::NumberForm form)
{
    try {
        return geo::readPosition(text.toStdString(), form).position;
    } catch (const geo::CoordinateError&) {
        return std::nullopt;
    }
}

// "花鸟山 3051.5N 12240.0E": the name before the first blank and the
// position after it; nothing when the text is not so written.
std::optional<MarkName> namedMark(const QString& text, geo::NumberForm form)
{
    static const QRegularExpression blank(u"\\s"_s);
    const qsizetype at = text.indexOf(blank);
    if (at <= 0)
        return std::nullopt;
    const std::optional<geo::GeoPoint> position = positionOf(text.sliced(at).trimmed(), form);
    if (!position)
        return std::nullopt;
    return MarkName{*position, text.first(at)};
}

// The mark a cell names, or why it names none.
std::variant<MarkName, QString> readMark(const QString& typed, geo::NumberForm form,
                                         const QList<MarkName>& names)
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return u"请输入物标：位置，如 30°51.5′N 122°40.0′E，或名称加位置。"_s;
    try {
        return MarkName{geo::readPosition(text.toStdString(), form).position, {}};
    } catch (const geo::CoordinateError& whole) {
        for (const MarkName& known : names)
            if (known.name == text)
                return known;
        if (const std::optional<MarkName> named = namedMark(text, form))
            return *named;
        static const QRegularExpression digit(u"\\d"_s);
        if (!text.contains(digit))
            return u"物标%1没有位置：请写作名称加位置，如 花鸟山 3051.5N 12240.0E，"
                   u"或在另一行给出它的位置。"_s.arg(quotedText(text));
        const qsizetype blank = text.indexOf(u' ');
        const QString position = blank > 0 && !text.front().isDigit() ? text.sliced(blank + 1)
                                                                      : text;
        try {
            geo::readPosition(position.toStdString(), form);
        } catch (const geo::CoordinateError& error) {
            return conversionFailureMessage(markField, position, error);
        }
        return conversionFailureMessage(markField, text, whole);
    }
}

nav::Quantity quantityOf(nav::ObservationKind kind)
{
    switch (kind) {
    case nav::ObservationKind::Bearing:
        return nav::Quantity::Bearing;
    case nav::ObservationKind::Range:
        return nav::Quantity::Range;
    case nav::ObservationKind::HorizontalAngle:
        break;
    }
    return nav::Quantity::HorizontalAngle;
}

QString whenRefusal(const QString& text)
{
    return u"时间或航程%1无法识别：应写作时间，如 09:30，或航向/航程，如 090/3.5。"_s.arg(
        quotedText(text));
}

class Reader {
public:
    Reader(const RowSettings& settings, ReadRows& read) : settings_(settings), read_(read) {}

    void collectNames(const QList<ObservationRow>& rows)
    {
        for (const ObservationRow& row : rows) {
            for (const QString& cell : {row.mark, row.mark2}) {
                const QString text = cell.trimmed();
                if (positionOf(text, settings_.form))
                    continue;
                const std::optional<MarkName> named = namedMark(text, settings_.form);
                const bool known = named && std::any_of(read_.names.begin(), read_.names.end(),
                                                        [&](auto& n) { return n.name == named->name; });
                if (named && !known)
                    read_.names.append(*named);
            }
        }
    }

    void readRow(int index, const ObservationRow& row)
    {
        index_ = index;
        refused_ = false;
        const std::optional<nav::Run> run = readWhen(row.when);
        nav::Observation observation;
        observation.kind = row.kind;
        observation.mark = mark(row.mark, ObservationColumn::Mark);
        if (row.kind == nav::ObservationKind::HorizontalAngle)
            observation.mark2 = mark(row.mark2, ObservationColumn::Mark2);
        observation.value = value(row);
        if (refused_)
            return;
        if (run)
            read_.sightings.emplace_back(*run);
        read_.sightings.emplace_back(observation);
        ++read_.observations;
    }

private:
    void refuse(ObservationColumn column, const QString& message)
    {
        read_.refusals.append({index_, column, message});
        refused_ = true;
    }

    geo::GeoPoint mark(const QString& text, ObservationColumn column)
    {
        const std::variant<MarkName, QString> read = readMark(text, settings_.form, read_.names);
        if (const QString* refusal = std::get_if<QString>(&read)) {
            refuse(column, *refusal);
            return {};
        }
        return std::get<MarkName>(read).position;
    }

    double value(const ObservationRow& row)
    {
        const nav::Quantity quantity = quantityOf(row.kind);
        if (row.value.trimmed().isEmpty()) {
            refuse(ObservationColumn::Value,
                   u"请输入%1%2。"_s.arg(observationKindName(row.kind),
                                         row.kind == nav::ObservationKind::Range ? u"（海里）"_s
                                                                                 : u"（度）"_s));
            return 0;
        }
        const std::optional<double> number = readFixNumber(quantity, row.value);
        if (!number) {
            refuse(ObservationColumn::Value, fixValueRefusal(quantity, row.value, Verdict::Unreadable));
            return 0;
        }
        try {
            nav::checkObservation({row.kind, {}, {}, *number});
        } catch (const nav::RangeError&) {
            refuse(ObservationColumn::Value, fixValueRefusal(quantity, row.value, Verdict::OutOfRange));
        }
        return *number;
    }

    // The run since the row before, if any; a watch time is kept for the
    // next row's run.
    std::optional<nav::Run> readWhen(const QString& typed)
    {
        const QString text = typed.trimmed();
        const std::optional<int> previous = std::exchange(lastTime_, std::nullopt);
        if (text.isEmpty())
            return std::nullopt;
        if (text.contains(u':')) {
            lastTime_ = nav::readWatchTime(text.toStdString());
            if (!lastTime_) {
                refuse(ObservationColumn::When, whenRefusal(typed));
                return std::nullopt;
            }
            if (read_.observations == 0 && !previous)
                return std::nullopt;
            if (!previous) {
                refuse(ObservationColumn::When,
                       u"上一观测没有时间，算不出这段航程：请给上一观测也写上时间，或写航向/航程。"_s);
            } else if (!settings_.course || !settings_.speed) {
                refuse(ObservationColumn::When, u"按时间推算航程需要航向和航速：请在设定中填写。"_s);
            } else {
                return nav::runBetween(*settings_.course, *settings_.speed, *previous, *lastTime_);
            }
            return std::nullopt;
        }
        static const QRegularExpression separator(u"\\s*/\\s*|\\s+"_s);
        const QStringList parts = text.split(separator);
        const std::optional<double> course =
            parts.size() == 2 ? readFixNumber(nav::Quantity::Course, parts[0]) : std::nullopt;
        const std::optional<double> distance =
            parts.size() == 2 ? readFixNumber(nav::Quantity::Distance, parts[1]) : std::nullopt;
        if (!course || !distance) {
            refuse(ObservationColumn::When, whenRefusal(typed));
            return std::nullopt;
        }
        try {
            const nav::Run run{*course, *distance};
            nav::checkRun(run);
            return run;
        } catch (const nav::RangeError& error) {
            refuse(ObservationColumn::When,
                   fixValueRefusal(error.quantity(), error.quantity() == nav::Quantity::Course
                                                         ? parts[0] : parts[1],
                                   Verdict::OutOfRange));
        }
        return std::nullopt;
    }

    const RowSettings& settings_;
    ReadRows& read_;
    int index_ = 0;
    bool refused_ = false;
    std::optional<int> lastTime_;
};

}  // namespace

bool ObservationRow::isEmpty() const
{
    return mark.trimmed().isEmpty() && mark2.trimmed().isEmpty() && value.trimmed().isEmpty() &&
           when.trimmed().isEmpty();
}

QString ObservationRow::text(ObservationColumn column) const
{
    switch (column) {
    case ObservationColumn::Kind:
        return observationKindName(kind);
    case ObservationColumn::Mark:
        return mark;
    case ObservationColumn::Mark2:
        return mark2;
    case ObservationColumn::Value:
        return value;
    case ObservationColumn::When:
        break;
    }
    return when;
}

ReadRows readObservationRows(const QList<ObservationRow>& rows, const RowSettings& settings)
{
    ReadRows read;
    Reader reader(settings, read);
    reader.collectNames(rows);
    int number = 0;
    for (qsizetype index = 0; index < rows.size(); ++index) {
        const ObservationRow& row = rows[index];
        if (row.isEmpty())
            continue;
        reader.readRow(int(index), row);
        QStringList cells{QString::number(++number)};
        for (int column = 0; column < observationColumns; ++column) {
            const QString cell = row.text(ObservationColumn(column)).trimmed();
            if (!cell.isEmpty())
                cells << cell;
        }
        read.lines << cells.join(u"  "_s);
    }
    return read;
}

}  // namespace tarnquil
