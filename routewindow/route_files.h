// SPDX-License-Identifier: GPL-3.0-or-later
// The route window's files: 新建, 打开 (a CSV file or a route of a GPX file),
// 保存 and 另存为 as the leg table in CSV, 导出 as a leg table, GPX or PDF,
// and the question before changes are closed or replaced. The route is saved
// only to a CSV file of its own: one opened from GPX, or from a CSV file of
// another tool that lacks columns of the plan, is saved as a new file unless
// the navigator says to rewrite it.
#pragma once

#include "routefiles/route_document.h"
#include "widgets/prompt.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

class QMainWindow;
class QStatusBar;
class QUndoStack;

namespace Ui {
class RouteWindow;
}

namespace tarnquil {

class RouteSettingsPanel;
struct RouteFile;
class WaypointTableModel;

class RouteFiles : public QObject
{
    Q_OBJECT

public:
    // The route is `model`'s with the settings of `settings`; `undoStack`
    // says whether its waypoints changed. Message boxes are titled `title`.
    RouteFiles(QMainWindow* window, Ui::RouteWindow* ui, WaypointTableModel* model,
               QUndoStack* undoStack, RouteSettingsPanel* settings, const QString& title);

    void setPrompt(Prompt prompt) { prompt_ = std::move(prompt); }
    void setQuestion(Question question) { question_ = std::move(question); }

    // The CSV or GPX file the route was opened from or saved to; empty for
    // a new route.
    const QString& path() const { return filePath_; }
    // Whether the waypoints or the settings files keep changed since the
    // route was opened or saved.
    bool isModified() const;
    // As RouteWindow::openRoute.
    bool openRoute(const QString& path, qsizetype routeNumber);
    // The route as it is written to files and printed; a new route has no name.
    RouteDocument document() const;
    // Asked before the route is closed or replaced: true when nothing
    // changed, or the changes were saved or given up.
    bool mayDiscardChanges();

    void newRoute();
    void open();
    bool save();
    bool saveAs();
    void exportTo(const QString& title, const QString& filter, const QString& suffix,
                  const QString& name);
    QString proposedName() const;

signals:
    // A route opened, or a new one: its waypoints replace the table's.
    void routeReplaced(const QList<tarnquil::WaypointText>& waypoints);
    // The route was saved to a file, perhaps a new one.
    void fileChanged();

private:
    bool offerDegrees(const QString& path, const RouteFile& file);
    bool hasWaypointFile() const;
    bool saveTo(const QString& path);
    QString askForFile(const QString& title, const QString& filter, const QString& suffix,
                       const QString& name);
    std::optional<qsizetype> chooseGpxRoute(const QString& path);
    QString startFolder() const;
    QStatusBar* statusBar() const;

    QMainWindow* window_;
    Ui::RouteWindow* ui_;
    WaypointTableModel* model_;
    QUndoStack* undoStack_;
    RouteSettingsPanel* settings_;
    Prompt prompt_;
    Question question_;
    SaveQuestion saveQuestion_;
    QString filePath_;   // the CSV file the route was opened from or saved to
    // The columns of a plan the CSV file at filePath_ lacks, when another
    // tool wrote it: saving over it says so first.
    QStringList absentColumns_;
};

}  // namespace tarnquil
