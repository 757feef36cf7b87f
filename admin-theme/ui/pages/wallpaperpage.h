// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <adminthemekcm.h>

#include <memory>

class QScreen;
class ThemePage;
namespace Ui {
class WallpaperForm;
}

/**
 * The Wallpaper page: the desktop's wallpaper and logo. The dialog and the
 * Theme page keep the default wallpaper in step with the colour scheme
 * through the accessors below.
 */
class WallpaperPage : public AdminThemeKCM
{
    Q_OBJECT
public:
    /// @p palette is the dialog's store of paletterc (not owned).
    WallpaperPage(ThemeSettings *settings, ThemeSettings *palette, QWidget *parent);
    ~WallpaperPage() override;

    void setThemePage(ThemePage *page) { m_themePage = page; }
    ThemePage *themePage() const { return m_themePage; }

    /// The primary colour of the current scheme ("#rrggbb").
    QString primaryColor() const { return m_primaryColor; }
    /// Sets the primary colour; an empty @p colour recomputes it from paletterc.
    void setPrimaryColor(const QString &colour = QString());
    /// The wallpaper field: a path, a wallpaper name or a colour.
    QString wallpaper() const { return m_wallpaper; }
    /// When the wallpaper was last chosen (ThemeSave::editTime()), 0 never.
    qint64 wallpaperChangeTime() const { return m_wallpaperTime; }
    /// The logo field.
    QString logo() const { return m_logo; }

public Q_SLOTS:
    /// Puts @p path in the wallpaper field when the file exists.
    void selectWallpaperFile(const QString &path);
    /// The window moved to @p scr: show that monitor's wallpaper.
    void reloadForScreen(QScreen *scr);
    void load() override;
    void save() override;

private:
    ThemeSettings *const m_palette;
    ThemePage *m_themePage = nullptr;
    std::unique_ptr<Ui::WallpaperForm> m_ui;
    QString m_primaryColor;
    QString m_wallpaper;
    QString m_logo;
    qint64 m_wallpaperTime = 0;
};
