// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/altitude_reading.h"
#include "text/celestial_text.h"
#include "text/celestial_words.h"
#include "text/observation_kinds.h"
#include "text/option_words.h"
#include "text/refusals.h"

#include "nav/almanac.h"
#include "nav/errors.h"

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

// The sextant altitude as --sight names it.
const QString hsField = u"六分仪高度"_s;

QString hsOption(QStringView option)
{
    return option.isEmpty() ? QString() : option.toString() + u" 的 HS"_s;
}

}  // namespace

std::optional<nav::Limb> readLimbWord(std::string_view word)
{
    if (word == "lower" || word == "下边")
        return nav::Limb::Lower;
    if (word == "upper" || word == "上边")
        return nav::Limb::Upper;
    return std::nullopt;
}

nav::Limb limbOf(const nav::Body& body, nav::Limb given)
{
    const bool limbed = body.kind == nav::BodyKind::Sun || body.kind == nav::BodyKind::Moon;
    return limbed ? given : nav::Limb::Centre;
}

QString limbWords()
{
    return u"lower（下边）或 upper（上边）"_s;
}

AltitudeReading readAltitude(const AltitudeTexts& texts, const SightSettings& settings,
                             std::optional<geo::GeoPoint> assumed, QStringView option)
{
    AltitudeReading read;
    const BodyReading body = readBodyText(texts.body, option);
    if (!body.body)
        read.refusals << ObservationCellRefusal{ObservationColumn::Mark, body.refusal};
    std::optional<nav::Limb> limb = nav::Limb::Lower;
    if (!texts.limb.trimmed().isEmpty()) {
        limb = readLimbWord(texts.limb.trimmed().toStdString());
        if (!limb)
            read.refusals << ObservationCellRefusal{
                ObservationColumn::Mark2,
                choiceRefusal(option.isEmpty() ? u"边" : u"--limb", limbWords(), texts.limb)};
    }
    const TimeReading time = readTimeText(texts.time, settings.dut1, option);
    if (!time.instant)
        read.refusals << ObservationCellRefusal{ObservationColumn::When, time.refusal};
    const QuantityReading hs = readAltitudeText(texts.hs, hsOption(option), hsField);
    if (!hs.value)
        read.refusals << ObservationCellRefusal{ObservationColumn::Value, hs.refusal};
    if (!read.refusals.isEmpty())
        return read;
    read.body = body.body;
    read.limb = limbOf(*body.body, *limb);
    const nav::Almanac almanac(*time.instant);
    try {
        nav::SightReduction reduction;
        if (assumed) {
            reduction = nav::reduceSight(almanac, *body.body, *hs.value, read.limb,
                                         settings.conditions, *assumed);
        } else {
            const nav::AltitudeLine line(almanac, *body.body, *hs.value, read.limb,
                                         settings.conditions);
            const nav::BodyPlace place = almanac.place(*body.body);
            reduction = line.at({place.declination, 0});
        }
        const double ho = reduction.corrections.ho;
        nav::checkObservationValue(sightKind().kind, ho);
        read.observation =
            nav::altitudeObservation(reduction.place.gha, reduction.place.declination, ho);
    } catch (const nav::RangeError& error) {
        read.refusals << ObservationCellRefusal{
            ObservationColumn::Value,
            celestialValueRefusal(error.quantity(), QString::number(error.value(), 'f', 3),
                                  Verdict::OutOfRange, option)};
    } catch (const nav::CelestialError& error) {
        read.refusals << ObservationCellRefusal{ObservationColumn::Value,
                                                celestialRefusalMessage(error, *body.body)};
    }
    return read;
}

}  // namespace tarnquil
