// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "vyrwmcommand.h"

#include "vyrx11.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstring>

QByteArray VyrWmChannel::selectionName(int screen)
{
    return QByteArrayLiteral("_VYR_WM_S") + QByteArray::number(screen);
}

namespace {
int s_lastError = 0;
int recordError(Display *, XErrorEvent *event)
{
    s_lastError = event->error_code;
    return 0;
}
}

bool SendCommandToWM(Display *display, const char *command)
{
    if (!display || !command)
        return false;
    const Atom selection = XInternAtom(display, VyrWmChannel::selectionName(DefaultScreen(display)).constData(), False);
    const Window owner = XGetSelectionOwner(display, selection);
    if (owner == None)
        return false;
    const Atom property = XInternAtom(display, VyrWmChannel::commandProperty, False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);

    // The owner may die between the lookup and the append; the default
    // handler would end this program over a BadWindow.
    XSync(display, False);
    s_lastError = 0;
    XErrorHandler previous = XSetErrorHandler(recordError);
    XChangeProperty(display, owner, property, utf8, 8, PropModeAppend,
                    reinterpret_cast<const unsigned char *>(command), int(std::strlen(command)));
    XSync(display, False);
    XSetErrorHandler(previous);
    return s_lastError == 0;
}

bool vyrSendWmCommand(const QString &line)
{
    QByteArray bytes = line.toLocal8Bit();
    if (bytes.endsWith('\n'))
        bytes.chop(1);
    // One call is one command: a line break inside a value (a file name may
    // hold one) would start a second command of the sender's choosing, and a
    // NUL would cut the line and glue the next command to it. Fold them as
    // the theme file stores such a value.
    bytes.replace('\0', "").replace('\n', ' ').replace('\r', ' ');
    bytes.append('\n');
    return SendCommandToWM(vyrX11Display(), bytes.constData());
}
