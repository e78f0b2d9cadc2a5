// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/celestial_report.h"

#include "text/celestial_words.h"
#include "text/utf8_text.h"

#include "nav/display.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <utility>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

QJsonObject named(const nav::Body& body)
{
    return {{u"name"_s, fromUtf8(body.name)}, {u"chinese"_s, fromUtf8(body.chinese)}};
}

QByteArray document(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

QString limbKey(nav::Limb limb)
{
    switch (limb) {
    case nav::Limb::Lower:
        return u"lower"_s;
    case nav::Limb::Upper:
        return u"upper"_s;
    case nav::Limb::Centre:
        break;
    }
    return u"centre"_s;
}

QJsonObject skyObject(const nav::SkyBody& sky)
{
    QJsonObject object = named(*sky.body);
    object.insert(u"hc"_s, sky.hc);
    object.insert(u"zn"_s, sky.zn);
    object.insert(u"magnitude"_s, sky.magnitude);
    object.insert(u"planet"_s, sky.planet);
    return object;
}

QJsonObject sightObject(const SightQuestion& question, const nav::SightReduction& r)
{
    const nav::AltitudeCorrections& c = r.corrections;
    return {
        {u"body"_s, named(*question.body)},
        {u"time"_s, givenTimeText(question.time)},
        {u"limb"_s, limbKey(hasLimb(*question.body) ? question.limb : nav::Limb::Centre)},
        {u"hs"_s, c.hs},
        {u"indexCorrection"_s, c.indexCorrection},
        {u"dip"_s, c.dip},
        {u"ha"_s, c.ha},
        {u"refraction"_s, c.refraction},
        {u"parallax"_s, c.parallax},
        {u"semidiameter"_s, c.semidiameter},
        {u"ho"_s, c.ho},
        {u"gha"_s, r.place.gha},
        {u"dec"_s, r.place.declination},
        {u"lha"_s, r.computed.lha},
        {u"hc"_s, r.computed.altitude},
        {u"zn"_s, r.computed.azimuth},
    };
}

QString allDayWord(nav::AllDay allDay)
{
    return allDay == nav::AllDay::Above ? u"above"_s : u"below"_s;
}

QJsonArray chosenNames(const std::vector<nav::SkyBody>& sky, int count)
{
    QJsonArray names;
    for (const nav::SkyBody& body : nav::bestForFix(sky, count))
        names.append(fromUtf8(body.body->name));
    return names;
}

}  // namespace

QByteArray almanacJson(const nav::Almanac& almanac, nav::TimeZone zone,
                       const std::vector<const nav::Body*>& bodies)
{
    QJsonArray list;
    for (const nav::Body* body : bodies) {
        const nav::BodyPlace place = almanac.place(*body);
        QJsonObject object = named(*body);
        object.insert(u"gha"_s, place.gha);
        object.insert(u"dec"_s, place.declination);
        if (place.sha)
            object.insert(u"sha"_s, *place.sha);
        if (place.hp)
            object.insert(u"hp"_s, *place.hp);
        if (place.sd)
            object.insert(u"sd"_s, *place.sd);
        list.append(object);
    }
    return document({{u"time"_s, zonedTimeText(almanac.instant(), zone, Seconds::WithFraction)},
                     {u"dut1"_s, almanac.instant().dut1()},
                     {u"aries"_s, QJsonObject{{u"gha"_s, almanac.ariesGha()}}},
                     {u"bodies"_s, list}});
}

QByteArray sightJson(const SightQuestion& question, const nav::SightReduction& reduction)
{
    QJsonObject object = sightObject(question, reduction);
    object.insert(u"intercept"_s, reduction.intercept);
    return document(object);
}

