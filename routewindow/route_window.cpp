// SPDX-License-Identifier: GPL-3.0-or-later
#include "routewindow/route_window.h"
#include "ui_route_window.h"

#include "routewindow/dead_reckoning_panel.h"
#include "routewindow/meridian_interval_dialog.h"
#include "routewindow/print_preview.h"
#include "widgets/refusal_mark.h"
#include "widgets/program_style.h"
#include "widgets/status_line.h"
#include "routewindow/waypoint_clipboard.h"
#include "routewindow/waypoint_commands.h"
#include "routewindow/waypoint_table_model.h"

#include "print/route_pdf.h"
#include "print/route_writers.h"
#include "routefiles/great_circle_split.h"
#include "routefiles/export_rule.h"
#include "routefiles/gpx_reader.h"
#include "routefiles/route_csv.h"
#include "routefiles/route_file.h"
#include "routefiles/same_file.h"
#include "routefiles/save_file.h"
#include "text/form_words.h"
#include "text/method_words.h"
#include "text/quantity_text.h"
#include "text/quoted_text.h"
#include "text/refusals.h"
#include "text/utf8_text.h"
#include "text/version.h"
#include "widgets/choice_delegate.h"
#include "widgets/song_font.h"

#include "nav/display.h"
#include "nav/entry.h"
#include "nav/great_circle.h"
#include "nav/eta_zone.h"
#include "nav/time_zone.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QInputDialog>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStatusTipEvent>
#include <QTimer>
#include <QtMath>

#include <utility>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

const QString windowName = u"航线计算"_s;

// The window's font size: 10.5 points, the 五号 of Chinese documents and forms.
constexpr qreal pointSize = 10.5;

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

// The font's digit and ideograph widths, in pixels.
struct Advances {
    qreal digit;
    qreal ideograph;

    explicit Advances(const QFontMetricsF& metrics)
        : digit(metrics.horizontalAdvance(u'0'))
        , ideograph(metrics.horizontalAdvance(u'航'))
    {
    }

    int width(qreal digits, qreal ideographs) const
    {
        return qCeil(digits * digit + ideographs * ideograph);
    }
};

// The form options (分, 秒, 度) and the forms they choose.
struct FormOption {
    QRadioButton* Ui::RouteWindow::*option;
    geo::NumberForm form;
};

const FormOption formOptions[] = {
    {&Ui::RouteWindow::minutesOption, geo::NumberForm::Minutes},
    {&Ui::RouteWindow::secondsOption, geo::NumberForm::Seconds},
    {&Ui::RouteWindow::degreesOption, geo::NumberForm::Degrees},
};

QString countedWaypoints(const QString& verb, qsizetype count)
{
    return u"%1 %2 个航点"_s.arg(verb).arg(count);
}

}  // namespace

RouteWindow::RouteWindow(QWidget* parent)
    : QMainWindow(parent)
    , ui_(std::make_unique<Ui::RouteWindow>())
    , undoStack_(new QUndoStack(this))
    , model_(new WaypointTableModel(this))
    , prompt_(messageBoxPrompt(this, QMessageBox::Warning, windowName))
    , question_(messageBoxQuestion(this, windowName))
    , askInterval_(meridianIntervalDialog(this))
{
    // The font first, for the controls to take as they are made; menus,
    // dialogs and tooltips are windows of their own, which take the
    // window's font only when told to.
    setAttribute(Qt::WA_WindowPropagation);
    setFont(songFont(pointSize));
    ui_->setupUi(this);
    deadReckoning_ = new DeadReckoningPanel(
        {ui_->fromEdit, ui_->courseEdit, ui_->runEdit, ui_->runMethodCombo, ui_->reachedEdit,
         ui_->appendButton},
        this);
    status_ = new StatusLine(statusBar());
    setUpActions();
    setUpDeadReckoning();
    setUpTable();
    setUpSettings();
    updateTitle();
    showCurrent();
    // The form's size, or nine tenths of the screen's on a small or strongly
    // scaled screen: the frame the window manager adds is not known before
    // the window is shown, and a window the size of the screen put its
    // bottom rows and status bar below the screen's edge.
    constexpr qreal screenShare = 0.9;
    resize(size().boundedTo(screen()->availableGeometry().size() * screenShare));
    // Typing and pasting start in the table.
    ui_->waypointTable->setFocus();
}

void RouteWindow::prepareApplication()
{
    QApplication::setStyle(new ProgramStyle);
    QApplication::setFont(songFont(pointSize));
}

// A cell still being edited is committed while QWidget takes the window
// down, after this destructor: by then nothing may reach the window's own
// handlers, whose controls are gone.
RouteWindow::~RouteWindow()
{
    for (QObject* sender : std::initializer_list<QObject*>{
             model_, undoStack_, deadReckoning_, ui_->waypointTable->selectionModel()})
        sender->disconnect(this);
}

