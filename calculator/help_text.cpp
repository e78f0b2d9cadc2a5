// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculator/help_text.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace tarnquil {

QString helpText()
{
    static const QStringList lines = {
        u"此软件可以计算出航图上任意两点之间的距离和任意三点所成夹角的角度。"_s,
        u"    "_s,
        u"使用说明："_s,
        u"如何计算两点距离？"_s,
        u"请您先在第一点（起始点）和第二点（结束点）两功能栏中输入相应的经纬度，"
        u"再点击功能键【%1】，结果会在【距离输出】功能栏自动输出。"_s.arg(distanceCommandCaption),
        QString(),
        u"如何计算三点夹角？"_s,
        u"夹角生成原理：第一点和参考点所在直线与第二点和参考点所在直线相交形成夹角（=<180度）。"_s,
        u"请您先在第一点（起始点）和第二点（结束点）两功能栏中输入相应的经纬度，"
        u"其次在参考点输入经纬度，再点击功能键【%1】，"
        u"结果会在【角度输出】自动输出（单位：度）。"_s.arg(angleCommandCaption),
        QString(),
        u"注意：当选择了“分”单选钮，那么相应表框里就只能接受精确到分位的经纬输入，"
        u"参考航度的计量方法，如：4250.0；9338.80。"
        u"当选择了“秒”单选钮时，那么相应的表框里就只能接受精确到秒位的经纬输入，"
        u"如：421125；1021125。东经为正，西经为负；北纬为正，南纬为负。"_s,
        QString(),
        u"谢谢使用。"_s,
        QString(),
        u"其他写法：纬度可在最前或最后加 N、S 或 北、南（北纬、南纬），经度可加 E、W 或 东、西"
        u"（东经、西经），南纬、西经为负，如：4250.0S；南纬4250.0；E11624。"
        u"也可用度分秒符号（° ′ ″、度分秒或 d），此时不看“分”“秒”选择，"
        u"如：42°50.0′N；42°50′30″S；42度50.0分；42d50.5N；38°52′.3N；"
        u"或写作 42:50:30N、38-52.3N（用短横线时须写方位）、4250.1234,N。"
        u"把整个位置（如 30°10.2′N 122°05.3′E）粘贴到一栏，会分别填入该点的纬度和经度。"
        u"空格不计。无法识别的输入会提示原因，不会当作别的数值计算。"_s,
    };
    QString text;
    for (const QString& line : lines)
        text += line + u"\r\n"_s;
    return text;
}

}  // namespace tarnquil
