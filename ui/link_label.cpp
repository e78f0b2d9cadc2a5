// SPDX-License-Identifier: GPL-3.0-or-later
#include "link_label.h"

#include <QMouseEvent>

namespace tarnquil {

LinkLabel::LinkLabel(QWidget* parent)
    : SongLabel(parent)
{
    setMouseTracking(true);
}

void LinkLabel::mouseMoveEvent(QMouseEvent* event)
{
    emit pointerMoved();
    event->accept();
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit clicked();
}

}  // namespace tarnquil
