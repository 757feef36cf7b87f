// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "wallpapersettings.h"
#include "wallpaperrecords.h"

#include <distribution.h>

#include <vyrcolors.h>
#include <vyrdesktopentry.h>
#include <vyrfileio.h>
#include <vyrpaths.h>
#include <vyrprocess.h>
#include <vyrsettings.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>
#include <QUrl>

#include <cstdio>
#include <numeric>

namespace {
bool isSystemPath(const QString &path)
{
    return path.startsWith(QLatin1String("/usr/")) || path.startsWith(QLatin1String("/etc/"));
}

QString sizeText(int width, int height)
{
    return QString::number(width) + QLatin1Char('x') + QString::number(height);
}

QString picturesWallpapers()
{
    QString pictures = GetVyrDir(VyrDirPictures);
    if (pictures.isEmpty())
        pictures = GetVyrDir(VyrDirHome);
    return pictures + QStringLiteral("/Wallpapers");
}

/// The default wallpaper's variant for a scheme's primary colour.
QString defaultWallpaperVariant(const QString &primaryColour)
{
    const QColor colour(primaryColour);
    if (!colour.isValid())
        return QStringLiteral("light");
    const int hue = colour.hslHue();
    if (colour.hslSaturationF() > 0.35 && hue >= 0 && (hue < 15 || hue >= 345))
        return QStringLiteral("red");
    if (colour.lightnessF() < 0.3)
        return QStringLiteral("dark");
    return QStringLiteral("light");
}

bool writeImageAtomically(const QImage &image, const QString &target)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QString error;
    if (image.isNull() || !image.save(&buffer, "PNG")) {
        std::fprintf(stderr, "vyr-admin-theme: can't make %s\n", qPrintable(target));
        return false;
    }
    if (!vyrWriteFileAtomically(target, data, &error, true)) {
        std::fprintf(stderr, "vyr-admin-theme: can't write %s: %s\n", qPrintable(target), qPrintable(error));
        return false;
    }
    return true;
}
}

QString wallpaperFileAccessPath(const QString &path)
{
    return isSystemPath(path) ? vyrSystemPath(path) : path;
}

bool wallpaperFileExists(const QString &path)
{
    return !path.isEmpty() && QFileInfo(wallpaperFileAccessPath(path)).isFile();
}

QString canonicalWallpaperPath(const QString &path)
{
    if (!wallpaperFileExists(path))
        return QString();
    QString canonical = QFileInfo(wallpaperFileAccessPath(path)).canonicalFilePath();
    if (isSystemPath(path)) {
        QString root = QFileInfo(vyrSystemPath(QStringLiteral("/"))).canonicalFilePath();
        if (root != QLatin1String("/") && canonical.startsWith(root + QLatin1Char('/')))
            canonical.remove(0, root.size());
    }
    return canonical;
}

QPair<int, int> wallpaperSizeRatio(int width, int height)
{
    if (width <= 0 || height <= 0)
        return {0, 0};
    const int divisor = std::gcd(width, height);
    return {width / divisor, height / divisor};
}

QString FindWallPaperByName(const QString &name, int width, int height, const QString &set,
                            const QString &primaryColour)
{
    if (name.isEmpty() || name.contains(QLatin1Char('/')))
        return QString();
    QStringList names;
    if (name == Distribution::defaultWallpaperName) {
        names << name + QLatin1Char('-') + defaultWallpaperVariant(primaryColour) << name + QStringLiteral("-light");
    }
    names << name;
    names.removeDuplicates();

    const auto ratio = wallpaperSizeRatio(width, height);
    QStringList dirs;
    const QString base = WallpaperFiles::wallpapersDir + QLatin1Char('/');
    if (width > 0 && height > 0) {
        dirs << base + sizeText(width, height) + QLatin1Char('/')
             << base + QString::number(ratio.first) + QLatin1Char(':') + QString::number(ratio.second) + QLatin1Char('/');
    }
    dirs << base;

    static const char *const extensions[] = {".jpg", ".png", ".jpeg", ".svg"};
    for (const QString &dir : qAsConst(dirs)) {
        QStringList folders;
        if (!set.isEmpty())
            folders << dir + set + QLatin1Char('/');
        folders << dir;
        for (const QString &folder : qAsConst(folders)) {
            for (const QString &candidate : qAsConst(names)) {
                if (!QFileInfo(candidate).suffix().isEmpty() && wallpaperFileExists(folder + candidate))
                    return folder + candidate;
                for (const char *extension : extensions) {
                    const QString file = folder + candidate + QLatin1String(extension);
                    if (wallpaperFileExists(file))
                        return file;
                }
            }
        }
    }
    return QString();
}

