// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "wallpaperpreview.h"
#include "wallpapersettings.h"

#include <QImageReader>
#include <QPainter>

#include <cmath>

QRect wallpaperTargetRect(const QSize &natural, const QSize &screen, int position)
{
    if (natural.isEmpty() || screen.isEmpty())
        return QRect();
    switch (position) {
    case PositionCenter:
        return QRect(QPoint((screen.width() - natural.width()) / 2, (screen.height() - natural.height()) / 2),
                     natural);
    case PositionTile:
        return QRect(QPoint(0, 0), natural);
    case PositionStretch:
        return QRect(QPoint(0, 0), screen);
    default: {
        const QSize size = natural.scaled(screen, position == PositionFit ? Qt::KeepAspectRatio
                                                                          : Qt::KeepAspectRatioByExpanding);
        return QRect(QPoint((screen.width() - size.width()) / 2, (screen.height() - size.height()) / 2), size);
    }
    }
}

QImage paintWallpaperScene(const WallpaperScene &scene, qreal scale)
{
    if (scene.screen.isEmpty())
        return QImage();
    if (!(scale > 0.0) || scale > 1.0)
        scale = 1.0;
    const QSize canvasSize(std::max(1, qRound(scene.screen.width() * scale)),
                           std::max(1, qRound(scene.screen.height() * scale)));
    QImage canvas(canvasSize, QImage::Format_RGB32);
    canvas.fill(scene.desktopColour.isValid() ? scene.desktopColour : QColor(Qt::black));

    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, scale < 1.0);
    painter.scale(qreal(canvasSize.width()) / scene.screen.width(), qreal(canvasSize.height()) / scene.screen.height());
    painter.setClipRect(QRect(QPoint(0, 0), scene.screen));

    if (!scene.wallpaper.isNull()) {
        const QSize natural = scene.wallpaperSize.isEmpty() ? scene.wallpaper.size() : scene.wallpaperSize;
        if (scene.position == PositionTile) {
            QBrush brush(scene.wallpaper);
            brush.setTransform(QTransform::fromScale(qreal(natural.width()) / scene.wallpaper.width(),
                                                     qreal(natural.height()) / scene.wallpaper.height()));
            painter.fillRect(QRect(QPoint(0, 0), scene.screen), brush);
        } else {
            painter.drawImage(wallpaperTargetRect(natural, scene.screen, scene.position), scene.wallpaper);
        }
    }

    if (!scene.logo.isNull()) {
        const QSize size = scene.logoSize.isEmpty() ? scene.logo.size() : scene.logoSize;
        // The window manager places the logo in logical pixels.
        const qreal ratio = scene.devicePixelRatio > 0 ? scene.devicePixelRatio : 1.0;
        const QPoint logical(qRound(scene.logoPosition.x() / ratio), qRound(scene.logoPosition.y() / ratio));
        const QPointF corner(logical.x() * ratio, logical.y() * ratio);
        painter.drawImage(QRectF(corner, QSizeF(size)), scene.logo);
    }
    painter.end();
    canvas.setDevicePixelRatio(scene.devicePixelRatio > 0 ? scene.devicePixelRatio : 1.0);
    return canvas;
}

QSize logoDrawSize(const QString &logoPath, const QSize &natural, int screenWidth)
{
    if (natural.isEmpty())
        return natural;
    if (logoPath.contains(QLatin1String("solva_logo")) && logoPath.endsWith(QLatin1String(".svg"))) {
        const int width = logoPath.contains(QLatin1String("red")) ? screenWidth / 5 : screenWidth / 10;
        return QSize(width, std::max(1, int(qint64(natural.height()) * width / natural.width())));
    }
    return natural;
}

namespace {
/// Decodes @p path at about @p wanted (never larger than its natural size
/// unless it is scalable); @p natural receives its natural size.
QImage decodeAt(const QString &path, const QSize &wanted, QSize *natural)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    *natural = reader.size();
    if (natural->isEmpty())
        return QImage();
    const bool scalable = reader.format() == "svg" || reader.format() == "svgz";
    if (!wanted.isEmpty() && (scalable || wanted.width() < natural->width() || wanted.height() < natural->height()))
        reader.setScaledSize(wanted.boundedTo(scalable ? wanted : *natural));
    return reader.read();
}

QSize scaled(const QSize &size, qreal scale)
{
    return QSize(std::max(1, int(std::ceil(size.width() * scale))), std::max(1, int(std::ceil(size.height() * scale))));
}
}

QImage renderWallpaperPreview(const WallpaperPreviewRequest &request)
{
    WallpaperScene scene;
    scene.screen = request.screen;
    scene.devicePixelRatio = request.devicePixelRatio;
    scene.desktopColour = request.desktopColour;
    scene.position = request.position;
    if (scene.screen.isEmpty())
        return QImage();
    qreal scale = 1.0;
    if (request.previewWidth > 0 && request.previewWidth < request.screen.width())
        scale = qreal(request.previewWidth) / request.screen.width();

    if (!request.wallpaperFile.isEmpty()) {
        QImageReader probe(request.wallpaperFile);
        probe.setAutoTransform(true);
        QSize natural = probe.size();
        if (!natural.isEmpty()) {
            QRect target = wallpaperTargetRect(natural, scene.screen, scene.position);
            if (scene.position == PositionTile || scene.position == PositionCenter)
                target.setSize(natural);
            scene.wallpaper = decodeAt(request.wallpaperFile, scaled(target.size(), scale), &natural);
            scene.wallpaperSize = natural;
        }
    }

    if (!request.logoFile.isEmpty() && request.logoPositionKey != QLatin1String("NotShow")) {
        QImageReader probe(request.logoFile);
        const QSize natural = probe.size();
        const QSize drawn = logoDrawSize(request.logoStoredPath.isEmpty() ? request.logoFile : request.logoStoredPath,
                                         natural, scene.screen.width());
        if (!drawn.isEmpty()) {
            QSize ignored;
            scene.logo = decodeAt(request.logoFile, scaled(drawn, scale), &ignored);
            scene.logoSize = drawn;
            scene.logoPosition = CalcLogoPosition(drawn.width(), drawn.height(), 0, 0, scene.screen.width(),
                                                  scene.screen.height(), request.logoPositionKey);
        }
    }
    return paintWallpaperScene(scene, scale);
}
