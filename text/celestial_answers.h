// SPDX-License-Identifier: GPL-3.0-or-later
// The 天文航海 window's questions, from the texts of its fields to the
// report it shows: each field read by celestial_text.h's reader of its kind,
// as the command line reads the same text, refused in the same words
// (without the option's name, which a field has not), and the report in
// celestial_report.h's words. One answer per page of the window:
//   天文历   时间, DUT1                       -> almanacText, every body
//   罗经差   天体, 时间, 位置, 罗经方位, 磁差 (may be blank), the method
//            (方位法 or 出没方位法), DUT1     -> compassText
//   出没     日期, 位置, 区时 (blank: the position's nautical zone),
//            眼高 (blank: 0 m), DUT1           -> riseSetText
//   识星     时间, 位置, DUT1, and 观测高度 with 真方位 to identify a body
//            (both blank: none)                -> starsText, identifyText
//   测天     天体, 边 (blank: 下边), 时间, 六分仪高度 Hs, 位置, the
//            conditions 指标差, 眼高, 温度, 气压 (blank: 0′, 0 m, 10 °C,
//            1010 hPa), DUT1, and the method (高度差法 or 求纬度: by the
//            meridian altitude or Polaris) -> sightText, latitudeText
// DUT1 blank is 0 s; 眼高 serves both 出没 and 测天. A field's refusal names the field; a field that must
// be filled and is blank asks for it (请填写推算船位。), which is no mistake
// to mark; a question the almanac cannot answer (the Sun below the horizon
// for an amplitude, a day beyond the almanac's years) is refused naming no
// field.
#pragma once

#include "text/sent_sight.h"

#include <QString>

namespace tarnquil {

// The fields of the window, each read by one reader.
enum class CelestialField {
    None,
    Position,
    Dut1,
    AlmanacTime,
    CompassBody,
    CompassTime,
    Bearing,
    Variation,
    Date,
    Zone,
    HeightOfEye,
    StarsTime,
    Altitude,
    Azimuth,
    SightBody,
    Limb,
    SightTime,
    Hs,
    IndexCorrection,
    Temperature,
    Pressure,
};

enum class CompassBy { Azimuth, Amplitude };
enum class SightBy { Reduction, Latitude };

// What the navigator typed, field by field.
struct CelestialTexts {
    QString position;
    QString dut1;
    QString almanacTime;
    QString compassBody;
    QString compassTime;
    QString bearing;
    QString variation;
    CompassBy compassBy = CompassBy::Azimuth;
    QString date;
    QString zone;
    QString heightOfEye;
    QString starsTime;
    QString altitude;
    QString azimuth;
    QString sightBody;
    QString limb;
    QString sightTime;
    QString hs;
    QString indexCorrection;
    QString temperature;
    QString pressure;
    SightBy sightBy = SightBy::Reduction;
};

// A page's report, or why there is none and which field it is about.
struct CelestialAnswer {
    QString report;   // empty when refused
    QString refusal;  // empty when answered
    CelestialField refused = CelestialField::None;
    bool blank = false;  // the refused field is only blank
};

CelestialAnswer almanacAnswer(const CelestialTexts& texts);
CelestialAnswer compassAnswer(const CelestialTexts& texts);
CelestialAnswer riseSetAnswer(const CelestialTexts& texts);
CelestialAnswer starsAnswer(const CelestialTexts& texts);
CelestialAnswer sightAnswer(const CelestialTexts& texts);

// The 测天 page's sight as the fix window takes it (sent_sight.h), its
// texts as typed.
SentSight sightToSend(const CelestialTexts& texts);

}  // namespace tarnquil
