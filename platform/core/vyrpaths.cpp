// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "vyrpaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString vyrSystemPath(const QString &absolutePath)
{
    if (!absolutePath.startsWith(QLatin1Char('/')))
        return absolutePath;
    const QString root = qEnvironmentVariable("VYR_SYSROOT");
    if (root.isEmpty())
        return absolutePath;
    QString prefix = root;
    while (prefix.endsWith(QLatin1Char('/')))
        prefix.chop(1);
    return prefix + absolutePath;
}

static QString homeDir()
{
    // QDir::homePath() falls back to the root directory when HOME is unset;
    // a settings program must not then scatter files under "/".
    const QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty())
        return QString();
    return QDir::cleanPath(home);
}

static QString currentDesktopDir(const QString &home)
{
    const QString root = home + QStringLiteral("/Desktops");
    const QString current = root + QStringLiteral("/Desktop") + QString::number(vyrCurrentDesktopIndex() + 1);
    if (QFileInfo(current).isDir())
        return current;
    return root + QStringLiteral("/Desktop1");
}

QString GetVyrDir(int code)
{
    const QString home = homeDir();
    switch (code) {
    case VyrDirSharedData:
        return vyrSystemPath(QStringLiteral("/usr/share/vyr"));
    case VyrDirSounds:
        return vyrSystemPath(QStringLiteral("/usr/share/sounds"));
    case VyrDirDecorations:
        return vyrSystemPath(QStringLiteral("/usr/share/vyr/decor"));
    default:
        break;
    }
    if (home.isEmpty())
        return QString();
    switch (code) {
    case VyrDirUserPlatform:
        return home + QStringLiteral("/.vyr");
    case VyrDirUserTheme:
        return home + QStringLiteral("/.vyr/theme");
    case VyrDirStartMenu:
        return home + QStringLiteral("/.vyr/startmenu");
    case VyrDirCurrentDesktop:
        return currentDesktopDir(home);
    case VyrDirToolbar:
        return home + QStringLiteral("/.vyr/toolbar");
    case VyrDirHome:
        return home;
    case VyrDirPictures: {
        const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        return pictures.isEmpty() ? home + QStringLiteral("/Pictures") : QDir::cleanPath(pictures);
    }
    default:
        return QString();
    }
}

QString vyrSessionConfigSuffix(int kind)
{
    if (kind != 0 || qEnvironmentVariableIsEmpty("VYR_SEAT_LIST"))
        return QString();
    // DISPLAY is "[host]:N[.S]": only the display number tells seats apart.
    const QString display = qEnvironmentVariable("DISPLAY");
    const int colon = display.lastIndexOf(QLatin1Char(':'));
    if (colon < 0)
        return QString();
    QString number = display.mid(colon + 1);
    const int dot = number.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        number.truncate(dot);
    bool ok = false;
    const int n = number.toInt(&ok);
    if (!ok || n == 0)
        return QString();
    return QLatin1Char('.') + QString::number(n);
}
