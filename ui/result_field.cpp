// SPDX-License-Identifier: GPL-3.0-or-later
#include "result_field.h"

#include <QMouseEvent>

namespace tarnquil {

ResultField::ResultField(QWidget* parent)
    : QLineEdit(parent)
{
    setReadOnly(true);
}

// Qt's own handling first: it also starts the triple-click timer.
void ResultField::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        selectAll();
}

}  // namespace tarnquil
