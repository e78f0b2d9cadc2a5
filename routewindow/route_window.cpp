// SPDX-License-Identifier: GPL-3.0-or-later
#include "routewindow/route_window.h"
#include "ui_route_window.h"

#include "routewindow/dead_reckoning_panel.h"
#include "routewindow/print_preview.h"
#include "routewindow/route_files.h"
#include "routewindow/route_settings_panel.h"
#include "routewindow/selected_leg_panel.h"
#include "routewindow/waypoint_editing.h"
#include "routewindow/waypoint_table_layout.h"
#include "routewindow/waypoint_table_model.h"
#include "widgets/choice_delegate.h"
#include "widgets/document_files.h"
#include "widgets/program_style.h"
#include "widgets/status_line.h"

#include "print/route_writers.h"
#include "text/method_words.h"

#include <QApplication>
#include <QFileInfo>
#include <QStatusTipEvent>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

const QString windowName = u"航线计算"_s;

struct StandardShortcut {
    QAction* Ui::RouteWindow::*action;
    QKeySequence::StandardKey key;
};

const StandardShortcut standardShortcuts[] = {
    {&Ui::RouteWindow::newAction, QKeySequence::New},
    {&Ui::RouteWindow::openAction, QKeySequence::Open},
    {&Ui::RouteWindow::saveAction, QKeySequence::Save},
    {&Ui::RouteWindow::saveAsAction, QKeySequence::SaveAs},
    {&Ui::RouteWindow::printAction, QKeySequence::Print},
    {&Ui::RouteWindow::closeAction, QKeySequence::Close},
    {&Ui::RouteWindow::undoAction, QKeySequence::Undo},
    {&Ui::RouteWindow::cutAction, QKeySequence::Cut},
    {&Ui::RouteWindow::copyAction, QKeySequence::Copy},
    {&Ui::RouteWindow::pasteAction, QKeySequence::Paste},
};

// The actions on the table's rows: their keys work while the table (or a
// cell being edited) has the focus, so that Delete, Ctrl+C and Ctrl+V in the
// other fields stay the fields' own.
QAction* Ui::RouteWindow::* const tableActions[] = {
    &Ui::RouteWindow::cutAction,    &Ui::RouteWindow::copyAction,
    &Ui::RouteWindow::pasteAction,  &Ui::RouteWindow::clearAction,
    &Ui::RouteWindow::insertAction, &Ui::RouteWindow::deleteAction,
    &Ui::RouteWindow::moveUpAction, &Ui::RouteWindow::moveDownAction,
    &Ui::RouteWindow::splitLegAction,
};

// The course of the leg arriving at waypoint `row` by its method, the
// track 预配 makes good; none for the first waypoint, a leg with a position
// missing, or no row.
std::optional<double> arrivingCourse(const WaypointTableModel& model, int row)
{
    if (row < 0)
        return std::nullopt;
    const std::optional<nav::Leg>& leg = model.tableRow(row).values.leg;
    if (!leg)
        return std::nullopt;
    return leg->course(model.waypoints().at(row).method);
}

}  // namespace

RouteWindow::RouteWindow(QWidget* parent)
    : ToolWindow(windowName, parent)
    , ui_(std::make_unique<Ui::RouteWindow>())
    , undoStack_(new QUndoStack(this))
    , model_(new WaypointTableModel(this))
    , prompt_(messageBoxPrompt(this, QMessageBox::Warning, windowName))
{
    ui_->setupUi(this);
    deadReckoning_ = new DeadReckoningPanel(
        {ui_->fromEdit, ui_->courseEdit, ui_->runEdit, ui_->runMethodCombo, ui_->reachedEdit,
         ui_->appendButton},
        {ui_->logSpeedEdit, ui_->hoursEdit, ui_->leewayEdit, ui_->setEdit, ui_->rateEdit,
         ui_->logCorrectionEdit, ui_->caEdit, ui_->cgEdit, ui_->groundSpeedEdit, ui_->betaEdit,
         ui_->gammaEdit, ui_->steerEdit, ui_->steerSpeedEdit},
        this);
    status_ = new StatusLine(statusBar());
    editing_ = new WaypointEditing(this, ui_->waypointTable, model_, undoStack_);
    settings_ = new RouteSettingsPanel(this, ui_.get(), model_, status_);
    selectedLeg_ = new SelectedLegPanel(this, ui_.get(), model_, editing_, prompt_);
    files_ = new RouteFiles(this, ui_.get(), model_, undoStack_, settings_, windowName);
    setUpActions();
    setUpDeadReckoning();
    setUpTable();
    setUpSettings();
    updateTitle();
    showCurrent();
    fitScreen();
    // Typing and pasting start in the table.
    ui_->waypointTable->setFocus();
}

