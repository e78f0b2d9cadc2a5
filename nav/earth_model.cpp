// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/earth_model.h"

#include <array>

namespace nav {

namespace {

struct ModelTexts {
    EarthModel model;
    std::string_view name;
    std::string_view word;
};

constexpr std::array<ModelTexts, 2> kModels = {{
    {EarthModel::Wgs84, "WGS-84", "wgs84"},
    {EarthModel::Sphere, "球面（1′=1海里）", "sphere"},
}};

const ModelTexts& textsOf(EarthModel model)
{
    for (const ModelTexts& texts : kModels) {
        if (texts.model == model)
            return texts;
    }
    return kModels.front();
}

}  // namespace

std::string_view modelName(EarthModel model)
{
    return textsOf(model).name;
}

std::string_view modelWord(EarthModel model)
{
    return textsOf(model).word;
}

std::optional<EarthModel> readModelWord(std::string_view word)
{
    for (const ModelTexts& texts : kModels) {
        if (texts.word == word)
            return texts.model;
    }
    return std::nullopt;
}

}  // namespace nav
