// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later

// vyr-themepage-floor: the least work behind the Theme page's theme lists,
// with the same libraries: every icon theme's index.theme read, the seven
// icons looked up at their sizes by file name in the theme's directories of
// those sizes and three images loaded; three cursors of every cursor theme
// loaded with libXcursor. Prints the milliseconds from a shown empty
// window to the end of that work.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QSettings>
#include <QWidget>

#include <X11/Xcursor/Xcursor.h>

#include <cstdio>

namespace {
QStringList bases()
{
    QStringList out{QDir::homePath() + QStringLiteral("/.icons")};
    for (const QString &dir : qEnvironmentVariable("XDG_DATA_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts))
        out << dir + QStringLiteral("/icons");
    return out;
}

QString find(const QString &theme, const QSettings &index, const QString &icon, int size)
{
    for (const QString &dir : index.value(QStringLiteral("Icon Theme/Directories")).toStringList()) {
        if (index.value(dir + QStringLiteral("/Size")).toInt() != size)
            continue;
        for (const char *extension : {".png", ".svg"}) {
            const QString file = theme + QLatin1Char('/') + dir + QLatin1Char('/') + icon + QLatin1String(extension);
            if (QFileInfo::exists(file))
                return file;
        }
    }
    return QString();
}
}

/// Writes a cursor theme into @p dir for the benchmark's sandbox: the
/// three cursors the page loads among others, each at three sizes.
int makeCursorTheme(const QString &dir)
{
    QDir().mkpath(dir + QStringLiteral("/cursors"));
    for (const char *name : {"left_ptr", "watch", "xterm", "hand2", "crosshair", "fleur", "question_arrow",
                             "sb_h_double_arrow", "sb_v_double_arrow", "top_left_corner", "bottom_right_corner"}) {
        XcursorImages *images = XcursorImagesCreate(3);
        for (int size : {24, 32, 48}) {
            XcursorImage *image = XcursorImageCreate(size, size);
            image->size = XcursorDim(size);
            image->xhot = 1;
            image->yhot = 1;
            image->delay = 0;
            for (int i = 0; i < size * size; ++i)
                image->pixels[i] = (i % size) < size / 2 ? 0xff000000 : 0x00000000;
            images->images[images->nimage++] = image;
        }
        const QByteArray file = QFile::encodeName(dir + QStringLiteral("/cursors/") + QLatin1String(name));
        const bool saved = XcursorFilenameSaveImages(file.constData(), images);
        XcursorImagesDestroy(images);
        if (!saved)
            return 1;
    }
    return 0;
}

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--make-cursor-theme") == 0)
        return makeCursorTheme(QString::fromLocal8Bit(argv[2]));
    QApplication app(argc, argv);
    QWidget window;
    QElapsedTimer timer;
    timer.start();
    window.show();
    int kept = 0;
    for (const QString &base : bases()) {
        for (const QString &name : QDir(base).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QString theme = base + QLatin1Char('/') + name;
            if (QFileInfo(theme + QStringLiteral("/cursors")).isDir()) {
                for (const char *cursor : {"left_ptr", "watch", "xterm"}) {
                    const QByteArray file
                        = QFile::encodeName(theme + QStringLiteral("/cursors/") + QLatin1String(cursor));
                    if (XcursorImage *image = XcursorFilenameLoadImage(file.constData(), 24)) {
                        QImage(reinterpret_cast<const uchar *>(image->pixels), int(image->width), int(image->height),
                               QImage::Format_ARGB32_Premultiplied).copy();
                        XcursorImageDestroy(image);
                    }
                }
            }
            if (!QFileInfo::exists(theme + QStringLiteral("/index.theme")))
                continue;
            const QSettings index(theme + QStringLiteral("/index.theme"), QSettings::IniFormat);
            for (const char *icon : {"user-trash-full", "user-home", "user-desktop"})
                find(theme, index, QLatin1String(icon), 48);
            find(theme, index, QStringLiteral("preferences-system-time"), 32);
            bool all = true;
            for (const char *icon : {"user-trash-full", "user-home", "user-desktop"})
                all = !QImage(find(theme, index, QLatin1String(icon), 32)).isNull() && all;
            kept += all;
        }
    }
    std::printf("%.1f\n", timer.nsecsElapsed() / 1.0e6);
    std::fprintf(stderr, "%d complete themes\n", kept);
    return 0;
}
