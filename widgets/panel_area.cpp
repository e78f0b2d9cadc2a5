// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/panel_area.h"

#include <QApplication>
#include <QBoxLayout>
#include <QEvent>
#include <QLayout>
#include <QLineEdit>
#include <QScrollBar>

namespace tarnquil {

PanelArea::PanelArea(QWidget* parent)
    : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    // Not a stop of its own for Tab: the panels' controls are, and come
    // into view when they get the focus.
    setFocusPolicy(Qt::NoFocus);
    // Its size hint is the most it takes; a window too small gets less.
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now != nullptr && widget() != nullptr && widget()->isAncestorOf(now))
            ensureWidgetVisible(now);
    });
}

QSize PanelArea::sizeHint() const
{
    if (widget() == nullptr)
        return QScrollArea::sizeHint();
    const int frame = 2 * frameWidth();
    QSize size = widget()->sizeHint() + QSize(frame, frame);
    const int width = contentsRect().width();
    if (width > 0 && widget()->minimumSizeHint().width() > width)
        size.rheight() += horizontalScrollBar()->sizeHint().height();
    return size;
}

// When the window is too low for its panels, the area keeps its panel's
// height of a row of controls, scrolled to show the row wanted, and the
// scroll bar under it.
QSize PanelArea::minimumSizeHint() const
{
    QLineEdit field;
    field.setFont(font());
    const int kept = field.sizeHint().height() +
                     horizontalScrollBar()->sizeHint().height() + 2 * frameWidth();
    return {QScrollArea::minimumSizeHint().width(), std::min(sizeHint().height(), kept)};
}

bool PanelArea::eventFilter(QObject* watched, QEvent* event)
{
    // The panels' own sizes change too: the selected leg's title names the
    // waypoints.
    if (watched == widget() && event->type() == QEvent::LayoutRequest) {
        arrangePanels();
        updateGeometry();
    }
    return QScrollArea::eventFilter(watched, event);
}

void PanelArea::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    if (widget() != nullptr)
        widget()->installEventFilter(this);  // once: a filter is installed only once
    arrangePanels();
    updateGeometry();
}

void PanelArea::arrangePanels()
{
    auto* row = widget() == nullptr ? nullptr : qobject_cast<QHBoxLayout*>(widget()->layout());
    if (row == nullptr)
        return;
    const QMargins margins = row->contentsMargins();
    int needed = margins.left() + margins.right();
    int panels = 0;
    for (int i = 0; i < row->count(); ++i) {
        QWidget* panel = row->itemAt(i)->widget();
        if (panel != nullptr && !panel->isHidden()) {
            needed += panel->sizeHint().width();
            ++panels;
            // As wide as its controls, one under another too. Set only once:
            // setting it again asks for the layout anew, whose request
            // comes back here, round and round while the window is open.
            if (row->itemAt(i)->alignment() != Qt::AlignLeft)
                row->setAlignment(panel, Qt::AlignLeft);
        }
    }
    needed += std::max(panels - 1, 0) * row->spacing();
    const QBoxLayout::Direction direction = needed <= contentsRect().width()
        ? QBoxLayout::LeftToRight
        : QBoxLayout::TopToBottom;
    if (row->direction() != direction)
        row->setDirection(direction);
}

}  // namespace tarnquil
