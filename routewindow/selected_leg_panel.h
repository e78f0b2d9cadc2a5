// SPDX-License-Identifier: GPL-3.0-or-later
// The route window's selected leg (选中航段): the leg arriving at the
// current waypoint by both methods (rhumb line and great circle: course,
// distance, the great circle's final course, the course correction, the
// distance saved and the vertex), named from the names of its ends
// ("长江口 → 航点 3"), and 分段为恒向线 of that leg when it is sailed by great
// circle.
#pragma once

#include "routewindow/meridian_interval_dialog.h"
#include "widgets/prompt.h"

#include <QObject>
#include <QString>

class QMainWindow;
class QStatusBar;

namespace Ui {
class RouteWindow;
}

namespace tarnquil {

class WaypointEditing;
class WaypointTableModel;

class SelectedLegPanel : public QObject
{
    Q_OBJECT

public:
    // The controls are the window's form's; a leg is split through `editing`
    // and a failure told by `prompt`.
    SelectedLegPanel(QMainWindow* window, Ui::RouteWindow* ui, WaypointTableModel* model,
                     WaypointEditing* editing, Prompt prompt);

    void setPrompt(Prompt prompt) { prompt_ = std::move(prompt); }
    void setMeridianIntervalAsker(MeridianIntervalAsker asker) { askInterval_ = std::move(asker); }

    // The leg arriving at waypoint `row`; none for the first, or -1.
    void showSelectedLeg(int row);
    // 分段为恒向线: asks how often, splits the current leg and says how.
    void askToSplitLeg();

private:
    QString vertexText(int row) const;
    QString legName(int arrival) const;
    QStatusBar* statusBar() const;

    QMainWindow* window_;
    Ui::RouteWindow* ui_;
    WaypointTableModel* model_;
    WaypointEditing* editing_;
    Prompt prompt_;
    MeridianIntervalAsker askInterval_;
};

}  // namespace tarnquil
