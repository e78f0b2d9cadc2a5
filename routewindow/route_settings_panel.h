// SPDX-License-Identifier: GPL-3.0-or-later
// The route window's settings above the table: the route's name, the form
// plain numbers are read in (分, 秒, 度), the figure of the Earth, the speed,
// the departure with its zone and the zone ETAs are shown in. Every change
// is read into the table's model at once; a speed, departure or zone that
// does not read is marked with its reason and left out, so that no time is
// guessed from it.
#pragma once

#include "routefiles/route_table.h"

#include "geo/number_form.h"

#include <QObject>
#include <QString>

class QMainWindow;
class QStatusBar;

namespace Ui {
class RouteWindow;
}

namespace tarnquil {

class StatusLine;
class WaypointTableModel;

class RouteSettingsPanel : public QObject
{
    Q_OBJECT

public:
    // The controls are the window's form's; `status` tells of a refused text.
    RouteSettingsPanel(QMainWindow* window, Ui::RouteWindow* ui, WaypointTableModel* model,
                       StatusLine* status);

    // Fills the lists, connects the fields and reads them a first time.
    void setUp();

    // Reads the fields into the model; settingsRead follows.
    void readSettings();
    // Puts the settings into the fields; no change of the route is noted.
    void showSettings(const RouteSettings& settings);
    // The dead reckoning's wind and current, kept with the settings: as the
    // navigator edits them (a change of the route), and as a route brings
    // them (none noted).
    void setReckoning(const ReckoningTexts& texts);
    void showReckoning(const ReckoningTexts& texts);
    void chooseForm(geo::NumberForm form);

    QString routeName() const;
    // As a file names the route; no change of the route is noted.
    void setRouteName(const QString& name);

    // Whether the navigator changed a setting that files keep (speed,
    // departure, zone, model, name, the dead reckoning's wind and current)
    // since markUnchanged.
    bool isChanged() const { return settingsChanged_; }
    void markUnchanged() { settingsChanged_ = false; }

signals:
    // The fields were read into the model, which holds them now.
    void settingsRead(const tarnquil::RouteSettings& settings);
    // The route's name or whether it is modified changed: the title follows.
    void titleChanged();

private:
    void setUpZones();
    void noteSettingsChanged();
    geo::NumberForm chosenForm() const;
    QStatusBar* statusBar() const;

    QMainWindow* window_;
    Ui::RouteWindow* ui_;
    WaypointTableModel* model_;
    StatusLine* status_;
    ReckoningTexts reckoning_;
    bool settingsChanged_ = false;
    bool showingSettings_ = false;
};

}  // namespace tarnquil
