// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "servicemodes.h"
#include "startup.h"
#include "themesettings.h"

#include <compositorshadow.h>
#include <schemepalette.h>
#include <wmcolours.h>

#include <vyrpaths.h>
#include <vyrsettings.h>
#include <vyrwmcommand.h>

#include <KColorScheme>
#include <KConfigGroup>
#include <KSharedConfig>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <dbus/dbus.h>

#include <cstdio>
#include <memory>

namespace {
const char s_solvaDark[] = "/usr/share/color-schemes/SolvaDark.colors";
const char s_solvaVanteraAdmin[] = "/usr/share/color-schemes/SolvaVanteraAdmin.colors";

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
        if (damaged) {
            const QString backup = palettePath + QStringLiteral(".bak");
            QFile::remove(backup);
            if (QFile::copy(palettePath, backup))
                report("vyr-admin-theme: unreadable %s kept as %s\n", palettePath, backup);
        }
        QString error;
        if (!writePaletteFile(palettePath, values, &error))
            report("vyr-admin-theme: can't write %s: %s\n", palettePath, error);
    }
};

/**
 * Maps the scheme onto the WM colour keys. With @p paletteColours the
 * palette store takes the scheme's two WM colours as well; apply-color-scheme
 * rewrites the whole palette file right afterwards and skips that write.
 */
void applyWmColours(const QString &scheme, Stores &stores, bool paletteColours, bool iconStringColour)
{
    stores.ensureThemeFile();
    if (hasWmColours(scheme)) {
        applySchemeWmColours(scheme, stores.theme.get(), paletteColours ? stores.palette.get() : nullptr);
        return;
    }
    linkWmColoursToPalette(stores.theme.get(), true);
    if (iconStringColour) {
        saveString(stores.theme.get(), QStringLiteral("IconStringColor"), QStringLiteral("PrimaryTextColor"),
                   QStringLiteral("PrimaryTextColor"), false);
    }
}

/// Writes ColorScheme into "Colors:View" of breezerc and the palette
/// everywhere the session reads it.
void applyPalette(const QString &scheme, const QColor &primary, const QColor &background)
{
    KConfigGroup view(KSharedConfig::openConfig(QStringLiteral("breezerc")), "Colors:View");
    view.writeEntry("ColorScheme", scheme);
    applyColourScheme(scheme, primary, background, &view);
}

void setShadowColour(const QString &scheme, ThemeSettings *theme)
{
    const QString wallpaper =
        theme->value(QStringLiteral("WallPaper"), QStringLiteral("/usr/share/wallpapers/vyr-default-light.jpg"))
            .toString();
    QString colour = QStringLiteral("#000000");
    if (scheme == QLatin1String(s_solvaDark) && wallpaper == QLatin1String("/usr/share/wallpapers/vyr-default-dark.jpg"))
        colour = QStringLiteral("#5A91BD");
    else if (scheme == QLatin1String(s_solvaVanteraAdmin)
             && wallpaper == QLatin1String("/usr/share/wallpapers/vyr-default-red.jpg"))
        colour = QStringLiteral("#F34444");
    setCompositorShadowColor(colour);
}

/**
 * Emits a signal on the session bus through a private connection that is
 * closed again at once: the service modes have no event loop and should not
 * start a bus thread for one message.
 */
bool emitSessionSignal(const char *path, const char *interface, const char *member)
{
    DBusError error;
    dbus_error_init(&error);
    DBusConnection *connection = dbus_bus_get_private(DBUS_BUS_SESSION, &error);
    if (!connection) {
        std::fprintf(stderr, "vyr-admin-theme: no session bus: %s\n", error.message);
        dbus_error_free(&error);
        return false;
    }
    dbus_connection_set_exit_on_disconnect(connection, FALSE);
    DBusMessage *message = dbus_message_new_signal(path, interface, member);
    const bool sent = message && dbus_connection_send(connection, message, nullptr);
    dbus_connection_flush(connection);
    if (message)
        dbus_message_unref(message);
    dbus_connection_close(connection);
    dbus_connection_unref(connection);
    return sent;
}

/// Tells the running session: widget style, Qt programs, window manager,
/// panel and on-screen keyboard.
void notifySession(const QString &scheme)
{
    emitSessionSignal("/BreezeStyle", "org.kde.Breeze.Style", "reparseConfiguration");
    notifyQtSettingsChanged();
    vyrSendWmCommand(QStringLiteral("VYRWM_UPDATE_VAL ColorScheme %1\n").arg(scheme));
    runProgram(vyrSystemPath(QStringLiteral("/usr/bin/killall")), {QStringLiteral("vyr-start-panel")});
    runProgram(vyrSystemPath(QStringLiteral("/usr/bin/vyr-vkbd")), {QStringLiteral("--update")});
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
        const QString current = stores.palette->value(QStringLiteral("ColorScheme"), defaultColourScheme()).toString();
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

    applyWmColours(scheme, stores, false, true);

    const KSharedConfigPtr schemeConfig = KSharedConfig::openConfig(schemeFile, KConfig::FullConfig);
    if (!isGeneratedScheme(scheme) && !schemeConfig->hasGroup("Colors:View") && !schemeConfig->hasGroup("Colors:Window"))
        report("vyr-admin-theme: color scheme %s has no colors, defaults in use\n", scheme);
    const QPalette schemePalette = KColorScheme::createApplicationPalette(schemeConfig);
    const QColor primary = schemePalette.color(QPalette::Active, QPalette::Highlight);
    const QColor background = schemePalette.color(QPalette::Active, QPalette::Base);
    stores.rewritePalette({primary.name(), background.name(), scheme});

    applyPalette(scheme, primary, background);

    if (withDisplay)
        notifySession(scheme);

    setShadowColour(scheme, stores.theme.get());
    return 0;
}

int runWmColor(bool withDisplay)
{
    Q_UNUSED(withDisplay) // wmcolor tells nobody; the files are all it changes.
    Stores stores;
    QString scheme;
    if (QFile::exists(vyrSystemPath(QLatin1String(s_solvaVanteraAdmin))) && queryIntegrityLevel()) {
        stores.rewritePalette(paletteSeed());
        stores.openPalette();
        scheme = QLatin1String(s_solvaVanteraAdmin);
    } else {
        if (!stores.palette->isParsed()) {
            if (QFile::exists(stores.palettePath))
                report("vyr-admin-theme: file %s ins't  parsed\n", stores.palettePath);
            else
                report("vyr-admin-theme: file %s does't exist\n", stores.palettePath);
        }
        scheme = stores.palette->value(QStringLiteral("ColorScheme"), QStringLiteral("undefined")).toString();
        if (scheme == QLatin1String("undefined")) {
            scheme = defaultColourScheme();
            report("vyr-admin-theme: no ColorScheme in %s, default %s in use\n", stores.palettePath, scheme);
        }
    }
    report("vyr-admin-theme: set wm colors from %s (see %s)\n", scheme, stores.palettePath);

    applyWmColours(scheme, stores, true, false);

    const QString primary = stores.palette->value(QStringLiteral("PrimaryColor"), defaultPrimaryColour()).toString();
    const QString background = stores.palette->value(QStringLiteral("BackgroundColor"), QStringLiteral("#ffffff")).toString();
    applyPalette(scheme, QColor(primary), QColor(background));

    setShadowColour(scheme, stores.theme.get());
    return 0;
}
