// SPDX-License-Identifier: GPL-3.0-or-later
// The printed route's texts besides the leg table (printed_table.h), as
// print/route_pdf.h describes them, laid out for one device: the head above
// the table and the tail below it, each a text document.
#pragma once

#include "routefiles/route_document.h"

#include <QFont>
#include <QString>

class QPaintDevice;
class QTextDocument;

namespace tarnquil {

// The size of the leg table's text, points.
inline constexpr qreal printedTablePoints = 9;

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

// Fills the empty document with the title, the model, the speed and the
// departure, and the key to the table, laid out on the device as wide as
// its page.
void addRouteHead(QTextDocument& document, const RouteDocument& route, QPaintDevice& device);

// Fills the empty document with the totals and the texts that gave no
// position, laid out as addRouteHead lays out its document.
void addRouteTail(QTextDocument& document, const RouteDocument& route, QPaintDevice& device);

// The space between the table and the tail, in the device's pixels.
qreal tableGap(const QPaintDevice& device);

}  // namespace tarnquil
