// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixwindow/fix_window.h"
#include "ui_fix_window.h"

#include "fixwindow/fix_sheet_output.h"
#include "fixwindow/observation_table_layout.h"

#include "text/fix_words.h"
#include "text/found_current_reading.h"
#include "text/observation_kinds.h"
#include "text/observation_reading.h"
#include "text/quantity_text.h"
#include "text/refusals.h"
#include "text/utf8_text.h"
#include "widgets/choice_delegate.h"
#include "widgets/document_files.h"
#include "widgets/status_line.h"

#include "geo/errors.h"
#include "geo/position_text.h"
#include "nav/display.h"
#include "nav/earth.h"
#include "nav/entry.h"
#include "nav/errors.h"
#include "nav/observation.h"
#include "nav/sight_reduction.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>

#include <algorithm>
#include <iterator>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

const QString windowName = u"陆标定位"_s;

struct StandardShortcut {
    QAction* Ui::FixWindow::*action;
    QKeySequence::StandardKey key;
};

const StandardShortcut standardShortcuts[] = {
    {&Ui::FixWindow::printAction, QKeySequence::Print},
    {&Ui::FixWindow::closeAction, QKeySequence::Close},
    {&Ui::FixWindow::openAction, QKeySequence::Open},
    {&Ui::FixWindow::saveAction, QKeySequence::Save},
    {&Ui::FixWindow::saveAsAction, QKeySequence::SaveAs},
    {&Ui::FixWindow::undoAction, QKeySequence::Undo},
    {&Ui::FixWindow::redoAction, QKeySequence::Redo},
    {&Ui::FixWindow::zoomInAction, QKeySequence::ZoomIn},
    {&Ui::FixWindow::zoomOutAction, QKeySequence::ZoomOut},
};

// Ctrl+J: 记入船位, as a log is kept, from wherever the keyboard is.
constexpr QKeyCombination recordFixKey = Qt::CTRL | Qt::Key_J;

// The settings typed as plain texts, each in its field.
struct SettingField {
    QLineEdit* Ui::FixWindow::*field;
    QString FixSettingTexts::*text;
    bool ofSights = false;  // shown with the 天体高度 rows
};

const SettingField settingFields[] = {
    {&Ui::FixWindow::compassErrorEdit, &FixSettingTexts::compassError},
    {&Ui::FixWindow::courseEdit, &FixSettingTexts::course},
    {&Ui::FixWindow::speedEdit, &FixSettingTexts::speed},
    {&Ui::FixWindow::dateEdit, &FixSettingTexts::date, true},
    {&Ui::FixWindow::zoneEdit, &FixSettingTexts::zone, true},
    {&Ui::FixWindow::heightOfEyeEdit, &FixSettingTexts::heightOfEye, true},
    {&Ui::FixWindow::indexCorrectionEdit, &FixSettingTexts::indexCorrection, true},
    {&Ui::FixWindow::temperatureEdit, &FixSettingTexts::temperature, true},
    {&Ui::FixWindow::pressureEdit, &FixSettingTexts::pressure, true},
    {&Ui::FixWindow::dut1Edit, &FixSettingTexts::dut1, true},
    {&Ui::FixWindow::leewayEdit, &FixSettingTexts::leeway},
    {&Ui::FixWindow::logCorrectionEdit, &FixSettingTexts::logCorrection},
};

// The sights' settings as typed, each empty one as the default it reads as.
QString sightSettingsLine(const FixSettingTexts& settings)
{
    const auto typed = [](const QString& text, const QString& otherwise) {
        return text.trimmed().isEmpty() ? otherwise : text.trimmed();
    };
    return u"天体观测：日期 %1，区时 %2，眼高 %3 米，指标差 %4′（Hs + i），温度 %5 °C，气压 %6 hPa，DUT1 %7 秒"_s
        .arg(typed(settings.date, u"—"_s), typed(settings.zone, u"UTC"_s),
             typed(settings.heightOfEye, u"0"_s), typed(settings.indexCorrection, u"0"_s),
             typed(settings.temperature, QString::number(nav::kDefaultTemperature)),
             typed(settings.pressure, QString::number(nav::kDefaultPressure)),
             typed(settings.dut1, u"0"_s));
}

