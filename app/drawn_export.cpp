// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/drawn_export.h"

#include "cli/command_line.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <optional>

namespace tarnquil {

// Windows' own platform needs no display, and its Qt may come without the
// offscreen one.
int runDrawnExport(int& argc, char** argv, const ExportRequest& request)
{
#ifndef Q_OS_WIN
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Outside a desktop session (ssh, cron, a container) Qt warns on stderr
    // that there is no runtime directory. The export keeps nothing there, so
    // a private one for its duration keeps a successful export silent.
    std::optional<QTemporaryDir> runtime;
    if (!qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) {
        runtime.emplace();
        if (runtime->isValid())
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime->path()));
    }
#endif
    QGuiApplication application(argc, argv);
    return runExport(request);
}

}  // namespace tarnquil
