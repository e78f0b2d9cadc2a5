// SPDX-License-Identifier: GPL-3.0-or-later
#include "route_export.h"
#include "gpx_writer.h"
#include "quoted_text.h"
#include "route_csv.h"
#include "route_file.h"
#include "route_gpx.h"
#include "route_print.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <array>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

QString writeLegTable(const QString& path, const RouteDocument& document)
{
    return saveCsvFile(path, legTableCsv(document.rows));
}

QString writeGpxRoute(const QString& path, const RouteDocument& document)
{
    const std::optional<GpxRoute> route = gpxRoute(document.name, document.waypoints, document.rows);
    if (!route)
        return u"无法保存文件%1：有航点的位置无法读取，GPX 文件只能保存每个航点都有位置的航线。"_s.arg(
            quotedPath(path));
    return writeGpxFile(path, *route);
}

QString writeRoutePdf(const QString& path, const RouteDocument& document)
{
    return exportRoutePdf(path, document);
}

struct WriterEntry {
    QStringView extension;  // lower case, without the dot
    RouteWriter writer;
    bool needsFonts = false;
};

constexpr std::array writers = {
    WriterEntry{u"csv", writeLegTable},
    WriterEntry{u"gpx", writeGpxRoute},
    WriterEntry{u"pdf", writeRoutePdf, true},
};

const WriterEntry* writerEntryFor(const QString& path)
{
    const QString extension = QFileInfo(path).suffix().toLower();
    for (const WriterEntry& entry : writers) {
        if (extension == entry.extension)
            return &entry;
    }
    return nullptr;
}

// Enough for a navigator to see what is wrong without a screenful of it.
constexpr qsizetype maximumCellMessages = 10;

QString cellMessage(const RouteFile& file, qsizetype index, const CellRefusal& refusal)
{
    const WaypointText& waypoint = file.waypoints[index];
    const bool latitude = refusal.column == LegColumn::Latitude;
    const QString text = latitude ? waypoint.latitude : waypoint.longitude;
    const QString title = latitude ? u"纬度"_s : u"经度"_s;
    return waypointPlace(file, index) + u' ' + (text.isEmpty() ? title : title + quotedText(text))
        + u"："_s + refusal.message;
}

// Every cell of the table that gives no position, one message each.
QStringList cellMessages(const QString& path, const RouteFile& file, const QList<RouteTableRow>& rows)
{
    QStringList messages;
    qsizetype count = 0;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        for (const CellRefusal& refusal : rows[i].refusals) {
            if (++count <= maximumCellMessages)
                messages << QDir::toNativeSeparators(path) + u' ' + cellMessage(file, i, refusal);
        }
    }
    if (count > maximumCellMessages)
        messages << u"……另有 %1 处无法读取。"_s.arg(count - maximumCellMessages);
    return messages;
}

ExportResult usageFault(const QString& message)
{
    return {ExportFault::Usage, {message}};
}

ExportResult dataFault(const QStringList& messages)
{
    return {ExportFault::Data, messages};
}

}  // namespace

ExportResult exportRoute(const ExportRequest& request)
{
    const RouteWriter writer = routeWriterFor(request.out);
    if (!writer)
        return usageFault(u"不支持的导出格式%1：可导出为 %2 文件。"_s.arg(
            quotedPath(request.out), routeWriterExtensions()));
    if (!isRouteFileName(request.routeFile))
        return usageFault(readRouteFile(request.routeFile).error);
    if (!QFileInfo::exists(request.routeFile))
        return usageFault(u"找不到航线文件%1。"_s.arg(quotedPath(request.routeFile)));
    RouteFile file = readRouteFile(request.routeFile, request.routeNumber);
    if (!file.error.isEmpty())
        return dataFault({file.error});
    if (file.waypoints.isEmpty())
        return dataFault({u"%1中没有航点，未导出。"_s.arg(quotedPath(request.routeFile))});
    RouteDocument document{file.name, file.waypoints, request.settings,
                           makeRouteTable(file.waypoints, request.settings)};
    if (const QStringList refused = cellMessages(request.routeFile, file, document.rows); !refused.isEmpty())
        return dataFault(refused);
    if (const QString error = writer(request.out, document); !error.isEmpty())
        return dataFault({error});
    return {ExportFault::None, {}};
}

RouteWriter routeWriterFor(const QString& path)
{
    const WriterEntry* entry = writerEntryFor(path);
    return entry ? entry->writer : nullptr;
}

bool routeWriterNeedsFonts(const QString& path)
{
    const WriterEntry* entry = writerEntryFor(path);
    return entry && entry->needsFonts;
}

QString routeWriterExtensions()
{
    QStringList extensions;
    for (const WriterEntry& entry : writers)
        extensions << u'.' + entry.extension.toString();
    return extensions.join(u'、');
}

}  // namespace tarnquil
