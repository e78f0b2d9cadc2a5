// SPDX-License-Identifier: GPL-3.0-or-later
#include "routefiles/gpx_reader.h"
#include "routefiles/gpx_namespaces.h"
#include "text/file_messages.h"
#include "text/method_words.h"
#include "text/quoted_text.h"
#include "text/quantity_text.h"
#include "text/refusals.h"

#include "geo/units.h"
#include "nav/earth_model.h"
#include "nav/entry.h"
#include "nav/eta_zone.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QStringConverter>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

// Why a document is refused. Thrown only inside this file, so that a refusal
// anywhere in the document drops everything read before it.
struct Refusal {
    QString message;
    qint64 line = 0;
};

[[noreturn]] void refuse(qint64 line, const QString& rule)
{
    throw Refusal{u"第 %1 行："_s.arg(line) + rule, line};
}

// A coordinate attribute, its name in messages and the magnitude it may reach.
struct Axis {
    QLatin1StringView attribute;
    QStringView name;
    double limit;
};
constexpr Axis latitudeAxis{QLatin1StringView("lat"), u"纬度", geo::kMaxLatitude};
constexpr Axis longitudeAxis{QLatin1StringView("lon"), u"经度", geo::kMaxLongitude};

// One GPX document, read token by token. Every token passes through next(),
// which stops at the first DTD, unresolved entity or XML error: the document
// is read to its end, so a fault after the last point refuses it too.
class GpxDocument
{
public:
    explicit GpxDocument(QIODevice* file) : xml_(file) {}

    // Reads the whole document; throws Refusal.
    void read();

    QList<GpxRoute> routes;  // every <rte>, empty ones too
    QList<GpxWaypoint> waypoints;

private:
    QXmlStreamReader::TokenType next();
    qint64 dtdFirstLine() const;
    bool isGpxElement(QStringView name) const;
    void readRoot();
    GpxRoute readRoute();
    GpxWaypoint readPoint();
    void readPlan(SavedSettings& saved);
    void readLeg(GpxWaypoint& point);
    bool isTarnquilElement(QStringView name) const;
    QString attribute(QStringView name) const;
    double readCoordinate(const Axis& axis) const;
    QString readText();
    void skipElement();

    // Reads the children of the current element: visit() reads the one it
    // takes to its end and says so; the others are skipped.
    template <typename Visit>
    void readChildren(Visit visit)
    {
        while (next() != QXmlStreamReader::EndElement) {
            if (xml_.isStartElement() && !visit())
                skipElement();
        }
    }

    QXmlStreamReader xml_;
    QString namespace_;  // the root's: GPX 1.0, 1.1 or none
};

void GpxDocument::read()
{
    while (next() != QXmlStreamReader::StartElement) {
    }
    readRoot();
    readChildren([this] {
        if (isGpxElement(u"rte")) {
            routes << readRoute();
        } else if (isGpxElement(u"wpt")) {
            waypoints << readPoint();
        } else {
            return false;
        }
        return true;
    });
    while (next() != QXmlStreamReader::EndDocument) {
    }
}

QXmlStreamReader::TokenType GpxDocument::next()
{
    switch (xml_.readNext()) {
    case QXmlStreamReader::Invalid:
        if (xml_.error() == QXmlStreamReader::PrematureEndOfDocumentError)
            refuse(xml_.lineNumber(), u"文件到此结束，XML 却没有结束：文件不完整。"_s);
        refuse(xml_.lineNumber(),
               u"XML 格式有误（%1）。"_s.arg(withoutFullStop(xml_.errorString())));
    case QXmlStreamReader::DTD:
        // Entities are declared there; refusing it before the root element
        // means none is ever expanded ("billion laughs") or fetched.
        refuse(dtdFirstLine(), u"文件含有文档类型定义（<!DOCTYPE …>）。"
                         u"为安全起见，不读取带文档类型定义或实体的 GPX 文件。"_s);
    case QXmlStreamReader::EntityReference:
        // The reader reports a reference it cannot resolve this way only in
        // a document with a DTD, refused above; without one the reference
        // is an XML error. Refused all the same, never read as no text.
        refuse(xml_.lineNumber(), u"无法解析的实体引用“&%1;”。"_s.arg(xml_.name()));
    default:
        return xml_.tokenType();
    }
}

