// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

namespace tarnquil {

// A read-only field that a command writes its result into, for the user to
// read, select and copy. A double click selects the whole number: a line
// edit's word selection stops at the decimal point.
class ResultField : public QLineEdit
{
    Q_OBJECT

public:
    explicit ResultField(QWidget* parent = nullptr);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace tarnquil
