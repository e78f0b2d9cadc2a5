// SPDX-License-Identifier: GPL-3.0-or-later
#include "routewindow/dead_reckoning_panel.h"
#include "widgets/refusal_mark.h"

#include "text/conversion_message.h"
#include "text/current_text.h"
#include "text/current_words.h"
#include "text/method_words.h"
#include "text/refusals.h"
#include "text/utf8_text.h"

#include "geo/position_text.h"
#include "nav/display.h"
#include "nav/errors.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

const QString startName = u"起点"_s;
// The waypoint added, numbered by the window when the route has one already.
const QString pointName = u"推算点"_s;

}  // namespace

struct DeadReckoningPanel::Reading {
    std::optional<nav::LogSpeed> log;     // empty until the speed is typed
    std::optional<double> hours;          // empty until typed
    std::optional<double> leeway;         // 0 when not typed
    std::optional<nav::Current> current;  // of rate 0 when neither set nor rate is typed
};

DeadReckoningPanel::DeadReckoningPanel(const DeadReckoningControls& controls,
                                       const CurrentControls& current, QObject* parent)
    : QObject(parent)
    , controls_(controls)
    , current_(current)
{
    for (const nav::Method method : {nav::Method::Rhumb, nav::Method::GreatCircle})
        controls_.method->addItem(methodLabel(method), int(method));
    connectFields();
    setSelectedPosition(std::nullopt);
}

void DeadReckoningPanel::connectFields()
{
    for (QLineEdit* field : {controls_.from, controls_.course, controls_.run, current_.logSpeed,
                             current_.hours, current_.leeway, current_.set, current_.rate,
                             current_.logCorrection}) {
        connect(field, &QLineEdit::textChanged, this, &DeadReckoningPanel::recompute);
        connect(field, &QLineEdit::returnPressed, this, &DeadReckoningPanel::append);
    }
    for (QLineEdit* field : {current_.leeway, current_.set, current_.rate, current_.logCorrection})
        connect(field, &QLineEdit::textChanged, this, &DeadReckoningPanel::noteEdit);
    connect(controls_.method, &QComboBox::currentIndexChanged, this,
            &DeadReckoningPanel::recompute);
    connect(controls_.append, &QPushButton::clicked, this, &DeadReckoningPanel::append);
}

void DeadReckoningPanel::setSelectedPosition(std::optional<geo::GeoPoint> position)
{
    selected_ = position;
    controls_.from->setPlaceholderText(
        position ? fromUtf8(nav::formatPosition(*position)) + u"（选中航点）"_s
                 : u"如 31°03′N 122°20′E"_s);
    recompute();
}

void DeadReckoningPanel::setSelectedTrack(std::optional<double> track)
{
    track_ = track;
    recompute();
}

void DeadReckoningPanel::setSettings(geo::NumberForm form, nav::EarthModel model)
{
    form_ = form;
    if (earth_.model() != model)
        earth_ = nav::Earth(model);
    recompute();
}

void DeadReckoningPanel::showTexts(const ReckoningTexts& texts)
{
    if (texts == this->texts())
        return;
    const QScopedValueRollback<bool> showing(showing_, true);
    current_.leeway->setText(texts.leeway);
    current_.set->setText(texts.currentSet);
    current_.rate->setText(texts.currentRate);
    current_.logCorrection->setText(texts.logCorrection);
}

ReckoningTexts DeadReckoningPanel::texts() const
{
    return {current_.leeway->text(), current_.set->text(), current_.rate->text(),
            current_.logCorrection->text()};
}

void DeadReckoningPanel::noteEdit()
{
    if (!showing_)
        emit textsEdited(texts());
}

void DeadReckoningPanel::refuse(QLineEdit* field, const QString& message)
{
    markRefused(field, message);
    if (refusal_.isEmpty())
        refusal_ = message;
}

void DeadReckoningPanel::clearMarks()
{
    for (QLineEdit* field : {controls_.from, controls_.course, controls_.run, current_.logSpeed,
                             current_.hours, current_.leeway, current_.set, current_.rate,
                             current_.logCorrection, current_.steer})
        clearRefusal(field);
}

