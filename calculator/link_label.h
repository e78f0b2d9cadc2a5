// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calculator/song_label.h"

#include <QUrl>

namespace tarnquil {

// A web link: shows the host of its address, opens the address when clicked
// and tells when it could not be opened. It reports every pointer movement
// over it, so that the window can colour it. Screen readers see a link, with
// the address as its description and an action that opens it; like any
// label it never takes the keyboard focus.
class LinkLabel : public SongLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent = nullptr);

    void setAddress(const QUrl& address);
    QUrl address() const { return address_; }

    // Opens the address, as a click does.
    void open();

signals:
    // Every movement of the pointer over the label, with or without buttons held.
    void pointerMoved();
    // Nothing could open the address, or the desktop's handler gave up on it.
    // Comes after the click has returned when the handler fails late.
    void openFailed();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QUrl address_;
    bool pressed_ = false;
};

}  // namespace tarnquil
