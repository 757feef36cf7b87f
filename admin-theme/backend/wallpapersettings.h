// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QColor>
#include <QPair>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

struct WallpaperRecords;

/**
 * The Wallpaper page's rules without widgets: the shipped files, where a
 * wallpaper name or the default logo is found for a screen, where the logo
 * stands, what load shows and what save writes, the SVG conversion and the
 * logo resize. Paths are passed in their stored spelling ("/usr/share/...");
 * files below /usr and /etc are opened through vyrSystemPath().
 */
namespace WallpaperFiles {
inline const QString wallpapersDir = QStringLiteral("/usr/share/wallpapers");
inline const QString logoDir = QStringLiteral("/usr/share/wallpapers/logo");
inline const QString wmImagesDir = QStringLiteral("/usr/share/vyr-wm/images");
/// The default logo; without extension, it is resolved for the screen and
/// the scheme's colour when drawn (FindDefaultLogoPath()).
inline const QString defaultLogo = QStringLiteral("/usr/share/wallpapers/logo/solva_logo");
inline const QString darkLogo = QStringLiteral("/usr/share/wallpapers/logo/solva_logo_dark.svg");
/// The logo that goes with the wallpaper collection "Geograph".
inline const QString geographLogo = QStringLiteral("/usr/share/wallpapers/logo/solva_logo_zel_light.svg");
inline const QString svgConverter = QStringLiteral("/usr/bin/vyr-svg2png.sh");
inline const QString imageFilter = QStringLiteral("Images (*.png *.xpm *.jpg *.jpeg *.svg)");
}

/// The path to open for a stored path: below /usr or /etc through
/// vyrSystemPath(), any other path as it stands.
QString wallpaperFileAccessPath(const QString &path);
/// The stored path names an existing file (not a directory).
bool wallpaperFileExists(const QString &path);
/**
 * The canonical form of an existing file's stored path, links resolved; a
 * system path keeps its stored spelling (the sandbox prefix of
 * vyrSystemPath() is taken off again). Empty when the file does not exist.
 */
QString canonicalWallpaperPath(const QString &path);

/// The reduced aspect ratio of a screen: 1920x1080 gives (16, 9). A zero or
/// negative size gives (0, 0).
QPair<int, int> wallpaperSizeRatio(int width, int height);

/**
 * The file of the wallpaper @p name best suited to a screen of @p width x
 * @p height: searched in /usr/share/wallpapers/<W>x<H>/, then
 * /usr/share/wallpapers/<ratio>/ (for example "16:9"), then
 * /usr/share/wallpapers/; in each, below the collection @p set first when
 * it is not empty. A name with an extension is taken as a file name; a bare
 * name is tried with ".jpg", ".png", ".jpeg" and ".svg". The name
 * "vyr-default" stands for the default wallpaper that suits
 * @p primaryColour (red, dark or light variant, then the light one).
 * Returns the stored spelling of the file, or an empty string.
 */
QString FindWallPaperByName(const QString &name, int width, int height, const QString &set,
                            const QString &primaryColour);

/**
 * The file of a logo given without extension (@p path, such as the default
 * logo) for a screen and a @p variant ("white" or "black"): the first
 * existing of <path>_<variant>.svg, <path>_<variant>.png, <path>.svg and
 * <path>.png. Returns the stored spelling, or an empty string.
 */
QString FindDefaultLogoPath(const QString &path, int width, int height, const QString &variant);

/// The default logo's variant for a scheme's primary colour: "white" when
/// text over its color600 shade is white, else "black".
QString defaultLogoVariant(const QString &primaryColour);

/**
 * The top-left corner of a logo of @p logoWidth x @p logoHeight drawn at
 * @p position ("TopLeft", "Top", "TopRight", "Right", "Center", "Left",
 * "BottomLeft", "Bottom", "BottomRight") on the screen at @p screenX,
 * @p screenY. Corners and edges keep a margin of a fortieth of the screen's
 * shorter side; an unknown key is taken as "BottomRight".
 */
QPoint CalcLogoPosition(int logoWidth, int logoHeight, int screenX, int screenY, int screenWidth, int screenHeight,
                        const QString &position);

/// The logo corner keys in the order of the page's list, "NotShow" last.
const QStringList &logoPositionKeys();

/// The position list's index of a stored WallPaperPos: "Center" 0, "Tile" 1,
/// "Stretch" 2, "Fit" 3, any other text 4 ("Crop").
int wallpaperPositionIndex(const QString &position);
/// The stored WallPaperPos of an index; "Crop" for one out of range.
QString wallpaperPositionName(int index);

