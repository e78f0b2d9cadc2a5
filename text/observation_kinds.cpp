// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/observation_kinds.h"
#include "text/celestial_text.h"
#include "text/refusals.h"

#include "geo/units.h"

#include <QStringList>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

// The help's lines break where a line of --help would run too long.
QString bearingHelp()
{
    return u"物标的真方位（度，在船上量得；\n给出 --compass-error 时为罗经方位）"_s;
}

QString rangeHelp()
{
    return u"到物标的距离（海里，大于 0，不超过 %1）"_s.arg(QString::number(nav::kMaxSightDistance, 'f', 0));
}

QString angleHelp()
{
    return u"在船上从物标1顺时针量到物标2的\n水平角（度）"_s;
}

QString altitudeHelp()
{
    return u"天体的六分仪高度：天体名（英文或中文）、\n观测时间（UTC 或带区时）、Hs（度）"_s;
}

// Hs, as --sight reads and refuses it.
QuantityReading readSextantAltitude(const ObservationDescriptor&, const QString& text,
                                    QStringView option)
{
    return readAltitudeText(text, option.isEmpty() ? QString() : option.toString() + u" 的 HS"_s,
                            u"六分仪高度"_s);
}

constexpr std::array kinds = {
    ObservationDescriptor{nav::ObservationKind::Bearing, u"方位", u"--bearing", u"\"物标\" 方位",
                          bearingHelp, u"bearing", false, false, nav::Quantity::Bearing, ValueUnit::Degrees,
                          readObservationNumber},
    ObservationDescriptor{nav::ObservationKind::Range, u"距离", u"--range", u"\"物标\" 距离", rangeHelp,
                          u"range", false, false, nav::Quantity::Range, ValueUnit::NauticalMiles,
                          readObservationNumber},
    ObservationDescriptor{nav::ObservationKind::HorizontalAngle, u"水平角", u"--angle",
                          u"\"物标1\" \"物标2\" 水平角", angleHelp, u"horizontal_angle", true, false,
                          nav::Quantity::HorizontalAngle, ValueUnit::Degrees, readObservationNumber},
    ObservationDescriptor{nav::ObservationKind::Altitude, u"天体高度", u"--altitude",
                          sightArguments, altitudeHelp, u"altitude", false, true,
                          nav::Quantity::Altitude, ValueUnit::Degrees, readSextantAltitude},
};

constexpr bool kindsInOrder()
{
    for (std::size_t k = 0; k < kinds.size(); ++k) {
        if (int(kinds[k].kind) != int(k))
            return false;
    }
    return true;
}
static_assert(kindsInOrder(), "the kinds are listed in the order of nav::ObservationKind");
static_assert(std::count_if(kinds.begin(), kinds.end(), [](const ObservationDescriptor& kind) { return kind.sight; }) == 1,
              "one kind is a body's altitude");

// "a、b或c", as Chinese words are listed.
QString oneOf(const QStringList& words)
{
    return words.size() < 2 ? words.join(QString())
                            : words.first(words.size() - 1).join(u'、') + u'或' + words.last();
}

QString unitWord(ValueUnit unit)
{
    return unit == ValueUnit::Degrees ? u"度"_s : u"海里"_s;
}

}  // namespace

std::span<const ObservationDescriptor> observationKinds()
{
    return kinds;
}

const ObservationDescriptor& describe(nav::ObservationKind kind)
{
    return kinds[std::size_t(kind)];
}

const ObservationDescriptor& sightKind()
{
    return *std::find_if(kinds.begin(), kinds.end(), [](const ObservationDescriptor& kind) { return kind.sight; });
}

const ObservationDescriptor* observationKindNamed(QStringView text)
{
    const QStringView name = text.trimmed();
    if (name.isEmpty())
        return nullptr;
    for (std::size_t k = 0; k < kinds.size(); ++k) {
        if (name == kinds[k].name || name == kinds[k].name.first(1) || name == QString::number(k + 1))
            return &kinds[k];
    }
    return nullptr;
}

const ObservationDescriptor* observationKindOfOption(QStringView option)
{
    for (const ObservationDescriptor& kind : kinds) {
        if (kind.option == option)
            return &kind;
    }
    return nullptr;
}

QuantityReading readObservationNumber(const ObservationDescriptor& kind, const QString& text,
                                      QStringView option)
{
    if (text.trimmed().isEmpty())
        return {std::nullopt, u"请输入%1（%2）。"_s.arg(kind.name, unitWord(kind.unit))};
    const std::optional<double> number =
        kind.unit == ValueUnit::Degrees ? readDegreesNumber(text) : readNauticalMilesNumber(text);
    if (!number)
        return {std::nullopt, fixValueRefusal(kind.quantity, text, Verdict::Unreadable, option)};
    try {
        nav::checkObservationValue(kind.kind, *number);
    } catch (const nav::RangeError&) {
        return {std::nullopt, fixValueRefusal(kind.quantity, text, Verdict::OutOfRange, option)};
    }
    return {number, {}};
}

QString observationKindNames()
{
    QStringList names;
    for (const ObservationDescriptor& kind : kinds)
        names << kind.name.toString();
    return oneOf(names);
}

QString secondMarkKindNames()
{
    QStringList names;
    for (const ObservationDescriptor& kind : kinds) {
        if (kind.hasMark2Cell())
            names << kind.name.toString();
    }
    return oneOf(names);
}

QString observationValueHint()
{
    QStringList inDegrees;
    QStringList inMiles;
    QStringList sights;
    for (const ObservationDescriptor& kind : kinds) {
        if (kind.sight)
            sights << kind.name.toString();
        else
            (kind.unit == ValueUnit::Degrees ? inDegrees : inMiles) << kind.name.toString();
    }
    QStringList parts;
    if (!inDegrees.isEmpty())
        parts << inDegrees.join(u'、')
                + u"为度数（0 到 %1）"_s.arg(QString::number(geo::kFullCircle, 'f', 0));
    if (!inMiles.isEmpty())
        parts << inMiles.join(u'、') + u"为海里数"_s;
    if (!sights.isEmpty())
        parts << sights.join(u'、')
                + u"为六分仪高度（0 到 %1 度）"_s.arg(QString::number(geo::kQuarterCircle, 'f', 0));
    return parts.join(u'，');
}

QString observationOptions()
{
    QStringList options;
    for (const ObservationDescriptor& kind : kinds)
        options << kind.option.toString();
    return options.size() < 2 ? options.join(QString())
                              : options.first(options.size() - 1).join(u'、') + u" 或 "_s
            + options.last();
}

}  // namespace tarnquil
