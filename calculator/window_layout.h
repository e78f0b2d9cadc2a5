// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls: what each one is, where it stands and how it looks,
// as one table in window_layout.cpp, and the builder that makes them.
#pragma once

#include <QLine>

class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace tarnquil {

class EntryField;
class LinkLabel;

// One point's two entry fields and the option that selects the minutes form
// (分) for both; its partner selects the seconds form (秒).
struct PointFields {
    EntryField* latitude;
    EntryField* longitude;
    QRadioButton* minutes;
};

// The controls that the window's handlers read and write, by object name.
struct WindowControls {
    PointFields point1;            // Text1, Text2, Option1 in Frame1
    PointFields point2;            // Text3, Text4, Option3 in Frame2
    PointFields reference;         // Text5, Text6, Option5 in Frame3
    QLineEdit* kilometres;         // Text7
    QLineEdit* nauticalMiles;      // Text8
    QLineEdit* degrees;            // Text9
    QPushButton* distanceCommand;  // Command3
    QPushButton* angleCommand;     // Command4
    LinkLabel* link;               // Label11
    QLine line;                    // drawn on the window's surface, under the user guide
};

// Gives the window its title, icon, size, font and colour, makes it a window
// to screen readers, builds every control in it, sets the keyboard order,
// puts the focus in Text1 and centres the window on its screen; on a screen
// too small for it, its title bar in the screen's top left corner.
WindowControls buildWindow(QWidget* window);

}  // namespace tarnquil
