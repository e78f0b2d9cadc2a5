// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

namespace tarnquil {

// A read-only field that a command writes its result into, for the user to
// read, select and copy. A double click selects the whole number: a line
// edit's word selection stops at the decimal point. Screen readers see
// read-only text, not editable: Qt tells them that every line edit is
// editable, read-only or not.
class ResultField : public QLineEdit
{
    Q_OBJECT

public:
    explicit ResultField(QWidget* parent = nullptr);

    // Where the character at the offset is drawn, in the field's coordinates;
    // empty when the text has no such character.
    QRect characterRect(int offset) const;

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace tarnquil
