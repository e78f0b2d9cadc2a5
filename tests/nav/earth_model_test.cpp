// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/earth_model.h"

#include <gtest/gtest.h>

namespace {

using nav::EarthModel;

TEST(EarthModel, EachWordReadsBackAsItsModel)
{
    for (EarthModel model : {EarthModel::Wgs84, EarthModel::Sphere})
        EXPECT_EQ(nav::readModelWord(nav::modelWord(model)), model) << nav::modelWord(model);
}

TEST(EarthModel, ModelsHaveDistinctWordsAndNames)
{
    EXPECT_NE(nav::modelWord(EarthModel::Wgs84), nav::modelWord(EarthModel::Sphere));
    EXPECT_NE(nav::modelName(EarthModel::Wgs84), nav::modelName(EarthModel::Sphere));
}

TEST(EarthModel, OnlyTheExactWordsAreRead)
{
    for (const char* word : {"WGS84", "Sphere", "wgs-84", " sphere", "sphere ", "sph", "", "WGS-84"})
        EXPECT_FALSE(nav::readModelWord(word)) << '"' << word << '"';
}

}  // namespace
