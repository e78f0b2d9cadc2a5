// SPDX-License-Identifier: GPL-3.0-or-later
// What the program prints is text, its lines ended as the system's C
// library ends them: CR LF on Windows, LF elsewhere. A test compares what it
// expects, written with \n, through systemLines, and splits what it read at
// systemLines(u"\n"_s).
#pragma once

#include <QString>
#include <QtGlobal>

inline QString systemLines(QString text)
{
#ifdef Q_OS_WIN
    text.replace(u'\n', QStringLiteral("\r\n"));
#endif
    return text;
}
