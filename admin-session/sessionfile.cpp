// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "sessionfile.h"

#include "vyrfileio.h"
#include "vyrinidocument.h"
#include "vyrpaths.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

static const QString s_section = QStringLiteral("Variables");

QString sessionFilePath()
{
    const QString dir = GetVyrDir(VyrDirUserPlatform);
    if (dir.isEmpty())
        return QString();
    return dir + QStringLiteral("/sessrc") + vyrSessionConfigSuffix(0);
}

QStringList loginModeWords()
{
    return {QStringLiteral("restorePreviousLogout"), QStringLiteral("restoreSavedSession"), QStringLiteral("default")};
}

QStringList shutdownTypeWords()
{
    return {QStringLiteral("default"), QStringLiteral("none"), QStringLiteral("reboot"), QStringLiteral("halt"),
            QStringLiteral("logout")};
}

static QString readText(const VyrIniDocument &doc, const QString &key, const QString &defaultValue)
{
    QString text = doc.text(s_section, key, defaultValue);
    if (text.startsWith(QLatin1Char('"')))
        text.remove(0, 1);
    if (text.endsWith(QLatin1Char('"')))
        text.chop(1);
    return text;
}

static bool readBool(const VyrIniDocument &doc, const QString &key)
{
    return readText(doc, key, QStringLiteral("true")).compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

static int readPosition(const VyrIniDocument &doc, const QString &key, const QString &defaultValue,
                        const QStringList &words)
{
    const int position = words.indexOf(readText(doc, key, defaultValue));
    return position < 0 ? 0 : position;
}

SessionValues readSessionValues(const VyrIniDocument &doc)
{
    SessionValues v;
    v.useExitDialog = readBool(doc, QStringLiteral("UseExitDialog"));
    v.useConfirmDialog = readBool(doc, QStringLiteral("UseConfirmDialog"));
    v.useSM = readBool(doc, QStringLiteral("UseSM"));
    v.loginMode = readPosition(doc, QStringLiteral("LoginMode"), QStringLiteral("default"), loginModeWords());
    v.shutdownType =
        readPosition(doc, QStringLiteral("ShutdownType"), QStringLiteral("restorePrevious"), shutdownTypeWords());
    v.excludeApps = readText(doc, QStringLiteral("ExcludeApps"), QString());
    v.remoteExecCmd = readText(doc, QStringLiteral("RemoteExecCmd"), QStringLiteral("ssh -X"));
    v.remoteUserName = readText(doc, QStringLiteral("RemoteUserName"), QString());
    return v;
}

static QString boolText(bool on)
{
    return on ? QStringLiteral("true") : QStringLiteral("false");
}

static QString wordAt(const QStringList &words, int position)
{
    return position >= 0 && position < words.size() ? words.at(position) : QStringLiteral("default");
}

static QString quoted(const QString &text)
{
    return text.startsWith(QLatin1Char('"')) ? text : QLatin1Char('"') + text + QLatin1Char('"');
}

QList<SessionChange> sessionChanges(const SessionValues &stored, const SessionValues &wanted, bool fileIsNew)
{
    QList<SessionChange> changes;
    auto add = [&](bool differs, const QString &key, const QString &text, bool notify = true) {
        if (fileIsNew || differs)
            changes.append({key, text, notify});
    };
    add(stored.useExitDialog != wanted.useExitDialog, QStringLiteral("UseExitDialog"), boolText(wanted.useExitDialog));
    add(stored.useConfirmDialog != wanted.useConfirmDialog, QStringLiteral("UseConfirmDialog"),
        boolText(wanted.useConfirmDialog));
    add(stored.useSM != wanted.useSM, QStringLiteral("UseSM"), boolText(wanted.useSM), false);
    add(stored.loginMode != wanted.loginMode, QStringLiteral("LoginMode"), wordAt(loginModeWords(), wanted.loginMode));
    add(stored.shutdownType != wanted.shutdownType, QStringLiteral("ShutdownType"),
        wordAt(shutdownTypeWords(), wanted.shutdownType));
    // The texts are compared as the local 8-bit encoding stores them.
    auto differs = [](const QString &a, const QString &b) { return a.toLocal8Bit() != b.toLocal8Bit(); };
    add(differs(stored.excludeApps, wanted.excludeApps), QStringLiteral("ExcludeApps"), quoted(wanted.excludeApps));
    add(differs(stored.remoteExecCmd, wanted.remoteExecCmd), QStringLiteral("RemoteExecCmd"),
        quoted(wanted.remoteExecCmd));
    add(differs(stored.remoteUserName, wanted.remoteUserName), QStringLiteral("RemoteUserName"),
        wanted.remoteUserName);
    return changes;
}

bool saveSessionFile(const QString &path, const SessionValues &wanted, QList<SessionChange> *changes, QString *error)
{
    const auto fail = [&](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    changes->clear();
    if (path.isEmpty())
        return fail(QCoreApplication::translate("SessionSettingsDialog", "Can't create '%1'").arg(path));
    QByteArray original;
    const QFileInfo info(path);
    const bool exists = info.exists();
    if (exists) {
        // A file that exists but cannot be read must not be replaced by one
        // holding only the changed keys.
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return fail(QCoreApplication::translate("SessionSettingsDialog", "Can't open '%1'").arg(path));
        original = file.readAll();
    }
    VyrIniDocument doc(VyrIniDocument::CaseInsensitive);
    doc.loadData(original);
    *changes = sessionChanges(readSessionValues(doc), wanted, !exists || original.isEmpty());
    if (changes->isEmpty())
        return true;
    for (const SessionChange &change : qAsConst(*changes))
        doc.setText(s_section, change.key, change.text);
    // The parser stops at a NUL byte; keep the whole original.
    if (original.contains('\0'))
        vyrKeepBackup(path);
    QString reason;
    if (!doc.saveFile(path, &reason)) {
        changes->clear();
        return fail(QCoreApplication::translate("SessionSettingsDialog", "Can't save file '%1': %2").arg(path, reason));
    }
    return true;
}

QString sessionCommand(const SessionChange &change)
{
    return QStringLiteral("VYRWM_UPDATE_VAL %1 %2\n").arg(change.key, change.text);
}
