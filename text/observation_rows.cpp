// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/observation_rows.h"

#include "text/observation_reading.h"
#include "text/quoted_text.h"

#include "nav/earth.h"
#include "nav/entry.h"
#include "nav/errors.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <utility>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

QString whenRefusal(const QString& text)
{
    return u"时间或航程%1无法识别：应写作时间，如 09:30，或航向/航程，如 090/3.5。"_s.arg(
        quotedText(text));
}

// A run's course and distance: either side of its slash ("090/3.5",
// "090 / 3.5 nm"), or else of its first blanks ("090 3.5", "090 3.5 nm"),
// the distance with its unit as --run takes it; nothing for a text with no
// such two parts ("090", "090/", "090/3.5/2").
std::optional<std::pair<QString, QString>> runParts(const QString& text)
{
    static const QRegularExpression blanks(u"\\s+"_s);
    QRegularExpressionMatch blank;
    const qsizetype slash = text.indexOf(u'/');
    const qsizetype at = slash >= 0 ? slash : text.indexOf(blanks, 0, &blank);
    if (at < 0)
        return std::nullopt;
    const qsizetype length = slash >= 0 ? 1 : blank.capturedLength();
    const QString course = text.first(at).trimmed();
    const QString distance = text.sliced(at + length).trimmed();
    if (course.isEmpty() || distance.isEmpty() || distance.contains(u'/'))
        return std::nullopt;
    return std::pair{course, distance};
}

constexpr double secondsPerMinute = 60;

// A sight's time as readAltitude reads it (a whole time), and its clock
// reading in seconds after midnight; or why the cell gives none. An empty
// cell is left to readAltitude to ask for.
struct SightTime {
    QString text;
    std::optional<double> clockSeconds;
    QString refusal;
};

std::optional<double> clockSeconds(const QRegularExpressionMatch& match)
{
    const int hours = match.captured(u"h").toInt();
    const int minutes = match.captured(u"m").toInt();
    const double seconds = match.captured(u"s").isEmpty() ? 0 : match.captured(u"s").toDouble();
    if (hours > 23 || minutes > 59 || !(seconds < 60))
        return std::nullopt;
    return (hours * 60 + minutes) * secondsPerMinute + seconds;
}

std::optional<nav::TimeZone> zoneOf(const QString& text)
{
    return text.trimmed().isEmpty() ? nav::TimeZone() : nav::readTimeZone(text.trimmed().toStdString());
}

// A whole time's clock reading in its own zone, read on the watch clock
// (the settings' zone, UTC when none), so that sights timed in another
// zone run the lines by the time between them: 03:50 UTC is 11:50 on a
// clock of UTC+8. Nothing when either zone does not read (its refusal
// comes from readAltitude or the settings).
std::optional<double> onTheWatchClock(std::optional<double> seconds, const QString& zone,
                                      const QString& watchZone)
{
    constexpr double secondsPerDay = 24 * 3600;
    const std::optional<nav::TimeZone> written = zoneOf(zone);
    const std::optional<nav::TimeZone> watch = zoneOf(watchZone);
    if (!seconds || !written || !watch)
        return std::nullopt;
    const double shifted = *seconds + (watch->minutes() - written->minutes()) * secondsPerMinute;
    return std::fmod(shifted + secondsPerDay, secondsPerDay);
}

SightTime sightTime(const QString& typed, const AltitudeRowSettings& settings)
{
    static const QRegularExpression watch(
        uR"(^(?<h>[0-9]{1,2}):(?<m>[0-9]{2})(?::(?<s>[0-9]{2}(?:\.[0-9]+)?))?$)"_s);
    static const QRegularExpression whole(
        uR"(^[0-9]{4}[-/][0-9]{1,2}[-/][0-9]{1,2}(?:T| +)(?<h>[0-9]{1,2}):(?<m>[0-9]{2})(?::(?<s>[0-9]{2}(?:\.[0-9]+)?))?(?: +(?<z>\S+))?$)"_s);
    const QString text = typed.trimmed();
    if (const QRegularExpressionMatch match = watch.match(text); match.hasMatch()) {
        if (settings.date.trimmed().isEmpty())
            return {{}, {}, sightDateRefusal(typed)};
        QString when = settings.date.trimmed() + u' ' + text;
        if (!settings.zone.trimmed().isEmpty())
            when += u' ' + settings.zone.trimmed();
        return {when, clockSeconds(match), {}};
    }
    if (const QRegularExpressionMatch match = whole.match(text); match.hasMatch())
        return {text, onTheWatchClock(clockSeconds(match), match.captured(u"z"), settings.zone), {}};
    return {text, {}, {}};
}

class Reader {
public:
    Reader(const RowSettings& settings, ReadRows& read) : settings_(settings), read_(read) {}

    void collectNames(const QList<ObservationRow>& rows)
    {
        // A name is its first position's, each mark read in its own form.
        for (const ObservationRow& row : rows) {
            if (describe(row.kind).sight)
                continue;  // a body, not a mark
            add(namedMarks({row.mark}, row.forms.mark));
            add(namedMarks({row.mark2}, row.forms.mark2));
        }
    }