void RouteWindow::setPrompt(Prompt prompt)
{
    prompt_ = std::move(prompt);
}

void RouteWindow::setMeridianIntervalAsker(MeridianIntervalAsker asker)
{
    askInterval_ = std::move(asker);
}

void RouteWindow::setQuestion(Question question)
{
    question_ = std::move(question);
}

void RouteWindow::setUpActions()
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

    connect(ui_->undoAction, &QAction::triggered, undoStack_, &QUndoStack::undo);
    connect(ui_->redoAction, &QAction::triggered, undoStack_, &QUndoStack::redo);
    connect(undoStack_, &QUndoStack::canUndoChanged, ui_->undoAction, &QAction::setEnabled);
    connect(undoStack_, &QUndoStack::canRedoChanged, ui_->redoAction, &QAction::setEnabled);
    connect(undoStack_, &QUndoStack::undoTextChanged, this, [this](const QString& text) {
        ui_->undoAction->setText(u"撤销%1(&U)"_s.arg(text));
    });
    connect(undoStack_, &QUndoStack::redoTextChanged, this, [this](const QString& text) {
        ui_->redoAction->setText(u"重做%1(&R)"_s.arg(text));
    });
    connect(undoStack_, &QUndoStack::cleanChanged, this, &RouteWindow::updateTitle);

    connect(ui_->cutAction, &QAction::triggered, this, &RouteWindow::cutWaypoints);
    connect(ui_->copyAction, &QAction::triggered, this, &RouteWindow::copyWaypoints);
    connect(ui_->pasteAction, &QAction::triggered, this, &RouteWindow::pasteWaypoints);
    connect(ui_->insertAction, &QAction::triggered, this, &RouteWindow::insertWaypoint);
    connect(ui_->deleteAction, &QAction::triggered, this, &RouteWindow::deleteWaypoints);
    connect(ui_->clearAction, &QAction::triggered, this, [this] {
        QModelIndexList cells = ui_->waypointTable->selectionModel()->selectedIndexes();
        if (cells.isEmpty() && ui_->waypointTable->currentIndex().isValid())
            cells.append(ui_->waypointTable->currentIndex());
        clearCells(cells, u"清除"_s);
    });
    connect(ui_->moveUpAction, &QAction::triggered, this, [this] { moveWaypoint(-1); });
    connect(ui_->moveDownAction, &QAction::triggered, this, [this] { moveWaypoint(1); });
    connect(ui_->splitLegAction, &QAction::triggered, this, &RouteWindow::askToSplitLeg);
    connect(ui_->reverseAction, &QAction::triggered, this, &RouteWindow::reverseRoute);
    connect(ui_->newAction, &QAction::triggered, this, &RouteWindow::newRoute);
    connect(ui_->openAction, &QAction::triggered, this, &RouteWindow::open);
    connect(ui_->saveAction, &QAction::triggered, this, &RouteWindow::save);
    connect(ui_->saveAsAction, &QAction::triggered, this, &RouteWindow::saveAs);
    connect(ui_->exportTableAction, &QAction::triggered, this, [this] {
        exportTo(u"导出航线表"_s, u"CSV 文件 (*.csv)"_s, u"csv"_s, proposedName() + u"-航段表"_s);
    });
    connect(ui_->exportGpxAction, &QAction::triggered, this, [this] {
        exportTo(u"导出 GPX"_s, u"GPX 文件 (*.gpx)"_s, u"gpx"_s, proposedName());
    });
    connect(ui_->printAction, &QAction::triggered, this, [this] {
        if (const QString error = printRoute(this, document()); !error.isEmpty())
            prompt_(error);
    });
    connect(ui_->exportPdfAction, &QAction::triggered, this, &RouteWindow::exportPdf);
    connect(ui_->closeAction, &QAction::triggered, this, &QWidget::close);
    connect(ui_->aboutAction, &QAction::triggered, this, &RouteWindow::about);
    connect(ui_->fixWindowAction, &QAction::triggered, this, &RouteWindow::fixWindowRequested);
}

// Widths from the font: room for a whole position, little for a number.
void RouteWindow::setUpDeadReckoning()
{
    const Advances advances{QFontMetricsF(font())};
    const int position = advances.width(22, 0);  // 00°00.00′N 000°00.00′E
    const int padding = advances.width(0, 1);
    for (QLineEdit* field : {ui_->fromEdit, static_cast<QLineEdit*>(ui_->reachedEdit)})
        field->setMinimumWidth(position + padding);
    for (QLineEdit* number : {ui_->courseEdit, ui_->runEdit})
        number->setMaximumWidth(advances.width(9, 0) + padding);
    // After the selected waypoint, where the position was reckoned from,
    // under a name of its own.
    connect(deadReckoning_, &DeadReckoningPanel::appendRequested, this,
            [this](WaypointText waypoint) {
                waypoint.name = model_->unusedName(waypoint.name);
                const int row = currentRow();
                addWaypoints(row < 0 ? model_->rowCount() : row + 1, {waypoint}, u"添加推算船位"_s);
            });
    connect(deadReckoning_, &DeadReckoningPanel::refusalChanged, this, [this](const QString& message) {
        status_->setFieldMessage(deadReckoning_, message);
    });
}