QString FindDefaultLogoPath(const QString &path, int width, int height, const QString &variant)
{
    Q_UNUSED(width)
    Q_UNUSED(height)
    QStringList candidates;
    if (!variant.isEmpty())
        candidates << path + QLatin1Char('_') + variant + QStringLiteral(".svg")
                   << path + QLatin1Char('_') + variant + QStringLiteral(".png");
    candidates << path + QStringLiteral(".svg") << path + QStringLiteral(".png");
    for (const QString &candidate : qAsConst(candidates)) {
        if (wallpaperFileExists(candidate))
            return candidate;
    }
    return QString();
}

QString defaultLogoVariant(const QString &primaryColour)
{
    const QString shade = CreateShadeColors(primaryColour).value(QStringLiteral("color600"), primaryColour);
    return textColorFor(shade) == QLatin1String("#FFFFFF") ? QStringLiteral("white") : QStringLiteral("black");
}

QPoint CalcLogoPosition(int logoWidth, int logoHeight, int screenX, int screenY, int screenWidth, int screenHeight,
                        const QString &position)
{
    const int margin = std::min(screenWidth, screenHeight) / 40;
    const int left = screenX + margin;
    const int right = screenX + screenWidth - margin - logoWidth;
    const int hCentre = screenX + (screenWidth - logoWidth) / 2;
    const int top = screenY + margin;
    const int bottom = screenY + screenHeight - margin - logoHeight;
    const int vCentre = screenY + (screenHeight - logoHeight) / 2;
    if (position == QLatin1String("TopLeft"))
        return {left, top};
    if (position == QLatin1String("Top"))
        return {hCentre, top};
    if (position == QLatin1String("TopRight"))
        return {right, top};
    if (position == QLatin1String("Right"))
        return {right, vCentre};
    if (position == QLatin1String("Center"))
        return {hCentre, vCentre};
    if (position == QLatin1String("Left"))
        return {left, vCentre};
    if (position == QLatin1String("BottomLeft"))
        return {left, bottom};
    if (position == QLatin1String("Bottom"))
        return {hCentre, bottom};
    return {right, bottom};
}

const QStringList &logoPositionKeys()
{
    static const QStringList keys{QStringLiteral("BottomRight"), QStringLiteral("BottomLeft"), QStringLiteral("Bottom"),
                                  QStringLiteral("TopRight"),    QStringLiteral("TopLeft"),    QStringLiteral("Top"),
                                  QStringLiteral("Right"),       QStringLiteral("Center"),     QStringLiteral("Left"),
                                  QStringLiteral("NotShow")};
    return keys;
}

int wallpaperPositionIndex(const QString &position)
{
    static const QStringList names{QStringLiteral("Center"), QStringLiteral("Tile"), QStringLiteral("Stretch"),
                                   QStringLiteral("Fit")};
    const int index = names.indexOf(position);
    return index < 0 ? 4 : index;
}

QString wallpaperPositionName(int index)
{
    static const char *const names[] = {"Center", "Tile", "Stretch", "Fit", "Crop"};
    return QLatin1String(index >= 0 && index < 5 ? names[index] : "Crop");
}

bool isCustomWallpaper(const QString &text)
{
    return text.startsWith(QLatin1Char('/')) && !text.contains(Distribution::defaultWallpaperName)
        && !text.contains(Distribution::lightWallpaper);
}

CustomWallpaper &customWallpaperFlag()
{
    static CustomWallpaper flag = CustomWallpaper::Unknown;
    return flag;
}

QString wallpaperSaveValue(const QString &text, const QColor &colour)
{
    return text.isEmpty() ? colour.name().toLower() : text;
}

WallpaperRecordChoice chooseWallpaperRecord(const WallpaperRecords &records)
{
    WallpaperRecordChoice choice;
    QString value = records.desktop;
    if (wallpaperFileExists(records.desktop))
        choice.perDesktop = true;
    if (!records.monitor.isEmpty()) {
        value = records.monitor;
        choice.perMonitor = wallpaperFileExists(records.monitor);
    }
    if (wallpaperFileExists(value))
        choice.value = value;
    return choice;
}

