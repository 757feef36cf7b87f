// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "xwindows.h"

#include <QDeadlineTimer>
#include <QProcess>
#include <QTest>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace xwin {

QList<unsigned long> allViewable(Display *dpy, const QByteArray &resourceName)
{
    Window root, parent;
    Window *children = nullptr;
    unsigned int count = 0;
    QList<unsigned long> found;
    if (!XQueryTree(dpy, DefaultRootWindow(dpy), &root, &parent, &children, &count))
        return found;
    for (unsigned int i = 0; i < count; ++i) {
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(dpy, children[i], &attributes) || attributes.map_state != IsViewable)
            continue;
        XClassHint hint = {nullptr, nullptr};
        if (XGetClassHint(dpy, children[i], &hint)) {
            if (hint.res_name && resourceName == hint.res_name)
                found << children[i];
            XFree(hint.res_name);
            XFree(hint.res_class);
        }
    }
    if (children)
        XFree(children);
    return found;
}

unsigned long findViewable(Display *dpy, const QByteArray &resourceName)
{
    return allViewable(dpy, resourceName).value(0);
}

QRect geometry(Display *dpy, unsigned long window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(dpy, window, &attributes))
        return QRect();
    int x = 0, y = 0;
    Window child;
    XTranslateCoordinates(dpy, window, DefaultRootWindow(dpy), 0, 0, &x, &y, &child);
    return QRect(x, y, attributes.width, attributes.height);
}

unsigned long inputFocus(Display *dpy)
{
    Window focus = None;
    int revert = 0;
    XGetInputFocus(dpy, &focus, &revert);
    return focus;
}

QList<long> cardinals(Display *dpy, unsigned long window, const char *property)
{
    QList<long> values;
    const Atom atom = XInternAtom(dpy, property, True);
    if (atom == None)
        return values;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    if (XGetWindowProperty(dpy, window, atom, 0, 64, False, AnyPropertyType, &type, &format, &count, &after, &data)
            == Success
        && data) {
        if (type == XA_CARDINAL && format == 32) {
            const long *numbers = reinterpret_cast<const long *>(data);
            for (unsigned long i = 0; i < count; ++i)
                values << numbers[i];
        }
        XFree(data);
    }
    return values;
}

unsigned long transientFor(Display *dpy, unsigned long window)
{
    Window parent = None;
    if (!XGetTransientForHint(dpy, window, &parent))
        return 0;
    return parent;
}

QString title(Display *dpy, unsigned long window)
{
    const Atom netName = XInternAtom(dpy, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(dpy, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    QString text;
    if (XGetWindowProperty(dpy, window, netName, 0, 1024, False, utf8, &type, &format, &count, &after, &data)
            == Success
        && data) {
        text = QString::fromUtf8(reinterpret_cast<const char *>(data), int(count));
        XFree(data);
    }
    return text;
}

bool xdotool(const QStringList &args)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), args);
    return waitServing(process) == 0;
}

int waitServing(QProcess &process, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (process.state() != QProcess::NotRunning && !deadline.hasExpired())
        QTest::qWait(20);
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
}
}
