// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later

// "wm_send COUNT PREFIX": sends COUNT lines "PREFIX <i> <padding>" back to
// back through the window manager's command channel; exits 1 if any failed.
#include <vyrwmcommand.h>

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char **argv)
{
    if (argc < 3)
        return 2;
    const int count = std::atoi(argv[1]);
    Display *dpy = XOpenDisplay(nullptr);
    if (!dpy)
        return 3;
    int failed = 0;
    for (int i = 0; i < count; ++i) {
        const std::string line = std::string(argv[2]) + " " + std::to_string(i) + " " + std::string(100, 'p') + "\n";
        if (!SendCommandToWM(dpy, line.c_str()))
            ++failed;
    }
    XCloseDisplay(dpy);
    return failed ? 1 : 0;
}
