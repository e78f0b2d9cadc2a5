// SPDX-License-Identifier: GPL-3.0-or-later
// The navigator's route window (航线计算): the waypoints of a route in a
// table, the route's legs computed after every change, the selected leg by
// both methods, dead reckoning, and the route's files. Its layout is the
// form route_window.ui; this class joins the parts that hold what the
// controls do: the edits of the table (waypoint_editing), the settings
// above it (route_settings_panel), the selected leg (selected_leg_panel),
// dead reckoning (dead_reckoning_panel) and the files (route_files).
#pragma once

#include "routefiles/route_table.h"
#include "routewindow/meridian_interval_dialog.h"
#include "widgets/prompt.h"
#include "widgets/tool_window.h"

#include <QUndoStack>

#include <memory>

namespace Ui {
class RouteWindow;
}

namespace tarnquil {

class DeadReckoningPanel;
class RouteFiles;
class RouteSettingsPanel;
class SelectedLegPanel;
class StatusLine;
class WaypointEditing;
class WaypointTableModel;

class RouteWindow : public ToolWindow
{
    Q_OBJECT

public:
    // Tells the user what went wrong and returns when the user has read it.
    using Prompt = tarnquil::Prompt;
    using Question = tarnquil::Question;

    explicit RouteWindow(QWidget* parent = nullptr);

    // Gives the application, already prepared by prepareApplication
    // (widgets/application_setup.h), the route window's style and its font for
    // menus, tooltips and dialogs too. Called before the window is made, so
    // that no control ever opens the desktop's face.
    static void prepareApplication();
    ~RouteWindow() override;

    // Replaces the message box (title "航线计算", one button) through which
    // the window reports failures, for tests.
    void setPrompt(Prompt prompt);
    // Replaces the message box (是, 否) through which the window asks, for tests.
    void setQuestion(Question question);

    // Shows `waypoints` as a route just opened: nothing to undo, nothing
    // modified.
    void setWaypoints(const QList<WaypointText>& waypoints);

    // Opens route `routeNumber` (from 1) of a .csv or .gpx file; tells the
    // user why not and leaves the route as it was when it cannot. When plain
    // numbers of the file would be refused as both degrees and degrees and
    // minutes ("31.4"), asks whether to read them as degrees (the 度 form).
    bool openRoute(const QString& path, qsizetype routeNumber = 1);

    // Puts the settings into the fields above the table.
    void showSettings(const RouteSettings& settings);

    // Replaces the dialog that asks how often a leg is split, for tests.
    void setMeridianIntervalAsker(MeridianIntervalAsker asker);

    // Splits the great-circle leg arriving at waypoint `arrival` into rhumb
    // lines (分段为恒向线): its crossings of every `every` degrees of
    // longitude inserted before it as waypoints 大圆分点 n, and its method
    // RL, as one undo step. Returns how many waypoints were inserted: none
    // for a leg that is not by great circle, has no crossing or lacks a
    // position. `every` as nav::sailGreatCircle takes it.
    int splitGreatCircleLeg(int arrival, double every);

    // Adds a waypoint after the last, as one step to undo, and selects it.
    // Appends a fix; not when it is the last waypoint's position already.
    bool appendWaypoint(const WaypointText& waypoint);

    WaypointTableModel& model() { return *model_; }
    QUndoStack& undoStack() { return *undoStack_; }

signals:
    // 工具 > 陆标定位: the fix window is asked for; app/ opens it.
    void fixWindowRequested();
    // 工具 > 天文航海: the celestial window, likewise.
    void celestialWindowRequested();

protected:
    bool event(QEvent* event) override;
    bool mayClose() override;

private:
    void setUpActions();
    void setUpShortcuts();
    void connectEdits();
    void connectFiles();
    void setUpDeadReckoning();
    void setUpTable();
    void setUpSettings();
    void showReadSettings(const RouteSettings& settings);
    void updateTotals();
    void showCurrent();
    void updateTitle();

    std::unique_ptr<Ui::RouteWindow> ui_;
    // Children, not members: a cell still being edited is committed while
    // the window's widgets are taken down, after the members are gone.
    QUndoStack* undoStack_;
    WaypointTableModel* model_;
    DeadReckoningPanel* deadReckoning_;
    StatusLine* status_;
    Prompt prompt_;
    // The window's parts, each the handlers of its controls.
    WaypointEditing* editing_;
    RouteSettingsPanel* settings_;
    SelectedLegPanel* selectedLeg_;
    RouteFiles* files_;
};

}  // namespace tarnquil
