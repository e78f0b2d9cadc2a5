// SPDX-License-Identifier: GPL-3.0-or-later
// The navigator's fix window (陆标定位): bearings, ranges and horizontal
// angles of charted marks in a table, the fix worked out again after every
// change, its figures and warnings, and its plot (定位图), which is copied,
// printed and exported with the observations beside it. Its layout is the
// form fix_window.ui; this class holds what the controls do. It knows no
// other window: 加入航线 asks, by addToRouteRequested, for whoever opened
// it to add the fix to a route, and 工具 by routeWindowRequested and
// celestialWindowRequested for the other windows. 记入船位 records the fix for 求流, the
// current found between the last two fixes recorded
// (found_current_reading.h).
//
// The observations are typed as in a spreadsheet (EntryTableView): the
// window starts in the first row's 物标; Enter commits a cell and moves on
// to 物标2 (a horizontal angle's only), 观测值, 时间或航程, then the next
// row's 物标, so three bearings are typed mark, Enter, value, Enter, Enter,
// mark, ...; Tab and Shift+Tab move the same way and leave the table only
// past its last cell or before its first; Home goes to the row's 物标.
// 类型 is passed over: a new row takes the kind of the row before; Left
// from 物标 reaches it, F2 (or typing) opens its list, the arrow keys
// choose and Enter takes the kind and goes on to 物标.
#pragma once

#include "fixwindow/fix_document.h"
#include "fixwindow/observation_table_model.h"
#include "text/fix_reading.h"
#include "text/sent_sight.h"
#include "print/fix_sheet.h"
#include "routefiles/route_table.h"
#include "widgets/prompt.h"
#include "widgets/tool_window.h"

#include "nav/fix.h"

#include <QUndoStack>

#include <memory>
#include <optional>

namespace Ui {
class FixWindow;
}

namespace tarnquil {

class FixSettingsPanel;
class FixSheetOutput;

class FixWindow : public ToolWindow
{
    Q_OBJECT

public:
    explicit FixWindow(QWidget* parent = nullptr);
    ~FixWindow() override;

    // Gives the application, already prepared by prepareApplication
    // (widgets/application_setup.h), the window's font for menus, tooltips
    // and dialogs too, before the window is made.
    static void prepareApplication();

    // Replaces the message box through which the window reports failures,
    // for tests.
    void setPrompt(Prompt prompt);

    ObservationTableModel& model() { return *model_; }
    FixDocument& document() { return document_; }
    QUndoStack& undoStack() { return *undoStack_; }
    // The fix shown, if there is one.
    const std::optional<nav::Fix>& fix() const { return fix_; }
    // The sheet that is printed, exported and copied as an image.
    FixSheet sheet() const;

    // A sight from the celestial window (text/sent_sight.h) as a
    // 天体高度 row after the others, one undo step, its settings filled
    // where empty; or, with nothing changed, why not.
    QString takeSight(const SentSight& sight);

    // Says in the status bar whether the route took the fix sent by
    // addToRouteRequested: it declines a fix equal to its last waypoint.
    void showAddedToRoute(bool added);

signals:
    // 加入航线: the fix as a waypoint, for a route window to append.
    void addToRouteRequested(const tarnquil::WaypointText& waypoint);
    // 工具: the route window (the one opened last), the celestial window.
    void routeWindowRequested();
    void celestialWindowRequested();

protected:
    bool mayClose() override;

private:
    void setUpActions();
    void setUpTable();
    void setUpDocument();
    void showTexts(const FixTexts& texts);
    void updateTitle();
    void recompute();
    FixDrawing drawing(const FixSettingTexts& settings, const FixReading& read) const;
    FixTexts fixTexts() const;
    void showAnswer(const QStringList& problems, const QStringList& figures, bool hintOnly);

    void insertObservation();
    void deleteObservations();
    void copyFix();
    void addToRoute();
    void recordFix();

    std::unique_ptr<Ui::FixWindow> ui_;
    FixSettingsPanel* settings_;
    ObservationTableModel* model_;
    FixSheetOutput* output_;
    QUndoStack* undoStack_;
    FixDocument document_;
    std::optional<nav::Fix> fix_;
    QStringList answer_;
    QStringList observationLines_;
};

}  // namespace tarnquil
