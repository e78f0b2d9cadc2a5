// SPDX-License-Identifier: GPL-3.0-or-later
// The route window's dead reckoning (推算船位): from a position, a course and
// a distance run, by rhumb line or great circle, the position reached, which
// can be appended to the route.
#pragma once

#include "routefiles/route_table.h"

#include "geo/number_form.h"
#include "nav/earth.h"

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

// Works the position out again whenever a text, the method, the settings or
// the selected waypoint change. A text that cannot be used is marked with
// its reason; then no position is shown and none can be appended.
class DeadReckoningPanel : public QObject
{
    Q_OBJECT

public:
    DeadReckoningPanel(const DeadReckoningControls& controls, QObject* parent);

    // Where to start when the position field is empty: the selected
    // waypoint's position, or none.
    void setSelectedPosition(std::optional<geo::GeoPoint> position);
    // How plain numbers in the position are read (分, 秒, 度), and the figure
    // of the Earth.
    void setSettings(geo::NumberForm form, nav::EarthModel model);

signals:
    // 添加到航线 was pressed, or Enter in a field: the position reached, as
    // a waypoint named 推算点 whose leg is sailed by the panel's method.
    void appendRequested(const tarnquil::WaypointText& waypoint);
    // Why the texts give no position, for the status bar; empty when they
    // give one or are not all typed yet.
    void refusalChanged(const QString& message);

private:
    void recompute();
    std::optional<geo::GeoPoint> start();
    // The course or the run typed in `field`, refused there when it does not read.
    std::optional<double> readField(QLineEdit* field);
    std::optional<geo::GeoPoint> reckon(geo::GeoPoint from, double course, double run);
    void refuse(QLineEdit* field, const QString& message);
    void append();

    DeadReckoningControls controls_;
    std::optional<geo::GeoPoint> selected_;
    std::optional<geo::GeoPoint> reached_;
    geo::NumberForm form_ = geo::NumberForm::Minutes;
    nav::Earth earth_;
    QString refusal_;
};

}  // namespace tarnquil
