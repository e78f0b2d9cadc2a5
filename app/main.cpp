// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/drawn_export.h"
#include "app/windows.h"
#include "app/windows_process_setup.h"

#include "cli/command_line.h"

int main(int argc, char* argv[])
{
    using Kind = tarnquil::CommandLineAction::Kind;
    tarnquil::prepareWindowsProcess(argc);
    const tarnquil::CommandLineAction action =
        argc > 1 ? tarnquil::readCommandLine(argc, argv) : tarnquil::CommandLineAction{};
    switch (action.kind) {
    case Kind::Exit:
        break;
    case Kind::Calculator:
        return tarnquil::runCalculator(argc, argv);
    case Kind::RouteWindow:
        return tarnquil::runRouteWindow(argc, argv, action.route);
    case Kind::FixWindow:
        return tarnquil::runFixWindow(argc, argv);
    case Kind::CelestialWindow:
        return tarnquil::runCelestialWindow(argc, argv);
    case Kind::DrawnExport:
        return tarnquil::runDrawnExport(argc, argv, action.drawnExport);
    }
    return action.status;
}