// Whether the window shows the sights' settings: with a 天体高度 row, or
// once one of them is typed.
bool wantsSightSettings(const FixTexts& texts)
{
    const bool altitudes = std::any_of(texts.rows.cbegin(), texts.rows.cend(), [](const ObservationRow& row) {
        return row.kind == nav::ObservationKind::Altitude;
    });
    return altitudes || std::any_of(std::begin(settingFields), std::end(settingFields), [&](const SettingField& setting) {
        return setting.ofSights && !(texts.settings.*setting.text).isEmpty();
    });
}

geo::NumberForm formOf(const Ui::FixWindow& ui)
{
    if (ui.secondsOption->isChecked())
        return geo::NumberForm::Seconds;
    return ui.degreesOption->isChecked() ? geo::NumberForm::Degrees : geo::NumberForm::Minutes;
}

}  // namespace

FixWindow::FixWindow(QWidget* parent)
    : ToolWindow(windowName, parent)
    , ui_(std::make_unique<Ui::FixWindow>())
    , model_(new ObservationTableModel(this))
    , undoStack_(new QUndoStack(this))
    , document_(this, [this] { return fixTexts(); }, [this](const FixTexts& texts) { showTexts(texts); })
{
    ui_->setupUi(this);
    new StatusLine(statusBar());
    output_ = new FixSheetOutput(this, [this] { return sheet(); }, windowName,
                                 messageBoxPrompt(this, QMessageBox::Warning, windowName));
    setUpActions();
    setUpTable();
    setUpSettings();
    // The plot takes what room the inputs leave.
    ui_->splitter->setStretchFactor(0, 0);
    ui_->splitter->setStretchFactor(1, 1);
    fitScreen();
    recompute();
    ui_->observationTable->setCurrentIndex(model_->index(0, int(ObservationColumn::Mark)));
    ui_->observationTable->setFocus();
}

FixWindow::~FixWindow()
{
    model_->disconnect(this);
    undoStack_->disconnect(this);
}

void FixWindow::prepareApplication()
{
    ToolWindow::prepareApplication();
}

void FixWindow::setPrompt(Prompt prompt)
{
    output_->setPrompt(prompt);
    document_.setPrompt(std::move(prompt));
}

// Open, save and close as a document; every edit of the rows is one undo step.
void FixWindow::setUpDocument()
{
    model_->setUndoStack(undoStack_);
    connectUndoActions(undoStack_, ui_->undoAction, ui_->redoAction, u'T');
    connect(ui_->openAction, &QAction::triggered, this, [this] { document_.open(); });
    connect(ui_->saveAction, &QAction::triggered, this, [this] { document_.save(); });
    connect(ui_->saveAsAction, &QAction::triggered, this, [this] { document_.saveAs(); });
    document_.setFileChanged([this] { updateTitle(); });
}

// Shows a file's texts as they were saved: the settings, the form the next
// text is read in, the rows; the undo steps before it are gone.
void FixWindow::showTexts(const FixTexts& texts)
{
    const FixSettingTexts& settings = texts.settings;
    ui_->modelCombo->setCurrentIndex(ui_->modelCombo->findData(int(settings.model)));
    QRadioButton* form = settings.form == geo::NumberForm::Seconds   ? ui_->secondsOption
                         : settings.form == geo::NumberForm::Degrees ? ui_->degreesOption
                                                                     : ui_->minutesOption;
    form->setChecked(true);
    for (const SettingField& setting : settingFields)
        ((*ui_).*setting.field)->setText(settings.*setting.text);
    ui_->nearEdit->setText(settings.near);
    nearForm_ = settings.nearForm;
    showRecordedFixes(settings.first, settings.second);
    model_->setObservationRows(texts.rows);
    undoStack_->clear();
    recompute();
}

void FixWindow::updateTitle()
{
    const QString& path = document_.path();
    showTitle(path.isEmpty() ? QStringList() : QStringList{QFileInfo(path).fileName()},
              document_.isModified());
}

bool FixWindow::mayClose()
{
    return document_.mayDiscardChanges();
}

