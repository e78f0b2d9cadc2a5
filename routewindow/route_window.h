// SPDX-License-Identifier: GPL-3.0-or-later
// The navigator's route window (航线计算): the waypoints of a route in a
// table, the route's legs computed after every change, the selected leg by
// both methods, dead reckoning, and the route's files. Its layout is the
// form route_window.ui; this class holds what the controls do.
#pragma once

#include "routefiles/route_table.h"
#include "routewindow/meridian_interval_dialog.h"
#include "widgets/prompt.h"

#include <QMainWindow>
#include <QStringList>
#include <QModelIndex>
#include <QUndoStack>

#include <memory>
#include <optional>

namespace Ui {
class RouteWindow;
}

namespace tarnquil {

class DeadReckoningPanel;
class StatusLine;
struct RouteDocument;
struct RouteFile;
class WaypointTableModel;

class RouteWindow : public QMainWindow
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

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void setUpActions();
    void setUpDeadReckoning();
    void setUpTable();
    void setUpSettings();
    void setUpZones();
    void noteSettingsChanged();
    void updateTotals();
    bool isModified() const;
    QString routeName() const;
    void setRouteName(const QString& name);
    void reverseRoute();

    void readSettings();
    geo::NumberForm chosenForm() const;
    void chooseForm(geo::NumberForm form);
    bool offerDegrees(const QString& path, const RouteFile& file);
    void showCurrent();
    void showSelectedLeg(int row);
    QString vertexText(int row) const;
    QString legName(int arrival) const;
    void askToSplitLeg();
    void updateTitle();

    QList<int> selectedRows() const;
    QModelIndex selectedCell() const;
    int currentRow() const;
    void startWaypoint(int row);
    void takeBack(const QUndoCommand* began);
    void cancelNewRow(const QModelIndex& index);
    void leaveNewRow();
    void insertWaypoint();
    void deleteWaypoints();
    void clearCells(const QModelIndexList& cells, const QString& verb);
    void moveWaypoint(int step);
    void copyWaypoints();
    void cutWaypoints();
    void pasteWaypoints();
    void addWaypoints(int row, const QList<WaypointText>& waypoints, const QString& text);
    void selectRows(int firstRow, int rowCount);
    void about();

    bool mayDiscardChanges();
    void newRoute();
    void open();
    bool hasWaypointFile() const;
    bool save();
    bool saveAs();
    bool saveTo(const QString& path);
    void exportTo(const QString& title, const QString& filter, const QString& suffix,
                  const QString& name);
    QString proposedName() const;
    QString askForFile(const QString& title, const QString& filter, const QString& suffix,
                       const QString& name);
    std::optional<qsizetype> chooseGpxRoute(const QString& path);
    QString startFolder() const;
    RouteDocument document() const;
    void exportPdf();

    std::unique_ptr<Ui::RouteWindow> ui_;
    // Children, not members: a cell still being edited is committed while
    // the window's widgets are taken down, after the members are gone.
    QUndoStack* undoStack_;
    WaypointTableModel* model_;
    DeadReckoningPanel* deadReckoning_;
    StatusLine* status_;
    Prompt prompt_;
    Question question_;
    MeridianIntervalAsker askInterval_;
    QString filePath_;   // the CSV file the route was opened from or saved to
    // The columns of a plan the CSV file at filePath_ lacks, when another
    // tool wrote it: saving over it says so first.
    QStringList absentColumns_;
    // A setting that files keep (speed, departure, zone, model, name) changed
    // since the route was opened or saved; showSettings changes none.
    bool settingsChanged_ = false;
    bool showingSettings_ = false;
    const QUndoCommand* newRowCommand_ = nullptr;  // the step that began the new row
};

}  // namespace tarnquil
