// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

typedef struct _XDisplay Display;

/**
 * The one X connection of this process for its own requests (window
 * manager commands, root-window properties): Qt's when the program runs a
 * graphical application on X11, else a connection opened on first use and
 * kept for the life of the process. Null when DISPLAY names no server that
 * answers; that is found out once.
 *
 * Keeping one connection matters beyond its cost: an X server resets
 * itself when its last client leaves, and the console service modes would
 * otherwise wait for that between every two requests.
 */
Display *vyrX11Display();

#include <QString>

/// @p display ("host:N.S") without the screen number ("host:N"): the
/// server, whichever of its screens a program uses.
QString vyrDisplayWithoutScreen(const QString &display);