void FixWindow::setUpActions()
{
    for (const StandardShortcut& shortcut : standardShortcuts)
        ((*ui_).*shortcut.action)->setShortcuts(shortcut.key);
    // Insert and Delete are the table's: in a field they stay the field's.
    for (QAction* action : {ui_->insertAction, ui_->deleteAction, ui_->clearAction}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        ui_->observationTable->addAction(action);
    }
    ui_->observationTable->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(ui_->insertAction, &QAction::triggered, this, &FixWindow::insertObservation);
    connect(ui_->deleteAction, &QAction::triggered, this, &FixWindow::deleteObservations);
    connect(ui_->clearAction, &QAction::triggered, this, [this] {
        QModelIndexList cells = ui_->observationTable->selectionModel()->selectedIndexes();
        if (cells.isEmpty() && ui_->observationTable->currentIndex().isValid())
            cells.append(ui_->observationTable->currentIndex());
        model_->clearCells(cells);
    });
    setUpDocument();
    connect(ui_->copyFixAction, &QAction::triggered, this, &FixWindow::copyFix);
    connect(ui_->copyButton, &QPushButton::clicked, this, &FixWindow::copyFix);
    connect(ui_->addToRouteAction, &QAction::triggered, this, &FixWindow::addToRoute);
    connect(ui_->addToRouteButton, &QPushButton::clicked, this, &FixWindow::addToRoute);
    connect(ui_->recordFixAction, &QAction::triggered, this, &FixWindow::recordFix);
    ui_->recordFixAction->setShortcut(recordFixKey);
    connect(ui_->showCurrentAction, &QAction::toggled, this, [this](bool shown) {
        currentShown_ = shown;
        showPanels();
        if (shown)
            ui_->firstFixEdit->setFocus(Qt::ShortcutFocusReason);
    });
    connect(ui_->routeWindowAction, &QAction::triggered, this, &FixWindow::routeWindowRequested);
    connect(ui_->celestialWindowAction, &QAction::triggered, this, &FixWindow::celestialWindowRequested);
    connect(ui_->recordFixButton, &QPushButton::clicked, this, &FixWindow::recordFix);
    connect(ui_->copyImageAction, &QAction::triggered, output_, &FixSheetOutput::copyImage);
    connect(ui_->exportPngAction, &QAction::triggered, output_,
            [this] { output_->exportTo(u"导出 PNG"_s, u"PNG 图像 (*.png)"_s, u"png"_s); });
    connect(ui_->exportPdfAction, &QAction::triggered, output_,
            [this] { output_->exportTo(u"导出 PDF"_s, u"PDF 文件 (*.pdf)"_s, u"pdf"_s); });
    connect(ui_->printAction, &QAction::triggered, output_, &FixSheetOutput::print);
    connect(ui_->closeAction, &QAction::triggered, this, &QWidget::close);
    connect(ui_->zoomInAction, &QAction::triggered, ui_->plotView, &FixPlotView::zoomIn);
    connect(ui_->zoomOutAction, &QAction::triggered, ui_->plotView, &FixPlotView::zoomOut);
    connect(ui_->wholeAction, &QAction::triggered, ui_->plotView, &FixPlotView::showWhole);
    connect(ui_->plotFocusAction, &QAction::triggered, this,
            [this] { ui_->plotView->setFocus(Qt::ShortcutFocusReason); });
    connect(ui_->aboutAction, &QAction::triggered, this, [this] {
        showAbout(u"由物标的方位、距离和水平角求船位，包括移线定位、误差三角形和系统误差，"
                  u"在 WGS-84 椭球或球面上精确计算，并画出定位图。"_s);
    });
}

void FixWindow::setUpTable()
{
    EntryTableView* table = ui_->observationTable;
    table->setModel(model_);
    // A series of bearings is typed mark, Enter, value, Enter: the kind
    // carries over from the row before and is changed where it is, with
    // the arrow keys and F2.
    table->passOverColumn(int(ObservationColumn::Kind));
    QList<Choice> kinds;
    for (const ObservationDescriptor& kind : observationKinds())
        kinds.append({kind.name.toString(), int(kind.kind)});
    table->setItemDelegateForColumn(int(ObservationColumn::Kind),
                                    new ChoiceDelegate(kinds, u"观测类型"_s, table));
    // The inputs as wide as the table's columns, the plot the rest.
    const int tableWidth = layOutObservationTable(table);
    ui_->splitter->setSizes({tableWidth, width() - tableWidth});
    connect(model_, &ObservationTableModel::rowsEdited, this, &FixWindow::recompute);
    connect(table->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                const QString why = model_->refusal(current);
                if (!why.isEmpty())
                    statusBar()->showMessage(why);
            });
}

