// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "vyrfileio.h"

#include <QString>
#include <QVariant>

#include <memory>

class VyrIniDocument;

/**
 * Settings of the "[Variables]" section of a themerc-format INI file.
 *
 * Reading keeps everything else in the file: comments, the order of keys,
 * other sections and unknown keys, and bytes in any encoding. Keys are
 * case-sensitive. When a key appears more than once the last occurrence is
 * read; writing the key replaces all of them by one line.
 *
 * Changes stay in memory until sync(false). The file is then rewritten as a
 * whole: the new text goes to a temporary file in the same directory which is
 * renamed over the old one, so a reader (the window manager) never sees half
 * a file and a failed write (read-only directory, full disk) leaves the old
 * file as it was. A file that held what the INI parser cannot represent (NUL
 * bytes, lines that are neither a comment, a section nor "key=value") is
 * copied to "<file>.bak" before its first rewrite.
 */
class VyrSettings
{
public:
    explicit VyrSettings(const QString &path);
    ~VyrSettings();
    VyrSettings(const VyrSettings &) = delete;
    VyrSettings &operator=(const VyrSettings &) = delete;

    /// False when the file is missing or could not be read.
    bool isParsed() const;
    QString fileName() const;

    /// The text of @p key, or @p defaultValue when the key is absent.
    QVariant value(const QString &key, const QVariant &defaultValue = QVariant()) const;
    /// Stores @p value as text: booleans as "true"/"false", numbers in decimal.
    void setValue(const QString &key, const QVariant &value);
    void remove(const QString &key);
    bool contains(const QString &key) const;
    /// Every key of the section in file order.
    QStringList keys() const;

    /**
     * Writes pending changes to disk (creating the file and its directory
     * when needed). With @p reload, the file is read again afterwards, so
     * changes made by other programs become visible. Returns false when a
     * pending write failed; the failure is also printed to standard error and
     * the changes stay pending. A file that exists but could not be read is
     * never overwritten.
     */
    bool sync(bool reload = false);

    /// Human-readable reason of the last failed write, empty after success.
    QString errorString() const;

private:
    void load();

    QString m_path;
    std::unique_ptr<VyrIniDocument> m_doc;
    bool m_parsed = false;
    bool m_dirty = false;
    bool m_needsBackup = false;
    bool m_unreadable = false;
    QString m_error;
};

