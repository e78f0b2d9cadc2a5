// SPDX-License-Identifier: GPL-3.0-or-later
// What a navigator types for leeway and current (风流压, nav/leeway_and_current.h):
// the leeway, the current's set and rate, the log correction, the hours run
// and the track to be made good. Read here for the windows and the command
// line alike, in quantity_text.h's grammar (blanks at either end, full-width
// forms and the unit in any case taken), each refused in the words of
// currentValueRefusal (refusals.h), which name the option given:
//   leeway α (风压差), degrees, signed, + with the wind on the port side
//     (左舷受风为正), within ±nav::kMaxLeeway: "3" "+3°" "-2.5" "-2.5度"
//     "０" read; "3E" "3 左" unreadable (the sign says the side); "46"
//     "-45.5" out of range;
//   set (流向), degrees true, the direction the current sets toward, 0 .. 360:
//     "120" "120°" "045.5度" read; "120kn" unreadable; "-1" "361" out of range;
//   rate (流速), knots, zero or more: "2" "2.5kn" "2.5节" "0" read; "2.5km"
//     unreadable; "-0.5" "1e999" out of range;
//   log correction ΔL (计程仪改正率), per cent, signed, within
//     ±nav::kMaxLogCorrection: "-2" "+3.5%" "-2 ％" read; "-2‰" unreadable;
//     "60" "-50.5" out of range;
//   hours run (航时), zero or more: "2" "2.5h" "2.5 小时" read; "2:30" "2.5min"
//     unreadable; "-1" "inf" out of range;
//   track (计划航迹向 CG), degrees true, 0 .. 360, as a course: "045" "045°"
//     read; "361" out of range;
//   a leg's current (流向/流速), as a route's cell holds it: the set, a slash
//     (or the full-width ／), the rate, each read as above: "120/1.5"
//     "120°/1.5kn" " 045 / 2 " read; "120" "120/" "/1.5" "120/1.5/2"
//     unreadable (legCurrentRefusal, current_words.h); "361/1" "120/-1"
//     refused as the set or the rate is.
#pragma once

#include "text/quantity_text.h"

#include "nav/leeway_and_current.h"

#include <QString>
#include <QStringView>

namespace tarnquil {

QuantityReading readLeewayText(const QString& text, QStringView option = {});
QuantityReading readCurrentSetText(const QString& text, QStringView option = {});
QuantityReading readCurrentRateText(const QString& text, QStringView option = {});
QuantityReading readLogCorrectionText(const QString& text, QStringView option = {});
QuantityReading readHoursText(const QString& text, QStringView option = {});
QuantityReading readTrackText(const QString& text, QStringView option = {});

// A current, or why the text gives none: never both.
struct CurrentReading {
    std::optional<nav::Current> current;
    QString refusal;
};

CurrentReading readLegCurrentText(const QString& text);

}  // namespace tarnquil
