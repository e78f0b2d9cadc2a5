// SPDX-License-Identifier: GPL-3.0-or-later
// The program run as a shell runs it, with no display: a run that tried to
// open a window would fail, and say so. TARNQUIL_PROGRAM is the program's
// path, defined by the test's target.
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// What a run wrote, and its exit status; -1 for a run that did not end, or
// ended by a crash, within 30 seconds.
struct ProgramRun {
    int status = -1;
    QByteArray out;
    QString err;
};

inline ProgramRun runProgram(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(TARNQUIL_PROGRAM), arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(),
            QString::fromUtf8(process.readAllStandardError())};
}
