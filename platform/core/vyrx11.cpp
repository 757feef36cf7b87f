// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "vyrx11.h"
#include "vyrpaths.h"

#include <QX11Info>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

Display *vyrX11Display()
{
    if (QX11Info::isPlatformX11() && QX11Info::display())
        return QX11Info::display();
    static Display *own = nullptr;
    static bool tried = false;
    if (!tried) {
        tried = true;
        if (!qEnvironmentVariableIsEmpty("DISPLAY"))
            own = XOpenDisplay(nullptr);
    }
    return own;
}

QString vyrDisplayWithoutScreen(const QString &display)
{
    const int colon = display.lastIndexOf(QLatin1Char(':'));
    const int dot = display.indexOf(QLatin1Char('.'), colon < 0 ? 0 : colon);
    return colon >= 0 && dot > colon ? display.left(dot) : display;
}

int vyrCurrentDesktopIndex()
{
    Display *dpy = vyrX11Display();
    if (!dpy)
        return 0;
    int index = 0;
    const Atom atom = XInternAtom(dpy, "_NET_CURRENT_DESKTOP", True);
    if (atom != None) {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char *data = nullptr;
        if (XGetWindowProperty(dpy, DefaultRootWindow(dpy), atom, 0, 1, False, XA_CARDINAL, &type, &format,
                               &count, &after, &data)
                == Success
            && data) {
            if (type == XA_CARDINAL && format == 32 && count == 1)
                index = int(*reinterpret_cast<unsigned long *>(data));
            XFree(data);
        }
    }
    return index < 0 || index > 1023 ? 0 : index;
}