void RouteWindow::prepareApplication()
{
    QApplication::setStyle(new ProgramStyle);
    ToolWindow::prepareApplication();
}

// A cell still being edited is committed while QWidget takes the window
// down, after this destructor: by then nothing may reach the window's own
// handlers, or its parts', whose controls are gone.
RouteWindow::~RouteWindow()
{
    for (QObject* sender : std::initializer_list<QObject*>{
             model_, undoStack_, deadReckoning_, ui_->waypointTable->selectionModel()}) {
        for (QObject* receiver : std::initializer_list<QObject*>{
                 this, editing_, settings_, selectedLeg_, files_})
            sender->disconnect(receiver);
    }
}

void RouteWindow::setPrompt(Prompt prompt)
{
    prompt_ = prompt;
    selectedLeg_->setPrompt(prompt);
    files_->setPrompt(std::move(prompt));
}

void RouteWindow::setMeridianIntervalAsker(MeridianIntervalAsker asker)
{
    selectedLeg_->setMeridianIntervalAsker(std::move(asker));
}

void RouteWindow::setQuestion(Question question)
{
    files_->setQuestion(std::move(question));
}

bool RouteWindow::openRoute(const QString& path, qsizetype routeNumber)
{
    return files_->openRoute(path, routeNumber);
}

void RouteWindow::showSettings(const RouteSettings& settings)
{
    settings_->showSettings(settings);
}

int RouteWindow::splitGreatCircleLeg(int arrival, double every)
{
    return editing_->splitGreatCircleLeg(arrival, every);
}

bool RouteWindow::appendWaypoint(const WaypointText& waypoint)
{
    return editing_->appendWaypoint(waypoint);
}

// The keys first: the table's actions commit a cell being edited before
// the edit, the file or the split that they are connected to next.
void RouteWindow::setUpActions()
{
    setUpShortcuts();
    connectUndoActions(undoStack_, ui_->undoAction, ui_->redoAction, u'R');
    connect(undoStack_, &QUndoStack::cleanChanged, this, &RouteWindow::updateTitle);
    connectEdits();
    connectFiles();
    connect(ui_->closeAction, &QAction::triggered, this, &QWidget::close);
    connect(ui_->aboutAction, &QAction::triggered, this, [this] {
        showAbout(u"按恒向线和大圆计算航线各航段的航向和航程、累计航程、"
                  u"航时和预计到达时间，并可推算船位。"_s);
    });
    connect(ui_->fixWindowAction, &QAction::triggered, this, &RouteWindow::fixWindowRequested);
    connect(ui_->celestialWindowAction, &QAction::triggered, this,
            &RouteWindow::celestialWindowRequested);
}

void RouteWindow::setUpShortcuts()
{
    for (const StandardShortcut& shortcut : standardShortcuts)
        ((*ui_).*shortcut.action)->setShortcuts(shortcut.key);
    // Both redo keys on every desktop: Ctrl+Y as on Windows, Ctrl+Shift+Z
    // as on the others.
    QList<QKeySequence> redo = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const QKeySequence& key : {QKeySequence(Qt::CTRL | Qt::Key_Y),
                                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}) {
        if (!redo.contains(key))
            redo.append(key);
    }
    ui_->redoAction->setShortcuts(redo);
    for (QAction* Ui::RouteWindow::*member : tableActions) {
        QAction* action = (*ui_).*member;
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        ui_->waypointTable->addAction(action);
        // Connected first, so called first: a cell being edited is committed
        // as its own step before the action's.
        connect(action, &QAction::triggered, ui_->waypointTable, &WaypointTableView::commitEdit);
    }
    ui_->waypointTable->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void RouteWindow::connectEdits()
{
    connect(ui_->cutAction, &QAction::triggered, editing_, &WaypointEditing::cutWaypoints);
    connect(ui_->copyAction, &QAction::triggered, editing_, &WaypointEditing::copyWaypoints);
    connect(ui_->pasteAction, &QAction::triggered, editing_, &WaypointEditing::pasteWaypoints);
    connect(ui_->insertAction, &QAction::triggered, editing_, &WaypointEditing::insertWaypoint);
    connect(ui_->deleteAction, &QAction::triggered, editing_, &WaypointEditing::deleteWaypoints);
    connect(ui_->clearAction, &QAction::triggered, editing_, &WaypointEditing::clearSelectedCells);
    connect(ui_->moveUpAction, &QAction::triggered, editing_, [this] { editing_->moveWaypoint(-1); });
    connect(ui_->moveDownAction, &QAction::triggered, editing_, [this] { editing_->moveWaypoint(1); });
    connect(ui_->splitLegAction, &QAction::triggered, selectedLeg_, &SelectedLegPanel::askToSplitLeg);
    connect(ui_->reverseAction, &QAction::triggered, editing_, &WaypointEditing::reverseRoute);
}

