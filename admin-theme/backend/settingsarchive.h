// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class ThemeSettings;

/**
 * The settings archive without widgets: export of the user's desktop
 * settings into one gzip-compressed tar file, the check of an archive before
 * the window manager unpacks it at logout, the logout command itself, and
 * the removals of a restore. The dialog's slots ask the questions and show
 * what these functions report.
 *
 * Paths named "home" are the home directory the archive's entries are
 * relative to. No function runs a shell; the only shell line is the one
 * logoutCommand() builds for the window manager.
 */
namespace SettingsArchive {

/// home + "/vyr-settings.tgz".
QString defaultArchivePath(const QString &home);

/**
 * The entries an export writes that exist below @p home, relative to it, in
 * archive order: ".vyr", ".Xresources", every name in ".config" ending in "rc" or
 * ".conf" (sorted, hidden names excluded as a shell glob does),
 * ".config/orlenvask", ".config/fontconfig", the four desktop records and the
 * first desktop's "mycomp.desktop" and "mytrash.desktop".
 */
QStringList exportEntries(const QString &home);

/**
 * True when @p member (a relative name, "/"-separated, already free of "."
 * and empty components) lies in the set an export writes: one of the
 * entries above or something below one of its directories.
 */
bool isExportMember(const QString &member);

/**
 * Copies a user-chosen wallpaper and logo into home + "/.vyr" so that the
 * archive holds them, then stores the copies' paths as `WallPaper` and
 * `LogoPixmap` in @p theme and tells the window manager. Nothing is copied
 * for an empty value, a value that is not an absolute path (a colour), a
 * shipped default or a file already inside ~/.vyr. A copy is written under
 * a temporary name; when it fails the key is left as it was and the
 * returned list holds one translated line naming the file and the reason.
 */
QStringList copyWallpaperAndLogo(ThemeSettings *theme, const QString &home);

/**
 * Writes the archive of exportEntries(@p home) to @p archivePath (a gzip tar
 * that `tar xfz` unpacks). Links whose target stays inside the home are kept
 * as links; other links are stored as the file or directory they point to,
 * so that the archive passes checkArchive(). The data goes to a temporary
 * file beside @p archivePath that replaces it only when complete: on failure
 * nothing is left and @p error holds a translated reason naming the path.
 */
bool writeArchive(const QString &archivePath, const QString &home, QString *error = nullptr);

/// What checkArchive() found.
struct CheckResult {
    bool ok = false;
    /// The first member refused (its name as stored), empty when the file
    /// itself is refused (unreadable, not a gzip tar).
    QString member;
    /// Translated reason.
    QString reason;
};

/**
 * Decides whether @p archivePath may be unpacked into @p home. Refused are:
 * a file that is not a gzip-compressed tar (or is damaged), a member with
 * an absolute name or a ".." component, a device, FIFO or any type other
 * than file, directory and link, a symbolic link whose target leaves the
 * home, a hard link to something outside the export set, a member written
 * through a link of the archive, and any member outside the export set.
 */
CheckResult checkArchive(const QString &archivePath, const QString &home);

/**
 * The shell line the window manager runs after logout to unpack
 * @p archivePath into @p home
 * ("tar --no-unquote -xzf <archive> --directory <home>").
 * Both paths are quoted so that no character of them is interpreted by sh;
 * it holds no line break, even when a path does.
 */
QString logoutCommand(const QString &archivePath, const QString &home);

/// "VYRWM_UPDATE_VAL KillAtExitCmd " followed by logoutCommand().
QString importCommand(const QString &archivePath, const QString &home);

enum class RestoreType { AllSettings, ThemeOnly };

/// Called for each path a restore could not remove; the restore goes on.
using FailureReport = std::function<void(const QString &path)>;

/**
 * The file work of a restore: the desktop records and the first desktop's
 * items from the shipped defaults (the items shown again), then, for
 * AllSettings, ~/.Xresources, the font configuration, ~/.vyr, the
 * generated default wallpapers, @p themeFile and @p paletteFile, and for
 * both types Trolltech.conf, breezerc, the window geometry and the
 * compositor's files. Only what exists is removed; each failure is passed
 * to @p report and the next step runs.
 */
void restoreFiles(RestoreType type, const QString &themeFile, const QString &paletteFile,
                  const FailureReport &report);

/**
 * Removes `Xcursor.theme` and `Xcursor.size` from the X server's resources
 * and resets the cursor theme of this process's X connection. False, with
 * @p error, when a resource could not be removed.
 */
bool dropCursorResources(QString *error = nullptr);
}
