// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

/// Directory codes understood by GetVyrDir(). Only the codes the suite uses
/// are defined; any other code yields an empty path.
enum VyrDir {
    VyrDirSharedData = 0,   ///< <root>/usr/share/vyr: theme.master, templates, defaults
    VyrDirUserPlatform = 2, ///< ~/.vyr: paletterc, keyshortcutrc, sessrc, kompmgrrc
    VyrDirUserTheme = 3,    ///< ~/.vyr/theme: current.themerc
    VyrDirStartMenu = 4,    ///< ~/.vyr/startmenu: the user's start menu entries
    VyrDirCurrentDesktop = 6, ///< ~/Desktops/DesktopN of the virtual desktop shown now
    VyrDirSounds = 14,      ///< <root>/usr/share/sounds
    VyrDirToolbar = 17,     ///< ~/.vyr/toolbar: the user's toolbar entries
    VyrDirHome = 18,        ///< the home directory
    VyrDirPictures = 21,    ///< the XDG pictures directory (parent of "Wallpapers")
    VyrDirDecorations = 27, ///< <root>/usr/share/vyr/decor: window decoration themes
};

/**
 * Maps an absolute system path as the desktop spells it ("/usr/share/...",
 * "/etc/xdg/...", "/usr/bin/killall") to the path to use on this machine.
 *
 * When the environment variable VYR_SYSROOT names a directory, the path is
 * taken below it; otherwise it is returned unchanged. Tests and the demo use
 * this to point every system path at a fixture tree. A relative path is
 * returned unchanged.
 */
QString vyrSystemPath(const QString &absolutePath);

/**
 * Returns the absolute path of a platform directory, without a trailing
 * slash, or an empty string when it cannot be determined (no home directory,
 * unknown code). The directory is not created.
 */
QString GetVyrDir(int code);

/**
 * Returns the suffix appended to per-session file names such as
 * "current.themerc" (kind 0 is the current session). It is empty for an
 * ordinary single-seat session; on a multi-seat machine (VYR_SEAT_LIST set)
 * it is "." followed by the X display number for every display but :0, so
 * that the seats do not share one theme file.
 */
QString vyrSessionConfigSuffix(int kind);

/// Index of the virtual desktop shown now (0-based, from _NET_CURRENT_DESKTOP
/// on the root window), or 0 when it cannot be read.
int vyrCurrentDesktopIndex();
