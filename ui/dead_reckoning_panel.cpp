// SPDX-License-Identifier: GPL-3.0-or-later
#include "dead_reckoning_panel.h"

#include "conversion_message.h"
#include "quoted_text.h"
#include "refusal_mark.h"
#include "waypoint_table_model.h"

#include "geo/position_text.h"
#include "nav/display.h"
#include "nav/entry.h"
#include "nav/errors.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

const QString startName = u"起点"_s;
const QString courseName = u"航向"_s;
const QString runName = u"航程"_s;
const QString reachedName = u"推算船位"_s;

QString courseRule() { return u"应是 0 到 360 之间的度数，只用数字和小数点，如 45 或 123.5。"_s; }

QString runRule()
{
    return u"应是 0 到 %1 之间的海里数，只用数字和小数点，如 120.5。"_s.arg(nav::kMaxRun, 0, 'f', 0);
}

QString outOfEarth()
{
    return u"起点超出范围：纬度应在 -90° 到 90° 之间，经度应在 -180° 到 180° 之间。"_s;
}

QString throughThePole()
{
    return u"沿恒向线按此航向航行会越过极点，推算不出船位；请改用大圆，或缩短航程。"_s;
}

}  // namespace

DeadReckoningPanel::DeadReckoningPanel(const DeadReckoningControls& controls, QObject* parent)
    : QObject(parent)
    , controls_(controls)
{
    for (const nav::Method method : {nav::Method::Rhumb, nav::Method::GreatCircle})
        controls_.method->addItem(tarnquil::methodName(method), int(method));
    for (QLineEdit* field : {controls_.from, controls_.course, controls_.run})
        connect(field, &QLineEdit::textChanged, this, &DeadReckoningPanel::recompute);
    connect(controls_.method, &QComboBox::currentIndexChanged, this,
            &DeadReckoningPanel::recompute);
    connect(controls_.append, &QPushButton::clicked, this, &DeadReckoningPanel::append);
    setSelectedPosition(std::nullopt);
}

void DeadReckoningPanel::setSelectedPosition(std::optional<geo::GeoPoint> position)
{
    selected_ = position;
    controls_.from->setPlaceholderText(
        position ? QString::fromStdString(nav::formatPosition(*position)) + u"（选中航点）"_s
                 : u"如 31°03′N 122°20′E"_s);
    recompute();
}

void DeadReckoningPanel::setSettings(geo::EntryMode form, nav::EarthModel model)
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
    const std::optional<double> course = number(controls_.course, courseName);
    const std::optional<double> run = number(controls_.run, runName);
    reached_ = from && course && run ? reckon(*from, *course, *run) : std::nullopt;
    controls_.reached->setText(reached_ ? QString::fromStdString(nav::formatPosition(*reached_))
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

std::optional<double> DeadReckoningPanel::number(QLineEdit* field, const QString& name)
{
    const QString text = field->text();
    if (text.isEmpty())
        return std::nullopt;
    const bool course = field == controls_.course;
    const std::optional<double> read = course ? nav::readCourse(text.toStdString())
                                              : nav::readDistance(text.toStdString());
    if (!read)
        refuse(field, name + quotedText(text) + u"无法识别："_s + (course ? courseRule() : runRule()));
    return read;
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
            refuse(controls_.course, courseName + quotedText(controls_.course->text())
                                         + u"超出范围："_s + courseRule());
            break;
        case nav::Quantity::Distance:
            refuse(controls_.run, runName + quotedText(controls_.run->text()) + u"超出范围："_s
                                      + runRule());
            break;
        default:
            refuse(controls_.from, outOfEarth());
            break;
        }
    } catch (const nav::PoleError&) {
        refuse(controls_.run, throughThePole());
    }
    return std::nullopt;
}

void DeadReckoningPanel::append()
{
    if (!reached_)
        return;
    emit appendRequested({reachedName, QString::fromStdString(nav::formatLatitude(reached_->latitude)),
                          QString::fromStdString(nav::formatLongitude(reached_->longitude)),
                          nav::Method(controls_.method->currentData().toInt())});
}

}  // namespace tarnquil
