// SPDX-License-Identifier: GPL-3.0-or-later
// The navigator's route window (航线计算): the waypoints of a route in a
// table, the route's legs computed after every change, the selected leg by
// both methods, dead reckoning, and the route's files. Its layout is the
// form route_window.ui; this class holds what the controls do.
#pragma once

#include "route_table.h"

#include <QMainWindow>
#include <QUndoStack>

#include <functional>
#include <memory>

namespace Ui {
class RouteWindow;
}

namespace tarnquil {

class DeadReckoningPanel;
class WaypointTableModel;

class RouteWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Tells the user what went wrong and returns when the user has read it.
    using Prompt = std::function<void(const QString& message)>;

    explicit RouteWindow(QWidget* parent = nullptr);
    ~RouteWindow() override;

    // Replaces the message box (title "航线计算", one button) through which
    // the window reports failures, for tests.
    void setPrompt(Prompt prompt);

    // Shows `waypoints` as a route just opened: nothing to undo, nothing
    // modified.
    void setWaypoints(const QList<WaypointText>& waypoints);

    WaypointTableModel& model() { return *model_; }
    QUndoStack& undoStack() { return *undoStack_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void setUpActions();
    void setUpTable();
    void setUpSettings();

    void readSettings();
    void showCurrent();
    void showSelectedLeg(int row);
    void updateTitle();

    QList<int> selectedRows() const;
    int currentRow() const;
    void insertWaypoint();
    void deleteWaypoints();
    void moveWaypoint(int step);
    void copyWaypoints();
    void cutWaypoints();
    void pasteWaypoints();
    void addWaypoints(int row, const QList<WaypointText>& waypoints, const QString& text);
    void selectRows(int firstRow, int rowCount);
    void about();

    std::unique_ptr<Ui::RouteWindow> ui_;
    // Children, not members: a cell still being edited is committed while
    // the window's widgets are taken down, after the members are gone.
    QUndoStack* undoStack_;
    WaypointTableModel* model_;
    DeadReckoningPanel* deadReckoning_;
    Prompt prompt_;
    QString filePath_;
};

}  // namespace tarnquil
