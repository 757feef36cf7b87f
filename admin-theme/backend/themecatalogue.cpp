// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "themecatalogue.h"

#include <vyricontheme.h>
#include <vyrinidocument.h>
#include <vyrpaths.h>

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QSet>

#include <X11/Xcursor/Xcursor.h>

#include <algorithm>

namespace ThemeCatalogue {

namespace {
// Up to here the desktop uses fixed sizes; see VyrIconTheme's size functions.
constexpr int s_fixedSizesUpToDpi = 120;
constexpr int s_maxInheritance = 16;

QImage loadImage(const QString &path)
{
    return path.isEmpty() ? QImage() : QImage(path);
}

/// A cursor image of theme @p theme, following its Inherits chain.
QImage cursorImage(const QString &theme, const char *cursor, int size, int depth = 0)
{
    if (depth > s_maxInheritance || theme.isEmpty())
        return QImage();
    for (const QString &base : VyrIconTheme::baseDirs()) {
        const QString file = base + QLatin1Char('/') + theme + QStringLiteral("/cursors/") + QLatin1String(cursor);
        if (!QFileInfo::exists(file))
            continue;
        XcursorImage *image = XcursorFilenameLoadImage(QFile::encodeName(file).constData(), size);
        if (!image)
            continue;
        // XcursorPixel is premultiplied ARGB32, as QImage's format below.
        const QImage copy = QImage(reinterpret_cast<const uchar *>(image->pixels), int(image->width),
                                   int(image->height), int(image->width) * 4, QImage::Format_ARGB32_Premultiplied)
                                .copy();
        XcursorImageDestroy(image);
        return copy;
    }
    VyrIconTheme parent(theme, QString(), false);
    if (!parent.load())
        return QImage();
    for (const QString &inherited : parent.inherits()) {
        const QImage image = cursorImage(inherited, cursor, size, depth + 1);
        if (!image.isNull())
            return image;
    }
    return QImage();
}

/// Tiles @p image across @p rect.
void tile(QPainter &painter, const QRect &rect, const QImage &image)
{
    // A brush, not a pixmap: this may run off the graphical thread.
    if (!image.isNull() && rect.isValid())
        painter.fillRect(rect, QBrush(image));
}
}

CursorSizeList cursorSizeList(int current)
{
    CursorSizeList list;
    list.items << QStringLiteral("Auto");
    const int steps[] = {16, 24, 32, 48, 64};
    int below = 1;
    for (int step : steps) {
        if (current >= below && current < step)
            list.items << QString::number(current);
        list.items << QString::number(step);
        below = step + 1;
    }
    if (current > 64)
        list.items << QString::number(current);
    if (current >= 1)
        list.selected = list.items.indexOf(QString::number(current));
    return list;
}

Sizes sizesFor(int taskbar, int icon, int title, int frame, int dpi, qreal pixelRatio)
{
    Sizes sizes;
    sizes.autoSize = taskbar == -1 && icon == -1 && title == -1 && frame == -1;
    if (dpi <= 0 || dpi <= s_fixedSizesUpToDpi) {
        if (icon == -1)
            icon = 48;
        if (taskbar == -1)
            taskbar = 48;
        if (title == -1)
            title = 29;
        if (frame == -1)
            frame = 5;
    } else {
        if (icon == -1)
            icon = VyrIconTheme::GetIconSizeForDPI(dpi, 1);
        else if (icon == 0)
            icon = 48;
        if (taskbar == -1)
            taskbar = VyrIconTheme::GetIconSizeForDPI(dpi, 0) + 17;
        else if (taskbar == 0)
            taskbar = 48;
        if (title == -1)
            title = VyrIconTheme::GetFrameTitleSizeForDPI(dpi, 29);
        if (frame == -1)
            frame = VyrIconTheme::GetFrameBorderSizeForDPI(dpi, 5);
    }
    if (taskbar > 0)
        taskbar = int(taskbar * pixelRatio);
    sizes.taskbar = taskbar;
    sizes.icon = icon;
    sizes.title = title;
    sizes.frame = frame;
    return sizes;
}

const QStringList &hiddenIconThemes()
{
    static const QStringList names{QStringLiteral("hicolor"), QStringLiteral("default"),
                                   QStringLiteral("vyr-solva-flat-white"), QStringLiteral("vyr-solva-flat-black"),
                                   QStringLiteral("vyr-solva-mobile")};
    return names;
}

void sortCaseInsensitive(QStringList &names)
{
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
}

IconThemeCheck checkIconTheme(const QString &name)
{
    IconThemeCheck check;
    check.name = name;
    VyrIconTheme theme(name);
    const QString status = QStringLiteral("Status");
    const QString places = QStringLiteral("Places");
    QString trash, home, desktop;
    bool found = theme.load();
    if (found) {
        found = !theme.getIconPath(QStringLiteral("user-trash-full"), 48, status).isEmpty()
            && !theme.getIconPath(QStringLiteral("user-home"), 48, places).isEmpty()
            && !theme.getIconPath(QStringLiteral("user-desktop"), 48, places).isEmpty();
        trash = theme.getIconPath(QStringLiteral("user-trash-full"), 32, status);
        home = theme.getIconPath(QStringLiteral("user-home"), 32, places);
        desktop = theme.getIconPath(QStringLiteral("user-desktop"), 32, places);
        found = found && !trash.isEmpty() && !home.isEmpty() && !desktop.isEmpty()
            && !theme.getIconPath(QStringLiteral("preferences-system-time"), 32, QStringLiteral("Applications"))
                    .isEmpty();
        found = found && trash.contains(QLatin1String("trash"), Qt::CaseInsensitive);
    }
    check.home = loadImage(home);
    check.trash = loadImage(trash);
    check.desktop = loadImage(desktop);
    check.complete = found && !check.home.isNull() && !check.trash.isNull() && !check.desktop.isNull();
    if (!check.complete) {
        auto mark = [](const QImage &image) { return image.isNull() ? QStringLiteral("!") : QStringLiteral("ok"); };
        check.diagnostic = QStringLiteral("vyr-admin-theme: %1 is not full, no preferences-system-time,\n"
                                          "                 user-home(%2), user-trash(%3), user-desktop(%4) icons)\n")
                               .arg(name, mark(check.home), mark(check.trash), mark(check.desktop));
    }
    return check;
}

CursorThemeCheck checkCursorTheme(const QString &name, int size)
{
    CursorThemeCheck check;
    check.name = name;
    // The X cursor font's shapes 68, 150 and 152.
    check.pointer = cursorImage(name, "left_ptr", size);
    check.watch = cursorImage(name, "watch", size);
    check.text = cursorImage(name, "xterm", size);
    check.ok = !check.pointer.isNull() && !check.watch.isNull() && !check.text.isNull();
    return check;
}

const QStringList &decorationImages()
{
    static const QStringList names{QStringLiteral("titleAT.xpm"),   QStringLiteral("frameAT.xpm"),
                                   QStringLiteral("frameATL.xpm"),  QStringLiteral("frameATR.xpm"),
                                   QStringLiteral("frameAL.xpm"),   QStringLiteral("frameAR.xpm"),
                                   QStringLiteral("minimizeA.xpm"), QStringLiteral("maximizeA.xpm"),
                                   QStringLiteral("closeA.xpm")};
    return names;
}

QStringList decorationThemeNames()
{
    const QString root = GetVyrDir(VyrDirDecorations);
    QStringList names;
    if (root.isEmpty())
        return names;
    const QStringList dirs = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &dir : dirs) {
        if (QFileInfo(root + QLatin1Char('/') + dir + QStringLiteral("/default.theme")).isFile())
            names << dir;
    }
    sortCaseInsensitive(names);
    return names;
}

