// SPDX-License-Identifier: GPL-3.0-or-later
// The route as a navigator typed it, read and computed once, with every
// value already written as the window, the CSV export and the printed table
// show it. The window, the command line and the PDF all go through here, so
// the texts are the same everywhere.
#pragma once

#include "geo/angle.h"
#include "geo/errors.h"
#include "geo/number_form.h"
#include "nav/clock_time.h"
#include "nav/earth_model.h"
#include "nav/leg.h"
#include "nav/route.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>

namespace tarnquil {

// What a navigator typed for one waypoint, as typed.
struct WaypointText {
    QString name;
    QString latitude;
    QString longitude;
    nav::Method method = nav::Method::Rhumb;  // of the leg arriving here; unused for the first
    // The form (分, 秒 or 度) each coordinate text was typed or opened in. The
    // form is how the next text is read: a text keeps the form it was read
    // in, and so its position, whatever the route's form becomes later.
    // Empty: read in the route's form (RouteSettings::form), as the texts of
    // a file being opened are.
    std::optional<geo::NumberForm> latitudeForm = std::nullopt;
    std::optional<geo::NumberForm> longitudeForm = std::nullopt;

    friend bool operator==(const WaypointText&, const WaypointText&) = default;
};

// The waypoint with `form` for each coordinate text that has none of its own.
WaypointText withForm(WaypointText waypoint, geo::NumberForm form);

struct RouteSettings {
    // How plain numbers are read (分, 秒 or 度) in texts without a form of their own.
    geo::NumberForm form = geo::NumberForm::Minutes;
    nav::EarthModel model = nav::EarthModel::Wgs84;
    std::optional<double> speed;                    // knots
    std::optional<nav::ClockTime> departure;
};

// The columns of the leg table that is exported and printed, in their order.
enum class LegColumn {
    Number, Name, Latitude, Longitude, Method,
    RhumbCourse, RhumbDistance, GreatCircleCourse, GreatCircleDistance,
    Cumulative, TimeUnderWay, Eta,
};

// A column as the CSV file and the printed table head and set it. Its width
// on paper follows from its texts.
struct LegColumnInfo {
    LegColumn column;
    QStringView title;
    Qt::Alignment alignment;  // of its cells on paper
};

// The columns in order, as LegColumn numbers them:
// 序号,名称,纬度,经度,航法,恒向线航向,恒向线航程,大圆始航向,大圆航程,累计航程,航时,预计到达
inline constexpr std::array legColumns = {
    LegColumnInfo{LegColumn::Number, u"序号", Qt::AlignHCenter},
    LegColumnInfo{LegColumn::Name, u"名称", Qt::AlignLeft},
    LegColumnInfo{LegColumn::Latitude, u"纬度", Qt::AlignHCenter},
    LegColumnInfo{LegColumn::Longitude, u"经度", Qt::AlignHCenter},
    LegColumnInfo{LegColumn::Method, u"航法", Qt::AlignHCenter},
    LegColumnInfo{LegColumn::RhumbCourse, u"恒向线航向", Qt::AlignRight},
    LegColumnInfo{LegColumn::RhumbDistance, u"恒向线航程", Qt::AlignRight},
    LegColumnInfo{LegColumn::GreatCircleCourse, u"大圆始航向", Qt::AlignRight},
    LegColumnInfo{LegColumn::GreatCircleDistance, u"大圆航程", Qt::AlignRight},
    LegColumnInfo{LegColumn::Cumulative, u"累计航程", Qt::AlignRight},
    LegColumnInfo{LegColumn::TimeUnderWay, u"航时", Qt::AlignRight},
    LegColumnInfo{LegColumn::Eta, u"预计到达", Qt::AlignHCenter},
};
inline constexpr int legColumnCount = int(legColumns.size());

constexpr bool columnsInOrder()
{
    for (int i = 0; i < legColumnCount; ++i) {
        if (legColumns[std::size_t(i)].column != LegColumn(i))
            return false;
    }
    return true;
}
static_assert(columnsInOrder(), "legColumns lists the columns in the order of LegColumn");

QString legColumnTitle(LegColumn column);
QStringList legColumnTitles();  // in order

// A latitude or longitude text that gives no position, with why, e.g.
//   “S”属于纬度，经度只能用 E、W（东、西）。   (refusalReason of conversion_message.h)
//   纬度应在 -90° 到 90° 之间。                 (a packed text beyond the Earth: "9100")
//   请输入纬度。                               (an empty or blank text)
struct CellRefusal {
    LegColumn column;  // Latitude or Longitude
    QString message;
    std::optional<geo::Rule> rule;  // the reader's, for a text it refuses; empty for an empty cell
};

struct RouteTableRow {
    std::optional<geo::GeoPoint> position;  // empty when a text was refused or is empty
    QList<CellRefusal> refusals;            // at most one per coordinate cell
    nav::RouteRow values;                   // exact values, as nav computed them
    // One text per LegColumn, as shown and exported: 序号 from "1", the name
    // as typed, each coordinate that reads in nav's display form
    // ("31°12.00′N", "121°30.00′E") and one that does not as typed, "RL" or
    // "GC", courses "005.0", distances "0.8", "h:mm", "YYYY-MM-DD HH:MM".
    // The first row has no method and no leg (empty texts); when its
    // position reads, its 累计航程 is "0.0", and with a speed its 航时
    // "0:00" and, with a departure too, its 预计到达 the departure, as nav
    // gives them. A leg touching a refused cell is empty, and nothing
    // cumulative after it is guessed.
    QStringList texts;
};

// Reads every waypoint's texts with geo::readRouteCoordinate, each in its own
// form or else in the settings' form, and computes the route on one
// nav::Earth. Never throws: a text that gives
// no position is a CellRefusal, a speed so small (below some 1e-300 kn) that
// its times overflow gives no times. Its time for a long route is measured
// by bench/route_export_bench (docs/performance.md).
QList<RouteTableRow> makeRouteTable(const QList<WaypointText>& waypoints,
                                    const RouteSettings& settings);

// Whether any text of the table was refused as a plain number that reads
// both as degrees and as packed degrees and minutes ("25.3N" in the 分 form),
// which the 度 form would read as degrees.
bool hasAmbiguousNumbers(const QList<RouteTableRow>& rows);

}  // namespace tarnquil