QByteArray latitudeJson(const SightQuestion& question, const nav::LatitudeSight& sight)
{
    QJsonObject object = sightObject(question, sight.reduction);
    object.insert(u"latitude"_s, sight.latitude);
    object.insert(u"method"_s,
                  sight.method == nav::LatitudeMethod::Polaris ? u"polaris"_s : u"meridian"_s);
    if (sight.method == nav::LatitudeMethod::Meridian) {
        object.insert(u"transit"_s, sight.transit == nav::Transit::Upper ? u"upper"_s : u"lower"_s);
        object.insert(u"transitTime"_s, zonedTimeText(nav::Instant::fromUtc(sight.transitTime),
                                                       nav::kUtc, Seconds::Whole));
        object.insert(u"minutesFromTransit"_s, sight.minutesFromTransit);
        object.insert(u"transitDec"_s, sight.transitDeclination);
        object.insert(u"zenithDistance"_s, sight.zenithDistance);
    }
    return document(object);
}

QByteArray compassJson(const CompassQuestion& question, const nav::CompassCheck& check)
{
    QJsonObject object{
        {u"body"_s, named(*question.body)},
        {u"time"_s, givenTimeText(question.time)},
        {u"method"_s, check.method == nav::CompassMethod::Amplitude ? u"amplitude"_s : u"azimuth"_s},
        {u"zn"_s, check.zn},
        {u"bearing"_s, check.bearing},
        {u"error"_s, check.error},
        {u"altitude"_s, check.horizontal.altitude},
        {u"dec"_s, check.place.declination},
    };
    if (check.amplitude)
        object.insert(u"amplitude"_s, QJsonObject{{u"angle"_s, check.amplitude->angle},
                                                  {u"side"_s, check.amplitude->rising ? u"E"_s : u"W"_s},
                                                  {u"pole"_s, check.amplitude->north ? u"N"_s : u"S"_s}});
    if (question.variation)
        object.insert(u"variation"_s, *question.variation);
    if (check.deviation)
        object.insert(u"deviation"_s, *check.deviation);
    return document(object);
}

QByteArray riseSetJson(const RiseSetQuestion& question, const nav::DayEvents& events)
{
    QJsonObject object{{u"date"_s, riseSetDateText(question)},
                       {u"zone"_s, fromUtf8(nav::formatTimeZone(question.zone))}};
    for (const DayEvent& event : dayEventsInOrder(events))
        object.insert(event.key, event.time ? QJsonValue(zonedTimeText(*event.time, question.zone,
                                                                       Seconds::Whole))
                                            : QJsonValue(QJsonValue::Null));
    QJsonObject allDay;
    const std::pair<QString, const nav::Crossings*> crossings[] = {
        {u"sun"_s, &events.sun}, {u"civil"_s, &events.civil},
        {u"nautical"_s, &events.nautical}, {u"moon"_s, &events.moon}};
    for (const auto& [key, crossing] : crossings)
        if (crossing->allDay != nav::AllDay::No)
            allDay.insert(key, allDayWord(crossing->allDay));
    object.insert(u"allDay"_s, allDay);
    return document(object);
}

QByteArray starsJson(const GivenTime& time, const std::vector<nav::SkyBody>& sky)
{
    QJsonArray list;
    for (const nav::SkyBody& body : sky)
        list.append(skyObject(body));
    return document({{u"time"_s, givenTimeText(time)},
                     {u"stars"_s, list},
                     {u"best"_s, chosenNames(sky, kBestThree)},
                     {u"bestFour"_s, chosenNames(sky, kBestFour)}});
}

QByteArray identifyJson(const GivenTime& time, double altitude, double azimuth,
                        const std::vector<nav::Candidate>& candidates)
{
    QJsonArray list;
    for (const nav::Candidate& candidate : candidates) {
        QJsonObject object = skyObject(candidate.sky);
        object.insert(u"separation"_s, candidate.separation);
        list.append(object);
    }
    return document({{u"time"_s, givenTimeText(time)},
                     {u"altitude"_s, altitude},
                     {u"azimuth"_s, azimuth},
                     {u"candidates"_s, list}});
}

}  // namespace tarnquil
