// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/pdf.h"

#include "calculator/entry_field.h"
#include "calculator/link_label.h"

#include "text/conversion_message.h"
#include "text/utf8_text.h"

#include "geo/coordinate_text.h"
#include "geo/display.h"
#include "geo/distance.h"
#include "geo/errors.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {

const QString incompleteInputMessage = u"请输入完整的经纬信息！"_s;
const QString calculationFailedMessage = u"无法完成计算：输入的数值超出了可计算的范围。"_s;
const QColor linkHoverColour(255, 0, 0);

}  // namespace

pdf::pdf(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint)
    , prompt_(tarnquil::messageBoxPrompt(this, QMessageBox::NoIcon, u"提示"_s))
    , buttonTextColour_(QApplication::palette("QPushButton").color(QPalette::ButtonText))
    , controls_(tarnquil::buildWindow(this))
{
    setMouseTracking(true);
    connect(controls_.distanceCommand, &QPushButton::clicked, this, &pdf::computeDistance);
    connect(controls_.angleCommand, &QPushButton::clicked, this, &pdf::computeAngle);
    connect(controls_.link, &tarnquil::LinkLabel::pointerMoved, this,
            [this] { setLinkColour(linkHoverColour); });
    connect(controls_.link, &tarnquil::LinkLabel::openFailed, this,
            &pdf::reportWebsiteUnreachable);
    // A whole position pasted into either field of a point fills both.
    for (const tarnquil::PointFields& point :
         {controls_.point1, controls_.point2, controls_.reference}) {
        const auto fill = [point](const QString& latitude, const QString& longitude) {
            point.latitude->replaceText(latitude);
            point.longitude->replaceText(longitude);
        };
        for (tarnquil::EntryField* field : {point.latitude, point.longitude})
            connect(field, &tarnquil::EntryField::positionPasted, this, fill);
    }
}

double pdf::distance(double lat1, double lon1, double lat2, double lon2) const
{
    return geo::distance(lat1, lon1, lat2, lon2);
}

void pdf::setPrompt(Prompt prompt)
{
    prompt_ = std::move(prompt);
}

void pdf::computeDistance()
{
    const auto points = readPoints({controls_.point1, controls_.point2});
    if (!points)
        return;
    const geo::GeoPoint& point1 = (*points)[0];
    const geo::GeoPoint& point2 = (*points)[1];
    try {
        const geo::DistanceReadout readout = geo::distanceReadout(
            distance(point1.latitude, point1.longitude, point2.latitude, point2.longitude));
        controls_.kilometres->setText(tarnquil::fromUtf8(readout.kilometres));
        controls_.nauticalMiles->setText(tarnquil::fromUtf8(readout.nauticalMiles));
    } catch (const geo::ArithmeticError&) {
        prompt_(calculationFailedMessage);
    }
}

void pdf::computeAngle()
{
    const auto points = readPoints({controls_.point1, controls_.point2, controls_.reference});
    if (!points)
        return;
    try {
        const double degrees = geo::angle((*points)[0], (*points)[1], (*points)[2]);
        controls_.degrees->setText(tarnquil::fromUtf8(geo::angleReadout(degrees)));
    } catch (const geo::ArithmeticError&) {
        prompt_(calculationFailedMessage);
    }
}

std::optional<std::vector<geo::GeoPoint>>
pdf::readPoints(std::initializer_list<tarnquil::PointFields> points)
{
    for (const tarnquil::PointFields& point : points) {
        for (QLineEdit* field : {point.latitude, point.longitude}) {
            if (field->text().isEmpty()) {
                prompt_(incompleteInputMessage);
                field->setFocus();
                return std::nullopt;
            }
        }
    }
    std::vector<geo::GeoPoint> read;
    for (const tarnquil::PointFields& point : points) {
        const std::optional<geo::GeoPoint> degrees = readPoint(point);
        if (!degrees)
            return std::nullopt;
        read.push_back(*degrees);
    }
    return read;
}

// Where the texts of a point's two fields become degrees: the latitude first,
// then the longitude. A text that cannot be read is reported, and selected
// for the user to correct.
std::optional<geo::GeoPoint> pdf::readPoint(const tarnquil::PointFields& point)
{
    const geo::EntryMode mode
        = point.minutes->isChecked() ? geo::EntryMode::Minutes : geo::EntryMode::Seconds;
    const auto read = [this, mode](QLineEdit* field, geo::Axis axis) -> std::optional<double> {
        try {
            return geo::readCoordinate(field->text().toStdString(), mode, axis);
        } catch (const geo::CoordinateError& error) {
            prompt_(tarnquil::conversionFailureMessage(field->accessibleName(), field->text(),
                                                       error));
            field->setFocus();
            field->selectAll();
            return std::nullopt;
        }
    };
    const std::optional<double> latitude = read(point.latitude, geo::Axis::Latitude);
    if (!latitude)
        return std::nullopt;
    const std::optional<double> longitude = read(point.longitude, geo::Axis::Longitude);
    if (!longitude)
        return std::nullopt;
    return geo::GeoPoint{*latitude, *longitude};
}

void pdf::reportWebsiteUnreachable()
{
    prompt_(u"无法打开网址“%1”，请确认系统已设置默认浏览器。"_s.arg(
        controls_.link->address().toString()));
}

void pdf::setLinkColour(const QColor& colour)
{
    QPalette palette = controls_.link->palette();
    palette.setColor(QPalette::WindowText, colour);
    controls_.link->setPalette(palette);
}

// Only movement over the window's own surface counts, not over its controls,
// even when a control passes the event on because a mouse button is held.
void pdf::mouseMoveEvent(QMouseEvent* event)
{
    if (childAt(event->position().toPoint()) == nullptr)
        setLinkColour(buttonTextColour_);
    QWidget::mouseMoveEvent(event);
}

void pdf::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QApplication::palette("QScrollBar").color(QPalette::Mid));
    painter.drawLine(controls_.line);
}
