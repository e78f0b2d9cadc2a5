// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/refusals.h"
#include "text/celestial_words.h"
#include "text/current_words.h"
#include "text/quoted_text.h"

#include "geo/units.h"
#include "nav/display.h"
#include "nav/earth.h"
#include "nav/entry.h"
#include "nav/leeway_and_current.h"
#include "nav/astro_time.h"
#include "nav/observation.h"
#include "nav/route.h"
#include "nav/sight_reduction.h"
#include "nav/time_zone.h"

#include <QLocale>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

// 航向“45°”无法识别：, 航程（--distance）“1e9”超出范围：
QString verdictOn(const QString& field, QStringView option, const QString& text, Verdict verdict)
{
    const QString named = option.isEmpty() ? field : field + u"（"_s + option.toString() + u"）"_s;
    return named + quotedText(text)
        + (verdict == Verdict::OutOfRange ? u"超出范围："_s : u"无法识别："_s);
}

// A limit as the rules write it: 360, -180, 1000000.
QString whole(double limit)
{
    return QString::number(limit, 'f', 0);
}

// The zone `minutes` east of UTC as the program writes it: UTC-12, UTC+14.
QString zoneName(int minutes)
{
    return QString::fromStdString(nav::formatTimeZone(*nav::TimeZone::fromMinutes(minutes)));
}

const QString degreesRule =
    u"应是 0 到 %1 之间的度数，如 45、045° 或 123.5。"_s.arg(whole(geo::kFullCircle));

}  // namespace

QString speedRefusal(const QString& text, Verdict verdict, QStringView option)
{
    return verdictOn(u"航速"_s, option, text, verdict)
        + u"应为不小于 %1 的节数，如 12、12.5 或 12kn。"_s.arg(
            QString::number(nav::kSlowestSpeed, 'f', QLocale::FloatingPointShortest));
}

QString departureRefusal(const QString& text, QStringView option)
{
    return verdictOn(u"开航时间"_s, option, text, Verdict::Unreadable)
        + u"应写作 YYYY-MM-DD HH:MM，如 2025-06-01 08:00、2025/6/1 8:00。"_s;
}

QString timeZoneRefusal(const QString& text, QStringView option)
{
    const std::optional<nav::ZoneRefusal> why = nav::zoneRefusal(text.toStdString());
    if (!why)
        return {};
    const QString examples = u"如 +8、-5、+5:30 或 0。"_s;
    switch (*why) {
    case nav::ZoneRefusal::NoSign:
        return verdictOn(u"区时"_s, option, text, Verdict::Unreadable)
            + u"东区写 +，西区写 -，"_s + examples;
    case nav::ZoneRefusal::OutOfRange:
        return verdictOn(u"区时"_s, option, text, Verdict::OutOfRange)
            + u"应在 %1 到 %2 之间，"_s.arg(zoneName(nav::kWestmostZoneMinutes),
                                              zoneName(nav::kEastmostZoneMinutes))
            + examples;
    case nav::ZoneRefusal::NotQuarterHour:
        return verdictOn(u"区时"_s, option, text, Verdict::Unreadable)
            + u"分钟应为 00、15、30 或 45，"_s + examples;
    case nav::ZoneRefusal::NotAZone:
        break;
    }
    return verdictOn(u"区时"_s, option, text, Verdict::Unreadable)
        + u"应写作 UTC 或带符号的时差，"_s + examples;
}

QString courseRefusal(const QString& text, Verdict verdict, QStringView option)
{
    return verdictOn(u"航向"_s, option, text, verdict) + degreesRule;
}

QString distanceRefusal(const QString& text, Verdict verdict, QStringView option)
{
    return verdictOn(u"航程"_s, option, text, verdict)
        + u"应是 0 到 %1 之间的海里数，如 120.5 或 120.5nm。"_s.arg(whole(nav::kMaxRun));
}

QString meridianIntervalRefusal(const QString& text, Verdict verdict, QStringView option)
{
    return verdictOn(u"分点间隔"_s, option, text, verdict)
        + u"应是不小于 1′（1/60°）的经度度数，如 5、10 或 2.5。"_s;
}

