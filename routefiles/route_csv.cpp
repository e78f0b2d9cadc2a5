// SPDX-License-Identifier: GPL-3.0-or-later
#include "routefiles/route_csv.h"
#include "routefiles/csv_records.h"

#include "text/file_messages.h"
#include "text/method_words.h"
#include "text/quoted_text.h"

#include <QFile>
#include <QStringDecoder>

#include <array>
#include <optional>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

enum class RouteField { Name, Latitude, Longitude, Method };
constexpr int routeFieldCount = 4;

struct HeaderWord {
    QStringView word;  // case-folded
    RouteField field;
};

constexpr std::array headerWords = {
    HeaderWord{u"名称", RouteField::Name},      HeaderWord{u"name", RouteField::Name},
    HeaderWord{u"纬度", RouteField::Latitude},  HeaderWord{u"lat", RouteField::Latitude},
    HeaderWord{u"latitude", RouteField::Latitude},
    HeaderWord{u"经度", RouteField::Longitude}, HeaderWord{u"lon", RouteField::Longitude},
    HeaderWord{u"longitude", RouteField::Longitude},
    HeaderWord{u"航法", RouteField::Method},    HeaderWord{u"method", RouteField::Method},
};

const QByteArray byteOrderMark = "\xEF\xBB\xBF";
const QByteArray lineEnd = "\r\n";

// The leg table's column each field is written to and titled by.
constexpr std::array<LegColumn, routeFieldCount> fieldColumns = {
    LegColumn::Name, LegColumn::Latitude, LegColumn::Longitude, LegColumn::Method};

QString fieldTitle(RouteField field)
{
    return legColumnTitle(fieldColumns[std::size_t(field)]);
}

// Thrown inside the reader, turned into the refusal at its door.
struct Refusal {
    QString message;
    qint64 line;
};

[[noreturn]] void refuse(qint64 line, const QString& reason)
{
    throw Refusal{u"第 %1 行："_s.arg(line) + reason, line};
}

// column from 0, as the header's
[[noreturn]] void refuseField(qint64 line, qsizetype column, const QString& reason)
{
    throw Refusal{u"第 %1 行第 %2 列"_s.arg(line).arg(column + 1) + reason, line};
}

// The column (from 0) of each route field in the header, -1 where absent.
using Columns = std::array<qsizetype, routeFieldCount>;

std::optional<RouteField> headerField(const QString& title)
{
    const QString folded = title.trimmed().toCaseFolded();
    for (const HeaderWord& word : headerWords) {
        if (folded == word.word)
            return word.field;
    }
    return std::nullopt;
}

Columns readHeader(const CsvRecord& header)
{
    Columns columns;
    columns.fill(-1);
    for (qsizetype i = 0; i < header.fields.size(); ++i) {
        const std::optional<RouteField> field = headerField(header.fields[i]);
        if (!field)
            continue;
        qsizetype& column = columns[std::size_t(*field)];
        if (column >= 0)
            refuseField(header.line, i, u"：%1与第 %2 列重复，都是%3列。"_s.arg(
                                            quotedText(header.fields[i])).arg(column + 1).arg(fieldTitle(*field)));
        column = i;
    }
    if (columns[std::size_t(RouteField::Latitude)] < 0)
        refuse(header.line, u"表头中没有纬度列（写作 纬度、lat 或 latitude）。"_s);
    if (columns[std::size_t(RouteField::Longitude)] < 0)
        refuse(header.line, u"表头中没有经度列（写作 经度、lon 或 longitude）。"_s);
    return columns;
}

QString fieldOf(const CsvRecord& record, const Columns& columns, RouteField field)
{
    const qsizetype column = columns[std::size_t(field)];
    return column < 0 ? QString() : record.fields.value(column);
}

