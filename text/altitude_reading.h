// SPDX-License-Identifier: GPL-3.0-or-later
// How an altitude of a fix (天体高度) is read from its texts: the body, the
// limb, the time and the sextant altitude Hs, with the sight's conditions,
// into the observation nav fixes the ship from (nav/observation.h): the
// body's geographical position at the sight's instant and Ho. The fix
// window's 天体高度 rows and `tarnquil --fix --altitude` read them here, with
// celestial_text.h's readers, so that both take and refuse the texts --sight
// takes and refuses, in the same words.
//
//   body   an English or Chinese name: "Sirius" "天狼星" "Sun" "太阳"
//   limb   lower (下边) or upper (上边) for the Sun and the Moon, lower when
//          empty; not used for the stars and planets: "lower" "上边" ""
//          Refused: "left" (下边或上边).
//   time   the instant, UTC or with its zone: "2026-03-20 10:30"
//          "2026-03-20 18:30 +8"; read with the DUT1 given
//   Hs     the sextant altitude, 0 .. 90 degrees: "42°49.6′" "42.826"
// Ho is Hs corrected (nav/sight_reduction.h) for the conditions, the Moon's
// oblateness taken at the assumed position. A body lower than
// nav::kLowestSightAltitude at the assumed position is refused as --sight
// refuses it (此时太阳 Sun 在所给位置的高度为 …，在地平以下 …).
#pragma once

#include "text/observation_reading.h"

#include "nav/celestial_bodies.h"
#include "nav/observation.h"
#include "nav/sight_reduction.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>
#include <string_view>

namespace tarnquil {

// lower / 下边, upper / 上边; nothing for any other word.
std::optional<nav::Limb> readLimbWord(std::string_view word);

// The limb a body is observed by: the word's for the Sun and the Moon
// (lower when none is given), the centre for the others.
nav::Limb limbOf(const nav::Body& body, nav::Limb given);

// The settings every altitude of a fix is read with.
struct SightSettings {
    nav::SightConditions conditions;
    double dut1 = 0;  // seconds, UT1 - UTC
};

struct AltitudeTexts {
    QString body;
    QString limb;
    QString time;
    QString hs;
};

// The cells as ObservationColumn names them: the body is 物标's, the limb
// 物标2's, Hs 观测值's and the time 时间或航程's.
struct AltitudeReading {
    std::optional<nav::Observation> observation;  // when every cell reads
    const nav::Body* body = nullptr;
    nav::Limb limb = nav::Limb::Centre;
    QList<ObservationCellRefusal> refusals;  // body, limb, time, Hs, then the sight's
};

// `option` is named in the refusals (the command line's --altitude);
// `assumed` is where the body must stand above the horizon, and the Moon's
// oblateness is taken (the DR); without it the body is not looked for
// above the horizon and the oblateness is taken on the body's parallel of
// declination (a fix refuses altitudes without an assumed position anyway).
AltitudeReading readAltitude(const AltitudeTexts& texts, const SightSettings& settings,
                             std::optional<geo::GeoPoint> assumed, QStringView option = {});

// 下边或上边, as a refused limb is answered.
QString limbWords();

}  // namespace tarnquil
