// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/celestial_report.h"
#include "text/report_lines.h"

#include "text/celestial_words.h"
#include "text/utf8_text.h"

#include "nav/display.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {



QString position(geo::GeoPoint point)
{
    return fromUtf8(nav::formatPosition(point));
}

QString zn(double degrees)
{
    return fromUtf8(nav::formatCourse(degrees)) + u'°';
}

QString degreesTenth(double degrees)
{
    return QString::number(std::round(degrees * 10) / 10 + 0.0, 'f', 1) + u'°';
}

QString limbWord(nav::Limb limb)
{
    switch (limb) {
    case nav::Limb::Lower:
        return u"下边"_s;
    case nav::Limb::Upper:
        return u"上边"_s;
    case nav::Limb::Centre:
        break;
    }
    return u"中心"_s;
}

}  // namespace

QString givenTimeText(const GivenTime& time)
{
    return zonedTimeText(time.instant, time.zone, Seconds::WithFraction);
}

bool hasLimb(const nav::Body& body)
{
    return body.kind == nav::BodyKind::Sun || body.kind == nav::BodyKind::Moon;
}

// ---- --almanac --------------------------------------------------------------

QString almanacText(const nav::Almanac& almanac, nav::TimeZone zone,
                    const std::vector<const nav::Body*>& bodies)
{
    QStringList lines{u"%1（DUT1 %2 秒）"_s.arg(
                          zonedTimeText(almanac.instant(), zone, Seconds::WithFraction),
                          QString::number(almanac.instant().dut1(), 'g', 6)),
                      u"春分点 GHA %1"_s.arg(angleText(almanac.ariesGha()))};
    QList<QStringList> rows{{u"天体"_s, u"GHA"_s, u"赤纬 Dec"_s, u"SHA"_s, u"HP"_s, u"SD"_s}};
    for (const nav::Body* body : bodies) {
        const nav::BodyPlace place = almanac.place(*body);
        const auto minutes = [](const std::optional<double>& value) {
            return value ? QString::number(*value, 'f', 1) + u'′' : QString();
        };
        rows << QStringList{bodyNames(*body), angleText(place.gha), declinationText(place.declination),
                            place.sha ? angleText(*place.sha) : QString(), minutes(place.hp),
                            minutes(place.sd)};
    }
    return joined(lines + table(rows));
}

// ---- --sight ----------------------------------------------------------------

namespace {

QString sightHeading(const SightQuestion& question)
{
    QString heading = bodyNames(*question.body);
    if (hasLimb(*question.body))
        heading += u" "_s + limbWord(question.limb);
    return heading + u"，"_s + givenTimeText(question.time) + u"，推算船位 "_s + position(question.at);
}

QList<Step> correctionSteps(const SightQuestion& question, const nav::AltitudeCorrections& c)
{
    const nav::SightConditions& conditions = question.conditions;
    QString parallax = arcminutesText(c.parallax);
    if (question.body->kind == nav::BodyKind::Moon)
        parallax += u"（含扁率改正 %1）"_s.arg(arcminutesText(c.oblateness));
    return {
        {u"六分仪高度 Hs"_s, angleText(c.hs)},
        {u"指标差 i"_s, arcminutesText(c.indexCorrection) + u"（"_s + indexCorrectionRule() + u"）"_s},
        {u"眼高差 dip"_s, arcminutesText(c.dip)
                              + u"（眼高 %1 米）"_s.arg(QString::number(conditions.heightOfEye, 'g', 6))},
        {u"视高度 Ha"_s, angleText(c.ha)},
        {u"蒙气差 R"_s, arcminutesText(c.refraction)
                            + u"（气温 %1°C，气压 %2 hPa）"_s.arg(
                                  QString::number(conditions.temperature, 'g', 6),
                                  QString::number(conditions.pressure, 'g', 6))},
        {u"视差 PA"_s, parallax},
        {u"半径差 SD"_s, arcminutesText(c.semidiameter)},
        {u"真高度 Ho"_s, angleText(c.ho)},
    };
}

QList<Step> reductionSteps(const SightQuestion& question, const nav::SightReduction& r)
{
    return {
        {u"格林时角 GHA"_s, angleText(r.place.gha)},
        {u"赤纬 Dec"_s, declinationText(r.place.declination)},
        {u"地方时角 LHA"_s, angleText(r.computed.lha) + u"（GHA + 经度，东经为正）"_s},
        {u"计算高度 Hc"_s, angleText(r.computed.altitude)},
        {u"方位 Zn"_s, zn(r.computed.azimuth) + u"（半圆方位 "_s
                           + semicircleText(r.computed.azimuth, question.at.latitude) + u"）"_s},
    };
}

}  // namespace

QString sightText(const SightQuestion& question, const nav::SightReduction& reduction)
{
    QList<Step> steps = correctionSteps(question, reduction.corrections);
    steps << reductionSteps(question, reduction);
    steps << Step{u"截距 a = Ho − Hc"_s, interceptText(reduction.intercept)};
    return joined(QStringList{sightHeading(question)} + stepLines(steps));
}

