// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "pagetable.h"

#include <effectpage.h>
#include <fontpage.h>
#include <screensaverpage.h>
#include <soundpage.h>
#include <themepage.h>
#include <vyrqtconfigpage.h>
#include <wallpaperpage.h>

#include <QtGlobal>

namespace {
template<class Page>
AdminThemeKCM *makePage(ThemeSettings *theme, ThemeSettings *, QWidget *parent)
{
    return new Page(theme, parent);
}

template<class Page>
AdminThemeKCM *makePaletteAwarePage(ThemeSettings *theme, ThemeSettings *palette, QWidget *parent)
{
    return new Page(theme, palette, parent);
}
}

const std::array<PageInfo, PageCount> &pageTable()
{
    static const std::array<PageInfo, PageCount> table{{
        {QT_TRANSLATE_NOOP("ConfigDialog", "Wallpaper"), "preferences-desktop-wallpaper", 0, true,
         &makePaletteAwarePage<WallpaperPage>},
        {QT_TRANSLATE_NOOP("ConfigDialog", "Theme"), "preferences-desktop-theme", 2, true,
         &makePaletteAwarePage<ThemePage>},
        {QT_TRANSLATE_NOOP("ConfigDialog", "Fonts"), "preferences-desktop-font", 3, true, &makePage<FontPage>},
        {QT_TRANSLATE_NOOP("ConfigDialog", "Screensaver"), "preferences-desktop-screensaver", 5, true,
         &makePage<ScreensaverPage>},
        {QT_TRANSLATE_NOOP("ConfigDialog", "Effects"), "system-run", 1, true, &makePage<EffectPage>},
        {QT_TRANSLATE_NOOP("ConfigDialog", "Sounds"), "preferences-desktop-sound", 4, true, &makePage<SoundPage>},
        {QT_TRANSLATE_NOOP("ConfigDialog", "Programs"), "applications-development", 6, false,
         &makePage<VyrQtConfigPage>},
    }};
    return table;
}

QStringList pageNames()
{
    QStringList names;
    for (const PageInfo &page : pageTable())
        names << QLatin1String(page.name);
    return names;
}

QStringList commandLinePageNames()
{
    QStringList names = pageNames();
    names.insert(names.indexOf(QStringLiteral("Theme")) + 1, QStringLiteral("ColorScheme"));
    return names;
}
