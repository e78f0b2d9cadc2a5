// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/route_writers.h"
#include "print/route_pdf.h"

#include "routefiles/gpx_writer.h"
#include "routefiles/route_csv.h"
#include "routefiles/route_gpx.h"
#include "routefiles/save_file.h"
#include "text/file_messages.h"
#include "text/quoted_text.h"

#include <QFileInfo>
#include <QStringList>

#include <array>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

QString writeLegTable(const QString& path, const RouteDocument& document)
{
    return saveFile(path, legTableCsv(document));
}

QString writeGpxRoute(const QString& path, const RouteDocument& document)
{
    const std::optional<GpxRoute> route = gpxRoute(document);
    if (!route)
        return saveFailure(path, u"有航点的位置无法读取，GPX 文件只能保存每个航点都有位置的航线"_s);
    return writeGpxFile(path, *route);
}

QString writeRoutePdf(const QString& path, const RouteDocument& document)
{
    return exportRoutePdf(path, document);
}

struct WriterEntry {
    QStringView extension;  // lower case, without the dot
    QStringView kind;       // the save dialog's name for it
    RouteWriter writer;
    bool needsFonts = false;
};

constexpr std::array writers = {
    WriterEntry{u"csv", u"CSV 文件", writeLegTable},
    WriterEntry{u"gpx", u"GPX 文件", writeGpxRoute},
    WriterEntry{u"pdf", u"PDF 文件", writeRoutePdf, true},
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

}  // namespace

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

QString routeWriterFilter(QStringView extension)
{
    for (const WriterEntry& entry : writers) {
        if (entry.extension == extension)
            return u"%1 (*.%2)"_s.arg(entry.kind.toString(), extension.toString());
    }
    return {};
}

QString unsupportedExportMessage(const QString& path)
{
    return u"不支持的导出格式%1：可导出为 %2 文件。"_s.arg(quotedPath(path), routeWriterExtensions());
}

}  // namespace tarnquil
