// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/celestial_words.h"
#include "text/utf8_text.h"

#include "geo/units.h"
#include "nav/celestial_latitude.h"
#include "nav/compass_error.h"
#include "nav/display.h"
#include "nav/sight_reduction.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

constexpr double tenthsPerDegree = 600;
constexpr long long tenthsPerMinute = 10;

// |degrees| as "d°mm.m′", rounded to a tenth of a minute.
QString unsignedAngle(double degrees)
{
    const long long tenths = std::llround(std::abs(degrees) * tenthsPerDegree);
    const long long whole = tenths / (long long)tenthsPerDegree;
    const long long minuteTenths = tenths % (long long)tenthsPerDegree;
    return u"%1°%2.%3′"_s.arg(whole)
        .arg(minuteTenths / tenthsPerMinute, 2, 10, QChar(u'0'))
        .arg(minuteTenths % tenthsPerMinute);
}

QString tenth(double value)
{
    return QString::number(std::round(value * 10) / 10 + 0.0, 'f', 1);
}

}  // namespace

QString indexCorrectionRule()
{
    return u"加到六分仪高度上，即 Hs + i"_s;
}

QString angleText(double degrees)
{
    const bool negative = std::llround(degrees * tenthsPerDegree) < 0;
    return (negative ? u"-"_s : QString()) + unsignedAngle(degrees);
}

QString declinationText(double degrees)
{
    const bool south = std::llround(degrees * tenthsPerDegree) < 0;
    return (south ? u"S"_s : u"N"_s) + unsignedAngle(degrees);
}

QString arcminutesText(double arcminutes)
{
    const long long tenths = std::llround(arcminutes * tenthsPerMinute);
    const QString sign = tenths > 0 ? u"+"_s : tenths < 0 ? u"-"_s : QString();
    return sign + u"%1.%2′"_s.arg(std::abs(tenths) / tenthsPerMinute).arg(std::abs(tenths) % tenthsPerMinute);
}

QString semicircleText(double zn, double latitude)
{
    const nav::SemicircleAzimuth semicircle = nav::semicircleAzimuth(zn, latitude);
    return (semicircle.fromNorth ? u"N"_s : u"S"_s) + tenth(semicircle.angle) + u'°'
        + (semicircle.east ? u"E"_s : u"W"_s);
}

QString interceptText(double nauticalMiles)
{
    return tenth(std::abs(nauticalMiles)) + (nauticalMiles < 0 ? u" 海里 背"_s : u" 海里 向"_s);
}

QString zonedTimeText(const nav::Instant& instant, nav::TimeZone zone, Seconds seconds)
{
    const double unit = seconds == Seconds::Whole ? 1 : 0.001;
    const double second = instant.utc().second;
    const nav::Instant rounded = instant.later(std::round(second / unit) * unit - second);
    const nav::UtcTime clock = nav::zoneFromUtc(rounded.utc(), zone);
    const long long units = std::llround(clock.second / unit);
    QString secondText;
    if (seconds == Seconds::Whole || units % 1000 == 0) {
        secondText = u"%1"_s.arg(seconds == Seconds::Whole ? units : units / 1000, 2, 10, QChar(u'0'));
    } else {
        secondText = u"%1.%2"_s.arg(units / 1000, 2, 10, QChar(u'0')).arg(units % 1000, 3, 10, QChar(u'0'));
        while (secondText.endsWith(u'0'))
            secondText.chop(1);
    }
    return u"%1-%2-%3 %4:%5:%6 %7"_s.arg(clock.year, 4, 10, QChar(u'0'))
        .arg(clock.month, 2, 10, QChar(u'0'))
        .arg(clock.day, 2, 10, QChar(u'0'))
        .arg(clock.hour, 2, 10, QChar(u'0'))
        .arg(clock.minute, 2, 10, QChar(u'0'))
        .arg(secondText, fromUtf8(nav::formatTimeZone(zone)));
}

QString bodyNames(const nav::Body& body)
{
    return fromUtf8(body.chinese) + u' ' + fromUtf8(body.name);
}

QString celestialRefusalMessage(const nav::CelestialError& error, const nav::Body& body)
{
    const QString names = bodyNames(body);
    switch (error.reason()) {
    case nav::CelestialRefusal::BelowHorizon:
        return u"此时%1 在所给位置的高度为 %2°，在地平以下，观测不到：请核对时间（不写区时为 UTC）、天体和位置。"_s
            .arg(names, tenth(error.value()));
    case nav::CelestialRefusal::FarFromTransit: {
        const nav::Instant transit = nav::Instant::fromUtc(error.time());
        return u"观测时间在%1 于所给经度中天（%2）之%3 %4 分钟，超过 %5 分钟：中天高度要在中天前后 %5 分钟内观测。"_s
            .arg(names, zonedTimeText(transit, nav::kUtc, Seconds::Whole),
                 error.value() < 0 ? u"前"_s : u"后"_s,
                 QString::number(std::lround(std::abs(error.value()))),
                 QString::number(nav::kMaxMinutesFromTransit, 'f', 0));
    }
    case nav::CelestialRefusal::NoLatitude:
        return u"%1 的观测高度 Ho %2 在此时角下不对应任何纬度：请核对高度、时间和位置（北极星只在北半球可见）。"_s
            .arg(names, angleText(error.value()));
    case nav::CelestialRefusal::NeverOnHorizon:
        return u"%1 在所给纬度不升不落（赤纬 %2）：不能用出没方位法求罗经差，请改用方位法。"_s
            .arg(names, declinationText(error.value()));
    case nav::CelestialRefusal::NotOnHorizon:
        break;
    }
    return u"此时%1 的高度为 %2°，离地平超过 %3°，不是出没时刻：请改用方位法。"_s.arg(
        names, tenth(error.value()), QString::number(nav::kMaxAmplitudeAltitude, 'f', 0));
}

}  // namespace tarnquil
