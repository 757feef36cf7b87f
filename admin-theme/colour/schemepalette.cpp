// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "schemepalette.h"
#include "wmcolours.h"

#include <vyrcolors.h>
#include <vyrx11.h>

#include <KColorScheme>
#include <KConfigGroup>
#include <KSharedConfig>

#include <QBuffer>
#include <QDataStream>
#include <QDateTime>
#include <QFileInfo>
#include <QStandardPaths>
#include <QCoreApplication>
#include <QSettings>

#include <X11/Xlib.h>

#include <cstdio>

namespace {
constexpr int s_roleCount = int(QPalette::PlaceholderText) + 1;

void setSolid(QPalette &palette, QPalette::ColorGroup group, QPalette::ColorRole role, const QColor &colour)
{
    palette.setBrush(group, role, QBrush(colour, Qt::SolidPattern));
}

void setSolid(QPalette &palette, QPalette::ColorGroup group, QPalette::ColorRole role, const QString &colour)
{
    setSolid(palette, group, role, QColor(colour));
}

/**
 * The standard palette of Qt's default style, written out. A generated
 * scheme sets only some roles and keeps these for the rest (bevels, links,
 * placeholder text); spelled out, the service modes, which run without a
 * graphical application, write the same palette as the window does. A
 * default-constructed QPalette there would be black in every role.
 */
QPalette standardPalette()
{
    static const char *const normal[s_roleCount] = {
        "#000000", "#efefef", "#ffffff", "#cacaca", "#9f9f9f", "#b8b8b8", "#000000",
        "#ffffff", "#000000", "#ffffff", "#efefef", "#767676", "#308cc6", "#ffffff",
        "#0000ff", "#ff00ff", "#f7f7f7", "#000000", "#ffffdc", "#000000", "#000000"};
    static const char *const disabled[s_roleCount] = {
        "#bebebe", "#efefef", "#ffffff", "#cacaca", "#bebebe", "#b8b8b8", "#bebebe",
        "#ffffff", "#bebebe", "#efefef", "#efefef", "#b1b1b1", "#919191", "#ffffff",
        "#0000ff", "#ff00ff", "#f7f7f7", "#000000", "#ffffdc", "#000000", "#000000"};
    QPalette palette;
    for (int role = 0; role < s_roleCount; ++role) {
        const auto r = QPalette::ColorRole(role);
        setSolid(palette, QPalette::Active, r, QColor(QLatin1String(normal[role])));
        setSolid(palette, QPalette::Inactive, r, QColor(QLatin1String(normal[role])));
        setSolid(palette, QPalette::Disabled, r, QColor(QLatin1String(disabled[role])));
    }
    return palette;
}

void fillGeneratedGroup(QPalette &palette, QPalette::ColorGroup group, const ShadeMap &primary,
                        const ShadeMap &background, const QColor &base)
{
    const QString highlight = primary.value(QStringLiteral("color500"));
    QColor highlightColour(highlight);
    if (group == QPalette::Inactive) {
        highlightColour.setHsvF(highlightColour.hsvHueF(), highlightColour.hsvSaturationF() / 2.0,
                                highlightColour.valueF(), 1.0);
        highlightColour = highlightColour.toRgb();
    }
    setSolid(palette, group, QPalette::Highlight, highlightColour);
    setSolid(palette, group, QPalette::HighlightedText, textColorFor(highlight));
    setSolid(palette, group, QPalette::Base, base);
    const bool darkBase = textColorFor(base.name()) == QLatin1String("#FFFFFF");
    setSolid(palette, group, QPalette::AlternateBase, CreateShadeColor(base.name(), darkBase ? 0.065 : -0.055));
    setSolid(palette, group, QPalette::Text, textColorFor(base.name()));
    const QString window = background.value(QStringLiteral("color600"));
    const QString windowText = textColorFor(window);
    setSolid(palette, group, QPalette::Window, window);
    setSolid(palette, group, QPalette::WindowText, windowText);
    setSolid(palette, group, QPalette::BrightText, textColorFor(QColor(windowText).name()));
    setSolid(palette, group, QPalette::Button, window);
    setSolid(palette, group, QPalette::ButtonText, textColorFor(window));
}

void writeBackGeneratedScheme(const QString &scheme, const QPalette &palette)
{
    KSharedConfigPtr config = openScheme(scheme);
    for (const SchemeColourEntry &entry : generatedSchemeColours(palette))
        KConfigGroup(config, entry.group).writeEntry(entry.key, entry.colour);
    // A shipped scheme the user may not write keeps its old colours; the
    // palette still reaches the session through Trolltech.conf. KConfig
    // would retry a failed write when the object goes away and can hang
    // there, so the failed changes are dropped.
    if (!config->sync())
        config->markAsClean();
}
}