qint64 GpxDocument::dtdFirstLine() const
{
    // The reader stands at the DTD's end; its text starts with the blanks
    // and line breaks in front of it.
    return xml_.lineNumber() - xml_.text().trimmed().count(u'\n');
}

bool GpxDocument::isGpxElement(QStringView name) const
{
    return xml_.name() == name && xml_.namespaceUri() == namespace_;
}

void GpxDocument::readRoot()
{
    const QStringView uri = xml_.namespaceUri();
    if (xml_.name() != u"gpx")
        refuse(xml_.lineNumber(), u"根元素是%1，不是 GPX 文件的 <gpx>。"_s.arg(
                                      quotedText(xml_.qualifiedName().toString())));
    if (!uri.isEmpty() && uri != gpx10Namespace && uri != gpx11Namespace)
        refuse(xml_.lineNumber(), u"<gpx> 的命名空间%1不是 GPX 1.0 或 1.1 的命名空间。"_s.arg(
                                      quotedText(uri.toString())));
    namespace_ = uri.toString();
}

bool GpxDocument::isTarnquilElement(QStringView name) const
{
    return xml_.name() == name && xml_.namespaceUri() == tarnquilNamespace;
}

QString GpxDocument::attribute(QStringView name) const
{
    return xml_.attributes().value(name.toString()).toString();
}

GpxRoute GpxDocument::readRoute()
{
    GpxRoute route;
    readChildren([this, &route] {
        if (isGpxElement(u"name"))
            route.name = readText();
        else if (isGpxElement(u"rtept"))
            route.points << readPoint();
        else if (isGpxElement(u"extensions"))
            readChildren([this, &route] {
                if (!isTarnquilElement(u"plan"))
                    return false;
                readPlan(route.saved);
                return true;
            });
        else
            return false;
        return true;
    });
    return route;
}

// The route's own values: a plan element states the speed and the departure,
// also by leaving them out.
void GpxDocument::readPlan(SavedSettings& saved)
{
    const qint64 line = xml_.lineNumber();
    const QXmlStreamAttributes attributes = xml_.attributes();
    if (attributes.hasAttribute(u"model"_s)) {
        saved.model = nav::readModelWord(attribute(u"model").toStdString());
        if (!saved.model)
            refuse(line, u"地球模型%1无法识别。"_s.arg(quotedText(attribute(u"model"))));
    }
    saved.speed = std::optional<double>();
    if (attributes.hasAttribute(u"speed"_s)) {
        const QuantityReading speed = readSpeedText(attribute(u"speed"));
        if (!speed.value)
            refuse(line, speed.refusal);
        saved.speed = speed.value;
    }
    saved.departure = std::optional<nav::ClockTime>();
    if (attributes.hasAttribute(u"departure"_s)) {
        const QString text = attribute(u"departure");
        saved.departure = nav::readClockTime(text.toStdString());
        if (!*saved.departure)
            refuse(line, departureRefusal(text));
    }
    if (attributes.hasAttribute(u"zone"_s)) {
        const QString text = attribute(u"zone");
        saved.departureZone = nav::readTimeZone(text.toStdString());
        if (!saved.departureZone)
            refuse(line, timeZoneRefusal(text));
    }
    if (attributes.hasAttribute(u"eta-zone"_s)) {
        const QString text = attribute(u"eta-zone");
        saved.etaZone = nav::readEtaZoneWord(text.toStdString());
        if (!saved.etaZone)
            refuse(line, u"预计到达所用的区时%1无法识别。"_s.arg(quotedText(text)));
    }
    for (const ReckoningAttribute& given : reckoningAttributes) {
        if (!attributes.hasAttribute(given.name.toString()))
            continue;
        if (!saved.reckoning)
            saved.reckoning.emplace();
        (*saved.reckoning).*given.text = attribute(given.name);
    }
    skipElement();
}

void GpxDocument::readLeg(GpxWaypoint& point)
{
    if (xml_.attributes().hasAttribute(u"method"_s)) {
        const QString text = attribute(u"method");
        point.method = readMethodCell(text);
        if (!point.method)
            refuse(xml_.lineNumber(), u"%1不是航法，应为 %2。"_s.arg(quotedText(text), methodCodeChoices()));
    }
    point.speed = attribute(u"speed");
    point.current = attribute(u"current");
    point.leeway = attribute(u"leeway");
    skipElement();
}