// Fixed widths and one fixed row height, so that no row is ever measured:
// the table stays quick with 10,000 waypoints.
void RouteWindow::setUpTable()
{
    WaypointTableView* table = ui_->waypointTable;
    QHeaderView* header = table->horizontalHeader();
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    table->verticalHeader()->hide();
    table->setModel(model_);
    QList<Choice> methods;
    for (const nav::Method method : {nav::Method::Rhumb, nav::Method::GreatCircle})
        methods.append({methodLabel(method), int(method)});
    table->setItemDelegateForColumn(WaypointTableModel::Method,
                                    new ChoiceDelegate(methods, u"航法"_s, table));
    const Advances advances{QFontMetricsF(table->font())};
    const int padding = advances.width(0, 1);
    const int iconRoom = table->iconSize().width() > 0 ? table->iconSize().width() : 16;
    for (const waypoint_table::ColumnInfo& info : waypoint_table::columns) {
        int width = std::max(advances.width(info.digits, 0), advances.width(0, info.ideographs));
        if (waypoint_table::isCoordinate(info.column))
            width += iconRoom;
        header->resizeSection(info.column, width + padding);
    }
    // The names take what room is left; every other width stays as set.
    header->setSectionResizeMode(WaypointTableModel::Name, QHeaderView::Stretch);
    QHeaderView* rows = table->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    const int lineHeight = QFontMetrics(table->font()).height();
    rows->setDefaultSectionSize(std::max(lineHeight, iconRoom) + lineHeight / 2);

    connect(table->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &RouteWindow::showCurrent);
    connect(model_, &QAbstractItemModel::dataChanged, this, &RouteWindow::showCurrent);
    // The totals after every change of the route: edits recompute it whole.
    for (const auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(model_, signal, this, &RouteWindow::updateTotals);
    connect(model_, &QAbstractItemModel::modelReset, this, &RouteWindow::updateTotals);
    connect(model_, &QAbstractItemModel::dataChanged, this, &RouteWindow::updateTotals);
    connect(model_, &WaypointTableModel::waypointsEdited, this, &RouteWindow::selectRows);
    connect(model_, &WaypointTableModel::editRequested, this,
            [this](int row, const WaypointText& after, const QString& name) {
                undoStack_->push(new EditWaypointCommand(model_, row, after, name));
            });
    connect(table, &WaypointTableView::waypointWanted, this, &RouteWindow::startWaypoint);
    connect(table, &WaypointTableView::editCancelled, this, &RouteWindow::cancelNewRow);
}

void RouteWindow::setUpSettings()
{
    for (const nav::EarthModel model : nav::kEarthModels) {
        ui_->modelCombo->addItem(fromUtf8(nav::modelName(model)), int(model));
    }
    setUpZones();
    // The lists that drop down, named after their boxes for screen readers.
    for (QComboBox* box : findChildren<QComboBox*>())
        box->view()->setAccessibleName(box->accessibleName() + u"列表"_s);
    connect(ui_->speedEdit, &QLineEdit::textChanged, this, &RouteWindow::readSettings);
    connect(ui_->departureEdit, &QLineEdit::textChanged, this, &RouteWindow::readSettings);
    connect(ui_->zoneCombo, &QComboBox::editTextChanged, this, &RouteWindow::readSettings);
    connect(ui_->modelCombo, &QComboBox::currentIndexChanged, this, &RouteWindow::readSettings);
    connect(ui_->etaZoneCombo, &QComboBox::currentIndexChanged, this, &RouteWindow::readSettings);
    connect(ui_->routeNameEdit, &QLineEdit::textChanged, this, [this] {
        noteSettingsChanged();
        updateTitle();
    });
    for (const FormOption& choice : formOptions) {
        QRadioButton* option = (*ui_).*choice.option;
        connect(option, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked)
                readSettings();
        });
        // Said when the navigator chooses, not when a route or the command
        // line sets the form.
        connect(option, &QRadioButton::clicked, this, [this, form = choice.form] {
            statusBar()->showMessage(u"数字格式：%1。此后输入的数字%2，已输入的航点不变。"_s.arg(
                formWord(form), formReading(form)));
        });
    }
    readSettings();
}

