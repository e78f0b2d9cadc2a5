// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/entry.h"

#include <charconv>
#include <cmath>
#include <string>
#include <variant>

#include "geo/characters.h"
#include "geo/units.h"
#include "nav/great_circle.h"

namespace nav {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Reads a text from left to right; a step that fails reads nothing.
class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) {}

    // A number of `fewest` to `most` ASCII digits.
    std::optional<int> digits(std::size_t fewest, std::size_t most)
    {
        std::size_t count = 0;
        int value = 0;
        while (count < most && count < rest().size() && isDigit(rest()[count])) {
            value = value * 10 + (rest()[count] - '0');
            ++count;
        }
        if (count < fewest)
            return std::nullopt;
        position_ += count;
        return value;
    }

    // The next character when it is one of `choices`.
    std::optional<char> oneOf(std::string_view choices)
    {
        if (rest().empty() || choices.find(rest().front()) == std::string_view::npos)
            return std::nullopt;
        return text_[position_++];
    }

    bool atEnd() const { return rest().empty(); }

private:
    std::string_view rest() const { return text_.substr(position_); }
    std::string_view text_;
    std::size_t position_ = 0;
};

constexpr std::size_t kYearDigits = 4;
constexpr int kLastHour = 23;
constexpr int kLastMinute = 59;

// Hours of one or two digits, ":", minutes of two.
struct HoursMinutes {
    int hours;
    int minutes;
};

std::optional<HoursMinutes> hoursAndMinutes(Scanner& scanner)
{
    const std::optional<int> hours = scanner.digits(1, 2);
    if (!hours || !scanner.oneOf(":"))
        return std::nullopt;
    const std::optional<int> minutes = scanner.digits(2, 2);
    if (!minutes || *minutes > kLastMinute)
        return std::nullopt;
    return HoursMinutes{*hours, *minutes};
}

// Digits with at most one point, and at least one digit.
bool isPlainDecimal(std::string_view text)
{
    int points = 0;
    int digits = 0;
    for (char c : text) {
        if (c == '.')
            ++points;
        else if (isDigit(c))
            ++digits;
        else
            return false;
    }
    return points <= 1 && digits > 0;
}

// The nearest double of a text isPlainDecimal accepts; nothing when it
// does not fit a double.
std::optional<double> plainDecimal(std::string_view text)
{
    if (!isPlainDecimal(text))
        return std::nullopt;
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

using geo::kFullCircle;

constexpr int kMinutesPerHour = 60;
constexpr char32_t kFirstFullWidth = U'\uFF01';  // ！, the full-width form of '!'
constexpr char32_t kLastFullWidth = U'\uFF5E';   // ～, of '~'
constexpr char32_t kFullWidthShift = kFirstFullWidth - U'!';
constexpr std::string_view kUtcWord = "UTC";

// The ASCII text of a zone as typed: geo's folding of digits, signs and the
// minus sign, then the rest of the full-width block (the colon, the letters
// of "UTC") to its ASCII forms. Empty when anything else remains: no
// character outside ASCII has a meaning in a zone.
std::optional<std::string> asciiZoneText(std::string_view text)
{
    std::string ascii;
    for (char32_t c : geo::decodeUtf8(text)) {
        c = geo::fold(c);
        if (c >= kFirstFullWidth && c <= kLastFullWidth)
            c -= kFullWidthShift;
        if (c >= 0x80)
            return std::nullopt;
        ascii += static_cast<char>(c);
    }
    return ascii;
}

bool startsWithUtc(std::string_view text)
{
    if (text.size() < kUtcWord.size())
        return false;
    for (std::size_t i = 0; i < kUtcWord.size(); ++i) {
        const char c = text[i];
        const char upper = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
        if (upper != kUtcWord[i])
            return false;
    }
    return true;
}

// The offset of a zone text in minutes, unchecked against the zones.
std::variant<int, ZoneRefusal> zoneMinutes(std::string_view text)
{
    const std::optional<std::string> ascii = asciiZoneText(text);
    if (!ascii)
        return ZoneRefusal::NotAZone;
    std::string_view rest = *ascii;
    const bool utc = startsWithUtc(rest);
    if (utc) {
        rest.remove_prefix(kUtcWord.size());
        if (rest.empty())
            return 0;
    }
    Scanner scanner(rest);
    const std::optional<char> sign = scanner.oneOf("+-");
    const std::optional<int> hours = scanner.digits(1, 2);
    if (!hours)
        return ZoneRefusal::NotAZone;
    int minutes = 0;
    if (scanner.oneOf(":")) {
        const std::optional<int> read = scanner.digits(2, 2);
        if (!read || *read >= kMinutesPerHour)
            return ZoneRefusal::NotAZone;
        minutes = *read;
    }
    if (!scanner.atEnd())
        return ZoneRefusal::NotAZone;
    const int offset = *hours * kMinutesPerHour + minutes;
    if (!sign && offset != 0)
        return ZoneRefusal::NoSign;
    return sign == '-' ? -offset : offset;
}

std::variant<TimeZone, ZoneRefusal> zoneOf(std::string_view text)
{
    const std::variant<int, ZoneRefusal> read = zoneMinutes(text);
    if (const ZoneRefusal* refusal = std::get_if<ZoneRefusal>(&read))
        return *refusal;
    const int minutes = std::get<int>(read);
    if (minutes < kWestmostZoneMinutes || minutes > kEastmostZoneMinutes)
        return ZoneRefusal::OutOfRange;
    const std::optional<TimeZone> zone = TimeZone::fromMinutes(minutes);
    if (!zone)
        return ZoneRefusal::NotQuarterHour;
    return *zone;
}

}  // namespace

