// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/found_current_reading.h"

#include "text/celestial_text.h"
#include "text/current_text.h"
#include "text/current_words.h"
#include "text/observation_reading.h"
#include "text/refusals.h"
#include "text/utf8_text.h"

#include "nav/display.h"
#include "nav/earth.h"
#include "nav/errors.h"

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

struct ReadFix {
    std::optional<geo::GeoPoint> position;
    std::optional<nav::Instant> time;
};

// A fix and its time, each refused naming the fix: 第一船位的时间 …
QString readRecordedFix(const RecordedFixTexts& texts, const QString& name, ReadFix& read)
{
    const PositionReading position = readShipPosition(name, texts.position, texts.form);
    if (!position.position)
        return position.refusal;
    read.position = position.position;
    const TimeReading time = readTimeText(texts.time);
    if (!time.instant)
        return name + u"的"_s + time.refusal;
    read.time = time.instant;
    return {};
}

bool isBlank(const QString& text)
{
    return text.trimmed().isEmpty();
}

// An optional value of 求流 (α, ΔL): empty is 0.
QString readOrZero(const QString& text, QuantityReading (*reader)(const QString&, QStringView),
                   double& value)
{
    if (isBlank(text))
        return {};
    const QuantityReading reading = reader(text, {});
    if (!reading.value)
        return reading.refusal;
    value = *reading.value;
    return {};
}

}  // namespace

FoundCurrentReading readFoundCurrent(const FixSettingTexts& settings)
{
    const RecordedFixTexts& first = settings.first;
    const RecordedFixTexts& second = settings.second;
    const bool firstBlank = isBlank(first.position) && isBlank(first.time);
    const bool secondBlank = isBlank(second.position) && isBlank(second.time);
    if (firstBlank && secondBlank)
        return {};
    ReadFix fix1, fix2;
    for (const auto& [texts, name, read] :
         {std::tuple{&first, u"第一船位"_s, &fix1}, std::tuple{&second, u"第二船位"_s, &fix2}}) {
        if (isBlank(texts->position) || isBlank(texts->time))
            return {std::nullopt, u"求流：输入%1和定位的时间，或在定到船位后按“记入船位”。"_s.arg(name),
                    true};
        if (QString refusal = readRecordedFix(*texts, name, *read); !refusal.isEmpty())
            return {std::nullopt, refusal, false};
    }
    if (isBlank(settings.course) || isBlank(settings.speed))
        return {std::nullopt, u"求流：在设定中输入航向和航速（计程仪航速）。"_s, true};
    const QuantityReading course = readCourseText(settings.course);
    const QuantityReading speed = readSpeedText(settings.speed);
    if (!course.value || !speed.value)
        return {std::nullopt, course.value ? speed.refusal : course.refusal, false};
    nav::Steering steering{*course.value, 0};
    nav::LogSpeed log{*speed.value, 0};
    for (const QString& refusal :
         {readOrZero(settings.leeway, readLeewayText, steering.leeway),
          readOrZero(settings.logCorrection, readLogCorrectionText, log.correction)})
        if (!refusal.isEmpty())
            return {std::nullopt, refusal, false};
    try {
        return {nav::currentFromFixes(nav::Earth(settings.model), *fix1.position, *fix1.time,
                                      *fix2.position, *fix2.time, steering, log),
                {}, false};
    } catch (const nav::CurrentError&) {
        return {std::nullopt, timeNotForwardRefusal(first.time.trimmed(), second.time.trimmed()), false};
    } catch (const nav::RangeError& error) {
        return {std::nullopt,
                error.quantity() == nav::Quantity::Distance
                    ? reckonedRunRefusal()
                    : speedRefusal(settings.speed, Verdict::OutOfRange),
                false};
    } catch (const nav::PoleError&) {
        return {std::nullopt, poleRunRefusal(), false};
    }
}

QString foundCurrentLine(const nav::FoundCurrent& current)
{
    const QString set = current.distance == 0 ? u"无流"_s : currentCourseText(current.set);
    return u"流向 %1，流速 %2（两次定位相隔 %3，推算船位 %4）"_s.arg(
        set, currentSpeedText(current.drift), fromUtf8(nav::formatTimeUnderWay(current.hours)),
        fromUtf8(nav::formatPosition(current.dr)));
}

}  // namespace tarnquil
