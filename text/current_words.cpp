// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/current_words.h"
#include "text/quoted_text.h"
#include "text/utf8_text.h"

#include "nav/display.h"
#include "nav/earth.h"

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

// The angle with its sign, and `port` or `starboard` after it by that sign.
QString sidedAngle(double degrees, const QString& port, const QString& starboard)
{
    const QString shown = fromUtf8(nav::formatAngleDifference(degrees)) + u'°';
    if (shown.startsWith(u'+'))
        return shown + u"（"_s + port + u"）"_s;
    if (shown.startsWith(u'-'))
        return shown + u"（"_s + starboard + u"）"_s;
    return shown;
}

QString course(double degrees)
{
    return fromUtf8(nav::formatCourse(degrees)) + u'°';
}

}  // namespace

QString currentQuantityName(nav::Quantity quantity)
{
    switch (quantity) {
    case nav::Quantity::Leeway:
        return u"风压差"_s;
    case nav::Quantity::CurrentSet:
        return u"流向"_s;
    case nav::Quantity::CurrentRate:
        return u"流速"_s;
    case nav::Quantity::LogCorrection:
        return u"计程仪改正率"_s;
    case nav::Quantity::Hours:
        return u"航时"_s;
    default:
        return {};
    }
}

QString leewaySignRule()
{
    return u"左舷受风为正"_s;
}

QString leewayText(double alpha)
{
    return sidedAngle(alpha, u"左舷受风"_s, u"右舷受风"_s);
}

QString currentCourseText(double degrees)
{
    return course(degrees);
}

QString currentSpeedText(double knots)
{
    return fromUtf8(nav::formatSpeed(knots)) + u" 节"_s;
}

QString noGroundTrackText()
{
    return u"无（对地不动）"_s;
}

QString currentPairRefusal()
{
    return u"流向与流速要一起给出。"_s;
}

QString legCurrentRefusal(const QString& text)
{
    return u"流向/流速"_s + quotedText(text)
        + u"无法识别：应写作 流向/流速，如 120/1.5（流去的方向 120°，流速 1.5 节）。"_s;
}

QString runOrHoursRefusal()
{
    return u"航程与航速、航时只用一种：按航速和航时推算风流压时请清空航程。"_s;
}

QString driftAngleText(double beta)
{
    return sidedAngle(beta, u"左舷受流"_s, u"右舷受流"_s);
}

QString angleSumText(double gamma)
{
    return fromUtf8(nav::formatAngleDifference(gamma)) + u'°';
}

QString trackRefusal(nav::CurrentRefusal reason, double track)
{
    switch (reason) {
    case nav::CurrentRefusal::TrackNotHeld:
        return u"计划航迹向 %1 保持不住：流垂直于航迹的分量大于船速，无论向哪一舷修正航向，都会被流压离航迹。"_s
            .arg(course(track));
    case nav::CurrentRefusal::NoWayMadeGood:
        return u"沿计划航迹向 %1 驶不出去：船在航迹上的速度抵不过逆航迹的流，对地航速为零或负。"_s.arg(
            course(track));
    case nav::CurrentRefusal::GreatCircleLeg:
        return u"大圆航段的航向沿途在变，流压差要逐段计算：请先在编辑菜单中把它分成几段恒向线。"_s;
    case nav::CurrentRefusal::TimeNotForward:
        break;
    }
    return u"后一次定位的时间要晚于前一次。"_s;
}

QString timeNotForwardRefusal(const QString& time1, const QString& time2, QStringView option)
{
    const QString named =
        option.isEmpty() ? u"第二船位的时间"_s : u"第二船位的时间（%1）"_s.arg(option);
    return named + quotedText(time2) + u"不晚于第一船位的时间"_s + quotedText(time1)
        + u"：后一次定位的时间要晚于前一次。"_s;
}

QString reckonedRunRefusal()
{
    return u"推算的对地航程超出范围：对地航速乘航时应不超过 %1 海里，请缩短航时。"_s.arg(
        QString::number(nav::kMaxRun, 'f', 0));
}

}  // namespace tarnquil
