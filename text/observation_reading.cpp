// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/observation_reading.h"
#include "text/conversion_message.h"
#include "text/quantity_text.h"
#include "text/quoted_text.h"
#include "text/refusals.h"

#include "geo/errors.h"
#include "geo/position_text.h"
#include "nav/earth.h"
#include "nav/errors.h"

#include <QRegularExpression>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

const QString markField = u"物标"_s;

std::optional<geo::GeoPoint> positionOf(const QString& text, geo::NumberForm form)
{
    try {
        return geo::readPosition(text.toStdString(), form).position;
    } catch (const geo::CoordinateError&) {
        return std::nullopt;
    }
}

// "花鸟山 3051.5N 12240.0E": the name before the first blank and the
// position after it; nothing when the text is not so written.
std::optional<MarkName> namedMark(const QString& text, geo::NumberForm form)
{
    static const QRegularExpression blank(u"\\s"_s);
    const qsizetype at = text.indexOf(blank);
    if (at <= 0)
        return std::nullopt;
    const std::optional<geo::GeoPoint> position = positionOf(text.sliced(at).trimmed(), form);
    if (!position)
        return std::nullopt;
    return MarkName{*position, text.first(at)};
}

// Why a text that is neither a position, a known name nor a name with a
// position names no mark.
QString markRefusal(const QString& text, geo::NumberForm form, const geo::CoordinateError& whole)
{
    static const QRegularExpression digit(u"\\d"_s);
    if (!text.contains(digit))
        return u"物标%1没有位置：请写作名称加位置，如 花鸟山 3051.5N 12240.0E，"
               u"或在另一行给出它的位置。"_s.arg(quotedText(text));
    // A name before a position that does not read: the position's refusal.
    const qsizetype blank = text.indexOf(u' ');
    const QString position = blank > 0 && !text.front().isDigit() ? text.sliced(blank + 1) : text;
    try {
        geo::readPosition(position.toStdString(), form);
    } catch (const geo::CoordinateError& error) {
        return conversionFailureMessage(markField, position, error);
    }
    return conversionFailureMessage(markField, text, whole);
}

}  // namespace

QList<MarkName> namedMarks(const QStringList& marks, geo::NumberForm form)
{
    QList<MarkName> names;
    for (const QString& cell : marks) {
        const QString text = cell.trimmed();
        if (positionOf(text, form))
            continue;
        const std::optional<MarkName> named = namedMark(text, form);
        const bool known = named && std::any_of(names.begin(), names.end(), [&](const MarkName& n) {
                               return n.name == named->name;
                           });
        if (named && !known)
            names.append(*named);
    }
    return names;
}

MarkReading readMark(const QString& typed, geo::NumberForm form, const QList<MarkName>& names)
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return {std::nullopt, u"请输入物标：位置，如 30°51.5′N 122°40.0′E，或名称加位置。"_s};
    try {
        return {MarkName{geo::readPosition(text.toStdString(), form).position, {}}, {}};
    } catch (const geo::CoordinateError& whole) {
        for (const MarkName& known : names)
            if (known.name == text)
                return {known, {}};
        if (const std::optional<MarkName> named = namedMark(text, form))
            return {*named, {}};
        return {std::nullopt, markRefusal(text, form, whole)};
    }
}

ObservationReading readObservation(const ObservationDescriptor& kind, const QString& mark,
                                   const QString& mark2, const QString& value,
                                   geo::NumberForm form, const QList<MarkName>& names,
                                   QStringView option)
{
    return readObservation(kind, mark, mark2, value, {form, form}, names, option);
}

ObservationReading readObservation(const ObservationDescriptor& kind, const QString& mark,
                                   const QString& mark2, const QString& value,
                                   MarkForms forms, const QList<MarkName>& names,
                                   QStringView option)
{
    ObservationReading reading;
    nav::Observation observation;
    observation.kind = kind.kind;
    const auto readOne = [&](const QString& text, ObservationColumn column) {
        const MarkReading read =
            readMark(text, column == ObservationColumn::Mark ? forms.mark : forms.mark2, names);
        if (!read.mark)
            reading.refusals.append({column, read.refusal});
        return read.mark ? read.mark->position : geo::GeoPoint{};
    };
    observation.mark = readOne(mark, ObservationColumn::Mark);
    if (kind.secondMark)
        observation.mark2 = readOne(mark2, ObservationColumn::Mark2);
    const QuantityReading number = kind.readValue(kind, value, option);
    if (!number.value)
        reading.refusals.append({ObservationColumn::Value, number.refusal});
    observation.value = number.value.value_or(0);
    if (reading.refusals.isEmpty())
        reading.observation = observation;
    return reading;
}

RunReading readRun(const QString& course, const QString& distance, QStringView option)
{
    const QuantityReading degrees = readCourseText(course, option);
    if (!degrees.value)
        return {std::nullopt, degrees.refusal};
    const QuantityReading miles = readDistanceText(distance, option);
    if (!miles.value)
        return {std::nullopt, miles.refusal};
    return {nav::Run{*degrees.value, *miles.value}, {}};
}

PositionReading readNearPosition(const QString& text, geo::NumberForm form)
{
    try {
        return {geo::readPosition(text.trimmed().toStdString(), form).position, {}};
    } catch (const geo::CoordinateError& error) {
        return {std::nullopt, conversionFailureMessage(u"推算船位"_s, text, error)};
    }
}

PositionReading readShipPosition(const QString& field, const QString& text, geo::NumberForm form)
{
    try {
        const geo::GeoPoint point = geo::readPosition(text.toStdString(), form).position;
        nav::checkPosition(point);
        return {point, {}};
    } catch (const geo::CoordinateError& error) {
        return {std::nullopt, conversionFailureMessage(field, text, error)};
    } catch (const nav::RangeError& error) {
        return {std::nullopt,
                positionRangeRefusal(field, text, error.quantity() == nav::Quantity::Latitude
                                                      ? geo::Axis::Latitude
                                                      : geo::Axis::Longitude)};
    }
}

}  // namespace tarnquil
