// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

typedef struct _XDisplay Display;

/**
 * The window manager's command channel.
 *
 * The window manager owns the selection "_VYR_WM_S<screen>" on a window of
 * its own. A sender looks the owner up and appends the command's bytes to the
 * property "_VYR_WM_COMMAND" (type UTF8_STRING, format 8, PropModeAppend) of
 * that window, then flushes. The window manager reads and deletes the
 * property when it sees PropertyNotify. The X server performs each append
 * atomically, so lines of several senders never interleave.
 */
namespace VyrWmChannel {
QByteArray selectionName(int screen);
constexpr const char *commandProperty = "_VYR_WM_COMMAND";
}

/**
 * Delivers one command line to the window manager on @p display (the default
 * screen's selection). Returns false when there is no display, no window
 * manager owns the selection (the line is dropped) or the owner vanished
 * while sending. X errors are caught, never fatal.
 */
bool SendCommandToWM(Display *display, const char *command);

/**
 * Sends @p line (a trailing newline is added when missing) to the window
 * manager of this program's display: Qt's own X connection when the program
 * runs on X11, otherwise a connection of its own to DISPLAY. Line breaks
 * inside @p line become blanks and NUL characters are dropped, so one call
 * is always one command. Returns false when there is no display or no window
 * manager.
 */
bool vyrSendWmCommand(const QString &line);
