// SPDX-License-Identifier: GPL-3.0-or-later
// Reading routes from GPX files, as GPS receivers, chart plotters and
// converters such as gpsbabel write them.
//
// Taken: GPX 1.0 (namespace http://www.topografix.com/GPX/1/0), GPX 1.1
// (http://www.topografix.com/GPX/1/1) and files whose elements have no
// namespace. Each <rte> is a route, counted in file order, empty ones too,
// named by its <name> or, without one, by the file's name without its
// extension; when no <rte> has an <rtept>, the file's <wpt> points in file
// order are its one route. Of a
// point only the lat and lon attributes, its <name>, its <desc> (the remark)
// and Tarnquil's extension (gpx_namespaces.h) are read; times, symbols,
// other <extensions>, elements of other namespaces and tracks are passed
// over.
//   <rtept lat="31.2304" lon="121.4737"><name>上海</name></rtept>
//   <rtept lat="-33.5" lon="-180"/>        no name; ±180 is a longitude
//   lat=" 31.5 ", "+31.5", "31.", "1e1"    what QString::toDouble reads, in no locale
// Refused, with nothing of the file returned:
//   lat="91", lon="-180.5"                 beyond ±90 or ±180
//   lat="31,5", lat="", lat="inf", lat="nan", lat="1e999", no lat at all
//   <!DOCTYPE …>                           any DTD, so that no entity is ever
//                                          expanded or fetched
//   an extension whose model, speed, departure, zone or method does not read
//   malformed XML, a root other than <gpx> of those namespaces, an empty file,
//   a file with neither <rtept> nor <wpt>, a file over 50 MB (by its size,
//   before reading), a pipe, a device or a folder (before it is opened),
//   an element of more than maximumGpxAttributes attributes (before the XML
//   is parsed)
// Coordinates are the doubles nearest the decimal texts.
#pragma once

#include "routefiles/gpx_route.h"

#include <QList>
#include <QString>

namespace tarnquil {

// Files larger than this are refused unread: at some 100 bytes a point it is
// half a million points, far more than any route has. A larger file is a long
// track log or no GPX at all, and its routes would fill memory.
inline constexpr qint64 maximumGpxFileBytes = 50 * 1024 * 1024;

// Elements with more attributes than this are refused before the XML is
// parsed: Qt's parser compares each attribute with every one before it, so
// 100,000 attributes on one <rtept> (a 1 MB file) cost it 25 s, growing
// with the square of their number. A GPX element has a handful; a root
// that declares the namespaces of many programs, some twenty.
inline constexpr qsizetype maximumGpxAttributes = 100;

// All routes of a file, or why it was refused: never both.
struct GpxReading {
    QList<GpxRoute> routes;  // in file order; empty when refused
    QString error;           // the refusal, a Chinese sentence; empty when read
    qint64 errorLine = 0;    // the line the refusal names; 0 when it concerns the whole file
};

// Reads every route of the GPX file at path (a file name or a Qt resource).
//   第 12 行：纬度“91”超出 -90 到 90 的范围。
GpxReading readGpxFile(const QString& path);

// One route of a file, or why there is none.
struct GpxRouteChoice {
    GpxRoute route;  // empty when there is none
    QString error;   // empty when there is one
};

// Route number `number` of a reading, counted from 1 as the user counts them,
// every <rte> of the file counted; a route without points is refused by its
// name, and a refused reading passes its refusal on.
//   没有第 3 条航线：文件中只有 2 条航线。
//   第 2 条航线“B”中没有航点。
GpxRouteChoice chooseGpxRoute(const GpxReading& reading, qsizetype number);

}  // namespace tarnquil
