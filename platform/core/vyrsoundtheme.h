// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

/**
 * A sound theme in the layout of the freedesktop.org Sound Theme
 * Specification: a directory "<base>/sounds/<name>" with an "index.theme"
 * whose group [Sound Theme] gives Name (localised as Name[xx]), Inherits and
 * Directories; each listed directory may have a group of its own with an
 * OutputProfile ("stereo" when absent).
 *
 * Base directories, searched in this order: $XDG_DATA_HOME/sounds
 * (~/.local/share/sounds), then "sounds" below each entry of $XDG_DATA_DIRS
 * (default /usr/local/share:/usr/share, through vyrSystemPath()). A theme
 * may spread over several base directories; its index.theme is the first
 * one found.
 *
 * Widget-free; no audio is decoded.
 */
class VyrSoundTheme
{
public:
    /**
     * A theme called @p name (its directory name). With an empty @p path the
     * theme is looked up in the base directories; otherwise @p path is the
     * theme's directory (the one holding index.theme). Nothing is read
     * before load().
     */
    explicit VyrSoundTheme(const QString &name, const QString &path = QString());
    ~VyrSoundTheme();
    VyrSoundTheme(const VyrSoundTheme &) = delete;
    VyrSoundTheme &operator=(const VyrSoundTheme &) = delete;

    /**
     * Reads index.theme and the themes it inherits (a parent that cannot be
     * read is left out; inheritance cycles are cut). Returns false when the
     * theme has no readable index.theme with a [Sound Theme] group; the
     * object then finds no sounds.
     */
    bool load();
    bool isLoaded() const;

    /// The internal name, as given to the constructor.
    QString name() const;
    /**
     * The display name in the locale of the environment (LC_ALL,
     * LC_MESSAGES, LANG): Name[ll_CC], Name[ll], else Name; empty when the
     * theme is not loaded or has no Name.
     */
    QString localName() const;
    /// The theme's directory; empty when it was not found.
    QString path() const;
    /// The Inherits list as written (trimmed, empty entries dropped).
    QStringList inherits() const;
    /**
     * The theme's sound directories (relative to the theme directory) in
     * lookup order for @p profile: the ones of that output profile first,
     * then the "stereo" ones, then the rest in the order of Directories.
     * Entries that are absolute or contain ".." are ignored.
     */
    QStringList directories(const QString &profile = QStringLiteral("stereo")) const;

    /**
     * The full path of the event sound @p soundName, empty when there is
     * none. The lookup tries the name in this theme, the inherited themes
     * (depth first, in Inherits order) and then "freedesktop"; only then it
     * shortens the name at its last "-" and starts again ("dialog-error-
     * serious", "dialog-error", "dialog"). In each theme directory a
     * localised file (<dir>/<locale>/<name>.<ext>) wins over a plain one;
     * extensions are tried in the order .oga, .ogg, .wav.
     *
     * An empty @p profile means "stereo"; an empty @p locale means the
     * locale of the environment. A name that is empty or contains "/"
     * yields an empty path; so does any lookup on a theme not loaded.
     */
    QString getSoundFilePath(const QString &soundName, const QString &profile = QString(),
                             const QString &locale = QString()) const;

    /// Names of the installed themes (directories with an index.theme in any
    /// base directory), sorted and without repetitions.
    static QStringList getThemesNames();
    /// The base directories in search order (see the class comment).
    static QStringList baseDirectories();

private:
    struct Private;
    std::unique_ptr<Private> d;
};
