// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QColor>
#include <QMap>
#include <QPalette>
#include <QString>
#include <QStringList>
#include <QVector>

class KConfigGroup;

/**
 * Qt palettes of colour schemes and how a scheme reaches the session.
 *
 * Two schemes are computed from a primary and a background colour instead
 * of being read: VyrDefault.colors and User.colors (the generated schemes).
 * Every other scheme file is turned into a palette by KColorScheme.
 */

/// A shade map of CreateShadeColors(): "color100" .. "color900".
using ShadeMap = QMap<QString, QString>;

/// The path ends with "VyrDefault.colors" or "User.colors".
bool isGeneratedScheme(const QString &scheme);
/// The path ends with "User.colors".
bool isUserScheme(const QString &scheme);

/**
 * Repairs a shade map in which shades on one side could not be made (they
 * equal "color500"): first each dark shade equal to color500 takes its
 * light mirror (600 from 400 .. 900 from 100), then each light shade equal
 * to color500 takes its dark mirror as it stands after the first pass.
 */
void fixShadeMap(ShadeMap &map);

/**
 * The Qt palette of @p scheme: KColorScheme's application palette of the
 * file, or for a generated scheme the palette computed from @p primary and
 * @p background. @p focus and @p hover, when given, receive the window
 * decoration's focus and hover colours. A missing file gives KColorScheme's
 * default palette. A generated scheme keeps, in the roles it does not set,
 * the standard palette of Qt's default style, with or without a graphical
 * application object. @p schemePalette, when given, is KColorScheme's
 * palette of the (not generated) scheme, already made by the caller.
 */
QPalette buildSchemePalette(const QString &scheme, const QColor &primary, const QColor &background,
                            QString *focus = nullptr, QString *hover = nullptr,
                            const QPalette *schemePalette = nullptr);

/// A colour a generated scheme's file takes from its palette.
struct SchemeColourEntry {
    const char *group; ///< "Colors:Button", ...
    const char *key;   ///< "BackgroundNormal", ...
    QColor colour;
};
/**
 * The colours of a generated scheme (VyrDefault.colors, User.colors) made
 * from its @p palette, which the colour engine writes back into the scheme
 * file and the appearance writer into kdeglobals: background, alternate
 * background and text of the button, selection, view, window and header
 * groups.
 */
QVector<SchemeColourEntry> generatedSchemeColours(const QPalette &palette);

/// The 21 colour names of @p group, role by role from WindowText to PlaceholderText.
QStringList paletteColourNames(const QPalette &palette, QPalette::ColorGroup group);

/**
 * Writes the palette of @p scheme where the session reads it: the three
 * lists "Palette/active", "Palette/inactive", "Palette/disabled" of group
 * "Qt" in Trolltech.conf, DecorationFocus and DecorationHover into
 * @p breezeGroup (or "Colors:View" of ~/.config/breezerc), and, for a
 * generated scheme, the main colours back into the scheme file. Returns
 * false, after a line on standard error, when Trolltech.conf or breezerc
 * could not be written; the old files then stay as they were.
 */
bool applyColourScheme(const QString &scheme, const QColor &primary, const QColor &background,
                       KConfigGroup *breezeGroup = nullptr, const QPalette *schemePalette = nullptr);

/**
 * Tells every Qt program on the display that its settings changed: renews
 * the property "_QT_SETTINGS_TIMESTAMP_<display>" of the root window with
 * the current date and time serialised by QDataStream. Returns false
 * without an X display.
 */
bool notifyQtSettingsChanged();
