// SPDX-License-Identifier: GPL-3.0-or-later
#include "application_setup.h"
#include "pdf.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    tarnquil::prepareApplication(application);
    pdf window;
    window.show();
    return QApplication::exec();
}
