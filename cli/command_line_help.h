// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace tarnquil {

// What `tarnquil --help` prints: every way to start the program, its
// options, the files it reads and writes and its exit statuses, in Chinese,
// lines ended by LF.
QString commandLineHelp();

// An option given without its value, in the same words wherever the
// command line is read: 选项 --speed 缺少值。
QString missingValueMessage(QStringView option);

}  // namespace tarnquil
