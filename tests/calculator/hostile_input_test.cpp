// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile texts through the window: malformed, strange and huge texts in every
// entry field, in both entry forms, with both commands. Whatever is typed or
// pasted, a click either writes numbers into the command's output fields, or
// shows exactly one Chinese message, puts the focus on the text it could not
// read and leaves every output field as it was.
#include "window_driver.h"

#include <QElapsedTimer>
#include <QInputMethodEvent>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <QTextLayout>
#include <QTimer>

#include <algorithm>
#include <iterator>
#include <memory>
#include <optional>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// What converting one text gives in one entry form.
enum class Result {
    Converts,    // some number of degrees
    Unreadable,  // the minutes or seconds digits are no number: "无法识别"
    TooLarge,    // the degrees do not fit 16 bits: "超出范围"
};
constexpr Result ok = Result::Converts;
constexpr Result unreadable = Result::Unreadable;
constexpr Result tooLarge = Result::TooLarge;

// How long a window may take to become active, in milliseconds. Under Wine
// on a loaded machine, a window shown after one that held a mebibyte of text
// has been seen to take longer than QTest's five seconds; the test is about
// the texts, not about how fast a window manager is.
constexpr int activationTimeout = 30000;

// How the text gets into the field.
enum class Entry {
    Paste,        // setText, as a paste does
    Keys,         // one key press per character
    InputMethod,  // committed by an input method, as Chinese input arrives
};

struct Sample {
    QString name;
    QString text;
    Result minutes;  // in a latitude field, and in a longitude field unless
    Result seconds;  // `longitude` says otherwise
    Entry entry = Entry::Paste;
    // Minutes and seconds form in a longitude field, where a hemisphere
    // letter makes the difference.
    std::optional<std::pair<Result, Result>> longitude = std::nullopt;
};

struct EntryField {
    QString name;
    QString label;  // how messages name it
    int point;      // 1, 2, or 3 for the reference point
    bool latitude;
};

const EntryField entryFields[] = {
    {u"Text1"_s, u"点Ⅰ纬度"_s, 1, true},   {u"Text2"_s, u"点Ⅰ经度"_s, 1, false},
    {u"Text3"_s, u"点Ⅱ纬度"_s, 2, true},   {u"Text4"_s, u"点Ⅱ经度"_s, 2, false},
    {u"Text5"_s, u"参考点纬度"_s, 3, true}, {u"Text6"_s, u"参考点经度"_s, 3, false},
};

Result resultIn(const Sample& sample, const EntryField& field, bool minutes)
{
    if (!field.latitude && sample.longitude)
        return minutes ? sample.longitude->first : sample.longitude->second;
    return minutes ? sample.minutes : sample.seconds;
}

const QString distanceCommand = u"Command3"_s;
const QString angleCommand = u"Command4"_s;

// Valid in both forms: 30 degrees, or 30 minutes.
const QString validText = u"3000"_s;

const QStringList outputFields = {u"Text7"_s, u"Text8"_s, u"Text9"_s};
// Texts that no command writes, so that a write shows.
const QStringList earlierOutputs = {u"旧公里"_s, u"旧海里"_s, u"旧角度"_s};

// What a command writes into an output field.
const QRegularExpression displayedNumber(
    QRegularExpression::anchoredPattern(u"-?[0-9]*\\.[0-9]{0,3}"_s));

// A message quoting a huge paste in full cannot be shown or read.
constexpr qsizetype maxMessageLength = 200;

// One mebibyte of text, in the UTF-8 form a clipboard hands over.
constexpr qsizetype pasteBytes = 1 << 20;

QString lone(char16_t unit) { return QString(QChar(unit)); }

QString repeated(const QString& unit, int times)
{
    QString text;
    for (int i = 0; i < times; ++i)
        text += unit;
    return text;
}

// Cycles through `units` until the UTF-8 form of the text reaches one
// mebibyte; a unit is a code point or a surrogate pair.
QString paste(const QString& units)
{
    QStringList pieces;
    for (qsizetype i = 0; i < units.size(); ++i) {
        const qsizetype length = units[i].isHighSurrogate() && i + 1 < units.size()
                                         && units[i + 1].isLowSurrogate()
                                     ? 2
                                     : 1;
        pieces << units.mid(i, length);
        i += length - 1;
    }
    QList<qsizetype> bytes;
    for (const QString& piece : pieces)
        bytes << piece.toUtf8().size();
    QString text;
    qsizetype size = 0;
    for (qsizetype i = 0; size < pasteBytes; i = (i + 1) % pieces.size()) {
        text += pieces[i];
        size += bytes[i];
    }
    return text;
}