// The run given by the log's speed and the hours, with wind and current.
bool DeadReckoningPanel::byHours() const
{
    return !current_.logSpeed->text().isEmpty() || !current_.hours->text().isEmpty();
}

void DeadReckoningPanel::recompute()
{
    const QString before = refusal_;
    refusal_.clear();
    clearMarks();
    const std::optional<geo::GeoPoint> from = start();
    const std::optional<double> course = readField(controls_.course);
    const Reading reading = readCurrent();
    const bool hours = byHours();
    controls_.method->setEnabled(!hours);
    if (hours) {
        reached_ = reckonWithCurrent(from, course, reading);
    } else {
        showReckoning(std::nullopt);
        const std::optional<double> run = readField(controls_.run);
        reached_ = from && course && run ? reckon(*from, *course, *run) : std::nullopt;
    }
    workCourseToSteer(reading);
    controls_.reached->setText(reached_ ? fromUtf8(nav::formatPosition(*reached_))
                                        : QString());
    controls_.append->setEnabled(reached_.has_value());
    if (refusal_ != before)
        emit refusalChanged(refusal_);
}

std::optional<geo::GeoPoint> DeadReckoningPanel::start()
{
    const QString text = controls_.from->text();
    if (text.trimmed().isEmpty())
        return selected_;
    try {
        return geo::readPosition(text.toStdString(), form_).position;
    } catch (const geo::CoordinateError& error) {
        refuse(controls_.from, conversionFailureMessage(startName, text, error));
    }
    return std::nullopt;
}

std::optional<double> DeadReckoningPanel::readField(QLineEdit* field)
{
    const QString text = field->text();
    if (text.isEmpty())
        return std::nullopt;
    const QuantityReading read =
        field == controls_.course ? readCourseText(text) : readDistanceText(text);
    if (!read.value)
        refuse(field, read.refusal);
    return read.value;
}

// The field's value, `empty` when it is empty; empty when refused.
std::optional<double> DeadReckoningPanel::read(QLineEdit* field,
                                               QuantityReading (*reader)(const QString&, QStringView),
                                               std::optional<double> empty)
{
    const QString text = field->text();
    if (text.isEmpty())
        return empty;
    const QuantityReading reading = reader(text, {});
    if (!reading.value)
        refuse(field, reading.refusal);
    return reading.value;
}

DeadReckoningPanel::Reading DeadReckoningPanel::readCurrent()
{
    Reading reading;
    const std::optional<double> speed = read(current_.logSpeed, readSpeedText, std::nullopt);
    const std::optional<double> correction = read(current_.logCorrection, readLogCorrectionText, 0);
    if (speed && correction)
        reading.log = nav::LogSpeed{*speed, *correction};
    reading.hours = read(current_.hours, readHoursText, std::nullopt);
    reading.leeway = read(current_.leeway, readLeewayText, 0);
    const std::optional<double> set = read(current_.set, readCurrentSetText, std::nullopt);
    const std::optional<double> rate = read(current_.rate, readCurrentRateText, std::nullopt);
    const bool setTyped = !current_.set->text().isEmpty();
    const bool rateTyped = !current_.rate->text().isEmpty();
    if (setTyped != rateTyped)
        refuse(setTyped ? current_.rate : current_.set, currentPairRefusal());
    else if (!setTyped)
        reading.current = nav::Current{};
    else if (set && rate)
        reading.current = nav::Current{*set, *rate};
    return reading;
}

std::optional<geo::GeoPoint> DeadReckoningPanel::reckon(geo::GeoPoint from, double course,
                                                        double run)
{
    const auto method = nav::Method(controls_.method->currentData().toInt());
    try {
        return earth_.deadReckoning(from, course, run, method);
    } catch (const nav::RangeError& error) {
        if (refuseStart(error))
            return std::nullopt;
        if (error.quantity() == nav::Quantity::Course)
            refuse(controls_.course, courseRefusal(controls_.course->text(), Verdict::OutOfRange));
        else
            refuse(controls_.run, distanceRefusal(controls_.run->text(), Verdict::OutOfRange));
    } catch (const nav::PoleError&) {
        refuse(controls_.run, poleRunRefusal());
    }
    return std::nullopt;
}

