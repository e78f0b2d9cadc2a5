// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/command_line_help.h"
#include "cli/celestial_help.h"
#include "cli/current_help.h"
#include "cli/great_circle_report.h"
#include "cli/route_export.h"

#include "routefiles/export_rule.h"
#include "routefiles/route_csv.h"
#include "routefiles/route_table.h"
#include "text/observation_kinds.h"

#include "geo/units.h"
#include "nav/display.h"
#include "nav/earth.h"
#include "nav/time_zone.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

// The leg table's column titles, as the CSV file's first line has them, in
// lines of the help of six titles each, and the current's columns after
// them when a leg has one.
QString legTableColumns()
{
    constexpr qsizetype perLine = 6;
    const QStringList titles = legColumnTitles();
    QStringList lines;
    for (qsizetype first = 0; first < titles.size(); first += perLine)
        lines << titles.mid(first, perLine).join(u',');
    return lines.join(u",\n              "_s)
        + u"；\n              有航段给出流向/流速或风压差时其后还有\n"
          u"              %1，\n"
          u"              该航段按对地航速计时，其后的航时和预计到达随之"_s.arg(
              currentColumnTitles().join(u','));
}

// The route file's setting names, a few to a line, the lines after the
// first indented by `indent` blanks, so that the list fits the terminal.
QString settingNameLines(int indent)
{
    constexpr qsizetype perLine = 6;
    const QStringList names = routeSettingNames().split(u'、');
    QStringList lines;
    for (qsizetype first = 0; first < names.size(); first += perLine)
        lines << names.mid(first, perLine).join(u'、');
    return lines.join(u"、\n"_s + QString(indent, u' '));
}

// A limit as the help writes it: 360, 1000000.
QString whole(double limit)
{
    return QString::number(limit, 'f', 0);
}

QString zoneName(int minutes)
{
    return QString::fromStdString(nav::formatTimeZone(*nav::TimeZone::fromMinutes(minutes)));
}

// How many columns a text takes in a terminal: an ideograph two.
qsizetype columnsOf(QStringView text)
{
    qsizetype columns = 0;
    for (const QChar c : text)
        columns += c.unicode() >= 0x1100 ? 2 : 1;
    return columns;
}

// A sentence broken into lines of at most 80 columns, the lines after the
// first indented by `indent` blanks, as the first is where it stands, and
// room left after the last for `trailing` columns (its "，"). Chinese breaks
// between any two characters, never before a comma.
QString wrappedSentence(const QString& text, int indent, int trailing)
{
    constexpr qsizetype helpWidth = 80;
    QString wrapped;
    qsizetype column = indent;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QStringView next = QStringView(text).mid(i, 1);
        const qsizetype after = i + 1 == text.size() ? trailing : 0;
        const bool comma = next == u"，" || next == u"、";
        if (!comma && column + columnsOf(next) + after > helpWidth) {
            wrapped += u'\n' + QString(indent, u' ');
            column = indent;
        }
        wrapped += next;
        column += columnsOf(next);
    }
    return wrapped;
}

// The options of the observations (text/observation_kinds.h), one a line,
// their help in a column of its own.
QString observationHelp()
{
    constexpr qsizetype indent = 8;
    constexpr qsizetype helpColumn = 38;
    constexpr qsizetype leastGap = 2;
    const QString margin(indent, u' ');
    QString lines;
    for (const ObservationDescriptor& kind : observationKinds()) {
        const QString usage = margin + kind.option.toString() + u' ' + kind.arguments.toString();
        const qsizetype gap = std::max(leastGap, helpColumn - columnsOf(usage));
        lines += usage + QString(gap, u' ')
            + kind.help().replace(u'\n', u'\n' + QString(helpColumn, u' ')) + u'\n';
    }
    return lines;
}

