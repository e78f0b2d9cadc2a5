// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/keyboard_controls.h"

#include "calculator/classic_button.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>

namespace tarnquil {

namespace {

bool pressesButton(const QKeyEvent* event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

}  // namespace

void PairedOption::pair(PairedOption* first, PairedOption* second)
{
    first->partner_ = second;
    first->first_ = true;
    second->partner_ = first;
    second->first_ = false;
    for (PairedOption* option : {first, second})
        connect(option, &QAbstractButton::toggled, option, &PairedOption::placeTabStop);
    first->placeTabStop();
}

void PairedOption::placeTabStop()
{
    for (PairedOption* option : {this, partner_})
        option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

// Qt moves an exclusive group's tab stop to the option that takes the focus;
// a click on an option can give it the focus without selecting it.
void PairedOption::focusInEvent(QFocusEvent* event)
{
    QRadioButton::focusInEvent(event);
    placeTabStop();
}

void PairedOption::keyPressEvent(QKeyEvent* event)
{
    bool towardsFirst = false;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        towardsFirst = true;
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        break;
    default:
        QRadioButton::keyPressEvent(event);
        return;
    }
    // Qt's own arrow handling moves only within the active window's focus.
    event->accept();
    if (partner_ != nullptr && partner_->first_ == towardsFirst) {
        partner_->setFocus(towardsFirst ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        partner_->click();
    }
}

void CommandButton::keyPressEvent(QKeyEvent* event)
{
    if (!pressesButton(event)) {
        QPushButton::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat())
        setDown(true);
    event->accept();
}

void CommandButton::keyReleaseEvent(QKeyEvent* event)
{
    if (!pressesButton(event)) {
        QPushButton::keyReleaseEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat() && isDown()) {
        setDown(false);
        click();
    }
}

void CommandButton::paintEvent(QPaintEvent*)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    QPainter painter(this);
    drawClassicButton(painter, option);
}

}  // namespace tarnquil
