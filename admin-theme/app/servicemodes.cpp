// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "servicemodes.h"
#include "startup.h"

#include <desktopappearance.h>
#include <distribution.h>
#include <schemeapply.h>
#include <schemepalette.h>
#include <session.h>
#include <themepaths.h>
#include <themesettings.h>
#include <wmcolours.h>

#include <vyrfileio.h>
#include <vyrpaths.h>
#include <vyrsettings.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <memory>

namespace {
QByteArray readFileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void report(const char *format, const QString &a, const QString &b = QString())
{
    std::fprintf(stderr, format, qPrintable(a), qPrintable(b));
}

/// The two stores every service mode works on.
struct Stores {
    QString themePath;
    QString palettePath;
    std::unique_ptr<ThemeSettings> theme;
    std::unique_ptr<ThemeSettings> palette;

    Stores()
        : themePath(userThemeFilePath())
        , palettePath(paletteFilePath())
    {
        theme = std::make_unique<ThemeSettings>(themePath);
        theme->sync(true);
        openPalette();
    }

    void openPalette()
    {
        palette.reset();
        palette = std::make_unique<ThemeSettings>(palettePath);
        palette->sync(true);
    }

    /**
     * A user without a theme file yet gets one, so that the window
     * manager's colours are not silently dropped; an existing file that
     * does not parse is left alone.
     */
    void ensureThemeFile()
    {
        if (theme->isParsed() || themePath.isEmpty() || QFile::exists(themePath))
            return;
        if (!ensureUserThemeFile(themePath))
            return;
        theme = std::make_unique<ThemeSettings>(themePath);
        theme->sync(true);
    }

    /// Replaces the palette file by its four-line form. A file that did not
    /// parse, or held bytes the parser drops, is kept beside it first, since
    /// it may hold something the user wants back.
    void rewritePalette(const PaletteValues &values)
    {
        bool damaged = false;
        if (QFile::exists(palettePath))
            damaged = !palette->isParsed() || readFileBytes(palettePath).contains('\0');
        palette.reset();
        if (damaged && vyrKeepBackup(palettePath))
            report("vyr-admin-theme: unreadable %s kept as %s\n", palettePath, palettePath + QStringLiteral(".bak"));
        QString error;
        if (!writePaletteFile(palettePath, values, &error))
            report("vyr-admin-theme: can't write %s: %s\n", palettePath, error);
    }
};

QString wallpaperOf(ThemeSettings *theme)
{
    return theme->value(QStringLiteral("WallPaper"), Distribution::lightWallpaper).toString();
}
}

int runApplyColorScheme(const QString &schemeArgument, bool withDisplay)
{
    Stores stores;
    // KConfig looks a relative name up among the configuration directories,
    // not in the working directory, and the palette file must name the
    // scheme wherever it is read from later.
    const QString scheme = QDir::isRelativePath(schemeArgument) && !schemeArgument.isEmpty()
        ? QFileInfo(schemeArgument).absoluteFilePath()
        : schemeArgument;
    const QString schemeFile = schemeFilePath(scheme);
    const QFileInfo schemeInfo(schemeFile);
    if (!schemeInfo.isFile()) {
        report("vyr-admin-theme: no color scheme file %s\n", schemeArgument);
        return 2;
    }
    // KConfig reads a file it cannot open as an empty scheme: the desktop
    // would get default colours in the scheme's name.
    if (!QFile(schemeFile).open(QIODevice::ReadOnly)) {
        report("vyr-admin-theme: can't read color scheme file %s\n", scheme);
        return 2;
    }
    // The path is written into line-based files and the window manager's
    // command line, where a line break would start lines of its own.
    if (scheme.contains(QLatin1Char('\n')) || scheme.contains(QLatin1Char('\r'))) {
        report("vyr-admin-theme: color scheme path %s holds a line break, not applied\n", scheme);
        return 2;
    }
    if (!scheme.contains(QLatin1String("00-generated-"))) {
        const QString current =
            stores.palette->value(QStringLiteral("ColorScheme"), Distribution::defaultColourScheme(sessionFlags()))
                .toString();
        if (current == scheme) {
            if (schemeInfo.lastModified() > QFileInfo(stores.themePath).lastModified()) {
                report("vyr-admin-theme: the same color scheme %s, but newer than users themerc\n", scheme);
            } else {
                report("vyr-admin-theme: the same color scheme %s, do nothing\n", scheme);
                return 2;
            }
        }
    }
    report("vyr-admin-theme: apply color scheme %s\n", scheme);

    const ColourSchemeApply apply(scheme);
    stores.ensureThemeFile();
    apply.writeWmColours(stores.theme.get(), nullptr, true);
    if (!apply.hasColourGroups())
        report("vyr-admin-theme: color scheme %s has no colors, defaults in use\n", scheme);
    const QColor primary = apply.schemePrimary();
    const QColor background = apply.schemeBackground();
    stores.rewritePalette({primary.name(), background.name(), scheme});
    apply.writePalette(primary, background);
    apply.writeShadowColour(wallpaperOf(stores.theme.get()));
    DesktopAppearance appearance = DesktopAppearance::current(*stores.theme);
    appearance.scheme = scheme;
    appearance.palette = apply.qtPalette(primary, background);
    appearance.write();

    if (withDisplay) {
        apply.notifySession();
        appearance.notify();
    }
    return 0;
}

int runWmColor(bool withDisplay)
{
    Q_UNUSED(withDisplay) // wmcolor tells nobody; the files are all it changes.
    Stores stores;
    QString scheme;
    if (QFile::exists(vyrSystemPath(Distribution::solvaVanteraAdmin)) && queryIntegrityLevel()) {
        stores.rewritePalette(paletteSeed(sessionFlags()));
        stores.openPalette();
        scheme = Distribution::solvaVanteraAdmin;
    } else {
        if (!stores.palette->isParsed()) {
            if (QFile::exists(stores.palettePath))
                report("vyr-admin-theme: file %s ins't  parsed\n", stores.palettePath);
            else
                report("vyr-admin-theme: file %s does't exist\n", stores.palettePath);
        }
        scheme = stores.palette->value(QStringLiteral("ColorScheme"), QStringLiteral("undefined")).toString();
        if (scheme == QLatin1String("undefined")) {
            scheme = Distribution::defaultColourScheme(sessionFlags());
            report("vyr-admin-theme: no ColorScheme in %s, default %s in use\n", stores.palettePath, scheme);
        }
    }
    report("vyr-admin-theme: set wm colors from %s (see %s)\n", scheme, stores.palettePath);

    const ColourSchemeApply apply(scheme);
    stores.ensureThemeFile();
    apply.writeWmColours(stores.theme.get(), stores.palette.get(), false);

    const QString primary =
        stores.palette->value(QStringLiteral("PrimaryColor"), Distribution::defaultPrimaryColour(sessionFlags()))
            .toString();
    const QString background = stores.palette->value(QStringLiteral("BackgroundColor"), QStringLiteral("#ffffff")).toString();
    apply.writePalette(QColor(primary), QColor(background));
    apply.writeShadowColour(wallpaperOf(stores.theme.get()));
    return 0;
}
