// SPDX-License-Identifier: GPL-3.0-or-later
#include "routewindow/dead_reckoning_panel.h"
#include "widgets/refusal_mark.h"

#include "text/conversion_message.h"
#include "text/method_words.h"
#include "text/quantity_text.h"
#include "text/refusals.h"
#include "text/utf8_text.h"

#include "geo/position_text.h"
#include "nav/display.h"
#include "nav/errors.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

const QString startName = u"起点"_s;
// The waypoint added, numbered by the window when the route has one already.
const QString pointName = u"推算点"_s;

}  // namespace

DeadReckoningPanel::DeadReckoningPanel(const DeadReckoningControls& controls, QObject* parent)
    : QObject(parent)
    , controls_(controls)
{
    for (const nav::Method method : {nav::Method::Rhumb, nav::Method::GreatCircle})
        controls_.method->addItem(methodLabel(method), int(method));
    for (QLineEdit* field : {controls_.from, controls_.course, controls_.run}) {
        connect(field, &QLineEdit::textChanged, this, &DeadReckoningPanel::recompute);
        connect(field, &QLineEdit::returnPressed, this, &DeadReckoningPanel::append);
    }
    connect(controls_.method, &QComboBox::currentIndexChanged, this,
            &DeadReckoningPanel::recompute);
    connect(controls_.append, &QPushButton::clicked, this, &DeadReckoningPanel::append);
    setSelectedPosition(std::nullopt);
}

void DeadReckoningPanel::setSelectedPosition(std::optional<geo::GeoPoint> position)
{
    selected_ = position;
    controls_.from->setPlaceholderText(
        position ? fromUtf8(nav::formatPosition(*position)) + u"（选中航点）"_s
                 : u"如 31°03′N 122°20′E"_s);
    recompute();
}

void DeadReckoningPanel::setSettings(geo::NumberForm form, nav::EarthModel model)
{
    form_ = form;
    if (earth_.model() != model)
        earth_ = nav::Earth(model);
    recompute();
}

void DeadReckoningPanel::refuse(QLineEdit* field, const QString& message)
{
    markRefused(field, message);
    if (refusal_.isEmpty())
        refusal_ = message;
}

void DeadReckoningPanel::recompute()
{
    const QString before = refusal_;
    refusal_.clear();
    for (QLineEdit* field : {controls_.from, controls_.course, controls_.run})
        clearRefusal(field);
    const std::optional<geo::GeoPoint> from = start();
    const std::optional<double> course = readField(controls_.course);
    const std::optional<double> run = readField(controls_.run);
    reached_ = from && course && run ? reckon(*from, *course, *run) : std::nullopt;
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

std::optional<geo::GeoPoint> DeadReckoningPanel::reckon(geo::GeoPoint from, double course,
                                                        double run)
{
    const auto method = nav::Method(controls_.method->currentData().toInt());
    try {
        return earth_.deadReckoning(from, course, run, method);
    } catch (const nav::RangeError& error) {
        switch (error.quantity()) {
        case nav::Quantity::Course:
            refuse(controls_.course, courseRefusal(controls_.course->text(), Verdict::OutOfRange));
            break;
        case nav::Quantity::Longitude:
            refuse(controls_.from,
                   positionRangeRefusal(startName, controls_.from->text(), geo::Axis::Longitude));
            break;
        case nav::Quantity::Latitude:
            refuse(controls_.from,
                   positionRangeRefusal(startName, controls_.from->text(), geo::Axis::Latitude));
            break;
        default:
            refuse(controls_.run, distanceRefusal(controls_.run->text(), Verdict::OutOfRange));
            break;
        }
    } catch (const nav::PoleError&) {
        refuse(controls_.run, poleRunRefusal());
    }
    return std::nullopt;
}

void DeadReckoningPanel::append()
{
    if (!reached_)
        return;
    emit appendRequested({pointName, fromUtf8(nav::formatLatitude(reached_->latitude)),
                          fromUtf8(nav::formatLongitude(reached_->longitude)),
                          nav::Method(controls_.method->currentData().toInt())});
}

}  // namespace tarnquil
