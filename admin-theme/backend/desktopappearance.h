// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "fontsettings.h"

#include <QByteArray>
#include <QPalette>
#include <QString>
#include <QStringList>

class ThemeSettings;

/**
 * What the desktop looks like now, and how programs of every toolkit learn
 * it. The settings pages and the service modes write the suite's own
 * stores; this unit then brings the files other toolkits read in line with
 * them, in one place:
 *
 * - Trolltech.conf "[Qt] font": the general font for Qt programs (the
 *   palette there is the colour engine's);
 * - ~/.config/gtk-3.0/settings.ini and ~/.gtkrc-2.0: icon theme, cursor
 *   theme and size, font, and for GTK 3 the dark variant when the scheme's
 *   window background is dark;
 * - the configuration xsettingsd reads: the same values and the font
 *   rendering (the Xft settings), which running GTK programs follow;
 * - ~/.config/kdeglobals: the scheme's colour groups, its name and the icon
 *   theme, for KDE Frameworks programs.
 *
 * Every file keeps what it holds beyond these keys and groups, is written
 * atomically and only when its text changes; a file that cannot be written
 * keeps its old text and is reported. The file texts are pure functions of
 * the values and the old text, so they are tested without a session.
 */
class DesktopAppearance
{
public:
    /// The stored path of the colour scheme (/usr/share/color-schemes/...).
    QString scheme;
    /// The scheme's Qt palette as Qt programs get it.
    QPalette palette;
    /// The general font ("DefaultFont").
    FontSettings::FontSpec font;
    QString iconTheme;
    /// Empty when none is set; its keys are then removed.
    QString cursorTheme;
    /// Pixels; 0 when none is set.
    int cursorSize = 0;
    FontSettings::XftValues xft;

    /**
     * The desktop as the stores hold it now: the scheme of the palette file,
     * the palette of Trolltech.conf, "DefaultFont" and "IconTheme" of
     * @p theme (the same defaults the pages show: the suite's font, the
     * "breeze" icons), the cursor theme and size of the X resources and the
     * font rendering of the program settings
     * (~/.config/orlenvask/vyr-admin-theme.conf). A caller that has just
     * applied a scheme sets scheme and palette itself.
     */
    static DesktopAppearance current(const ThemeSettings &theme);

    /// The scheme's window background is dark (HSL lightness below one half).
    bool prefersDark() const;
    /// The font as GTK and Pango spell it: "Family [Bold] [Italic] Size".
    QString gtkFontName() const;

    /// The texts of the targets, from the file's old text (empty when it
    /// does not exist).
    QByteArray gtk3Settings(const QByteArray &old) const;
    QByteArray gtk2Settings(const QByteArray &old) const;
    QByteArray xsettingsdConfig(const QByteArray &old) const;
    /// @p schemeFile is the scheme file's text: its colour groups are copied.
    QByteArray kdeGlobals(const QByteArray &old, const QByteArray &schemeFile) const;

    static QString trolltechPath();
    static QString gtk3Path();
    static QString gtk2Path();
    /// The file a running xsettingsd reads: ~/.xsettingsd when it exists
    /// (xsettingsd prefers it), else $XDG_CONFIG_HOME/xsettingsd/xsettingsd.conf.
    static QString xsettingsdPath();
    static QString kdeGlobalsPath();

    /**
     * Writes every target whose text changes. Returns false when one could
     * not be written (it keeps its old text); @p errors then receives a line
     * for each, which also went to standard error.
     */
    bool write(QStringList *errors = nullptr) const;

    /**
     * Tells running programs on the display: a running xsettingsd of this
     * user reloads its file (SIGHUP); without one, an installed xsettingsd
     * is started when the user's autostart starts it (a record is made for
     * a user who has none). Then Qt programs are told to read their
     * settings again (the settings time stamp). Does nothing without a
     * display.
     */
    void notify() const;
};

namespace XSettingsDaemon {
/// The process id of this user's xsettingsd on this process's display, 0 when none.
int findRunning();
/// Makes the running xsettingsd read its file again; false when none runs.
bool reload();
/// /usr/bin/xsettingsd (below the system root).
QString programPath();
/// xsettingsd is installed.
bool installed();
/// The autostart record starts xsettingsd; a user without any record gets one.
bool autostartWanted();
/// Starts /usr/bin/xsettingsd detached (argument list, no shell); false when it is not installed.
bool start();
}