void FixWindow::setUpSettings()
{
    for (const nav::EarthModel model : nav::kEarthModels)
        ui_->modelCombo->addItem(fromUtf8(nav::modelName(model)), int(model));
    ui_->modelCombo->view()->setAccessibleName(ui_->modelCombo->accessibleName() + u"列表"_s);
    for (const SettingField& setting : settingFields)
        connect((*ui_).*setting.field, &QLineEdit::textChanged, this, &FixWindow::recompute);
    for (QLineEdit* field : {ui_->firstTimeEdit, ui_->secondTimeEdit})
        connect(field, &QLineEdit::textChanged, this, &FixWindow::recompute);
    // A position is read in the form it was typed in; one shown by the
    // window (a file's, a fix recorded) keeps its own.
    for (const auto& [field, form] : {std::pair{ui_->nearEdit, &nearForm_},
                                      std::pair{ui_->firstFixEdit, &firstForm_},
                                      std::pair{ui_->secondFixEdit, &secondForm_}})
        connect(field, &QLineEdit::textEdited, this, [this, form] { *form = formOf(*ui_); });
    for (QLineEdit* field : {ui_->nearEdit, ui_->firstFixEdit, ui_->secondFixEdit})
        connect(field, &QLineEdit::textChanged, this, &FixWindow::recompute);
    connect(ui_->modelCombo, &QComboBox::currentIndexChanged, this, &FixWindow::recompute);
    // The form reads the next text typed: no mark already entered changes.
    for (QRadioButton* option : {ui_->minutesOption, ui_->secondsOption, ui_->degreesOption})
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                model_->setForm(formOf(*ui_));
        });
}

// Reads the settings and the rows, and fixes the ship when every text
// reads: a text that does not is named with its reason, and no fix is
// shown from the others.
void FixWindow::recompute()
{
    const FixTexts texts = fixTexts();
    const FixReading read = readFix(texts);
    hasSights_ = wantsSightSettings(texts);
    const FixSettingTexts& typed = texts.settings;
    hasCurrentTexts_ = !(typed.leeway + typed.logCorrection + typed.first.position + typed.first.time
                         + typed.second.position + typed.second.time)
                            .trimmed()
                            .isEmpty();
    model_->setRefusals(read.rows.refusals);
    fix_ = read.fix;
    settingsLines_ = settingsLines(texts.settings, read);
    observationLines_ = read.rows.lines;
    showAnswer(read.problems, fix_ ? fixFigures(*fix_, read.rows.names) : QStringList(), read.hintOnly);
    showFoundCurrent(readFoundCurrent(texts.settings));
    showPanels();
    ui_->plotView->setDrawing(drawing(texts.settings, read));
    updateTitle();
}

// The panels shown only where they are wanted: the sights' settings with a
// 天体高度 row or once one of them is typed, 求流 once asked for.
void FixWindow::showPanels()
{
    // Not hidden under the keyboard: a field emptied keeps its box.
    QWidget* focus = QApplication::focusWidget();
    ui_->sightBox->setVisible(hasSights_ || ui_->sightBox->isAncestorOf(focus));
    // 求流 once it is asked for (视图 > 求流, 记入船位) or holds a text.
    const bool current = currentShown_ || hasCurrentTexts_ || ui_->currentBox->isAncestorOf(focus);
    ui_->currentBox->setVisible(current);
    const QSignalBlocker quiet(ui_->showCurrentAction);
    ui_->showCurrentAction->setChecked(current);
}

