// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// Icon and cursor themes written into the sandbox for the tests of the
// theme lists (header only: used by the back-end and the page tests).
#include "testenv.h"

#include <QColor>
#include <QDir>
#include <QImage>

#include <X11/Xcursor/Xcursor.h>

namespace vyrtest {

/// One icon of a fixture theme: "<size>/<context>/<name>".
struct FixtureIcon {
    int size;
    const char *context;
    const char *name;
};

/// The icons the Theme page requires of an icon theme.
inline QList<FixtureIcon> completeIconSet()
{
    return {{48, "status", "user-trash-full"}, {48, "places", "user-home"},     {48, "places", "user-desktop"},
            {32, "status", "user-trash-full"}, {32, "places", "user-home"},     {32, "places", "user-desktop"},
            {32, "apps", "preferences-system-time"}};
}

/**
 * Writes icon theme @p name below @p base (a directory "icons"): Fixed
 * directories "<size>x<size>/<context>" for 32 and 48 in the contexts
 * Status, Places and Applications, each icon a small PNG.
 */
inline bool writeIconTheme(const QString &base, const QString &name, const QList<FixtureIcon> &icons,
                           const QByteArray &inherits = QByteArray())
{
    QByteArray index = "[Icon Theme]\nName=" + name.toUtf8() + "\n";
    if (!inherits.isEmpty())
        index += "Inherits=" + inherits + "\n";
    QByteArray dirs;
    QByteArray groups;
    const std::pair<const char *, const char *> contexts[] = {
        {"status", "Status"}, {"places", "Places"}, {"apps", "Applications"}};
    for (int size : {32, 48}) {
        for (const auto &context : contexts) {
            const QByteArray dir = QByteArray::number(size) + "x" + QByteArray::number(size) + "/" + context.first;
            dirs += (dirs.isEmpty() ? "" : ",") + dir;
            groups += "\n[" + dir + "]\nSize=" + QByteArray::number(size) + "\nContext=" + context.second
                + "\nType=Fixed\n";
        }
    }
    if (!writeFile(base + QLatin1Char('/') + name + QStringLiteral("/index.theme"),
                   index + "Directories=" + dirs + "\n" + groups))
        return false;
    for (const FixtureIcon &icon : icons) {
        const QString dir = base + QLatin1Char('/') + name + QStringLiteral("/%1x%1/").arg(icon.size)
            + QLatin1String(icon.context);
        QDir().mkpath(dir);
        QImage image(icon.size, icon.size, QImage::Format_ARGB32);
        image.fill(QColor(0x33, 0x66, 0x99));
        if (!image.save(dir + QLatin1Char('/') + QLatin1String(icon.name) + QStringLiteral(".png")))
            return false;
    }
    return true;
}

/// Writes cursor theme @p name below @p base with the cursors @p cursors
/// (Xcursor files of one 24-pixel image each).
inline bool writeCursorTheme(const QString &base, const QString &name,
                             const QStringList &cursors = {QStringLiteral("left_ptr"), QStringLiteral("watch"),
                                                           QStringLiteral("xterm")})
{
    const QString dir = base + QLatin1Char('/') + name + QStringLiteral("/cursors");
    if (!QDir().mkpath(dir) || !writeFile(base + QLatin1Char('/') + name + QStringLiteral("/index.theme"),
                                          "[Icon Theme]\nName=" + name.toUtf8() + "\n"))
        return false;
    for (const QString &cursor : cursors) {
        XcursorImages *images = XcursorImagesCreate(1);
        XcursorImage *image = XcursorImageCreate(24, 24);
        image->xhot = 1;
        image->yhot = 1;
        for (int i = 0; i < 24 * 24; ++i)
            image->pixels[i] = 0xff000000;
        images->images[0] = image;
        images->nimage = 1;
        const bool saved
            = XcursorFilenameSaveImages(QFile::encodeName(dir + QLatin1Char('/') + cursor).constData(), images);
        XcursorImagesDestroy(images);
        if (!saved)
            return false;
    }
    return true;
}
}