QVector<SchemeColourEntry> generatedSchemeColours(const QPalette &palette)
{
    const QColor alternate = palette.color(QPalette::Active, QPalette::AlternateBase);
    const QColor text = palette.color(QPalette::Active, QPalette::Text);
    const struct {
        const char *group;
        QPalette::ColorRole background;
    } groups[] = {
        {"Colors:Button", QPalette::Button},  {"Colors:Selection", QPalette::Highlight},
        {"Colors:View", QPalette::Base},      {"Colors:Window", QPalette::Window},
        {"Colors:Header", QPalette::Window},
    };
    QVector<SchemeColourEntry> entries;
    for (const auto &group : groups) {
        entries.append({group.group, "BackgroundNormal", palette.color(QPalette::Active, group.background)});
        entries.append({group.group, "BackgroundAlternate", alternate});
        entries.append({group.group, "ForegroundNormal", text});
    }
    return entries;
}

bool isGeneratedScheme(const QString &scheme)
{
    return scheme.endsWith(QLatin1String("VyrDefault.colors")) || scheme.endsWith(QLatin1String("User.colors"));
}

bool isUserScheme(const QString &scheme)
{
    return scheme.endsWith(QLatin1String("User.colors"));
}

void fixShadeMap(ShadeMap &map)
{
    static const char *const pairs[][2] = {
        {"color600", "color400"}, {"color700", "color300"}, {"color800", "color200"}, {"color900", "color100"}};
    const QString middle = QStringLiteral("color500");
    for (const auto &pair : pairs) {
        if (map.value(QLatin1String(pair[0])) == map.value(middle))
            map[QLatin1String(pair[0])] = map.value(QLatin1String(pair[1]));
    }
    for (const auto &pair : pairs) {
        if (map.value(QLatin1String(pair[1])) == map.value(middle))
            map[QLatin1String(pair[1])] = map.value(QLatin1String(pair[0]));
    }
}

QPalette buildSchemePalette(const QString &scheme, const QColor &primary, const QColor &background, QString *focus,
                            QString *hover, const QPalette *schemePalette)
{
    QPalette palette = standardPalette();
    QString focusColour;
    QString hoverColour;
    if (!isGeneratedScheme(scheme)) {
        palette = schemePalette ? *schemePalette : KColorScheme::createApplicationPalette(openScheme(scheme));
        focusColour = palette.color(QPalette::Active, QPalette::Highlight).name();
        hoverColour = CreateShadeColor(focusColour, 0.2);
    } else {
        // Both maps are made before either is repaired.
        ShadeMap primaryShades = CreateShadeColors(primary.name());
        ShadeMap backgroundShades = CreateShadeColors(background.name());
        fixShadeMap(primaryShades);
        fixShadeMap(backgroundShades);
        fillGeneratedGroup(palette, QPalette::Active, primaryShades, backgroundShades, background);
        fillGeneratedGroup(palette, QPalette::Inactive, primaryShades, backgroundShades, background);
        for (int role = 0; role < s_roleCount; ++role) {
            const auto r = QPalette::ColorRole(role);
            setSolid(palette, QPalette::Disabled, r, palette.color(QPalette::Active, r));
        }
        for (const QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText})
            setSolid(palette, QPalette::Disabled, role, QColor(Qt::darkGray));
        focusColour = primaryShades.value(QStringLiteral("color500"));
        hoverColour = primaryShades.value(QStringLiteral("color700"));
    }

    const bool lightScheme =
        textColorFor(palette.color(QPalette::Active, QPalette::WindowText).name()) == QLatin1String("#FFFFFF");
    const QColor tipBase(lightScheme ? QStringLiteral("#fcfcfc") : QStringLiteral("#31363b"));
    const QColor tipText(lightScheme ? QStringLiteral("#232627") : QStringLiteral("#eff0f1"));
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        setSolid(palette, group, QPalette::ToolTipBase, tipBase);
        setSolid(palette, group, QPalette::ToolTipText, tipText);
    }

    if (focus)
        *focus = focusColour;
    if (hover)
        *hover = hoverColour;
    return palette;
}

