// SPDX-License-Identifier: GPL-3.0-or-later
// How celestial navigation's results are written for a navigator (the
// 天文航海 window and the command line): angles as the almanac prints them,
// corrections signed as applied, the azimuth also as the 半圆方位, the
// intercept toward or away, times with their zone, and why a sight or a
// compass check gives no answer.
//   angleText          123.76 -> "123°45.6′"    0.99999 -> "1°00.0′" (carried)
//   declinationText    -5.205 -> "S5°12.3′"     22.6867 -> "N22°41.2′"
//   arcminutesText     -12.345 -> "-12.3′"      0.04 -> "0.0′"   1.25 -> "+1.2′"
//   semicircleText     Zn 62 at 30N -> "N62.0°E"   Zn 118 at 30S -> "S62.0°E"
//   interceptText      3.24 -> "3.2 海里 向"     -0.5 -> "0.5 海里 背"
//   zonedTimeText      "2026-12-08 09:30:15 UTC+8"; the seconds rounded to
//                      the whole second, or to the millisecond with their
//                      fraction written when there is one ("09:30:15.5")
// Minutes and degrees are rounded to 0.1 half away from zero.
#pragma once

#include "nav/astro_time.h"
#include "nav/celestial_bodies.h"
#include "nav/errors.h"

#include <QString>

namespace tarnquil {

// How the index correction is applied, as every text that shows one says it:
// 加到六分仪高度上，即 Hs + i.
QString indexCorrectionRule();

QString angleText(double degrees);
QString declinationText(double degrees);
QString arcminutesText(double arcminutes);
QString semicircleText(double zn, double latitude);
QString interceptText(double nauticalMiles);

enum class Seconds { Whole, WithFraction };
QString zonedTimeText(const nav::Instant& instant, nav::TimeZone zone, Seconds seconds);

// "太阳 Sun", "天狼星 Sirius".
QString bodyNames(const nav::Body& body);

// Why there is no answer, naming the body:
//   此时太阳 Sun 在所给位置的高度为 -12.3°，在地平以下，观测不到：请核对时间（不写区时为 UTC）、天体和位置。
//   观测时间在太阳 Sun 于所给经度中天（2026-12-08 04:01:10 UTC）之后 32 分钟，超过 15 分钟：中天高度要在中天前后 15 分钟内观测。
//   北极星 Polaris 的观测高度 Ho 40°06.0′ 在此时角下不对应任何纬度：请核对高度、时间和位置（北极星只在北半球可见）。
//   太阳 Sun 在所给纬度不升不落（赤纬 N22°41.2′）：不能用出没方位法求罗经差，请改用方位法。
//   此时太阳 Sun 的高度为 23.4°，离地平超过 5°，不是出没时刻：请改用方位法。
QString celestialRefusalMessage(const nav::CelestialError& error, const nav::Body& body);

}  // namespace tarnquil
