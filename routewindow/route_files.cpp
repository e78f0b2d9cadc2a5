// SPDX-License-Identifier: GPL-3.0-or-later
#include "routewindow/route_files.h"
#include "ui_route_window.h"

#include "routewindow/route_settings_panel.h"
#include "routewindow/waypoint_columns.h"
#include "routewindow/waypoint_table_model.h"
#include "widgets/document_files.h"

#include "print/route_pdf.h"
#include "print/route_writers.h"
#include "routefiles/export_rule.h"
#include "routefiles/gpx_reader.h"
#include "routefiles/route_csv.h"
#include "routefiles/route_file.h"
#include "routefiles/same_file.h"
#include "routefiles/save_file.h"
#include "text/form_words.h"
#include "text/quoted_text.h"
#include "text/utf8_text.h"

#include <QDir>
#include <QFileInfo>
#include <QInputDialog>
#include <QMainWindow>
#include <QStatusBar>
#include <QUndoStack>

using namespace Qt::StringLiterals;

namespace tarnquil {

RouteFiles::RouteFiles(QMainWindow* window, Ui::RouteWindow* ui, WaypointTableModel* model,
                       QUndoStack* undoStack, RouteSettingsPanel* settings, const QString& title)
    : QObject(window)
    , window_(window)
    , ui_(ui)
    , model_(model)
    , undoStack_(undoStack)
    , settings_(settings)
    , prompt_(messageBoxPrompt(window, QMessageBox::Warning, title))
    , question_(messageBoxQuestion(window, title))
    , saveQuestion_(messageBoxSaveQuestion(window, title))
{
}

QStatusBar* RouteFiles::statusBar() const
{
    return window_->statusBar();
}

bool RouteFiles::isModified() const
{
    return !undoStack_->isClean() || settings_->isChanged();
}

bool RouteFiles::mayDiscardChanges()
{
    return tarnquil::mayDiscardChanges(isModified(), u"航线"_s, filePath_, saveQuestion_,
                                       [this] { return save(); });
}

QString RouteFiles::startFolder() const
{
    return filePath_.isEmpty() ? QDir::homePath() : QFileInfo(filePath_).absolutePath();
}

void RouteFiles::newRoute()
{
    if (!mayDiscardChanges())
        return;
    filePath_.clear();
    absentColumns_.clear();
    settings_->setRouteName({});
    settings_->showReckoning({});
    emit routeReplaced({});
}

void RouteFiles::open()
{
    if (!mayDiscardChanges())
        return;
    const QString path = askForOpenFile(window_, u"打开航线"_s, startFolder(), routeFileFilter());
    if (path.isEmpty())
        return;
    if (const std::optional<qsizetype> number = chooseGpxRoute(path))
        openRoute(path, *number);
}

// A GPX file of several routes: which one to open, asked from a list of
// their names and sizes; nothing when the user cancels. Any other file has
// one route, and a file that does not read is refused by openRoute.
std::optional<qsizetype> RouteFiles::chooseGpxRoute(const QString& path)
{
    if (!holdsSeveralRoutes(path))
        return 1;
    const GpxReading reading = readGpxFile(path);
    if (reading.routes.size() <= 1)
        return 1;
    QStringList routes;
    for (const GpxRoute& route : reading.routes) {
        const QString name = route.name.isEmpty() ? u"（无名称）"_s : route.name;
        routes << u"%1. %2（%3 个航点）"_s.arg(routes.size() + 1).arg(name).arg(route.points.size());
    }
    bool chosen = false;
    const QString route = QInputDialog::getItem(
        window_, u"选择航线"_s,
        u"文件%1中有 %2 条航线，请选择要打开的一条："_s.arg(quotedPath(path)).arg(routes.size()),
        routes, 0, false, &chosen);
    if (!chosen)
        return std::nullopt;
    return routes.indexOf(route) + 1;
}

bool RouteFiles::openRoute(const QString& path, qsizetype routeNumber)
{
    const RouteFile file = readRouteFile(path, routeNumber);
    if (!file.error.isEmpty()) {
        prompt_(file.error);
        return false;
    }
    const bool asDegrees = offerDegrees(path, file);
    if (asDegrees)
        settings_->chooseForm(geo::NumberForm::Degrees);
    filePath_ = path;
    absentColumns_ = file.absentColumns;
    // What the file says of the route as a whole; the rest stays as set,
    // but for the dead reckoning's wind and current, which are the route's
    // own: a file without them has none.
    RouteSettings settings = model_->settings();
    settings.reckoning = {};
    settings_->showSettings(withSaved(settings, file.saved));
    settings_->setRouteName(file.name);
    emit routeReplaced(file.waypoints);
    QString details;
    if (!file.encoding.isEmpty() && file.encoding != utf8Encoding)
        details += u"，按 %1 编码读取"_s.arg(file.encoding);
    if (asDegrees)
        details += u"，不带度、分符号的数字按度读取"_s;
    statusBar()->showMessage(
        u"已打开%1，共 %2 个航点%3。"_s.arg(quotedPath(path)).arg(file.waypoints.size()).arg(details));
    return true;
}

// Whether the route was opened from or saved to a waypoint list in CSV,
// which 保存 writes again.
bool RouteFiles::hasWaypointFile() const
{
    return !filePath_.isEmpty() && isWaypointFile(filePath_);
}

// Plain numbers refused as both degrees and packed degrees and minutes: the
// navigator says whether the file means degrees, as tools and web maps write
// them. Asked once, for the whole file, naming the first such text.
bool RouteFiles::offerDegrees(const QString& path, const RouteFile& file)
{
    const RouteSettings settings = model_->settings();
    if (settings.form == geo::NumberForm::Degrees)
        return false;
    const QList<RouteTableRow> rows = makeRouteTable(file.waypoints, settings);
    qsizetype count = 0;
    QString first;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        for (const CellRefusal& refusal : rows[i].refusals) {
            if (refusal.rule != geo::Rule::AmbiguousNumber)
                continue;
            if (count++ == 0)
                first = waypointPlace(file, i) + legColumnTitle(refusal.column)
                    + quotedText(refusal.column == LegColumn::Latitude ? file.waypoints[i].latitude
                                                                       : file.waypoints[i].longitude)
                    + u"："_s + refusal.message;
        }
    }
    if (count == 0)
        return false;
    return question_(u"%1中有 %2 处不带度、分符号的数字有两种读法，如%3\n\n"
                     u"是否把文件中不带符号的数字都按度（十进制的度）读取？选“否”则%4，"
                     u"这些数字标为无法识别。"_s.arg(quotedPath(path)).arg(count).arg(first,
                                                                                formReading(settings.form)));
}