DecorThemeCheck checkDecorTheme(const QString &name, QSize previewSize)
{
    DecorThemeCheck check;
    check.name = name;
    const QString dir = GetVyrDir(VyrDirDecorations) + QLatin1Char('/') + name + QLatin1Char('/');
    QList<QImage> images;
    for (const QString &file : decorationImages()) {
        images << QImage(dir + file);
        if (images.last().isNull())
            return check;
    }
    check.ok = true;
    if (!previewSize.isValid())
        return check;
    // A window's top: the frame's corners and top edge, the title bar below
    // it between the side frames, and the three buttons at its right end.
    const QImage &title = images[0], &top = images[1], &topLeft = images[2], &topRight = images[3];
    const QImage &left = images[4], &right = images[5];
    QImage preview(previewSize, QImage::Format_ARGB32_Premultiplied);
    preview.fill(Qt::transparent);
    QPainter painter(&preview);
    const int w = previewSize.width();
    const int h = previewSize.height();
    const int frameTop = std::min(top.height(), h / 4);
    painter.drawImage(QRect(0, 0, topLeft.width(), frameTop), topLeft);
    painter.drawImage(QRect(w - topRight.width(), 0, topRight.width(), frameTop), topRight);
    tile(painter, QRect(topLeft.width(), 0, w - topLeft.width() - topRight.width(), frameTop), top);
    const QRect bar(left.width(), frameTop, w - left.width() - right.width(), h - frameTop);
    painter.drawImage(QRect(0, frameTop, left.width(), bar.height()), left);
    painter.drawImage(QRect(w - right.width(), frameTop, right.width(), bar.height()), right);
    painter.drawImage(bar, title);
    int x = bar.right() + 1;
    for (int i = 8; i >= 6; --i) {
        const QImage button = images[i].height() > bar.height()
            ? images[i].scaledToHeight(bar.height(), Qt::SmoothTransformation)
            : images[i];
        x -= button.width();
        painter.drawImage(x, bar.top() + (bar.height() - button.height()) / 2, button);
    }
    painter.end();
    check.preview = preview;
    return check;
}