    void readRow(int index, const ObservationRow& row)
    {
        index_ = index;
        refused_ = false;
        if (describe(row.kind).sight) {
            readAltitudeRow(row);
            return;
        }
        const std::optional<nav::Run> run = readWhen(row.when);
        const ObservationReading reading = readObservation(describe(row.kind), row.mark, row.mark2,
                                                           row.value, row.forms, read_.names);
        take(run, reading.observation, reading.refusals);
    }

private:
    // A row read: its refusals marked, or its run and observation taken.
    void take(const std::optional<nav::Run>& run, const std::optional<nav::Observation>& observation,
              const QList<ObservationCellRefusal>& refusals)
    {
        for (const ObservationCellRefusal& refusal : refusals)
            refuse(refusal.column, refusal.message);
        if (refused_)
            return;
        if (run)
            read_.sightings.emplace_back(*run);
        read_.sightings.emplace_back(*observation);
        ++read_.observations;
    }

    void add(const QList<MarkName>& names)
    {
        for (const MarkName& named : names) {
            const bool known =
                std::any_of(read_.names.cbegin(), read_.names.cend(),
                            [&](const MarkName& name) { return name.name == named.name; });
            if (!known)
                read_.names.append(named);
        }
    }

    void refuse(ObservationColumn column, const QString& message)
    {
        read_.refusals.append({index_, column, message});
        refused_ = true;
    }

    // The run since the row before, if any; a watch time is kept for the
    // next row's run.
    std::optional<nav::Run> readWhen(const QString& typed)
    {
        const QString text = typed.trimmed();
        if (text.isEmpty()) {
            lastTime_.reset();
            return std::nullopt;
        }
        if (text.contains(u':')) {
            const std::optional<int> minutes = nav::readWatchTime(text.toStdString());
            if (!minutes) {
                lastTime_.reset();
                refuse(ObservationColumn::When, whenRefusal(typed));
                return std::nullopt;
            }
            return runTo(*minutes * secondsPerMinute);
        }
        lastTime_.reset();
        const std::optional<std::pair<QString, QString>> parts = runParts(text);
        if (!parts) {
            refuse(ObservationColumn::When, whenRefusal(typed));
            return std::nullopt;
        }
        const RunReading reading = readRun(parts->first, parts->second);
        if (!reading.run)
            refuse(ObservationColumn::When, reading.refusal);
        return reading.run;
    }

    // The run from the time of the row before, if it had one, to `seconds`
    // on the same clock, by the settings' course and speed; `seconds` is
    // kept for the next row.
    std::optional<nav::Run> runTo(double seconds, bool onlyWhenSet = false)
    {
        const std::optional<double> previous = std::exchange(lastTime_, seconds);
        if (read_.observations == 0 && !previous)
            return std::nullopt;
        // A sight's time runs the lines before it only with a time before
        // it and the course and speed to run them by: sights timed without
        // them are taken together, as --altitude takes them.
        if (onlyWhenSet && !(previous && settings_.course && settings_.speed))
            return std::nullopt;
        if (!previous) {
            refuse(ObservationColumn::When,
                   u"上一观测没有时间，算不出这段航程：请给上一观测也写上时间，或写航向/航程。"_s);
        } else if (!settings_.course || !settings_.speed) {
            refuse(ObservationColumn::When, u"按时间推算航程需要航向和航速：请在设定中填写。"_s);
        } else {
            try {
                return nav::runBetweenSeconds(*settings_.course, *settings_.speed, *previous, seconds);
            } catch (const nav::RangeError&) {
                // A speed so high that the time between gives more than any run.
                refuse(ObservationColumn::When,
                       u"按航速推算的这段航程超出范围：应在 0 到 %1 海里之间，请检查航速和观测时间。"_s
                           .arg(QString::number(nav::kMaxRun, 'f', 0)));
            }
        }
        return std::nullopt;
    }

    // A sight: its time as an instant for the almanac, and as a clock
    // reading for the runs; its body, limb and Hs by readAltitude.
    void readAltitudeRow(const ObservationRow& row)
    {
        const AltitudeRowSettings& altitudes = settings_.altitudes;
        const SightTime time = sightTime(row.when, altitudes);
        std::optional<nav::Run> run;
        if (!time.refusal.isEmpty()) {
            lastTime_.reset();
            refuse(ObservationColumn::When, time.refusal);
        } else if (time.clockSeconds) {
            run = runTo(*time.clockSeconds, true);
        } else {
            lastTime_.reset();
        }
        if (!altitudes.assumed)
            refuse(ObservationColumn::Kind, altitudeRowRefusal());
        if (refused_)
            return;
        const AltitudeReading reading = readAltitude({row.mark, row.mark2, time.text, row.value},
                                                     altitudes.sight, altitudes.assumed);
        take(run, reading.observation, reading.refusals);
    }

    const RowSettings& settings_;
    ReadRows& read_;
    int index_ = 0;
    bool refused_ = false;
    std::optional<double> lastTime_;  // seconds after midnight on the watch clock
};

}  // namespace

QString altitudeRowRefusal()
{
    return u"天体高度以推算船位为计算点：请在设定中填写推算船位。"_s;
}

QString sightDateRefusal(const QString& text)
{
    return u"时间%1只有时刻：请在设定中填写观测的日期（和区时），或写完整的时间，如 2026-12-08 09:30:15 +8。"_s
        .arg(quotedText(text));
}

bool ObservationRow::isEmpty() const
{
    return mark.trimmed().isEmpty() && mark2.trimmed().isEmpty() && value.trimmed().isEmpty() &&
           when.trimmed().isEmpty();
}

QString ObservationRow::text(ObservationColumn column) const
{
    switch (column) {
    case ObservationColumn::Kind:
        return describe(kind).name.toString();
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