// Hand-picked texts and what they give in the minutes and the seconds form.
QList<Sample> handPicked()
{
    const QChar nul(u'\0');
    return {
        // Lone signs and points.
        {u"lone minus"_s, u"-"_s, unreadable, unreadable, Entry::Keys},
        {u"lone plus"_s, u"+"_s, unreadable, unreadable, Entry::Keys},
        {u"lone point"_s, u"."_s, unreadable, unreadable, Entry::Keys},
        {u"full-width minus alone"_s, u"－"_s, unreadable, unreadable, Entry::InputMethod},
        {u"minus sign alone"_s, u"−"_s, unreadable, unreadable},
        {u"full-width point alone"_s, u"．"_s, unreadable, unreadable, Entry::InputMethod},
        {u"sign and point"_s, u"-."_s, unreadable, unreadable},
        {u"plus minus"_s, u"+-"_s, unreadable, unreadable},
        {u"two minus signs"_s, u"--4250"_s, unreadable, unreadable, Entry::Keys},
        {u"minus point five"_s, u"-.5"_s, ok, unreadable},
        {u"two points"_s, u".."_s, unreadable, unreadable},
        {u"lone E"_s, u"E"_s, unreadable, unreadable},
        {u"lone D"_s, u"D"_s, unreadable, unreadable},
        {u"sign then blank"_s, u"- "_s, unreadable, unreadable, Entry::Keys},
        {u"full-width signs before digits"_s, u"－－４２５０"_s, unreadable, unreadable},
        {u"sign at the end"_s, u"4250+"_s, unreadable, unreadable, Entry::Keys},
        {u"full-width minus at the end"_s, u"4250－"_s, unreadable, unreadable},
        {u"minus inside"_s, u"42-50"_s, unreadable, unreadable, Entry::Keys},

        // Exponents: a letter is never one, whatever the number would be.
        {u"1E999"_s, u"1E999"_s, unreadable, unreadable, Entry::Keys},
        {u"1e999"_s, u"1e999"_s, unreadable, unreadable},
        {u"-1E999"_s, u"-1E999"_s, unreadable, unreadable},
        {u"D is a degree sign, then sixty or more minutes"_s, u"1D99999"_s, unreadable,
         unreadable, Entry::Keys},
        {u"1e-999"_s, u"1e-999"_s, unreadable, unreadable, Entry::Keys},
        {u"9E9"_s, u"9E9"_s, unreadable, unreadable},
        {u"1E4"_s, u"1E4"_s, unreadable, unreadable},
        {u"3.28E4 is 32800"_s, u"3.28E4"_s, unreadable, unreadable},
        {u"3.2799E4 is 32799"_s, u"3.2799E4"_s, unreadable, unreadable},
        {u"zero exponent"_s, u"4250E0"_s, unreadable, unreadable},
        {u"exponent beyond 64 bits"_s, u"1E+99999999999999999999"_s, unreadable, unreadable},
        {u"negative exponent beyond 64 bits"_s, u"1E-99999999999999999999999"_s, unreadable,
         unreadable},
        {u"zero to a huge power"_s, u"0E99999"_s, unreadable, unreadable},
        // In a longitude, 1°E or 0°01′E (0°00′01″E): refused as ambiguous.
        {u"exponent letter alone is East"_s, u"1E"_s, unreadable, unreadable, Entry::Paste,
         {{unreadable, unreadable}}},
        {u"exponent letter at the end is East"_s, u"421125e"_s, unreadable, unreadable,
         Entry::Paste, {{tooLarge, ok}}},
        {u"D is a degree sign after a fraction"_s, u"4.2D3"_s, unreadable, unreadable},
        {u"full-width E is no exponent"_s, u"１Ｅ９９９"_s, unreadable, unreadable},
        {u"exponent after three hundred blanks"_s, u"1"_s + repeated(u" "_s, 300) + u"E999"_s,
         unreadable, unreadable},
        {u"10 to the 308"_s, u"1"_s + repeated(u"0"_s, 308), tooLarge, tooLarge},
        {u"10 to the 309"_s, u"1"_s + repeated(u"0"_s, 309), tooLarge, tooLarge},

        // Degrees at the 16-bit limits.
        {u"32799"_s, u"32799"_s, ok, ok, Entry::Keys},
        {u"32800"_s, u"32800"_s, tooLarge, ok, Entry::Keys},
        {u"-32799"_s, u"-32799"_s, ok, ok},
        {u"-32800"_s, u"-32800"_s, tooLarge, ok},
        {u"32767.99"_s, u"32767.99"_s, ok, unreadable},
        {u"327679999"_s, u"327679999"_s, tooLarge, ok},
        {u"327680000"_s, u"327680000"_s, tooLarge, tooLarge, Entry::Keys},
        {u"-327679999"_s, u"-327679999"_s, tooLarge, ok},
        {u"-327680000"_s, u"-327680000"_s, tooLarge, tooLarge},
        {u"twenty nines"_s, repeated(u"9"_s, 20), tooLarge, tooLarge},
        {u"four hundred nines"_s, repeated(u"9"_s, 400), tooLarge, tooLarge},
        {u"minus thirty nines"_s, u"-"_s + repeated(u"9"_s, 30), tooLarge, tooLarge},
        {u"point and four hundred nines"_s, u"0."_s + repeated(u"9"_s, 400), ok, unreadable},
        {u"three hundred zeros first"_s, repeated(u"0"_s, 300) + u"4250"_s, ok, ok},

        // Full-width and other digits.
        {u"full-width minutes form"_s, u"４２５０．０"_s, ok, unreadable, Entry::InputMethod},
        {u"full-width negative seconds form"_s, u"－４２１１２５"_s, tooLarge, ok,
         Entry::InputMethod},
        {u"full-width seconds form"_s, u"４２１１２５"_s, tooLarge, ok, Entry::InputMethod},
        {u"full-width plus"_s, u"＋４２５０"_s, ok, ok, Entry::InputMethod},
        {u"full-width 32800"_s, u"３２８００"_s, tooLarge, ok, Entry::InputMethod},
        {u"one full-width zero"_s, u"3280０"_s, tooLarge, ok},
        {u"full-width digits with ideographic space"_s, u"４２　５０"_s, ok, ok,
         Entry::InputMethod},
        {u"full-width digits with comma"_s, u"４２５０,０"_s, unreadable, unreadable},
        {u"full-width comma"_s, u"４２５０，０"_s, unreadable, unreadable, Entry::InputMethod},
        {u"ideographic full stop"_s, u"４２５０。０"_s, unreadable, unreadable, Entry::InputMethod},
        {u"minus sign U+2212"_s, u"−4250"_s, ok, ok},
        {u"Arabic-Indic digits"_s, u"٤٢٥٠"_s, unreadable, unreadable},
        {u"Persian digits"_s, u"۴۲۱۱۲۵"_s, unreadable, unreadable},
        {u"Hangul"_s, u"사이오공"_s, unreadable, unreadable},
        {u"circled digits"_s, u"①②③④"_s, unreadable, unreadable},
        {u"mathematical bold digits"_s, u"𝟒𝟐𝟓𝟎"_s, unreadable, unreadable},
        {u"superscript digits"_s, u"²⁵"_s, unreadable, unreadable},
        {u"roman numerals"_s, u"ⅩⅡ"_s, unreadable, unreadable},
        {u"keycap digits"_s, u"4️⃣2️⃣"_s, unreadable, unreadable},

        // Blanks.
        {u"one blank"_s, u" "_s, unreadable, unreadable, Entry::Keys},
        {u"three blanks"_s, u"   "_s, unreadable, unreadable, Entry::Keys},
        {u"tab"_s, u"\t"_s, unreadable, unreadable},
        {u"ideographic space"_s, u"　"_s, unreadable, unreadable, Entry::InputMethod},
        {u"three ideographic spaces"_s, u"　　　"_s, unreadable, unreadable},
        {u"mixed blanks"_s, u" \t　\n"_s, unreadable, unreadable},
        {u"no-break space"_s, u"\u00A0"_s, unreadable, unreadable},
        {u"no-break space first"_s, u"\u00A04250"_s, ok, ok},
        {u"no-break space last"_s, u"4250\u00A0"_s, ok, ok},
        {u"blanks around and inside"_s, u" 42 50 "_s, ok, ok, Entry::Keys},
        {u"blanks between seconds digits"_s, u"4 2 1 1 2 5"_s, tooLarge, ok, Entry::Keys},
        {u"ideographic spaces between digits"_s, u"4　2　5　0"_s, ok, ok},
        {u"em space"_s, u"\u2003"_s, unreadable, unreadable},
        {u"zero-width space"_s, u"\u200B"_s, unreadable, unreadable},
        {u"zero-width space inside"_s, u"42\u200B50"_s, ok, ok},
        {u"trailing tab"_s, u"4250\t"_s, ok, ok},
        {u"three hundred trailing blanks"_s, u"4250"_s + repeated(u" "_s, 300), ok, ok},

        // Control characters.
        {u"NUL"_s, QString(nul), unreadable, unreadable},
        {u"NUL inside"_s, u"42"_s + nul + u"50"_s, unreadable, unreadable},
        {u"three NULs"_s, QString(3, nul), unreadable, unreadable},
        {u"carriage return and line feed"_s, u"\r\n"_s, unreadable, unreadable},
        {u"trailing carriage return"_s, u"4250\r"_s, ok, ok},
        {u"trailing line feed"_s, u"4250\n"_s, ok, ok},
        {u"DEL"_s, u"\x7f"_s, unreadable, unreadable},
        {u"trailing DEL"_s, u"4250\x7f"_s, unreadable, unreadable},
        {u"C1 next line"_s, u"\u0085"_s, unreadable, unreadable},
        {u"C1 control sequence introducer first"_s, u"\u009B4250"_s, unreadable, unreadable},
        {u"ANSI colour escape first"_s, u"\x1b[31m4250"_s, unreadable, unreadable},
        {u"backspaces"_s, u"\b\b\b"_s, unreadable, unreadable},
        {u"form feed first"_s, u"\f4250"_s, unreadable, unreadable},
        {u"vertical tab"_s, u"\v"_s, unreadable, unreadable},
        {u"line separator"_s, u"\u2028"_s, unreadable, unreadable},

        // Marks, scripts and emoji.
        {u"combining acute inside"_s, u"4\u0301250"_s, unreadable, unreadable},
        {u"combining acute last"_s, u"4250\u0301"_s, unreadable, unreadable},
        {u"combining acute alone"_s, u"\u0301"_s, unreadable, unreadable},
        {u"left-to-right mark first"_s, u"\u200E4250"_s, unreadable, unreadable},
        {u"right-to-left mark last"_s, u"4250\u200F"_s, unreadable, unreadable},
        {u"right-to-left override first"_s, u"\u202E4250"_s, unreadable, unreadable},
        {u"right-to-left override, bad seconds"_s, u"\u202E42112a"_s, unreadable, unreadable},
        {u"right-to-left override last"_s, u"42112\u202E"_s, unreadable, unreadable},
        {u"right-to-left isolate"_s, u"\u2067ab"_s, unreadable, unreadable},
        {u"isolate closed, then override"_s, u"\u2069\u202Eab"_s, unreadable, unreadable},
        {u"three embeddings"_s, u"\u202B\u202B\u202B"_s, unreadable, unreadable},
        {u"Hebrew"_s, u"שלום"_s, unreadable, unreadable},
        {u"Arabic with digits"_s, u"شمال 4250"_s, unreadable, unreadable},
        {u"CJK"_s, u"经纬度"_s, unreadable, unreadable, Entry::InputMethod},
        {u"CJK numerals"_s, u"四十二度五十分"_s, unreadable, unreadable, Entry::InputMethod},
        {u"minutes sign"_s, u"4250分"_s, unreadable, unreadable, Entry::InputMethod},
        {u"degree and minute signs"_s, u"42°50′"_s, ok, ok, Entry::InputMethod},
        {u"degree, minute and second signs"_s, u"42°11′25″"_s, ok, ok},
        {u"north in degree notation"_s, u"N42°50.0′"_s, ok, ok, Entry::Paste,
         {{unreadable, unreadable}}},
        {u"emoji"_s, u"👍"_s, unreadable, unreadable, Entry::InputMethod},
        {u"family emoji with joiners"_s, u"👨‍👩‍👧‍👦"_s, unreadable, unreadable, Entry::InputMethod},
        {u"emoji after a position"_s, u"4250👍"_s, unreadable, unreadable},
        {u"flag"_s, u"🇨🇳"_s, unreadable, unreadable},
        {u"byte order mark first"_s, u"\uFEFF4250"_s, ok, ok},
        {u"byte order mark last"_s, u"4250\uFEFF"_s, ok, ok},
        {u"non-character FFFE"_s, u"\uFFFE"_s, unreadable, unreadable},
        {u"non-character FFFF"_s, u"\uFFFF"_s, unreadable, unreadable},
        {u"non-character FDD0"_s, u"\uFDD0"_s, unreadable, unreadable},
        {u"last code point"_s, u"\U0010FFFF"_s, unreadable, unreadable},
        {u"replacement character"_s, u"\uFFFD"_s, unreadable, unreadable},
        {u"private use"_s, u"\uE000"_s, unreadable, unreadable},
        {u"full-width letter E"_s, u"Ｅ"_s, unreadable, unreadable},
        {u"lone high surrogate"_s, lone(0xD800), unreadable, unreadable},
        {u"lone low surrogate"_s, lone(0xDC00), unreadable, unreadable},
        {u"surrogates in reverse order"_s, lone(0xDC00) + lone(0xD800), unreadable, unreadable},
        {u"lone surrogate after a position"_s, u"4250"_s + lone(0xDBFF), unreadable, unreadable},
        {u"lone surrogate before a position"_s, lone(0xDFFF) + u"4250"_s, unreadable, unreadable},

        // Separators, prefixes, words and markup.
        {u"hexadecimal"_s, u"0x10"_s, unreadable, unreadable, Entry::Keys},
        {u"thousands separator"_s, u"4,250.0"_s, unreadable, unreadable, Entry::Keys},
        {u"decimal comma"_s, u"4250,0"_s, unreadable, unreadable, Entry::Keys},
        {u"currency sign"_s, u"$4250"_s, unreadable, unreadable, Entry::Keys},
        {u"two decimal points"_s, u"42.50.00"_s, unreadable, unreadable, Entry::Keys},
        {u"dotted quad"_s, u"1.2.3.4"_s, unreadable, unreadable},
        {u"fraction"_s, u"1/2"_s, unreadable, unreadable},
        {u"percent"_s, u"4250%"_s, unreadable, unreadable},
        {u"plus sign first"_s, u"+4250"_s, ok, ok},
        {u"minus and blank"_s, u"- 4250"_s, ok, ok, Entry::Keys},
        {u"inf"_s, u"inf"_s, unreadable, unreadable, Entry::Keys},
        {u"NaN"_s, u"NaN"_s, unreadable, unreadable},
        {u"Infinity"_s, u"Infinity"_s, unreadable, unreadable},
        {u"markup"_s, u"<b>42112a"_s, unreadable, unreadable, Entry::Keys},
        {u"entity"_s, u"&lt;42112a"_s, unreadable, unreadable},
        {u"image tag"_s, u"<img src=\"x\">4211a"_s, unreadable, unreadable},
        {u"quotation marks"_s, u"“42112a”"_s, unreadable, unreadable},
        {u"format specifiers"_s, u"%1%2%s%n"_s, unreadable, unreadable},
        {u"the reference example"_s, u"42112a"_s, unreadable, unreadable, Entry::Keys},
        {u"letter among the minutes"_s, u"42x125"_s, unreadable, unreadable, Entry::Keys},
    };
}