// The command line of position fixing (fix_command.h).
QString fixCommandHelp()
{
    return uR"(
陆标定位：
  tarnquil --fix
      打开陆标定位窗口。
  tarnquil --fix 观测... [--near "位置"] [--compass-error 罗经差]
                 [--model wgs84|sphere] [--form 分|秒|度] [--json]
                 [--save 观测文件.csv] [测天选项]
  tarnquil --fix 观测文件.csv [观测...] [选项...]
      不打开窗口，直接求船位。观测按先后写：
%1        --run 航向 航程               此后船沿恒向线按该真航向航行该航程
                                      （海里）；此前的观测随之转移（移线定位）
        --limb lower|upper            紧跟 --altitude 的三个值：太阳、月亮的
                                      下边（默认）或上边
      物标写法同陆标定位窗口：整个位置，如 "30°51.5′N 122°40.0′E" 或
      "3051.5N 12240.0E"；名称与位置之间空一格，如 "花鸟山 3051.5N 12240.0E"；
      或另一观测中给过位置的名称，如 "花鸟山"。度数可带 °，如 45、
      045° 或 123.5，海里数可带 nm，如 3.5nm。
        --near "位置"           推算船位：两条船位线有两个交点时，近者在前；
                                有 --altitude 时必须给出，即各天体高度的
                                假定船位（其后有 --run 的，为推算船位沿
                                航程倒推之处）
        测天选项                同 --sight（见下文“天文航海”）：
                                --index-correction、--height、
                                --temperature、--pressure、--dut1
        --compass-error 罗经差  罗经差（度，偏东为正，如 -2.5），用来改正各方位
        --form 分|秒|度         不带度分符号的数字按度分（默认）、度分秒或度读取
        --save 文件.csv         求得船位后把观测和设置存为观测文件，
                                可在陆标定位窗口打开
        观测文件.csv            打开陆标定位窗口或 --save 存的观测文件，
                                按窗口的读法求船位；其后给的观测接在文件的观测
                                后，选项代替文件中的设置
        --json                  以 JSON 输出：fix、solutions（近 --near 者在
                                前）、三条船位线时的 cocked_hat（(1,2)、(1,3)、
                                (2,3) 三角）、三个以上方位时的 compass_error
                                （总罗经差）、compass_error_remaining
                                （--compass-error 之外剩余）、fix_common_error
                                和 common_error_warnings、marks、observations
                                （按给出的先后：kind、marks、value；天体高度
                                为 kind、position（天体地理位置）、ho、
                                assumed、intercept（海里，向为正）、zn；
                                warnings 中的序号即其序号）、warnings；
                                经纬度为十进制度，取能原样读回的最短写法
      不带 --json 时第一行是船位，如 30°10.20′N 122°05.30′E，其后各行为
      误差三角形、系统误差、到各物标的方位和距离、各天体高度的截距和 Zn、
      提示等。
      退出状态：0 求得船位；1 无法定位、观测少于两个、数值无法识别或超出范围
      （原因写在标准错误上，标准输出不写任何东西）；2 命令行有误。
)"_s.arg(observationHelp());
}

}  // namespace

QString missingValueMessage(QStringView option)
{
    return u"选项 %1 缺少值。"_s.arg(option);
}

