// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/current_report.h"
#include "text/report_lines.h"

#include "text/celestial_words.h"
#include "text/current_words.h"
#include "text/utf8_text.h"

#include "nav/display.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

// ---- text -------------------------------------------------------------------

QString course(double degrees)
{
    return currentCourseText(degrees);
}

QString position(geo::GeoPoint point)
{
    return fromUtf8(nav::formatPosition(point));
}

// A number as the navigator typed it, in its shortest form: 12, 2.5, 0.75.
QString typed(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString knots(double speed)
{
    return currentSpeedText(speed);
}

QString miles(double distance)
{
    return fromUtf8(nav::formatDistance(distance)) + u" 海里"_s;
}

// V, and the log's reading it was corrected from when ΔL is not 0.
QString speedThroughWater(nav::LogSpeed log)
{
    if (log.correction == 0)
        return typed(log.knots) + u" 节"_s;
    const QString sign = log.correction > 0 ? u"+"_s : QString();
    return knots(nav::throughWater(log.knots, log.correction))
        + u"（计程仪航速 %1 节，改正率 ΔL %2%3%）"_s.arg(typed(log.knots), sign, typed(log.correction));
}

QString currentGiven(const std::optional<nav::Current>& current)
{
    if (!current || current->rate == 0)
        return u"无流"_s;
    return u"%1，%2 节"_s.arg(course(current->set), typed(current->rate));
}

QString heading(const QString& problem, nav::EarthModel model)
{
    return u"%1，地球模型 %2"_s.arg(problem, fromUtf8(nav::modelName(model)));
}

// What VG 0 leaves without a value: the ship has no track over the ground.
const QString noTrack = noGroundTrackText();

QString zonedTime(const GivenTime& time)
{
    return zonedTimeText(time.instant, time.zone, Seconds::WithFraction);
}

// ---- JSON -------------------------------------------------------------------

QJsonObject point(geo::GeoPoint position)
{
    return {{u"lat"_s, position.latitude}, {u"lon"_s, position.longitude}};
}

QString modelKey(nav::EarthModel model)
{
    return fromUtf8(nav::modelWord(model));
}

QByteArray document(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

}  // namespace

// ---- --dead-reckoning ---------------------------------------------------------

QString reckoningText(const ReckoningQuestion& question, const nav::CurrentReckoning& reckoning)
{
    const QList<Step> steps{
        {u"起始船位"_s, position(question.from)},
        {u"真航向 TC"_s, course(question.steering.course)},
        {u"风压差 α"_s, leewayText(reckoning.alpha)},
        {u"风中航迹向 CA = TC + α"_s, course(reckoning.ca)},
        {u"船速 V"_s, speedThroughWater(question.log)},
        {u"流向、流速"_s, currentGiven(question.current)},
        {u"流压差 β"_s, reckoning.beta ? driftAngleText(*reckoning.beta) : noTrack},
        {u"推算航迹向 CG = CA + β"_s, reckoning.cg ? course(*reckoning.cg) : noTrack},
        {u"风流压差 γ = α + β"_s, reckoning.gamma ? angleSumText(*reckoning.gamma) : noTrack},
        {u"对地航速 VG"_s, knots(reckoning.groundSpeed)},
        {u"航时 t"_s, typed(question.hours) + u" 小时"_s},
        {u"航程 S = VG × t"_s, miles(reckoning.distance)},
        {u"推算船位"_s, position(reckoning.position)},
    };
    return joined(QStringList{heading(u"推算船位（先风后流）"_s, question.model)} + stepLines(steps));
}

QByteArray reckoningJson(const ReckoningQuestion& question, const nav::CurrentReckoning& reckoning)
{
    QJsonObject object{
        {u"model"_s, modelKey(question.model)},
        {u"ca"_s, reckoning.ca},
        {u"groundSpeed"_s, reckoning.groundSpeed},
        {u"alpha"_s, reckoning.alpha},
        {u"speed"_s, nav::throughWater(question.log.knots, question.log.correction)},
        {u"distance"_s, reckoning.distance},
        {u"position"_s, point(reckoning.position)},
    };
    if (reckoning.cg)
        object.insert(u"cg"_s, *reckoning.cg);
    if (reckoning.beta)
        object.insert(u"beta"_s, *reckoning.beta);
    if (reckoning.gamma)
        object.insert(u"gamma"_s, *reckoning.gamma);
    return document(object);
}

// ---- --course-to-steer ----------------------------------------------------------

QString steeringText(const SteeringQuestion& question, const nav::CourseToSteer& steer)
{
    const QList<Step> steps{
        {u"计划航迹向 CG"_s, course(question.track)},
        {u"船速 V"_s, speedThroughWater(question.log)},
        {u"流向、流速"_s, currentGiven(question.current)},
        {u"流压差 β"_s, driftAngleText(steer.beta)},
        {u"风中航迹向 CA = CG − β"_s, course(steer.ca)},
        {u"风压差 α"_s, leewayText(steer.alpha)},
        {u"真航向 TC = CA − α"_s, course(steer.tc)},
        {u"风流压差 γ = α + β"_s, angleSumText(steer.gamma)},
        {u"对地航速 VG"_s, knots(steer.groundSpeed)},
    };
    return joined(QStringList{u"预配风流压差（先流后风）：应驶真航向 TC %1"_s.arg(course(steer.tc))}
                  + stepLines(steps));
}

QByteArray steeringJson(const SteeringQuestion& question, const nav::CourseToSteer& steer)
{
    return document({
        {u"tc"_s, steer.tc},
        {u"ca"_s, steer.ca},
        {u"groundSpeed"_s, steer.groundSpeed},
        {u"alpha"_s, steer.alpha},
        {u"beta"_s, steer.beta},
        {u"gamma"_s, steer.gamma},
        {u"speed"_s, nav::throughWater(question.log.knots, question.log.correction)},
    });
}

// ---- --current-from-fixes -------------------------------------------------------

QString foundCurrentText(const FixesQuestion& question, const nav::FoundCurrent& found)
{
    const bool still = found.distance == 0;
    const QList<Step> steps{
        {u"第一船位"_s, u"%1（%2）"_s.arg(position(question.fix1), zonedTime(question.time1))},
        {u"第二船位"_s, u"%1（%2）"_s.arg(position(question.fix2), zonedTime(question.time2))},
        {u"间隔 t"_s, fromUtf8(nav::formatTimeUnderWay(found.hours))},
        {u"真航向 TC"_s, course(question.steering.course)},
        {u"风压差 α"_s, leewayText(question.steering.leeway)},
        {u"风中航迹向 CA = TC + α"_s, course(found.ca)},
        {u"船速 V"_s, speedThroughWater(question.log)},
        {u"推算船位（无流）"_s, position(found.dr)},
        {u"流程（推算船位到第二船位）"_s, miles(found.distance)},
        {u"流向"_s, still ? u"无流"_s : course(found.set)},
        {u"流速 = 流程 ÷ t"_s, knots(found.drift)},
    };
    return joined(QStringList{heading(u"求流（两次定位之间）"_s, question.model)} + stepLines(steps));
}

QByteArray foundCurrentJson(const FixesQuestion& question, const nav::FoundCurrent& found)
{
    return document({
        {u"model"_s, modelKey(question.model)},
        {u"set"_s, found.set},
        {u"drift"_s, found.drift},
        {u"dr"_s, point(found.dr)},
        {u"hours"_s, found.hours},
        {u"distance"_s, found.distance},
    });
}

}  // namespace tarnquil
