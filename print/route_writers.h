// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a computed route to a file whose extension says how: .csv the leg
// table (routefiles/route_csv.h), .gpx the route's positions
// (routefiles/gpx_writer.h), .pdf the printed leg table (print/route_pdf.h).
// The window and the command line share this table of writers, so a kind
// added here is there in both.
#pragma once

#include "routefiles/route_document.h"

#include <QString>

namespace tarnquil {

// Writes the document to path. Returns an empty string, or why nothing was
// written, a Chinese sentence naming the file; an existing file is then left
// as it was.
using RouteWriter = QString (*)(const QString& path, const RouteDocument& document);

// The writer for path by its extension, in any case; nullptr for a kind no
// writer takes.
RouteWriter routeWriterFor(const QString& path);

// Whether the writer for path draws text, which takes fonts and so a
// QGuiApplication: the PDF's does.
bool routeWriterNeedsFonts(const QString& path);

// The extensions routeWriterFor takes, for messages: ".csv、.gpx、.pdf".
QString routeWriterExtensions();

// The save dialog's filter of the writer for an extension ("pdf"):
//   PDF 文件 (*.pdf)
// Empty for a kind no writer takes.
QString routeWriterFilter(QStringView extension);

// Why a file cannot be written by any writer, naming it:
//   不支持的导出格式“航线.txt”：可导出为 .csv、.gpx、.pdf 文件。
QString unsupportedExportMessage(const QString& path);

}  // namespace tarnquil