// Code points that are no digit for the readers: everything but 0-9 and the
// full-width digits, lone surrogates included.
QString noDigits(QRandomGenerator& random, int length)
{
    static const char32_t ranges[][2] = {
        {U'a', U'z'},       {U'A', U'Z'},       {U'+', U'.'},       {U' ', U'*'},
        {0x00, 0x1F},       {0x7F, 0x9F},       {0xA0, 0xFF},       {0x300, 0x36F},
        {0x590, 0x5FF},     {0x600, 0x6FF},     {0x200B, 0x200F},   {0x2028, 0x202E},
        {0x2060, 0x206F},   {0x2212, 0x2212},   {0x3000, 0x3002},   {0x4E00, 0x9FFF},
        {0xD800, 0xDFFF},   {0xE000, 0xE0FF},   {0xFDD0, 0xFDEF},   {0xFE00, 0xFE0F},
        {0xFEFF, 0xFEFF},   {0xFF01, 0xFF0F},   {0xFF20, 0xFF5E},   {0xFFF9, 0xFFFF},
        {0x1D7CE, 0x1D7FF}, {0x1F1E6, 0x1F1FF}, {0x1F300, 0x1F64F}, {0xE0000, 0xE007F},
        {0x10FFFE, 0x10FFFF},
    };
    QString text;
    for (int i = 0; i < length; ++i) {
        const auto& range = ranges[random.bounded(int(std::size(ranges)))];
        const char32_t c = range[0] + random.bounded(range[1] - range[0] + 1);
        if (QChar::requiresSurrogates(c))
            text += QString::fromUcs4(&c, 1);
        else
            text += QChar(char16_t(c));
    }
    return text;
}

