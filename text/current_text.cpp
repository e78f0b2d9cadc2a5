// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/current_text.h"
#include "text/current_words.h"
#include "text/refusals.h"

#include "geo/units.h"
#include "nav/leeway_and_current.h"

#include <QStringList>

#include <limits>
#include <optional>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

using NumberReader = std::optional<double> (*)(QStringView text);

std::optional<double> readPerCent(QStringView text)
{
    // "％" is folded to "%" with the other full-width forms.
    return readNumberWithUnit(text, {u"%"});
}

std::optional<double> readHours(QStringView text)
{
    return readNumberWithUnit(text, {u"hours", u"hour", u"hrs", u"hr", u"h", u"小时"});
}

// No upper bound but what a double holds: the infinity of an overflow is
// refused as out of range.
constexpr double kUnbounded = std::numeric_limits<double>::max();

// A number read by `reader` within [low, high], or the refusal of `quantity`.
QuantityReading readBetween(const QString& text, NumberReader reader, double low, double high,
                            nav::Quantity quantity, QStringView option, const QString& field = {})
{
    const std::optional<double> value = reader(text);
    if (!value)
        return {std::nullopt, currentValueRefusal(quantity, text, Verdict::Unreadable, option, field)};
    if (!(*value >= low && *value <= high))
        return {std::nullopt, currentValueRefusal(quantity, text, Verdict::OutOfRange, option, field)};
    return {*value + 0.0, {}};  // -0 as 0
}

}  // namespace

QuantityReading readLeewayText(const QString& text, QStringView option)
{
    return readBetween(text, readDegreesNumber, -nav::kMaxLeeway, nav::kMaxLeeway,
                       nav::Quantity::Leeway, option);
}

QuantityReading readCurrentSetText(const QString& text, QStringView option)
{
    return readBetween(text, readDegreesNumber, 0, geo::kFullCircle, nav::Quantity::CurrentSet,
                       option);
}

QuantityReading readCurrentRateText(const QString& text, QStringView option)
{
    return readBetween(text, readKnotsNumber, 0, kUnbounded, nav::Quantity::CurrentRate, option);
}

QuantityReading readLogCorrectionText(const QString& text, QStringView option)
{
    return readBetween(text, readPerCent, -nav::kMaxLogCorrection, nav::kMaxLogCorrection,
                       nav::Quantity::LogCorrection, option);
}

QuantityReading readHoursText(const QString& text, QStringView option)
{
    return readBetween(text, readHours, 0, kUnbounded, nav::Quantity::Hours, option);
}

QuantityReading readTrackText(const QString& text, QStringView option)
{
    return readBetween(text, readDegreesNumber, 0, geo::kFullCircle, nav::Quantity::Course, option,
                       u"计划航迹向"_s);
}

CurrentReading readLegCurrentText(const QString& text)
{
    const QStringList parts = QString(text).replace(u'／', u'/').split(u'/');
    if (parts.size() != 2 || parts[0].trimmed().isEmpty() || parts[1].trimmed().isEmpty())
        return {std::nullopt, legCurrentRefusal(text)};
    const QuantityReading set = readCurrentSetText(parts[0].trimmed());
    if (!set.value)
        return {std::nullopt, set.refusal};
    const QuantityReading rate = readCurrentRateText(parts[1].trimmed());
    if (!rate.value)
        return {std::nullopt, rate.refusal};
    return {nav::Current{*set.value, *rate.value}, {}};
}

}  // namespace tarnquil
