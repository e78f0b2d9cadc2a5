// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace tarnquil {

// A plain-text label whose lines are set as a Song face sets them: the first
// line's ideographs start at the top edge and the lines stand one em apart.
// The window's layout gives its labels boxes sized for such a face; the CJK
// faces found on Linux rise higher above the baseline and carry a line gap,
// which would push a two-line note, or the link's descenders and underline,
// out of their boxes.
class SongLabel : public QLabel
{
    Q_OBJECT

public:
    explicit SongLabel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tarnquil
