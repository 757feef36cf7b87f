// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

/**
 * Whole-file writes of the settings files. The window manager and other
 * programs read these files at any time, so a file is never rewritten in
 * place.
 */

/**
 * Writes @p data to @p path atomically (temporary file in the same directory,
 * then rename). The old file stays intact on failure; @p error receives the
 * reason. Creates missing parent directories when @p createDirs is set.
 */
bool vyrWriteFileAtomically(const QString &path, const QByteArray &data, QString *error = nullptr,
                            bool createDirs = true);

/**
 * Keeps a copy of the file at @p path as "<path>.bak" (replacing an older
 * copy, written atomically) before the file is rewritten without something
 * it held: bytes the INI parser cannot keep, or a whole file replaced by a
 * default. Returns false, with the reason in @p error, when the file could
 * not be read or the copy not written; a missing file needs no copy and
 * gives true.
 */
bool vyrKeepBackup(const QString &path, QString *error = nullptr);
