// SPDX-License-Identifier: GPL-3.0-or-later
// Texts nobody would type on purpose: each must give a finite value or a
// typed failure, never a crash, a hang, a NaN or an infinity.
#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "geo/coordinate_entry.h"
#include "geo/display.h"
#include "geo/number_reading.h"

namespace {

using geo::EntryMode;

// Pieces that matter to the readers, mixed with noise.
const std::vector<std::string>& pieces()
{
    static const std::vector<std::string> all = {
        "0", "1", "4", "5", "9", ".", "-", "+", "E", "e", "D", "d", " ", "\t", "\n", "\r",
        "０", "５", "９", "．", "－", "＋", "\u2212", "\u3000", "x", "&H", ",", "$", "é",
        "😀", "\xff", "\xc0\xaf", "\xed\xa0\x80", "\xe4\xb8", "\x00", "\x7f", "\u202e",
        "E999", "e-999", "99999", "\u0663", "\uFEFF"};
    return all;
}

std::string randomText(std::mt19937& random, std::size_t maxPieces)
{
    std::uniform_int_distribution<std::size_t> count(0, maxPieces);
    std::uniform_int_distribution<std::size_t> pick(0, pieces().size() - 1);
    std::string text;
    for (std::size_t n = count(random); n > 0; --n) {
        const std::string& piece = pieces()[pick(random)];
        text += piece.empty() ? std::string(1, '\0') : piece;
    }
    return text;
}

std::string randomBytes(std::mt19937& random, std::size_t maxLength)
{
    std::uniform_int_distribution<std::size_t> length(0, maxLength);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string text(length(random), '\0');
    for (char& c : text) c = static_cast<char>(byte(random));
    return text;
}

// The number a "####.###" readout stands for: "." is zero.
double readoutValue(const std::string& readout)
{
    double value = 0;
    if (readout != ".") {
        const auto [end, error] = std::from_chars(readout.data(), readout.data() + readout.size(), value);
        EXPECT_TRUE(error == std::errc() && end == readout.data() + readout.size()) << readout;
    }
    return value;
}

// Converts in both forms; a failure must be one of the typed ones. A value
// shows as a readout within half a thousandth of it.
void expectValueOrTypedFailure(const std::string& text)
{
    EXPECT_FALSE(std::isnan(geo::readNumberPrefix(text)));
    try {
        EXPECT_TRUE(std::isfinite(geo::readNumberStrict(text)));
    } catch (const geo::ConversionError&) {
    }
    for (EntryMode mode : {EntryMode::Minutes, EntryMode::Seconds}) {
        try {
            const double degrees = geo::toDecimalDegrees(text, mode);
            ASSERT_TRUE(std::isfinite(degrees)) << testing::PrintToString(text);
            const std::string readout = geo::formatNumber(degrees, "####.###");
            EXPECT_LE(std::abs(readoutValue(readout) - degrees), 0.0005 + 1e-12 * std::abs(degrees))
                << testing::PrintToString(text) << " -> " << degrees << " -> " << readout;
        } catch (const geo::ConversionError&) {
        }
    }
}

TEST(HostileText, RandomPiecesGiveValuesOrTypedFailures)
{
    std::mt19937 random(20261207);
    for (int i = 0; i < 20000; ++i) expectValueOrTypedFailure(randomText(random, 12));
}

TEST(HostileText, RandomBytesGiveValuesOrTypedFailures)
{
    std::mt19937 random(4250);
    for (int i = 0; i < 20000; ++i) expectValueOrTypedFailure(randomBytes(random, 16));
}

TEST(HostileText, LongTexts)
{
    const std::array<std::string, 6> longTexts = {
        std::string(1 << 20, '9'),
        std::string(1 << 20, ' '),
        "-" + std::string(1 << 20, '0') + "4250",
        "0." + std::string(1 << 20, '0') + "1",
        std::string(1 << 20, '\xff'),
        [] {
            std::string s;
            for (int i = 0; i < 100000; ++i) s += "４２\u3000";
            return s;
        }()};
    for (const std::string& text : longTexts) expectValueOrTypedFailure(text);
    EXPECT_EQ(geo::toDecimalDegrees("-" + std::string(1 << 20, '0') + "4250", EntryMode::Minutes),
              geo::toDecimalDegrees("-4250", EntryMode::Minutes));
}

TEST(HostileText, ControlCharactersAreNotBlanks)
{
    EXPECT_EQ(geo::readNumberPrefix(std::string("4\0" "2", 3)), 4);
    EXPECT_EQ(geo::readNumberPrefix("4\v2"), 4);
    EXPECT_EQ(geo::readNumberPrefix("4\f2"), 4);
}

}  // namespace
