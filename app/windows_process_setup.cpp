// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows_process_setup.h"

#include <windows.h>

#include <cstdio>

namespace tarnquil {
namespace {

// packaging/windows/tarnquil.nsi opens it by this name. Local, that is per
// session: the person installing can close the copies of their own session,
// and a copy another user runs from their own folder must not block them.
constexpr wchar_t runningMutexName[] = L"Local\\TarnquilRunning";

// Windows gives a GUI program started from a console no usable standard
// handles; one the caller redirected is a file, pipe or console and is kept.
bool hasNoStream(DWORD which)
{
    return GetFileType(GetStdHandle(which)) == FILE_TYPE_UNKNOWN;
}

void writeToParentConsole()
{
    const bool reopenOut = hasNoStream(STD_OUTPUT_HANDLE);
    const bool reopenErr = hasNoStream(STD_ERROR_HANDLE);
    if (!(reopenOut || reopenErr) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (reopenOut)
        std::freopen("CONOUT$", "w", stdout);
    if (reopenErr)
        std::freopen("CONOUT$", "w", stderr);
}

}  // namespace

void prepareWindowsProcess(int argc)
{
    if (argc > 1)
        writeToParentConsole();
    // The handle is left for Windows to close when the process ends: only
    // then are the program's files free for the installer.
    CreateMutexW(nullptr, FALSE, runningMutexName);
}

}  // namespace tarnquil
