// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

/**
 * The non-interactive colour service modes. @p withDisplay tells whether a
 * display was found (DISPLAY names a server that answers); without one
 * every step that needs it (D-Bus signal, Qt settings announcement, WM
 * command, panel and keyboard restarts) is skipped and only files are
 * written. Both return the process exit status.
 */

/// Applies the scheme file @p scheme to the whole desktop; 0 done, 2 when
/// the file is missing or the same scheme needs nothing.
int runApplyColorScheme(const QString &scheme, bool withDisplay);

/// Regenerates the window manager's colours, the Qt palette and the
/// decoration colours from the palette file; always 0.
int runWmColor(bool withDisplay);
