// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/celestial_answers.h"

#include "text/celestial_report.h"
#include "text/celestial_text.h"
#include "text/celestial_words.h"
#include "text/altitude_reading.h"
#include "text/option_words.h"
#include "text/conversion_message.h"
#include "text/refusals.h"

#include "geo/errors.h"
#include "geo/position_text.h"
#include "nav/earth.h"
#include "nav/entry.h"
#include "nav/errors.h"
#include "nav/time_zone.h"

#include <optional>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

// A field that does not read: the answer's refusal, thrown from the
// reading of one field to the page's answer.
struct Refused {
    QString refusal;
    CelestialField field;
    bool blank = false;
};

bool isBlank(const QString& text)
{
    return text.trimmed().isEmpty();
}

// The words a blank field is asked for by.
QString blankFieldWords(CelestialField field)
{
    switch (field) {
    case CelestialField::Position:
        return u"推算船位"_s;
    case CelestialField::CompassBody:
    case CelestialField::SightBody:
        return u"天体"_s;
    case CelestialField::Hs:
        return u"六分仪高度"_s;
    case CelestialField::Bearing:
        return u"罗经方位"_s;
    case CelestialField::Date:
        return u"日期"_s;
    case CelestialField::Altitude:
        return u"观测高度"_s;
    case CelestialField::Azimuth:
        return u"真方位"_s;
    default:
        break;
    }
    return u"时间"_s;
}

// A field the question cannot do without.
void requireText(const QString& text, CelestialField field)
{
    if (isBlank(text))
        throw Refused{u"请填写%1。"_s.arg(blankFieldWords(field)), field, true};
}

// The command line's --at field, named as the window names it.
const QString positionField = u"位置"_s;

geo::GeoPoint readPositionField(const QString& text)
{
    requireText(text, CelestialField::Position);
    try {
        const geo::GeoPoint point = geo::readPosition(text.toStdString(), geo::NumberForm::Minutes).position;
        nav::checkPosition(point);
        return point;
    } catch (const geo::CoordinateError& error) {
        throw Refused{conversionFailureMessage(positionField, text, error), CelestialField::Position};
    } catch (const nav::RangeError& error) {
        throw Refused{positionRangeRefusal(positionField, text,
                                           error.quantity() == nav::Quantity::Latitude
                                               ? geo::Axis::Latitude
                                               : geo::Axis::Longitude),
                      CelestialField::Position};
    }
}

// A quantity read, or the field's refusal.
double valueOf(const QuantityReading& reading, CelestialField field)
{
    if (!reading.value)
        throw Refused{reading.refusal, field};
    return *reading.value;
}

constexpr double blankDut1 = 0;
constexpr double blankHeightOfEye = 0;

double readDut1Field(const CelestialTexts& texts)
{
    return isBlank(texts.dut1) ? blankDut1 : valueOf(readDut1Text(texts.dut1), CelestialField::Dut1);
}

GivenTime readTimeField(const QString& text, double dut1, CelestialField field)
{
    requireText(text, field);
    const TimeReading reading = readTimeText(text, dut1);
    if (!reading.instant)
        throw Refused{reading.refusal, field};
    return {*reading.instant, reading.zone};
}

const nav::Body& readBodyField(const QString& text, CelestialField field)
{
    requireText(text, field);
    const BodyReading reading = readBodyText(text);
    if (!reading.body)
        throw Refused{reading.refusal, field};
    return *reading.body;
}

// A condition of the sight, its default when blank.
double readConditionField(const QString& text, QuantityReading (*reader)(const QString&, QStringView),
                          double blank, CelestialField field)
{
    return isBlank(text) ? blank : valueOf(reader(text, {}), field);
}

// The 测天 page's sight, read as --sight reads the same texts.
SightQuestion readSightFields(const CelestialTexts& texts)
{
    const double dut1 = readDut1Field(texts);
    SightQuestion question;
    question.body = &readBodyField(texts.sightBody, CelestialField::SightBody);
    question.time = readTimeField(texts.sightTime, dut1, CelestialField::SightTime);
    requireText(texts.hs, CelestialField::Hs);
    question.hs = valueOf(readAltitudeText(texts.hs, {}, u"六分仪高度"_s), CelestialField::Hs);
    nav::Limb limb = nav::Limb::Lower;
    if (!isBlank(texts.limb)) {
        const std::optional<nav::Limb> given = readLimbWord(texts.limb.trimmed().toStdString());
        if (!given)
            throw Refused{choiceRefusal(u"边", limbWords(), texts.limb), CelestialField::Limb};
        limb = *given;
    }
    question.limb = limbOf(*question.body, limb);
    nav::SightConditions& conditions = question.conditions;
    conditions.indexCorrection =
        readConditionField(texts.indexCorrection, readIndexCorrectionText, 0, CelestialField::IndexCorrection);
    conditions.heightOfEye =
        readConditionField(texts.heightOfEye, readHeightOfEyeText, blankHeightOfEye, CelestialField::HeightOfEye);
    conditions.temperature = readConditionField(texts.temperature, readTemperatureText,
                                                nav::kDefaultTemperature, CelestialField::Temperature);
    conditions.pressure =
        readConditionField(texts.pressure, readPressureText, nav::kDefaultPressure, CelestialField::Pressure);
    question.at = readPositionField(texts.position);
    return question;
}

