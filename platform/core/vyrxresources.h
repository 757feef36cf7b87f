// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

/**
 * Helpers for X resources: the user's resources file and the running
 * server's resource database (RESOURCE_MANAGER), changed through `xrdb`
 * (found in PATH, started with argument lists, never through a shell).
 * `xrdb` talks to the display named by DISPLAY.
 */

/**
 * The resource name of @p resource as used for matching: blanks and a
 * trailing colon removed ("Xft.dpi:" and " Xft.dpi " both give "Xft.dpi").
 */
QByteArray vyrXResourceName(const QString &resource);

/**
 * Returns @p data with the resource line of @p resource set to
 * @p resource + @p separator + @p value ("Xft.dpi:", " ", "120" gives
 * "Xft.dpi: 120"). The first line naming the resource is replaced in place;
 * later lines naming it (which would override the first) are dropped, each
 * with its backslash continuation lines. Without such a line the new one is
 * appended. An empty @p value removes the resource's lines instead. Comments
 * ("!"), preprocessor lines ("#") and every other line stay as they are.
 */
QByteArray vyrSetXResourceLine(const QByteArray &data, const QString &resource, const QString &separator,
                               const QString &value);

/**
 * Sets one resource in the X resources file @p fileName (see
 * vyrSetXResourceLine()), writing the file atomically; a missing file is
 * created unless there is nothing to write. With @p applyByXrdb the resource
 * is also merged into the running server, or removed from it when @p value is
 * empty. Returns false when the file could not be read or written (the file
 * is then unchanged and the server is not touched) or xrdb failed; @p error
 * receives the reason.
 */
bool setXrdbParameterInFile(const QString &fileName, const QString &resource, const QString &separator,
                            const QString &value, bool applyByXrdb, QString *error = nullptr);

/**
 * Merges @p text into the server's resources ("xrdb -quiet -merge", the
 * text given on standard input, so no temporary file is needed). The text
 * goes through the C preprocessor as a resources file does; @p includeDir,
 * when not empty, is where its quoted #include lines are looked up. Returns
 * false when xrdb is missing, fails or does not finish within 30 seconds.
 */
bool vyrXrdbMerge(const QByteArray &text, const QString &includeDir = QString(), QString *error = nullptr);

/**
 * Removes every entry named @p resource from the server's resources: the
 * database is queried, the entries are filtered out here and the rest is
 * loaded back without the preprocessor (which could alter queried values).
 * Returns true when the resource is absent afterwards, also when it was never
 * there (then nothing is loaded).
 */
bool vyrXrdbRemove(const QString &resource, QString *error = nullptr);

/// The server's resources as "xrdb -query" prints them; empty on failure.
QByteArray vyrXrdbQuery(QString *error = nullptr);
