// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/refusals.h"
#include "text/quoted_text.h"

#include "nav/earth.h"
#include "nav/entry.h"
#include "nav/observation.h"
#include "nav/route.h"

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

const QString degreesRule = u"应是 0 到 360 之间的度数，如 45、045° 或 123.5。"_s;

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
            + u"应在 UTC-12 到 UTC+14 之间，"_s + examples;
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
        + u"应是 0 到 %1 之间的海里数，如 120.5 或 120.5nm。"_s.arg(nav::kMaxRun, 0, 'f', 0);
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
            + u"应是大于 0、不超过 %1 的海里数，如 3.5 或 3.5nm。"_s.arg(nav::kMaxSightDistance);
    case nav::Quantity::CompassError:
        return verdictOn(u"罗经差"_s, option, text, verdict)
            + u"应是 -180 到 180 之间的度数，偏东为正，如 -2.5 或 3°。"_s;
    case nav::Quantity::Course:
        return courseRefusal(text, verdict, option);
    default:
        return distanceRefusal(text, verdict, option);
    }
}

QString coordinateRange(geo::Axis axis)
{
    return axis == geo::Axis::Latitude ? u"纬度应在 -90° 到 90° 之间。"_s
                                       : u"经度应在 -180° 到 180° 之间。"_s;
}

QString positionRangeRefusal(const QString& field, const QString& text, geo::Axis axis)
{
    return verdictOn(field, {}, text, Verdict::OutOfRange) + coordinateRange(axis);
}

QString poleRunRefusal()
{
    return u"沿恒向线按此航向航行会越过极点，推算不出船位；请改用大圆，或缩短航程。"_s;
}

}  // namespace tarnquil