// ---- --latitude -------------------------------------------------------------

QString latitudeText(const SightQuestion& question, const nav::LatitudeSight& sight)
{
    QList<Step> steps = correctionSteps(question, sight.reduction.corrections);
    steps << reductionSteps(question, sight.reduction);
    QString method;
    if (sight.method == nav::LatitudeMethod::Polaris) {
        method = u"北极星求纬度：sin Ho = sin φ sin δ + cos φ cos δ cos LHA 在 Ho 附近的根"_s;
    } else {
        const bool upper = sight.transit == nav::Transit::Upper;
        method = u"中天求纬度（%1）"_s.arg(upper ? u"上中天"_s : u"下中天"_s);
        steps << Step{u"中天时间"_s, zonedTimeText(nav::Instant::fromUtc(sight.transitTime),
                                                   nav::kUtc, Seconds::Whole)
                                         + u"（观测在其%1 %2 分钟）"_s.arg(
                                               sight.minutesFromTransit < 0 ? u"前"_s : u"后"_s,
                                               QString::number(std::abs(sight.minutesFromTransit), 'f', 1))}
              << Step{u"中天赤纬 δ"_s, declinationText(sight.transitDeclination)}
              << Step{u"顶距 z = 90° − Ho"_s, angleText(sight.zenithDistance)};
        if (upper)
            steps << Step{u"规则"_s, sight.bearsNorth ? u"天体在北：φ = δ − z"_s
                                                      : u"天体在南：φ = δ + z"_s};
        else
            steps << Step{u"规则"_s, sight.latitude >= 0 ? u"下中天，北纬：φ = 90° − δ + Ho"_s
                                                         : u"下中天，南纬：φ = −(90° + δ + Ho)"_s};
    }
    steps << Step{u"纬度 φ"_s, fromUtf8(nav::formatLatitude(sight.latitude))};
    return joined(QStringList{sightHeading(question), u"  "_s + method} + stepLines(steps));
}

// ---- --compass-error --------------------------------------------------------

namespace {

QString amplitudeText(const nav::Amplitude& amplitude)
{
    return (amplitude.rising ? u"E"_s : u"W"_s) + degreesTenth(amplitude.angle)
        + (amplitude.north ? u"N"_s : u"S"_s);
}

QString signedDegrees(double degrees)
{
    const double rounded = std::round(degrees * 10) / 10 + 0.0;
    return (rounded > 0 ? u"+"_s : QString()) + QString::number(rounded, 'f', 1) + u'°';
}

QString errorText(double error)
{
    const double rounded = std::round(error * 10) / 10;
    return signedDegrees(error) + (rounded > 0 ? u"（偏东 E）"_s : rounded < 0 ? u"（偏西 W）"_s : QString());
}

}  // namespace

QString compassText(const CompassQuestion& question, const nav::CompassCheck& check)
{
    QStringList lines{bodyNames(*question.body) + u"，"_s + givenTimeText(question.time) + u"，位置 "_s
                      + position(question.at)};
    QList<Step> steps;
    if (check.amplitude) {
        lines << u"  出没方位法：sin A = sin δ / cos φ，天体中心在真地平上（真高度 0°）"_s;
        steps << Step{u"赤纬 Dec"_s, declinationText(check.place.declination)}
              << Step{u"出没方位 A"_s, amplitudeText(*check.amplitude)
                                           + (check.amplitude->rising ? u"（东升）"_s : u"（西落）"_s)};
    } else {
        lines << u"  方位法：此时天体的真方位"_s;
    }
    steps << Step{u"此时天体真高度"_s, degreesTenth(check.horizontal.altitude)}
          << Step{u"真方位 Zn"_s, zn(check.zn)}
          << Step{u"罗经方位"_s, zn(check.bearing)}
          << Step{u"罗经差 = Zn − 罗经方位"_s, errorText(check.error)};
    if (question.variation)
        steps << Step{u"磁差 Var"_s, signedDegrees(*question.variation)}
              << Step{u"自差 Dev = 罗经差 − 磁差"_s, errorText(*check.deviation)};
    return joined(lines + stepLines(steps));
}

// ---- --rise-set -------------------------------------------------------------

std::vector<DayEvent> dayEventsInOrder(const nav::DayEvents& events)
{
    return {
        {u"nauticalDawn"_s, u"航海晨光始"_s, events.nautical.rise},
        {u"civilDawn"_s, u"民用晨光始"_s, events.civil.rise},
        {u"sunrise"_s, u"日出"_s, events.sun.rise},
        {u"meridianPassage"_s, u"太阳中天"_s, events.meridianPassage},
        {u"sunset"_s, u"日没"_s, events.sun.set},
        {u"civilDusk"_s, u"民用昏影终"_s, events.civil.set},
        {u"nauticalDusk"_s, u"航海昏影终"_s, events.nautical.set},
        {u"moonrise"_s, u"月出"_s, events.moon.rise},
        {u"moonset"_s, u"月没"_s, events.moon.set},
    };
}

