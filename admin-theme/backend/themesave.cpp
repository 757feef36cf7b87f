// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "themesave.h"
#include "desktopappearance.h"
#include "themecatalogue.h"

#include <distribution.h>
#include <schemeapply.h>
#include <schemepalette.h>
#include <session.h>
#include <themepaths.h>
#include <themesettings.h>
#include <wmcolours.h>

#include <vyrcolors.h>
#include <vyrdesktopentry.h>
#include <vyricontheme.h>
#include <vyrpaths.h>
#include <vyrwmcommand.h>
#include <vyrx11.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <unistd.h>

namespace ThemeSave {

namespace {
const QString s_true = QStringLiteral("true");
const QString s_false = QStringLiteral("false");

/**
 * Copies @p source to @p target, which must not exist: the copy is made
 * beside the target and linked into place, so a reader never sees half a
 * file and an item that appeared meanwhile is never replaced.
 */
bool copyNew(const QString &source, const QString &target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = in.readAll();
    QDir().mkpath(QFileInfo(target).path());
    QTemporaryFile temporary(target + QStringLiteral(".XXXXXX"));
    if (!temporary.open() || temporary.write(data) != data.size() || !temporary.flush())
        return false;
    fsync(temporary.handle());
    return ::link(QFile::encodeName(temporary.fileName()).constData(), QFile::encodeName(target).constData()) == 0;
}

void step1CursorSize(const Input &input, bool *warned, const Hooks &hooks)
{
    if (input.cursorSizeText.isEmpty())
        return;
    const QString text = input.cursorSizeText == QLatin1String("Auto") ? QStringLiteral("-1") : input.cursorSizeText;
    const int size = text.toInt();
    const int current = VyrIconTheme::getCurrentCursorThemeSize(vyrX11Display());
    if ((size < 1 && current < 1) || size == current)
        return;
    QString error;
    if (!VyrIconTheme::setCurrentCursorThemeSize(size, &error))
        std::fprintf(stderr, "vyr-admin-theme: can't set the cursor size: %s\n", qPrintable(error));
    vyrSendWmCommand(QStringLiteral("VYRWM_UPDATE_VAL CursorSize %1\n").arg(text));
    if (hooks.warn)
        hooks.warn(QObject::tr("New cursor size will be applied to newly started apps"));
    *warned = true;
}

void step2CursorTheme(const Input &input, bool warned, const Hooks &hooks)
{
    if (input.cursorTheme.isEmpty())
        return;
    QString current = VyrIconTheme::getCurrentCursorThemeName(vyrX11Display());
    if (current.isEmpty())
        current = QStringLiteral("default");
    if (input.cursorTheme == current)
        return;
    QString error;
    if (!VyrIconTheme::setCurrentCursorThemeName(input.cursorTheme, &error))
        std::fprintf(stderr, "vyr-admin-theme: can't set the cursor theme: %s\n", qPrintable(error));
    vyrSendWmCommand(QStringLiteral("VYRWM_UPDATE_VAL CursorTheme %1\n").arg(input.cursorTheme));
    if (!warned && hooks.warn)
        hooks.warn(QObject::tr("New cursor theme will be applied to newly started apps"));
}

bool step7DesktopItems(const Input &input)
{
    const bool computerWasShown = [] {
        VyrDesktopEntry entry(GetVyrDir(VyrDirCurrentDesktop) + QStringLiteral("/mycomp.desktop"));
        return entry.load() && !entry.hidden();
    }();
    setDesktopItem(QStringLiteral("mycomp.desktop"), input.myComputer);
    const bool trashChanged = setDesktopItem(QStringLiteral("mytrash.desktop"), input.trash);
    const bool computerHidden = computerWasShown && !input.myComputer;
    return trashChanged || input.myComputer || computerHidden;
}

void saveSizes(ThemeSettings *theme, const Input &input)
{
    const QString automatic = QStringLiteral("-1");
    if (input.autoSize) {
        for (const char *key : {"DesktopIconSize", "TaskbarHeight", "FrameTitleHeight", "FrameBorderWidth"})
            saveString(theme, QLatin1String(key), QString(), automatic, true);
        return;
    }
    saveString(theme, QStringLiteral("DesktopIconSize"), automatic, input.iconSizeText, true);
    int taskbar = input.taskbarHeight;
    if (input.pixelRatio > 0)
        taskbar = int(taskbar / input.pixelRatio);
    saveString(theme, QStringLiteral("TaskbarHeight"), automatic, QString::number(taskbar), true);
    saveString(theme, QStringLiteral("FrameTitleHeight"), automatic, QString::number(input.titleHeight), true);
    saveString(theme, QStringLiteral("FrameBorderWidth"), automatic, QString::number(input.frameWidth), true);
}

void saveDecoration(ThemeSettings *theme, const Input &input)
{
    if (input.decoration.isEmpty()) {
        saveString(theme, QStringLiteral("DecorTheme"), QString(), QString(), false);
        return;
    }
    if (!saveString(theme, QStringLiteral("DecorTheme"), QString(), input.decoration, true))
        return;
    ColourSchemeApply::restartPanel();
    // The file just written: the decoration to take the colour from.
    const QString colour = ThemeCatalogue::decorationTaskbarColour(theme->fileName(), input.qtWindowColour);
    if (colour.isEmpty())
        return;
    const QString active = CreateShadeColor(colour, 0.3);
    saveString(theme, QStringLiteral("MenuColor"), QStringLiteral("PrimaryDarkColor"), colour, true);
    saveString(theme, QStringLiteral("MenuColor2"), QStringLiteral("PrimaryDarkColor"), colour, true);
    saveString(theme, QStringLiteral("MenuActiveColor"), QStringLiteral("PrimaryLightColor"), active, true);
    saveString(theme, QStringLiteral("MenuStringColor"), QStringLiteral("PrimaryDarkTextColor"), textColorFor(colour),
               true);
    saveString(theme, QStringLiteral("MenuStringActiveColor"), QStringLiteral("PrimaryLightTextColor"),
               textColorFor(active), true);
    saveString(theme, QStringLiteral("TaskbarColor"), QStringLiteral("PrimaryDarkColor"), colour, true);
}

/// Deletes the generated wallpaper schemes other than @p scheme; true when
/// one was deleted.
bool removeGeneratedSchemes(const QString &scheme)
{
    const QString dir = GetVyrDir(VyrDirHome) + QStringLiteral("/.local/share/color-schemes/");
    bool removed = false;
    for (const char *name : {"00-generated-light.colors", "00-generated-dark.colors"}) {
        const QString file = dir + QLatin1String(name);
        if (file != scheme && QFileInfo::exists(file) && QFile::remove(file))
            removed = true;
    }
    return removed;
}
}

QString wallpaperForSavedScheme(const QString &scheme, const QString &wallpaper)
{
    using namespace Distribution;
    if (scheme.endsWith(QLatin1String("SolvaDark.colors"))
        && (wallpaper == lightWallpaper || wallpaper == redWallpaper))
        return darkWallpaper;
    if (scheme.endsWith(QLatin1String("SolvaVanteraAdmin.colors"))
        && (wallpaper == lightWallpaper || wallpaper == darkWallpaper))
        return redWallpaper;
    if (scheme.endsWith(QLatin1String("SolvaLight.colors"))
        && (wallpaper == darkWallpaper || wallpaper == redWallpaper))
        return lightWallpaper;
    return QString();
}

qint64 editTime()
{
    static qint64 last = 0;
    last = std::max(last + 1, QDateTime::currentMSecsSinceEpoch());
    return last;
}

void ensureUserScheme()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/color-schemes");
    const QString target = dir + QStringLiteral("/User.colors");
    if (QFileInfo::exists(target))
        return;
    const QString source = GetVyrDir(VyrDirSharedData) + QStringLiteral("/color-schemes/User.colors");
    if (!QFileInfo::exists(source)) {
        std::fprintf(stderr, "vyr-admin-theme: can't find %s\n", qPrintable(source));
        return;
    }
    if (!copyNew(source, target) && !QFileInfo::exists(target))
        std::fprintf(stderr, "vyr-admin-theme: can't copy %s to %s\n", qPrintable(source), qPrintable(target));
}

