// SPDX-License-Identifier: GPL-3.0-or-later
#include "plain_frame_style.h"

#include <QPainter>
#include <QStyleOptionGroupBox>
#include <qdrawutil.h>

namespace tarnquil {

namespace {

constexpr int titleIndent = 6;

}  // namespace

void PlainFrameStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                         QPainter* painter, const QWidget* widget) const
{
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || box == nullptr || !(box->subControls & SC_GroupBoxFrame)) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QRect label = subControlRect(CC_GroupBox, box, SC_GroupBoxLabel, widget);
    QRect frame = box->rect;
    frame.setTop(label.center().y());
    qDrawShadeRect(painter, frame, box->palette, true, 1);
    painter->fillRect(label, box->palette.window());

    QStyleOptionGroupBox title = *box;
    title.subControls &= ~SC_GroupBoxFrame;
    QProxyStyle::drawComplexControl(control, &title, painter, widget);
}

QRect PlainFrameStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                      SubControl subControl, const QWidget* widget) const
{
    const QRect rect = QProxyStyle::subControlRect(control, option, subControl, widget);
    if (control == CC_GroupBox && subControl == SC_GroupBoxLabel)
        return rect.translated(titleIndent, 0);
    return rect;
}

}  // namespace tarnquil
