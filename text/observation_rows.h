// SPDX-License-Identifier: GPL-3.0-or-later
// The fix window's observations as typed, one row each, and how they are
// read into the sightings nav fixes the ship from.
//
// A row's cells (text/observation_kinds.h describes the kinds, and
// text/observation_reading.h reads the marks and values as the command line
// reads them):
//   类型  方位, 距离 or 水平角
//   物标  the mark: a whole position in any notation the reader takes, in
//         the row's form ("30°51.5′N 122°40.0′E", "3051.5N 12240.0E");
//         or a name, a blank and a position ("花鸟山 3051.5N 12240.0E");
//         or a name alone, given with its position in another row
//   物标2 the second mark of a horizontal angle, written as 物标; empty
//         for the others
//   观测值 degrees of a bearing (true, or by compass with the compass error
//         set) or of a horizontal angle, clockwise from 物标 to 物标2;
//         n mile of a range: a plain decimal number, "45", "123.5", "3.2"
//   时间或航程 empty when observed together with the row before; a watch
//         time "09:30", the run from the row before then being the course
//         and speed set at that speed for the time between; or the run
//         since the row before as course and distance, "090/3.5",
//         "090/3.5 nm" or "090 3.5", the distance with its unit or none
// A row whose every text cell is empty is no observation and is skipped.
// Each mark keeps the form (分, 秒 or 度) it was typed in, so that
// choosing another form for the next text changes no mark already entered:
// "3051.5N" typed under 分 stays 30°51.5′N.
#pragma once

#include "text/altitude_reading.h"
#include "text/fix_words.h"
#include "text/observation_kinds.h"
#include "text/observation_reading.h"
#include "text/refusals.h"

#include "geo/number_form.h"
#include "nav/observation.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace tarnquil {

// The columns are ObservationColumn (text/observation_kinds.h), in order;
// their titles and widths are in the window.

struct ObservationRow {
    nav::ObservationKind kind = nav::ObservationKind::Bearing;
    QString mark;
    QString mark2;
    QString value;
    QString when;
    MarkForms forms;  // of its marks' plain numbers, as each was typed

    bool isEmpty() const;
    QString text(ObservationColumn column) const;  // the kind as its name

    friend bool operator==(const ObservationRow&, const ObservationRow&) = default;
};

// What a 天体高度 row is read with besides its cells: the sight's
// conditions and DUT1, the DR as its assumed position, and the date and
// zone of a time typed as a watch time ("09:30:15" on `date` in `zone`).
struct AltitudeRowSettings {
    SightSettings sight;
    std::optional<geo::GeoPoint> assumed;
    QString date;  // "2026-12-08" as typed, or empty
    QString zone;  // "+8" as typed, or empty: UTC
};

struct RowSettings {
    std::optional<double> course;  // for the runs between watch times
    std::optional<double> speed;
    AltitudeRowSettings altitudes;
};

// A cell that does not read, and why, in the words the window shows.
struct ObservationRefusal {
    int row = 0;
    ObservationColumn column = ObservationColumn::Mark;
    QString message;
};

struct ReadRows {
    std::vector<nav::Sighting> sightings;  // every row that reads, with its runs
    int observations = 0;                  // the rows among them
    QList<MarkName> names;                 // the marks given a name
    QList<ObservationRefusal> refusals;           // in the order of the rows and cells
    QStringList lines;                     // each row that is not empty, as typed
};

ReadRows readObservationRows(const QList<ObservationRow>& rows, const RowSettings& settings);

// A 天体高度 row's 时间或航程 is the sight's time: a watch time to the
// second on the settings' date and zone ("09:30:15", "9:30"), or a whole
// time with or without its zone as --altitude takes it ("2026-12-08
// 09:30:15 +8"). Its clock reading to the second on the watch clock (the
// settings' zone, UTC when none; a whole time in another zone is read on
// it: 03:50 UTC is 11:50 on UTC+8) times the runs before
// and after it as a watch time does, so a sun line is run up to noon by
// the settings' course and speed; without them, or after a row with no
// time, a sight is not run and not refused, as --altitude runs a sight
// only by --run: star sights minutes apart are taken together. Refused in its cell: a watch time with
// no date set (sightDateRefusal), and what readAltitude refuses.
// A 天体高度 row without the DR is refused in its 类型 cell
// (altitudeRowRefusal): the DR is its assumed position.
QString altitudeRowRefusal();
QString sightDateRefusal(const QString& text);

}  // namespace tarnquil