QString routeIndexRefusal(const QString& text, Verdict verdict, QStringView option)
{
    return verdictOn(u"航线序号"_s, option, text, verdict)
        + u"应为从 1 起的整数，不超过文件中的航线数。"_s;
}

QString fixValueRefusal(nav::Quantity quantity, const QString& text, Verdict verdict,
                        QStringView option)
{
    switch (quantity) {
    case nav::Quantity::Bearing:
        return verdictOn(u"方位"_s, option, text, verdict) + degreesRule;
    case nav::Quantity::HorizontalAngle:
        return verdictOn(u"水平角"_s, option, text, verdict) + degreesRule;
    case nav::Quantity::Range:
        return verdictOn(u"距离"_s, option, text, verdict)
            + u"应是大于 0、不超过 %1 的海里数，如 3.5 或 3.5nm。"_s.arg(whole(nav::kMaxSightDistance));
    case nav::Quantity::CompassError:
        return verdictOn(u"罗经差"_s, option, text, verdict)
            + u"应是 %1 到 %2 之间的度数，偏东为正，如 -2.5 或 3°。"_s.arg(
                whole(-nav::kMaxCompassError), whole(nav::kMaxCompassError));
    case nav::Quantity::Course:
        return courseRefusal(text, verdict, option);
    default:
        return distanceRefusal(text, verdict, option);
    }
}

QString coordinateRange(geo::Axis axis)
{
    const bool latitude = axis == geo::Axis::Latitude;
    const double limit = latitude ? geo::kMaxLatitude : geo::kMaxLongitude;
    return u"%1应在 %2° 到 %3° 之间。"_s.arg(latitude ? u"纬度"_s : u"经度"_s, whole(-limit),
                                             whole(limit));
}

QString positionRangeRefusal(const QString& field, const QString& text, geo::Axis axis)
{
    return verdictOn(field, {}, text, Verdict::OutOfRange) + coordinateRange(axis);
}

QString poleRunRefusal()
{
    return u"沿恒向线按此航向航行会越过极点，推算不出船位；请改用大圆，或缩短航程。"_s;
}

// ---- Leeway and current -----------------------------------------------------

QString currentValueRefusal(nav::Quantity quantity, const QString& text, Verdict verdict,
                            QStringView option, const QString& field)
{
    const QString name = currentQuantityName(quantity);
    const QString said = verdictOn(field.isEmpty() ? name : field, option, text, verdict);
    switch (quantity) {
    case nav::Quantity::Leeway:
        return said
            + u"应是 %1 到 %2 之间的度数，%3，如 3、-2.5 或 +3°。"_s.arg(
                whole(-nav::kMaxLeeway), whole(nav::kMaxLeeway), leewaySignRule());
    case nav::Quantity::CurrentSet:
        return said
            + u"应是 0 到 %1 之间的度数，即流去的方向，如 120、120° 或 045.5。"_s.arg(
                whole(geo::kFullCircle));
    case nav::Quantity::CurrentRate:
        return said + u"应是不小于 0 的节数，如 0、2.5 或 2.5kn。"_s;
    case nav::Quantity::LogCorrection:
        return said
            + u"应是 %1 到 %2 之间的百分数，如 -2、+3.5 或 -2%。"_s.arg(
                whole(-nav::kMaxLogCorrection), whole(nav::kMaxLogCorrection));
    case nav::Quantity::Hours:
        return said + u"应是不小于 0 的小时数，如 2、2.5 或 2.5h。"_s;
    case nav::Quantity::Course:
        return verdictOn(field.isEmpty() ? u"航向"_s : field, option, text, verdict) + degreesRule;
    default:
        return fixValueRefusal(quantity, text, verdict, option);
    }
}

// ---- Celestial navigation ---------------------------------------------------

namespace {

// A limit that may have a fraction, as the rules write it: 0.9, -60.
QString limitNumber(double limit)
{
    return QString::number(limit, 'g', 6);
}

QString rangeRule(double low, double high, const QString& unit)
{
    return u"应是 %1 到 %2 之间的%3"_s.arg(limitNumber(low), limitNumber(high), unit);
}

}  // namespace

