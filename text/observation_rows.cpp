// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/observation_rows.h"

#include "text/observation_reading.h"
#include "text/quoted_text.h"

#include "nav/earth.h"
#include "nav/entry.h"
#include "nav/errors.h"

#include <QRegularExpression>

#include <algorithm>
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

class Reader {
public:
    Reader(const RowSettings& settings, ReadRows& read) : settings_(settings), read_(read) {}

    void collectNames(const QList<ObservationRow>& rows)
    {
        // A name is its first position's, each mark read in its own form.
        for (const ObservationRow& row : rows) {
            add(namedMarks({row.mark}, row.forms.mark));
            add(namedMarks({row.mark2}, row.forms.mark2));
        }
    }

    void readRow(int index, const ObservationRow& row)
    {
        index_ = index;
        refused_ = false;
        // An altitude is read with the sight's settings and the DR, which
        // the rows do not hold: it is fixed by `tarnquil --fix --altitude`.
        if (row.kind == nav::ObservationKind::Altitude) {
            refuse(ObservationColumn::Kind, altitudeRowRefusal());
            return;
        }
        const std::optional<nav::Run> run = readWhen(row.when);
        const ObservationReading reading = readObservation(describe(row.kind), row.mark, row.mark2,
                                                           row.value, row.forms, read_.names);
        for (const ObservationCellRefusal& refusal : reading.refusals)
            refuse(refusal.column, refusal.message);
        if (refused_)
            return;
        if (run)
            read_.sightings.emplace_back(*run);
        read_.sightings.emplace_back(*reading.observation);
        ++read_.observations;
    }

private:
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
                try {
                    return nav::runBetween(*settings_.course, *settings_.speed, *previous, *lastTime_);
                } catch (const nav::RangeError&) {
                    // A speed so high that the time between gives more than any run.
                    refuse(ObservationColumn::When,
                           u"按航速推算的这段航程超出范围：应在 0 到 %1 海里之间，请检查航速和观测时间。"_s
                               .arg(QString::number(nav::kMaxRun, 'f', 0)));
                }
            }
            return std::nullopt;
        }
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

    const RowSettings& settings_;
    ReadRows& read_;
    int index_ = 0;
    bool refused_ = false;
    std::optional<int> lastTime_;
};

}  // namespace

QString altitudeRowRefusal()
{
    return u"天体高度在此还不能计算：请用 tarnquil --fix --altitude。"_s;
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