QString riseSetDateText(const RiseSetQuestion& question)
{
    return u"%1-%2-%3"_s.arg(question.year, 4, 10, QChar(u'0'))
        .arg(question.month, 2, 10, QChar(u'0'))
        .arg(question.day, 2, 10, QChar(u'0'));
}

namespace {

// Why a time is missing: the body stayed above or below all day, or (the
// Moon's, every 29 days or so) the crossing falls on the next day.
QString noneText(const DayEvent& event, const nav::DayEvents& events)
{
    const bool moon = event.key.startsWith(u"moon"_s);
    const nav::Crossings& crossings = moon                               ? events.moon
                                      : event.key.contains(u"nautical"_s) ? events.nautical
                                      : event.key.contains(u"civil"_s)    ? events.civil
                                                                          : events.sun;
    if (event.key == u"meridianPassage"_s)
        return u"无"_s;
    switch (crossings.allDay) {
    case nav::AllDay::Above:
        return moon ? u"无（月亮终日在地平以上）"_s : u"无（终日在此高度以上）"_s;
    case nav::AllDay::Below:
        return moon ? u"无（月亮终日在地平以下）"_s : u"无（终日在此高度以下）"_s;
    case nav::AllDay::No:
        break;
    }
    return u"无（当日没有）"_s;
}

}  // namespace

QString riseSetText(const RiseSetQuestion& question, const nav::DayEvents& events)
{
    const QString zone = fromUtf8(nav::formatTimeZone(question.zone));
    QStringList lines{u"%1，位置 %2，区时 %3，眼高 %4 米"_s.arg(
        riseSetDateText(question), position(question.at), zone,
        QString::number(question.heightOfEye, 'g', 6))};
    QList<Step> steps;
    for (const DayEvent& event : dayEventsInOrder(events)) {
        // The time of day in the zone; its date is the day asked for.
        steps << Step{event.words, event.time ? zonedTimeText(*event.time, question.zone, Seconds::Whole)
                                                     .sliced(11, 8)
                                              : noneText(event, events)};
    }
    return joined(lines + stepLines(steps));
}

// ---- --stars and --identify -------------------------------------------------

namespace {

QString skyName(const nav::SkyBody& sky)
{
    return bodyNames(*sky.body) + (sky.planet ? u"（行星）"_s : QString());
}

QStringList chosen(const std::vector<nav::SkyBody>& sky, int count)
{
    QStringList names;
    for (const nav::SkyBody& body : nav::bestForFix(sky, count))
        names << skyName(body) + u" "_s + zn(body.zn);
    return names;
}

QString magnitudeText(double magnitude)
{
    return QString::number(std::round(magnitude * 10) / 10 + 0.0, 'f', 1);
}

}  // namespace

QString starsText(const GivenTime& time, geo::GeoPoint at, const std::vector<nav::SkyBody>& sky)
{
    QStringList lines{givenTimeText(time) + u"，位置 "_s + position(at),
                      u"高度 %1° 到 %2° 之间的航用星和行星（按方位）："_s.arg(nav::kMinSightAltitude)
                          .arg(nav::kMaxSightAltitude)};
    if (sky.empty())
        return joined(lines << u"  无"_s);
    QList<QStringList> rows{{u"天体"_s, u"Hc"_s, u"Zn"_s, u"星等"_s}};
    for (const nav::SkyBody& body : sky)
        rows << QStringList{skyName(body), angleText(body.hc), zn(body.zn), magnitudeText(body.magnitude)};
    lines << table(rows);
    lines << u"定位最佳三星："_s + chosen(sky, kBestThree).join(u"、"_s)
          << u"定位最佳四星："_s + chosen(sky, kBestFour).join(u"、"_s);
    return joined(lines);
}

QString identifyText(const GivenTime& time, geo::GeoPoint at, double altitude, double azimuth,
                     const std::vector<nav::Candidate>& candidates)
{
    QStringList lines{givenTimeText(time) + u"，位置 "_s + position(at),
                      u"高度 %1、方位 %2 附近 %3° 以内的天体（近者在前）："_s.arg(
                          angleText(altitude), zn(azimuth), QString::number(nav::kIdentifyRadius))};
    if (candidates.empty())
        return joined(lines << u"  无：请核对高度、方位（真方位）、时间和位置"_s);
    QList<QStringList> rows{{u"天体"_s, u"Hc"_s, u"Zn"_s, u"相距"_s, u"星等"_s}};
    for (const nav::Candidate& candidate : candidates)
        rows << QStringList{skyName(candidate.sky), angleText(candidate.sky.hc), zn(candidate.sky.zn),
                            degreesTenth(candidate.separation), magnitudeText(candidate.sky.magnitude)};
    return joined(lines + table(rows));
}

}  // namespace tarnquil