QString celestialValueRefusal(nav::Quantity quantity, const QString& text, Verdict verdict,
                              QStringView option, const QString& field)
{
    const auto said = [&](const QString& word) {
        return verdictOn(field.isEmpty() ? word : field, option, text, verdict);
    };
    switch (quantity) {
    case nav::Quantity::HeightOfEye:
        return said(u"眼高"_s) + rangeRule(0, nav::kMaxHeightOfEye, u"米数，如 0、15.5 或 15m。"_s);
    case nav::Quantity::Altitude:
        return said(u"高度"_s)
            + rangeRule(0, geo::kQuarterCircle, u"度数，如 12°47.3′、12 47.3 或 12.788。"_s);
    case nav::Quantity::ObservedAltitude:
        return said(u"真高度"_s)
            + rangeRule(nav::kLowestSightAltitude, geo::kQuarterCircle, u"度数。"_s);
    case nav::Quantity::IndexCorrection:
        return said(u"指标差"_s)
            + rangeRule(-nav::kMaxIndexCorrection, nav::kMaxIndexCorrection,
                        u"角分（′），%1，如 -2.5、+1.2 或 3′。"_s.arg(indexCorrectionRule()));
    case nav::Quantity::Temperature:
        return said(u"气温"_s)
            + rangeRule(nav::kMinTemperature, nav::kMaxTemperature,
                        u"摄氏度数，如 10、-5 或 25°C。"_s);
    case nav::Quantity::Pressure:
        return said(u"气压"_s)
            + rangeRule(nav::kMinPressure, nav::kMaxPressure, u"百帕数，如 1010 或 1013.2hPa。"_s);
    case nav::Quantity::Dut1:
        return said(u"DUT1"_s)
            + rangeRule(-nav::kMaxDut1, nav::kMaxDut1,
                        u"秒数（UT1 − UTC），如 0.2、-0.35 或 0.1s。"_s);
    case nav::Quantity::Variation:
        return said(u"磁差"_s)
            + rangeRule(-geo::kHalfCircle, geo::kHalfCircle,
                        u"度数，偏东为正，如 -3.5、3.5E、2°30′W。"_s);
    case nav::Quantity::Bearing:
        return said(u"方位"_s)
            + rangeRule(0, geo::kFullCircle, u"度数，如 45、045°、123°30′ 或 123.5。"_s);
    default:
        return fixValueRefusal(quantity, text, verdict, option);
    }
}

QString bodyRefusal(const QString& text, QStringView option)
{
    return verdictOn(u"天体"_s, option, text, Verdict::Unreadable)
        + u"应是太阳、月亮、金星、火星、木星、土星、57 颗航用星或北极星的英文名或中文名，"
          u"如 Sun、太阳、Sirius、天狼星、Rigil Kent.。"_s;
}

QString timeRefusal(const QString& text, QStringView option)
{
    return verdictOn(u"时间"_s, option, text, Verdict::Unreadable)
        + u"应写作 YYYY-MM-DD HH:MM[:SS]，协调世界时（UTC），或带区时，"
          u"如 2026-12-08 09:30:15、2026-12-08 09:30:15 UTC+8 或 2026-12-08 09:30 +8。"_s;
}

QString timeProblemRefusal(const QString& text, nav::TimeProblem problem, QStringView option,
                           const QString& field)
{
    const QString name = field.isEmpty() ? u"时间"_s : field;
    if (problem == nav::TimeProblem::OutOfRange)
        return verdictOn(name, option, text, Verdict::OutOfRange)
            + u"年份应在 %1 到 %2 之间。"_s.arg(nav::kFirstAlmanacYear).arg(nav::kLastAlmanacYear);
    const QString named = option.isEmpty() ? name : name + u"（"_s + option.toString() + u"）"_s;
    return named + quotedText(text)
        + (field.isEmpty() ? u"不存在：没有这一天或这一时刻（23:59:60 只在闰秒那一分钟才有）。"_s
                           : u"不存在：没有这一天。"_s);
}

QString dateRefusal(const QString& text, QStringView option)
{
    return verdictOn(u"日期"_s, option, text, Verdict::Unreadable)
        + u"应写作 YYYY-MM-DD，如 2026-12-08 或 2026/12/8。"_s;
}

}  // namespace tarnquil
