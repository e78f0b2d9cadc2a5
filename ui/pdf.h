// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's one window: entry fields for three points, the distance and
// angle commands, their output fields, the user guide and the website link.
#pragma once

#include "geo/coordinate_entry.h"
#include "geo/angle.h"

#include <QColor>
#include <QLine>
#include <QWidget>

#include <functional>
#include <optional>
#include <span>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace tarnquil {
class LinkLabel;
class PairedOption;
}

class pdf : public QWidget
{
    Q_OBJECT

public:
    // Shows a message to the user and returns when the user has read it.
    using Prompt = std::function<void(const QString& message)>;

    explicit pdf(QWidget* parent = nullptr);

    // Kilometres between two points given in decimal degrees.
    double distance(double lat1, double lon1, double lat2, double lon2) const;

    // Replaces the modal message box (title "提示", one OK button, no icon)
    // through which the window tells the user what went wrong.
    void setPrompt(Prompt prompt);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The two entry fields of one point and the option that selects the
    // minutes form for them.
    struct PointFields {
        QLineEdit* latitude;
        QLineEdit* longitude;
        QRadioButton* minutesOption;
    };

    void createControls();
    void createPointFrames();
    void createOutputFrames();
    void createBottomLine();
    void setKeyboardOrder();
    void load();

    void computeDistance();
    void computeAngle();
    void reportWebsiteUnreachable();
    void showLinkHovered();

    // Converts the points' texts in order. An empty field, or the first text
    // that cannot be converted, is reported to the user and gives no points.
    std::optional<std::vector<geo::GeoPoint>> readPoints(std::span<const PointFields> fields);
    std::optional<double> readCoordinate(QLineEdit* field, geo::EntryMode mode);
    void setLinkColour(const QColor& colour);

    Prompt prompt_;
    QColor buttonTextColour_;
    QLine line1_;

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QGroupBox* Frame4 = nullptr;
    QGroupBox* Frame5 = nullptr;
    QGroupBox* Frame6 = nullptr;
    QWidget* Picture1 = nullptr;
    QWidget* Picture2 = nullptr;
    QWidget* Picture3 = nullptr;
    QWidget* Picture4 = nullptr;
    tarnquil::PairedOption* Option1 = nullptr;
    tarnquil::PairedOption* Option2 = nullptr;
    tarnquil::PairedOption* Option3 = nullptr;
    tarnquil::PairedOption* Option4 = nullptr;
    tarnquil::PairedOption* Option5 = nullptr;
    tarnquil::PairedOption* Option6 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    tarnquil::LinkLabel* Label11 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label13 = nullptr;
    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLineEdit* Text5 = nullptr;
    QLineEdit* Text6 = nullptr;
    QLineEdit* Text7 = nullptr;
    QLineEdit* Text8 = nullptr;
    QLineEdit* Text9 = nullptr;
    QPlainTextEdit* Text10 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
};