void RouteWindow::connectFiles()
{
    connect(ui_->newAction, &QAction::triggered, files_, &RouteFiles::newRoute);
    connect(ui_->openAction, &QAction::triggered, files_, &RouteFiles::open);
    connect(ui_->saveAction, &QAction::triggered, files_, &RouteFiles::save);
    connect(ui_->saveAsAction, &QAction::triggered, files_, &RouteFiles::saveAs);
    connect(ui_->exportTableAction, &QAction::triggered, files_, [this] {
        files_->exportTo(u"导出航线表"_s, routeWriterFilter(u"csv"), u"csv"_s,
                         files_->proposedName() + u"-航段表"_s);
    });
    connect(ui_->exportGpxAction, &QAction::triggered, files_, [this] {
        files_->exportTo(u"导出 GPX"_s, routeWriterFilter(u"gpx"), u"gpx"_s, files_->proposedName());
    });
    connect(ui_->printAction, &QAction::triggered, this, [this] {
        if (const QString error = printRoute(this, files_->document()); !error.isEmpty())
            prompt_(error);
    });
    connect(ui_->exportPdfAction, &QAction::triggered, files_, [this] {
        files_->exportTo(u"导出 PDF"_s, routeWriterFilter(u"pdf"), u"pdf"_s, files_->proposedName());
    });
    connect(files_, &RouteFiles::routeReplaced, this, &RouteWindow::setWaypoints);
    connect(files_, &RouteFiles::fileChanged, this, &RouteWindow::updateTitle);
}

void RouteWindow::setUpDeadReckoning()
{
    sizeReckoningFields({ui_->fromEdit, ui_->reachedEdit},
                        {ui_->courseEdit, ui_->runEdit, ui_->logSpeedEdit, ui_->hoursEdit, ui_->leewayEdit,
                         ui_->setEdit, ui_->rateEdit, ui_->logCorrectionEdit},
                        {ui_->cgEdit, ui_->groundSpeedEdit, ui_->betaEdit, ui_->gammaEdit, ui_->steerSpeedEdit});
    // After the selected waypoint, where the position was reckoned from,
    // under a name of its own.
    connect(deadReckoning_, &DeadReckoningPanel::appendRequested, this,
            [this](WaypointText waypoint) {
                waypoint.name = model_->unusedName(waypoint.name);
                const int row = editing_->currentRow();
                editing_->addWaypoints(row < 0 ? model_->rowCount() : row + 1, {waypoint}, u"添加推算船位"_s);
            });
    connect(deadReckoning_, &DeadReckoningPanel::refusalChanged, this, [this](const QString& message) {
        status_->setFieldMessage(deadReckoning_, message);
    });
    connect(deadReckoning_, &DeadReckoningPanel::textsEdited, settings_,
            &RouteSettingsPanel::setReckoning);
}

