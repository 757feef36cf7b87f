// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

/**
 * What the Theme page lists and derives, without widgets: the cursor size
 * list, the sizes shown for the stored size keys and the DPI, and the
 * installed cursor, icon and decoration themes with their checks and
 * preview images. Scanning the cursor and icon themes is the page's
 * heaviest work; scan() touches no X connection and no widget, so it may
 * run on a worker thread.
 */
namespace ThemeCatalogue {

/// The cursor size list for the display's current size.
struct CursorSizeList {
    QStringList items;
    int selected = 0; ///< index of the current size; 0 ("Auto") for sizes below 1
};
CursorSizeList cursorSizeList(int currentSize);

/// The four size controls as load shows them.
struct Sizes {
    int taskbar = 0; ///< in device pixels
    int icon = 0;
    int title = 0;
    int frame = 0;
    bool autoSize = false; ///< all four keys were -1
};
/**
 * The sizes for the stored keys (-1 means automatic): up to 120 dpi (or
 * without a DPI) 48, 48, 29, 5; above, the DPI-derived sizes. A stored 0
 * for the taskbar or icons gives 48. A positive taskbar height is
 * multiplied by @p pixelRatio.
 */
Sizes sizesFor(int taskbar, int icon, int title, int frame, int dpi, qreal pixelRatio);

/// Icon themes the page never offers: they are parts of others or stand-ins.
const QStringList &hiddenIconThemes();

/// Sorts without regard to case (ties by the exact text, so the order is stable).
void sortCaseInsensitive(QStringList &names);

/// The result of checking one icon theme.
struct IconThemeCheck {
    QString name;
    bool complete = false;
    /// The line for standard error when the theme is incomplete.
    QString diagnostic;
    QImage home, trash, desktop; ///< the size-32 images (null when missing)
};
/**
 * Checks icon theme @p name: "user-trash-full" (Status), "user-home" and
 * "user-desktop" (Places) must exist at sizes 48 and 32,
 * "preferences-system-time" (Applications) at 32, the trash icon's path
 * must contain "trash", and the three size-32 images must load.
 */
IconThemeCheck checkIconTheme(const QString &name);

/// The result of checking one cursor theme: the left pointer, watch and
/// text cursors at the given size, or ok false.
struct CursorThemeCheck {
    QString name;
    bool ok = false;
    QImage pointer, watch, text;
};
CursorThemeCheck checkCursorTheme(const QString &name, int size);

/// The nine images a decoration theme must have.
const QStringList &decorationImages();
/// The result of checking one decoration theme (GetVyrDir(27)/<name>).
struct DecorThemeCheck {
    QString name;
    bool ok = false;
    QImage preview; ///< a title bar painted from the nine images
};
/// Directories of the decoration theme directory holding "default.theme",
/// sorted without regard to case.
QStringList decorationThemeNames();
DecorThemeCheck checkDecorTheme(const QString &name, QSize previewSize);

/**
 * Three images side by side in a transparent image of @p size, at x = 0,
 * one third and two thirds of the width, each centred vertically; an image
 * taller than @p maxHeight is scaled down to it (aspect kept).
 */
QImage previewStrip(const QImage &a, const QImage &b, const QImage &c, QSize size, int maxHeight);

/// What scan() is to look at.
struct ScanRequest {
    QString currentCursorTheme; ///< "default" when the display names none
    bool cursorsSupported = false; ///< the X server has RENDER
    int cursorSize = 24; ///< the cursor library's default size
    QSize iconSize; ///< the lists' icon size in device pixels
};
struct ScanResult {
    QStringList cursorThemes;
    std::vector<QImage> cursorPreviews;
    QStringList iconThemes;
    std::vector<QImage> iconPreviews;
    /// Diagnostics for standard error, in list order.
    QStringList diagnostics;
};
/// Lists and checks every installed cursor and icon theme (the few
/// decoration themes are checked where they are listed).
ScanResult scan(const ScanRequest &request);

/**
 * The taskbar colour of the decoration in use, from the user's theme file
 * (keys compared without case): the centre pixel of
 * <decoration dir>/<DecorTheme>/taskbar/taskbarbg.xpm; without a DecorTheme
 * the key TaskbarColor: "qt" gives @p qtWindowColour, a colour gives
 * itself. "#rrggbb", or empty when there is none.
 */
QString decorationTaskbarColour(const QString &themeFile, const QString &qtWindowColour);
}
