// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

class QMimeData;

namespace tarnquil {

// A field the user types a coordinate into.
//
// An Alt or Meta chord is a command, never text: Qt would type its key, so
// that Alt+S turned 4250 into 4250s, 42° 50′ south. Such a chord types
// nothing and goes on to the window as an unhandled key. AltGr still types:
// X11 sends it as a key of its own (ISO_Level3_Shift), without Alt, and
// Windows as Ctrl+Alt, which is let through. On macOS the Option key, Qt's
// Alt, types characters such as °.
//
// A whole position pasted or dropped into the field (30°10.2′N 122°05.3′E)
// is not inserted: positionPasted() hands its two parts, as written, to
// whoever fills the point's two fields. That holds for every way of
// pasting: Ctrl+V, Shift+Insert, the middle button's selection, the context
// menu, and drag and drop. Any other text is pasted as usual.
class EntryField : public QLineEdit
{
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

    // Replaces the whole text as a paste does, so that Ctrl+Z brings the
    // text before back.
    void replaceText(const QString& text);

signals:
    void positionPasted(const QString& latitude, const QString& longitude);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // True when `text` is a whole position, which positionPasted() took.
    bool pastePosition(const QString& text);
};

}  // namespace tarnquil
