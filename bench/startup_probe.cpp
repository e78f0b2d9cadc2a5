// SPDX-License-Identifier: GPL-3.0-or-later
// Times a program's start-up on an X server: from just before the process is
// forked until its first top-level window is mapped and every pixel of it has
// been drawn, then ends the program and reports its peak resident memory and
// the processor time it used.
//   startup_probe [-v] program [arguments...]
// prints one line "<milliseconds> <peak-kilobytes> <cpu-milliseconds>"; -v
// also prints to stderr when the program's top-level windows were created
// and mapped. The processor time (user and system) is the program's until it
// is ended, which it spends, idle once drawn, on starting up: unlike the
// wall-clock time it hardly grows when other work loads the machine.
//
// Run it on an X server of its own (Xvfb) without a window manager, so that
// the program's window is a child of the root and nothing else draws.
//
// "Drawn" is read from the DAMAGE extension. One damage object on the root,
// created before the program starts, reports every rectangle drawn anywhere
// on the screen, so no drawing can slip past however fast the program is
// (an object per window, made when the window's creation is seen, could come
// too late). The window counts as drawn once the rectangles drawn after its
// mapping cover it entirely: a toolkit that draws the window in parts is
// timed to its last part, and a server-painted background would not count
// unless it covered the window (Qt's windows have none).
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>

namespace {

constexpr int kTimeoutMilliseconds = 20000;

// Windows of the program may vanish while their events are still queued.
int ignoreErrors(Display*, XErrorEvent*) { return 0; }

double nowMilliseconds()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// A top-level window: where it is on the screen and what has been drawn into
// it since it was mapped.
struct TopLevel {
    XRectangle area{};
    Region drawn = nullptr;  // null while unmapped
};

// Whether everything of the window that is on the screen has been drawn:
// drawing outside the screen is never reported.
bool covers(Region region, const XRectangle& area, int screenWidth, int screenHeight)
{
    const int left = std::max(0, int{area.x});
    const int top = std::max(0, int{area.y});
    const int right = std::min(screenWidth, area.x + area.width);
    const int bottom = std::min(screenHeight, area.y + area.height);
    if (right <= left || bottom <= top)
        return false;
    return XRectInRegion(region, left, top, static_cast<unsigned>(right - left),
                         static_cast<unsigned>(bottom - top))
        == RectangleIn;
}

}  // namespace

int main(int argc, char** argv)
{
    int first = 1;
    const bool verbose = argc > 1 && std::strcmp(argv[1], "-v") == 0;
    if (verbose)
        ++first;
    if (argc <= first) {
        std::fprintf(stderr, "usage: %s [-v] program [arguments...]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "startup_probe: cannot open the X display\n");
        return 2;
    }
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "startup_probe: the X server has no DAMAGE extension\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    const Window root = DefaultRootWindow(display);
    const int screenWidth = DisplayWidth(display, DefaultScreen(display));
    const int screenHeight = DisplayHeight(display, DefaultScreen(display));
    XSelectInput(display, root, SubstructureNotifyMask);
    XDamageCreate(display, root, XDamageReportRawRectangles);
    XSync(display, False);
    // The damage object first reports the whole screen as it stands.
    XEvent event;
    while (XPending(display))
        XNextEvent(display, &event);

    const double start = nowMilliseconds();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("startup_probe: fork");
        return 2;
    }
    if (child == 0) {
        close(ConnectionNumber(display));
        execvp(argv[first], argv + first);
        _exit(127);
    }

    std::map<Window, TopLevel> windows;
    double shownAt = -1;
    while (shownAt < 0) {
        if (!XPending(display)) {
            pollfd connection{ConnectionNumber(display), POLLIN, 0};
            if (poll(&connection, 1, 100) == 0) {
                if (waitpid(child, nullptr, WNOHANG) == child) {
                    std::fprintf(stderr, "startup_probe: the program ended before showing a window\n");
                    return 1;
                }
                if (nowMilliseconds() - start > kTimeoutMilliseconds) {
                    std::fprintf(stderr, "startup_probe: no window drawn within %d ms\n",
                                 kTimeoutMilliseconds);
                    kill(child, SIGKILL);
                    waitpid(child, nullptr, 0);
                    return 1;
                }
            }
            continue;
        }
        XNextEvent(display, &event);
        const double at = nowMilliseconds() - start;
        if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
            const XCreateWindowEvent& created = event.xcreatewindow;
            windows[created.window].area = {static_cast<short>(created.x),
                                            static_cast<short>(created.y),
                                            static_cast<unsigned short>(created.width),
                                            static_cast<unsigned short>(created.height)};
            if (verbose)
                std::fprintf(stderr, "%8.1f ms  created %dx%d\n", at, created.width,
                             created.height);
        } else if (event.type == ConfigureNotify && event.xconfigure.event == root) {
            const XConfigureEvent& configured = event.xconfigure;
            const auto window = windows.find(configured.window);
            if (window != windows.end())
                window->second.area = {static_cast<short>(configured.x),
                                       static_cast<short>(configured.y),
                                       static_cast<unsigned short>(configured.width),
                                       static_cast<unsigned short>(configured.height)};
        } else if (event.type == MapNotify && event.xmap.event == root) {
            const auto window = windows.find(event.xmap.window);
            if (window != windows.end() && !window->second.drawn) {
                window->second.drawn = XCreateRegion();
                if (verbose)
                    std::fprintf(stderr, "%8.1f ms  mapped %dx%d\n", at,
                                 window->second.area.width, window->second.area.height);
            }
        } else if (event.type == UnmapNotify && event.xunmap.event == root) {
            const auto window = windows.find(event.xunmap.window);
            if (window != windows.end() && window->second.drawn) {
                XDestroyRegion(window->second.drawn);
                window->second.drawn = nullptr;
            }
        } else if (event.type == damageEvent + XDamageNotify) {
            XRectangle rectangle = reinterpret_cast<const XDamageNotifyEvent&>(event).area;
            for (auto& [id, window] : windows) {
                if (!window.drawn)
                    continue;
                XUnionRectWithRegion(&rectangle, window.drawn, window.drawn);
                if (covers(window.drawn, window.area, screenWidth, screenHeight)) {
                    shownAt = at;
                    break;
                }
            }
        }
    }
    if (verbose)
        std::fprintf(stderr, "%8.1f ms  drawn\n", shownAt);

    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const auto milliseconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
    };
    std::printf("%.1f %ld %.1f\n", shownAt, usage.ru_maxrss,
                milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime));
    XCloseDisplay(display);
    return 0;
}
