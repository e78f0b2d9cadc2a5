// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "routefiles/route_document.h"

#include <QString>

class QWidget;

namespace tarnquil {

// Shows the print preview of the route's printed table (print/route_pdf.h)
// over parent; its toolbar prints through Qt's print dialog, whose PDF file
// holds the text as 导出 PDF writes it. Returns when the preview is closed:
// an empty string, or why the PDF file could not be mended.
QString printRoute(QWidget* parent, const RouteDocument& route);

}  // namespace tarnquil