// Characters of noDigits() that take part in no notation: no blank or
// ignored character, sign or dash, point, comma, semicolon, colon or slash,
// hemisphere letter or word, degree letter, or mark.
QString junk(QRandomGenerator& random, int length)
{
    static const QString notation = u" \t\n\r\u3000\u00A0\u1680\u202F\u205F\u200B\u2060\uFEFF\u00AD"
                                    u"\u2000\u2001\u2002\u2003\u2004\u2005\u2006\u2007\u2008\u2009\u200A"
                                    u"+-.,;:/\u2013\u2012\u2212\u3002"
                                    u"NSEWnsewDd°º˚⁰ᵒ∘度′'’‘´`分″\"”“˝秒北南东西纬经"_s;
    // Full-width forms count as their ASCII characters.
    const auto inNotation = [](const QString& c) {
        const char32_t code = c.toUcs4().value(0);
        const QString ascii = code >= 0xFF01 && code <= 0xFF5E
            ? QString(QChar(char16_t(code - 0xFF01 + u'!')))
            : c;
        return notation.contains(ascii);
    };
    QString text;
    while (text.size() < length) {
        const QString c = noDigits(random, 1);
        if (!inNotation(c))
            text += c;
    }
    return text;
}

// Digits written as ASCII or full-width, at random.
QString writeDigits(QRandomGenerator& random, const QString& digits)
{
    QString text;
    for (QChar digit : digits)
        text += random.bounded(3) == 0 ? QChar(char16_t(0xFF10 + digit.digitValue())) : digit;
    return text;
}

