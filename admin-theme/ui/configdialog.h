// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "pagetable.h"

#include <QDialog>
#include <QIcon>
#include <QMessageBox>

#include <array>
#include <memory>

class AdminThemeKCM;
class KPageWidget;
class KPageWidgetItem;
class QDialogButtonBox;
class QPushButton;
class QScrollArea;
class QSettings;
class ThemePage;
class ThemeSettings;
class VyrQtConfigPage;
class WallpaperPage;

/**
 * The main window of vyr-admin-theme: the seven pages in a list on the
 * left, the current page on the right, and the button row.
 *
 * The dialog owns the two stores every page shares (the edited theme file
 * and paletterc) and the pages; the stores outlive the pages. Pages load
 * when first shown; Apply and OK save every loaded page that reports a
 * change. The window's size and maximised state are kept in the program's
 * QSettings store (~/.config/orlenvask/vyr-admin-theme.conf).
 */
class ConfigDialog : public QDialog
{
    Q_OBJECT
public:
    ConfigDialog(const QString &themeFile, const QString &paletteFile, QWidget *parent = nullptr,
                 Qt::WindowFlags flags = Qt::WindowFlags());
    ~ConfigDialog() override;

    /// The untranslated page names in list order ("Wallpaper" ... "Programs").
    static const QStringList &pageNames();
    /// The page named @p name (untranslated), null for another name.
    AdminThemeKCM *page(const QString &name) const;
    KPageWidget *pageWidget() const { return m_pageWidget; }
    WallpaperPage *wallpaperPage() const { return m_wallpaperPage; }
    ThemePage *themePage() const { return m_themePage; }
    VyrQtConfigPage *programsPage() const { return m_programsPage; }

    QString themeFile() const { return m_themeFile; }
    QString paletteFile() const { return m_paletteFile; }
    ThemeSettings *themeSettings() const { return m_themeSettings.get(); }
    ThemeSettings *paletteSettings() const { return m_paletteSettings.get(); }

    /// Stores the window's size (unless maximised) and maximised state;
    /// nothing after a restore, which removed the stored geometry.
    void storeGeometry();

    /// When set, closing the window never asks to save.
    void setForceClose(bool force) { m_forceClose = force; }
    bool forceClose() const { return m_forceClose; }

    /// See Distribution::schemeWallpaper().
    static QString schemeWallpaper(const QString &scheme, const QString &wallpaper);

public Q_SLOTS:
    void changePage(KPageWidgetItem *current, KPageWidgetItem *previous);
    /// Selects the page @p page (untranslated name) and passes @p argument
    /// on: an image for "Wallpaper", a colour scheme for "Theme".
    void val(const QString &page, const QString &argument = QString());
    QDialogButtonBox *buttonBox() const { return m_buttonBox; }
    bool fileOpen() const { return true; }
    /// Saves every loaded page that reports a change, in the order
    /// Wallpaper, Effects, Theme, Fonts, Sounds, Screensaver, Programs.
    /// Returns false when a page still reports a change afterwards (it
    /// could not write; it has told the user).
    bool fileSave();
    /**
     * Asks whether to save the changes (nothing is asked without any).
     * When Yes was answered but not every page saved, the user is told and
     * Cancel is returned, so that the caller keeps the window.
     */
    QMessageBox::StandardButton requestToSave(bool canCancel = false);
    void helpSlot();
    /// Saves and closes the window, unless a page could not save.
    void okSlot();
    /// Saves; returns what fileSave() returned.
    bool applySlot();
    void rejectSlot();
    void changedSlot(bool state);
    void restoreSlot();
    void exportSlot();
    void importSlot();
    /// A message from a second start: "show" or "Wallpaper <path>".
    bool messageReceived(const QString &message);

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    void buildButtons();
    void restoreWindowGeometry(const QSize &largestPage);
    /// Some loaded page has reported a change since it was last saved.
    bool anyPageChanged() const;
    void setChangesPending(bool pending);
    std::array<AdminThemeKCM *, PageCount> pagesInListOrder() const;
    /// Wallpaper, Effects, Theme, Fonts, Sounds, Screensaver, Programs.
    std::array<AdminThemeKCM *, PageCount> pagesInSaveOrder() const;

    KPageWidget *m_pageWidget = nullptr;
    std::array<KPageWidgetItem *, PageCount> m_items{};
    std::array<QScrollArea *, PageCount> m_scrollAreas{};
    std::unique_ptr<ThemeSettings> m_themeSettings;
    std::unique_ptr<ThemeSettings> m_paletteSettings;
    /// In list order (see pageTable()).
    std::array<AdminThemeKCM *, PageCount> m_pages{};
    // The pages the dialog couples or hands out by type.
    WallpaperPage *m_wallpaperPage = nullptr;
    ThemePage *m_themePage = nullptr;
    VyrQtConfigPage *m_programsPage = nullptr;
    QDialogButtonBox *m_buttonBox = nullptr;
    QString m_themeFile;
    QString m_paletteFile;
    bool m_forceClose = false;
    bool m_restored = false;
    std::unique_ptr<QSettings> m_settings;
    QString m_lastScreen;
    /// Set on the window after its first paint.
    QIcon m_windowIcon;
};