nav::TimeZone readZoneField(const QString& text, geo::GeoPoint at)
{
    if (isBlank(text))
        return nav::TimeZone::nautical(at.longitude);
    const std::optional<nav::TimeZone> zone = nav::readTimeZone(text.toStdString());
    if (!zone)
        throw Refused{timeZoneRefusal(text), CelestialField::Zone};
    return *zone;
}

// Runs a page's question; a field refused, or a question the almanac does
// not answer, is the answer's refusal.
template <typename Question>
CelestialAnswer answered(Question question)
{
    try {
        return {question(), {}, CelestialField::None, false};
    } catch (const Refused& refused) {
        return {{}, refused.refusal, refused.field, refused.blank};
    }
}

}  // namespace

CelestialAnswer almanacAnswer(const CelestialTexts& texts)
{
    return answered([&texts] {
        const GivenTime time = readTimeField(texts.almanacTime, readDut1Field(texts), CelestialField::AlmanacTime);
        std::vector<const nav::Body*> all;
        for (const nav::Body& body : nav::bodies())
            all.push_back(&body);
        return almanacText(nav::Almanac(time.instant), time.zone, all);
    });
}

CelestialAnswer compassAnswer(const CelestialTexts& texts)
{
    return answered([&texts] {
        CompassQuestion question;
        question.body = &readBodyField(texts.compassBody, CelestialField::CompassBody);
        question.time = readTimeField(texts.compassTime, readDut1Field(texts), CelestialField::CompassTime);
        question.at = readPositionField(texts.position);
        requireText(texts.bearing, CelestialField::Bearing);
        const double bearing = valueOf(readAzimuthText(texts.bearing), CelestialField::Bearing);
        if (!isBlank(texts.variation))
            question.variation = valueOf(readVariationText(texts.variation), CelestialField::Variation);
        const nav::Almanac almanac(question.time.instant);
        try {
            const nav::CompassCheck check =
                texts.compassBy == CompassBy::Amplitude
                    ? nav::compassErrorByAmplitude(almanac, *question.body, question.at, bearing,
                                                   question.variation)
                    : nav::compassErrorByAzimuth(almanac, *question.body, question.at, bearing,
                                                 question.variation);
            return compassText(question, check);
        } catch (const nav::CelestialError& error) {
            throw Refused{celestialRefusalMessage(error, *question.body), CelestialField::None};
        }
    });
}

CelestialAnswer riseSetAnswer(const CelestialTexts& texts)
{
    return answered([&texts] {
        requireText(texts.date, CelestialField::Date);
        const DateReading date = readDateText(texts.date);
        if (!date.read)
            throw Refused{date.refusal, CelestialField::Date};
        const double dut1 = readDut1Field(texts);
        RiseSetQuestion question{date.year, date.month, date.day, {}, readPositionField(texts.position), 0};
        question.zone = readZoneField(texts.zone, question.at);
        question.heightOfEye = isBlank(texts.heightOfEye)
                                   ? blankHeightOfEye
                                   : valueOf(readHeightOfEyeText(texts.heightOfEye), CelestialField::HeightOfEye);
        try {
            const nav::DayEvents events = nav::dayEvents(question.year, question.month, question.day,
                                                         question.zone, question.at,
                                                         question.heightOfEye, dut1);
            return riseSetText(question, events);
        } catch (const nav::TimeError& error) {
            // A day whose events reach beyond the almanac's years.
            throw Refused{timeProblemRefusal(texts.date, error.problem()), CelestialField::Date};
        }
    });
}

CelestialAnswer starsAnswer(const CelestialTexts& texts)
{
    return answered([&texts] {
        const GivenTime time = readTimeField(texts.starsTime, readDut1Field(texts), CelestialField::StarsTime);
        const geo::GeoPoint at = readPositionField(texts.position);
        const nav::Almanac almanac(time.instant);
        QString report = starsText(time, at, nav::bodiesForSights(almanac, at));
        if (isBlank(texts.altitude) && isBlank(texts.azimuth))
            return report;
        requireText(texts.altitude, CelestialField::Altitude);
        requireText(texts.azimuth, CelestialField::Azimuth);
        const double altitude = valueOf(readAltitudeText(texts.altitude), CelestialField::Altitude);
        const double azimuth = valueOf(readAzimuthText(texts.azimuth), CelestialField::Azimuth);
        return report + u'\n'
            + identifyText(time, at, altitude, azimuth, nav::identifyBody(almanac, at, altitude, azimuth));
    });
}

CelestialAnswer sightAnswer(const CelestialTexts& texts)
{
    return answered([&texts] {
        const SightQuestion question = readSightFields(texts);
        const nav::Almanac almanac(question.time.instant);
        try {
            if (texts.sightBy == SightBy::Latitude)
                return latitudeText(question, nav::latitudeBySight(almanac, *question.body, question.hs,
                                                                   question.limb, question.conditions,
                                                                   question.at));
            return sightText(question, nav::reduceSight(almanac, *question.body, question.hs, question.limb,
                                                        question.conditions, question.at));
        } catch (const nav::CelestialError& error) {
            throw Refused{celestialRefusalMessage(error, *question.body), CelestialField::None};
        }
    });
}

SentSight sightToSend(const CelestialTexts& texts)
{
    return {{texts.sightBody, texts.limb, texts.sightTime, texts.hs}, texts.position, texts.heightOfEye,
            texts.indexCorrection, texts.temperature, texts.pressure, texts.dut1};
}

}  // namespace tarnquil
