// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <adminthemekcm.h>

#include <QColor>
#include <QMap>
#include <QThreadPool>

#include <memory>

class AspectRatioPixmapLabel;
class QAction;
class QImage;
class QScreen;
class ThemePage;
namespace Ui {
class WallpaperForm;
}

/**
 * The Wallpaper page: the desktop's wallpaper (a file, a colour or the
 * default), its position and slide show, the per-desktop and per-monitor
 * records, and the logo with its corner. The dialog and the Theme page keep
 * the default wallpaper in step with the colour scheme through the
 * accessors below. The rules live in wallpapersettings.h and
 * wallpaperpreview.h; the preview is drawn on a worker thread.
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
    QString wallpaper() const;
    /// The logo field.
    QString logo() const;
    /// When the wallpaper was last chosen (see ThemeSave::editTime()), 0 never.
    qint64 wallpaperChangeTime() const { return m_wallpaperChangedAt; }
    /// The preview label (null before the first load).
    AspectRatioPixmapLabel *preview() const { return m_preview; }
    /// The screen whose size the page uses (see the monitor box).
    QSize screenSize() const;

public Q_SLOTS:
    /// Puts @p path in the wallpaper field when it is a readable image
    /// (an SVG is converted first, after asking).
    void selectWallpaperFile(const QString &path);
    /// The wallpaper file dialog.
    void selectWallpaperFile();
    void selectWallpaperColor();
    void selectWallpaper(const QString &text);
    void defautlWallpaperSlot(bool checked = false);
    void slotWallpaperType();
    void slotCurrDesktop(int state);
    void clearWallpaper();
    void selectLogoFile();
    /// Takes @p path as the logo, offering to resize one too large for the
    /// screen (the second half of the logo file dialog).
    void takeLogoFile(const QString &path);
    void selectLogo(const QString &text);
    void selectLogoPosition(const QString &text);
    void defautlLogoSlot(bool checked = false);
    void clearLogo();
    QString posToLocalString(const QString &s) const;
    QString localStringToPos(const QString &s) const;
    void load() override;
    void save() override;
    /// The window moved to @p scr: show that monitor's wallpaper.
    void reloadForScreen(QScreen *scr);
    void setScreenName(const QString &name);

Q_SIGNALS:
    /// A new preview is on screen (it is drawn on a worker thread).
    void previewUpdated();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void setupControls();
    QScreen *currentScreen() const;
    /// The page's window is on the screen (a wait cursor would show).
    bool isOnScreen() const;
    bool warnHighIntegrity();
    /// Asks, then converts an SVG wallpaper; empty when nothing was made.
    QString convertSvg(const QString &svg);
    void takeWallpaperFile(const QString &path);
    void startPreview();
    void showPreview(int request, const QImage &image);
    void markChanged();
    bool eventFilter(QObject *watched, QEvent *event) override;

    ThemeSettings *const m_palette;
    ThemePage *m_themePage = nullptr;
    std::unique_ptr<Ui::WallpaperForm> m_ui;
    AspectRatioPixmapLabel *m_preview = nullptr;
    QAction *m_defaultWallpaperAction = nullptr;
    QAction *m_defaultLogoAction = nullptr;
    QColor m_wallpaperColor;
    QString m_primaryColor;
    QString m_logoPosition = QStringLiteral("BottomRight");
    QMap<QString, QString> m_positionNames;
    qint64 m_wallpaperChangedAt = 0;
    QScreen *m_screenOverride = nullptr;
    bool m_loading = false;
    QString m_previewFile;
    int m_previewRequest = 0;
    int m_renderedWidth = 0;
    /// No picture is decoded before the window's first paint.
    bool m_previewPainted = false;
    /// One worker: a newer preview supersedes the one being drawn.
    QThreadPool m_previewPool;
};
