// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QVariant>

/**
 * The compositor's libconfig file (picom.conf or compton.conf): the one
 * place that reads and edits it. Settings are top-level ones. Edits are made
 * in the file's own text, so comments, order and settings this suite does not
 * know survive; the file is replaced atomically, and a file that cannot be
 * parsed is never rewritten.
 */

/// One top-level setting to store: a bool, an int or a string value.
struct CompositorSetting {
    QByteArray name;
    QVariant value;
};

enum class CompositorFileResult {
    Unchanged,  ///< every setting already held its value; the file was not touched
    Written,    ///< the file was replaced with the new values
    Unreadable, ///< missing, unreadable or not valid libconfig text; nothing written
    WriteFailed ///< the new file could not be written; the old one stays
};

/**
 * Stores @p settings in the libconfig file at @p path, each one only when its
 * value differs (a setting of another type differs; a missing one is added at
 * the end). Existing lines are edited in place; only when a setting's text
 * cannot be edited safely (a value over several lines, a group of that name)
 * is the whole file written by libconfig, after keeping a copy as
 * "<path>.bak", since libconfig drops comments. @p error gets the reason of
 * a WriteFailed.
 */
CompositorFileResult setCompositorSettings(const QString &path, const QList<CompositorSetting> &settings,
                                           QString *error = nullptr);

/// The options the Effects page edits.
struct CompositorOptions {
    bool transparency = false; ///< enable-transparency
    bool shadow = false;       ///< shadow
    bool roundCorners = false; ///< corner-radius above 0
    bool animations = false;   ///< animations
    bool fading = false;       ///< fading
    bool vsync = false;        ///< vsync
};

/**
 * Reads the options from @p path; a missing boolean reads false, a missing
 * corner-radius as 0. False (and @p options untouched) when the file cannot
 * be read or parsed.
 */
bool readCompositorOptions(const QString &path, CompositorOptions *options);

/**
 * Writes the options to @p path in the order enable-transparency, vsync,
 * shadow, corner-radius (7 for round corners, else 0), fading, animations;
 * see setCompositorSettings().
 */
CompositorFileResult writeCompositorOptions(const QString &path, const CompositorOptions &options,
                                            QString *error = nullptr);

/// How prepareCompositorConfigFile() came to its file.
enum class CompositorFileOrigin {
    Existing,         ///< the user's file was there
    CopiedFromSystem, ///< first use: a copy of the system's file
    CreatedEmpty,     ///< first use without a system file: an empty file
    CreateFailed      ///< the user's file could not be created
};

/**
 * Finds the user's compositor file for editing. When @p path is empty it
 * becomes the user's configuration directory plus "/picom.conf", or
 * "/compton.conf" when only that exists. A path that exists is used. Else the
 * path becomes "<configuration directory>/picom.conf" and, when that is
 * missing, the first of /etc/xdg/picom.conf, /etc/xdg/picom/picom.conf,
 * /etc/xdg/compton.conf (through vyrSystemPath) is copied there, or an empty
 * file is made.
 */
CompositorFileOrigin prepareCompositorConfigFile(QString *path);

/**
 * Sets the string setting "shadow-color" of the compositor's configuration,
 * ~/.config/picom.conf or, when that does not exist, ~/.config/compton.conf.
 * The file is never created; it is rewritten (atomically) only when the
 * value changes, keeping its comments and layout. Problems are reported on
 * standard error; returns false when the file could not be read or written.
 */
bool setCompositorShadowColor(const QString &colour);