QString commandLineHelp()
{
    return uR"(用法：
  tarnquil
      打开航图计算器窗口。
  tarnquil --route [航线文件] [航线选项]
      打开航线计算窗口；给出 .csv 或 .gpx 航线文件时打开该航线。
  tarnquil --route 航线文件 --export 输出文件 [航线选项]
      不打开窗口，计算航线并写入输出文件，格式由扩展名决定：
        .csv  航段表（UTF-8，逗号分隔）：先是设置行（“设置,值”一行，其后
              每项一行：%8），
              空一行后是航段表，列为 %1；
              纬度、经度写作十进制的度，读回时位置不变
        .gpx  航线的各航点（GPX 1.1），备注写在 <desc> 中，航法、航段航速、
              航段的流向/流速和风压差、航速、开航时间、区时、预计到达所用的
              区时和地球模型、推算船位的风流压写在 Tarnquil 的扩展中
        .pdf  打印用的航段表（A4 横向），含航线名称、地球模型、航速、
              开航时间和合计
      航线文件（Tarnquil 写的 .csv 或 .gpx）中的地球模型、航速、开航时间、区时和
      预计到达所用的区时在没有给出相应选项（--model、--speed、--depart、--zone、
      --eta-zone）时使用；打开航线计算窗口时也是如此。
      %9，
      已有的输出文件保持不变（与航线计算窗口的导出相同）。
  tarnquil --destination "位置" --course 航向 --distance 航程 [推算选项]
      推算船位：从该位置按航向航行该航程后到达的位置，输出一行，如
      30°10.20′N 122°05.30′E
  tarnquil --great-circle "起点" "终点" [--every 度数] [--json] [--model …]
                          [--form …]
      大圆航法：大圆始航向、大圆航程、顶点，大圆每隔 --every 度经度（默认 %3）
      的分点及各点到下一点的恒向线航向、航程，按恒向线分段航行的总航程。
      --json 输出一个 JSON 对象（十进制的度、海里，数字为能读回原值的
      最短写法）：
        model、every；from、to 为 {lat, lon}，from 另有 rhumbCourse、
        rhumbDistance（到第一个分点的恒向线航向、航程）；initialCourse、
        finalCourse、distance 为大圆始航向、终航向、航程；vertex 为顶点
        {lat, lon, onLeg}（onLeg：是否在起点与终点之间），沿赤道时为 null；
        points 为各分点 {lat, lon, rhumbCourse, rhumbDistance}（到下一点，
        最后一个到终点）；rhumbDistance 为恒向线总航程
  tarnquil --help | -h
      显示本说明。
  tarnquil --version
      显示版本。

航线选项：
  --speed 航速            航速（节），如 12、12.5 或 12kn；给出时计算航时
  --depart "开航时间"     写作 "YYYY-MM-DD HH:MM"，如 "2025-06-01 08:00"，
                          也可写作 "2025/6/1 8:00" 或 "2025-06-01T08:00"；
                          与 --speed 一起给出时计算预计到达时间
  --zone 区时             开航时间所用的区时：+8（UTC+8，默认）、-5、+5:30、
                          0 或 UTC，%4 到 %5
  --eta-zone depart|utc|ship
                          预计到达时间所用的区时：depart 开航区时（默认），
                          utc 协调世界时，ship 船时（各航点所在的时区，
                          经度 ÷ 15 取整）
  --route-index 序号      打开 GPX 文件中的第几条航线，从 1 起，默认为 1；
                          文件中的每条航线（<rte>）都计数，没有航点的也算
  --split-gc 度数         与 --export 一起用：每个大圆航段在每隔该度数经度处
                          插入分点（大圆分点 1、2……，恒向线），按恒向线写出
  --model、--form         见下

推算选项：
  --course 航向           真航向（度），0 到 %6，如 45、045.5 或 045°
  --distance 航程         航程（海里），0 到 %7，如 120.5 或 120.5nm
  --method rl|gc          航法：rl 恒向线（默认），gc 大圆
  --model、--form         见下

共同选项：
  --model wgs84|sphere    地球模型：wgs84 为 WGS-84 椭球（默认），
                          sphere 为球面（1′=1海里）
  --form 分|秒|度         不带度分符号的数字按度分（分，默认，4250.0 为
                          42°50.0′）、度分秒（秒，421125 为 42°11′25″）或十进制
                          的度（度，25.3N 为 25.3°N，31.4 为 31.4°）读取；
                          也可写作 minutes、seconds、degrees。分、秒两种格式下，
                          既可读作度又可读作度分（秒）的数字（如 25.3N、
                          31.4）不予读取
数值（航速、航向、航程、序号）可带前后空格、全角数字，以及本项的单位：
  航速 kn、kt、节，航向 °、度，航程 nm、海里。

航线文件：
  .csv  UTF-8 表格（可带 BOM），不是 UTF-8 时按 GB18030（GBK）读取；可先有设置行
        （“设置,值”一行，其后每项一行：
        %10，再空一行）；
        航点表的第一行是表头：纬度、经度（或 lat、lon、latitude、longitude）必
        有，名称（name）、航法（method：RL 或恒向线、GC 或大圆，空为 RL）、
        航速（speed）、备注（remark）可有；没有设置行的文件，第一个航点那一行的
        航速、预计到达（eta：开航时间及区时）、航线名称（route）、
        地球模型（model）是整条航线的；方位可单列：
        南北（NS、N/S）、东西（EW、E/W），或 Hemisphere（属于其左边的纬度或
        经度列）；顺序不限，其他有名称的列不读；全空的行跳过。例如：
          名称,纬度,经度,航法              lat,NS,lon,EW
          吴淞口,3124N,12130E,             31.4,S,121.5,W
          舟山,30°10.2′N,122°05.3′E,RL
        某行的值多于表头的列数，或表头中没有名称的列里有值，则不读该文件。
  .gpx  GPX 1.0 或 1.1 文件中的航线（没有航线时为其中的航点）。
  纬度、经度的写法与航图计算器窗口相同，如 3124N、31°24′N、31-24N；
  不带符号的数字按 --form 读取。
  位置（--destination）的纬度和经度都要标方位，如 "30°10.2′N 122°05.3′E"
  或 "3010.2N,12205.3E"。

退出状态：
  0  成功
  1  数据无法读取（航线文件、航速、开航时间、区时、位置、航向、航程、
     分点间隔）、--route-index 超出范围，或文件无法写入
  2  命令行有误：未知选项、缺少值、选项不能同时使用、--model、--form、
     --eta-zone、--method 或 --route-index 的值不可选、%2、
     不支持的文件格式
)"_s.arg(legTableColumns(), missingRouteFile.toString(), whole(kDefaultMeridianInterval),
             zoneName(nav::kWestmostZoneMinutes), zoneName(nav::kEastmostZoneMinutes),
             whole(geo::kFullCircle), whole(nav::kMaxRun), settingNameLines(14),
             wrappedSentence(exportRuleText(), 6, 2))
               .arg(settingNameLines(8))
        + fixCommandHelp()
        + celestialCommandHelp()
        + currentCommandHelp();
}

}  // namespace tarnquil