void RouteWindow::setUpTable()
{
    WaypointTableView* table = ui_->waypointTable;
    layOutWaypointTable(table, model_);
    QList<Choice> methods;
    for (const nav::Method method : {nav::Method::Rhumb, nav::Method::GreatCircle})
        methods.append({methodLabel(method), int(method)});
    table->setItemDelegateForColumn(WaypointTableModel::Method,
                                    new ChoiceDelegate(methods, u"航法"_s, table));
    // A leg's current and leeway are typed for few legs: Enter and Tab go
    // past them, the arrow keys reach them.
    table->passOverColumn(WaypointTableModel::Current);
    table->passOverColumn(WaypointTableModel::Leeway);
    connect(table->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &RouteWindow::showCurrent);
    connect(model_, &QAbstractItemModel::dataChanged, this, &RouteWindow::showCurrent);
    // The totals after every change of the route: edits recompute it whole.
    for (const auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(model_, signal, this, &RouteWindow::updateTotals);
    connect(model_, &QAbstractItemModel::modelReset, this, &RouteWindow::updateTotals);
    connect(model_, &QAbstractItemModel::dataChanged, this, &RouteWindow::updateTotals);
    connect(model_, &WaypointTableModel::waypointsEdited, editing_, &WaypointEditing::selectRows);
    connect(model_, &WaypointTableModel::editRequested, editing_, &WaypointEditing::editWaypoint);
    connect(table, &WaypointTableView::waypointWanted, editing_, &WaypointEditing::startWaypoint);
    connect(table, &WaypointTableView::editCancelled, editing_, &WaypointEditing::cancelNewRow);
}

// The settings read change the totals and the start of dead reckoning;
// a name or a change noted, the title.
void RouteWindow::setUpSettings()
{
    connect(settings_, &RouteSettingsPanel::settingsRead, this, &RouteWindow::showReadSettings);
    connect(settings_, &RouteSettingsPanel::titleChanged, this, &RouteWindow::updateTitle);
    settings_->setUp();
}

void RouteWindow::showReadSettings(const RouteSettings& settings)
{
    deadReckoning_->setSettings(settings.form, settings.model);
    deadReckoning_->showTexts(settings.reckoning);
    updateTotals();
}

void RouteWindow::updateTotals()
{
    const QString totals = totalsText(model_->table(), model_->settings().etaZone);
    ui_->totalsLabel->setText(totals);
    // Its accessible name is 合计, which screen readers read instead of the
    // text; the figures go with it as the description, as the status bar's do.
    ui_->totalsLabel->setAccessibleDescription(totals);
}

void RouteWindow::showCurrent()
{
    const QModelIndex current = ui_->waypointTable->currentIndex();
    const int row = current.isValid() ? current.row() : -1;
    if (row != model_->newRow())
        editing_->leaveNewRow();
    const QString refusal = current.isValid() ? model_->refusal(current) : QString();
    const QString message = refusal.isEmpty()
        ? QString()
        : u"第 %1 个航点的%2："_s.arg(row + 1).arg(model_->headerData(
              current.column(), Qt::Horizontal, Qt::DisplayRole).toString())
            + refusal;
    // A cell's message goes once the cell reads or is no longer current.
    status_->setFieldMessage(ui_->waypointTable, message);
    selectedLeg_->showSelectedLeg(row);
    deadReckoning_->setSelectedPosition(row >= 0 ? model_->tableRow(row).position
                                                 : std::nullopt);
    deadReckoning_->setSelectedTrack(arrivingCourse(*model_, row));
}

// 航线计算 — 横渡北太平洋 — 航线.csv, the name when the route has one and
// the file is not named after it.
void RouteWindow::updateTitle()
{
    const QString file = documentFileName(files_->path());
    // A name the file is named after is said once.
    const QString name = settings_->routeName();
    const bool sayName = !name.isEmpty() && name != QFileInfo(files_->path()).completeBaseName();
    showTitle(sayName ? QStringList{name, file} : QStringList{file}, files_->isModified());
}

// The first leg is selected, so that its figures show at once.
void RouteWindow::setWaypoints(const QList<WaypointText>& waypoints)
{
    model_->resetWaypoints(waypoints);
    undoStack_->clear();
    settings_->markUnchanged();
    updateTitle();
    if (!waypoints.isEmpty())
        ui_->waypointTable->setCurrentIndex(
            model_->index(std::min(1, model_->rowCount() - 1), WaypointTableModel::Name));
    showCurrent();
}

// The actions have no status tips: moving over the menus leaves the status
// bar's message, which Qt would clear with each action's empty tip.
bool RouteWindow::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip && static_cast<QStatusTipEvent*>(event)->tip().isEmpty())
        return true;
    return ToolWindow::event(event);
}

bool RouteWindow::mayClose()
{
    return files_->mayDiscardChanges();
}

}  // namespace tarnquil
