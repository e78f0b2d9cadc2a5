// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/current_help.h"

#include "text/current_words.h"

#include "geo/units.h"
#include "nav/earth.h"
#include "nav/leeway_and_current.h"

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

QString limit(double value)
{
    return QString::number(value, 'g', 7);
}

}  // namespace

QString currentCommandHelp()
{
    return uR"(
风流压：
  tarnquil --dead-reckoning "起始船位" --course 真航向 --speed 航速 --hours 航时
           [--leeway 风压差] [--set 流向 --drift 流速] [--log-correction 改正率]
           [--model wgs84|sphere] [--form 分|秒|度]
      推算（先风后流）：风中航迹向 CA = TC + α，船速 V 沿 CA 与流合成对地航速 VG
      和推算航迹向 CG，β = CG − CA，γ = α + β；沿 CG 按恒向线航行 VG × 航时，
      得推算船位。
  tarnquil --course-to-steer --track 航迹向 --speed 航速 --set 流向 --drift 流速
           [--leeway 风压差] [--log-correction 改正率]
      预配（先流后风）：为驶出计划航迹向 CG，
      CA = CG − arcsin(流速·sin(流向 − CG) / V)，
      VG = V·cos(CA − CG) + 流速·cos(流向 − CG)，
      应驶真航向 TC = CA − α。流垂直于航迹的
      分量大于船速（航迹保持不住）或 VG ≤ 0（驶不出去）时不予计算。
  tarnquil --current-from-fixes "第一船位" 时间1 "第二船位" 时间2
           --course 真航向 --speed 航速 [--leeway 风压差]
           [--log-correction 改正率] [--model …] [--form …]
      求流：由第一船位按 TC、α、船速 V 不计流推算到时间2 的推算船位，
      推算船位到第二船位的恒向线即流：流向为其航向，流速为其长度除以两次定位的
      间隔。
  三个命令加 --json 时输出 JSON（见下）。

  --course 真航向        TC，0 到 %8 度，如 030、030° 或 30度
  --track 航迹向         要驶出的计划航迹向 CG，写法同 --course
  --speed 航速           计程仪航速（对水），节，如 12、12.5kn 或 12节
  --log-correction 改正率 %6 ΔL，百分数，%1 到 %2，
                         如 -2、+3.5 或 -2%：船速 V = 计程仪航速 × (1 + ΔL)，
                         航程同样改正；默认 0
  --leeway 风压差        α，度，带符号，%7（右舷受风为负），
                         %3 到 %4，如 3、-2.5 或 +3°；默认 0
  --set 流向             流去的方向（不是流来的方向），0 到 %8 度，
                         如 120 或 120°
  --drift 流速           节，不小于 0，如 2、2.5kn；0 为无流
  --hours 航时           小时，不小于 0，如 2、2.5 或 2.5h；对地航程不超过
                         %5 海里
  时间1、时间2           写法同 --sight 的时间，可带区时：2026-12-08 08:00 +8；
                         时间2 要晚于时间1
  "起始船位" 等位置      写法同 --great-circle 的起点、终点，按 --form 读取
  --model                恒向线所在的地球模型，默认 WGS-84

  文字输出按教科书列出每一步：TC、α、CA、V、流、β、CG、γ、VG、航程和推算船位；
  α、β 注明左舷或右舷受风、受流。
  JSON 的数字、位置的写法同天文航海的 --json：角度为度（航向 0 到 %8，α、β、γ
  带符号），速度为节，航程为海里，位置为 {lat, lon}；用不上的键略去。
    --dead-reckoning      model、ca、cg、groundSpeed、alpha、beta、gamma、
                          speed（船速 V）、distance（对地航程）、
                          position {lat, lon}；流使船对地不动（VG 为 0）时
                          无 cg、beta、gamma
    --course-to-steer     tc、ca、groundSpeed、alpha、beta、gamma、speed
    --current-from-fixes  model、set（流向）、drift（流速）、dr {lat, lon}
                          （不计流的推算船位）、hours（两次定位的间隔）、
                          distance（流程，海里）
  退出状态：0 成功；1 数据有误：某个值无法识别或超出范围（如风压差超过 ±%4°、
  流速为负）、航迹保持不住或驶不出去、时间2 不晚于时间1、恒向线越过极点、
  航程过长，原因连同选项写在标准错误上，不输出结果；2 命令行有误：未知、
  重复或不属于该命令的选项、缺少值、缺少 --course、--speed 这类必需选项、
  --set 与 --drift 只给其一、--model 或 --form 的值不可选。
)"_s.arg(limit(-nav::kMaxLogCorrection), limit(nav::kMaxLogCorrection), limit(-nav::kMaxLeeway),
             limit(nav::kMaxLeeway), limit(nav::kMaxRun),
             currentQuantityName(nav::Quantity::LogCorrection), leewaySignRule(),
             limit(geo::kFullCircle));
}

}  // namespace tarnquil
