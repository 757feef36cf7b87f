// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

struct SessionFlags;

/**
 * Where the user's theme file and palette file live, and how they start.
 * Paths are empty without a home directory.
 */

/// ~/.vyr/theme/current.themerc plus the session suffix.
QString userThemeFilePath();

/**
 * Gives a user without a theme file one: when nothing exists at @p path, it
 * is written (atomically, parents created) from the shipped default
 * /usr/share/vyr/theme/current.themerc, or as an empty "[Variables]" section
 * when no default is installed, and a line on standard error says so. An
 * existing file, readable or not, is never touched. Returns false, after a
 * line on standard error, when the file was missing and could not be made.
 */
bool ensureUserThemeFile(const QString &path);

/// ~/.vyr/paletterc.
QString paletteFilePath();

/// The three values of a palette file.
struct PaletteValues {
    QString primaryColor;
    QString backgroundColor;
    QString colorScheme;
};

/// The values a new palette file starts with, by integrity level and the
/// installed schemes.
PaletteValues paletteSeed(const SessionFlags &flags);

/// The palette file's whole text: "[Variables]" and the three keys, four lines.
QByteArray paletteFileText(const PaletteValues &values);

/**
 * Replaces the palette file at @p path with the four-line form, atomically.
 * On failure the old file stays, the reason goes to @p error and false is
 * returned.
 */
bool writePaletteFile(const QString &path, const PaletteValues &values, QString *error = nullptr);
