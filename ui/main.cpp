// SPDX-License-Identifier: GPL-3.0-or-later
#include "application_setup.h"
#include "command_line.h"
#include "pdf.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    if (argc > 1)
        return tarnquil::runCommandLine(argc, argv);
    QApplication application(argc, argv);
    tarnquil::prepareApplication(application);
    pdf window;
    window.show();
    return QApplication::exec();
}