// The zones a ship's clock keeps most, whole hours from UTC-12 to UTC+14 and
// the half and quarter hours in use; any other is typed into the box.
void RouteWindow::setUpZones()
{
    constexpr int extraZones[] = {-9 * 60 - 30, -3 * 60 - 30, 3 * 60 + 30, 4 * 60 + 30, 5 * 60 + 30,
                                  5 * 60 + 45, 6 * 60 + 30, 9 * 60 + 30, 10 * 60 + 30, 12 * 60 + 45};
    QList<int> zones(std::begin(extraZones), std::end(extraZones));
    for (int hours = nav::kWestmostZoneMinutes / 60; hours <= nav::kEastmostZoneMinutes / 60; ++hours)
        zones.append(hours * 60);
    std::sort(zones.begin(), zones.end());
    for (const int minutes : zones)
        ui_->zoneCombo->addItem(fromUtf8(nav::formatTimeZone(*nav::TimeZone::fromMinutes(minutes))));
    ui_->zoneCombo->setInsertPolicy(QComboBox::NoInsert);
    ui_->zoneCombo->lineEdit()->setAccessibleName(ui_->zoneCombo->accessibleName());
    ui_->zoneCombo->setCurrentText(fromUtf8(nav::formatTimeZone(nav::kDefaultDepartureZone)));
    for (const nav::EtaZone zone : {nav::EtaZone::Departure, nav::EtaZone::Utc, nav::EtaZone::Ship})
        ui_->etaZoneCombo->addItem(fromUtf8(nav::etaZoneName(zone)), int(zone));
}

// A setting changed by the navigator makes the route modified, as an edit
// of the table does: files keep the settings now.
void RouteWindow::noteSettingsChanged()
{
    if (showingSettings_)
        return;
    settingsChanged_ = true;
}

geo::NumberForm RouteWindow::chosenForm() const
{
    for (const FormOption& choice : formOptions) {
        if (((*ui_).*choice.option)->isChecked())
            return choice.form;
    }
    return geo::NumberForm::Minutes;
}

void RouteWindow::chooseForm(geo::NumberForm form)
{
    for (const FormOption& choice : formOptions) {
        if (choice.form == form)
            ((*ui_).*choice.option)->setChecked(true);
    }
}

// A refused speed or departure is marked and explained, and the route is
// computed without it: no time is guessed from a text that is not read.
void RouteWindow::readSettings()
{
    RouteSettings settings;
    settings.form = chosenForm();
    settings.model = nav::EarthModel(ui_->modelCombo->currentData().toInt());
    const auto read = [this](QLineEdit* field, auto reader, const QString& refusal) {
        const QString text = field->text();
        auto value = text.isEmpty() ? std::nullopt : reader(text.toStdString());
        const bool refused = !value && !text.isEmpty();
        if (refused)
            markRefused(field, refusal);
        else
            clearRefusal(field);
        status_->setFieldMessage(field, refused ? refusal : QString());
        return value;
    };
    const QuantityReading speed = readSpeedText(ui_->speedEdit->text());
    settings.speed = read(ui_->speedEdit, [&speed](const std::string&) { return speed.value; },
                          speed.refusal);
    settings.departure = read(ui_->departureEdit, nav::readClockTime,
                              departureRefusal(ui_->departureEdit->text()));
    // An empty zone box is the default zone, as the box shows it when opened;
    // a departure in a zone that does not read gives no time.
    QLineEdit* zoneField = ui_->zoneCombo->lineEdit();
    const std::optional<nav::TimeZone> zone =
        read(zoneField, nav::readTimeZone, timeZoneRefusal(zoneField->text()));
    settings.departureZone = zone.value_or(nav::kDefaultDepartureZone);
    if (!zone && !zoneField->text().isEmpty())
        settings.departure.reset();
    settings.etaZone = nav::EtaZone(ui_->etaZoneCombo->currentData().toInt());
    const bool changed = settings.form == model_->settings().form
        && !(savedOf(settings) == savedOf(model_->settings()));
    model_->setSettings(settings);
    deadReckoning_->setSettings(settings.form, settings.model);
    updateTotals();
    if (changed) {
        noteSettingsChanged();
        updateTitle();
    }
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
        leaveNewRow();
    const QString refusal = current.isValid() ? model_->refusal(current) : QString();
    const QString message = refusal.isEmpty()
        ? QString()
        : u"第 %1 个航点的%2："_s.arg(row + 1).arg(model_->headerData(
              current.column(), Qt::Horizontal, Qt::DisplayRole).toString())
            + refusal;
    // A cell's message goes once the cell reads or is no longer current.
    status_->setFieldMessage(ui_->waypointTable, message);
    showSelectedLeg(row);
    deadReckoning_->setSelectedPosition(row >= 0 ? model_->tableRow(row).position
                                                 : std::nullopt);
}

void RouteWindow::showSelectedLeg(int row)
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
QString RouteWindow::vertexText(int row) const
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