// Saved as the leg table in CSV, which holds the whole plan; a route opened
// from GPX is saved as a new CSV file, never over the GPX file. A CSV file of
// another tool lacks columns of the plan: the navigator says whether it is
// to be rewritten as a leg table or the route saved as a new file.
bool RouteFiles::save()
{
    if (!hasWaypointFile())
        return saveAs();
    if (!absentColumns_.isEmpty()
        && !question_(u"%1不是 Tarnquil 的航线表，没有%2列，存不下航线的这些内容。\n\n"
                      u"是否按航线表的格式改写该文件？航点、航法、航速、备注、开航时间与区时、"
                      u"航线名称和地球模型都会保存，该文件中其他的列不再保留。"
                      u"选“否”则另存为新文件。"_s.arg(quotedPath(filePath_), absentColumns_.join(u'、'))))
        return saveAs();
    return saveTo(filePath_);
}

bool RouteFiles::saveAs()
{
    const QString path = askForFile(u"另存为"_s, routeFileKindFilter(u"csv"), u"csv"_s, proposedName());
    return !path.isEmpty() && saveTo(path);
}

bool RouteFiles::saveTo(const QString& path)
{
    if (const QString error = saveFile(path, legTableCsv(document())); !error.isEmpty()) {
        prompt_(error);
        return false;
    }
    filePath_ = path;
    absentColumns_.clear();
    settings_->markUnchanged();
    undoStack_->setClean();
    emit fileChanged();
    statusBar()->showMessage(u"已保存到%1。"_s.arg(quotedPath(path)));
    return true;
}

// The route's name, as files written are named after it.
QString RouteFiles::proposedName() const
{
    if (!settings_->routeName().isEmpty())
        return settings_->routeName();
    return filePath_.isEmpty() ? u"航线"_s : QFileInfo(filePath_).completeBaseName();
}

QString RouteFiles::askForFile(const QString& title, const QString& filter, const QString& suffix,
                               const QString& name)
{
    return askForSaveFile(window_, title, QDir(startFolder()).filePath(name + u'.' + suffix), filter,
                          suffix);
}

// As the command line exports: only a route export_rule.h allows, to a file
// whose extension says how, and never over the waypoint file that 保存
// writes.
void RouteFiles::exportTo(const QString& title, const QString& filter, const QString& suffix,
                          const QString& name)
{
    model_->setNewRow(-1);  // its empty cells are refused here too
    if (const std::optional<ExportRefusal> refusal = exportRefusal(model_->waypoints(), model_->table())) {
        if (refusal->waypoint >= 0)
            ui_->waypointTable->setCurrentIndex(model_->index(int(refusal->waypoint),
                                                              waypoint_table::columnShowing(refusal->column)));
        prompt_(refusal->message);
        return;
    }
    const QString path = askForFile(title, filter, suffix, name);
    if (path.isEmpty())
        return;
    if (hasWaypointFile() && sameFile(path, filePath_)) {
        prompt_(u"%1是正在编辑的航线文件，导出不能覆盖它，请另选文件名。"_s.arg(quotedPath(path)));
        return;
    }
    const RouteWriter writer = routeWriterFor(path);
    if (writer == nullptr) {
        prompt_(unsupportedExportMessage(path));
        return;
    }
    if (const QString error = writer(path, document()); !error.isEmpty()) {
        prompt_(error);
        return;
    }
    statusBar()->showMessage(u"已导出到%1。"_s.arg(quotedPath(path)));
}

// The route as it is written to files and printed; a new route has no name.
RouteDocument RouteFiles::document() const
{
    return {settings_->routeName(), model_->waypoints(), model_->settings(), model_->table()};
}

}  // namespace tarnquil
