// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the calculator's window, as it looks at start-up, to a PNG file.
// Works without a display: run it with QT_QPA_PLATFORM=offscreen.
//   tarnquil-screenshot docs/screenshot.png
#include "application_setup.h"
#include "pdf.h"

#include <QApplication>
#include <QPixmap>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    QTextStream err(stderr);
    if (arguments.size() != 2) {
        err << "usage: tarnquil-screenshot OUTPUT.png\n";
        return 2;
    }
    tarnquil::prepareApplication(application);
    pdf window;
    window.show();
    QApplication::processEvents();
    const QString output = arguments.at(1);
    if (!window.grab().save(output, "PNG")) {
        err << "tarnquil-screenshot: cannot write " << output << '\n';
        return 1;
    }
    return 0;
}
