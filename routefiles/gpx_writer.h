// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a route as a GPX 1.1 file.
//
// The file holds one <rte> with the route's <name> and one <rtept> per point,
// with the point's <name> when it has one, its remark as <desc>, and what
// GPX has no element for (the route's model, speed, departure and zone, each
// leg's method and speed) in Tarnquil's extension (gpx_namespaces.h), in UTF-8 with the XML declaration,
// one element a line; creator="Tarnquil <version>". A coordinate is written
// as the shortest decimal that reads back as the same double, with at least
// nine decimals for readers that keep fewer digits (5e-10° at most off then):
//   31.2304 → 31.230400000      42.833333333333336 → 42.833333333333336
//   -180 → -180.000000000       1e-05 → 0.000010000
// so readGpxFile gives back the very same doubles. Names and remarks come
// back as they were: a carriage return is written as the character
// reference &#13;, which XML keeps, where it reads a CR written as it is,
// or a CR LF, as a line feed.
//
// The file is written by saveFile (routefiles/save_file.h): a failed write
// leaves an existing file as it was. A point beyond ±90° latitude or ±180° longitude, or a coordinate that
// is no finite number, is not written, nor a name, remark or speed with a
// character XML cannot hold (a control character but tab, LF and CR, an
// unpaired surrogate), so that every file written can be read.
#pragma once

#include "routefiles/gpx_route.h"

#include <QString>

namespace tarnquil {

// Writes route to the file at path. Returns an empty string, or why nothing
// was written, a Chinese sentence naming the file:
//   无法保存文件“/media/u/长江.gpx”：No space left on device。
QString writeGpxFile(const QString& path, const GpxRoute& route);

}  // namespace tarnquil
