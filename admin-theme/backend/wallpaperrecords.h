// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

/**
 * Per-desktop and per-monitor wallpapers: records in the ".directory" file
 * of each virtual desktop's directory (~/Desktops/Desktop*), which the
 * window manager reads over the global WallPaper of the theme file.
 *
 * A desktop record is "X-VYR-WallPaper" in the group "Desktop Entry"; a
 * monitor record is the same key in the group "Monitor::<output name>" and
 * wins over the desktop record. The value is an image path or a colour; a
 * colour is stored in double quotes ("\"#5A91BD\""). Group and key names
 * match without regard to case; the "Monitor::" prefix is matched as
 * written. Other groups and keys of a record file belong to other programs
 * and are kept. Record files and directories are never created.
 */

/// The values of the current desktop's records; each empty when absent.
struct WallpaperRecords {
    QString desktop;
    QString monitor;
};

/**
 * Reads the records of the current desktop; @p screenName is the output the
 * settings window stands on (empty when unknown: no monitor record is
 * read). A record file that cannot be read gives "vyr-admin-theme: can't
 * load <path>" on standard error and two empty values.
 */
WallpaperRecords readWallpaperRecords(const QString &screenName);

/**
 * Writes @p value as a record: with @p perDesktop into the current
 * desktop's desktop record, with @p perMonitor (and a known @p screenName)
 * into its monitor record as well; with @p perMonitor alone into the monitor
 * record of every desktop, so that the monitor shows it on each. A colour
 * ("#...") is quoted when the current desktop's file could be read. Then
 * sends "VYRWM_UPDATE_VAL WallPaperLocal <value as written>" to the window
 * manager. Returns false, after a line on standard error, when a file could
 * not be written or @p value holds a line break, which would add lines to
 * the file; nothing is then sent for a refused value.
 */
bool writeWallpaperRecords(const QString &value, bool perDesktop, bool perMonitor, const QString &screenName);

/// Removes the desktop record of every desktop (the group stays). Returns
/// false when a file could not be written.
bool clearDesktopWallpaperRecords();

/**
 * Removes every "Monitor::" group of every desktop's record file that has
 * at least two groups (a file whose only group is a monitor group keeps
 * it). Returns false when a file could not be written.
 */
bool clearMonitorWallpaperRecords();

/// The current desktop's record file has more than one group and at least
/// one monitor group.
bool hasMonitorWallpaperRecords();

/// The window-manager command that announces a record's value.
QString wallpaperLocalCommand(const QString &value);
