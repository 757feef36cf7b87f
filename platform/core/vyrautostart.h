// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

/**
 * XDG autostart of desktop programs. A program's record is
 * "<program>.desktop" in the user's autostart directory
 * ($XDG_CONFIG_HOME/autostart, ~/.config/autostart by default) or, when the
 * user has none, in the system directory /etc/xdg/autostart. A record with
 * "Hidden=true" counts as absent; a user record hides a system record of the
 * same name.
 */

/// The user's autostart directory.
QString vyrAutostartDir();
/// The user's record of @p program (which may not exist).
QString vyrAutostartPath(const QString &program);

/// True when the session starts @p program (a valid record that is not hidden).
bool vyrIsAutostartEnabled(const QString &program);

/**
 * Turns the autostart of @p program on or off.
 *
 * Enabling un-hides the user's record, or writes one (Exec: the program
 * followed by @p extra when given) unless a visible system record already
 * starts it. Disabling with @p deleteWhenDisabled removes the user's record;
 * when a system record would still start the program, or without
 * @p deleteWhenDisabled, a user record with "Hidden=true" is written instead.
 * System records are never changed. Returns false when a file could not be
 * written or removed.
 */
bool vyrEnableAutostart(const QString &program, bool enable, const QString &extra = QString(),
                        bool deleteWhenDisabled = false);
