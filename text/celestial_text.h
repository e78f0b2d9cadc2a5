// SPDX-License-Identifier: GPL-3.0-or-later
// What a navigator types for celestial navigation (天文航海): a body, a time,
// a date, an altitude, an azimuth or bearing, and the conditions of a sight.
// The 天文航海 window and the command line read them here, so that both
// take the same texts and refuse the same texts in the same words
// (refusals.h); the command line names the option a refused text came with.
//
// Body: an English or Chinese name as nav::findBody takes it (case, blanks,
//   full stops and apostrophes ignored): "Sun" "太阳" "rigil kent" "南门二"
//   "Zuben'ubi" "北极星". Refused: "Mercury", "天狼", "".
// Time: a date, a blank (or T), a time of day, then optionally a blank and
//   a zone as the route's --zone reads it (nav::readTimeZone); with no zone
//   the time is UTC. Seconds and their fraction are optional.
//     "2026-12-08 09:30:15"  "2026-12-08 09:30"  "2026/12/8 9:30:15.5"
//     "2026-12-08T09:30:15"  "2026-12-08 09:30:15 UTC+8"  "2026-12-08 09:30 +8"
//     "2026-12-08 09:30 UTC"  "2016-12-31 23:59:60" (a leap second)    read
//   Unreadable: "2026-12-08" "09:30" "2026-12-08 9.30" "2026-12-08 09:30 Z"
//   "2026-12-08 09:30:15 UTC +8"; a zone that does not read is refused as the
//   route's --zone refuses it ("… +15" 区时超出范围). No such time: "2025-02-29
//   10:00", "2026-12-08 24:00", "2017-06-30 23:59:60"; out of range: a year
//   outside nav::kFirstAlmanacYear .. nav::kLastAlmanacYear.
// Date (rising and setting): "2026-12-08" "2026/12/8"; refused "2026-02-30",
//   "2026-12-08 09:30", "08/12/2026".
// Angles, read by geo::readAngle: a plain number is decimal degrees, marks,
//   blanks or colons are degrees, minutes and seconds; no hemisphere.
//   altitude (HS, --altitude), 0 .. 90: "12°47.3′" "12 47.3" "12:47.3"
//     "12.788" "12.788°"; unreadable "12-47.3" "12°47.3′N" "12,8"; out of
//     range "-0.5", "90.1", "1247.3" (a packed number is no altitude);
//   azimuth and bearing (--azimuth, --bearing), 0 .. 360: "245" "245.5°"
//     "245°30′"; out of range "361", "-1";
//   variation (--variation), -180 .. 180, east positive: a signed angle, or
//     one followed by E or W (东, 西; any case) and no sign: "-3.5" "3.5"
//     "3.5E" "2W" "2°30′W" "3.5东"; unreadable "-2W" "2X" "W2".
// Numbers with a unit, in quantity_text.h's grammar (blanks, full-width
// digits and the unit in any case taken):
//   height of eye (m, 米), 0 .. nav::kMaxHeightOfEye: "15" "15.5m" "15 米";
//     out of range "-1" (a negative height of eye), "800";
//   index correction (′ ' 分, arc-minutes, signed; added to Hs), within
//     ±nav::kMaxIndexCorrection: "-2.5" "+1.2′" "3'"; unreadable "2′W";
//   temperature (°C ℃ C), nav::kMinTemperature .. nav::kMaxTemperature:
//     "10" "-5°C" "25℃"; unreadable "300K";
//   pressure (hPa mb mbar 百帕), nav::kMinPressure .. nav::kMaxPressure:
//     "1010" "1013.2hPa" "1010 mb"; out of range "101.3" (kPa);
//   DUT1 (s, 秒), within ±nav::kMaxDut1: "0.2" "-0.35s"; out of range "1.5".
#pragma once

#include "text/quantity_text.h"

#include "nav/astro_time.h"
#include "nav/celestial_bodies.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace tarnquil {

// What follows a sight's option on the command line, as --help names it
// (--sight, --latitude, --fix's --altitude).
inline constexpr QStringView sightArguments = u"天体 时间 高度";

struct BodyReading {
    const nav::Body* body = nullptr;
    QString refusal;  // empty when read
};
BodyReading readBodyText(const QString& text, QStringView option = {});

// A time read: the instant (with `dut1`), and the zone it was written in
// (UTC when none), in which the program writes it back.
struct TimeReading {
    std::optional<nav::Instant> instant;
    nav::TimeZone zone;
    QString refusal;  // empty when read
};
TimeReading readTimeText(const QString& text, double dut1 = 0, QStringView option = {});

struct DateReading {
    int year = 0;
    int month = 0;
    int day = 0;
    bool read = false;
    QString refusal;  // empty when read
};
DateReading readDateText(const QString& text, QStringView option = {});

// `field` names the altitude in the refusal (六分仪高度 for HS); empty: 高度.
QuantityReading readAltitudeText(const QString& text, QStringView option = {},
                                 const QString& field = {});
QuantityReading readAzimuthText(const QString& text, QStringView option = {});
QuantityReading readVariationText(const QString& text, QStringView option = {});
QuantityReading readHeightOfEyeText(const QString& text, QStringView option = {});
QuantityReading readIndexCorrectionText(const QString& text, QStringView option = {});
QuantityReading readTemperatureText(const QString& text, QStringView option = {});
QuantityReading readPressureText(const QString& text, QStringView option = {});
QuantityReading readDut1Text(const QString& text, QStringView option = {});

}  // namespace tarnquil
