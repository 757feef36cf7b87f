// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later

// vyr-themepage-probe: shows the Theme page over the user's theme and
// palette files and prints the milliseconds from the show to the moment
// its cursor and icon theme lists are filled, then (second column) from
// the show to the page's first paint.
#include <themepage.h>
#include <themepaths.h>
#include <themesettings.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ThemeSettings theme(userThemeFilePath());
    ThemeSettings palette(paletteFilePath());
    theme.sync(true);
    palette.sync(true);
    ThemePage page(&theme, &palette, nullptr);
    QEventLoop loop;
    QObject::connect(&page, &ThemePage::themeListsReady, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    double firstPaint = -1;
    // The first paint event the page receives.
    struct PaintWatch : QObject {
        QElapsedTimer *timer;
        double *at;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint && *at < 0)
                *at = timer->nsecsElapsed() / 1.0e6;
            return false;
        }
    } watch;
    watch.timer = &timer;
    watch.at = &firstPaint;
    page.installEventFilter(&watch);
    timer.start();
    page.show();
    if (!page.themeListsFilled())
        loop.exec();
    std::printf("%.1f %.1f\n", timer.nsecsElapsed() / 1.0e6, firstPaint);
    return 0;
}
