// SPDX-License-Identifier: GPL-3.0-or-later
#include "routefiles/gpx_writer.h"
#include "routefiles/gpx_namespaces.h"
#include "routefiles/save_file.h"

#include "text/file_messages.h"
#include "text/method_words.h"
#include "text/quoted_text.h"
#include "text/utf8_text.h"
#include "text/version.h"

#include "geo/units.h"
#include "nav/display.h"
#include "nav/earth_model.h"
#include "nav/eta_zone.h"

#include <QBuffer>
#include <QLocale>
#include <QXmlStreamWriter>

#include <algorithm>
#include <cmath>
#include <utility>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

// Readers that round to fewer decimals are then within 5e-10°, some 0.05 mm.
constexpr qsizetype minimumDecimals = 9;

QString coordinateText(double value)
{
    QString text = QString::number(value, 'f', QLocale::FloatingPointShortest);
    qsizetype point = text.indexOf(u'.');
    if (point < 0) {
        point = text.size();
        text += u'.';
    }
    const qsizetype decimals = text.size() - point - 1;
    if (decimals < minimumDecimals)
        text += QString(minimumDecimals - decimals, u'0');
    return text;
}

bool isWritable(double value, double limit)
{
    return std::isfinite(value) && std::abs(value) <= limit;
}

// Why the route cannot be written as it is; empty when it can.
QString pointFault(const GpxRoute& route)
{
    for (qsizetype i = 0; i < route.points.size(); ++i) {
        const GpxWaypoint& point = route.points[i];
        if (!isWritable(point.latitude, geo::kMaxLatitude))
            return u"第 %1 个航点的纬度 %2 不在 %3 到 %4 之间"_s.arg(i + 1).arg(point.latitude)
                .arg(-geo::kMaxLatitude).arg(geo::kMaxLatitude);
        if (!isWritable(point.longitude, geo::kMaxLongitude))
            return u"第 %1 个航点的经度 %2 不在 %3 到 %4 之间"_s.arg(i + 1).arg(point.longitude)
                .arg(-geo::kMaxLongitude).arg(geo::kMaxLongitude);
    }
    return {};
}

// The first character of text that XML 1.0 cannot hold (a control
// character other than tab, line feed and carriage return, an unpaired
// surrogate, U+FFFE or U+FFFF), as U+XXXX; empty when there is none.
QString unwritableCharacter(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        const bool control = c < 0x20 && c != u'\t' && c != u'\n' && c != u'\r';
        if (control || QChar::isSurrogate(c) || c == 0xFFFE || c == 0xFFFF) {
            const QString code = u"U+%1"_s.arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
            return QChar::isSurrogate(c) ? u"不成对的代理项 "_s + code : code;
        }
    }
    return {};
}

// Why a text of the route cannot be written; empty when all can. Names the
// field and the waypoint, by its number and its name:
//   第 2 个航点“舟山”的备注中有无法写入 XML 的字符 U+0001
//   第 3 个航点的名称中有无法写入 XML 的字符 不成对的代理项 U+D800
//   航线名称中有无法写入 XML 的字符 U+001B
QString textFault(const GpxRoute& route)
{
    const auto fault = [](const QString& where, const QString& character) {
        return u"%1中有无法写入 XML 的字符 %2"_s.arg(where, character);
    };
    if (const QString c = unwritableCharacter(route.name); !c.isEmpty())
        return fault(u"航线名称"_s, c);
    for (qsizetype i = 0; i < route.points.size(); ++i) {
        const GpxWaypoint& point = route.points[i];
        // A name that is itself at fault is not shown: the number says which.
        const QString waypoint = point.name.isEmpty() || !unwritableCharacter(point.name).isEmpty()
            ? u"第 %1 个航点的"_s.arg(i + 1)
            : u"第 %1 个航点%2的"_s.arg(i + 1).arg(quotedText(point.name));
        const std::pair<LegColumn, const QString*> fields[] = {
            {LegColumn::Name, &point.name}, {LegColumn::Remark, &point.remark},
            {LegColumn::Speed, &point.speed}};
        for (const auto& [column, text] : fields)
            if (const QString c = unwritableCharacter(*text); !c.isEmpty())
                return fault(waypoint + legColumnTitle(column), c);
    }
    return {};
}

// An element of text, each carriage return written as a character
// reference: a reader turns a CR written as it is, or a CR LF, into a LF.
void writeText(QXmlStreamWriter& xml, const QString& element, const QString& text)
{
    xml.writeStartElement(element);
    const QStringList lines = text.split(u'\r');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            xml.writeEntityReference(u"#13"_s);
        if (!lines[i].isEmpty())
            xml.writeCharacters(lines[i]);
    }
    xml.writeEndElement();
}

