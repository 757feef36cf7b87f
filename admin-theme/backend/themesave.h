// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QColor>
#include <QString>

#include <functional>

class KConfigGroup;
class ThemeSettings;

/**
 * The Theme page's save without widgets: what the controls show goes in,
 * the files are written and the session is told, step by step: cursor
 * size, cursor theme, icon theme, taskbar icons, Qt toolbar icons,
 * keyboard flags, desktop items, the option keys, sizes, then (outside a
 * high-integrity session) the decoration, or for the default decoration
 * the colour scheme through ColourSchemeApply, the wallpaper's scheme
 * mode, the wallpaper and the compositor's shadow, and last
 * AdaptiveIconStringColor.
 */
namespace ThemeSave {

/// What the page's controls show. An empty text stands for a list that
/// has no entries (or has not been filled yet): its step is skipped.
struct Input {
    QString cursorSizeText; ///< "Auto" or a number
    QString cursorTheme;
    QString iconTheme;
    bool trayIconTheme = true;
    bool symbolicToolbarIcons = false;
    bool nationalFlags = false;
    bool myComputer = false;
    bool trash = false;

    bool useStartButton = false;
    bool usePager = true;
    bool multiTaskbar = false;
    bool noTaskbarButtonName = false;
    bool taskbarButtonCombine = false;
    bool ownKbPerWindow = false;
    bool baseKbForNewWindow = false;
    bool numLockOn = false;
    bool oneClickRun = false;
    bool titlebarStringCenter = false;

    bool autoSize = true;
    QString iconSizeText;
    int taskbarHeight = 48; ///< device pixels, as the spin box shows it
    qreal pixelRatio = 1.0;  ///< of the primary screen
    int titleHeight = 29;
    int frameWidth = 5;

    QString scheme; ///< the page's currentSchemePath()
    /// Empty for the "Default" entry. With @c decorationListed false the
    /// list was not filled and the stored DecorTheme is kept.
    QString decoration;
    bool decorationListed = true;
    QColor primary;
    QColor background;
    QColor iconString;
    /// "none", "light" or "dark" (the wallpaper scheme list when enabled).
    QString wallpaperMode = QStringLiteral("none");
    /// The Wallpaper page's wallpaper and change time when that page is
    /// loaded; else empty and 0 (the stored WallPaper is then used).
    QString wallpaper;
    qint64 wallpaperTime = 0;
    bool wallpaperFromPage = false;
    qint64 schemeTime = 0; ///< when the scheme was last chosen, 0 never
    bool adaptiveIconStringColor = true;
    /// The Window colour of the Qt style's standard palette, for a
    /// TaskbarColor of "qt".
    QString qtWindowColour;
};

/// What the page needs from the session while saving.
struct Hooks {
    /// Shows a "Warning" box with one OK button.
    std::function<void(const QString &text)> warn;
    /// The Wallpaper page is to show @p path.
    std::function<void(const QString &path)> showWallpaper;
    /// The scheme is now the colour scheme manager's active one.
    std::function<void(const QString &scheme)> activateScheme;
    /// The kept "Colors:View" group of breezerc (may be null).
    KConfigGroup *breezeGroup = nullptr;
};

struct Result {
    bool schemeChanged = false;
    bool decorationChanged = false;
    /// A generated scheme file was deleted: the scheme list must be remade.
    bool generatedSchemesRemoved = false;
};

/**
 * Saves @p input into @p theme (current.themerc) and @p palette
 * (paletterc), with the session flags of this process. Write failures are
 * reported by the stores on standard error.
 */
Result save(ThemeSettings *theme, ThemeSettings *palette, const Input &input, const Hooks &hooks);

/// The default wallpaper a newly saved scheme brings along (the save's own
/// rule, wider than the dialog's page switch), or empty.
QString wallpaperForSavedScheme(const QString &scheme, const QString &wallpaper);

/**
 * The time of an edit the save compares (a scheme or a wallpaper chosen),
 * in milliseconds since the epoch, and later than every earlier call: two
 * choices made within one clock tick still keep their order.
 */
qint64 editTime();

/**
 * Gives the user a User.colors in $XDG_DATA_HOME/color-schemes when there
 * is none, copied from the shipped template; an existing file is never
 * replaced and the copy appears whole or not at all. Problems are printed
 * on standard error ("can't find", "can't copy").
 */
void ensureUserScheme();

/// Makes the desktop item @p fileName of the current desktop shown or
/// hidden; a missing shown item is copied from the shipped template.
/// Returns whether anything changed.
bool setDesktopItem(const QString &fileName, bool shown);
}
