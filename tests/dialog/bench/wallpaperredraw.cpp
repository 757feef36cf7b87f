// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Redraw time of the Wallpaper page's preview after the wallpaper text
// changes, against a floor that only decodes the same picture at the
// preview's size with QImageReader. Prints one line per round:
// "<page ms> <floor ms>". Usage: vyr-wallpaper-redraw THEMERC PICTURE ROUNDS

#include <aspectratiopixmaplabel.h>
#include <themesettings.h>
#include <wallpaperpage.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImageReader>
#include <QLineEdit>
#include <QTimer>

#include <cstdio>

namespace {
/// Runs the event loop until the page shows a new preview (30 s at most).
bool waitForPreview(WallpaperPage &page)
{
    QEventLoop loop;
    QObject::connect(&page, &WallpaperPage::previewUpdated, &loop, &QEventLoop::quit);
    QTimer::singleShot(30000, &loop, [&loop] { loop.exit(1); });
    return loop.exec() == 0;
}
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "vyr-wallpaper-redraw: usage: vyr-wallpaper-redraw THEMERC PICTURE ROUNDS\n");
        return 2;
    }
    const QString picture = QString::fromLocal8Bit(argv[2]);
    const int rounds = QString::fromLatin1(argv[3]).toInt();
    ThemeSettings theme(QString::fromLocal8Bit(argv[1]));
    ThemeSettings palette(QString{});
    WallpaperPage page(&theme, &palette, nullptr);
    page.resize(720, 540);
    page.show();
    if (!waitForPreview(page))
        return 1;
    auto *field = page.findChild<QLineEdit *>(QStringLiteral("wallpaperLineEdit"));
    const QSize previewSize = page.preview()->sourcePixmap().size();

    for (int i = 0; i < rounds; ++i) {
        // Back to the colour, then the picture again: each round decodes it.
        field->setText(QStringLiteral("#336699"));
        if (!waitForPreview(page))
            return 1;
        QElapsedTimer timer;
        timer.start();
        field->setText(picture);
        if (!waitForPreview(page))
            return 1;
        const double pageMs = timer.nsecsElapsed() / 1e6;

        timer.restart();
        QImageReader reader(picture);
        reader.setScaledSize(reader.size().scaled(previewSize, Qt::KeepAspectRatioByExpanding));
        const QImage image = reader.read();
        const double floorMs = timer.nsecsElapsed() / 1e6;
        if (image.isNull())
            return 1;
        std::printf("%.2f %.2f\n", pageMs, floorMs);
    }
    return 0;
}
