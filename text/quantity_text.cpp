// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/quantity_text.h"

#include "geo/errors.h"
#include "geo/number_reading.h"
#include "geo/units.h"
#include "nav/earth.h"
#include "nav/great_circle.h"
#include "nav/observation.h"
#include "nav/route.h"

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

constexpr char16_t firstFullWidth = u'！';  // U+FF01, the full-width form of '!'
constexpr char16_t lastFullWidth = u'～';   // U+FF5E, of '~'
constexpr char16_t fullWidthShift = firstFullWidth - u'!';

// The text with the full-width forms an input method types (digits, point,
// signs, letters, the ideographic space) and the minus sign as ASCII, so that
// a unit matches whichever way it is typed.
QString asciiForms(QStringView text)
{
    QString folded = text.toString();
    for (QChar& c : folded) {
        const char16_t unit = c.unicode();
        if (unit >= firstFullWidth && unit <= lastFullWidth)
            c = QChar(char16_t(unit - fullWidthShift));
        else if (unit == u'\u3000')
            c = u' ';
        else if (unit == u'\u2212')
            c = u'-';
    }
    return folded;
}

// The units a course (and any angle in degrees) and a distance in n mile may
// be written with; "nmi" before "nm", which ends it.
constexpr std::initializer_list<QStringView> courseUnits = {u"°", u"º", u"˚", u"度"};
constexpr std::initializer_list<QStringView> distanceUnits = {u"nmi", u"nm", u"海里", u"浬"};
constexpr std::initializer_list<QStringView> speedUnits = {u"knots", u"knot", u"kts", u"kt", u"kn", u"节"};

// Whole numbers up to 2^53 are doubles exactly; no file holds more routes.
constexpr double largestRouteIndex = 9007199254740992.0;

QuantityReading read(const QString& text, std::optional<double> value, bool inRange,
                     QString (*refusal)(const QString&, Verdict, QStringView), QStringView option)
{
    if (!value)
        return {std::nullopt, refusal(text, Verdict::Unreadable, option)};
    if (!inRange)
        return {std::nullopt, refusal(text, Verdict::OutOfRange, option)};
    // -0 as 0, which the tables show without a sign.
    return {*value + 0.0, {}};
}

}  // namespace

std::optional<double> readNumberWithUnit(QStringView text, std::initializer_list<QStringView> units)
{
    const QString folded = asciiForms(text.trimmed());
    QStringView number = folded;
    for (const QStringView unit : units) {
        if (number.endsWith(unit, Qt::CaseInsensitive)) {
            number = number.chopped(unit.size()).trimmed();
            break;
        }
    }
    if (number.isEmpty())
        return std::nullopt;
    const QByteArray utf8 = number.toUtf8();
    try {
        return geo::readNumberStrict(std::string_view(utf8.constData(), std::size_t(utf8.size())));
    } catch (const geo::OverflowError&) {
        constexpr double infinity = std::numeric_limits<double>::infinity();
        return number.startsWith(u'-') ? -infinity : infinity;
    } catch (const geo::TypeMismatchError&) {
        return std::nullopt;
    }
}

QuantityReading readSpeedText(const QString& text, QStringView option)
{
    const std::optional<double> knots =
        readNumberWithUnit(text, speedUnits);
    return read(text, knots, knots && *knots >= nav::kSlowestSpeed && std::isfinite(*knots),
                speedRefusal, option);
}

QuantityReading readCourseText(const QString& text, QStringView option)
{
    const std::optional<double> degrees = readNumberWithUnit(text, courseUnits);
    return read(text, degrees, degrees && *degrees >= 0 && *degrees <= geo::kFullCircle, courseRefusal,
                option);
}

QuantityReading readDistanceText(const QString& text, QStringView option)
{
    const std::optional<double> miles = readNumberWithUnit(text, distanceUnits);
    return read(text, miles, miles && *miles >= 0 && *miles <= nav::kMaxRun, distanceRefusal,
                option);
}

QuantityReading readMeridianIntervalText(const QString& text, QStringView option)
{
    const std::optional<double> degrees = readNumberWithUnit(text, courseUnits);
    return read(text, degrees,
                degrees && std::isfinite(*degrees) && *degrees >= nav::kSmallestMeridianInterval,
                meridianIntervalRefusal, option);
}

std::optional<double> readDegreesNumber(QStringView text)
{
    std::optional<double> degrees = readNumberWithUnit(text, courseUnits);
    if (degrees)
        *degrees += 0.0;  // -0 as 0
    return degrees;
}

std::optional<double> readNauticalMilesNumber(QStringView text)
{
    return readNumberWithUnit(text, distanceUnits);
}

std::optional<double> readKnotsNumber(QStringView text)
{
    return readNumberWithUnit(text, speedUnits);
}

QuantityReading readCompassErrorText(const QString& text, QStringView option)
{
    const std::optional<double> degrees = readDegreesNumber(text);
    if (!degrees)
        return {std::nullopt, fixValueRefusal(nav::Quantity::CompassError, text, Verdict::Unreadable, option)};
    try {
        nav::checkCompassError(*degrees);
    } catch (const nav::RangeError&) {
        return {std::nullopt, fixValueRefusal(nav::Quantity::CompassError, text, Verdict::OutOfRange, option)};
    }
    return {degrees, {}};
}

QuantityReading readRouteIndexText(const QString& text, QStringView option)
{
    std::optional<double> index = readNumberWithUnit(text, {});
    if (index && std::isfinite(*index) && *index != std::floor(*index))
        index.reset();  // "1.5": no route's number
    return read(text, index, index && *index >= 1 && *index <= largestRouteIndex, routeIndexRefusal,
                option);
}

}  // namespace tarnquil