QStringList paletteColourNames(const QPalette &palette, QPalette::ColorGroup group)
{
    QStringList names;
    names.reserve(s_roleCount);
    for (int role = 0; role < s_roleCount; ++role)
        names << palette.color(group, QPalette::ColorRole(role)).name();
    return names;
}

bool applyColourScheme(const QString &scheme, const QColor &primary, const QColor &background,
                       KConfigGroup *breezeGroup, const QPalette *schemePalette)
{
    QString focus;
    QString hover;
    const QPalette palette = buildSchemePalette(scheme, primary, background, &focus, &hover, schemePalette);

    if (isGeneratedScheme(scheme) && !scheme.isEmpty())
        writeBackGeneratedScheme(scheme, palette);

    bool ok = true;
    QSettings qt(QSettings::UserScope, QStringLiteral("Trolltech"));
    qt.beginGroup(QStringLiteral("Qt"));
    qt.setValue(QStringLiteral("Palette/active"), paletteColourNames(palette, QPalette::Active));
    qt.setValue(QStringLiteral("Palette/inactive"), paletteColourNames(palette, QPalette::Inactive));
    qt.setValue(QStringLiteral("Palette/disabled"), paletteColourNames(palette, QPalette::Disabled));
    qt.endGroup();
    qt.sync();
    if (qt.status() != QSettings::NoError) {
        std::fprintf(stderr, "vyr-admin-theme: can't write %s\n", qPrintable(qt.fileName()));
        ok = false;
    }

    KConfigGroup ownGroup;
    if (!breezeGroup) {
        ownGroup = KConfigGroup(KSharedConfig::openConfig(QStringLiteral("breezerc")), "Colors:View");
        breezeGroup = &ownGroup;
    }
    breezeGroup->writeEntry("DecorationFocus", focus);
    breezeGroup->writeEntry("DecorationHover", hover);
    if (!breezeGroup->sync()) {
        QString name = breezeGroup->config()->name();
        if (QFileInfo(name).isRelative())
            name = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') + name;
        std::fprintf(stderr, "vyr-admin-theme: can't write %s\n", qPrintable(name));
        breezeGroup->config()->markAsClean();
        ok = false;
    }
    return ok;
}

bool notifyQtSettingsChanged()
{
    Display *display = vyrX11Display();
    if (!display)
        return false;
    // Kept for the life of the process, like the connection it belongs to.
    static Atom atom = 0;
    if (!atom) {
        const QByteArray name = QByteArray("_QT_SETTINGS_TIMESTAMP_") + QByteArray(XDisplayName(nullptr));
        atom = XInternAtom(display, name.constData(), False);
    }
    QByteArray stamp;
    QBuffer buffer(&stamp);
    buffer.open(QIODevice::WriteOnly);
    QDataStream stream(&buffer);
    stream << QDateTime::currentDateTime();
    XChangeProperty(display, DefaultRootWindow(display), atom, atom, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char *>(stamp.constData()), stamp.size());
    XFlush(display);
    if (QCoreApplication::instance())
        QCoreApplication::sendPostedEvents();
    return true;
}