QImage previewStrip(const QImage &a, const QImage &b, const QImage &c, QSize size, int maxHeight)
{
    QImage strip(size, QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    const QImage *images[] = {&a, &b, &c};
    for (int i = 0; i < 3; ++i) {
        QImage image = *images[i];
        if (image.isNull())
            continue;
        if (maxHeight > 0 && image.height() > maxHeight)
            image = image.scaledToHeight(maxHeight, Qt::SmoothTransformation);
        painter.drawImage(size.width() * i / 3, (size.height() - image.height()) / 2, image);
    }
    painter.end();
    return strip;
}

ScanResult scan(const ScanRequest &request)
{
    ScanResult result;
    const QSize iconSize = request.iconSize;
    const int iconHeight = iconSize.height();

    if (request.cursorsSupported) {
        QStringList names = VyrIconTheme::getCursorThemeNames();
        if (!names.contains(request.currentCursorTheme))
            names << request.currentCursorTheme;
        sortCaseInsensitive(names);
        for (const QString &name : qAsConst(names)) {
            const CursorThemeCheck check = checkCursorTheme(name, request.cursorSize);
            if (!check.ok)
                continue;
            result.cursorThemes << name;
            result.cursorPreviews.push_back(
                previewStrip(check.pointer, check.watch, check.text, iconSize, iconHeight + 5));
        }
    }

    QStringList icons = VyrIconTheme::getThemesNames();
    for (const QString &hidden : hiddenIconThemes())
        icons.removeAll(hidden);
    sortCaseInsensitive(icons);
    for (const QString &name : qAsConst(icons)) {
        IconThemeCheck check = checkIconTheme(name);
        if (!check.complete) {
            result.diagnostics << check.diagnostic;
            continue;
        }
        // Icons nearly as high as the row are shrunk to leave a margin.
        auto fit = [iconHeight](const QImage &image) {
            return image.height() >= iconHeight - 9 ? image.scaledToHeight(std::max(1, iconHeight - 5),
                                                                           Qt::SmoothTransformation)
                                                    : image;
        };
        result.iconThemes << name;
        result.iconPreviews.push_back(
            previewStrip(fit(check.home), fit(check.trash), fit(check.desktop), iconSize, 0));
    }
    return result;
}

QString decorationTaskbarColour(const QString &themeFile, const QString &qtWindowColour)
{
    VyrIniDocument doc(VyrIniDocument::CaseInsensitive);
    doc.loadFile(themeFile);
    const QString decoration = doc.text(QStringLiteral("Variables"), QStringLiteral("DecorTheme")).trimmed();
    if (!decoration.isEmpty()) {
        // A stored name must not lead out of the decoration directory.
        if (decoration.contains(QLatin1Char('/')) || decoration == QLatin1String(".."))
            return QString();
        const QImage image(GetVyrDir(VyrDirDecorations) + QLatin1Char('/') + decoration
                           + QStringLiteral("/taskbar/taskbarbg.xpm"));
        if (image.isNull())
            return QString();
        return QColor(image.pixel(image.width() / 2, image.height() / 2)).name();
    }
    const QString value = doc.text(QStringLiteral("Variables"), QStringLiteral("TaskbarColor")).trimmed();
    if (value == QLatin1String("qt"))
        return QColor(qtWindowColour).isValid() ? QColor(qtWindowColour).name() : QString();
    const QColor colour(value);
    return colour.isValid() ? colour.name() : QString();
}
}