// Whether a string of digits is at least `limit` (also a string of digits).
bool atLeast(const QString& digits, const QString& limit)
{
    QString value = digits;
    value.remove(QRegularExpression(u"^0+"_s));
    if (value.size() != limit.size())
        return value.size() > limit.size();
    return value >= limit;
}

// Generated texts whose results follow from how they are made.
QList<Sample> generated()
{
    QList<Sample> samples;
    QRandomGenerator random(20240611);

    // No digit anywhere: every notation needs one.
    for (int i = 0; i < 30; ++i) {
        samples.append({u"no digits %1"_s.arg(i, 2, 10, QChar(u'0')),
                        noDigits(random, 1 + random.bounded(12)), unreadable, unreadable});
    }

    // Whole numbers, near the limits or of any length, with any sign. The
    // minutes form takes less than 32800 (328 degrees would not fit 100 times
    // in 16 bits), the seconds form less than 327680000 (32768 degrees).
    const QStringList signs = {u""_s, u"-"_s, u"－"_s, u"−"_s, u"+"_s, u"＋"_s};
    for (int i = 0; i < 30; ++i) {
        QString digits;
        switch (i % 3) {
        case 0: digits = QString::number(32000 + random.bounded(1600)); break;
        case 1: digits = QString::number(327670000 + random.bounded(20000)); break;
        default:
            for (int n = 1 + random.bounded(22); n > 0; --n)
                digits += QChar(u'0' + random.bounded(10));
        }
        const QString text = signs[random.bounded(int(signs.size()))] + writeDigits(random, digits);
        samples.append({u"whole number %1"_s.arg(i, 2, 10, QChar(u'0')), text,
                        atLeast(digits, u"32800"_s) ? tooLarge : ok,
                        atLeast(digits, u"327680000"_s) ? tooLarge : ok});
    }

    // A valid minutes-form position followed by characters that take part in
    // no notation: the position is not read without them.
    for (int i = 0; i < 25; ++i) {
        QString position = QString::number(random.bounded(91) * 100 + random.bounded(60));
        if (random.bounded(2) == 0)
            position += u"."_s + QString::number(random.bounded(100));
        const QString text = signs[random.bounded(int(signs.size()))]
            + writeDigits(random, position) + junk(random, 1 + random.bounded(5));
        samples.append({u"position with a tail %1"_s.arg(i, 2, 10, QChar(u'0')), text,
                        unreadable, unreadable});
    }
    return samples;
}

QList<Sample> shortSamples() { return handPicked() + generated(); }

// Pastes of one mebibyte each. Each costs seconds: Qt lays out the whole line
// again whenever its selection or focus changes.
QList<Sample> largeSamples()
{
    const QString position = u"4250.0"_s;
    QString zeros = paste(u"0"_s);
    zeros.chop(position.size());
    QString highSurrogates;
    for (char16_t unit = 0xD800; unit <= 0xDBFF; ++unit)
        highSurrogates += QChar(unit);
    return {
        {u"digits"_s, paste(u"1234567890"_s), tooLarge, tooLarge},
        {u"zeros, then a position"_s, zeros + position, ok, unreadable},
        {u"blanks, ideographic spaces and tabs"_s, paste(u" \t　"_s), unreadable, unreadable},
        {u"full-width digits"_s, paste(u"４２５０"_s), tooLarge, tooLarge},
        {u"emoji"_s, paste(u"😀"_s), unreadable, unreadable},
        {u"lone high surrogates"_s, paste(highSurrogates), unreadable, unreadable},
    };
}

void addSampleColumns()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Result>("minutes");
    QTest::addColumn<Result>("seconds");
    QTest::addColumn<Result>("longitudeMinutes");
    QTest::addColumn<Result>("longitudeSeconds");
    QTest::addColumn<Entry>("entry");
}

QTestData& addSampleRow(const Sample& sample)
{
    const EntryField& longitudeField = entryFields[1];
    return QTest::newRow(qPrintable(sample.name))
        << sample.text << sample.minutes << sample.seconds
        << resultIn(sample, longitudeField, true) << resultIn(sample, longitudeField, false)
        << sample.entry;
}

