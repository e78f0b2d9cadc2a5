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
#include "geo/coordinate_text.h"
#include "geo/display.h"
#include "geo/number_reading.h"
#include "geo/position_text.h"

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

// Pieces of the notations the whole-text readers take apart, mixed with the
// number readers' pieces and noise.
const std::vector<std::string>& notationPieces()
{
    static const std::vector<std::string> all = [] {
        std::vector<std::string> pieces = {
            "°", "′", "″", "'", "''", "度", "分", "秒", "N", "S", "s", "W", "北纬", "东经", ":",
            "-", ",", ";", "/", "、", "·", "deg", "Lat", " ", "  ", "\u3000", "30", "10.2",
            "00", "122", "\x00", "\xff"};
        pieces.insert(pieces.end(), ::pieces().begin(), ::pieces().end());
        return pieces;
    }();
    return all;
}

// Every reader of whole texts gives a finite value or a CoordinateError.
void expectValueOrRefusal(const std::string& text)
{
    const auto finiteOrRefused = [&](auto read) {
        try {
            EXPECT_TRUE(std::isfinite(read())) << testing::PrintToString(text);
        } catch (const geo::CoordinateError&) {
        }
    };
    for (const geo::Axis axis : {geo::Axis::Latitude, geo::Axis::Longitude}) {
        for (const EntryMode mode : {EntryMode::Minutes, EntryMode::Seconds})
            finiteOrRefused([&] { return geo::readCoordinate(text, mode, axis); });
        for (const geo::NumberForm form :
             {geo::NumberForm::Minutes, geo::NumberForm::Seconds, geo::NumberForm::Degrees})
            finiteOrRefused([&] { return geo::readRouteCoordinate(text, form, axis); });
    }
    finiteOrRefused([&] {
        const geo::GeoPoint p = geo::readPosition(text, geo::NumberForm::Degrees).position;
        return p.latitude + p.longitude;
    });
    geo::splitPosition(text);
}

TEST(HostileText, RandomNotationPiecesGiveValuesOrRefusals)
{
    std::mt19937 random(20);
    std::uniform_int_distribution<std::size_t> count(0, 14);
    std::uniform_int_distribution<std::size_t> pick(0, notationPieces().size() - 1);
    for (int i = 0; i < 5000; ++i) {
        std::string text;
        for (std::size_t n = count(random); n > 0; --n) {
            const std::string& piece = notationPieces()[pick(random)];
            text += piece.empty() ? std::string(1, '\0') : piece;
        }
        expectValueOrRefusal(text);
    }
}

// A mebibyte in a route cell or a position: read or refused at once, blanks
// being no reason to refuse.
TEST(HostileText, LongTextsThroughTheTextReaders)
{
    const std::string blanks(1 << 20, ' ');
    EXPECT_EQ(geo::readRouteCoordinate(blanks + "4250" + blanks, geo::NumberForm::Minutes,
                                       geo::Axis::Latitude),
              geo::toDecimalDegrees("4250", EntryMode::Minutes));
    std::string pairs;
    for (int i = 0; i < (1 << 18); ++i) pairs += "N 1 E ";
    EXPECT_THROW(geo::readPosition(pairs, EntryMode::Minutes), geo::CoordinateError);
    EXPECT_THROW(geo::readCoordinate(pairs, EntryMode::Minutes, geo::Axis::Latitude),
                 geo::CoordinateError);
    EXPECT_THROW(geo::readRouteCoordinate(std::string(1 << 20, '9'), geo::NumberForm::Degrees,
                                          geo::Axis::Longitude),
                 geo::CoordinateError);
}

TEST(HostileText, ControlCharactersAreNotBlanks)
{
    EXPECT_EQ(geo::readNumberPrefix(std::string("4\0" "2", 3)), 4);
    EXPECT_EQ(geo::readNumberPrefix("4\v2"), 4);
    EXPECT_EQ(geo::readNumberPrefix("4\f2"), 4);
}

}  // namespace
