// SPDX-License-Identifier: GPL-3.0-or-later
// How the texts of a fix are read: the observations, the runs between them
// and the dead-reckoning position. The fix window's rows and the options of
// `tarnquil --fix` are read by this one code, so that both take the same
// texts and refuse the same texts in the same words; the command line names
// the option a refused text came with (方位（--bearing）“400”超出范围：…).
//
// A mark (物标, 物标2) is, blanks at either end aside:
//   a whole position in any notation geo::readPosition takes, in the form
//   given: "30°51.5′N 122°40.0′E", "3051.5N 12240.0E";
//   a name, a blank and such a position: "花鸟山 3051.5N 12240.0E";
//   a name alone, given with its position in another mark of the same fix:
//   "花鸟山" (the first position given with a name is the name's).
// Refused, each in words that say what to write:
//   ""                 请输入物标：位置，如 30°51.5′N 122°40.0′E，或名称加位置。
//   "灯塔" (no position anywhere)  物标“灯塔”没有位置：请写作名称加位置，…
//   "灯塔 3051.5N"     the position's refusal (conversion_message.h): 物标“3051.5N”…
// A value is read by its kind's reader (observation_kinds.h); a run is a
// course and a distance (readCourseText, readDistanceText).
#pragma once

#include "text/fix_words.h"
#include "text/observation_kinds.h"

#include "geo/angle.h"
#include "geo/number_form.h"
#include "nav/observation.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace tarnquil {

// The marks given a name among `marks` (the texts of every mark of a fix),
// each name once, with the position it is first given with.
QList<MarkName> namedMarks(const QStringList& marks, geo::NumberForm form);

// A mark read: its position, and its name when it has one; or why not.
struct MarkReading {
    std::optional<MarkName> mark;
    QString refusal;  // empty when read
};
MarkReading readMark(const QString& text, geo::NumberForm form, const QList<MarkName>& names);

// A cell of an observation that does not read, and why.
struct ObservationCellRefusal {
    ObservationColumn column;  // Mark, Mark2 or Value
    QString message;
};

// An observation of `kind` read from its texts: every cell that does not
// read refused, in the order mark, second mark (the kinds that have one;
// `mark2` is ignored for the others), value.
struct ObservationReading {
    std::optional<nav::Observation> observation;  // when every cell reads
    QList<ObservationCellRefusal> refusals;
};
ObservationReading readObservation(const ObservationDescriptor& kind, const QString& mark,
                                   const QString& mark2, const QString& value,
                                   geo::NumberForm form, const QList<MarkName>& names,
                                   QStringView option = {});

// The forms the two marks of an observation were typed in, each kept with
// its text (a window's rows keep theirs when the form is switched).
struct MarkForms {
    geo::NumberForm mark = geo::NumberForm::Minutes;
    geo::NumberForm mark2 = geo::NumberForm::Minutes;

    friend bool operator==(const MarkForms&, const MarkForms&) = default;
};
ObservationReading readObservation(const ObservationDescriptor& kind, const QString& mark,
                                   const QString& mark2, const QString& value, MarkForms forms,
                                   const QList<MarkName>& names, QStringView option = {});

// A run of a fix (航程): a course and a distance, refused as readCourseText
// and readDistanceText refuse them, the course first.
struct RunReading {
    std::optional<nav::Run> run;
    QString refusal;  // empty when read
};
RunReading readRun(const QString& course, const QString& distance, QStringView option = {});

// The dead-reckoning position a fix with two solutions is chosen near
// (推算船位): a whole position, refused naming the field.
struct PositionReading {
    std::optional<geo::GeoPoint> position;
    QString refusal;  // empty when read
};
PositionReading readNearPosition(const QString& text, geo::NumberForm form);

// A whole position of a ship (a fix, a departure), refused naming `field`:
// a text the reader refuses (conversionFailureMessage) or a latitude or
// longitude beyond the Earth's (positionRangeRefusal).
PositionReading readShipPosition(const QString& field, const QString& text, geo::NumberForm form);

}  // namespace tarnquil
