// SPDX-License-Identifier: GPL-3.0-or-later
// The area that holds the route window's panels above or below the table.
//
// It asks for the height its panels need and no more, so that the table
// takes all the height the window has to spare, at every scale. On a window
// too small for the panels (a small screen at 200 %) it is lower or narrower
// than they are and scrolls, keeping the control with the focus in view; a
// row of panels side by side (a QHBoxLayout as its content's layout) that
// does not fit the area's width stands one under another instead.
#pragma once

#include <QScrollArea>

namespace tarnquil {

class PanelArea : public QScrollArea
{
    Q_OBJECT

public:
    explicit PanelArea(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void arrangePanels();
};

}  // namespace tarnquil