void addSampleRows(const QList<Sample>& samples)
{
    QSet<QString> names;
    for (const Sample& sample : samples) {
        QVERIFY2(!names.contains(sample.name), qPrintable(sample.name));
        names.insert(sample.name);
        addSampleRow(sample);
    }
}

void enterText(WindowDriver& driver, const QString& field, const QString& text, Entry entry)
{
    QLineEdit* edit = driver.field(field);
    switch (entry) {
    case Entry::Paste:
        edit->setText(text);
        break;
    case Entry::Keys:
        driver.type(field, text);
        break;
    case Entry::InputMethod: {
        driver.type(field, QString());
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(edit, &commit);
        break;
    }
    }
}

void selectForm(WindowDriver& driver, int point, bool minutes)
{
    const int option = minutes ? 2 * point - 1 : 2 * point;
    if (!driver.control<QRadioButton>(u"Option%1"_s.arg(option))->isChecked())
        driver.selectMinutes(point, minutes);
}

bool reads(const QString& command, const EntryField& field)
{
    return command == angleCommand || field.point < 3;
}

// For messages in test output: long texts are shortened.
QString excerpt(const QString& text)
{
    QString shown = text.size() <= 80 ? text : text.left(40) + u" … "_s + text.right(20);
    for (QChar& c : shown) {
        if (c.category() == QChar::Other_Control)
            c = u'?';
    }
    return shown;
}

// Whether the message's own words - the field's name, the verdict after the
// quoted text and the explanation after the last quotation - are laid out
// left to right and in that order, as a line of the left-to-right window,
// whatever the quoted text holds.
bool wordsInReadingOrder(const QString& message, const QString& label, const QString& verdict)
{
    QString oneLine = message;
    for (QChar& c : oneLine) {
        if (c == u'\n' || c == u'\r' || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator)
            c = u' ';
    }
    QList<qsizetype> words;
    for (qsizetype i = 0; i < label.size(); ++i)
        words << i;
    const qsizetype verdictAt = message.indexOf(verdict);
    for (qsizetype i = verdictAt + 1; i < verdictAt + verdict.size(); ++i)
        words << i;
    for (qsizetype i = std::max(message.lastIndexOf(u'”') + 1, words.last() + 1);
         i < message.size(); ++i)
        words << i;

    QTextLayout layout(oneLine, QApplication::font());
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    for (qsizetype k = 0; k + 1 < words.size(); ++k) {
        if (!(line.cursorToX(int(words[k])) < line.cursorToX(int(words[k + 1]))))
            return false;
    }
    return true;
}

void checkFailureMessage(const QString& message, const EntryField& field, Result result,
                         const QString& where)
{
    const QString shown = where + u": message "_s + excerpt(message);
    QVERIFY2(message.startsWith(field.label + u"“"_s), qPrintable(shown));
    const QString verdict = result == tooLarge ? u"”超出范围："_s : u"”无法识别："_s;
    QVERIFY2(message.contains(verdict), qPrintable(shown));
    QVERIFY2(message.size() <= maxMessageLength,
             qPrintable(shown + u" is %1 characters long"_s.arg(message.size())));
    QVERIFY2(wordsInReadingOrder(message, field.label, verdict),
             qPrintable(shown + u" is not laid out in reading order"_s));
}

// Which field a click must stop at, if any, and why.
struct Expectation {
    const EntryField* failingField = nullptr;
    Result result = ok;
};

// Clicks the command with earlier results in the output fields and checks
// what the click did.
void clickAndCheck(WindowDriver& driver, const QString& command, const Expectation& expected,
                   const QString& where)
{
    for (qsizetype i = 0; i < outputFields.size(); ++i)
        driver.field(outputFields[i])->setText(earlierOutputs[i]);
    const qsizetype messagesBefore = driver.messages().size();

    driver.click(command);

    const QStringList messages = driver.messages().mid(messagesBefore);
    if (expected.failingField == nullptr) {
        QVERIFY2(messages.isEmpty(),
                 qPrintable(where + u": unexpected message "_s + excerpt(messages.value(0))));
        const QStringList written = command == distanceCommand
                                        ? QStringList{u"Text7"_s, u"Text8"_s}
                                        : QStringList{u"Text9"_s};
        for (qsizetype i = 0; i < outputFields.size(); ++i) {
            const QString output = driver.text(outputFields[i]);
            if (written.contains(outputFields[i])) {
                QVERIFY2(displayedNumber.match(output).hasMatch(),
                         qPrintable(where + u": "_s + outputFields[i] + u" shows "_s + output));
            } else {
                QVERIFY2(output == earlierOutputs[i],
                         qPrintable(where + u": "_s + outputFields[i] + u" became "_s + output));
            }
        }
        return;
    }

    QVERIFY2(messages.size() == 1,
             qPrintable(where + u": %1 messages instead of one"_s.arg(messages.size())));
    checkFailureMessage(messages[0], *expected.failingField, expected.result, where);
    if (QTest::currentTestFailed())
        return;
    for (qsizetype i = 0; i < outputFields.size(); ++i) {
        const QString output = driver.text(outputFields[i]);
        QVERIFY2(output == earlierOutputs[i],
                 qPrintable(where + u": "_s + outputFields[i] + u" became "_s + output));
    }
    QLineEdit* failing = driver.field(expected.failingField->name);
    QWidget* focus = QApplication::focusWidget();
    QVERIFY2(focus == failing,
             qPrintable(where + u": focus in "_s + (focus ? focus->objectName() : u"nothing"_s)));
    QVERIFY2(failing->selectedText() == failing->text(),
             qPrintable(where + u": the text is not selected for retyping"_s));
}