SchemeHandOff wallpaperSchemeHandOff(const QString &value, const QString &scheme, qint64 wallpaperChangedAt,
                                     qint64 schemeChosenAt)
{
    SchemeHandOff handOff;
    if (wallpaperChangedAt <= schemeChosenAt)
        return handOff;
    auto endsWithAny = [&scheme](const char *first, const char *second) {
        return scheme.endsWith(QLatin1String(first)) || scheme.endsWith(QLatin1String(second));
    };
    if (value == Distribution::lightWallpaper && endsWithAny("SolvaDark.colors", "SolvaVanteraAdmin.colors"))
        handOff.scheme = Distribution::solvaLight;
    else if (value == Distribution::darkWallpaper && endsWithAny("SolvaLight.colors", "SolvaVanteraAdmin.colors"))
        handOff.scheme = Distribution::solvaDark;
    else if (value == Distribution::redWallpaper && endsWithAny("SolvaLight.colors", "SolvaDark.colors"))
        handOff.scheme = Distribution::solvaVanteraAdmin;
    else
        return handOff;
    handOff.shadowColour = Distribution::shadowColour(handOff.scheme, value);
    return handOff;
}

QString paletteColorScheme()
{
    const QString dir = GetVyrDir(VyrDirUserPlatform);
    if (dir.isEmpty())
        return QStringLiteral("-");
    VyrSettings palette(dir + QStringLiteral("/paletterc"));
    return palette.value(QStringLiteral("ColorScheme"), QStringLiteral("-")).toString();
}

QString wallpaperDialogStart(const QString &text, int width, int height)
{
    const QString base = WallpaperFiles::wallpapersDir + QLatin1Char('/');
    if (text == Distribution::defaultWallpaperName && wallpaperFileExists(WallpaperFiles::geographLogo))
        return base;
    if (wallpaperFileExists(text))
        return text;
    const auto ratio = wallpaperSizeRatio(width, height);
    const QString user = picturesWallpapers();
    const QStringList candidates{
        user + QLatin1Char('/') + sizeText(width, height),
        base + sizeText(width, height),
        base + QString::number(ratio.first) + QLatin1Char(':') + QString::number(ratio.second),
        WallpaperFiles::wallpapersDir,
        user,
    };
    for (const QString &candidate : candidates) {
        if (QFileInfo(wallpaperFileAccessPath(candidate)).isDir())
            return candidate;
    }
    return GetVyrDir(VyrDirHome);
}

QString logoDialogStart(const QString &logo)
{
    if (wallpaperFileExists(logo))
        return QFileInfo(logo).path();
    return WallpaperFiles::wmImagesDir;
}

QString svgConversionTarget(const QString &svgPath, int width, int height)
{
    return picturesWallpapers() + QLatin1Char('/') + sizeText(width, height) + QLatin1Char('/')
        + QFileInfo(svgPath).completeBaseName() + QStringLiteral(".png");
}

bool convertSvgToPng(const QString &svgPath, const QString &target, int width, int height)
{
    if (!QDir().mkpath(QFileInfo(target).path())) {
        std::fprintf(stderr, "vyr-admin-theme: can't create %s\n", qPrintable(QFileInfo(target).path()));
        return false;
    }
    const QString script = vyrSystemPath(WallpaperFiles::svgConverter);
    if (QFileInfo::exists(script)) {
        QProcess process;
        // The file names are arguments of their own: quotes, blanks or "$(...)"
        // in them reach the script as text, never a shell.
        process.start(script, {QString::number(width), QString::number(height), svgPath, target});
        const bool ran = process.waitForStarted(-1) && process.waitForFinished(-1)
            && process.exitStatus() == QProcess::NormalExit;
        if (!ran) {
            std::fprintf(stderr, "vyr-admin-theme: failed to start/execute vyr-svg2png.sh\n");
            return false;
        }
        return process.exitCode() == 0;
    }
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid() || width <= 0 || height <= 0) {
        std::fprintf(stderr, "vyr-admin-theme: can't read %s\n", qPrintable(svgPath));
        return false;
    }
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return writeImageAtomically(image, target);
}

