// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

struct SessionFlags;

/**
 * What the distribution ships and which shipped things go together: the
 * colour schemes, the default wallpapers, the wallpaper that belongs to a
 * scheme, the compositor's shadow colour for a scheme and wallpaper, and
 * the default colours. Paths are the stored spellings (/usr/share/...);
 * file access goes through vyrSystemPath().
 */
namespace Distribution {
inline const QString solvaLight = QStringLiteral("/usr/share/color-schemes/SolvaLight.colors");
inline const QString solvaDark = QStringLiteral("/usr/share/color-schemes/SolvaDark.colors");
inline const QString solvaVanteraAdmin = QStringLiteral("/usr/share/color-schemes/SolvaVanteraAdmin.colors");
inline const QString vyrDefault = QStringLiteral("/usr/share/color-schemes/VyrDefault.colors");

inline const QString lightWallpaper = QStringLiteral("/usr/share/wallpapers/vyr-default-light.jpg");
inline const QString darkWallpaper = QStringLiteral("/usr/share/wallpapers/vyr-default-dark.jpg");
inline const QString redWallpaper = QStringLiteral("/usr/share/wallpapers/vyr-default-red.jpg");
/// The symbolic name the theme file may hold for the default wallpaper.
inline const QString defaultWallpaperName = QStringLiteral("vyr-default");

/// The shipped theme file a new account starts from.
inline const QString defaultThemeFile = QStringLiteral("/usr/share/vyr/theme/current.themerc");
/// The template of the user's own scheme.
inline const QString userSchemeTemplate = QStringLiteral("/usr/share/vyr/color-schemes/User.colors");

/// Both SolvaLight.colors and SolvaVanteraAdmin.colors are installed.
bool schemesInstalled();

/// SolvaLight with the distribution's schemes, else VyrDefault.
QString defaultColourScheme(const SessionFlags &flags);

/// The default PrimaryColor: "#5a91bd" with the distribution's schemes
/// installed, else "#5682a3".
QString defaultPrimaryColour(const SessionFlags &flags);

/// The file name of a shipped scheme that carries window-manager colours
/// ends @p scheme (the file is not opened).
bool isShippedWmScheme(const QString &scheme);

/**
 * The default wallpaper that belongs to @p scheme when @p wallpaper is
 * another default wallpaper, else an empty string: a wallpaper of the
 * user's own is never replaced.
 */
QString schemeWallpaper(const QString &scheme, const QString &wallpaper);

/// The compositor's shadow colour for a scheme shown over a wallpaper:
/// coloured for the two dark pairs of the distribution, else "#000000".
QString shadowColour(const QString &scheme, const QString &wallpaper);
}