// 求流 between the two fixes recorded: the set and drift, or why not; on
// the sheet with the fix's figures.
void FixWindow::showFoundCurrent(const FoundCurrentReading& reading)
{
    const QString line = reading.current ? foundCurrentLine(*reading.current) : reading.problem;
    ui_->currentEdit->setText(line);
    ui_->currentEdit->setCursorPosition(0);  // the set and drift in view, not the DR at the end
    ui_->currentEdit->setToolTip(line);
    if (reading.current)
        answer_ << u"求流："_s + line;
}

// What the plot draws: the lines of position only when all of them read.
FixDrawing FixWindow::drawing(const FixSettingTexts& settings, const FixReading& read) const
{
    FixDrawing drawing;
    drawing.model = settings.model;
    drawing.compassError = read.compassError.value_or(0);
    drawing.markNames = read.rows.names;
    if (read.linesKnown)
        drawing.sightings = read.rows.sightings;
    drawing.fix = fix_;
    drawing.near = read.near;
    return drawing;
}

// The settings as the sheet lists them beside the plot: the course and
// speed only when both are typed and the lines are run with them.
QStringList FixWindow::settingsLines(const FixSettingTexts& settings, const FixReading& read) const
{
    QStringList lines{u"地球模型："_s + ui_->modelCombo->currentText(),
                      u"罗经差："_s + (read.compassError ? settings.compassError.trimmed() : u"0"_s)
                          + u"°"_s};
    if (read.near)
        lines << u"推算船位："_s + settings.near.trimmed();
    if (!settings.course.trimmed().isEmpty() && !settings.speed.trimmed().isEmpty() && read.linesKnown)
        lines << u"航向 %1°，航速 %2 节"_s.arg(settings.course.trimmed(), settings.speed.trimmed());
    if (hasSights_)
        lines << sightSettingsLine(settings);
    return lines;
}

// Every text of the fix as typed, with the settings they are read with.
FixTexts FixWindow::fixTexts() const
{
    FixTexts texts;
    texts.rows = model_->observationRows();
    FixSettingTexts& settings = texts.settings;
    settings.model = nav::EarthModel(ui_->modelCombo->currentData().toInt());
    settings.form = formOf(*ui_);
    for (const SettingField& setting : settingFields)
        settings.*setting.text = ((*ui_).*setting.field)->text();
    settings.near = ui_->nearEdit->text();
    settings.nearForm = nearForm_;
    settings.first = {ui_->firstFixEdit->text(), firstForm_, ui_->firstTimeEdit->text()};
    settings.second = {ui_->secondFixEdit->text(), secondForm_, ui_->secondTimeEdit->text()};
    return texts;
}

void FixWindow::showAnswer(const QStringList& problems, const QStringList& figures, bool hintOnly)
{
    const QString position = fix_ ? fromUtf8(nav::formatPosition(fix_->position)) : QString();
    const bool changed = position != ui_->fixEdit->text();
    ui_->fixEdit->setText(position);
    ui_->figuresView->setPlainText((fix_ ? figures : problems).join(u'\n'));
    answer_ = fix_ ? QStringList{fixFoundMessage(position)} + figures : problems;
    for (QWidget* control : std::initializer_list<QWidget*>{ui_->copyButton, ui_->addToRouteButton})
        control->setEnabled(fix_.has_value());
    ui_->copyFixAction->setEnabled(fix_.has_value());
    ui_->addToRouteAction->setEnabled(fix_.has_value());
    ui_->recordFixAction->setEnabled(fix_.has_value());
    ui_->recordFixButton->setEnabled(fix_.has_value());
    // On a window too low for the result, its scrolled area shows the fix.
    if (fix_)
        ui_->resultArea->ensureWidgetVisible(ui_->fixEdit);
    // The plot's text alternative: what it shows, in words.
    ui_->plotView->setAccessibleDescription(answer_.join(u'；'));
    // A refusal in the status bar too, a hint only below; a fix found or
    // changed in the status bar, which screen readers read, while the focus
    // stays in the table.
    if (!fix_ && !problems.isEmpty() && !hintOnly)
        statusBar()->showMessage(problems.front());
    else if (fix_ && changed)
        statusBar()->showMessage(fixFoundMessage(position));
    else
        statusBar()->clearMessage();
}

