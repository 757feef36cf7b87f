// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later

// vyr-firstpaint PROGRAM [ARGS...]: starts PROGRAM on DISPLAY and prints
// "<milliseconds> <peak RSS in KiB>" at the moment the first window it maps
// is first painted, then ends it with SIGTERM. The moment is taken from the
// X server's own events (the window's creation, its map and the first
// damage to it), so nothing is polled. The display should hold no other
// clients that create windows.

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <map>
#include <set>
#include <string>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

static double nowMs()
{
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1.0e6;
}

static long peakRssKib(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    }
    return -1;
}

// Windows may vanish before we get to them; that is not an error here.
static int ignoreErrors(Display *, XErrorEvent *)
{
    return 0;
}

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: vyr-firstpaint PROGRAM [ARGS...]\n");
        return 2;
    }
    Display *dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "vyr-firstpaint: no display\n");
        return 2;
    }
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(dpy, &damageEvent, &damageError)) {
        std::fprintf(stderr, "vyr-firstpaint: no DAMAGE extension\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    const Window root = DefaultRootWindow(dpy);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XSync(dpy, False);

    const double start = nowMs();
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[1], nullptr, nullptr, argv + 1, environ) != 0) {
        std::fprintf(stderr, "vyr-firstpaint: can't start %s\n", argv[1]);
        return 2;
    }

    std::map<Window, Damage> damages;
    std::set<Window> mapped;
    double paintedAt = -1;
    long rss = -1;
    const int fd = ConnectionNumber(dpy);
    while (paintedAt < 0) {
        if (!XPending(dpy)) {
            pollfd pfd{fd, POLLIN, 0};
            const int ready = poll(&pfd, 1, 30000);
            if (ready < 0 && errno == EINTR)
                continue;
            if (ready <= 0)
                break;
        }
        XEvent event;
        XNextEvent(dpy, &event);
        if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
            // Watched from creation on, so that no early paint is missed.
            damages[event.xcreatewindow.window] = XDamageCreate(dpy, event.xcreatewindow.window, XDamageReportNonEmpty);
        } else if (event.type == MapNotify && event.xmap.event == root && !event.xmap.override_redirect) {
            mapped.insert(event.xmap.window);
        } else if (event.type == damageEvent + XDamageNotify) {
            const auto *notify = reinterpret_cast<XDamageNotifyEvent *>(&event);
            if (mapped.count(notify->drawable)) {
                paintedAt = nowMs();
                rss = peakRssKib(pid);
            }
            XDamageSubtract(dpy, notify->damage, None, None);
        }
    }
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    XCloseDisplay(dpy);
    if (paintedAt < 0) {
        std::fprintf(stderr, "vyr-firstpaint: %s painted no window\n", argv[1]);
        return 1;
    }
    std::printf("%.1f %ld\n", paintedAt - start, rss);
    return 0;
}
