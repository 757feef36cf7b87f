// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

/**
 * The Wallpaper page's preview: the screen drawn as the window manager
 * draws it. Coordinates are the screen's physical pixels; a preview smaller
 * than the screen draws everything scaled by the same factor, so the rules
 * stay those of the full-size screen. Safe to run on a worker thread.
 */

/// Wallpaper position modes, in the order of the page's list.
enum WallpaperPosition { PositionCenter = 0, PositionTile, PositionStretch, PositionFit, PositionCrop };

/**
 * Where an image of @p natural size lies on a @p screen for @p position:
 * Center at its natural size in the middle; Tile the first tile at the
 * top-left corner; Stretch the whole screen; Fit scaled to fit inside,
 * aspect kept, centred; Crop scaled to cover, aspect kept, centred (parts
 * outside the screen are cut). An empty @p natural gives an empty rectangle.
 */
QRect wallpaperTargetRect(const QSize &natural, const QSize &screen, int position);

/// What the preview shows. The images may be decoded smaller than their
/// natural size; they are drawn at the sizes given here.
struct WallpaperScene {
    QSize screen;           ///< physical pixels
    qreal devicePixelRatio = 1.0;
    QColor desktopColour;   ///< under and around the wallpaper
    int position = PositionCrop;
    QImage wallpaper;       ///< none: the colour alone
    QSize wallpaperSize;    ///< natural size; empty: the image's own size
    QImage logo;            ///< none: no logo
    QSize logoSize;         ///< drawn size; empty: the image's own size
    QPoint logoPosition;    ///< top-left corner (CalcLogoPosition())
};

/**
 * Draws @p scene on an RGB canvas of the screen's size times @p scale
 * (0 < scale <= 1). The logo's corner is taken to logical pixels of the
 * device pixel ratio and rounded, as the window manager places it. The
 * result carries the scene's device pixel ratio.
 */
QImage paintWallpaperScene(const WallpaperScene &scene, qreal scale = 1.0);

/// The logo's drawn size: a shipped "solva_logo" SVG gets a tenth of the
/// screen width (a fifth for a "red" one) with its aspect kept; other logos
/// their natural size.
QSize logoDrawSize(const QString &logoPath, const QSize &natural, int screenWidth);

/// Everything needed to draw the preview from files.
struct WallpaperPreviewRequest {
    QSize screen;
    qreal devicePixelRatio = 1.0;
    QColor desktopColour;
    int position = PositionCrop;
    QString wallpaperFile; ///< path to open; empty: none
    QString logoFile;      ///< path to open (resolved); empty: none
    QString logoStoredPath; ///< the logo as stored, for the size rule
    QString logoPositionKey;
    int previewWidth = 0;  ///< physical pixels wanted; 0: full size
};

/**
 * Decodes the wallpaper and the logo at the size the preview needs (never
 * the full image when the preview is smaller) and draws the scene. A file
 * that cannot be read is left out.
 */
QImage renderWallpaperPreview(const WallpaperPreviewRequest &request);
