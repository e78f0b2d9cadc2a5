// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/classic_button.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <qdrawutil.h>

namespace tarnquil {

namespace {

constexpr int bevelWidth = 2;
constexpr int focusInset = bevelWidth + 1;

// One-pixel dots every other pixel, as the classic focus rectangle has.
void drawFocusRectangle(QPainter& painter, const QRect& rect, const QColor& colour)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(colour, Qt::Dense4Pattern));
    painter.setBrushOrigin(rect.topLeft());
    painter.drawRect(rect.left(), rect.top(), rect.width(), 1);
    painter.drawRect(rect.left(), rect.bottom(), rect.width(), 1);
    painter.drawRect(rect.left(), rect.top(), 1, rect.height());
    painter.drawRect(rect.right(), rect.top(), 1, rect.height());
    painter.restore();
}

}  // namespace

void drawClassicButton(QPainter& painter, const QStyleOptionButton& button)
{
    const bool sunken = button.state & QStyle::State_Sunken;
    const QBrush face = button.palette.button();
    qDrawWinButton(&painter, button.rect, button.palette, sunken, &face);

    const QColor text = button.palette.color(QPalette::ButtonText);
    painter.setPen(text);
    const QRect caption = button.rect.translated(sunken ? QPoint(1, 1) : QPoint());
    painter.drawText(caption, Qt::AlignCenter | Qt::TextShowMnemonic, button.text);

    if (button.state & QStyle::State_HasFocus)
        drawFocusRectangle(painter, button.rect.adjusted(focusInset, focusInset, -focusInset,
                                                         -focusInset),
                           text);
}

}  // namespace tarnquil