std::optional<geo::GeoPoint> DeadReckoningPanel::reckonWithCurrent(
    std::optional<geo::GeoPoint> from, std::optional<double> course, const Reading& reading)
{
    if (!controls_.run->text().isEmpty())
        refuse(controls_.run, runOrHoursRefusal());
    std::optional<nav::CurrentReckoning> reckoning;
    if (from && course && reading.log && reading.hours && reading.leeway && reading.current
        && controls_.run->text().isEmpty()) {
        try {
            reckoning = nav::reckonWithCurrent(earth_, *from, {*course, *reading.leeway},
                                               *reading.log, *reading.current, *reading.hours);
        } catch (const nav::RangeError& error) {
            refuseReckoning(error);
        } catch (const nav::PoleError&) {
            refuse(current_.hours, poleRunRefusal());
        }
    }
    showReckoning(reckoning);
    return reckoning ? std::optional(reckoning->position) : std::nullopt;
}

// What the readers let through: a start beyond the Earth's range, a run
// over the ground beyond nav::kMaxRun, speeds whose sum overflows.
void DeadReckoningPanel::refuseReckoning(const nav::RangeError& error)
{
    if (refuseStart(error))
        return;
    if (error.quantity() == nav::Quantity::Distance)
        refuse(current_.hours, reckonedRunRefusal());
    else
        refuse(current_.logSpeed, speedRefusal(current_.logSpeed->text(), Verdict::OutOfRange));
}

// A start beyond the Earth's range, refused in its field; false for any
// other quantity.
bool DeadReckoningPanel::refuseStart(const nav::RangeError& error)
{
    const bool latitude = error.quantity() == nav::Quantity::Latitude;
    if (!latitude && error.quantity() != nav::Quantity::Longitude)
        return false;
    refuse(controls_.from, positionRangeRefusal(startName, controls_.from->text(),
                                                latitude ? geo::Axis::Latitude : geo::Axis::Longitude));
    return true;
}

void DeadReckoningPanel::showReckoning(const std::optional<nav::CurrentReckoning>& reckoning)
{
    const auto orNoTrack = [&reckoning](const std::optional<double>& value, QString (*text)(double)) {
        return !reckoning ? QString() : value ? text(*value) : noGroundTrackText();
    };
    current_.ca->setText(reckoning ? currentCourseText(reckoning->ca) : QString());
    current_.cg->setText(orNoTrack(reckoning ? reckoning->cg : std::nullopt, currentCourseText));
    current_.groundSpeed->setText(reckoning ? currentSpeedText(reckoning->groundSpeed) : QString());
    current_.beta->setText(orNoTrack(reckoning ? reckoning->beta : std::nullopt, driftAngleText));
    current_.gamma->setText(orNoTrack(reckoning ? reckoning->gamma : std::nullopt, angleSumText));
}

// 预配 on the selected leg, with the wind and current given.
void DeadReckoningPanel::workCourseToSteer(const Reading& reading)
{
    std::optional<nav::CourseToSteer> steer;
    if (track_ && reading.log && reading.leeway && reading.current) {
        try {
            steer = nav::courseToSteer(*track_, *reading.log, *reading.leeway, *reading.current);
        } catch (const nav::CurrentError& error) {
            refuse(current_.steer, trackRefusal(error.reason(), *track_));
        } catch (const nav::RangeError&) {
            refuse(current_.logSpeed, speedRefusal(current_.logSpeed->text(), Verdict::OutOfRange));
        }
    }
    current_.steer->setText(steer ? currentCourseText(steer->tc) : QString());
    current_.steerSpeed->setText(steer ? currentSpeedText(steer->groundSpeed) : QString());
}

void DeadReckoningPanel::append()
{
    if (!reached_)
        return;
    // With wind and current the position was run on a rhumb line.
    const nav::Method method = byHours() ? nav::Method::Rhumb
                                         : nav::Method(controls_.method->currentData().toInt());
    emit appendRequested({pointName, fromUtf8(nav::formatLatitude(reached_->latitude)),
                          fromUtf8(nav::formatLongitude(reached_->longitude)), method});
}

}  // namespace tarnquil
