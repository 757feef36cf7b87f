// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <KSharedConfig>

#include <QColor>
#include <QString>
#include <QStringList>

class ThemeSettings;

/**
 * The window manager's colour keys in current.themerc and how a colour
 * scheme or the palette fills them.
 *
 * A WM colour key holds "#rrggbb", a colour name, or the name of one of the
 * eight palette variables, which the window manager resolves. Writes go
 * through the theme store: a key is written only when its new value differs
 * from what is read (with the key's palette variable as default), never
 * with a window-manager command, and the file is rewritten once per call.
 */

/// The role of a scheme's "WM" group that a WM colour key is taken from.
enum class WmRole {
    ActiveWindowHeader,
    ActiveWindowFrame,
    InactiveWindowHeader,
    InactiveWindowFrame,
    TaskbarBackground,
    TaskbarBackgroundHover,
    White,      ///< the literal "white" (IconStringColor)
    NotWritten, ///< kept as it is (SwitcherActiveColor)
};

struct WmColourKey {
    const char *key;
    const char *paletteVariable;
    WmRole role;
    bool textOfRole; ///< the key takes textColorFor() of the role's colour
    bool menuKey;    ///< one of MenuColor .. MenuStringActiveColor
};

/// The 38 WM colour keys in table order.
const QVector<WmColourKey> &wmColourKeys();

/// The eight palette variables a WM colour key may name.
const QStringList &paletteVariables();

/// The eight keys of a scheme's "WM" group, in the order they are checked.
const QStringList &wmRoleNames();

/**
 * Parses a "WM" role value: "#..." as a colour name, or three decimal
 * numbers "r,g,b" in 0..255. A number outside that range, a value with
 * another number of parts, or a bad name gives an invalid colour (whose
 * name() is "#000000"); an unparsable number counts as 0.
 */
QColor parseWmRoleColour(const QString &value);

/**
 * True when the scheme carries window-manager colours: its path ends with
 * "SolvaDark.colors", "SolvaLight.colors" or "SolvaVanteraAdmin.colors"
 * (the file is not opened), or its "WM" group holds all eight roles with
 * non-empty values. A missing or unreadable file has none.
 */
bool hasWmColours(const QString &scheme);

/**
 * Writes the WM colour keys of @p theme from the scheme's "WM" group
 * (SwitcherActiveColor untouched, IconStringColor "white"). With a palette
 * store, PrimaryColor becomes the activeWindowHeader colour and
 * BackgroundColor the taskbarBackground colour. Returns false when a store
 * could not be written.
 */
bool applySchemeWmColours(const QString &scheme, ThemeSettings *theme, ThemeSettings *palette);

/**
 * Points every WM colour key of @p theme at its palette variable; the menu
 * keys only when @p withMenuKeys. Returns false when the store could not be
 * written.
 */
bool linkWmColoursToPalette(ThemeSettings *theme, bool withMenuKeys);

/**
 * The accent colour of the current theme: @p current when it is not empty
 * or there is no palette store; otherwise the palette's BackgroundColor for
 * a scheme with WM colours, else its PrimaryColor (default "#039be5").
 */
QString accentColour(const QString &current, ThemeSettings *palette);

/// The darker companion of @p colour, with a lighter one for colours that
/// cannot be darkened and a darker one for colours that cannot be lightened.
QString primaryDarkColour(const QString &colour);

/**
 * The desktop colour for a wallpaper text @p value: the value itself when it
 * is a "#" colour, else the theme's DesktopColor (default "blue"; a locked
 * key is read from the master file), where legacy "qv..." names are translated and
 * "BackgroundColor..." means primaryDarkColour() of the palette's
 * BackgroundColor. Returns the colour's "#rrggbb" name ("#000000" when it
 * names no colour).
 */
QString resolveDesktopColour(const QString &value, ThemeSettings *theme, ThemeSettings *palette);

/**
 * The file to open for a scheme path as it is stored. System paths (below
 * /usr or /etc) go through vyrSystemPath(); others, and paths that already
 * lie below the system root, are used as they are.
 */
QString schemeFilePath(const QString &scheme);

/**
 * The stored spelling of a scheme file's path, the inverse of
 * schemeFilePath(): a file below the system root (VYR_SYSROOT) is named by
 * its system path (/usr/share/...); any other path is returned unchanged.
 */
QString storedSchemePath(const QString &file);

/**
 * The scheme's file, read with KConfig (with the global settings beneath
 * it). Every engine function reads a scheme through this: while a caller
 * holds the returned object, opening the same scheme again returns it
 * instead of reading the file once more.
 */
KSharedConfigPtr openScheme(const QString &scheme);