void writeName(QXmlStreamWriter& xml, const QString& name)
{
    if (!name.isEmpty())
        writeText(xml, u"name"_s, name);
}

QString plainNumber(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

void writePlan(QXmlStreamWriter& xml, const SavedSettings& saved)
{
    const QString uri = tarnquilNamespace.toString();
    xml.writeStartElement(u"extensions"_s);
    xml.writeEmptyElement(uri, u"plan"_s);
    if (saved.model)
        xml.writeAttribute(u"model"_s, fromUtf8(nav::modelWord(*saved.model)));
    if (saved.speed && *saved.speed)
        xml.writeAttribute(u"speed"_s, plainNumber(**saved.speed));
    if (saved.departure && *saved.departure)
        xml.writeAttribute(u"departure"_s, fromUtf8(nav::formatClockTime(**saved.departure)));
    if (saved.departureZone)
        xml.writeAttribute(u"zone"_s, fromUtf8(nav::formatTimeZone(*saved.departureZone)));
    if (saved.etaZone)
        xml.writeAttribute(u"eta-zone"_s, fromUtf8(nav::etaZoneWord(*saved.etaZone)));
    if (saved.reckoning) {
        for (const ReckoningAttribute& given : reckoningAttributes) {
            const QString& text = (*saved.reckoning).*given.text;
            if (!text.isEmpty())
                xml.writeAttribute(given.name.toString(), text);
        }
    }
    xml.writeEndElement();
}

void writeLeg(QXmlStreamWriter& xml, const GpxWaypoint& point)
{
    if (!point.method && point.speed.isEmpty() && point.current.isEmpty() && point.leeway.isEmpty())
        return;
    xml.writeStartElement(u"extensions"_s);
    xml.writeEmptyElement(tarnquilNamespace.toString(), u"leg"_s);
    if (point.method)
        xml.writeAttribute(u"method"_s, methodCell(*point.method));
    if (!point.speed.isEmpty())
        xml.writeAttribute(u"speed"_s, point.speed);
    if (!point.current.isEmpty())
        xml.writeAttribute(u"current"_s, point.current);
    if (!point.leeway.isEmpty())
        xml.writeAttribute(u"leeway"_s, point.leeway);
    xml.writeEndElement();
}

bool usesExtension(const GpxRoute& route)
{
    return route.saved != SavedSettings{}
        || std::any_of(route.points.cbegin(), route.points.cend(), [](const GpxWaypoint& point) {
               return point.method || !point.speed.isEmpty() || !point.current.isEmpty()
                   || !point.leeway.isEmpty();
           });
}

void writeDocument(QXmlStreamWriter& xml, const GpxRoute& route)
{
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(u"gpx"_s);
    xml.writeDefaultNamespace(gpx11Namespace.toString());
    xml.writeNamespace(schemaInstanceNamespace.toString(), u"xsi"_s);
    if (usesExtension(route))
        xml.writeNamespace(tarnquilNamespace.toString(), tarnquilPrefix.toString());
    xml.writeAttribute(u"version"_s, u"1.1"_s);
    xml.writeAttribute(u"creator"_s, u"Tarnquil "_s + QString::fromUtf16(programVersion));
    xml.writeAttribute(schemaInstanceNamespace.toString(), u"schemaLocation"_s,
                       gpx11Namespace.toString() + u' ' + gpx11Schema.toString());
    // In the order of GPX 1.1's schema: <name>, <desc>, then <extensions>.
    xml.writeStartElement(u"rte"_s);
    writeName(xml, route.name);
    if (route.saved != SavedSettings{})
        writePlan(xml, route.saved);
    for (const GpxWaypoint& point : route.points) {
        xml.writeStartElement(u"rtept"_s);
        xml.writeAttribute(u"lat"_s, coordinateText(point.latitude));
        xml.writeAttribute(u"lon"_s, coordinateText(point.longitude));
        writeName(xml, point.name);
        if (!point.remark.isEmpty())
            writeText(xml, u"desc"_s, point.remark);
        writeLeg(xml, point);
        xml.writeEndElement();
    }
    xml.writeEndDocument();
}

}  // namespace

QString writeGpxFile(const QString& path, const GpxRoute& route)
{
    if (const QString fault = pointFault(route); !fault.isEmpty())
        return saveFailure(path, fault);
    if (const QString fault = textFault(route); !fault.isEmpty())
        return saveFailure(path, fault);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter xml(&buffer);
    writeDocument(xml, route);
    // The buffer takes every byte, and textFault found every character the
    // writer cannot encode.
    if (xml.hasError())
        return saveFailure(path, u"有无法写入 XML 的字符"_s);
    return saveFile(path, buffer.data());
}

}  // namespace tarnquil
