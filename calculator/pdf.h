// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's one window: entry fields for three points, the distance and
// angle commands, their output fields, the user guide and the website link.
// Its controls are laid out in window_layout.cpp; this class holds what they do.
#pragma once

#include "calculator/window_layout.h"
#include "widgets/prompt.h"

#include "geo/angle.h"

#include <QColor>
#include <QWidget>

#include <initializer_list>
#include <optional>
#include <vector>

// pdf: the calculator's main window, under the class name the classic program gave it.
class pdf : public QWidget
{
    Q_OBJECT

public:
    // Shows a message to the user and returns when the user has read it.
    using Prompt = tarnquil::Prompt;

    explicit pdf(QWidget* parent = nullptr);

    // Kilometres between two points given in decimal degrees; the distance
    // command calls it. Throws geo::ArithmeticError when a value is not finite.
    virtual double distance(double lat1, double lon1, double lat2, double lon2) const;

    // Replaces the modal message box (title "提示", one OK button, no icon)
    // through which the window tells the user what went wrong.
    void setPrompt(Prompt prompt);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void computeDistance();
    void computeAngle();
    void reportWebsiteUnreachable();
    void setLinkColour(const QColor& colour);

    // Converts the points' texts in order. An empty field, or the first text
    // that cannot be converted, is reported to the user and gives no points;
    // the cursor goes to the first empty field, or to the text.
    std::optional<std::vector<geo::GeoPoint>>
    readPoints(std::initializer_list<tarnquil::PointFields> points);
    std::optional<geo::GeoPoint> readPoint(const tarnquil::PointFields& point);

    Prompt prompt_;
    QColor buttonTextColour_;
    tarnquil::WindowControls controls_;
};
