// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "testenv.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace soundfixture {

inline bool copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    bool ok = QFileInfo(from).isDir();
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + file.mid(from.size());
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::remove(target);
        ok = QFile::copy(file, target) && ok;
    }
    return ok;
}

/// The system and user sound directories of the sandbox.
inline QString systemSounds() { return vyrtest::sysPath(QStringLiteral("/usr/share/sounds")); }
inline QString userSounds() { return vyrtest::home() + QStringLiteral("/.local/share/sounds"); }

/**
 * The fixture themes of tests/data/sounds (system ones below the sandbox's
 * /usr/share/sounds, user ones below ~/.local/share/sounds) and a copy of
 * the installed freedesktop theme. False when a part is missing.
 */
inline bool installSoundThemes()
{
    const QString data = vyrtest::sourceDir() + QStringLiteral("/tests/data/sounds");
    return copyTree(data + QStringLiteral("/system"), systemSounds())
        && copyTree(data + QStringLiteral("/user"), userSounds())
        && copyTree(QStringLiteral("/usr/share/sounds/freedesktop"), systemSounds() + QStringLiteral("/freedesktop"));
}

/// Sets LC_ALL for the lookups that follow the environment's locale.
inline void setLocale(const char *locale) { qputenv("LC_ALL", locale); }
}