GpxWaypoint GpxDocument::readPoint()
{
    GpxWaypoint point;
    point.latitude = readCoordinate(latitudeAxis);
    point.longitude = readCoordinate(longitudeAxis);
    readChildren([this, &point] {
        if (isGpxElement(u"name"))
            point.name = readText();
        else if (isGpxElement(u"desc"))
            point.remark = readText();
        else if (isGpxElement(u"extensions"))
            readChildren([this, &point] {
                if (!isTarnquilElement(u"leg"))
                    return false;
                readLeg(point);
                return true;
            });
        else
            return false;
        return true;
    });
    return point;
}

double GpxDocument::readCoordinate(const Axis& axis) const
{
    const QXmlStreamAttributes attributes = xml_.attributes();
    if (!attributes.hasAttribute(axis.attribute))
        refuse(xml_.lineNumber(),
               u"<%1> 缺少%2属性 %3。"_s.arg(xml_.qualifiedName(), axis.name, axis.attribute));
    const QStringView text = attributes.value(axis.attribute);
    bool isNumber = false;
    const double value = text.toDouble(&isNumber);
    if (!isNumber || !std::isfinite(value))
        refuse(xml_.lineNumber(), u"%1%2不是有效的数字，应为十进制的度数，如 31.2304。"_s.arg(
                                      axis.name, quotedText(text.toString())));
    if (std::abs(value) > axis.limit)
        refuse(xml_.lineNumber(), u"%1%2超出 -%3 到 %3 的范围。"_s.arg(
                                      axis.name, quotedText(text.toString()))
                                      .arg(axis.limit));
    return value;
}

QString GpxDocument::readText()
{
    QString text;
    while (next() != QXmlStreamReader::EndElement) {
        if (xml_.isCharacters())
            text += xml_.text();
        else if (xml_.isStartElement())
            skipElement();
    }
    return text;
}

void GpxDocument::skipElement()
{
    for (qsizetype depth = 1; depth > 0;) {
        const QXmlStreamReader::TokenType token = next();
        if (token == QXmlStreamReader::StartElement)
            ++depth;
        else if (token == QXmlStreamReader::EndElement)
            --depth;
    }
}

// Where `text` (code units in which '<', '>', '=', quotes and the line feed
// are those characters and nothing else) continues at `at`.
template <typename Text>
bool startsWith(const Text& text, qsizetype at, std::string_view what)
{
    if (text.size() - at < qsizetype(what.size()))
        return false;
    for (std::size_t k = 0; k < what.size(); ++k)
        if (text[at + qsizetype(k)] != what[k])
            return false;
    return true;
}

QString textOf(QByteArrayView utf8) { return QString::fromUtf8(utf8); }
QString textOf(QStringView text) { return text.toString(); }

// Refuses the first start tag of more than maximumGpxAttributes attributes,
// in one pass over the text: comments, CDATA sections, processing
// instructions, declarations and end tags are stepped over, and within a
// start tag every '=' outside the quoted values begins an attribute's value.
// Malformed markup is left to the parser.
template <typename Text>
void refuseCrowdedElements(const Text& text)
{
    const qsizetype size = text.size();
    qint64 line = 1;
    qsizetype counted = 0;  // the lines are counted up to here
    const auto lineAt = [&](qsizetype at) {
        for (; counted < at; ++counted)
            line += text[counted] == '\n';
        return line;
    };
    const auto skipPast = [&](qsizetype from, std::string_view end) {
        for (qsizetype i = from; i < size; ++i)
            if (startsWith(text, i, end))
                return i + qsizetype(end.size());
        return size;
    };
    for (qsizetype i = 0; i < size;) {
        if (text[i] != '<') {
            ++i;
        } else if (startsWith(text, i, "<!--")) {
            i = skipPast(i + 4, "-->");
        } else if (startsWith(text, i, "<![CDATA[")) {
            i = skipPast(i + 9, "]]>");
        } else if (startsWith(text, i, "<?")) {
            i = skipPast(i + 2, "?>");
        } else if (startsWith(text, i, "<!") || startsWith(text, i, "</")) {
            i = skipPast(i + 2, ">");
        } else {
            const qsizetype start = i;
            qsizetype attributes = 0;
            for (++i; i < size && text[i] != '>'; ++i) {
                if (text[i] == '"' || text[i] == '\'') {
                    const auto quote = text[i];
                    for (++i; i < size && text[i] != quote; ++i) {
                    }
                } else if (text[i] == '=' && ++attributes > maximumGpxAttributes) {
                    qsizetype nameEnd = start + 1;
                    while (nameEnd < size && text[nameEnd] != ' ' && text[nameEnd] != '\t'
                           && text[nameEnd] != '\r' && text[nameEnd] != '\n'
                           && text[nameEnd] != '/' && text[nameEnd] != '>')
                        ++nameEnd;
                    const QString name = textOf(text.sliced(start + 1, nameEnd - start - 1));
                    refuse(lineAt(start), u"<%1> 的属性超过 %2 个：GPX 的元素没有这么多属性。"_s
                                              .arg(name)
                                              .arg(maximumGpxAttributes));
                }
            }
        }
    }
}

