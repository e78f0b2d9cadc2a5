// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/celestial_text.h"
#include "text/refusals.h"

#include "geo/coordinate_text.h"
#include "geo/errors.h"
#include "geo/units.h"
#include "nav/entry.h"
#include "nav/errors.h"
#include "nav/sight_reduction.h"

#include <QRegularExpression>

#include <chrono>
#include <cmath>
#include <initializer_list>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

QuantityReading refused(nav::Quantity quantity, const QString& text, Verdict verdict,
                        QStringView option, const QString& field = {})
{
    return {std::nullopt, celestialValueRefusal(quantity, text, verdict, option, field)};
}

// A number with one of `units`, within [low, high].
QuantityReading readInRange(const QString& text, std::initializer_list<QStringView> units,
                            double low, double high, nav::Quantity quantity, QStringView option)
{
    const std::optional<double> value = readNumberWithUnit(text, units);
    if (!value)
        return refused(quantity, text, Verdict::Unreadable, option);
    if (!(*value >= low && *value <= high))
        return refused(quantity, text, Verdict::OutOfRange, option);
    return {*value + 0.0, {}};  // -0 as 0
}

// An angle by geo::readAngle, within [low, high] degrees; a refusal quotes
// `shown`, the text as typed.
QuantityReading readAngleInRange(const QString& text, const QString& shown, double low,
                                 double high, nav::Quantity quantity, QStringView option,
                                 const QString& field = {})
{
    double degrees = 0;
    try {
        degrees = geo::readAngle(text.toStdString(), std::max(std::abs(low), std::abs(high)));
    } catch (const geo::CoordinateError& error) {
        const Verdict verdict =
            error.rule() == geo::Rule::OutOfRange ? Verdict::OutOfRange : Verdict::Unreadable;
        return refused(quantity, shown, verdict, option, field);
    }
    if (!(degrees >= low && degrees <= high))
        return refused(quantity, shown, Verdict::OutOfRange, option, field);
    return {degrees + 0.0, {}};
}

const QRegularExpression& timePattern()
{
    // date, blank or T, hours:minutes[:seconds[.fraction]], [blanks zone]
    static const QRegularExpression pattern(
        uR"(^([0-9]{4})([-/])([0-9]{1,2})\2([0-9]{1,2})(?:T| +)([0-9]{1,2}):([0-9]{2})(?::([0-9]{2}(?:\.[0-9]+)?))?(?: +(\S+))?$)"_s);
    return pattern;
}

const QRegularExpression& datePattern()
{
    static const QRegularExpression pattern(uR"(^([0-9]{4})([-/])([0-9]{1,2})\2([0-9]{1,2})$)"_s);
    return pattern;
}

}  // namespace

BodyReading readBodyText(const QString& text, QStringView option)
{
    if (const nav::Body* body = nav::findBody(text.toStdString()))
        return {body, {}};
    return {nullptr, bodyRefusal(text, option)};
}

TimeReading readTimeText(const QString& text, double dut1, QStringView option)
{
    const QRegularExpressionMatch match = timePattern().match(text.trimmed());
    if (!match.hasMatch())
        return {std::nullopt, {}, timeRefusal(text, option)};
    nav::TimeZone zone;
    if (const QString zoneText = match.captured(8); !zoneText.isEmpty()) {
        const std::optional<nav::TimeZone> read = nav::readTimeZone(zoneText.toStdString());
        if (!read)
            return {std::nullopt, {}, timeZoneRefusal(zoneText, option)};
        zone = *read;
    }
    nav::UtcTime clock;
    clock.year = match.captured(1).toInt();
    clock.month = match.captured(3).toInt();
    clock.day = match.captured(4).toInt();
    clock.hour = match.captured(5).toInt();
    clock.minute = match.captured(6).toInt();
    clock.second = match.captured(7).isEmpty() ? 0 : match.captured(7).toDouble();
    try {
        return {nav::Instant::fromUtc(nav::utcFromZone(clock, zone), dut1), zone, {}};
    } catch (const nav::TimeError& error) {
        return {std::nullopt, zone, timeProblemRefusal(text, error.problem(), option)};
    } catch (const nav::RangeError&) {
        return {std::nullopt, zone, timeRefusal(text, option)};
    }
}

