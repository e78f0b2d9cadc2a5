// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/route_export.h"

namespace tarnquil {

// Runs an export whose writer draws text (the PDF's): that needs fonts, and
// so a GUI application, but shows nothing. Without a display it runs on the
// offscreen platform unless the user chose one, and outside a desktop
// session with a private runtime folder, so that a successful export prints
// nothing. Returns the exit status, as runExport (cli/command_line.h).
int runDrawnExport(int& argc, char** argv, const ExportRequest& request);

}  // namespace tarnquil
