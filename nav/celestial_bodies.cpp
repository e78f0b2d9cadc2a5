// SPDX-License-Identifier: GPL-3.0-or-later
#include "nav/celestial_bodies.h"

#include <swephexp.h>

#include <string>

#include "nav/errors.h"

namespace nav {

namespace {

constexpr double kDegreesPerHour = 15;

constexpr Body solarSystem(BodyKind kind, std::string_view name, std::string_view chinese,
                           std::array<std::string_view, 2> aliases, int ephemerisNumber)
{
    return {kind, 0, name, chinese, aliases, 0, ephemerisNumber, {}};
}

// Right ascension in hours, as the catalogue gives it.
constexpr Body star(int number, std::string_view name, std::string_view chinese,
                    std::array<std::string_view, 2> aliases, double raHours, double dec,
                    double pmRa, double pmDec, double parallax, double radialVelocity,
                    double magnitude)
{
    return {BodyKind::Star, number, name, chinese, aliases, magnitude, -1,
            {raHours * kDegreesPerHour, dec, pmRa, pmDec, parallax, radialVelocity}};
}

// The stars' positions (ICRS, epoch J2000.0, RA in hours), proper motions
// (mas/yr, RA's times cos dec) and magnitudes are the Hipparcos catalogue's
// (ESA 1997, I/239), carried from its epoch J1991.25 to J2000.0 by proper
// motion, as Debian's python3-ephem 4.1.4 lists them (ephem/stars.py; Rigil
// Kent. is alpha-1 Cen, HIP 71683, as in the Astronomical Almanac). The
// parallaxes (mas) and radial velocities (km/s) are SIMBAD's (mostly the
// Hipparcos new reduction, van Leeuwen 2007) as the Swiss Ephemeris's
// sefstars.txt of 2018 collects them; alpha-1 Cen's parallax is Hipparcos's
// 742.12 and its radial velocity the Astronomical Almanac's -21.6. The
// numbers and names are the Nautical Almanac's; the Chinese names are the
// traditional star names, with the common names where a navigator uses one
// (天狼星, 老人星, 大角星, 北极星).
//   number, name, Chinese, aliases, RA h, dec deg, pmRA*, pmDec, parallax, RV, V
constexpr std::array kBodies{
    solarSystem(BodyKind::Sun, "Sun", "太阳", {}, SE_SUN),
    solarSystem(BodyKind::Moon, "Moon", "月亮", {"月球"}, SE_MOON),
    solarSystem(BodyKind::Planet, "Venus", "金星", {}, SE_VENUS),
    solarSystem(BodyKind::Planet, "Mars", "火星", {}, SE_MARS),
    solarSystem(BodyKind::Planet, "Jupiter", "木星", {}, SE_JUPITER),
    solarSystem(BodyKind::Planet, "Saturn", "土星", {}, SE_SATURN),
    star( 1, "Alpheratz",   "壁宿二",   {},                   0.13979405,  29.09043197,   135.68,  -162.95,  33.62,  -10.1,  2.07),
    star( 2, "Ankaa",       "火鸟六",   {},                   0.43806972, -42.30598144,   232.76,  -353.64,   38.5,   74.6,   2.4),
    star( 3, "Schedar",     "王良四",   {},                   0.67512237,  56.53733107,    50.36,   -32.17,  14.29,  -4.31,  2.24),
    star( 4, "Diphda",      "土司空",   {},                   0.72649196, -17.98660457,   232.79,    32.71,  33.86,  13.32,  2.04),
    star( 5, "Achernar",    "水委一",   {},                   1.62856849, -57.23675744,    88.02,   -40.08,  23.39,   18.6,  0.45),
    star( 6, "Hamal",       "娄宿三",   {},                   2.11955753,  23.46242310,   190.73,  -145.77,  49.56, -14.64,  2.01),
    star( 7, "Acamar",      "天园六",   {},                   2.97102074, -40.30467239,   -53.53,    25.71,     28,   11.9,  2.88),
    star( 8, "Menkar",      "天囷一",   {},                   3.03799227,   4.08973396,   -11.81,   -78.76,  13.09, -26.08,  2.54),
    star( 9, "Mirfak",      "天船三",   {},                   3.40538065,  49.86117958,    24.11,   -26.01,   6.44,  -2.04,  1.79),
    star(10, "Aldebaran",   "毕宿五",   {},                   4.59867740,  16.50930138,    62.78,  -189.36,  48.94,  54.26,  0.87),
    star(11, "Rigel",       "参宿七",   {},                   5.24229787,  -8.20164055,     1.87,    -0.56,   3.78,   17.8,  0.18),
    star(12, "Capella",     "五车二",   {},                   5.27815528,  45.99799106,    75.52,  -427.13,   76.2,  29.19,  0.08),
    star(13, "Bellatrix",   "参宿五",   {},                   5.41885085,   6.34970223,    -8.75,   -13.28,  12.92,   18.2,  1.64),
    star(14, "Elnath",      "五车五",   {},                   5.43819816,  28.60745000,    23.28,  -174.22,  24.36,    9.2,  1.65),
    star(15, "Alnilam",     "参宿二",   {},                   5.60355929,  -1.20191983,     1.49,    -1.06,   1.65,   27.3,  1.69),
    star(16, "Betelgeuse",  "参宿四",   {},                   5.91952924,   7.40706274,    27.33,    10.86,   6.55,  21.91,  0.45),
    star(17, "Canopus",     "老人星",   {},                   6.39919718, -52.69566045,    19.99,    23.67,  10.55,   20.3, -0.62),
    star(18, "Sirius",      "天狼星",   {},                   6.75247697, -16.71611569,  -546.01, -1223.08, 379.21,   -5.5, -1.44),
    star(19, "Adhara",      "弧矢七",   {},                   6.97709679, -28.97208374,     2.63,     2.29,   8.05,   27.3,   1.5),
    star(20, "Procyon",     "南河三",   {},                   7.65503283,   5.22499314,  -716.57, -1034.58, 284.56,   -3.2,   0.4),
    star(21, "Pollux",      "北河三",   {},                   7.75526397,  28.02619865,  -625.69,   -45.95,  96.54,   3.23,  1.16),
    star(22, "Avior",       "海石一",   {},                   8.37523211, -59.50948307,   -25.34,    22.72,   5.39,   11.6,  1.86),
    star(23, "Suhail",      "天记",     {},                   9.13326624, -43.43258935,   -23.21,    14.28,   5.99,   17.6,  2.23),
    star(24, "Miaplacidus", "南船五",   {},                   9.21999318, -69.71720776,  -157.66,   108.91,  28.82,   -5.1,  1.67),
    star(25, "Alphard",     "星宿一",   {},                   9.45978980,  -8.65860253,   -14.49,    33.25,  18.09,  -4.27,  1.99),
    star(26, "Regulus",     "轩辕十四", {},                  10.13953074,  11.96720709,   -249.4,     4.91,  41.13,    5.9,  1.36),
    star(27, "Dubhe",       "天枢",     {"北斗一"},          11.06213019,  61.75103324,  -136.46,   -35.25,  26.54,   -9.4,  1.81),
    star(28, "Denebola",    "五帝座一", {},                  11.81766043,  14.57206038,  -499.02,  -113.78,  90.91,   -0.2,  2.14),
    star(29, "Gienah",      "轸宿一",   {},                  12.26343617, -17.54192948,  -159.58,    22.31,  21.23,   -4.2,  2.58),
    star(30, "Acrux",       "十字架二", {},                  12.44330439, -63.09909168,   -35.37,   -14.73,  10.13,   11.9,  0.77),
    star(31, "Gacrux",      "十字架一", {},                  12.51943314, -57.11321175,    27.94,  -264.33,  36.83,     21,  1.59),
    star(32, "Alioth",      "玉衡",     {"北斗五"},          12.90048595,  55.95982123,   111.74,    -8.99,  39.51,  -12.7,  1.76),
    star(33, "Spica",       "角宿一",   {},                  13.41988313, -11.16132203,    -42.5,   -31.73,  13.06,      1,  0.98),
    star(34, "Alkaid",      "摇光",     {"北斗七"},          13.79234379,  49.31326512,  -121.23,   -15.56,  31.38,  -13.4,  1.85),
    star(35, "Hadar",       "马腹一",   {},                  14.06372347, -60.37303932,   -33.96,   -25.06,   8.32,    5.9,  0.61),
    star(36, "Menkent",     "库楼三",   {},                  14.11137457, -36.36995451,  -519.29,  -517.87,  55.45,    1.3,  2.06),
    star(37, "Arcturus",    "大角星",   {"大角"},            14.26102001,  19.18241038, -1093.45,  -1999.4,  88.83,  -5.19, -0.05),
    star(38, "Rigil Kent.", "南门二",   {"Rigil Kentaurus"}, 14.66013779, -60.83397588, -3678.19,   481.84, 742.12,  -21.6, -0.01),
    star(39, "Zuben'ubi",   "氐宿一",   {"Zubenelgenubi"},   14.84797587, -16.04177819,  -105.69,    -69.0,  43.03,    -10,  2.75),
    star(40, "Kochab",      "北极二",   {"帝星"},            14.84509068,  74.15550496,   -32.29,    11.91,  24.91,  16.96,  2.07),
    star(41, "Alphecca",    "贯索四",   {},                  15.57813004,  26.71469307,   120.38,   -89.44,  43.46,    1.7,  2.22),
    star(42, "Antares",     "心宿二",   {},                  16.49012803, -26.43200250,   -10.16,   -23.21,   5.89,   -3.5,  1.06),
    star(43, "Atria",       "三角形三", {},                  16.81108191, -69.02771505,    17.85,   -32.92,   8.35,     -3,  1.91),
    star(44, "Sabik",       "宋",       {"天市右垣十一"},    17.17296871, -15.72491023,    41.16,    97.65,  36.91,   -2.4,  2.43),
    star(45, "Shaula",      "尾宿八",   {},                  17.56014444, -37.10382115,     -8.9,   -29.95,   5.71,     -3,  1.62),
    star(46, "Rasalhague",  "候",       {},                  17.58224183,  12.56003481,   110.08,  -222.61,  67.13,   11.7,  2.08),
    star(47, "Eltanin",     "天棓四",   {},                  17.94343608,  51.48889500,    -8.52,   -23.05,  21.14, -27.91,  2.24),
    star(48, "Kaus Aust.",  "箕宿三",   {"Kaus Australis"},  18.40286620, -34.38461611,   -39.61,  -124.05,  22.76,    -15,  1.79),
    star(49, "Vega",        "织女一",   {"织女星"},          18.61564903,  38.78369185,   201.02,   287.46, 130.23,  -20.6,  0.03),
    star(50, "Nunki",       "斗宿四",   {},                  18.92109048, -26.29672225,    13.87,   -52.65,  14.32,  -11.2,  2.05),
    star(51, "Altair",      "河鼓二",   {"牛郎星"},          19.84638864,   8.86832203,   536.82,   385.54, 194.95,  -26.6,  0.76),
    star(52, "Peacock",     "孔雀十一", {},                  20.42746051, -56.73509009,     7.71,   -86.15,  18.24,      2,  1.94),
    star(53, "Deneb",       "天津四",   {},                  20.69053187,  45.28033800,     1.56,     1.55,   2.31,   -4.9,  1.25),
    star(54, "Enif",        "危宿三",   {},                  21.73643281,   9.87501126,    30.02,     1.38,   4.73,   3.39,  2.38),
    star(55, "Al Na'ir",    "鹤一",     {"Alnair"},          22.13721819, -46.96097539,    127.6,  -147.91,  32.29,   10.9,  1.73),
    star(56, "Fomalhaut",   "北落师门", {},                  22.96084626, -29.62223601,   329.22,  -164.22, 129.81,    6.5,  1.17),
    star(57, "Markab",      "室宿一",   {},                  23.07934827,  15.20526441,     61.1,   -42.56,  24.46,   -2.7,  2.49),
    star( 0, "Polaris",     "北极星",   {"勾陈一"},           2.53030100,  89.26410949,    44.22,   -11.74,   7.54, -16.42,  1.97),
};

// The text without blanks, full stops and apostrophes, ASCII letters in
// lower case.
std::string folded(std::string_view text)
{
    constexpr std::array<std::string_view, 3> kIgnoredSequences{
        "\u3000", "\u00a0", "\u2019"};  // ideographic space, no-break space, ’
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        bool skipped = false;
        for (std::string_view sequence : kIgnoredSequences) {
            if (text.substr(i).starts_with(sequence)) {
                i += sequence.size();
                skipped = true;
                break;
            }
        }
        if (skipped)
            continue;
        const char c = text[i++];
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f' ||
            c == '.' || c == '\'')
            continue;
        out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return out;
}

}  // namespace

std::span<const Body> bodies()
{
    return kBodies;
}

const Body* findBody(std::string_view text)
{
    const std::string wanted = folded(text);
    if (wanted.empty())
        return nullptr;
    for (const Body& body : kBodies) {
        if (folded(body.name) == wanted || folded(body.chinese) == wanted)
            return &body;
        for (std::string_view alias : body.aliases)
            if (!alias.empty() && folded(alias) == wanted)
                return &body;
    }
    return nullptr;
}

const Body& body(std::string_view text)
{
    if (const Body* found = findBody(text))
        return *found;
    throw UnknownBodyError(std::string(text));
}

}  // namespace nav
