// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "song_label.h"

namespace tarnquil {

// A label that reports pointer movement over it and clicks on it, so that the
// window can treat it as a web link.
class LinkLabel : public SongLabel
{
    Q_OBJECT

public:
    explicit LinkLabel(QWidget* parent = nullptr);

signals:
    // Every movement of the pointer over the label, with or without buttons held.
    void pointerMoved();
    // The left button pressed and released over the label.
    void clicked();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

}  // namespace tarnquil