// The text in each of the entry fields `targets` (indices into entryFields,
// all of them when empty) in turn, the others valid, each point in both
// forms, with both commands.
void checkEveryPlacement(WindowDriver& driver, const QString& text, const Sample& results,
                         Entry entry, const QList<int>& targets = {})
{
    for (const EntryField& target : entryFields) {
        if (!targets.isEmpty() && !targets.contains(int(&target - entryFields)))
            continue;
        for (const EntryField& other : entryFields) {
            if (other.name != target.name && driver.text(other.name) != validText)
                driver.field(other.name)->setText(validText);
        }
        if (entry != Entry::Paste || driver.text(target.name) != text)
            enterText(driver, target.name, text, entry);
        QVERIFY2(driver.text(target.name) == text,
                 qPrintable(target.name + u" holds "_s + excerpt(driver.text(target.name))));
        for (const bool inMinutes : {true, false}) {
            for (int point = 1; point <= 3; ++point)
                selectForm(driver, point, inMinutes);
            for (const QString& command : {distanceCommand, angleCommand}) {
                const Result result = resultIn(results, target, inMinutes);
                Expectation expected;
                if (reads(command, target) && result != ok)
                    expected = {&target, result};
                const QString where = u"%1, %2 form, %3"_s.arg(
                    target.name, inMinutes ? u"minutes"_s : u"seconds"_s, command);
                clickAndCheck(driver, command, expected, where);
                if (QTest::currentTestFailed())
                    return;
                QVERIFY2(driver.text(target.name) == text,
                         qPrintable(where + u": the entry text changed"_s));
            }
        }
    }
}

}  // namespace

class HostileInputTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void shortTexts_data();
    void shortTexts();
    void largePastes_data();
    void largePastes();
    void severalMalformed_data();
    void severalMalformed();
    void windowMessageBox_data();
    void windowMessageBox();

private:
    QElapsedTimer clock_;
    // One window for all rows: a row writes every entry field it reads, and
    // the output fields before each click.
    std::unique_ptr<WindowDriver> driver_;
};

void HostileInputTest::initTestCase()
{
    prepareTestApplication();
    clock_.start();
    driver_ = std::make_unique<WindowDriver>();
}

// Each row starts with the window active, as after a row that opened another
// window, and with its painting held back: drawing a field that holds a
// mebibyte lays out its whole line again, and every click draws the window
// twice (the button pressed, then released), which took a third of the
// test's time, and half of it under AddressSanitizer. The checks read texts,
// focus and selection, never pixels.
void HostileInputTest::init()
{
    pdf& window = driver_->window();
    if (!window.isActiveWindow()) {
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window, activationTimeout));
    }
    window.setUpdatesEnabled(false);
}

// The window is drawn once with the row's texts in place, then its entry
// fields are emptied, so that a mebibyte left in one is not drawn again
// whenever another window takes or gives back the focus.
void HostileInputTest::cleanup()
{
    pdf& window = driver_->window();
    window.setUpdatesEnabled(true);
    window.repaint();
    for (const EntryField& field : entryFields)
        driver_->field(field.name)->clear();
}

void HostileInputTest::cleanupTestCase()
{
    qInfo("hostile input: %lld ms in all", clock_.elapsed());
}

void HostileInputTest::shortTexts_data()
{
    addSampleColumns();
    addSampleRows(shortSamples());
}

void HostileInputTest::shortTexts()
{
    QFETCH(QString, text);
    QFETCH(Result, minutes);
    QFETCH(Result, seconds);
    QFETCH(Result, longitudeMinutes);
    QFETCH(Result, longitudeSeconds);
    QFETCH(Entry, entry);
    const Sample results{{}, text, minutes, seconds, entry,
                         std::pair{longitudeMinutes, longitudeSeconds}};

    checkEveryPlacement(*driver_, text, results, entry);
}

// Each paste in a latitude field and a longitude field, of two points in
// turn, so that every field gets two of them: what reads a field is the same
// for every field, and the short texts go into all six. A paste is refused
// after a layout of its whole line, which takes a third of a second and
// more, so that all six fields for every paste took half a minute.
void HostileInputTest::largePastes_data()
{
    addSampleColumns();
    QTest::addColumn<QList<int>>("fields");
    const QList<Sample> samples = largeSamples();
    const int points = int(std::size(entryFields)) / 2;
    for (int i = 0; i < int(samples.size()); ++i) {
        const int latitudeOf = i % points;
        const int longitudeOf = (i + 1) % points;
        addSampleRow(samples[i]) << QList<int>{2 * latitudeOf, 2 * longitudeOf + 1};
    }
}

void HostileInputTest::largePastes()
{
    QFETCH(QString, text);
    QFETCH(Result, minutes);
    QFETCH(Result, seconds);
    QFETCH(Result, longitudeMinutes);
    QFETCH(Result, longitudeSeconds);
    QFETCH(Entry, entry);
    QFETCH(QList<int>, fields);
    const Sample results{{}, text, minutes, seconds, entry,
                         std::pair{longitudeMinutes, longitudeSeconds}};
    QVERIFY(text.toUtf8().size() >= pasteBytes);

    QElapsedTimer clock;
    clock.start();
    checkEveryPlacement(*driver_, text, results, entry, fields);
    qInfo("%s: %lld ms", QTest::currentDataTag(), clock.elapsed());
}

