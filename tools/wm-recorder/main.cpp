// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later

// vyr-wm-recorder: stands in for the window manager's command channel. It
// owns the selection "_VYR_WM_S<screen>", reads every line appended to
// "_VYR_WM_COMMAND" on its window, and writes each line to standard output
// (or a file), one per line, flushed at once. Written only from the protocol
// that the window manager implements, so tests exercise the real transport.
//
// Usage: vyr-wm-recorder [--display NAME] [--output FILE] [--screen N]
// Once it owns the selection it prints "vyr-wm-recorder: ready" to standard
// error. SIGTERM or SIGINT end it; it then releases the selection.

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <poll.h>
#include <signal.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

static volatile sig_atomic_t s_stop = 0;

static void onSignal(int)
{
    s_stop = 1;
}

static int usage()
{
    std::fprintf(stderr, "usage: vyr-wm-recorder [--display NAME] [--output FILE] [--screen N]\n");
    return 2;
}

int main(int argc, char **argv)
{
    const char *displayName = nullptr;
    const char *outputPath = nullptr;
    int screen = -1;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc)
            return usage();
        if (arg == "--display")
            displayName = argv[++i];
        else if (arg == "--output")
            outputPath = argv[++i];
        else if (arg == "--screen")
            screen = std::atoi(argv[++i]);
        else
            return usage();
    }

    FILE *out = stdout;
    if (outputPath) {
        out = std::fopen(outputPath, "a");
        if (!out) {
            std::fprintf(stderr, "vyr-wm-recorder: can't open %s: %s\n", outputPath, std::strerror(errno));
            return 1;
        }
    }

    Display *dpy = XOpenDisplay(displayName);
    if (!dpy) {
        std::fprintf(stderr, "vyr-wm-recorder: can't open display %s\n", XDisplayName(displayName));
        return 1;
    }
    if (screen < 0)
        screen = DefaultScreen(dpy);
    const Window root = RootWindow(dpy, screen);

    XSetWindowAttributes attrs;
    attrs.override_redirect = True;
    attrs.event_mask = PropertyChangeMask;
    const Window window = XCreateWindow(dpy, root, -10, -10, 1, 1, 0, 0, InputOnly, CopyFromParent,
                                        CWOverrideRedirect | CWEventMask, &attrs);
    const std::string selectionName = "_VYR_WM_S" + std::to_string(screen);
    const Atom selection = XInternAtom(dpy, selectionName.c_str(), False);
    const Atom command = XInternAtom(dpy, "_VYR_WM_COMMAND", False);

    // A zero-length append yields a PropertyNotify carrying a real timestamp,
    // which selection ownership requires.
    XChangeProperty(dpy, window, command, XInternAtom(dpy, "UTF8_STRING", False), 8, PropModeAppend,
                    reinterpret_cast<const unsigned char *>(""), 0);
    XEvent event;
    Time timestamp = CurrentTime;
    for (;;) {
        XNextEvent(dpy, &event);
        if (event.type == PropertyNotify && event.xproperty.window == window) {
            timestamp = event.xproperty.time;
            break;
        }
    }
    XSetSelectionOwner(dpy, selection, window, timestamp);
    if (XGetSelectionOwner(dpy, selection) != window) {
        std::fprintf(stderr, "vyr-wm-recorder: can't own %s\n", selectionName.c_str());
        return 1;
    }

    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = onSignal;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    signal(SIGPIPE, SIG_IGN);

    std::fprintf(stderr, "vyr-wm-recorder: ready\n");
    std::fflush(stderr);

    std::string pending;
    const int fd = ConnectionNumber(dpy);
    while (!s_stop) {
        if (!XPending(dpy)) {
            pollfd pfd{fd, POLLIN, 0};
            const int ready = poll(&pfd, 1, 200);
            if (ready < 0 && errno != EINTR)
                break;
            if (ready <= 0)
                continue;
            if (pfd.revents & (POLLHUP | POLLERR))
                break;
        }
        XNextEvent(dpy, &event);
        if (event.type == SelectionClear && event.xselectionclear.selection == selection) {
            std::fprintf(stderr, "vyr-wm-recorder: lost the selection\n");
            break;
        }
        if (event.type != PropertyNotify || event.xproperty.window != window || event.xproperty.atom != command
            || event.xproperty.state != PropertyNewValue)
            continue;
        // Read and delete in one request, so nothing appended in between is
        // lost. The server deletes the property only with the last chunk, so
        // a very large value is read on from where the last chunk ended.
        long offset = 0;
        for (;;) {
            Atom type = None;
            int format = 0;
            unsigned long count = 0, after = 0;
            unsigned char *data = nullptr;
            if (XGetWindowProperty(dpy, window, command, offset, 1 << 24, True, AnyPropertyType, &type, &format,
                                   &count, &after, &data)
                    != Success
                || !data)
                break;
            if (format == 8)
                pending.append(reinterpret_cast<const char *>(data), count);
            XFree(data);
            if (after == 0 || format != 8)
                break;
            offset += long(count / 4);
        }
        std::string::size_type newline;
        while ((newline = pending.find('\n')) != std::string::npos) {
            std::fwrite(pending.data(), 1, newline, out);
            std::fputc('\n', out);
            pending.erase(0, newline + 1);
        }
        std::fflush(out);
    }
    XSetSelectionOwner(dpy, selection, None, CurrentTime);
    XDestroyWindow(dpy, window);
    XCloseDisplay(dpy);
    if (out != stdout)
        std::fclose(out);
    return 0;
}
