// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tarnquil {

// Readies the process on Windows before Qt starts; elsewhere it does nothing.
// - Given command-line arguments (argc > 1) and started from a console (cmd,
//   PowerShell), the program writes its output and errors to that console:
//   a GUI program gets none of its own. Started from the Start menu or
//   Explorer it opens no console window. Output the caller redirected to a
//   file or pipe stays there.
// - It holds the named mutex Local\TarnquilRunning until the process ends,
//   so that the installer and the uninstaller, which look for it, do not
//   replace or delete its files under it.
#ifdef _WIN32
void prepareWindowsProcess(int argc);
#else
inline void prepareWindowsProcess(int /*argc*/) {}
#endif

}  // namespace tarnquil
