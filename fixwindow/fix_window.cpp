// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixwindow/fix_window.h"
#include "ui_fix_window.h"

#include "fixwindow/fix_settings_panel.h"
#include "fixwindow/fix_sheet_output.h"
#include "fixwindow/observation_table_layout.h"

#include "text/fix_words.h"
#include "text/observation_kinds.h"
#include "text/utf8_text.h"
#include "widgets/choice_delegate.h"
#include "widgets/document_files.h"
#include "widgets/status_line.h"

#include "nav/display.h"
#include "nav/entry.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>

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

}  // namespace

FixWindow::FixWindow(QWidget* parent)
    : ToolWindow(windowName, parent)
    , ui_(std::make_unique<Ui::FixWindow>())
    , model_(new ObservationTableModel(this))
    , undoStack_(new QUndoStack(this))
    , document_(this, [this] { return fixTexts(); }, [this](const FixTexts& texts) { showTexts(texts); })
{
    ui_->setupUi(this);
    settings_ = new FixSettingsPanel(ui_.get(), this);
    new StatusLine(statusBar());
    output_ = new FixSheetOutput(this, [this] { return sheet(); }, windowName,
                                 messageBoxPrompt(this, QMessageBox::Warning, windowName));
    setUpActions();
    setUpTable();
    connect(settings_, &FixSettingsPanel::edited, this, &FixWindow::recompute);
    connect(settings_, &FixSettingsPanel::formChosen, model_, &ObservationTableModel::setForm);
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
    settings_->showTexts(texts.settings);
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
    connect(ui_->showCurrentAction, &QAction::toggled, settings_, &FixSettingsPanel::showCurrent);
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

// Reads the settings and the rows, and fixes the ship when every text
// reads: a text that does not is named with its reason, and no fix is
// shown from the others.
void FixWindow::recompute()
{
    const FixTexts texts = fixTexts();
    const FixReading read = readFix(texts);
    model_->setRefusals(read.rows.refusals);
    fix_ = read.fix;
    observationLines_ = read.rows.lines;
    showAnswer(read.problems, fix_ ? fixFigures(*fix_, read.rows.names) : QStringList(), read.hintOnly);
    const QString current = settings_->showReading(texts, read);
    if (!current.isEmpty())
        answer_ << current;
    ui_->plotView->setDrawing(drawing(texts.settings, read));
    updateTitle();
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

// Every text of the fix as typed, with the settings they are read with.
FixTexts FixWindow::fixTexts() const
{
    return {model_->observationRows(), settings_->texts()};
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

// 记入船位: the fix becomes the second fix of 求流.
void FixWindow::recordFix()
{
    if (!fix_)
        return;
    settings_->recordFix(fromUtf8(nav::formatPosition(fix_->position)));
    statusBar()->showMessage(u"已记为第二船位，请输入定位的时间。"_s);
}

QString FixWindow::takeSight(const SentSight& sight)
{
    const TakenSight taken = tarnquil::takeSight(fixTexts(), sight);
    if (!taken.refusal.isEmpty())
        return taken.refusal;
    settings_->takeTexts(taken.texts.settings);
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
    sheet.settings = settings_->lines();
    sheet.observations = observationLines_;
    sheet.answer = answer_;
    return sheet;
}

}  // namespace tarnquil
