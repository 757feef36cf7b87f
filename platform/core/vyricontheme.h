// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

typedef struct _XDisplay Display;

/**
 * An icon theme after the freedesktop.org Icon Theme Specification, the
 * installed cursor themes, the display's cursor theme and size, and the
 * sizes the desktop derives from the screen's DPI.
 *
 * Base directories, in search order: ~/.icons, $XDG_DATA_HOME/icons
 * (~/.local/share/icons), "icons" below each entry of $XDG_DATA_DIRS (the
 * built-in default /usr/local/share:/usr/share goes through vyrSystemPath()),
 * then /usr/share/pixmaps. A theme is a directory <base>/<name>; the first
 * index.theme found defines it, but its icon directories are looked up in
 * every base directory, so a user can add icons to an installed theme.
 */
class VyrIconTheme
{
public:
    /// How a theme directory's icons match a requested size.
    enum class DirType { Fixed, Scalable, Threshold };

    struct Directory {
        QString path; ///< relative to the theme directory
        int size = 0;
        int scale = 1;
        QString context;
        DirType type = DirType::Threshold;
        int minSize = 0;
        int maxSize = 0;
        int threshold = 2;
    };

    /**
     * The theme @p name. With @p basePath the theme's index.theme is read
     * only from <basePath>/<name> (icons are still looked up in every base
     * directory). With @p followInherits false, lookups stay in this theme;
     * otherwise its Inherits themes and finally "hicolor" are searched too.
     */
    explicit VyrIconTheme(const QString &name, const QString &basePath = QString(), bool followInherits = true);
    ~VyrIconTheme();
    VyrIconTheme(const VyrIconTheme &) = delete;
    VyrIconTheme &operator=(const VyrIconTheme &) = delete;

    /// Reads index.theme; false when there is none with an "[Icon Theme]"
    /// group and directories. A theme that did not load finds no icons.
    bool load();
    bool isLoaded() const;

    QString name() const;
    /// The directory whose index.theme defines the theme; empty before load().
    QString path() const;
    /// Name= of the theme (the directory name when it has none).
    QString displayName() const;
    QStringList inherits() const;
    const std::vector<Directory> &directories() const;
    /// The theme holds cursors (a "cursors" directory in a base directory).
    bool hasCursors() const;

    /**
     * The file of icon @p iconName made for @p size (the specification's
     * DirectoryMatchesSize: exact for Fixed, MinSize..MaxSize for Scalable,
     * Size ± Threshold for Threshold directories) in a directory of
     * @p context (any context when empty, compared without case). Searches
     * this theme, then (when following) its inherited themes depth first,
     * each once, then hicolor. Extensions are tried as png, svg, xpm.
     * Empty when no directory of that size holds the icon: a theme that has
     * the icon only at other sizes does not count as having it.
     */
    QString getIconPath(const QString &iconName, int size, const QString &context = QString()) const;

    /**
     * The specification's FindIcon: as getIconPath(), but when no directory
     * matches the size, the icon of the closest size (DirectorySizeDistance)
     * in the first theme holding it, and finally a loose file in a base
     * directory. Empty when the icon exists nowhere.
     */
    QString findIcon(const QString &iconName, int size, const QString &context = QString()) const;

    /**
     * The file to draw for icon @p iconName at @p size pixels on a screen
     * of @p scale, by the freedesktop lookup with scaled directories
     * (the one toolkits follow): the first theme in the search order (this
     * theme, its inherited themes, hicolor) holding the icon in any
     * directory gives it; among that theme's directories the first whose
     * size and Scale match exactly, else the one closest in pixels
     * (DirectorySizeDistance). Unlike findIcon(), a theme holding the icon
     * only at other sizes wins over an inherited theme with an exact one.
     * Empty when no theme holds the icon.
     */
    QString iconFileToDraw(const QString &iconName, int size, int scale = 1) const;

    /// The Size of each directory holding @p iconName in the theme that
    /// iconFileToDraw() takes it from (index order, repeats kept), as Qt
    /// lists a theme icon's sizes; empty when no theme holds it.
    QList<int> iconSizesToDraw(const QString &iconName) const;

    /// The base directories that exist, in search order.
    static QStringList baseDirs();
    /// The file of the icon @p iconName directly in @p dir (a ".png", ".svg"
    /// or ".xpm" file, tried in that order), or empty.
    static QString iconFileInFolder(const QString &dir, const QString &iconName);
    /// Every theme (a directory with index.theme) in the base directories,
    /// each name once, sorted.
    static QStringList getThemesNames();
    /// Every theme directory holding "cursors/", each name once, sorted.
    static QStringList getCursorThemeNames();

    /**
     * The display's cursor theme: the resource Xcursor.theme of the
     * server's current resources (RESOURCE_MANAGER, read anew each call),
     * else XCURSOR_THEME, else an empty string (the caller's default).
     */
    static QString getCurrentCursorThemeName(Display *display);
    /// As above for Xcursor.size and XCURSOR_SIZE; 0 when none is set or
    /// the value is not a positive number.
    static int getCurrentCursorThemeSize(Display *display);

    /**
     * Makes @p name the cursor theme: Xcursor.theme in ~/.Xresources
     * (other lines kept) and in the running server, and Inherits= of
     * ~/.icons/default/index.theme, which programs started without X
     * resources read (other keys of that file kept). An empty name removes
     * the settings. False, with the reason in @p error, when a file could
     * not be written or xrdb failed.
     */
    static bool setCurrentCursorThemeName(const QString &name, QString *error = nullptr);
    /// Xcursor.size in ~/.Xresources and the server; @p size below 1
    /// removes it (the cursor library's own default then applies).
    static bool setCurrentCursorThemeSize(int size, QString *error = nullptr);

    /**
     * Sizes for screens above 120 dpi, growing in proportion to the DPI
     * from their value at 120 dpi, so that they continue the fixed sizes
     * used up to there: the desktop icon size (@p desktop 1: 48 at 120 dpi)
     * or the taskbar icon size (@p desktop 0: 31 at 120 dpi, so that the
     * taskbar, 17 pixels more, is 48 high). A DPI of 120 or less, or not
     * positive, gives the 120 dpi value.
     */
    static int GetIconSizeForDPI(int dpi, int desktop);
    /// The title bar height: @p base (29 for the desktop) at 120 dpi,
    /// growing in proportion above.
    static int GetFrameTitleSizeForDPI(int dpi, int base);
    /// The frame width: @p base (5 for the desktop) at 120 dpi, growing in
    /// proportion above.
    static int GetFrameBorderSizeForDPI(int dpi, int base);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

/**
 * The screen's DPI from the X resource Xft.dpi of the server's current
 * resources (read anew each call). 0 when there is no display or the
 * resource is missing or not a positive number.
 */
int GetXftDPI(Display *display, int screen);

/**
 * The screen's physical DPI from its height in pixels and millimetres
 * (rounded). @p root is the screen's root window, kept for callers that
 * hold it; the screen's own size is used. 0 when the display is null or
 * reports no physical size.
 */
int FindDPI(Display *display, int screen, unsigned long root);
