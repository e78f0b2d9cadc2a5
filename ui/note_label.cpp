// SPDX-License-Identifier: GPL-3.0-or-later
#include "note_label.h"

#include <QFontInfo>
#include <QPainter>
#include <QTextLayout>

namespace tarnquil {

namespace {

// How far an ideograph rises above the baseline, in em.
constexpr qreal ideographAscent = 0.88;

}  // namespace

NoteLabel::NoteLabel(QWidget* parent)
    : QLabel(parent)
{
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
}

void NoteLabel::paintEvent(QPaintEvent*)
{
    const qreal em = QFontInfo(font()).pixelSize();
    QTextLayout layout(text(), font(), this);
    layout.beginLayout();
    qreal top = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width());
        line.setPosition({0, top});
        top += em;
    }
    layout.endLayout();
    if (layout.lineCount() == 0)
        return;

    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    // The first line's ideographs start at the top edge, not below the font's
    // line gap.
    layout.draw(&painter, {0, ideographAscent * em - layout.lineAt(0).ascent()});
}

}  // namespace tarnquil
