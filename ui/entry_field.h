// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

namespace tarnquil {

// A field the user types a coordinate into. An Alt or Meta chord is a
// command, never text: Qt would type its key, so that Alt+S turned 4250 into
// 4250s, 42° 50′ south. Such a chord types nothing and goes on to the window
// as an unhandled key. AltGr still types: X11 sends it as a key of its own
// (ISO_Level3_Shift), without Alt, and Windows as Ctrl+Alt, which is let
// through. On macOS the Option key, Qt's Alt, types characters such as °.
class EntryField : public QLineEdit
{
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tarnquil
