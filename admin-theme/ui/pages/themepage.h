// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <adminthemekcm.h>

#include <QColor>

#include <memory>

class WallpaperPage;
namespace Ui {
class ThemeForm;
}

/**
 * The Theme page: colour scheme, primary and background colours and the
 * desktop's themes. Works with the Wallpaper page on the default wallpaper
 * that belongs to a scheme.
 */
class ThemePage : public AdminThemeKCM
{
    Q_OBJECT
public:
    /// @p palette is the dialog's store of paletterc (not owned).
    ThemePage(ThemeSettings *settings, ThemeSettings *palette, QWidget *parent);
    ~ThemePage() override;

    void setWallpaperPage(WallpaperPage *page) { m_wallpaperPage = page; }
    WallpaperPage *wallpaperPage() const { return m_wallpaperPage; }

    /// The file of the scheme shown on the page.
    QString currentSchemePath() const;
    QColor primaryColor() const { return m_primaryColor; }
    QColor backgroundColor() const { return m_backgroundColor; }

public Q_SLOTS:
    /// Shows the scheme @p path on the page; unless @p quiet, as an edit.
    void setColorScheme(const QString &path, bool quiet);
    /// The wallpaper's own scheme choice: 0 none, 1 light, 2 dark.
    void toggleColorSchemes(int index);
    void enableColorSchemes(bool enable);
    void load() override;
    void save() override;

private:
    ThemeSettings *const m_palette;
    WallpaperPage *m_wallpaperPage = nullptr;
    std::unique_ptr<Ui::ThemeForm> m_ui;
    QString m_schemePath;
    QColor m_primaryColor;
    QColor m_backgroundColor;
};
