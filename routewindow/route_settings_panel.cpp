// SPDX-License-Identifier: GPL-3.0-or-later
#include "routewindow/route_settings_panel.h"
#include "ui_route_window.h"

#include "routewindow/waypoint_table_model.h"
#include "widgets/refusal_mark.h"
#include "widgets/status_line.h"

#include "text/form_words.h"
#include "text/quantity_text.h"
#include "text/refusals.h"
#include "text/utf8_text.h"

#include "nav/display.h"
#include "nav/entry.h"
#include "nav/eta_zone.h"
#include "nav/time_zone.h"

#include <QAbstractItemView>
#include <QMainWindow>
#include <QScopedValueRollback>
#include <QStatusBar>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

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

}  // namespace

RouteSettingsPanel::RouteSettingsPanel(QMainWindow* window, Ui::RouteWindow* ui,
                                       WaypointTableModel* model, StatusLine* status)
    : QObject(window)
    , window_(window)
    , ui_(ui)
    , model_(model)
    , status_(status)
{
}

QStatusBar* RouteSettingsPanel::statusBar() const
{
    return window_->statusBar();
}

void RouteSettingsPanel::setUp()
{
    for (const nav::EarthModel model : nav::kEarthModels) {
        ui_->modelCombo->addItem(fromUtf8(nav::modelName(model)), int(model));
    }
    setUpZones();
    // The lists that drop down, named after their boxes for screen readers.
    for (QComboBox* box : window_->findChildren<QComboBox*>())
        box->view()->setAccessibleName(box->accessibleName() + u"列表"_s);
    connect(ui_->speedEdit, &QLineEdit::textChanged, this, &RouteSettingsPanel::readSettings);
    connect(ui_->departureEdit, &QLineEdit::textChanged, this, &RouteSettingsPanel::readSettings);
    connect(ui_->zoneCombo, &QComboBox::editTextChanged, this, &RouteSettingsPanel::readSettings);
    connect(ui_->modelCombo, &QComboBox::currentIndexChanged, this, &RouteSettingsPanel::readSettings);
    connect(ui_->etaZoneCombo, &QComboBox::currentIndexChanged, this, &RouteSettingsPanel::readSettings);
    connect(ui_->routeNameEdit, &QLineEdit::textChanged, this, [this] {
        noteSettingsChanged();
        emit titleChanged();
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
void RouteSettingsPanel::setUpZones()
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
void RouteSettingsPanel::noteSettingsChanged()
{
    if (showingSettings_)
        return;
    settingsChanged_ = true;
}

geo::NumberForm RouteSettingsPanel::chosenForm() const
{
    for (const FormOption& choice : formOptions) {
        if (((*ui_).*choice.option)->isChecked())
            return choice.form;
    }
    return geo::NumberForm::Minutes;
}

void RouteSettingsPanel::chooseForm(geo::NumberForm form)
{
    for (const FormOption& choice : formOptions) {
        if (choice.form == form)
            ((*ui_).*choice.option)->setChecked(true);
    }
}

// A refused speed or departure is marked and explained, and the route is
// computed without it: no time is guessed from a text that is not read.
void RouteSettingsPanel::readSettings()
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
    settings.reckoning = reckoning_;
    const bool changed = settings.form == model_->settings().form
        && !(savedOf(settings) == savedOf(model_->settings()));
    model_->setSettings(settings);
    emit settingsRead(settings);
    if (changed) {
        noteSettingsChanged();
        emit titleChanged();
    }
}

void RouteSettingsPanel::setReckoning(const ReckoningTexts& texts)
{
    reckoning_ = texts;
    readSettings();
}

void RouteSettingsPanel::showReckoning(const ReckoningTexts& texts)
{
    const QScopedValueRollback<bool> showing(showingSettings_, true);
    setReckoning(texts);
}

void RouteSettingsPanel::showSettings(const RouteSettings& settings)
{
    const QScopedValueRollback<bool> showing(showingSettings_, true);
    reckoning_ = settings.reckoning;
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
    // The wind and current have no field here: read whether or not a field
    // changed.
    readSettings();
}

QString RouteSettingsPanel::routeName() const
{
    return ui_->routeNameEdit->text();
}

void RouteSettingsPanel::setRouteName(const QString& name)
{
    const QScopedValueRollback<bool> showing(showingSettings_, true);
    ui_->routeNameEdit->setText(name);
}

}  // namespace tarnquil
