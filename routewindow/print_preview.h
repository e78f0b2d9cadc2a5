// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "routefiles/route_document.h"

class QWidget;

namespace tarnquil {

// Shows the print preview of the route's printed table (print/route_pdf.h)
// over parent; its toolbar prints through Qt's print dialog. Returns when
// the preview is closed.
void printRoute(QWidget* parent, const RouteDocument& route);

}  // namespace tarnquil
