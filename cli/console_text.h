// SPDX-License-Identifier: GPL-3.0-or-later
// What the command line prints, written to stdout or stderr. To a file or
// pipe it goes as UTF-8, on every system. A Windows console is given the
// text itself (UTF-16) instead: it shows bytes in its own code page, 936 on
// a Chinese Windows, in which UTF-8 reads as nonsense.
#pragma once

#include <QString>

#include <cstdio>

namespace tarnquil {

// Writes text to stream (stdout or stderr) and flushes it.
void writeText(std::FILE* stream, const QString& text);

}  // namespace tarnquil