bool logoTooLarge(const QSize &image, const QSize &screen)
{
    if (!image.isValid() || image.isEmpty())
        return false;
    // Exact thirds and halves: a 640 wide logo fits a 1920 wide screen.
    return image.width() * 3 > screen.width() || image.height() * 2 > screen.height();
}

QSize logoResizedSize(const QSize &image, const QSize &screen)
{
    if (image.isEmpty())
        return QSize();
    // The height bound keeps a tall logo, too, within half the screen.
    const int width = std::max(1, std::min({image.width(), image.height(), screen.width() / 3, screen.height() / 2,
                                            int(qint64(screen.height() / 2) * image.width() / image.height())}));
    const int height = std::max(1, int(qint64(image.height()) * width / image.width()));
    return QSize(width, height);
}

QString resizedLogoPath(const QString &logo)
{
    return picturesWallpapers() + QStringLiteral("/logo_of_") + QFileInfo(logo).completeBaseName()
        + QStringLiteral(".png");
}

QString writeResizedLogo(const QString &logo, const QSize &screen)
{
    QImage image(wallpaperFileAccessPath(logo));
    if (image.isNull()) {
        std::fprintf(stderr, "vyr-admin-theme: can't read %s\n", qPrintable(logo));
        return QString();
    }
    const QSize size = logoResizedSize(image.size(), screen);
    const QString target = resizedLogoPath(logo);
    if (!writeImageAtomically(image.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation), target))
        return QString();
    return target;
}

bool applyColorSchemeExternally(const QString &scheme)
{
    QString program;
    if (QFileInfo(QCoreApplication::applicationFilePath()).fileName() == QLatin1String("vyr-admin-theme"))
        program = QCoreApplication::applicationFilePath();
    else
        program = FindFileInPATH(QStringLiteral("vyr-admin-theme"));
    if (program.isEmpty()) {
        std::fprintf(stderr, "vyr-admin-theme: can't find vyr-admin-theme to apply %s\n", qPrintable(scheme));
        return false;
    }
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, {QStringLiteral("--apply-color-scheme"), scheme});
    if (!process.waitForStarted(-1) || !process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit) {
        std::fprintf(stderr, "vyr-admin-theme: failed to start/execute %s\n", qPrintable(program));
        return false;
    }
    if (process.exitCode() != 0) {
        std::fprintf(stderr, "vyr-admin-theme: applying %s ended with %d\n", qPrintable(scheme), process.exitCode());
        return false;
    }
    return true;
}

QString wallpaperToolTip(const QString &path)
{
    if (path.isEmpty())
        return QString();
    const QFileInfo file(wallpaperFileAccessPath(path));
    const QString baseName = file.fileName().section(QLatin1Char('.'), 0, 0);
    const QString entryPath = file.path() + QLatin1Char('/') + baseName + QStringLiteral(".desktop");
    if (!QFileInfo(entryPath).isFile())
        return QString();
    VyrDesktopEntry entry(entryPath);
    if (!entry.load())
        return QString();
    const QString comment = entry.localCommentOrFallback();
    if (comment.isEmpty())
        return QString();
    return QStringLiteral("<b>") + entry.localNameOrFallback().toHtmlEscaped() + QStringLiteral("</b><br>")
        + comment.toHtmlEscaped();
}

QString followWallpaperLink(const QString &path)
{
    if (!path.endsWith(QLatin1String(".desktop")))
        return path;
    VyrDesktopEntry entry(path);
    if (!entry.load() || entry.type() != QLatin1String("Link"))
        return QString();
    const QString target = entry.url();
    QString local;
    if (target.startsWith(QLatin1Char('/'))) {
        local = target;
    } else {
        const QUrl url(target);
        if (url.isLocalFile())
            local = url.toLocalFile();
    }
    // Followed once only: a link to a link could point anywhere, in a loop.
    if (local.isEmpty() || local.endsWith(QLatin1String(".desktop")))
        return QString();
    return local;
}

bool isReadableImage(const QString &path)
{
    QImageReader reader(wallpaperFileAccessPath(path));
    return reader.canRead();
}

QStringList readableImageFormats()
{
    QStringList formats;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        formats << QString::fromLatin1(format).toLower();
    formats.removeDuplicates();
    return formats;
}