void HostileInputTest::severalMalformed_data()
{
    QTest::addColumn<QStringList>("texts");      // Text1 to Text6
    QTest::addColumn<QList<bool>>("minutes");    // per point
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("failingField");   // empty when the command succeeds
    QTest::addColumn<Result>("result");

    const QList<Sample> samples = shortSamples();
    const QList<Sample> pastes = largeSamples();
    QRandomGenerator random(7341);
    for (int row = 0; row < 66; ++row) {
        QList<const Sample*> chosen(6, nullptr);
        for (int n = 2 + random.bounded(5); n > 0; --n)
            chosen[random.bounded(6)] = &samples[random.bounded(int(samples.size()))];
        // The last rows hold a paste of a mebibyte among the short texts.
        if (row >= 60)
            chosen[random.bounded(6)] = &pastes[random.bounded(int(pastes.size()))];
        const QList<bool> minutes = {random.bounded(2) == 0, random.bounded(2) == 0,
                                     random.bounded(2) == 0};
        const QString command = random.bounded(2) == 0 ? distanceCommand : angleCommand;

        QStringList texts;
        QString failingField;
        Result result = ok;
        for (int i = 0; i < 6; ++i) {
            const Sample* sample = chosen[i];
            texts << (sample ? sample->text : validText);
            const EntryField& field = entryFields[i];
            if (sample == nullptr || !failingField.isEmpty() || !reads(command, field))
                continue;
            const Result fieldResult = resultIn(*sample, field, minutes[field.point - 1]);
            if (fieldResult != ok) {
                failingField = field.name;
                result = fieldResult;
            }
        }
        QTest::addRow("mix %02d", row) << texts << minutes << command << failingField << result;
    }
}

// Several malformed texts at once: the command stops at the first one, in the
// order Text1 to Text6, that its point's form cannot read.
void HostileInputTest::severalMalformed()
{
    QFETCH(QStringList, texts);
    QFETCH(QList<bool>, minutes);
    QFETCH(QString, command);
    QFETCH(QString, failingField);
    QFETCH(Result, result);

    WindowDriver& driver = *driver_;
    for (int point = 1; point <= 3; ++point)
        selectForm(driver, point, minutes[point - 1]);
    Expectation expected;
    for (int i = 0; i < 6; ++i) {
        enterText(driver, entryFields[i].name, texts[i], Entry::Paste);
        if (entryFields[i].name == failingField)
            expected = {&entryFields[i], result};
    }
    clickAndCheck(driver, command, expected, command);
}

void HostileInputTest::windowMessageBox_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("field");  // index into the entry fields
    QTest::addColumn<bool>("minutes");
    QTest::addColumn<QString>("command");
    QTest::addColumn<Result>("result");

    QTest::newRow("a mebibyte of digits")
        << paste(u"1234567890"_s) << 0 << true << distanceCommand << tooLarge;
    QTest::newRow("a mebibyte of emoji")
        << paste(u"👨‍👩‍👧‍👦"_s) << 3 << false << angleCommand << unreadable;
    QTest::newRow("markup") << u"<b>42112a"_s << 2 << false << angleCommand << unreadable;
    QTest::newRow("entity") << u"&lt;42112a"_s << 1 << false << distanceCommand << unreadable;
    QTest::newRow("image tag")
        << u"<img src=\"x\">4211a"_s << 4 << false << angleCommand << unreadable;
    QTest::newRow("right-to-left override")
        << u"\u202E42112a"_s << 3 << false << distanceCommand << unreadable;
    QTest::newRow("right-to-left override in the seconds")
        << u"42112\u202E"_s << 0 << false << angleCommand << unreadable;
    QTest::newRow("right-to-left isolate")
        << u"\u2067ab"_s << 5 << false << angleCommand << unreadable;
    QTest::newRow("isolate closed, then override")
        << u"\u2069\u202E42112a"_s << 1 << false << distanceCommand << unreadable;
}

// The window's own message box with hostile texts: it opens at once, fits the
// screen, and shows the message as plain text in reading order.
void HostileInputTest::windowMessageBox()
{
    QFETCH(QString, text);
    QFETCH(int, field);
    QFETCH(bool, minutes);
    QFETCH(QString, command);
    QFETCH(Result, result);
    const EntryField& target = entryFields[field];

    pdf window;
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window, activationTimeout));
    for (const EntryField& entryField : entryFields) {
        window.findChild<QLineEdit*>(entryField.name)
            ->setText(entryField.name == target.name ? text : validText);
    }
    window.findChild<QRadioButton*>(u"Option%1"_s.arg(minutes ? 2 * target.point - 1
                                                               : 2 * target.point))
        ->setChecked(true);

    QElapsedTimer clock;
    QList<qint64> openedAfter;
    QStringList messages;
    QList<bool> plain;
    QList<bool> fitsScreen;
    QTimer watcher;
    watcher.setInterval(5);
    connect(&watcher, &QTimer::timeout, &window, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr)
            return;
        openedAfter << clock.elapsed();
        messages << box->text();
        plain << (box->textFormat() == Qt::PlainText || !Qt::mightBeRichText(box->text()));
        fitsScreen << box->screen()->availableGeometry().contains(box->frameGeometry());
        box->accept();
    });
    watcher.start();
    auto* button = window.findChild<QPushButton*>(command);
    clock.start();
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    watcher.stop();
    qInfo("%s: the message box opened after %s ms", QTest::currentDataTag(),
          qPrintable(openedAfter.isEmpty() ? u"-"_s : QString::number(openedAfter[0])));

    QCOMPARE(messages.size(), 1);
    checkFailureMessage(messages[0], target, result, command);
    QVERIFY2(plain[0], "the message would be read as markup");
    QVERIFY2(fitsScreen[0], "the message box is larger than the screen");
    // The focus the window gives back when it is active again.
    QCOMPARE(window.focusWidget(), window.findChild<QLineEdit*>(target.name));
}

QTEST_MAIN(HostileInputTest)
#include "hostile_input_test.moc"