QString RouteWindow::legName(int arrival) const
{
    const auto name = [this](int waypoint) {
        const QString typed = model_->waypoints().at(waypoint).name;
        return typed.isEmpty() ? u"航点 %1"_s.arg(waypoint + 1) : typed;
    };
    return u"%1 → %2"_s.arg(name(arrival - 1), name(arrival));
}

int RouteWindow::splitGreatCircleLeg(int arrival, double every)
{
    if (arrival <= 0 || arrival >= model_->rowCount()
        || model_->waypoints().at(arrival).method != nav::Method::GreatCircle)
        return 0;
    const QList<WaypointText> points =
        greatCirclePoints(model_->waypoints(), model_->table(), model_->settings().model, arrival, every);
    if (points.isEmpty())
        return 0;
    const QString text = u"大圆分段（%1 个分点）"_s.arg(points.size());
    undoStack_->beginMacro(text);
    WaypointText rhumb = model_->waypoints().at(arrival);
    rhumb.method = nav::Method::Rhumb;
    undoStack_->push(new EditWaypointCommand(model_, arrival, rhumb, text));
    addWaypoints(arrival, points, text);
    undoStack_->endMacro();
    selectRows(arrival, int(points.size()));
    return int(points.size());
}

void RouteWindow::askToSplitLeg()
{
    const int arrival = currentRow();
    if (arrival <= 0 || !model_->tableRow(arrival).values.leg)
        return;
    const QString leg = legName(arrival);
    const std::optional<double> every = askInterval_(leg);
    if (!every)
        return;
    const QString interval = QString::number(*every, 'g', QLocale::FloatingPointShortest);
    if (const int inserted = splitGreatCircleLeg(arrival, *every); inserted > 0)
        statusBar()->showMessage(u"大圆航段 %1 已在每隔 %2° 经度处分段为 %3 段恒向线。"_s.arg(
            leg, interval).arg(inserted + 1));
    else
        prompt_(u"大圆航段 %1 不跨越每隔 %2° 的经线，无需分段。"_s.arg(leg, interval));
}

// 航线计算 — 横渡北太平洋 — 航线.csv, the name when the route has one and
// the file is not named after it.
void RouteWindow::updateTitle()
{
    const QString file = filePath_.isEmpty() ? u"未命名"_s : QFileInfo(filePath_).fileName();
    // A name the file is named after is said once.
    const QString name = routeName();
    const bool sayName = !name.isEmpty() && name != QFileInfo(filePath_).completeBaseName();
    setWindowTitle(sayName ? u"%1 — %2 — %3[*]"_s.arg(windowName, name, file)
                           : u"%1 — %2[*]"_s.arg(windowName, file));
    setWindowModified(isModified());
}

bool RouteWindow::isModified() const
{
    return !undoStack_->isClean() || settingsChanged_;
}

QString RouteWindow::routeName() const
{
    return ui_->routeNameEdit->text();
}

void RouteWindow::setRouteName(const QString& name)
{
    const QScopedValueRollback<bool> showing(showingSettings_, true);
    ui_->routeNameEdit->setText(name);
}

// The waypoints in reverse order, each leg with its method and speed: one
// step to undo.
void RouteWindow::reverseRoute()
{
    const QList<WaypointText> reversed = reversedWaypoints(model_->waypoints());
    if (reversed.size() < 2)
        return;
    QList<PlacedWaypoint> placed;
    placed.reserve(reversed.size());
    for (const WaypointText& waypoint : reversed)
        placed.append({int(placed.size()), waypoint});
    undoStack_->push(new ReplaceWaypointsCommand(model_, std::move(placed), u"反转航线"_s));
}

// The first leg is selected, so that its figures show at once.
void RouteWindow::setWaypoints(const QList<WaypointText>& waypoints)
{
    model_->resetWaypoints(waypoints);
    undoStack_->clear();
    settingsChanged_ = false;
    updateTitle();
    if (!waypoints.isEmpty())
        ui_->waypointTable->setCurrentIndex(
            model_->index(std::min(1, model_->rowCount() - 1), WaypointTableModel::Name));
    showCurrent();
}

QList<int> RouteWindow::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : ui_->waypointTable->selectionModel()->selectedIndexes())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

// The one cell selected; invalid when there are more, or none.
QModelIndex RouteWindow::selectedCell() const
{
    const QModelIndexList cells = ui_->waypointTable->selectionModel()->selectedIndexes();
    return cells.size() == 1 ? cells.first() : QModelIndex();
}

