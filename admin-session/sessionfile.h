// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class VyrIniDocument;

/// The session options of the window manager, as the dialog shows them.
struct SessionValues {
    bool useExitDialog = true;
    bool useConfirmDialog = true;
    bool useSM = true;
    /// Position in loginModeWords(); the default "default" is position 2.
    int loginMode = 2;
    /// Position in shutdownTypeWords(); positions the dialog's list does
    /// not have (such as "logout") select no entry there.
    int shutdownType = 0;
    QString excludeApps;
    QString remoteExecCmd = QStringLiteral("ssh -X");
    QString remoteUserName;
};

/// One key to store in the session file and, when notify is set, to announce.
struct SessionChange {
    QString key;
    QString text;
    bool notify = true;
};

/// The session file of this display: ~/.vyr/sessrc plus the session suffix.
QString sessionFilePath();

/// "restorePreviousLogout", "restoreSavedSession", "default".
QStringList loginModeWords();
/// "default", "none", "reboot", "halt", "logout".
QStringList shutdownTypeWords();

/// Reads the "[Variables]" section (any case) of a session file; absent
/// keys give the defaults, unknown words position 0.
SessionValues readSessionValues(const VyrIniDocument &doc);

/**
 * The keys to write, in the file's key order: every key when @p fileIsNew,
 * otherwise those whose wanted value differs from the stored one. Texts are
 * as stored: booleans "true"/"false", list positions as their words (a
 * position without a word writes "default"), the excluded applications and
 * the remote command between double quotes unless they start with one.
 * UseSM is never announced (it takes effect at the next login).
 */
QList<SessionChange> sessionChanges(const SessionValues &stored, const SessionValues &wanted, bool fileIsNew);

/**
 * Stores @p wanted in the session file at @p path: every key when the file
 * is missing or empty, else only the keys whose value differs (see
 * sessionChanges()), into @p changes. The file is replaced atomically, never
 * created empty first, and only when something changed; a file holding a
 * NUL byte is kept as "<path>.bak" first, since the parser stops there. A
 * file that exists but cannot be read is left alone. False, with a
 * translated reason in @p error, when the file could not be read or
 * written; the old file then stays as it was.
 */
bool saveSessionFile(const QString &path, const SessionValues &wanted, QList<SessionChange> *changes,
                     QString *error = nullptr);

/// The window manager command announcing @p change.
QString sessionCommand(const SessionChange &change);
