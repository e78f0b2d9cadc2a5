// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/route_export.h"

#include "print/route_writers.h"
#include "routefiles/export_rule.h"
#include "routefiles/great_circle_split.h"
#include "routefiles/route_csv.h"
#include "routefiles/route_file.h"
#include "text/quoted_text.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace tarnquil {

namespace {

// Enough for a navigator to see what is wrong without a screenful of it.
constexpr qsizetype maximumCellMessages = 10;

QString cellMessage(const RouteFile& file, qsizetype index, const CellRefusal& refusal)
{
    const WaypointText& waypoint = file.waypoints[index];
    // A speed's refusal quotes the text itself.
    if (refusal.column == LegColumn::Speed)
        return waypointPlace(file, index) + u' ' + refusal.message;
    const QString text = refusal.column == LegColumn::Latitude ? waypoint.latitude : waypoint.longitude;
    const QString title = legColumnTitle(refusal.column);
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

// What the cell messages leave unsaid: that the 度 form reads the numbers
// refused as ambiguous, and the encoding a file that is not UTF-8 was read in.
QStringList afterwords(const ExportRequest& request, const RouteFile& file,
                       const QList<RouteTableRow>& rows)
{
    QStringList lines;
    if (request.settings.form != geo::NumberForm::Degrees && hasAmbiguousNumbers(rows))
        lines << u"%1中不带度、分符号的数字若是十进制的度（如 31.4 即 31.4°），请加上 --form 度 再运行。"_s.arg(
            quotedPath(request.routeFile));
    if (!file.encoding.isEmpty() && file.encoding != utf8Encoding)
        lines << u"%1按 %2 编码读取。"_s.arg(quotedPath(request.routeFile), file.encoding);
    return lines;
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
        return usageFault(unsupportedExportMessage(request.out));
    if (!isRouteFileName(request.routeFile))
        return usageFault(readRouteFile(request.routeFile).error);
    if (!QFileInfo::exists(request.routeFile))
        return usageFault(missingRouteFile.toString() + quotedPath(request.routeFile) + u'。');
    RouteFile file = readRouteFile(request.routeFile, request.routeNumber);
    if (!file.error.isEmpty())
        return dataFault({file.error});
    const RouteSettings settings = withSaved(withSaved(request.settings, file.saved), request.given);
    RouteDocument document{file.name, file.waypoints, settings, makeRouteTable(file.waypoints, settings)};
    // The window's refusal, then every cell refused by the line of the file.
    if (const std::optional<ExportRefusal> refusal = exportRefusal(document.waypoints, document.rows))
        return dataFault(QStringList{QDir::toNativeSeparators(request.routeFile) + u' ' + refusal->message}
                         + cellMessages(request.routeFile, file, document.rows)
                         + afterwords(request, file, document.rows));
    // The split route is the file's plan with the options given: its model,
    // speed and departure, not the command line's defaults.
    if (request.splitEvery) {
        document.waypoints = splitGreatCircleLegs(document.waypoints, document.rows, settings.model,
                                                  *request.splitEvery);
        document.rows = makeRouteTable(document.waypoints, settings);
    }
    if (const QString error = writer(request.out, document); !error.isEmpty())
        return dataFault({error});
    return {ExportFault::None, {}};
}

}  // namespace tarnquil