int RouteWindow::currentRow() const
{
    const QModelIndex current = ui_->waypointTable->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void RouteWindow::addWaypoints(int row, const QList<WaypointText>& waypoints, const QString& text)
{
    QList<PlacedWaypoint> placed;
    placed.reserve(waypoints.size());
    for (const WaypointText& waypoint : waypoints)
        placed.append({row + int(placed.size()), waypoint});
    undoStack_->push(WaypointRowsCommand::adding(model_, std::move(placed), text));
}

bool RouteWindow::appendWaypoint(const WaypointText& waypoint)
{
    // The same fix added twice would make a leg of no length.
    const QList<WaypointText>& waypoints = model_->waypoints();
    if (!waypoints.isEmpty() && waypoints.back().latitude == waypoint.latitude &&
        waypoints.back().longitude == waypoint.longitude) {
        statusBar()->showMessage(u"船位与最后一个航点相同，未重复加入。"_s);
        return false;
    }
    addWaypoints(model_->rowCount(), {waypoint}, u"加入船位"_s);
    return true;
}

// An empty waypoint in `row`, its name the current cell, not marked as
// refused before it is left (leaveNewRow).
void RouteWindow::startWaypoint(int row)
{
    addWaypoints(row, {WaypointText{}}, u"插入航点"_s);
    newRowCommand_ = undoStack_->command(undoStack_->index() - 1);
    model_->setNewRow(row);
    ui_->waypointTable->setCurrentIndex(model_->index(row, WaypointTableModel::Name));
}

// A waypoint begun and left with nothing typed into it (Enter once too
// often after the last cell, Insert thought better of) goes again, as if
// undone: while the step that began it is the last, nothing was typed. The
// current cell stays where the navigator went.
void RouteWindow::takeBack(const QUndoCommand* began)
{
    if (began == nullptr || undoStack_->index() == 0
        || undoStack_->command(undoStack_->index() - 1) != began)
        return;
    const QPersistentModelIndex went = ui_->waypointTable->currentIndex();
    undoStack_->undo();
    if (went.isValid())
        ui_->waypointTable->setCurrentIndex(went);
}

// Esc in the new waypoint's cell.
void RouteWindow::cancelNewRow(const QModelIndex& index)
{
    if (index.isValid() && index.row() == model_->newRow())
        takeBack(std::exchange(newRowCommand_, nullptr));
}

// Another row made current: the new waypoint's empty cells are marked now,
// or it goes if nothing was typed into it, once the view has done moving.
void RouteWindow::leaveNewRow()
{
    if (model_->newRow() < 0)
        return;
    model_->setNewRow(-1);
    QTimer::singleShot(0, this, [this, began = std::exchange(newRowCommand_, nullptr)] {
        takeBack(began);
    });
}

// Below the current waypoint, so that it can also add one after the last;
// its name is typed first.
void RouteWindow::insertWaypoint()
{
    const int row = currentRow();
    startWaypoint(row < 0 ? model_->rowCount() : row + 1);
    ui_->waypointTable->edit(ui_->waypointTable->currentIndex());
}

// The typed texts of the cells, as one step named after the cell, or after
// how many there were.
void RouteWindow::clearCells(const QModelIndexList& cells, const QString& verb)
{
    const ClearedCells cleared = model_->clearedCells(cells);
    if (cleared.waypoints.isEmpty())
        return;
    const QString text = cleared.cells == 1 && cells.size() == 1
        ? verb + model_->headerData(cells.first().column(), Qt::Horizontal, Qt::DisplayRole).toString()
        : u"%1 %2 个单元格"_s.arg(verb).arg(cleared.cells);
    undoStack_->push(new ReplaceWaypointsCommand(model_, cleared.waypoints, text));
}

void RouteWindow::deleteWaypoints()
{
    QList<int> rows = selectedRows();
    if (rows.isEmpty() && currentRow() >= 0)
        rows.append(currentRow());
    if (rows.isEmpty())
        return;
    undoStack_->push(WaypointRowsCommand::removing(model_, rows, countedWaypoints(u"删除"_s, rows.size())));
}

void RouteWindow::moveWaypoint(int step)
{
    const int from = currentRow();
    const int to = from + step;
    if (from < 0 || to < 0 || to >= model_->rowCount())
        return;
    undoStack_->push(new MoveWaypointCommand(model_, from, to, step < 0 ? u"上移航点"_s : u"下移航点"_s));
}

// One cell's text as shown; else the selected rows, or the whole table with
// its column titles when every row or none is selected.
void RouteWindow::copyWaypoints()
{
    if (const QModelIndex cell = selectedCell(); cell.isValid()) {
        QGuiApplication::clipboard()->setText(cell.data().toString());
        statusBar()->showMessage(u"已复制第 %1 个航点的%2。"_s.arg(cell.row() + 1).arg(
            model_->headerData(cell.column(), Qt::Horizontal, Qt::DisplayRole).toString()));
        return;
    }
    QList<int> rows = selectedRows();
    const bool whole = rows.isEmpty() || rows.size() == model_->rowCount();
    if (whole) {
        rows.clear();
        for (int row = 0; row < model_->rowCount(); ++row)
            rows.append(row);
    }
    QGuiApplication::clipboard()->setText(rowsAsText(*model_, rows, whole));
    statusBar()->showMessage(u"已复制 %1 个航点。"_s.arg(rows.size()));
}

// One cell is cut as a spreadsheet's: its text copied, the cell cleared.
void RouteWindow::cutWaypoints()
{
    if (const QModelIndex cell = selectedCell(); cell.isValid()) {
        QGuiApplication::clipboard()->setText(cell.data().toString());
        clearCells({cell}, u"剪切"_s);
        return;
    }
    const QList<int> rows = selectedRows();
    if (rows.isEmpty())
        return;
    QGuiApplication::clipboard()->setText(
        rowsAsText(*model_, rows, rows.size() == model_->rowCount()));
    undoStack_->push(WaypointRowsCommand::removing(model_, rows, countedWaypoints(u"剪切"_s, rows.size())));
}

// One line without a tab goes into the current cell, as if typed; anything
// else becomes new waypoints below the current one.
void RouteWindow::pasteWaypoints()
{
    const QString text = QGuiApplication::clipboard()->text();
    const QModelIndex current = ui_->waypointTable->currentIndex();
    const bool intoCell = current.isValid() && current.column() != WaypointTableModel::Method
        && (model_->flags(current) & Qt::ItemIsEditable);
    if (intoCell && isOneCellText(text)) {
        model_->setData(current, text.trimmed(), Qt::EditRole);
        return;
    }
    const QList<WaypointText> waypoints = waypointsFromText(text);
    if (waypoints.isEmpty())
        return;
    const int row = currentRow();
    addWaypoints(row < 0 ? model_->rowCount() : row + 1, waypoints,
                 u"粘贴 %1 个航点"_s.arg(waypoints.size()));
}

void RouteWindow::selectRows(int firstRow, int rowCount)
{
    QTableView* table = ui_->waypointTable;
    const QModelIndex current = table->currentIndex();
    const int column = current.isValid() ? current.column() : int(WaypointTableModel::Name);
    const QModelIndex first = model_->index(firstRow, column);
    if (rowCount == 1) {
        table->selectionModel()->setCurrentIndex(first, QItemSelectionModel::ClearAndSelect);
    } else {
        table->selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
        table->selectionModel()->select(
            QItemSelection(model_->index(firstRow, 0),
                           model_->index(firstRow + rowCount - 1, WaypointTableModel::columns - 1)),
            QItemSelectionModel::ClearAndSelect);
    }
    table->scrollTo(first);
}

void RouteWindow::about()
{
    QMessageBox::about(
        this, u"关于航线计算"_s,
        u"Tarnquil 航线计算 %1\n\n按恒向线和大圆计算航线各航段的航向和航程、累计航程、"
        u"航时和预计到达时间，并可推算船位。\n\n© Vessoria 版权所有"_s
            .arg(QStringView(programVersion)));
}

void RouteWindow::showSettings(const RouteSettings& settings)
{
    const QScopedValueRollback<bool> showing(showingSettings_, true);
    ui_->zoneCombo->setCurrentText(fromUtf8(nav::formatTimeZone(settings.departureZone)));
    ui_->etaZoneCombo->setCurrentIndex(ui_->etaZoneCombo->findData(int(settings.etaZone)));
    chooseForm(settings.form);
    ui_->modelCombo->setCurrentIndex(ui_->modelCombo->findData(int(settings.model)));
    ui_->speedEdit->setText(settings.speed ? QString::number(*settings.speed, 'g',
                                                             QLocale::FloatingPointShortest)
                                           : QString());
    ui_->departureEdit->setText(settings.departure
                                    ? fromUtf8(nav::formatClockTime(*settings.departure))
                                    : QString());
}

// ---------------------------------------------------------------- files

QString RouteWindow::startFolder() const
{
    return filePath_.isEmpty() ? QDir::homePath() : QFileInfo(filePath_).absolutePath();
}

bool RouteWindow::mayDiscardChanges()
{
    if (!isModified())
        return true;
    const QString file = filePath_.isEmpty() ? u"未命名"_s : QFileInfo(filePath_).fileName();
    switch (messageBoxSaveQuestion(this, windowName)(u"航线“%1”已修改，是否保存？"_s.arg(file))) {
    case SaveChoice::Save:
        return save();
    case SaveChoice::Discard:
        return true;
    case SaveChoice::Cancel:
        break;
    }
    return false;
}

void RouteWindow::newRoute()
{
    if (!mayDiscardChanges())
        return;
    filePath_.clear();
    absentColumns_.clear();
    setRouteName({});
    setWaypoints({});
}

void RouteWindow::open()
{
    if (!mayDiscardChanges())
        return;
    const QString path = QFileDialog::getOpenFileName(
        this, u"打开航线"_s, startFolder(),
        u"航线文件 (*.csv *.gpx);;CSV 文件 (*.csv);;GPX 文件 (*.gpx)"_s);
    if (path.isEmpty())
        return;
    if (const std::optional<qsizetype> number = chooseGpxRoute(path))
        openRoute(path, *number);
}

// A GPX file of several routes: which one to open, asked from a list of
// their names and sizes; nothing when the user cancels. Any other file has
// one route, and a file that does not read is refused by openRoute.
std::optional<qsizetype> RouteWindow::chooseGpxRoute(const QString& path)
{
    if (QFileInfo(path).suffix().compare(u"gpx"_s, Qt::CaseInsensitive) != 0)
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
        this, u"选择航线"_s,
        u"文件%1中有 %2 条航线，请选择要打开的一条："_s.arg(quotedPath(path)).arg(routes.size()),
        routes, 0, false, &chosen);
    if (!chosen)
        return std::nullopt;
    return routes.indexOf(route) + 1;
}

