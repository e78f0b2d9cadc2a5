// SPDX-License-Identifier: GPL-3.0-or-later
#include "application_setup.h"
#include "pdf.h"
#include "windows_process_setup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    tarnquil::prepareWindowsProcess(argc);
    QApplication application(argc, argv);
    tarnquil::prepareApplication(application);
    pdf window;
    window.show();
    return QApplication::exec();
}
