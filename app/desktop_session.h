// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a window can be shown at all. Started without a desktop session
// (over ssh, from cron, in a container) Qt would abort with its generic
// message about platform plug-ins and exit status 134; the program says in
// one line what is missing and what works without it.
#pragma once

#include <QString>

namespace tarnquil {

// Whether the platform Qt will use can show a window. On Linux and the like
// that is X11 (DISPLAY) or Wayland (WAYLAND_DISPLAY) unless a platform is
// chosen by -platform or QT_QPA_PLATFORM: then xcb still needs DISPLAY and
// wayland WAYLAND_DISPLAY, and any other (offscreen, vnc, eglfs, …) is
// taken at its word. Windows and macOS always have their desktop.
bool hasDesktopSession(int argc, char** argv);

// The line that says so, on stderr, ended by LF.
QString noDesktopMessage();

}  // namespace tarnquil
