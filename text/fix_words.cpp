// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/fix_words.h"
#include "text/celestial_words.h"
#include "text/utf8_text.h"

#include "geo/units.h"
#include "nav/display.h"

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

// A figure to `decimals` places, as printf rounds (Qt's 'f' rounds the
// double's exact value too); with its sign when `signed_`.
QString figure(double value, int decimals, bool signed_ = false)
{
    const QString text = QString::number(value, 'f', decimals);
    const bool zero = text.toDouble() == 0;
    if (zero)
        return QString::number(0.0, 'f', decimals);
    return signed_ && value > 0 ? u'+' + text : text;
}

QString position(geo::GeoPoint point)
{
    return fromUtf8(nav::formatPosition(point));
}

QString markCalled(geo::GeoPoint mark, const QList<MarkName>& names)
{
    for (const MarkName& known : names) {
        if (known.position.latitude == mark.latitude && known.position.longitude == mark.longitude &&
            !known.name.isEmpty())
            return u"%1（%2）"_s.arg(known.name, position(mark));
    }
    return position(mark);
}

}  // namespace

QString noFixMessage(nav::NoFixReason reason)
{
    switch (reason) {
    case nav::NoFixReason::TooFewObservations:
        return u"定位至少需要两个观测。"_s;
    case nav::NoFixReason::CoincidentMarks:
        return u"水平角的两个物标在同一位置，无法定位。"_s;
    case nav::NoFixReason::ParallelBearings:
        return u"两方位线平行，无交点。"_s;
    case nav::NoFixReason::RangeCirclesApart:
        return u"两距离圆不相交。"_s;
    case nav::NoFixReason::LinesApart:
        return u"两船位线不相交（方位线只在物标的另一侧相交）。"_s;
    case nav::NoFixReason::Indeterminate:
        return u"船位线重合或相互矛盾，船位不确定。"_s;
    case nav::NoFixReason::NoAssumedPosition:
        return u"天体高度要有推算船位作为假定船位。"_s;
    case nav::NoFixReason::TooFar:
        break;
    }
    return u"船位线只在距物标 %1 海里以外相交，无法定位。"_s.arg(nav::kMaxSightDistance);
}

QString fixWarningMessage(const nav::FixWarning& warning)
{
    const QString lines = u"第 %1、%2 条船位线"_s.arg(warning.first + 1).arg(warning.second + 1);
    const QString cut = u"交角 %1°，小于 %2° 或大于 %3°"_s.arg(figure(warning.value, 1))
                            .arg(nav::kMinCutAngle)
                            .arg(geo::kHalfCircle - nav::kMinCutAngle);
    switch (warning.kind) {
    case nav::FixWarningKind::PoorCut:
        return lines + cut + u"，船位误差大。"_s;
    case nav::FixWarningKind::DangerCircle:
        return lines + cut + u"：船位接近三物标所在的圆（危险圆），船位不确定。"_s;
    case nav::FixWarningKind::LineFarFromFix:
        return u"第 %1 条船位线离船位 %2 海里，超过 %3 海里：各船位线相互矛盾，请检查观测。"_s
            .arg(warning.first + 1)
            .arg(figure(warning.value, 2))
            .arg(nav::kMaxCockedHatSide);
    case nav::FixWarningKind::LargeCockedHat:
        break;
    }
    return u"误差三角形在第 %1 条船位线上的边长 %2 海里，超过 %3 海里，请检查观测。"_s
        .arg(warning.first + 1)
        .arg(figure(warning.value, 2))
        .arg(nav::kMaxCockedHatSide);
}

QString fixFoundMessage(const QString& position)
{
    return u"船位："_s + position;
}

QString addedToRouteMessage(bool added)
{
    return added ? u"已把船位加入航线。"_s : u"船位与最后一个航点相同，未重复加入。"_s;
}

QString commonErrorWarningMessage(const nav::FixWarning& warning)
{
    return u"由第 %1 至 %2 条方位线的夹角求系统误差，两夹角的船位线交角 %3°，小于 %4° 或大于 %5°："
             u"船位接近三物标所在的圆（危险圆），求得的罗经差不可靠。"_s
        .arg(warning.first + 1)
        .arg(warning.second + 1)
        .arg(figure(warning.value, 1))
        .arg(nav::kMinCutAngle)
        .arg(geo::kHalfCircle - nav::kMinCutAngle);
}

QStringList fixFigures(const nav::Fix& fix, const QList<MarkName>& names)
{
    QStringList lines;
    for (std::size_t k = 1; k < fix.solutions.size(); ++k)
        lines << u"另一解："_s + position(fix.solutions[k]);
    for (const nav::MarkFromFix& mark : fix.marks) {
        lines << u"物标 %1：方位 %2°，距离 %3 海里"_s.arg(markCalled(mark.mark, names),
                                                   fromUtf8(nav::formatCourse(mark.bearing)),
                                                   fromUtf8(nav::formatDistance(mark.distance)));
    }
    for (const nav::AltitudeIntercept& line : fix.intercepts) {
        lines << u"第 %1 条船位线（天体高度）：截距 %2，Zn %3°，自假定船位 %4"_s.arg(
            QString::number(line.observation + 1), interceptText(line.intercept),
            fromUtf8(nav::formatCourse(line.zn)), position(line.assumed));
    }
    if (fix.cockedHat) {
        const auto& hat = *fix.cockedHat;
        lines << u"误差三角形：(1,2) %1，(1,3) %2，(2,3) %3"_s.arg(
            position(hat.corners[0]), position(hat.corners[1]), position(hat.corners[2]));
        lines << u"误差三角形边长：%1、%2、%3 海里"_s.arg(
            figure(hat.sides[0], 2), figure(hat.sides[1], 2), figure(hat.sides[2], 2));
    }
    if (fix.commonError) {
        const nav::CommonErrorFix& common = *fix.commonError;
        lines << u"系统误差：已输入罗经差之外剩余 %1°，总罗经差 %2°，船位 %3"_s.arg(
            figure(common.remaining, 1, true), figure(common.compassError, 1, true),
            position(common.position));
    }
    for (const nav::FixWarning& warning : fix.warnings)
        lines << u"注意："_s + fixWarningMessage(warning);
    if (fix.commonError) {
        for (const nav::FixWarning& warning : fix.commonError->warnings)
            lines << u"注意（系统误差）："_s + commonErrorWarningMessage(warning);
    }
    return lines;
}

}  // namespace tarnquil
