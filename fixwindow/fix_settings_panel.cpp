// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixwindow/fix_settings_panel.h"
#include "ui_fix_window.h"

#include "text/found_current_reading.h"
#include "text/observation_kinds.h"
#include "text/observation_rows.h"
#include "text/utf8_text.h"

#include "nav/earth.h"
#include "nav/sight_reduction.h"

#include <QApplication>

#include <algorithm>
#include <iterator>
#include <utility>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

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
        return describe(row.kind).sight;
    });
    return altitudes || std::any_of(std::begin(settingFields), std::end(settingFields), [&](const SettingField& setting) {
        return setting.ofSights && !(texts.settings.*setting.text).isEmpty();
    });
}

bool hasCurrentTexts(const FixSettingTexts& typed)
{
    return !(typed.leeway + typed.logCorrection + typed.first.position + typed.first.time
             + typed.second.position + typed.second.time)
                .trimmed()
                .isEmpty();
}

}  // namespace

FixSettingsPanel::FixSettingsPanel(Ui::FixWindow* ui, QObject* parent)
    : QObject(parent)
    , ui_(ui)
{
    for (const nav::EarthModel model : nav::kEarthModels)
        ui_->modelCombo->addItem(fromUtf8(nav::modelName(model)), int(model));
    ui_->modelCombo->view()->setAccessibleName(ui_->modelCombo->accessibleName() + u"列表"_s);
    for (const SettingField& setting : settingFields)
        connect((*ui_).*setting.field, &QLineEdit::textChanged, this, &FixSettingsPanel::edited);
    for (QLineEdit* field : {ui_->firstTimeEdit, ui_->secondTimeEdit})
        connect(field, &QLineEdit::textChanged, this, &FixSettingsPanel::edited);
    // A position is read in the form it was typed in; one shown by the
    // window (a file's, a fix recorded) keeps its own.
    for (const auto& [field, form] : {std::pair{ui_->nearEdit, &nearForm_},
                                      std::pair{ui_->firstFixEdit, &firstForm_},
                                      std::pair{ui_->secondFixEdit, &secondForm_}})
        connect(field, &QLineEdit::textEdited, this, [this, form] { *form = this->form(); });
    for (QLineEdit* field : {ui_->nearEdit, ui_->firstFixEdit, ui_->secondFixEdit})
        connect(field, &QLineEdit::textChanged, this, &FixSettingsPanel::edited);
    connect(ui_->modelCombo, &QComboBox::currentIndexChanged, this, &FixSettingsPanel::edited);
    // The form reads the next text typed: no mark already entered changes.
    for (QRadioButton* option : {ui_->minutesOption, ui_->secondsOption, ui_->degreesOption})
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                emit formChosen(form());
        });
}

geo::NumberForm FixSettingsPanel::form() const
{
    if (ui_->secondsOption->isChecked())
        return geo::NumberForm::Seconds;
    return ui_->degreesOption->isChecked() ? geo::NumberForm::Degrees : geo::NumberForm::Minutes;
}

FixSettingTexts FixSettingsPanel::texts() const
{
    FixSettingTexts settings;
    settings.model = nav::EarthModel(ui_->modelCombo->currentData().toInt());
    settings.form = form();
    for (const SettingField& setting : settingFields)
        settings.*setting.text = ((*ui_).*setting.field)->text();
    settings.near = ui_->nearEdit->text();
    settings.nearForm = nearForm_;
    settings.first = {ui_->firstFixEdit->text(), firstForm_, ui_->firstTimeEdit->text()};
    settings.second = {ui_->secondFixEdit->text(), secondForm_, ui_->secondTimeEdit->text()};
    return settings;
}

void FixSettingsPanel::showTexts(const FixSettingTexts& settings)
{
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
}

void FixSettingsPanel::takeTexts(const FixSettingTexts& settings)
{
    for (const SettingField& setting : settingFields)
        if (((*ui_).*setting.field)->text() != settings.*setting.text)
            ((*ui_).*setting.field)->setText(settings.*setting.text);
    if (ui_->nearEdit->text() != settings.near) {
        nearForm_ = settings.nearForm;
        ui_->nearEdit->setText(settings.near);
    }
}

QString FixSettingsPanel::showReading(const FixTexts& texts, const FixReading& read)
{
    hasSights_ = wantsSightSettings(texts);
    hasCurrentTexts_ = hasCurrentTexts(texts.settings);
    lines_ = settingsLines(texts.settings, read);
    // 求流 between the two fixes recorded: the set and drift, or why not.
    const FoundCurrentReading current = readFoundCurrent(texts.settings);
    const QString line = current.current ? foundCurrentLine(*current.current) : current.problem;
    ui_->currentEdit->setText(line);
    ui_->currentEdit->setCursorPosition(0);  // the set and drift in view, not the DR at the end
    ui_->currentEdit->setToolTip(line);
    showPanels();
    return current.current ? u"求流："_s + line : QString();
}

// The course and speed only when both are typed and the lines are run with
// them.
QStringList FixSettingsPanel::settingsLines(const FixSettingTexts& settings, const FixReading& read) const
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

void FixSettingsPanel::showPanels()
{
    // Not hidden under the keyboard: a field emptied keeps its box.
    QWidget* focus = QApplication::focusWidget();
    ui_->sightBox->setVisible(hasSights_ || ui_->sightBox->isAncestorOf(focus));
    const bool current = currentShown_ || hasCurrentTexts_ || ui_->currentBox->isAncestorOf(focus);
    ui_->currentBox->setVisible(current);
    const QSignalBlocker quiet(ui_->showCurrentAction);
    ui_->showCurrentAction->setChecked(current);
}

void FixSettingsPanel::showCurrent(bool shown)
{
    currentShown_ = shown;
    showPanels();
    if (shown)
        ui_->firstFixEdit->setFocus(Qt::ShortcutFocusReason);
}

// As in a log of fixes, whose last two give the current; its time is the
// navigator's to type.
void FixSettingsPanel::recordFix(const QString& position)
{
    currentShown_ = true;
    const RecordedFixTexts second{ui_->secondFixEdit->text(), secondForm_, ui_->secondTimeEdit->text()};
    showRecordedFixes(second, {position, geo::NumberForm::Minutes, {}});
    showPanels();
    ui_->secondTimeEdit->setFocus(Qt::OtherFocusReason);
}

void FixSettingsPanel::showRecordedFixes(const RecordedFixTexts& first, const RecordedFixTexts& second)
{
    firstForm_ = first.form;
    secondForm_ = second.form;
    ui_->firstFixEdit->setText(first.position);
    ui_->firstTimeEdit->setText(first.time);
    ui_->secondFixEdit->setText(second.position);
    ui_->secondTimeEdit->setText(second.time);
}

}  // namespace tarnquil
