// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "wallpaperpage.h"
#include "ui_wallpaperpage.h"

#include <themepage.h>
#include <themesave.h>
#include <themesettings.h>
#include <wmcolours.h>
#include <vyrpaths.h>

#include <QFileInfo>
#include <QScreen>

WallpaperPage::WallpaperPage(ThemeSettings *settings, ThemeSettings *palette, QWidget *parent)
    : AdminThemeKCM(settings, parent)
    , m_palette(palette)
{
}

WallpaperPage::~WallpaperPage() = default;

void WallpaperPage::setPrimaryColor(const QString &colour)
{
    m_primaryColor = colour;
    if (m_primaryColor.isEmpty())
        m_primaryColor = accentColour(QString(), m_palette);
}

void WallpaperPage::selectWallpaperFile(const QString &path)
{
    if (path.isEmpty() || !QFileInfo::exists(vyrSystemPath(path)))
        return;
    m_wallpaper = path;
    m_wallpaperTime = ThemeSave::editTime();
    customWallpaperFlag() = path.startsWith(QLatin1Char('/')) && !path.contains(QLatin1String("vyr-default"))
        ? CustomWallpaper::Yes
        : CustomWallpaper::No;
    markAsChanged();
}

void WallpaperPage::reloadForScreen(QScreen *scr)
{
    Q_UNUSED(scr)
}

void WallpaperPage::load()
{
    setupForm(m_ui);
    m_wallpaper = settings()->value(QStringLiteral("WallPaper"), QStringLiteral("vyr-default")).toString();
    m_logo = settings()->value(QStringLiteral("LogoPixmap"), QString()).toString();
    setPrimaryColor(m_primaryColor);
    AdminThemeKCM::load();
}

void WallpaperPage::save()
{
    AdminThemeKCM::save();
}