// An empty cell is the default, the rhumb line.
nav::Method readMethod(const CsvRecord& record, const Columns& columns)
{
    const QString text = fieldOf(record, columns, RouteField::Method);
    if (text.trimmed().isEmpty())
        return nav::Method::Rhumb;
    if (const std::optional<nav::Method> method = readMethodCell(text))
        return *method;
    refuseField(record.line, columns[std::size_t(RouteField::Method)],
                u"（%1）：%2不是航法，应为 %3。"_s.arg(fieldTitle(RouteField::Method), quotedText(text),
                                                     methodCodeChoices()));
}

// The line of the first bytes that are not UTF-8, for the message.
qint64 firstMalformedLine(const QByteArray& bytes)
{
    qint64 line = 1;
    for (QByteArrayView rest = bytes; !rest.isEmpty(); ++line) {
        const qsizetype end = rest.indexOf('\n');
        const QByteArrayView piece = end < 0 ? rest : rest.first(end);
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString ignored = decoder.decode(piece);
        if (decoder.hasError())
            return line;
        rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
    }
    return line;
}

// The decoder passes over a byte-order mark at the start.
QString decode(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        refuse(firstMalformedLine(bytes),
               u"文件不是 UTF-8 编码（GBK 等编码的表格请另存为“CSV UTF-8”）。"_s);
    return text;
}

RouteCsvReading readWaypoints(const QByteArray& bytes)
{
    const CsvReading csv = readCsvRecords(decode(bytes));
    if (!csv.error.isEmpty())
        throw Refusal{csv.error, csv.errorLine};
    if (csv.records.isEmpty())
        refuse(1, u"文件是空的，应以表头开始，如 名称,纬度,经度,航法。"_s);
    const Columns columns = readHeader(csv.records.front());
    RouteCsvReading reading;
    for (qsizetype i = 1; i < csv.records.size(); ++i) {
        const CsvRecord& record = csv.records[i];
        reading.waypoints.append({fieldOf(record, columns, RouteField::Name),
                                  fieldOf(record, columns, RouteField::Latitude),
                                  fieldOf(record, columns, RouteField::Longitude),
                                  readMethod(record, columns)});
        reading.lines.append(record.line);
    }
    return reading;
}

QByteArray csvFile(const QStringList& header, const QList<QStringList>& rows)
{
    QByteArray bytes = byteOrderMark + csvLine(header).toUtf8() + lineEnd;
    for (const QStringList& row : rows)
        bytes += csvLine(row).toUtf8() + lineEnd;
    return bytes;
}

}  // namespace

RouteCsvReading readRouteCsv(const QByteArray& bytes)
{
    try {
        return readWaypoints(bytes);
    } catch (const Refusal& refusal) {
        return {{}, {}, refusal.message, refusal.line};
    }
}

RouteCsvReading readRouteCsvFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, {}, openFailure(path, file.errorString()), 0};
    const QByteArray bytes = file.read(maximumRouteCsvBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {{}, {}, readFailure(path, file.errorString()), 0};
    if (bytes.size() > maximumRouteCsvBytes)
        return {{}, {}, tooLargeFailure(path, u"CSV", maximumRouteCsvBytes), 0};
    return readRouteCsv(bytes);
}

QByteArray routeCsv(const QList<WaypointText>& waypoints)
{
    QList<QStringList> rows;
    rows.reserve(waypoints.size());
    for (const WaypointText& waypoint : waypoints)
        rows.append({waypoint.name, waypoint.latitude, waypoint.longitude, methodCell(waypoint.method)});
    return csvFile({fieldTitle(RouteField::Name), fieldTitle(RouteField::Latitude),
                    fieldTitle(RouteField::Longitude), fieldTitle(RouteField::Method)},
                   rows);
}

QByteArray legTableCsv(const QList<RouteTableRow>& rows)
{
    QList<QStringList> texts;
    texts.reserve(rows.size());
    for (const RouteTableRow& row : rows)
        texts.append(row.texts);
    return csvFile(legColumnTitles(), texts);
}

}  // namespace tarnquil
