// SPDX-License-Identifier: GPL-3.0-or-later
#include "route_csv.h"
#include "csv_records.h"
#include "quoted_text.h"

#include <QFile>
#include <QSaveFile>
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

struct MethodWord {
    QStringView word;  // case-folded
    nav::Method method;
};

constexpr std::array methodWords = {
    MethodWord{u"", nav::Method::Rhumb},         MethodWord{u"rl", nav::Method::Rhumb},
    MethodWord{u"恒向线", nav::Method::Rhumb},   MethodWord{u"gc", nav::Method::GreatCircle},
    MethodWord{u"大圆", nav::Method::GreatCircle},
};

const QByteArray byteOrderMark = "\xEF\xBB\xBF";
const QByteArray lineEnd = "\r\n";

QString fieldTitle(RouteField field)
{
    static const std::array<QString, routeFieldCount> titles = {u"名称"_s, u"纬度"_s, u"经度"_s,
                                                                 u"航法"_s};
    return titles[std::size_t(field)];
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

nav::Method readMethod(const CsvRecord& record, const Columns& columns)
{
    const QString text = fieldOf(record, columns, RouteField::Method);
    const QString folded = text.trimmed().toCaseFolded();
    for (const MethodWord& word : methodWords) {
        if (folded == word.word)
            return word.method;
    }
    refuseField(record.line, columns[std::size_t(RouteField::Method)],
                u"（航法）：%1不是航法，应为 RL（恒向线）或 GC（大圆）。"_s.arg(quotedText(text)));
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

QString decode(QByteArray bytes)
{
    if (bytes.startsWith(byteOrderMark))
        bytes.remove(0, byteOrderMark.size());
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

QString methodCell(nav::Method method)
{
    return method == nav::Method::GreatCircle ? u"GC"_s : u"RL"_s;
}

QByteArray csvFile(const QStringList& header, const QList<QStringList>& rows)
{
    QByteArray bytes = byteOrderMark + csvLine(header).toUtf8() + lineEnd;
    for (const QStringList& row : rows)
        bytes += csvLine(row).toUtf8() + lineEnd;
    return bytes;
}

QString saveFailure(const QString& path, const QString& reason)
{
    return u"无法保存文件%1：%2。"_s.arg(quotedPath(path), withoutFullStop(reason));
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
    const QString shown = quotedPath(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, {}, u"无法打开文件%1：%2。"_s.arg(shown, withoutFullStop(file.errorString())), 0};
    const QByteArray bytes = file.read(maximumRouteCsvBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return {{}, {}, u"无法读取文件%1：%2。"_s.arg(shown, withoutFullStop(file.errorString())), 0};
    if (bytes.size() > maximumRouteCsvBytes)
        return {{}, {}, u"文件%1大于 50 MB，未读取：CSV 航线文件不会这么大。"_s.arg(shown), 0};
    return readRouteCsv(bytes);
}

QByteArray routeCsv(const QList<WaypointText>& waypoints)
{
    QList<QStringList> rows;
    rows.reserve(waypoints.size());
    for (const WaypointText& waypoint : waypoints)
        rows.append({waypoint.name, waypoint.latitude, waypoint.longitude, methodCell(waypoint.method)});
    return csvFile({u"名称"_s, u"纬度"_s, u"经度"_s, u"航法"_s}, rows);
}

QByteArray legTableCsv(const QList<RouteTableRow>& rows)
{
    QList<QStringList> texts;
    texts.reserve(rows.size());
    for (const RouteTableRow& row : rows)
        texts.append(row.texts);
    return csvFile(legColumnTitles(), texts);
}

QString saveCsvFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return saveFailure(path, file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return saveFailure(path, reason);
    }
    if (!file.commit())
        return saveFailure(path, file.errorString());
    return {};
}

}  // namespace tarnquil
