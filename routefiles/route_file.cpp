// SPDX-License-Identifier: GPL-3.0-or-later
#include "routefiles/route_file.h"
#include "routefiles/gpx_reader.h"
#include "text/quoted_text.h"
#include "routefiles/route_csv.h"
#include "routefiles/route_gpx.h"

#include <QDir>
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

}  // namespace

bool isRouteFileName(const QString& path)
{
    const QString suffix = suffixOf(path);
    return suffix == u"csv"_s || suffix == u"gpx"_s;
}

RouteFile readRouteFile(const QString& path, qsizetype routeNumber)
{
    const QString suffix = suffixOf(path);
    if (suffix == u"csv"_s)
        return readCsvRoute(path, routeNumber);
    if (suffix == u"gpx"_s)
        return readGpxRoute(path, routeNumber);
    return {{}, {}, {}, u"不支持的航线文件%1：应为 .csv 或 .gpx 文件。"_s.arg(quotedPath(path))};
}

QString waypointPlace(const RouteFile& file, qsizetype index)
{
    if (index < file.lines.size())
        return u"第 %1 行"_s.arg(file.lines[index]);
    return u"第 %1 个航点"_s.arg(index + 1);
}

}  // namespace tarnquil
