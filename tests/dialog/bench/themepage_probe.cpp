// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later

// vyr-themepage-probe: shows the Theme page over the user's theme and
// palette files and prints the milliseconds from the show to the moment
// its cursor and icon theme lists are filled.
#include <themepage.h>
#include <themepaths.h>
#include <themesettings.h>

#include <QApplication>
#include <QElapsedTimer>
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
    timer.start();
    page.show();
    if (!page.themeListsFilled())
        loop.exec();
    std::printf("%.1f\n", timer.nsecsElapsed() / 1.0e6);
    return 0;
}
