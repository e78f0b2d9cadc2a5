// SPDX-License-Identifier: GPL-3.0-or-later
// The route window's dead reckoning (推算船位): from a position, a course and
// a distance run, by rhumb line or great circle, the position reached, which
// can be appended to the route; or, with wind and current, from the log's
// speed and the hours run; and the course to steer to make good the
// selected leg against them (预配).
//
// Two ways of giving the run, never both:
//   航程 (n mile): the position is reckoned by the method chosen, without
//     wind or current, as on a chart with the ship's head and the log;
//   航速 and 航时 (the log's speed, knots; hours): the position is reckoned
//     with the leeway α, the current's set and rate and the log correction
//     ΔL (nav::reckonWithCurrent: wind first, then current, on a rhumb
//     line; the method list stands aside), and CA, CG, VG, β and γ are
//     shown with it. A current of rate 0, or none, and α 0 give the
//     position 航程 = 航速 × 航时 gives by rhumb line.
//   Typing 航程 with 航速 or 航时 refuses 航程 (runOrHoursRefusal).
// The fields read as the command line reads them (text/current_text.h and
// --dead-reckoning): α "+3" (左舷受风为正), set "120" (toward), rate "2",
// ΔL "-2" (per cent), 航速 "12" or "12kn", 航时 "2.5" or "2.5h"; an empty
// α or ΔL is 0, an empty set with an empty rate no current, and one of them
// without the other is refused (currentPairRefusal).
//   30N 122E, TC 030, 航速 12, 航时 2, α +3, ΔL -2, set 120 at 2 ->
//   CA 033.0°, CG 042.6°, VG 12.0 节, β +9.6°（左舷受流）, γ +12.6°,
//   推算船位 30°17.77′N 122°18.77′E
//
// 预配: for the leg arriving at the selected waypoint, its course by its
// method (a great circle's at its start) is the track to make good against
// the current at the log's speed corrected by ΔL, with α: the course to
// steer TC and the ground speed VG, as --course-to-steer gives them; a
// track that cannot be held, or along which no way is made, marks the field
// with the reason in that command's words (trackRefusal). It needs a leg, a
// speed and a current; without them the fields stay empty.
//
// α, the set, the rate and ΔL are the passage's, kept with the route
// (RouteSettings::reckoning): the panel reports the navigator's edits of
// them (textsEdited) and shows what a route opened holds (showTexts).
#pragma once

#include "routefiles/route_table.h"
#include "text/quantity_text.h"

#include "geo/number_form.h"
#include "nav/earth.h"
#include "nav/leeway_and_current.h"

#include <QObject>

#include <optional>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace tarnquil {

// The panel's controls, made by the window's form.
struct DeadReckoningControls {
    QLineEdit* from;      // a whole position; empty: the selected waypoint's
    QLineEdit* course;    // degrees true
    QLineEdit* run;       // n mile
    QComboBox* method;    // filled here
    QLineEdit* reached;   // the result, read-only
    QPushButton* append;  // 添加到航线
};

// The fields of wind and current, and what they give.
struct CurrentControls {
    QLineEdit* logSpeed;       // 航速, knots by the log
    QLineEdit* hours;          // 航时
    QLineEdit* leeway;         // 风压差 α
    QLineEdit* set;            // 流向
    QLineEdit* rate;           // 流速
    QLineEdit* logCorrection;  // 计程仪改正率 ΔL
    QLineEdit* ca;             // results, read-only
    QLineEdit* cg;
    QLineEdit* groundSpeed;
    QLineEdit* beta;
    QLineEdit* gamma;
    QLineEdit* steer;          // 预配: TC to steer on the selected leg
    QLineEdit* steerSpeed;     // and VG along it
};

// Works the position out again whenever a text, the method, the settings or
// the selected waypoint change. A text that cannot be used is marked with
// its reason; then no position is shown and none can be appended.
class DeadReckoningPanel : public QObject
{
    Q_OBJECT

public:
    DeadReckoningPanel(const DeadReckoningControls& controls, const CurrentControls& current,
                       QObject* parent);

    // Where to start when the position field is empty: the selected
    // waypoint's position, or none; and the course of the leg arriving at
    // it by its method, the track 预配 makes good, or none.
    void setSelectedPosition(std::optional<geo::GeoPoint> position);
    void setSelectedTrack(std::optional<double> track);
    // How plain numbers in the position are read (分, 秒, 度), and the figure
    // of the Earth.
    void setSettings(geo::NumberForm form, nav::EarthModel model);
    // Puts a route's wind and current into the fields; textsEdited does not
    // follow.
    void showTexts(const ReckoningTexts& texts);
    ReckoningTexts texts() const;

signals:
    // 添加到航线 was pressed, or Enter in a field: the position reached, as
    // a waypoint named 推算点 whose leg is sailed by the panel's method.
    void appendRequested(const tarnquil::WaypointText& waypoint);
    // Why the texts give no position, for the status bar; empty when they
    // give one or are not all typed yet.
    void refusalChanged(const QString& message);
    // The navigator changed α, the set, the rate or ΔL.
    void textsEdited(const tarnquil::ReckoningTexts& texts);

private:
    // The fields of wind and current as read, each empty when refused.
    struct Reading;

    void connectFields();
    void recompute();
    void clearMarks();
    std::optional<geo::GeoPoint> start();
    // The course or the run typed in `field`, refused there when it does not read.
    std::optional<double> readField(QLineEdit* field);
    std::optional<double> read(QLineEdit* field, QuantityReading (*reader)(const QString&, QStringView),
                               std::optional<double> empty);
    Reading readCurrent();
    bool byHours() const;
    std::optional<geo::GeoPoint> reckon(geo::GeoPoint from, double course, double run);
    std::optional<geo::GeoPoint> reckonWithCurrent(std::optional<geo::GeoPoint> from,
                                                   std::optional<double> course,
                                                   const Reading& reading);
    void refuseReckoning(const nav::RangeError& error);
    bool refuseStart(const nav::RangeError& error);
    void showReckoning(const std::optional<nav::CurrentReckoning>& reckoning);
    void workCourseToSteer(const Reading& reading);
    void refuse(QLineEdit* field, const QString& message);
    void append();
    void noteEdit();

    DeadReckoningControls controls_;
    CurrentControls current_;
    std::optional<geo::GeoPoint> selected_;
    std::optional<double> track_;
    std::optional<geo::GeoPoint> reached_;
    geo::NumberForm form_ = geo::NumberForm::Minutes;
    nav::Earth earth_;
    QString refusal_;
    bool showing_ = false;
};

}  // namespace tarnquil
