// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "distribution.h"
#include "session.h"

#include <vyrpaths.h>

#include <QFile>

namespace Distribution {
bool schemesInstalled()
{
    return QFile::exists(vyrSystemPath(solvaLight)) && QFile::exists(vyrSystemPath(solvaVanteraAdmin));
}

QString defaultColourScheme(const SessionFlags &flags)
{
    return flags.distributionSchemesPresent ? solvaLight : vyrDefault;
}

QString defaultPrimaryColour(const SessionFlags &flags)
{
    return flags.distributionSchemesPresent ? QStringLiteral("#5a91bd") : QStringLiteral("#5682a3");
}

bool isShippedWmScheme(const QString &scheme)
{
    for (const char *shipped : {"SolvaDark.colors", "SolvaLight.colors", "SolvaVanteraAdmin.colors"}) {
        if (scheme.endsWith(QLatin1String(shipped)))
            return true;
    }
    return false;
}

QString schemeWallpaper(const QString &scheme, const QString &wallpaper)
{
    if (scheme.endsWith(QLatin1String("SolvaDark.colors")) && (wallpaper == lightWallpaper || wallpaper == redWallpaper))
        return darkWallpaper;
    if (scheme.endsWith(QLatin1String("SolvaVanteraAdmin.colors")) && wallpaper == lightWallpaper)
        return redWallpaper;
    if (scheme.endsWith(QLatin1String("SolvaLight.colors")) && (wallpaper == darkWallpaper || wallpaper == redWallpaper))
        return lightWallpaper;
    return QString();
}

QString shadowColour(const QString &scheme, const QString &wallpaper)
{
    if (scheme == solvaDark && wallpaper == darkWallpaper)
        return QStringLiteral("#5A91BD");
    if (scheme == solvaVanteraAdmin && wallpaper == redWallpaper)
        return QStringLiteral("#F34444");
    return QStringLiteral("#000000");
}
}
