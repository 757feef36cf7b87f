// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "vyrautostart.h"
#include "vyrdesktopentry.h"
#include "vyrpaths.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

QString vyrAutostartDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/autostart");
}

QString vyrAutostartPath(const QString &program)
{
    return vyrAutostartDir() + QLatin1Char('/') + program + QStringLiteral(".desktop");
}

static QString systemAutostartPath(const QString &program)
{
    return vyrSystemPath(QStringLiteral("/etc/xdg/autostart/")) + program + QStringLiteral(".desktop");
}

// 1 visible record, 0 hidden record, -1 no usable record.
static int recordState(const QString &path)
{
    VyrDesktopEntry entry(path);
    if (!entry.load())
        return -1;
    return entry.hidden() ? 0 : 1;
}

bool vyrIsAutostartEnabled(const QString &program)
{
    if (program.isEmpty() || program.contains(QLatin1Char('/')))
        return false;
    const int user = recordState(vyrAutostartPath(program));
    if (user >= 0)
        return user == 1;
    return recordState(systemAutostartPath(program)) == 1;
}

bool vyrEnableAutostart(const QString &program, bool enable, const QString &extra, bool deleteWhenDisabled)
{
    if (program.isEmpty() || program.contains(QLatin1Char('/')))
        return false;
    const QString userPath = vyrAutostartPath(program);
    const int system = recordState(systemAutostartPath(program));

    VyrDesktopEntry entry(userPath);
    const bool haveUser = entry.load();
    if (!enable) {
        if (deleteWhenDisabled && QFileInfo::exists(userPath) && !QFile::remove(userPath))
            return false;
        if (system != 1 && (deleteWhenDisabled || !haveUser))
            return true;
        if (deleteWhenDisabled || !haveUser) {
            // Only a hiding record of the user's can switch a system record off.
            VyrDesktopEntry hiding(systemAutostartPath(program));
            hiding.load();
            hiding.setFilePath(userPath);
            hiding.setHidden(true);
            return hiding.save(false);
        }
        if (entry.hidden())
            return true;
        entry.setHidden(true);
        return entry.save(false);
    }

    if (haveUser) {
        bool changed = false;
        if (entry.hidden()) {
            entry.setHidden(false);
            changed = true;
        }
        if (!extra.isEmpty()) {
            const QString exec = program + QLatin1Char(' ') + extra;
            changed = changed || entry.exec() != exec;
            entry.setExec(exec);
        }
        return !changed || entry.save(false);
    }
    if (system == 1 && extra.isEmpty())
        return true;
    if (system >= 0) {
        // A copy of the system record keeps its name, icon and conditions.
        entry.setFilePath(systemAutostartPath(program));
        entry.load();
        entry.setFilePath(userPath);
    } else {
        entry.setType(QStringLiteral("Application"));
        entry.setName(program);
        entry.setExec(program);
    }
    entry.setHidden(false);
    if (!extra.isEmpty())
        entry.setExec(program + QLatin1Char(' ') + extra);
    return entry.save(false);
}
