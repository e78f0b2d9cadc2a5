// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/song_label.h"

#include <QFontInfo>
#include <QPainter>
#include <QTextLayout>

namespace tarnquil {

namespace {

// How far an ideograph rises above the baseline, in em.
constexpr qreal ideographAscent = 0.88;

}  // namespace

SongLabel::SongLabel(QWidget* parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
}

void SongLabel::paintEvent(QPaintEvent*)
{
    const qreal em = QFontInfo(font()).pixelSize();
    QTextLayout layout(text(), font(), this);
    QTextOption option;
    option.setWrapMode(wordWrap() ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(option);
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
    layout.draw(&painter, {0, ideographAscent * em - layout.lineAt(0).ascent()});
}

}  // namespace tarnquil
