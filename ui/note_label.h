// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace tarnquil {

// A word-wrapped label whose lines are set one em apart, as a Song face sets
// them. The window's layout gives a two-line note a box two em high; the CJK
// faces found on Linux carry a line gap that would push the second line out of
// that box.
class NoteLabel : public QLabel
{
    Q_OBJECT

public:
    explicit NoteLabel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tarnquil
