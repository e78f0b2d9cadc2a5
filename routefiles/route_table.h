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
#include "nav/eta_zone.h"
#include "nav/leg.h"
#include "nav/route.h"
#include "nav/time_zone.h"

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
    // The speed of the leg arriving here as typed ("10", "10kn"); empty for
    // the route's speed. Unused for the first waypoint, as the method is.
    QString speed = {};
    // The navigator's remark (备注), kept as typed.
    QString remark = {};
    // The current expected on the leg arriving here, as typed: its set and
    // rate as 流向/流速, "120/1.5" (readLegCurrentText); empty for none.
    QString current = {};
    // The leeway α made on that leg, as typed ("+3", readLeewayText); empty
    // for none. Both unused for the first waypoint.
    QString leeway = {};

    friend bool operator==(const WaypointText&, const WaypointText&) = default;
};

// The waypoint with `form` for each coordinate text that has none of its own.
WaypointText withForm(WaypointText waypoint, geo::NumberForm form);

// The wind and current of the route window's dead reckoning (推算船位), as
// typed into its fields and read there (text/current_text.h): the leeway α,
// the current's set and rate, the log correction ΔL. A navigator's setting
// of the passage, kept with the route; no computation of the route reads
// them. All empty: none given.
struct ReckoningTexts {
    QString leeway;
    QString currentSet;
    QString currentRate;
    QString logCorrection;

    bool isEmpty() const
    {
        return leeway.isEmpty() && currentSet.isEmpty() && currentRate.isEmpty()
            && logCorrection.isEmpty();
    }
    friend bool operator==(const ReckoningTexts&, const ReckoningTexts&) = default;
};

struct RouteSettings {
    // How plain numbers are read (分, 秒 or 度) in texts without a form of their own.
    geo::NumberForm form = geo::NumberForm::Minutes;
    nav::EarthModel model = nav::EarthModel::Wgs84;
    std::optional<double> speed;                    // knots
    std::optional<nav::ClockTime> departure;
    // The zone the departure's clock reads.
    nav::TimeZone departureZone = nav::kDefaultDepartureZone;
    // The zone the arrival times are shown in.
    nav::EtaZone etaZone = nav::EtaZone::Departure;
    // The dead reckoning's wind and current.
    ReckoningTexts reckoning = {};
};

// What a route file says of the route as a whole, each empty where the file
// says nothing of it (a file of another tool, without the column); for the
// speed and the departure, an empty value inside says the file states that
// the route has none.
struct SavedSettings {
    std::optional<nav::EarthModel> model;
    std::optional<std::optional<double>> speed;
    std::optional<std::optional<nav::ClockTime>> departure;
    std::optional<nav::TimeZone> departureZone;
    std::optional<nav::EtaZone> etaZone = std::nullopt;  // the zone arrivals are shown in
    // The dead reckoning's wind and current, empty where the file gives none.
    std::optional<ReckoningTexts> reckoning = std::nullopt;

    friend bool operator==(const SavedSettings&, const SavedSettings&) = default;
};

// `settings` with what `saved` says in place of its own.
RouteSettings withSaved(RouteSettings settings, const SavedSettings& saved);

// What of `settings` a file keeps; the wind and current only when one of
// them is given, so that a route without them is written as before.
SavedSettings savedOf(const RouteSettings& settings);

// The columns of the leg table that is exported and printed, in their order,
// then the columns of a leg's current and leeway (currentColumns), which a
// table has only when some leg has a current or leeway.
enum class LegColumn {
    Number, Name, Latitude, Longitude, Method, Speed,
    RhumbCourse, RhumbDistance, GreatCircleCourse, GreatCircleDistance,
    Cumulative, DistanceToGo, LegTime, TimeUnderWay, Eta, Remark,
    Current, Leeway, CourseToSteer, GroundSpeed,
};

// A column as the CSV file and the printed table head and set it. Its width
// on paper follows from its texts.
struct LegColumnInfo {
    LegColumn column;
    QStringView title;
    Qt::Alignment alignment;  // of its cells on paper
};