// The same on the bytes of a file: as they stand in an encoding that keeps
// ASCII's bytes for ASCII's characters (UTF-8, GB18030, Latin-1 …), decoded
// from UTF-16 or UTF-32, which QXmlStreamReader also reads.
void refuseCrowdedElements(const QByteArray& bytes)
{
    const std::optional<QStringConverter::Encoding> encoding =
        QStringConverter::encodingForData(bytes);
    const bool wide = encoding && *encoding != QStringConverter::Utf8
                      && *encoding != QStringConverter::Latin1;
    if (!wide) {
        refuseCrowdedElements(QByteArrayView(bytes));
        return;
    }
    QStringDecoder decoder(*encoding);
    const QString text = decoder(bytes);
    refuseCrowdedElements(QStringView(text));
}

GpxReading refused(const QString& message, qint64 line = 0)
{
    return {{}, message, line};
}

// The routes of a file that is not empty, read whole, then parsed, so that
// reading stops at the first fault.
GpxReading readDocument(QFile& file)
{
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return refused(readFailure(file.fileName(), file.errorString()));
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    GpxDocument document(&buffer);
    try {
        refuseCrowdedElements(bytes);
        document.read();
    } catch (const Refusal& refusal) {
        return refused(refusal.message, refusal.line);
    }
    const QString shown = quotedPath(file.fileName());
    QList<GpxRoute> routes = document.routes;
    const bool anyPoint = std::any_of(routes.cbegin(), routes.cend(),
                                      [](const GpxRoute& route) { return !route.points.isEmpty(); });
    if (!anyPoint)
        routes.clear();
    if (routes.isEmpty() && !document.waypoints.isEmpty())
        routes << GpxRoute{{}, document.waypoints, {}};
    if (routes.isEmpty())
        return refused(u"文件%1中既没有航线点（<rtept>）也没有航点（<wpt>）。"_s.arg(shown));
    const QString fileName = QFileInfo(file.fileName()).completeBaseName();
    for (GpxRoute& route : routes) {
        if (route.name.trimmed().isEmpty())
            route.name = fileName;
    }
    return {routes, {}, 0};
}

}  // namespace

GpxReading readGpxFile(const QString& path)
{
    const QString shown = quotedPath(path);
    // A pipe or a device may never open or never end.
    if (const QString failure = notRegularFileFailure(path); !failure.isEmpty())
        return refused(failure);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(openFailure(path, file.errorString()));
    if (file.size() > maximumGpxFileBytes)
        return refused(tooLargeFailure(path, u"GPX", maximumGpxFileBytes));
    if (file.size() == 0)
        return refused(u"文件%1是空的。"_s.arg(shown));
    return readDocument(file);
}

GpxRouteChoice chooseGpxRoute(const GpxReading& reading, qsizetype number)
{
    if (!reading.error.isEmpty())
        return {{}, reading.error};
    const qsizetype count = reading.routes.size();
    if (number < 1)
        return {{}, u"没有第 %1 条航线：航线从 1 开始编号。"_s.arg(number)};
    if (number > count)
        return {{}, u"没有第 %1 条航线：文件中只有 %2 条航线。"_s.arg(number).arg(count)};
    const GpxRoute& route = reading.routes[number - 1];
    if (route.points.isEmpty())
        return {{}, u"第 %1 条航线%2中没有航点。"_s.arg(number).arg(quotedText(route.name))};
    return {route, {}};
}

}  // namespace tarnquil