/// The wallpaper text names a file of the user's own: it starts with "/"
/// and names neither the default wallpaper nor "vyr-default".
bool isCustomWallpaper(const QString &text);
/// The process-wide "wallpaper is a custom image" flag that the Theme page
/// reads; unknown until the Wallpaper page has looked at its wallpaper.
enum class CustomWallpaper { Unknown, No, Yes };
CustomWallpaper &customWallpaperFlag();

/// The value saved for the field: its text, or the lower-case "#rrggbb"
/// name of @p colour when the field is empty.
QString wallpaperSaveValue(const QString &text, const QColor &colour);

/// What load shows from the records of the current desktop.
struct WallpaperRecordChoice {
    QString value;           ///< the record in force, when it names an existing file
    bool perDesktop = false; ///< the desktop record names an existing file
    bool perMonitor = false; ///< the monitor record names an existing file
};
/// The monitor record wins over the desktop record; a record naming a
/// missing file is not in force.
WallpaperRecordChoice chooseWallpaperRecord(const WallpaperRecords &records);

/// The scheme a default wallpaper brings along at save, with the
/// compositor's shadow colour that goes with it.
struct SchemeHandOff {
    QString scheme = QStringLiteral("-"); ///< "-": no scheme change
    QString shadowColour;
};
/**
 * A light, dark or red default wallpaper @p value chosen after the scheme
 * (@p wallpaperChangedAt > @p schemeChosenAt, times of ThemeSave::editTime())
 * switches another shipped Solva scheme @p scheme to its own; anything else
 * gives "-".
 */
SchemeHandOff wallpaperSchemeHandOff(const QString &value, const QString &scheme, qint64 wallpaperChangedAt,
                                     qint64 schemeChosenAt);
/// ColorScheme of the user's paletterc (GetVyrDir(2)), "-" when absent.
QString paletteColorScheme();

/// Where the wallpaper file dialog opens for the field's @p text on a
/// screen of @p width x @p height (a file or a directory).
QString wallpaperDialogStart(const QString &text, int width, int height);
/// Where the logo file dialog opens: the current logo's directory when the
/// logo exists, else /usr/share/vyr-wm/images (stored spelling).
QString logoDialogStart(const QString &logo);

/// The PNG an SVG wallpaper is converted to:
/// <pictures>/Wallpapers/<W>x<H>/<complete base name>.png (HOME when the
/// pictures directory is unknown).
QString svgConversionTarget(const QString &svgPath, int width, int height);
/**
 * Converts @p svgPath to @p target for a screen of @p width x @p height,
 * creating the target's directory. Runs /usr/bin/vyr-svg2png.sh with an
 * argument list (width, height, SVG, target: no shell sees the names) when
 * it exists, else renders in-process onto white and writes the PNG
 * atomically. Returns false, after a line on standard error, when the
 * converter could not be started or crashed or the PNG could not be
 * written.
 */
bool convertSvgToPng(const QString &svgPath, const QString &target, int width, int height);

/// A logo of @p image size is too large for a screen: wider than a third or
/// higher than half of it. An invalid size is never too large.
bool logoTooLarge(const QSize &image, const QSize &screen);
/// The size a too large logo is resized to: width min(image width, image
/// height, screen width / 3, screen height / 2), the height in proportion
/// and at most half the screen's height.
QSize logoResizedSize(const QSize &image, const QSize &screen);
/// Where a resized logo is stored: <pictures>/Wallpapers/logo_of_<complete
/// base name>.png.
QString resizedLogoPath(const QString &logo);
/**
 * Writes the logo @p logo resized for @p screen as PNG to
 * resizedLogoPath() (atomically, creating the directory). Returns the
 * written path, or an empty string after a line on standard error.
 */
QString writeResizedLogo(const QString &logo, const QSize &screen);

/**
 * Applies @p scheme by running "vyr-admin-theme --apply-color-scheme
 * <scheme>" and waiting for it: this program's own file when it is
 * vyr-admin-theme, else the one found in PATH. Returns false, after a line
 * on standard error, when it could not run or failed.
 */
bool applyColorSchemeExternally(const QString &scheme);

/// The preview's tool tip for a wallpaper file: "<b>name</b><br>comment"
/// from "<dir>/<base name up to the first dot>.desktop" when that entry has
/// a comment, else empty.
QString wallpaperToolTip(const QString &path);

/**
 * The file a chosen or dropped path stands for: a ".desktop" link is
 * followed once to its local file (a non-file URL, a link to another
 * ".desktop" or another entry type gives an empty string). Any other path
 * is returned as it stands.
 */
QString followWallpaperLink(const QString &path);
/// The file can be read as an image (its content decides, not its name).
bool isReadableImage(const QString &path);
/// The image formats Qt reads, without duplicates (lower case).
QStringList readableImageFormats();
