// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/eta_zone.h"

#include <array>

namespace nav {

namespace {

struct EtaZoneTexts {
    EtaZone zone;
    std::string_view name;
    std::string_view word;
};

constexpr std::array<EtaZoneTexts, 3> kEtaZones = {{
    {EtaZone::Departure, "开航区时", "depart"},
    {EtaZone::Utc, "UTC", "utc"},
    {EtaZone::Ship, "船时", "ship"},
}};

const EtaZoneTexts& textsOf(EtaZone zone)
{
    for (const EtaZoneTexts& texts : kEtaZones) {
        if (texts.zone == zone)
            return texts;
    }
    return kEtaZones.front();
}

}  // namespace

std::string_view etaZoneName(EtaZone zone)
{
    return textsOf(zone).name;
}

std::string_view etaZoneWord(EtaZone zone)
{
    return textsOf(zone).word;
}

std::optional<EtaZone> readEtaZoneWord(std::string_view word)
{
    for (const EtaZoneTexts& texts : kEtaZones) {
        if (texts.word == word)
            return texts.zone;
    }
    return std::nullopt;
}

}  // namespace nav
