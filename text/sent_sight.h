// SPDX-License-Identifier: GPL-3.0-or-later
// A sight sent from the 天文航海 window to the fix window (送到陆标定位),
// so that a sight reduced on its own becomes a line of a fix beside the
// others: a 天体高度 row of the body, limb, time and Hs as they were typed,
// and the settings it was reduced with.
//
// The fix window reads every 天体高度 row with its one set of conditions
// (眼高, 指标差, 温度, 气压, DUT1), so a sight reduced with other
// conditions would give there another Ho:
//   - while the fix window has no 天体高度 row, each condition it leaves
//     empty is filled with the sight's text, as typed;
//   - each other condition is read on both sides (an empty text as its
//     default: 0 m, 0′, 10 °C, 1010 hPa, 0 s); the same value takes the
//     row, another takes nothing, and the refusal names the condition and
//     both texts, so that the navigator settles which is right.
// No setting already typed is changed, nor the Ho of a row already there.
// The sight's DR becomes the fix window's 推算船位 only where that is
// empty; an assumed position typed there stays, and serves the sight too.
// The time goes as typed: a whole time, UTC unless written with its zone,
// which the fix window reads so in any 区时.
#pragma once

#include "text/altitude_reading.h"
#include "text/fix_reading.h"

#include <QString>

namespace tarnquil {

struct SentSight {
    AltitudeTexts row;  // body, limb, time, Hs
    QString position;   // the DR, in the form 分
    QString heightOfEye;
    QString indexCorrection;
    QString temperature;
    QString pressure;
    QString dut1;
};

struct TakenSight {
    FixTexts texts;   // the fix's texts with the row appended, when taken
    QString refusal;  // empty when taken
};

TakenSight takeSight(const FixTexts& fix, const SentSight& sight);

}  // namespace tarnquil