void FixWindow::insertObservation()
{
    const QModelIndex current = ui_->observationTable->currentIndex();
    const int row = current.isValid() ? current.row() : int(model_->observationRows().size());
    model_->insertObservation(row);
    ui_->observationTable->setCurrentIndex(model_->index(row, int(ObservationColumn::Mark)));
}

void FixWindow::deleteObservations()
{
    QList<int> rows;
    for (const QModelIndex& index : ui_->observationTable->selectionModel()->selectedIndexes())
        rows << index.row();
    if (rows.isEmpty() && ui_->observationTable->currentIndex().isValid())
        rows << ui_->observationTable->currentIndex().row();
    model_->removeObservations(rows);
}

// The fix as one whole position, which both the calculator's fields and
// the route window's table read back.
void FixWindow::copyFix()
{
    if (!fix_)
        return;
    QGuiApplication::clipboard()->setText(fromUtf8(nav::formatPosition(fix_->position)));
    statusBar()->showMessage(u"已复制船位。"_s);
}

// Named after the last observation's watch time, when it has one.
void FixWindow::addToRoute()
{
    if (!fix_)
        return;
    QString name = u"船位"_s;
    const QList<ObservationRow>& rows = model_->observationRows();
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        if (row->isEmpty())
            continue;
        if (nav::readWatchTime(row->when.trimmed().toStdString()))
            name += u' ' + row->when.trimmed();
        break;
    }
    emit addToRouteRequested({name, fromUtf8(nav::formatLatitude(fix_->position.latitude)),
                              fromUtf8(nav::formatLongitude(fix_->position.longitude))});
}

// 记入船位: the fix becomes the second fix of 求流 and the second the
// first, as in a log of fixes whose last two give the current; its time is
// the navigator's to type, where the focus goes.
void FixWindow::recordFix()
{
    if (!fix_)
        return;
    currentShown_ = true;
    const RecordedFixTexts second{ui_->secondFixEdit->text(), secondForm_, ui_->secondTimeEdit->text()};
    showRecordedFixes(second, {fromUtf8(nav::formatPosition(fix_->position)), geo::NumberForm::Minutes, {}});
    showPanels();
    ui_->secondTimeEdit->setFocus(Qt::OtherFocusReason);
    statusBar()->showMessage(u"已记为第二船位，请输入定位的时间。"_s);
}

void FixWindow::showRecordedFixes(const RecordedFixTexts& first, const RecordedFixTexts& second)
{
    firstForm_ = first.form;
    secondForm_ = second.form;
    ui_->firstFixEdit->setText(first.position);
    ui_->firstTimeEdit->setText(first.time);
    ui_->secondFixEdit->setText(second.position);
    ui_->secondTimeEdit->setText(second.time);
}

QString FixWindow::takeSight(const SentSight& sight)
{
    const TakenSight taken = tarnquil::takeSight(fixTexts(), sight);
    if (!taken.refusal.isEmpty())
        return taken.refusal;
    const FixSettingTexts& settings = taken.texts.settings;
    for (const SettingField& setting : settingFields)
        if (((*ui_).*setting.field)->text() != settings.*setting.text)
            ((*ui_).*setting.field)->setText(settings.*setting.text);
    if (ui_->nearEdit->text() != settings.near) {
        nearForm_ = settings.nearForm;
        ui_->nearEdit->setText(settings.near);
    }
    model_->appendObservation(taken.texts.rows.back());
    // The keyboard on the new row, whose refusal, if any, is its tooltip.
    const int row = int(taken.texts.rows.size()) - 1;
    ui_->observationTable->setCurrentIndex(model_->index(row, int(ObservationColumn::Value)));
    ui_->observationTable->setFocus(Qt::OtherFocusReason);
    statusBar()->showMessage(u"已加入观测：%1。"_s.arg(observationLines_.value(observationLines_.size() - 1)));
    return {};
}

void FixWindow::showAddedToRoute(bool added)
{
    statusBar()->showMessage(addedToRouteMessage(added));
}

FixSheet FixWindow::sheet() const
{
    FixSheet sheet;
    sheet.drawing = ui_->plotView->drawing();
    sheet.settings = settingsLines_;
    sheet.observations = observationLines_;
    sheet.answer = answer_;
    return sheet;
}

}  // namespace tarnquil
