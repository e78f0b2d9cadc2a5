// SPDX-License-Identifier: GPL-3.0-or-later
#include "application_setup.h"
#include "command_line.h"
#include "pdf.h"
#include "windows_process_setup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    tarnquil::prepareWindowsProcess(argc);
    if (argc > 1)
        return tarnquil::runCommandLine(argc, argv);
    QApplication application(argc, argv);
    tarnquil::prepareApplication(application);
    pdf window;
    window.show();
    return QApplication::exec();
}