// The columns in order, as LegColumn numbers them:
// 序号,名称,纬度,经度,航法,航速,恒向线航向,恒向线航程,大圆始航向,大圆航程,累计航程,剩余航程,
// 航段航时,航时,预计到达,备注
inline constexpr std::array legColumns = {
    LegColumnInfo{LegColumn::Number, u"序号", Qt::AlignHCenter},
    LegColumnInfo{LegColumn::Name, u"名称", Qt::AlignLeft},
    LegColumnInfo{LegColumn::Latitude, u"纬度", Qt::AlignHCenter},
    LegColumnInfo{LegColumn::Longitude, u"经度", Qt::AlignHCenter},
    LegColumnInfo{LegColumn::Method, u"航法", Qt::AlignHCenter},
    LegColumnInfo{LegColumn::Speed, u"航速", Qt::AlignRight},
    LegColumnInfo{LegColumn::RhumbCourse, u"恒向线航向", Qt::AlignRight},
    LegColumnInfo{LegColumn::RhumbDistance, u"恒向线航程", Qt::AlignRight},
    LegColumnInfo{LegColumn::GreatCircleCourse, u"大圆始航向", Qt::AlignRight},
    LegColumnInfo{LegColumn::GreatCircleDistance, u"大圆航程", Qt::AlignRight},
    LegColumnInfo{LegColumn::Cumulative, u"累计航程", Qt::AlignRight},
    LegColumnInfo{LegColumn::DistanceToGo, u"剩余航程", Qt::AlignRight},
    LegColumnInfo{LegColumn::LegTime, u"航段航时", Qt::AlignRight},
    LegColumnInfo{LegColumn::TimeUnderWay, u"航时", Qt::AlignRight},
    LegColumnInfo{LegColumn::Eta, u"预计到达", Qt::AlignHCenter},
    LegColumnInfo{LegColumn::Remark, u"备注", Qt::AlignLeft},
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

// A leg's current and leeway, after the columns above:
// 流向/流速,风压差,应驶航向,对地航速
//   流向/流速  the current as typed ("120/1.5")    风压差  the leeway as typed
//   应驶航向   the course to steer, "029.5"       对地航速  the ground speed, "9.5"
inline constexpr std::array currentColumns = {
    LegColumnInfo{LegColumn::Current, u"流向/流速", Qt::AlignRight},
    LegColumnInfo{LegColumn::Leeway, u"风压差", Qt::AlignRight},
    LegColumnInfo{LegColumn::CourseToSteer, u"应驶航向", Qt::AlignRight},
    LegColumnInfo{LegColumn::GroundSpeed, u"对地航速", Qt::AlignRight},
};
inline constexpr int currentColumnCount = int(currentColumns.size());

QString legColumnTitle(LegColumn column);
QStringList legColumnTitles();      // in order, without the current's
QStringList currentColumnTitles();  // in order

// Whether some leg (the waypoints after the first) is given a current or
// a leeway, so that a table written has the current's columns.
bool hasLegCurrents(const QList<WaypointText>& waypoints);

// A latitude or longitude text that gives no position, with why, e.g.
//   “S”属于纬度，经度只能用 E、W（东、西）。   (refusalReason of conversion_message.h)
//   纬度应在 -90° 到 90° 之间。                 (a packed text beyond the Earth: "9100")
//   请输入纬度。                               (an empty or blank text)
//   航速“fast”无法识别：应为不小于 0.00000001 的节数，如 12、12.5 或 12kn。  (a leg's speed)
//   流向/流速“120”无法识别：应写作 流向/流速，如 120/1.5。     (a leg's current)
//   计划航迹向 045.0° 保持不住：…                            (应驶航向: trackRefusal)
struct CellRefusal {
    LegColumn column;  // Latitude, Longitude, Speed, Current, Leeway or CourseToSteer
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
    // "GC", the leg's speed as typed, courses "005.0", distances "0.8",
    // "h:mm", the arrival with its zone "2025-03-02 03:02 UTC+8" in the
    // settings' ETA zone, the remark as typed.
    // The first row has no method, speed and leg (empty texts); when its
    // position reads, its 累计航程 is "0.0", and with a speed its 航时
    // "0:00" and, with a departure too, its 预计到达 the departure on its
    // own clock, whatever the ETA zone: the time as the navigator gave it.
    // A leg touching a refused cell is empty, and nothing cumulative after
    // it is guessed.
    QStringList texts;
    // One text per currentColumns: the current and leeway as typed, the
    // course to steer and the ground speed of a leg that has either and a
    // speed; empty for a leg without, and for the first row.
    QStringList currentTexts;
};

// The row's text of any column, the current's among them.
QString legText(const RouteTableRow& row, LegColumn column);

// Reads every waypoint's texts with geo::readRouteCoordinate, each in its own
// form or else in the settings' form, each leg's speed with readSpeedText
// (text/quantity_text.h) and its current and leeway with readLegCurrentText
// and readLeewayText (text/current_text.h), and computes the route on one
// nav::Earth: a leg with a current or leeway by its ground speed
// (nav::RouteRow::underCurrent), one whose track cannot be held refused in
// its 应驶航向 with the reason (trackRefusal), without times from it on. Never throws: a text that gives no position and a leg's speed
// that does not read are CellRefusals (the leg is then computed at the
// route's speed: no time is guessed from a refused text, the whole route
// shows none from there; so for a current or leeway that does not read),
// a speed so small (below some 1e-300 kn) that its
// times overflow gives no times. Its time for a long route is measured
// by bench/route_export_bench (docs/performance.md).
QList<RouteTableRow> makeRouteTable(const QList<WaypointText>& waypoints,
                                    const RouteSettings& settings);

// Whether any text of the table was refused as a plain number that reads
// both as degrees and as packed degrees and minutes ("25.3N" in the 分 form),
// which the 度 form would read as degrees.
bool hasAmbiguousNumbers(const QList<RouteTableRow>& rows);

// The totals line under the table and the printed table, each figure with
// its unit, "—" where the route gives none:
//   总航程 5057.3 海里　总航时 17天 13:26　到达 2025-03-19 05:26 UTC-8　平均航速 12.0 节
// The arrival is in the settings' ETA zone.
QString totalsText(const QList<RouteTableRow>& rows, nav::EtaZone etaZone);

// The route sailed the other way (nav::reversedRoute): the waypoints in
// reverse order, each leg keeping its method, speed, current and leeway, which move with it
// to the waypoint it now arrives at. Reversing twice gives the list back.
QList<WaypointText> reversedWaypoints(const QList<WaypointText>& waypoints);

}  // namespace tarnquil
