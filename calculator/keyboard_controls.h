// SPDX-License-Identifier: GPL-3.0-or-later
// The window's buttons, with the keyboard of a desktop dialog.
#pragma once

#include <QPushButton>
#include <QRadioButton>

namespace tarnquil {

// One of a point's two entry-form options (分 and 秒). The pair is one tab
// stop, its selected option, forwards and backwards; the arrow keys move the
// selection within the pair: Left and Up to the first option, Right and Down
// to the second.
//
// Qt makes an option group's tab stop the option that last had the focus, and
// learns that only while the window is active; here the selection decides,
// whether or not the window is active.
class PairedOption : public QRadioButton
{
    Q_OBJECT

public:
    using QRadioButton::QRadioButton;

    // Makes the two options one pair; both must share a parent.
    static void pair(PairedOption* first, PairedOption* second);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void placeTabStop();

    PairedOption* partner_ = nullptr;
    bool first_ = false;
};

// A command button that Return and Enter press as Space does. It is no
// default button: Return in an entry field presses nothing. It is drawn as a
// classic dialog's button (classic_button.h), in its palette's button colour.
class CommandButton : public QPushButton
{
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tarnquil
