// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>
#include <QStringList>

class QProcess;
typedef struct _XDisplay Display;

/// Looks at the windows of other programs on the test display.
namespace xwin {
/// The viewable top-level window whose WM_CLASS name is @p resourceName, or 0.
unsigned long findViewable(Display *dpy, const QByteArray &resourceName);
/// All of them, bottom to top.
QList<unsigned long> allViewable(Display *dpy, const QByteArray &resourceName);
/// Geometry in root coordinates.
QRect geometry(Display *dpy, unsigned long window);
unsigned long inputFocus(Display *dpy);
/// A CARDINAL/32 property as numbers; empty when missing or of another type.
QList<long> cardinals(Display *dpy, unsigned long window, const char *property);
/// WM_TRANSIENT_FOR, 0 when unset.
unsigned long transientFor(Display *dpy, unsigned long window);
QString title(Display *dpy, unsigned long window);
/**
 * Runs xdotool with @p args on DISPLAY; true on exit status 0. This
 * process's event loop keeps running meanwhile, as in waitServing().
 */
bool xdotool(const QStringList &args);
/**
 * Waits for @p process to end while this process's event loop keeps
 * running (it may serve the clipboard or a D-Bus object the program uses).
 * Returns the exit status, -1 after a time-out (the process is killed), -2
 * after a crash.
 */
int waitServing(QProcess &process, int timeoutMs = 15000);
}
