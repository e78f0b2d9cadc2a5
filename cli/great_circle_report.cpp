// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/great_circle_report.h"

#include "text/utf8_text.h"

#include "nav/display.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

const QString departureName = u"起点"_s;
const QString arrivalName = u"终点"_s;

// The columns a terminal gives a character: two for the CJK ideographs and
// full-width forms, one for the rest of what is printed here.
qsizetype terminalWidth(const QString& text)
{
    constexpr char16_t firstWide = u'\u1100';
    qsizetype width = 0;
    for (const QChar c : text)
        width += c.unicode() >= firstWide && c != u'°' && c != u'′' ? 2 : 1;
    return width;
}

QString padded(const QString& text, qsizetype width)
{
    return text + QString(qMax<qsizetype>(0, width - terminalWidth(text)), u' ');
}

QString pointName(std::size_t index, std::size_t count)
{
    if (index == 0)
        return departureName;
    if (index + 1 == count)
        return arrivalName;
    return fromUtf8(nav::greatCirclePointName(int(index)));
}

QString distanceText(double nauticalMiles)
{
    return fromUtf8(nav::formatDistance(nauticalMiles)) + u" 海里"_s;
}

QString courseText(double degrees)
{
    return fromUtf8(nav::formatCourse(degrees)) + u'°';
}

QString vertexLine(const std::optional<nav::Vertex>& vertex)
{
    if (!vertex)
        return u"顶点：无（沿赤道的航段，或起点与终点重合）"_s;
    return u"顶点 "_s + fromUtf8(nav::formatPosition(vertex->position))
        + (vertex->onLeg ? u"，在航段上"_s : u"，不在航段上（在其延长线上）"_s);
}

QStringList pointLines(const nav::GreatCircleSailing& sailing)
{
    const std::size_t count = sailing.points.size();
    qsizetype nameWidth = 0;
    for (std::size_t i = 0; i < count; ++i)
        nameWidth = qMax(nameWidth, terminalWidth(pointName(i, count)));
    QStringList lines;
    for (std::size_t i = 0; i < count; ++i) {
        const nav::SailingPoint& point = sailing.points[i];
        QString line = u"  "_s + padded(pointName(i, count), nameWidth + 2)
            + fromUtf8(nav::formatPosition(point.position));
        if (point.toNext)
            line += u"  "_s + courseText(point.toNext->course) + u"  "_s
                + distanceText(point.toNext->distance).rightJustified(12);
        lines << line;
    }
    return lines;
}

QJsonObject position(geo::GeoPoint point)
{
    return {{u"lat"_s, point.latitude}, {u"lon"_s, point.longitude}};
}

QJsonObject sailingPoint(const nav::SailingPoint& point)
{
    QJsonObject object = position(point.position);
    if (point.toNext) {
        object.insert(u"rhumbCourse"_s, point.toNext->course);
        object.insert(u"rhumbDistance"_s, point.toNext->distance);
    }
    return object;
}

}  // namespace

QString greatCircleText(const GreatCircleQuestion& question, const nav::GreatCircleSailing& sailing)
{
    const nav::GreatCircleLeg& leg = sailing.greatCircle;
    QStringList lines;
    lines << u"大圆始航向 %1，大圆航程 %2，地球模型 %3"_s.arg(courseText(leg.initialCourse),
                                                  distanceText(leg.distance),
                                                  fromUtf8(nav::modelName(question.model)))
          << vertexLine(sailing.vertex)
          << u"每 %1° 经度的分点，及各点到下一点的恒向线航向、航程："_s.arg(
                 QString::number(question.every, 'g', QLocale::FloatingPointShortest))
          << pointLines(sailing)
          << u"按恒向线分段航行共 %1，比大圆多 %2"_s.arg(
                 distanceText(sailing.rhumbDistance),
                 distanceText(qMax(0.0, sailing.rhumbDistance - leg.distance)));
    return lines.join(u'\n') + u'\n';
}

QByteArray greatCircleJson(const GreatCircleQuestion& question, const nav::GreatCircleSailing& sailing)
{
    QJsonArray points;
    for (std::size_t i = 1; i + 1 < sailing.points.size(); ++i)
        points.append(sailingPoint(sailing.points[i]));
    QJsonValue vertex = QJsonValue::Null;
    if (sailing.vertex) {
        QJsonObject object = position(sailing.vertex->position);
        object.insert(u"onLeg"_s, sailing.vertex->onLeg);
        vertex = object;
    }
    const nav::GreatCircleLeg& leg = sailing.greatCircle;
    const QJsonObject report{
        {u"model"_s, fromUtf8(nav::modelWord(question.model))},
        {u"every"_s, question.every},
        {u"from"_s, sailingPoint(sailing.points.front())},
        {u"to"_s, position(sailing.points.back().position)},
        {u"initialCourse"_s, leg.initialCourse},
        {u"finalCourse"_s, leg.finalCourse},
        {u"distance"_s, leg.distance},
        {u"vertex"_s, vertex},
        {u"points"_s, points},
        {u"rhumbDistance"_s, sailing.rhumbDistance},
    };
    return QJsonDocument(report).toJson(QJsonDocument::Indented);
}

}  // namespace tarnquil
