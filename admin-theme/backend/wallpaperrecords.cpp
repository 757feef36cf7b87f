// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "wallpaperrecords.h"

#include <vyrinidocument.h>
#include <vyrpaths.h>
#include <vyrwmcommand.h>

#include <QDir>
#include <QFile>

#include <cstdio>
#include <memory>

namespace {
const QString s_desktopGroup = QStringLiteral("Desktop Entry");
const QString s_key = QStringLiteral("X-VYR-WallPaper");
const QByteArray s_monitorPrefix = QByteArrayLiteral("Monitor::");

QString recordFile(const QString &desktopDir)
{
    return desktopDir + QStringLiteral("/.directory");
}

QString monitorGroup(const QString &screenName)
{
    return QString::fromLatin1(s_monitorPrefix) + screenName;
}

/// The record file of @p desktopDir, or null when it cannot be read.
std::unique_ptr<VyrIniDocument> load(const QString &desktopDir)
{
    auto doc = std::make_unique<VyrIniDocument>(VyrIniDocument::CaseInsensitive);
    if (desktopDir.isEmpty() || !doc->loadFile(recordFile(desktopDir)))
        return nullptr;
    return doc;
}

void reportUnloadable(const QString &desktopDir)
{
    std::fprintf(stderr, "vyr-admin-theme: can't load %s\n", qPrintable(recordFile(desktopDir)));
}

bool save(const VyrIniDocument &doc, const QString &desktopDir)
{
    QString error;
    if (doc.saveFile(recordFile(desktopDir), &error))
        return true;
    std::fprintf(stderr, "vyr-admin-theme: can't write %s: %s\n", qPrintable(recordFile(desktopDir)),
                 qPrintable(error));
    return false;
}

/// Every desktop directory: ~/Desktops/Desktop*.
QStringList desktopDirectories()
{
    const QString home = GetVyrDir(VyrDirHome);
    if (home.isEmpty())
        return {};
    const QDir root(home + QStringLiteral("/Desktops"));
    QStringList dirs;
    for (const QString &name : root.entryList({QStringLiteral("Desktop*")}, QDir::Dirs | QDir::NoDotAndDotDot))
        dirs << root.filePath(name);
    return dirs;
}
}

WallpaperRecords readWallpaperRecords(const QString &screenName)
{
    const QString current = GetVyrDir(VyrDirCurrentDesktop);
    const auto doc = load(current);
    if (!doc) {
        reportUnloadable(current);
        return {};
    }
    WallpaperRecords records;
    records.desktop = doc->text(s_desktopGroup, s_key);
    if (!screenName.isEmpty())
        records.monitor = doc->text(monitorGroup(screenName), s_key);
    return records;
}

bool writeWallpaperRecords(const QString &value, bool perDesktop, bool perMonitor, const QString &screenName)
{
    // A line break would end the record's line and start one of its own.
    if (value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r'))) {
        QString shown = value;
        shown.replace(QLatin1Char('\n'), QLatin1String("\\n")).replace(QLatin1Char('\r'), QLatin1String("\\r"));
        std::fprintf(stderr, "vyr-admin-theme: wallpaper %s holds a line break, not written\n", qPrintable(shown));
        return false;
    }
    bool ok = true;
    QString written = value;
    const QString current = GetVyrDir(VyrDirCurrentDesktop);
    if (const auto doc = load(current)) {
        if (written.startsWith(QLatin1Char('#')))
            written = QLatin1Char('"') + written + QLatin1Char('"');
        if (perDesktop)
            doc->setText(s_desktopGroup, s_key, written);
        if (perMonitor && !screenName.isEmpty())
            doc->setText(monitorGroup(screenName), s_key, written);
        if (perDesktop || (perMonitor && !screenName.isEmpty()))
            ok = save(*doc, current) && ok;
    } else {
        reportUnloadable(current);
    }
    if (perMonitor && !perDesktop && !screenName.isEmpty()) {
        // A wallpaper for a monitor alone is that monitor's on every desktop.
        for (const QString &dir : desktopDirectories()) {
            const auto other = load(dir);
            if (!other)
                continue;
            other->setText(monitorGroup(screenName), s_key, written);
            ok = save(*other, dir) && ok;
        }
    }
    vyrSendWmCommand(wallpaperLocalCommand(written));
    return ok;
}

bool clearDesktopWallpaperRecords()
{
    bool ok = true;
    for (const QString &dir : desktopDirectories()) {
        const auto doc = load(dir);
        if (!doc)
            continue;
        if (doc->removeKey(s_desktopGroup.toUtf8(), s_key.toUtf8()))
            ok = save(*doc, dir) && ok;
    }
    return ok;
}

bool clearMonitorWallpaperRecords()
{
    bool ok = true;
    for (const QString &dir : desktopDirectories()) {
        const auto doc = load(dir);
        if (!doc)
            continue;
        const QList<QByteArray> groups = doc->sections();
        if (groups.size() < 2)
            continue;
        bool removed = false;
        for (const QByteArray &group : groups) {
            if (group.startsWith(s_monitorPrefix))
                removed = doc->removeSection(group) || removed;
        }
        // An unchanged file is not rewritten: a rewrite could only lose
        // what the parser does not keep.
        if (removed)
            ok = save(*doc, dir) && ok;
    }
    return ok;
}

bool hasMonitorWallpaperRecords()
{
    const auto doc = load(GetVyrDir(VyrDirCurrentDesktop));
    if (!doc)
        return false;
    const QList<QByteArray> groups = doc->sections();
    if (groups.size() < 2)
        return false;
    for (const QByteArray &group : groups) {
        if (group.startsWith(s_monitorPrefix))
            return true;
    }
    return false;
}

QString wallpaperLocalCommand(const QString &value)
{
    return QStringLiteral("VYRWM_UPDATE_VAL WallPaperLocal ") + value + QLatin1Char('\n');
}