bool setDesktopItem(const QString &fileName, bool shown)
{
    const QString path = GetVyrDir(VyrDirCurrentDesktop) + QLatin1Char('/') + fileName;
    VyrDesktopEntry entry(path);
    const bool exists = QFileInfo::exists(path);
    if (exists && entry.load()) {
        if (entry.hidden() == !shown)
            return false;
        entry.setHidden(!shown);
        if (!entry.save(false))
            std::fprintf(stderr, "vyr-admin-theme: can't write %s\n", qPrintable(path));
        return true;
    }
    if (!shown || exists)
        return false;
    const QString source = GetVyrDir(VyrDirSharedData) + QStringLiteral("/Desktops/Desktop1/") + fileName;
    if (!copyNew(source, path))
        std::fprintf(stderr, "vyr-admin-theme: can't copy %s to %s\n", qPrintable(source), qPrintable(path));
    return true;
}

Result save(ThemeSettings *theme, ThemeSettings *palette, const Input &input, const Hooks &hooks)
{
    Result result;
    const SessionFlags &flags = sessionFlags();

    bool warned = false;
    step1CursorSize(input, &warned, hooks);
    step2CursorTheme(input, warned, hooks);

    bool iconThemeChanged = false;
    if (!input.iconTheme.isEmpty())
        iconThemeChanged
            = saveString(theme, QStringLiteral("IconTheme"), QStringLiteral("vyr-solva-flat"), input.iconTheme, true);
    saveBool(theme, QStringLiteral("UseTrayIconTheme"), s_true, input.trayIconTheme, true);

    {
        // Trolltech.conf is shared with the Programs page and every Qt
        // program: rewritten only when the value changes.
        QSettings qt(QSettings::UserScope, QStringLiteral("Trolltech"));
        const QString key = QStringLiteral("Qt/useSymbolicIconsForToolBar");
        const QString value = input.symbolicToolbarIcons ? s_true : s_false;
        if (qt.value(key).toString() != value) {
            qt.setValue(key, value);
            qt.sync();
        }
    }

    const QString flag = input.nationalFlags ? QStringLiteral("flag") : QString();
    saveString(theme, QStringLiteral("BaseKbImage"), QString(), flag, true);
    saveString(theme, QStringLiteral("AltKbImage"), QString(), flag, true);

    if (step7DesktopItems(input))
        vyrSendWmCommand(QStringLiteral("VYRWM_UPDATE_SHORTCUT\n"));

    const std::pair<const char *, bool> options[] = {
        {"UseStartButton", input.useStartButton},
        {"UsePager", input.usePager},
        {"MultiTaskbar", input.multiTaskbar},
        {"NoTaskbarButtonName", input.noTaskbarButtonName},
        {"TaskbarButtonCombine", input.taskbarButtonCombine},
        {"OwnKbPerWindow", input.ownKbPerWindow},
        {"BaseKbForNewWindow", input.baseKbForNewWindow},
        {"numLockOn", input.numLockOn},
        {"OneClickRun", input.oneClickRun},
        {"TitlebarStringCenter", input.titlebarStringCenter},
    };
    for (const auto &option : options) {
        const bool onByDefault = qstrcmp(option.first, "UsePager") == 0;
        saveBool(theme, QLatin1String(option.first), onByDefault ? s_true : s_false, option.second, true);
    }

    saveSizes(theme, input);

    const QString scheme = input.scheme;
    const QString storedScheme = palette->value(QStringLiteral("ColorScheme"), QString()).toString();
    const bool schemeUnchangedAtStart = storedScheme == scheme;
    bool schemeUnchanged = schemeUnchangedAtStart;
    const QString storedDecoration = theme->value(QStringLiteral("DecorTheme"), QString()).toString();
    const QString decoration = input.decorationListed ? input.decoration : storedDecoration;
    const bool decorationUnchanged = storedDecoration == decoration;
    result.decorationChanged = !decorationUnchanged;

    std::optional<QPalette> appliedPalette;
    if (!flags.highIntegritySession) {
        if (!decorationUnchanged) {
            Input withDecoration = input;
            withDecoration.decoration = decoration;
            saveDecoration(theme, withDecoration);
        }
        if (decoration.isEmpty()) {
            QColor primary = input.primary;
            QColor background = input.background;
            if (primary.isValid() && primary == background) {
                const bool whiteText = textColorFor(primary.name()) == QLatin1String("#FFFFFF");
                background = QColor(CreateShadeColor(background.name(), whiteText ? 0.166 : -0.1));
            }
            const ColourSchemeApply apply(scheme);
            if (!hasWmColours(scheme)) {
                const QString iconString = QStringLiteral("IconStringColor");
                // Linking points IconStringColor at its palette variable too:
                // whether the user's colour is new is judged by the value
                // stored before this save.
                const QString iconStringBefore = theme->value(iconString, QStringLiteral("white")).toString();
                apply.writeWmColours(theme, nullptr, false, !schemeUnchanged || !decorationUnchanged);
                if (!isUserScheme(scheme) || !input.iconString.isValid()) {
                    saveString(theme, iconString, QStringLiteral("PrimaryTextColor"),
                               QStringLiteral("PrimaryTextColor"), false);
                } else {
                    saveString(theme, iconString, QStringLiteral("white"), input.iconString.name(), false);
                    if (iconStringBefore != input.iconString.name())
                        schemeUnchanged = false;
                }
                if (primary.isValid()
                    && saveString(palette, QStringLiteral("PrimaryColor"), Distribution::defaultPrimaryColour(flags),
                                  primary.name(), schemeUnchanged)) {
                    ColourSchemeApply::restartPanel();
                }
                if (background.isValid()) {
                    saveString(palette, QStringLiteral("BackgroundColor"), QStringLiteral("#ffffff"), background.name(),
                               schemeUnchanged);
                }
            } else {
                apply.writeWmColours(theme, palette, false);
                ColourSchemeApply::restartPanel();
            }
            apply.writePalette(primary, background);
            appliedPalette = apply.qtPalette(primary, background);
            ColourSchemeApply::notifyStyle();
            if (hooks.activateScheme)
                hooks.activateScheme(scheme);
            std::printf("quick update all: reread and apply all colors %d, was=%s, new=%s\n", schemeUnchanged ? 1 : 0,
                        qPrintable(storedScheme), qPrintable(scheme));
            std::fflush(stdout);
            if (!schemeUnchanged || !decorationUnchanged) {
                saveString(palette, QStringLiteral("ColorScheme"), QString(), scheme, false);
                apply.announceScheme();
            }
            if (iconThemeChanged || !schemeUnchanged)
                ColourSchemeApply::notifyIconsChanged();
            result.schemeChanged = !schemeUnchanged;

            const QString mode = input.wallpaperMode;
            saveString(theme, QStringLiteral("WallPaperColorScheme"), QStringLiteral("none"), mode, true);

            QString wallpaper = input.wallpaper;
            qint64 wallpaperTime = input.wallpaperTime;
            if (!input.wallpaperFromPage) {
                wallpaper = theme->value(QStringLiteral("WallPaper"), QStringLiteral("-")).toString();
                wallpaperTime = 0;
            }
            if (mode == QLatin1String("none") && !schemeUnchanged && input.schemeTime > wallpaperTime) {
                const QString switched = wallpaperForSavedScheme(scheme, wallpaper);
                if (!switched.isEmpty()) {
                    if (input.wallpaperFromPage && hooks.showWallpaper)
                        hooks.showWallpaper(switched);
                    saveString(theme, QStringLiteral("WallPaper"), Distribution::lightWallpaper, switched, true);
                    wallpaper = switched;
                }
            }
            apply.writeShadowColour(wallpaper);
            result.generatedSchemesRemoved = removeGeneratedSchemes(scheme);
        }
    }

    saveBool(theme, QStringLiteral("AdaptiveIconStringColor"), s_true, input.adaptiveIconStringColor, true);

    // Programs of the other toolkits follow the scheme, icons and cursor.
    DesktopAppearance appearance = DesktopAppearance::current(*theme);
    if (appliedPalette) {
        appearance.scheme = scheme;
        appearance.palette = *appliedPalette;
    }
    appearance.write();
    appearance.notify();
    return result;
}
}
