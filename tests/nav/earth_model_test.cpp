// SPDX-License-Identifier: GPL-3.0-or-later
// The words of the Earth models and of the leg methods, as the window, the
// files and the command line write them: each pinned to its literal text.
#include "nav/earth_model.h"
#include "nav/leg.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

namespace {

using nav::EarthModel;
using nav::Method;

TEST(EarthModel, NamesAndWords)
{
    EXPECT_EQ(nav::modelName(EarthModel::Wgs84), "WGS-84");
    EXPECT_EQ(nav::modelName(EarthModel::Sphere), "球面（1′=1海里）");
    EXPECT_EQ(nav::modelWord(EarthModel::Wgs84), "wgs84");
    EXPECT_EQ(nav::modelWord(EarthModel::Sphere), "sphere");
}

struct WordRead {
    const char* text;
    std::optional<EarthModel> model;
};

TEST(EarthModel, OnlyTheExactWordsAreRead)
{
    const WordRead rows[] = {
        {"wgs84", EarthModel::Wgs84}, {"sphere", EarthModel::Sphere},
        {"WGS84", {}},  {"Sphere", {}}, {"wgs-84", {}}, {" sphere", {}},
        {"sphere ", {}}, {"sph", {}},   {"", {}},       {"WGS-84", {}},
    };
    for (const WordRead& row : rows)
        EXPECT_EQ(nav::readModelWord(row.text), row.model) << '"' << row.text << '"';
}

TEST(LegMethod, CodesNamesAndWords)
{
    EXPECT_EQ(nav::methodCode(Method::Rhumb), "RL");
    EXPECT_EQ(nav::methodCode(Method::GreatCircle), "GC");
    EXPECT_EQ(nav::methodName(Method::Rhumb), "恒向线");
    EXPECT_EQ(nav::methodName(Method::GreatCircle), "大圆");
    EXPECT_EQ(nav::methodWord(Method::Rhumb), "rl");
    EXPECT_EQ(nav::methodWord(Method::GreatCircle), "gc");
}

struct MethodRead {
    std::string_view text;
    std::optional<Method> method;
};

// Route files and pasted tables: a code in any case, or the name.
TEST(LegMethod, TextsOfFilesAndTables)
{
    const MethodRead rows[] = {
        {"RL", Method::Rhumb},        {"rl", Method::Rhumb},       {"rL", Method::Rhumb},
        {"恒向线", Method::Rhumb},     {"GC", Method::GreatCircle}, {"gc", Method::GreatCircle},
        {"Gc", Method::GreatCircle},  {"大圆", Method::GreatCircle},
        {"", {}},        {" RL", {}},     {"RL ", {}},       {"ＲＬ", {}},  {"R", {}},
        {"RLX", {}},     {"RL 恒向线", {}}, {"恒向", {}},     {"大圆航线", {}},
        {"rhumb", {}},   {std::string_view("RL\0", 3), {}},
    };
    for (const MethodRead& row : rows)
        EXPECT_EQ(nav::readMethodText(row.text), row.method) << '"' << row.text << '"';
}

// The command line: only the exact words.
TEST(LegMethod, CommandLineWords)
{
    const MethodRead rows[] = {
        {"rl", Method::Rhumb}, {"gc", Method::GreatCircle},
        {"RL", {}}, {"GC", {}}, {"Gc", {}}, {"恒向线", {}}, {"gc ", {}}, {"", {}},
    };
    for (const MethodRead& row : rows)
        EXPECT_EQ(nav::readMethodWord(row.text), row.method) << '"' << row.text << '"';
}

}  // namespace
