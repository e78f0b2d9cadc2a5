// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/celestial_help.h"

#include "text/celestial_words.h"

#include "geo/units.h"
#include "nav/astro_time.h"
#include "nav/celestial_latitude.h"
#include "nav/compass_error.h"
#include "nav/sight_reduction.h"
#include "nav/star_finder.h"

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

QString limit(double value)
{
    return QString::number(value, 'g', 6);
}

}  // namespace

QString celestialCommandHelp()
{
    return uR"(
天文航海：
  tarnquil --celestial
      打开天文航海窗口：天文历、罗经差、出没、识星/选星四页，输入的写法、
      拒绝的措辞和算出的结果与下列命令相同。
  tarnquil --almanac 时间 [--body 天体]... [--dut1 秒]
      天文历：该时刻春分点的格林时角，及各天体（不给 --body 时为全部：太阳、
      月亮、金星、火星、木星、土星、57 颗航用星和北极星）的 GHA、赤纬，
      恒星的 SHA，太阳、月亮、金星、火星的地平视差 HP，太阳、月亮的半径 SD。
  tarnquil --sight 天体 时间 高度 --at "推算船位" [测天选项]
      高度改正与高度差法：六分仪高度 Hs 加指标差 i，减眼高差、蒙气差，
      加视差、半径差得真高度 Ho；由推算船位求 LHA、计算高度 Hc、方位 Zn
      （及半圆方位）和截距（Ho − Hc，向或背）。
  tarnquil --latitude 天体 时间 高度 --at "推算船位" [测天选项]
      由北极星高度求纬度（任何时刻），或由其他天体的中天高度求纬度（上、下中天；
      时间离该经度的中天超过 %1 分钟不予计算）。
  tarnquil --compass-error 天体 时间 --at "位置" --bearing 罗经方位
                           [--amplitude] [--variation 磁差] [--dut1 秒]
      罗经差 = 真方位 − 罗经方位（偏东为正，在 ±%20° 以内）：方位法用此时天体的
      真方位；--amplitude 为出没方位法（sin A = sin δ / cos φ，天体中心的真高度
      为 0°，要在天体离地平 %2° 以内时观测）。
      给出磁差时另求自差 = 罗经差 − 磁差。
  tarnquil --rise-set 日期 --at "位置" [--zone 区时] [--height 眼高] [--dut1 秒]
      该区时的一天（0 时到 24 时）内的日出、日没（中心在 −50′，再减眼高差）、
      民用晨光始和昏影终（−6°）、航海晨光始和昏影终（−12°）、太阳中天、月出、
      月没；不给 --zone 时用位置经度所在的时区（船时）。当天没有的为“无”。
  tarnquil --stars 时间 --at "位置" [--dut1 秒]
      选星：高度 %3° 到 %4° 之间的航用星和行星的 Hc、Zn，以及方位最均匀、较亮的
      定位最佳三星和四星。
  tarnquil --identify 时间 --at "位置" --altitude 高度 --azimuth 方位
                      [--dut1 秒]
      识星：与所测高度、真方位相距 %5° 以内的航用星和行星，近者在前。
  以上命令都可加 --json，以 JSON 输出（见下）；除 --almanac 外都可加 --form
  分|秒|度，决定 --at 中不带度分符号的数字怎样读。

  天体       英文名或中文名，不分大小写，空格、句点、撇号不计：Sun、太阳、Moon、
             月亮、Venus、金星、Sirius、天狼星、Rigil Kent.、南门二、Polaris、
             北极星……
  时间       YYYY-MM-DD HH:MM[:SS]（秒可带小数，日期也可写作 2026/12/8，
             日期和时间之间也可写 T），不带区时为协调世界时（UTC）；
             带区时写在后面，空一格，写法同 --zone：2026-12-08 09:30:15、
             2026-12-08 09:30:15 UTC+8、2026-12-08 09:30 +8；年份 %6 到 %7。
  日期       YYYY-MM-DD 或 YYYY/M/D，如 2026-12-08。
  高度       六分仪高度 Hs 和 --altitude：0 到 %18 度，度分秒写法同位置
             （不带南北），不带符号的数是十进制的度：12°47.3′、12 47.3、
             12:47.3、12.788 或 12.788°；1247.3 这样的度分连写不予读取。
  --at "位置"             推算船位（测天）或所在位置，写法同 --fix 的 --near
  --limb lower|upper      太阳、月亮的下边（lower、下边，默认）或上边（upper、
                          上边）；其他天体按中心计算
  --index-correction 指标差  角分（′），带符号，%17，
                          如 -2.5、+1.2 或 3′；默认 0，在 ±%8′ 以内
  --height 眼高           米（0 到 %9），如 15、15.5m 或 15 米；默认 0
  --temperature 气温      摄氏度（%10 到 %11），如 10、-5°C；默认 %12°C
  --pressure 气压         百帕（%13 到 %14），如 1010、1013.2hPa；默认 %15 hPa
  --dut1 秒               UT1 − UTC（−%16 到 %16 秒），如 0.2 或 -0.35s；
                          默认 0。每秒使格林时角差 0.25′
  --bearing 罗经方位      0 到 %19 度，如 123.5、123°30′
  --variation 磁差        −%20 到 %20 度，偏东为正：-3.5、3.5E、2W、2°30′W、
                          3.5东
  --altitude、--azimuth   识星所测的高度和真方位（度）
  --zone 区时             同航线选项的 --zone
  测天选项：--limb、--index-correction、--height、--temperature、--pressure、
  --dut1

  --json 输出一个 JSON 对象：数字的写法同 --great-circle 的 --json；角度（GHA、
  SHA、赤纬、高度、方位、LHA、罗经差、纬度）为十进制的度，北、东为正；
  改正量（dip、refraction、parallax、semidiameter、indexCorrection）和 HP、
  SD 为角分，带实际加上的符号；截距为海里，向天体为正；
  时间写作 "YYYY-MM-DD HH:MM:SS 区时"，给出的时间按其所写区时。天体以 name
  （英文，同航海天文历）和 chinese（中文）命名。
  不适用的键不写（不写 null）；当天没有的出没时间为 null。
    --almanac        time、dut1、aries {gha}、bodies [{name, chinese, gha, dec,
                     sha（恒星）, hp（太阳、月亮、金星、火星）, sd（太阳、
                     月亮）}]
    --sight          body {name, chinese}、time、limb（lower、upper 或
                     centre）、hs、indexCorrection、dip、ha、refraction、
                     parallax（含月亮的扁率改正）、semidiameter、ho、gha、dec、
                     lha、hc、zn、intercept
    --latitude       --sight 的各键（无 intercept），及 latitude、
                     method（meridian 或 polaris）；中天求纬度另有 transit
                     （upper 或 lower）、transitTime（UTC）、minutesFromTransit
                     （观测在中天之后为正）、transitDec、zenithDistance
    --compass-error  body、time、method（azimuth 或 amplitude）、zn、bearing、
                     error、altitude（此时天体的真高度）、dec；出没方位法另有
                     amplitude {angle, side（E 东升或 W 西落）, pole（N 或
                     S）}；给出 --variation 时另有 variation、deviation
    --rise-set       date、zone、sunrise、sunset、civilDawn、civilDusk、
                     nauticalDawn、nauticalDusk、meridianPassage、moonrise、
                     moonset（没有的为 null），
                     allDay {sun, civil, nautical, moon}（终日不升不落者：
                     "above" 终日在上，"below" 终日在下）
    --stars          time、stars [{name, chinese, hc, zn, magnitude, planet
                     （行星为 true）}]（按方位）、best（最佳三星的英文名）、
                     bestFour（最佳四星）
    --identify       time、altitude、azimuth、candidates [{name, chinese, hc,
                     zn, separation（相距，度）, magnitude, planet}]（近者在前，
                     没有时为 []）
  退出状态：0 成功；1 数据有误：值读不出或不在范围内、未知天体、不存在的时间、
  观测时天体在地平以下、出没方位时天体不在出没、中天求纬度离中天太远等，理由
  写在标准错误上并指明选项，标准输出为空；2 命令行有误：未知、重复或不能同时
  使用的选项、缺少值、--limb 或 --form 的值不可选、缺少 --at 等必需的选项。
)"_s.arg(limit(nav::kMaxMinutesFromTransit), limit(nav::kMaxAmplitudeAltitude),
             limit(nav::kMinSightAltitude), limit(nav::kMaxSightAltitude),
             limit(nav::kIdentifyRadius), limit(nav::kFirstAlmanacYear), limit(nav::kLastAlmanacYear),
             limit(nav::kMaxIndexCorrection), limit(nav::kMaxHeightOfEye))
        .arg(limit(nav::kMinTemperature), limit(nav::kMaxTemperature), limit(nav::kDefaultTemperature),
             limit(nav::kMinPressure), limit(nav::kMaxPressure), limit(nav::kDefaultPressure),
             limit(nav::kMaxDut1), indexCorrectionRule(), limit(geo::kQuarterCircle))
        .arg(limit(geo::kFullCircle), limit(geo::kHalfCircle));
}

}  // namespace tarnquil