bool RouteWindow::openRoute(const QString& path, qsizetype routeNumber)
{
    const RouteFile file = readRouteFile(path, routeNumber);
    if (!file.error.isEmpty()) {
        prompt_(file.error);
        return false;
    }
    const bool asDegrees = offerDegrees(path, file);
    if (asDegrees)
        chooseForm(geo::NumberForm::Degrees);
    filePath_ = path;
    absentColumns_ = file.absentColumns;
    // What the file says of the route as a whole; the rest stays as set.
    showSettings(withSaved(model_->settings(), file.saved));
    setRouteName(file.name);
    setWaypoints(file.waypoints);
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
bool RouteWindow::hasWaypointFile() const
{
    return !filePath_.isEmpty()
        && QFileInfo(filePath_).suffix().compare(u"csv"_s, Qt::CaseInsensitive) == 0;
}

// Plain numbers refused as both degrees and packed degrees and minutes: the
// navigator says whether the file means degrees, as tools and web maps write
// them. Asked once, for the whole file, naming the first such text.
bool RouteWindow::offerDegrees(const QString& path, const RouteFile& file)
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
bool RouteWindow::save()
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

bool RouteWindow::saveAs()
{
    const QString path = askForFile(u"另存为"_s, u"CSV 文件 (*.csv)"_s, u"csv"_s, proposedName());
    return !path.isEmpty() && saveTo(path);
}

bool RouteWindow::saveTo(const QString& path)
{
    if (const QString error = saveFile(path, legTableCsv(document())); !error.isEmpty()) {
        prompt_(error);
        return false;
    }
    filePath_ = path;
    absentColumns_.clear();
    settingsChanged_ = false;
    undoStack_->setClean();
    updateTitle();
    statusBar()->showMessage(u"已保存到%1。"_s.arg(quotedPath(path)));
    return true;
}

// The route's name, as files written are named after it.
QString RouteWindow::proposedName() const
{
    if (!routeName().isEmpty())
        return routeName();
    return filePath_.isEmpty() ? u"航线"_s : QFileInfo(filePath_).completeBaseName();
}

// The file dialog is made only when it is needed, as every dialog here.
QString RouteWindow::askForFile(const QString& title, const QString& filter, const QString& suffix,
                                const QString& name)
{
    QFileDialog dialog(this, title, QDir(startFolder()).filePath(name + u'.' + suffix), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

// As the command line exports: only a route export_rule allows, to a file whose extension says how, and never over the
// waypoint file that 保存 writes.
void RouteWindow::exportTo(const QString& title, const QString& filter, const QString& suffix,
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

// The menu of the menus that do not fit beside each other, which the menu
// bar makes once it is laid out, is named for screen readers.
void RouteWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    for (QMenu* menu : ui_->menuBar->findChildren<QMenu*>()) {
        if (menu->accessibleName().isEmpty())
            menu->setAccessibleName(u"更多菜单"_s);
    }
}

// The route as it is written to files and printed; a new route has no name.
RouteDocument RouteWindow::document() const
{
    return {routeName(), model_->waypoints(), model_->settings(), model_->table()};
}

// The printed table lists the texts that give no position, with why, so a
// route with such cells is written as it is.
void RouteWindow::exportPdf()
{
    const QString path = askForFile(u"导出 PDF"_s, u"PDF 文件 (*.pdf)"_s, u"pdf"_s, proposedName());
    if (path.isEmpty())
        return;
    if (const QString error = exportRoutePdf(path, document()); !error.isEmpty()) {
        prompt_(error);
        return;
    }
    statusBar()->showMessage(u"已导出到%1。"_s.arg(quotedPath(path)));
}

// The actions have no status tips: moving over the menus leaves the status
// bar's message, which Qt would clear with each action's empty tip.
bool RouteWindow::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip && static_cast<QStatusTipEvent*>(event)->tip().isEmpty())
        return true;
    return QMainWindow::event(event);
}

void RouteWindow::closeEvent(QCloseEvent* event)
{
    if (mayDiscardChanges())
        event->accept();
    else
        event->ignore();
}

}  // namespace tarnquil