std::optional<ClockTime> readClockTime(std::string_view text)
{
    Scanner scanner(text);
    const std::optional<int> year = scanner.digits(kYearDigits, kYearDigits);
    const std::optional<char> separator = scanner.oneOf("-/");
    if (!year || !separator)
        return std::nullopt;
    const std::optional<int> month = scanner.digits(1, 2);
    if (!month || !scanner.oneOf(std::string_view(&*separator, 1)))
        return std::nullopt;
    const std::optional<int> day = scanner.digits(1, 2);
    if (!day || !scanner.oneOf(" T"))
        return std::nullopt;
    const std::optional<HoursMinutes> clock = hoursAndMinutes(scanner);
    if (!clock || !scanner.atEnd() || clock->hours > kLastHour)
        return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year{*year},
                                           std::chrono::month{static_cast<unsigned>(*month)},
                                           std::chrono::day{static_cast<unsigned>(*day)}};
    if (!date.ok())
        return std::nullopt;
    return std::chrono::local_days{date} + std::chrono::hours{clock->hours} +
           std::chrono::minutes{clock->minutes};
}

std::optional<int> readWatchTime(std::string_view text)
{
    Scanner scanner(text);
    const std::optional<HoursMinutes> clock = hoursAndMinutes(scanner);
    if (!clock || !scanner.atEnd() || clock->hours > kLastHour)
        return std::nullopt;
    return clock->hours * kMinutesPerHour + clock->minutes;
}

std::optional<double> readSignedDecimal(std::string_view text)
{
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (negative || text.front() == '+'))
        text.remove_prefix(1);
    const std::optional<double> value = plainDecimal(text);
    if (!value)
        return std::nullopt;
    return negative ? -*value : *value;
}

std::optional<double> readSpeed(std::string_view text)
{
    const std::optional<double> knots = plainDecimal(text);
    if (!knots || !(*knots > 0))
        return std::nullopt;
    return knots;
}

std::optional<double> readCourse(std::string_view text)
{
    const std::optional<double> degrees = plainDecimal(text);
    if (!degrees || *degrees > kFullCircle)
        return std::nullopt;
    return degrees;
}

std::optional<double> readDistance(std::string_view text)
{
    return plainDecimal(text);
}

std::optional<double> readMeridianInterval(std::string_view text)
{
    const std::optional<double> degrees = plainDecimal(text);
    if (!degrees || *degrees < kSmallestMeridianInterval)
        return std::nullopt;
    return degrees;
}

std::optional<TimeZone> readTimeZone(std::string_view text)
{
    const std::variant<TimeZone, ZoneRefusal> read = zoneOf(text);
    if (const TimeZone* zone = std::get_if<TimeZone>(&read))
        return *zone;
    return std::nullopt;
}

std::optional<ZoneRefusal> zoneRefusal(std::string_view text)
{
    const std::variant<TimeZone, ZoneRefusal> read = zoneOf(text);
    if (const ZoneRefusal* refusal = std::get_if<ZoneRefusal>(&read))
        return *refusal;
    return std::nullopt;
}

std::optional<ZonedTime> readZonedTime(std::string_view text)
{
    const std::size_t blank = text.rfind(' ');
    if (blank == std::string_view::npos)
        return std::nullopt;
    const std::optional<ClockTime> clock = readClockTime(text.substr(0, blank));
    const std::optional<TimeZone> zone = readTimeZone(text.substr(blank + 1));
    if (!clock || !zone)
        return std::nullopt;
    return ZonedTime{*clock, *zone};
}

}  // namespace nav
