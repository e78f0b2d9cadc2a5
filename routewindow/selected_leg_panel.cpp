// SPDX-License-Identifier: GPL-3.0-or-later
#include "routewindow/selected_leg_panel.h"
#include "ui_route_window.h"

#include "routewindow/waypoint_editing.h"
#include "routewindow/waypoint_table_model.h"

#include "text/utf8_text.h"

#include "nav/display.h"
#include "nav/great_circle.h"

#include <QMainWindow>
#include <QStatusBar>

using namespace Qt::StringLiterals;

namespace tarnquil {

SelectedLegPanel::SelectedLegPanel(QMainWindow* window, Ui::RouteWindow* ui,
                                   WaypointTableModel* model, WaypointEditing* editing,
                                   Prompt prompt)
    : QObject(window)
    , window_(window)
    , ui_(ui)
    , model_(model)
    , editing_(editing)
    , prompt_(std::move(prompt))
    , askInterval_(meridianIntervalDialog(window))
{
}

QStatusBar* SelectedLegPanel::statusBar() const
{
    return window_->statusBar();
}

void SelectedLegPanel::showSelectedLeg(int row)
{
    const bool hasLeg = row > 0 && model_->tableRow(row).values.leg.has_value();
    const RouteTableRow* shown = hasLeg ? &model_->tableRow(row) : nullptr;
    const auto text = [shown](LegColumn column) {
        return shown ? shown->texts.value(int(column)) : QString();
    };
    ui_->rhumbCourse->setText(text(LegColumn::RhumbCourse));
    ui_->rhumbDistance->setText(text(LegColumn::RhumbDistance));
    ui_->greatCircleCourse->setText(text(LegColumn::GreatCircleCourse));
    ui_->greatCircleDistance->setText(text(LegColumn::GreatCircleDistance));
    const nav::Leg* leg = shown ? &*shown->values.leg : nullptr;
    ui_->greatCircleFinalCourse->setText(leg ? fromUtf8(nav::formatCourse(leg->greatCircle.finalCourse))
                                             : QString());
    ui_->courseCorrection->setText(leg ? fromUtf8(nav::formatCourseCorrection(*leg)) : QString());
    ui_->distanceSaved->setText(leg ? fromUtf8(nav::formatDistanceSaved(*leg)) : QString());
    ui_->vertex->setText(leg ? vertexText(row) : QString());
    ui_->splitLegAction->setEnabled(hasLeg && model_->waypoints().at(row).method == nav::Method::GreatCircle);
    ui_->legBox->setTitle(row > 0 ? u"选中航段："_s + legName(row) : u"选中航段"_s);
}

// The vertex of the great circle through the leg's ends, and whether the
// leg reaches it.
QString SelectedLegPanel::vertexText(int row) const
{
    const std::optional<geo::GeoPoint> from = model_->tableRow(row - 1).position;
    const std::optional<geo::GeoPoint> to = model_->tableRow(row).position;
    // A leg of no length lies on no one great circle: it has no vertex to name.
    if (from->latitude == to->latitude && from->longitude == to->longitude)
        return QString();
    // Only the vertex is shown: the interval is any that nav takes.
    constexpr double anyInterval = 10;
    const nav::GreatCircleSailing sailing =
        nav::sailGreatCircle(model_->settings().model, *from, *to, anyInterval);
    if (!sailing.vertex)
        return u"无（沿赤道）"_s;
    return fromUtf8(nav::formatPosition(sailing.vertex->position))
        + (sailing.vertex->onLeg ? QString() : u"（在航段之外）"_s);
}

QString SelectedLegPanel::legName(int arrival) const
{
    const auto name = [this](int waypoint) {
        const QString typed = model_->waypoints().at(waypoint).name;
        return typed.isEmpty() ? u"航点 %1"_s.arg(waypoint + 1) : typed;
    };
    return u"%1 → %2"_s.arg(name(arrival - 1), name(arrival));
}

void SelectedLegPanel::askToSplitLeg()
{
    const int arrival = editing_->currentRow();
    if (arrival <= 0 || !model_->tableRow(arrival).values.leg)
        return;
    const QString leg = legName(arrival);
    const std::optional<double> every = askInterval_(leg);
    if (!every)
        return;
    const QString interval = QString::number(*every, 'g', QLocale::FloatingPointShortest);
    if (const int inserted = editing_->splitGreatCircleLeg(arrival, *every); inserted > 0)
        statusBar()->showMessage(u"大圆航段 %1 已在每隔 %2° 经度处分段为 %3 段恒向线。"_s.arg(
            leg, interval).arg(inserted + 1));
    else
        prompt_(u"大圆航段 %1 不跨越每隔 %2° 的经线，无需分段。"_s.arg(leg, interval));
}

}  // namespace tarnquil
