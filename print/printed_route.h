// SPDX-License-Identifier: GPL-3.0-or-later
// The printed route as a text document: the title, the leg table and what
// follows it, as print/route_pdf.h describes them, laid out for one device.
#pragma once

#include "routefiles/route_document.h"

#include <QFont>
#include <QString>

class QPaintDevice;
class QTextDocument;
class QTextTable;

namespace tarnquil {

// The width of the rules in pixels of 1/96 inch (0.75 pt).
inline constexpr qreal printRuleWidth = 1;

// 航线计算表：<name>, or 航线计算表 for a route without a name.
QString routeTitle(const RouteDocument& route);

// The Song face at a size in points, each character drawn with the glyph the
// font maps it to. With OpenType substitutions the digits of a Latin run
// ("WGS-84", "31°03.00′N") get glyphs that no character maps to, and a PDF
// could not say which characters they stand for.
QFont printFont(qreal points, bool bold = false);

// The device's pixels per pixel of the document's lengths (1/96 inch).
qreal pixelsPerUnit(const QPaintDevice& device);

// Fills the empty document with the route, measured on device, and returns
// its table. The document's text is as wide as the device's page.
QTextTable* addPrintedRoute(QTextDocument& document, const RouteDocument& route,
                            QPaintDevice& device);

}  // namespace tarnquil
