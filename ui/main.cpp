// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"
#include "windows_process_setup.h"

int main(int argc, char* argv[])
{
    tarnquil::prepareWindowsProcess(argc);
    if (argc > 1)
        return tarnquil::runCommandLine(argc, argv);
    return tarnquil::runCalculator(argc, argv);
}
