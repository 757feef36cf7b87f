// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <adminthemekcm.h>

#include <KConfigGroup>

#include <QColor>
#include <QPalette>
#include <QSortFilterProxyModel>

#include <memory>

class KColorSchemeManager;
class QThread;
class WallpaperPage;
namespace Ui {
class ThemeForm;
}
namespace ThemeCatalogue {
struct ScanResult;
}

/**
 * Orders the colour schemes: the default scheme first, then the Solva
 * schemes, then the Vyr schemes, then the rest, each group by locale-aware
 * comparison. Hides the model's first row when it has no file (the
 * "Default" entry of the scheme manager, which is not a scheme file).
 */
class MySortFilterProxyModel : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    /// A scheme's preview is painted by the scheme model when it is first
    /// drawn, not when the list sizes itself.
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
};

/**
 * The Theme page: colour scheme and colours, cursor, icon and decoration
 * themes, sizes and desktop options. What it loads and saves lives in the
 * back end (ThemeCatalogue, ThemeSave); the page maps controls to values.
 *
 * The cursor and icon theme lists are filled after the page's first paint,
 * on a worker thread; themeListsFilled() tells when they are complete.
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

    /// The stored path of the scheme shown on the page (the default scheme
    /// when none is shown).
    QString currentSchemePath() const;
    QColor primaryColor() const { return m_primaryColor; }
    QColor backgroundColor() const { return m_backgroundColor; }
    /// The palette of the shown scheme with the page's two colours; the
    /// window decoration's colours go to @p focus and @p hover when given.
    QPalette pagePalette(QString *focus = nullptr, QString *hover = nullptr) const;
    /// When the scheme was last chosen (see ThemeSave::editTime()), 0 never.
    qint64 schemeChangeTime() const { return m_schemeTime; }
    /// The cursor and icon theme lists hold their final contents.
    bool themeListsFilled() const { return m_listsFilled; }

public Q_SLOTS:
    /// Shows the scheme @p path on the page; unless @p quiet, it is also
    /// selected in the list. Loads the page first when it was not loaded.
    void setColorScheme(const QString &path, bool quiet);
    /// The wallpaper's own scheme choice: 0 none, 1 light, 2 dark.
    void toggleColorSchemes(int index);
    void enableColorSchemes(bool enable);
    void enableColorButtons(bool enable);
    void load() override;
    void save() override;

Q_SIGNALS:
    /// The cursor and icon theme lists were filled.
    void themeListsReady();

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void selectColorScheme(int index);
    void selectPrimaryColor(const QColor &colour);
    void selectBackgroundColor(const QColor &colour);
    void selectIconStringColor(const QColor &colour);
    void adaptiveIconStringColorChanged(bool checked);
    void autoSizeChanged(bool checked);
    void decorChanged(int index);
    void connectReactions();
    void loadSchemeList(const QString &stored);
    /// Loads the scheme list a shown page left for after its first paint.
    void ensureSchemeList();
    void loadSizes();
    void loadDecorations();
    void startThemeScan();
    void fillThemeLists(const ThemeCatalogue::ScanResult &result);
    void previewPalette(const QPalette &palette, bool withDecorationColours);
    void setSizeControlsEnabled(bool enabled);
    void warnHighIntegrity();
    QString schemePathAt(int proxyRow) const;
    bool isUserSchemeShown() const;
    bool defaultDecorationSelected() const;

    ThemeSettings *const m_palette;
    WallpaperPage *m_wallpaperPage = nullptr;
    std::unique_ptr<Ui::ThemeForm> m_ui;
    KColorSchemeManager *m_schemes = nullptr;
    MySortFilterProxyModel *m_schemeProxy = nullptr;
    KConfigGroup m_breezeGroup;
    /// A scheme shown that the list does not hold (or before load).
    QString m_schemePath;
    QColor m_primaryColor;
    QColor m_backgroundColor;
    QColor m_iconStringColor;
    QString m_focusColour;
    QString m_hoverColour;
    qint64 m_schemeTime = 0;
    QString m_storedIconTheme;
    QString m_currentCursorTheme;
    bool m_connected = false;
    bool m_scanPending = false;
    bool m_painted = false;
    bool m_schemeListPending = false;
    bool m_listsFilled = false;
    /// A finished scan waiting for the page's first paint.
    std::shared_ptr<ThemeCatalogue::ScanResult> m_scanResult;
    QThread *m_scanThread = nullptr;
};
