// SPDX-License-Identifier: GPL-3.0-or-later
#include "routefiles/route_file.h"
#include "routefiles/gpx_reader.h"
#include "text/quoted_text.h"
#include "routefiles/route_csv.h"
#include "routefiles/route_gpx.h"

#include <QDir>
#include <QStringList>

#include <array>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

QString suffixOf(const QString& path)
{
    return QFileInfo(path).suffix().toLower();
}

// A refusal that names no file (a line, a route number), named after the file.
RouteFile refusedIn(const QString& path, const QString& error)
{
    return {{}, {}, {}, QDir::toNativeSeparators(path) + u' ' + error};
}

RouteFile readCsvRoute(const QString& path, qsizetype routeNumber)
{
    if (routeNumber != 1)
        return refusedIn(path, u"没有第 %1 条航线：CSV 文件中只有 1 条航线。"_s.arg(routeNumber));
    RouteCsvReading reading = readRouteCsvFile(path);
    if (!reading.error.isEmpty())
        return reading.errorLine > 0 ? refusedIn(path, reading.error) : RouteFile{{}, {}, {}, reading.error};
    return {reading.routeName.value_or(QFileInfo(path).completeBaseName()),
            std::move(reading.waypoints),
            std::move(reading.lines),
            {},
            std::move(reading.encoding),
            reading.saved,
            std::move(reading.absentColumns)};
}

RouteFile readGpxRoute(const QString& path, qsizetype routeNumber)
{
    const GpxReading reading = readGpxFile(path);
    if (!reading.error.isEmpty())
        return reading.errorLine > 0 ? refusedIn(path, reading.error) : RouteFile{{}, {}, {}, reading.error};
    const GpxRouteChoice choice = chooseGpxRoute(reading, routeNumber);
    if (!choice.error.isEmpty())
        return refusedIn(path, choice.error);
    return {choice.route.name, waypointTexts(choice.route), {}, {}, {}, choice.route.saved};
}

// The kinds of route file read, one entry each: a kind added here is
// opened by the window and the command line alike and named in their
// dialog and messages.
struct RouteFormat {
    QStringView extension;  // lower case, without the dot
    QStringView kind;       // the dialog's name for it
    RouteFile (*read)(const QString& path, qsizetype routeNumber);
    bool holdsSeveralRoutes;  // which one to open is asked
    bool isWaypointFile;      // what 保存 writes the route as
};

constexpr std::array routeFormats = {
    RouteFormat{u"csv", u"CSV 文件", readCsvRoute, false, true},
    RouteFormat{u"gpx", u"GPX 文件", readGpxRoute, true, false},
};

const RouteFormat* formatOf(const QString& path)
{
    const QString suffix = suffixOf(path);
    for (const RouteFormat& format : routeFormats) {
        if (suffix == format.extension)
            return &format;
    }
    return nullptr;
}

}  // namespace

bool isRouteFileName(const QString& path)
{
    return formatOf(path) != nullptr;
}

bool holdsSeveralRoutes(const QString& path)
{
    const RouteFormat* format = formatOf(path);
    return format != nullptr && format->holdsSeveralRoutes;
}

bool isWaypointFile(const QString& path)
{
    const RouteFormat* format = formatOf(path);
    return format != nullptr && format->isWaypointFile;
}

QString routeFileFilter()
{
    QStringList patterns;
    QStringList kinds;
    for (const RouteFormat& format : routeFormats) {
        const QString pattern = u"*."_s + format.extension.toString();
        patterns << pattern;
        kinds << u"%1 (%2)"_s.arg(format.kind.toString(), pattern);
    }
    return u"航线文件 (%1);;"_s.arg(patterns.join(u' ')) + kinds.join(u";;"_s);
}

QString routeFileKindFilter(QStringView extension)
{
    for (const RouteFormat& format : routeFormats) {
        if (format.extension == extension)
            return u"%1 (*.%2)"_s.arg(format.kind.toString(), extension.toString());
    }
    return {};
}

RouteFile readRouteFile(const QString& path, qsizetype routeNumber)
{
    if (const RouteFormat* format = formatOf(path))
        return format->read(path, routeNumber);
    QStringList extensions;
    for (const RouteFormat& format : routeFormats)
        extensions << u'.' + format.extension.toString();
    return {{}, {}, {}, u"不支持的航线文件%1：应为 %2 文件。"_s.arg(quotedPath(path),
                                                            extensions.join(u" 或 "_s))};
}

QString waypointPlace(const RouteFile& file, qsizetype index)
{
    if (index < file.lines.size())
        return u"第 %1 行"_s.arg(file.lines[index]);
    return u"第 %1 个航点"_s.arg(index + 1);
}

}  // namespace tarnquil
