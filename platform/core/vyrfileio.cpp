// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "vyrfileio.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

bool vyrWriteFileAtomically(const QString &path, const QByteArray &data, QString *error, bool createDirs)
{
    const QFileInfo info(path);
    if (createDirs && !info.absoluteDir().exists() && !QDir().mkpath(info.absolutePath())) {
        if (error)
            *error = QCoreApplication::translate("VyrFileIo", "can't create directory %1").arg(info.absolutePath());
        return false;
    }
    QSaveFile file(path);
    // Never fall back to writing the file in place: a half-written themerc
    // is worse than an unchanged one.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    // The data sits in the device's buffer until flushed; a failure of that
    // last write (a full disk) is not seen by commit(), which would then
    // put the truncated file in place. So flush first and check.
    if (file.write(data) != data.size() || !file.flush() || !file.commit()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (error)
        error->clear();
    return true;
}

bool vyrKeepBackup(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return vyrWriteFileAtomically(path + QStringLiteral(".bak"), file.readAll(), error, false);
}
