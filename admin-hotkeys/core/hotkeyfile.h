// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

/// Section of a hot-key file that holds the bindings.
constexpr const char *shortCutKeysSection = "ShortCutKeys";

/// Where a row's binding comes from; None for a function nobody bound.
enum class HotkeySource { None, User, System };

/// One row of the editor: a function or a command with at most one key.
struct HotkeyRow {
    QString action;   ///< translated description, or the command line
    QString key;      ///< key in Qt's portable text, empty when unbound
    QString function; ///< function identifier, or execCommandId()
    HotkeySource source = HotkeySource::None;
    /// The entry as the file spelt it. While key and action still read as
    /// these bytes, the entry is written back byte for byte, so that
    /// spellings the editor would normalise (quotes, aliases, bytes of
    /// another encoding) survive a save.
    QByteArray rawKey;
    QByteArray rawValue;
};

struct HotkeyRowGroup {
    QString title; ///< translated
    QVector<HotkeyRow> rows;
};

/// An entry the editor cannot show (a function this version does not
/// know); it is kept and written back.
struct HotkeyRawEntry {
    QByteArray key;
    QByteArray value;
    HotkeySource source = HotkeySource::User;
};

/**
 * The bindings of a hot-key file as the editor shows them: one group per
 * group of the function table with one row per function, then the group
 * "Command Keybindings" holding the command rows, plus the keys of system
 * bindings that the user switched off.
 */
class HotkeyBindings
{
public:
    /// The function table without keys, and an empty command group.
    HotkeyBindings();

    QVector<HotkeyRowGroup> groups;
    /// Keys (portable text) written as "Disable" entries.
    QStringList disabledKeys;
    /// The file spelling of disabled keys that were read from a file.
    QHash<QString, QByteArray> disabledRawKeys;
    QVector<HotkeyRawEntry> unknownEntries;

    int commandGroupIndex() const { return groups.size() - 1; }
    HotkeyRowGroup &commandGroup() { return groups.last(); }

    /**
     * Fills the bindings from @p path and, unless empty, @p systemPath
     * (entries of the second file get Source "system"). Returns false, with
     * a reason in @p error, when @p path is empty, unreadable or has no
     * [ShortCutKeys] section; the bindings are then unchanged. A system
     * file that cannot be read adds nothing and sets @p warning.
     */
    bool load(const QString &path, const QString &systemPath, QString *error = nullptr, QString *warning = nullptr);

    /**
     * Writes the bindings into @p path: with @p userRowsOnly only rows of
     * Source "user" (the user's file lies over the system file). Commands
     * without a key are stored as None0, None1, ... in row order. A key
     * that two entries give (rows in tree order, then entries of unknown
     * functions, then disabled keys) is written once, with the later
     * entry's value. Other sections and entries of unknown functions are
     * kept. The file is
     * replaced atomically; false with @p error when it cannot be written.
     */
    bool save(const QString &path, bool userRowsOnly, QString *error = nullptr) const;

    /// The INI text save() would write, starting from @p base (the file's
    /// present content, or empty).
    QByteArray serialize(const QByteArray &base, bool userRowsOnly) const;
};

/**
 * A quick test whether load() will accept @p path: it can be read and has a
 * [ShortCutKeys] section line before any NUL byte. False with a reason in
 * @p error otherwise.
 */
bool keyFileHasSection(const QString &path, QString *error = nullptr);

/// The key text (Qt portable text) of a file key: quotes removed, "|" as
/// "+", the None markers dropped, known X key strings converted.
QString keyFileToText(const QString &fileKey);

/// The file key of a key text: X key names joined by "|", "None|" before a
/// key without modifiers, a last key of one character in lower case.
QString keyStringToFile(const QString &keyText);

/// A command row's value as written: the command in double quotes unless it
/// already starts with one.
QString commandFileValue(const QString &command);

/// Removes one pair of surrounding double quotes.
QString unquoted(const QString &text);

/// The user's hot-key file and the system-wide one for this session.
QString userKeyFilePath();
QString systemKeyFilePath();

/// The content of a new, empty hot-key file.
QByteArray emptyKeyFileContent();

/// Copies @p from onto @p to (whole, atomically, no shell). False with
/// @p error when @p from cannot be read or @p to cannot be written.
bool copyKeyFile(const QString &from, const QString &to, QString *error = nullptr);