DateReading readDateText(const QString& text, QStringView option)
{
    const QRegularExpressionMatch match = datePattern().match(text.trimmed());
    if (!match.hasMatch())
        return {0, 0, 0, false, dateRefusal(text, option)};
    const int year = match.captured(1).toInt();
    const int month = match.captured(3).toInt();
    const int day = match.captured(4).toInt();
    const std::chrono::year_month_day date{std::chrono::year{year}, std::chrono::month(unsigned(month)),
                                           std::chrono::day(unsigned(day))};
    if (!date.ok())
        return {0, 0, 0, false,
                timeProblemRefusal(text, nav::TimeProblem::NoSuchTime, option, u"日期"_s)};
    if (year < nav::kFirstAlmanacYear || year > nav::kLastAlmanacYear)
        return {0, 0, 0, false,
                timeProblemRefusal(text, nav::TimeProblem::OutOfRange, option, u"日期"_s)};
    return {year, month, day, true, {}};
}

QuantityReading readAltitudeText(const QString& text, QStringView option, const QString& field)
{
    return readAngleInRange(text, text, 0, geo::kQuarterCircle, nav::Quantity::Altitude, option, field);
}

QuantityReading readAzimuthText(const QString& text, QStringView option)
{
    return readAngleInRange(text, text, 0, geo::kFullCircle, nav::Quantity::Bearing, option);
}

QuantityReading readVariationText(const QString& text, QStringView option)
{
    QString angle = text.trimmed();
    bool west = false;
    for (const QStringView side : {u"E", u"W", u"东", u"西"}) {
        if (angle.endsWith(side, Qt::CaseInsensitive)) {
            west = side == u"W" || side == u"西";
            angle.chop(side.size());
            // A side names the sign: "-2W" says it twice.
            if (angle.startsWith(u'-') || angle.startsWith(u'+') || angle.startsWith(u'\u2212'))
                return refused(nav::Quantity::Variation, text, Verdict::Unreadable, option);
            break;
        }
    }
    QuantityReading reading = readAngleInRange(angle, text, -geo::kHalfCircle, geo::kHalfCircle,
                                               nav::Quantity::Variation, option);
    if (west && reading.value)
        *reading.value = -*reading.value + 0.0;
    return reading;
}

QuantityReading readHeightOfEyeText(const QString& text, QStringView option)
{
    return readInRange(text, {u"m", u"米"}, 0, nav::kMaxHeightOfEye, nav::Quantity::HeightOfEye,
                       option);
}

QuantityReading readIndexCorrectionText(const QString& text, QStringView option)
{
    return readInRange(text, {u"′", u"'", u"分"}, -nav::kMaxIndexCorrection,
                       nav::kMaxIndexCorrection, nav::Quantity::IndexCorrection, option);
}

QuantityReading readTemperatureText(const QString& text, QStringView option)
{
    return readInRange(text, {u"°C", u"℃", u"C"}, nav::kMinTemperature, nav::kMaxTemperature,
                       nav::Quantity::Temperature, option);
}

QuantityReading readPressureText(const QString& text, QStringView option)
{
    return readInRange(text, {u"hPa", u"mbar", u"mb", u"百帕"}, nav::kMinPressure,
                       nav::kMaxPressure, nav::Quantity::Pressure, option);
}

QuantityReading readDut1Text(const QString& text, QStringView option)
{
    return readInRange(text, {u"s", u"秒"}, -nav::kMaxDut1, nav::kMaxDut1, nav::Quantity::Dut1,
                       option);
}

}  // namespace tarnquil
