// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "wmcolours.h"

#include <distribution.h>
#include <session.h>
#include <themesettings.h>
#include <vyrcolors.h>
#include <vyrpaths.h>

#include <KConfigGroup>
#include <KSharedConfig>

#include <QDir>
#include <QHash>
#include <QVector>

#include <cstdio>

namespace {
const QString s_primaryColor = QStringLiteral("PrimaryColor");
const QString s_backgroundColor = QStringLiteral("BackgroundColor");

using R = WmRole;
const QVector<WmColourKey> s_keys = {
    {"TitlebarColor", "BackgroundColor", R::InactiveWindowHeader, false, false},
    {"TitlebarColor2", "BackgroundColor", R::InactiveWindowHeader, false, false},
    {"FrameColor", "BackgroundColor", R::InactiveWindowHeader, false, false},
    {"TitleStringColor", "BackgroundTextColor", R::InactiveWindowHeader, true, false},
    {"TitlebarActiveColor", "PrimaryColor", R::ActiveWindowHeader, false, false},
    {"TitlebarActiveColor2", "PrimaryColor", R::ActiveWindowHeader, false, false},
    {"FrameActiveColor", "PrimaryColor", R::ActiveWindowHeader, false, false},
    {"TitleStringActiveColor", "PrimaryTextColor", R::ActiveWindowHeader, true, false},
    {"DialogColor", "BackgroundColor", R::TaskbarBackground, false, false},
    {"DialogStringColor", "BackgroundTextColor", R::TaskbarBackground, true, false},
    {"FrameActiveOutlineColor", "PrimaryLightColor", R::ActiveWindowFrame, false, false},
    {"FrameOutlineColor", "PrimaryLightColor", R::InactiveWindowFrame, false, false},
    {"TaskbarColor", "PrimaryDarkColor", R::TaskbarBackground, false, false},
    {"TaskbarStringColor", "PrimaryDarkTextColor", R::TaskbarBackground, true, false},
    {"TaskbarStringActiveColor", "PrimaryLightTextColor", R::TaskbarBackgroundHover, true, false},
    {"ClockStringColor", "PrimaryDarkTextColor", R::TaskbarBackground, true, false},
    {"PagerColor", "PrimaryDarkColor", R::TaskbarBackground, false, false},
    {"PagerColor2", "PrimaryDarkColor", R::TaskbarBackground, false, false},
    {"PagerActiveColor", "PrimaryLightColor", R::TaskbarBackgroundHover, false, false},
    {"MiniatureColor", "PrimaryTextColor", R::TaskbarBackground, true, false},
    {"MenuColor", "PrimaryDarkColor", R::TaskbarBackground, false, true},
    {"MenuColor2", "PrimaryDarkColor", R::TaskbarBackground, false, true},
    {"MenuActiveColor", "PrimaryLightColor", R::TaskbarBackgroundHover, false, true},
    {"MenuStringColor", "PrimaryDarkTextColor", R::TaskbarBackground, true, true},
    {"MenuStringActiveColor", "PrimaryLightTextColor", R::TaskbarBackgroundHover, true, true},
    {"ButtonColor", "PrimaryColor", R::TaskbarBackgroundHover, false, false},
    {"ButtonStringColor", "PrimaryTextColor", R::TaskbarBackgroundHover, true, false},
    {"ButtonActiveColor", "PrimaryLightColor", R::TaskbarBackgroundHover, false, false},
    {"ButtonStringActiveColor", "PrimaryLightTextColor", R::TaskbarBackgroundHover, true, false},
    {"IconActiveColor", "PrimaryLightColor", R::TaskbarBackgroundHover, false, false},
    {"IconStringActiveColor", "PrimaryLightTextColor", R::TaskbarBackgroundHover, true, false},
    {"IconStringColor", "PrimaryTextColor", R::White, false, false},
    {"IconForeColor", "BackgroundTextColor", R::TaskbarBackground, true, false},
    {"IconBackColor", "BackgroundColor", R::TaskbarBackground, false, false},
    {"SwitcherColor", "BackgroundColor", R::TaskbarBackground, false, false},
    {"SwitcherActiveColor", "PrimaryColor", R::NotWritten, false, false},
    {"SwitcherStringColor", "BackgroundTextColor", R::TaskbarBackground, true, false},
    {"SwitcherStringActiveColor", "PrimaryLightTextColor", R::TaskbarBackgroundHover, true, false},
};

// The order in which applySchemeWmColours visits the roles and, within
// each role, writes its keys; new keys are appended to the file in this
// order.
const struct {
    WmRole role;
    const char *name;
    QVector<const char *> keys;
} s_roleWrites[] = {
    {R::ActiveWindowHeader,
     "activeWindowHeader",
     {"TitlebarActiveColor", "TitlebarActiveColor2", "FrameActiveColor", "TitleStringActiveColor"}},
    {R::InactiveWindowHeader,
     "inactiveWindowHeader",
     {"TitlebarColor", "TitlebarColor2", "FrameColor", "TitleStringColor"}},
    {R::ActiveWindowFrame, "activeWindowFrame", {"FrameActiveOutlineColor"}},
    {R::InactiveWindowFrame, "inactiveWindowFrame", {"FrameOutlineColor"}},
    {R::TaskbarBackground,
     "taskbarBackground",
     {"TaskbarColor", "TaskbarStringColor", "ClockStringColor", "PagerColor", "PagerColor2", "MiniatureColor",
      "MenuColor", "MenuColor2", "MenuStringColor", "DialogColor", "DialogStringColor", "SwitcherColor",
      "SwitcherStringColor", "IconForeColor", "IconBackColor"}},
    {R::TaskbarBackgroundHover,
     "taskbarBackgroundHover",
     {"TaskbarStringActiveColor", "ButtonColor", "ButtonStringColor", "ButtonActiveColor", "ButtonStringActiveColor",
      "PagerActiveColor", "MenuActiveColor", "MenuStringActiveColor", "SwitcherStringActiveColor", "IconActiveColor",
      "IconStringActiveColor"}},
};

const WmColourKey *findKey(const char *name)
{
    for (const WmColourKey &key : s_keys) {
        if (qstrcmp(key.key, name) == 0)
            return &key;
    }
    return nullptr;
}

/**
 * The write rule of the store's saveString() without a window-manager
 * command: the value is read with @p defaultValue and stored only when it
 * differs. The caller writes the file once for the whole batch, so the
 * window manager never reads a half-updated set of colours.
 */
void stageString(ThemeSettings *store, const QString &key, const QString &defaultValue, const QString &value)
{
    if (store->value(key, defaultValue).toString() != value)
        store->setValue(key, value);
}
}

const QVector<WmColourKey> &wmColourKeys()
{
    return s_keys;
}

const QStringList &paletteVariables()
{
    static const QStringList names = {
        QStringLiteral("PrimaryColor"),        QStringLiteral("PrimaryTextColor"),
        QStringLiteral("PrimaryDarkColor"),    QStringLiteral("PrimaryDarkTextColor"),
        QStringLiteral("PrimaryLightColor"),   QStringLiteral("PrimaryLightTextColor"),
        QStringLiteral("BackgroundColor"),     QStringLiteral("BackgroundTextColor"),
    };
    return names;
}

const QStringList &wmRoleNames()
{
    static const QStringList names = {
        QStringLiteral("activeWindowHeader"),   QStringLiteral("activeWindowFrame"),
        QStringLiteral("inactiveWindowHeader"), QStringLiteral("inactiveWindowFrame"),
        QStringLiteral("taskbarBackground"),    QStringLiteral("taskbarBackgroundHover"),
        QStringLiteral("buttonOutlineHover"),   QStringLiteral("lineSeparator"),
    };
    return names;
}

QString schemeFilePath(const QString &scheme)
{
    const QString root = qEnvironmentVariable("VYR_SYSROOT");
    if (root.isEmpty() || !scheme.startsWith(QLatin1Char('/')))
        return scheme;
    if (scheme.startsWith(vyrSystemPath(QStringLiteral("/"))))
        return scheme;
    if (scheme.startsWith(QLatin1String("/usr/")) || scheme.startsWith(QLatin1String("/etc/")))
        return vyrSystemPath(scheme);
    return scheme;
}

QString storedSchemePath(const QString &file)
{
    const QString root = qEnvironmentVariable("VYR_SYSROOT");
    if (root.isEmpty() || file.isEmpty())
        return file;
    const QString prefix = QDir::cleanPath(vyrSystemPath(QStringLiteral("/")));
    const QString clean = QDir::cleanPath(file);
    for (const char *area : {"/usr/", "/etc/"}) {
        if (clean.startsWith(prefix + QLatin1String(area)))
            return clean.mid(prefix.size());
    }
    return file;
}

QColor parseWmRoleColour(const QString &value)
{
    const QString text = value.trimmed();
    if (text.startsWith(QLatin1Char('#')))
        return QColor(text);
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 3)
        return QColor();
    int rgb[3];
    for (int i = 0; i < 3; ++i) {
        // An unparsable component counts as 0.
        rgb[i] = parts.at(i).trimmed().toInt();
        if (rgb[i] < 0 || rgb[i] > 255)
            return QColor();
    }
    return QColor(rgb[0], rgb[1], rgb[2]);
}

bool hasWmColours(const QString &scheme)
{
    if (Distribution::isShippedWmScheme(scheme))
        return true;
    if (scheme.isEmpty())
        return false;
    const KConfigGroup group(openScheme(scheme), "WM");
    for (const QString &role : wmRoleNames()) {
        if (group.readEntry(role, QString()).isEmpty())
            return false;
    }
    return true;
}

bool applySchemeWmColours(const QString &scheme, ThemeSettings *theme, ThemeSettings *palette)
{
    if (!theme)
        return false;
    const KConfigGroup group(openScheme(scheme), "WM");

    QHash<int, QString> roleColours;
    for (const auto &role : s_roleWrites) {
        const QString value = group.readEntry(role.name, QString());
        const QColor parsed = parseWmRoleColour(value);
        if (!parsed.isValid() && !value.isEmpty()) {
            std::fprintf(stderr, "vyr-admin-theme: invalid color %s=%s in %s, #000000 in use\n", role.name,
                         qPrintable(value), qPrintable(scheme));
        }
        const QString colour = parsed.name();
        roleColours.insert(int(role.role), colour);
        const QString text = textColorFor(colour);
        for (const char *name : role.keys) {
            const WmColourKey *key = findKey(name);
            stageString(theme, QLatin1String(key->key), QLatin1String(key->paletteVariable),
                        key->textOfRole ? text : colour);
        }
    }
    stageString(theme, QStringLiteral("IconStringColor"), QStringLiteral("PrimaryTextColor"), QStringLiteral("white"));
    bool ok = theme->sync(false);

    if (palette) {
        stageString(palette, s_primaryColor, Distribution::defaultPrimaryColour(sessionFlags()),
                    roleColours.value(int(R::ActiveWindowHeader)));
        stageString(palette, s_backgroundColor, QStringLiteral("#ffffff"),
                    roleColours.value(int(R::TaskbarBackground)));
        ok = palette->sync(false) && ok;
    }
    return ok;
}

bool linkWmColoursToPalette(ThemeSettings *theme, bool withMenuKeys)
{
    if (!theme)
        return false;
    for (const WmColourKey &key : s_keys) {
        if (key.menuKey && !withMenuKeys)
            continue;
        const QString variable = QLatin1String(key.paletteVariable);
        stageString(theme, QLatin1String(key.key), variable, variable);
    }
    return theme->sync(false);
}

QString accentColour(const QString &current, ThemeSettings *palette)
{
    if (!current.isEmpty() || !palette)
        return current;
    const QString scheme = palette->value(QStringLiteral("ColorScheme"), QString()).toString();
    const QString &key = hasWmColours(scheme) ? s_backgroundColor : s_primaryColor;
    return palette->value(key, QStringLiteral("#039be5")).toString();
}

QString primaryDarkColour(const QString &colour)
{
    const QString light = CreateShadeColor(colour, 0.333);
    const QString dark = GetPrimaryDarkColor(colour, true);
    if (light == colour)
        return CreateShadeColor(colour, -0.25);
    if (dark == colour)
        return CreateShadeColor(colour, 0.166);
    return dark;
}

QString resolveDesktopColour(const QString &value, ThemeSettings *theme, ThemeSettings *palette)
{
    if (value.startsWith(QLatin1Char('#')))
        return QColor(value).name();
    const QString stored =
        theme ? theme->value(QStringLiteral("DesktopColor"), QStringLiteral("blue")).toString()
              : QStringLiteral("blue");
    if (stored.startsWith(QLatin1String("qv"))) {
        static const QHash<QString, QString> legacy = {
            {QStringLiteral("qvgray"), QStringLiteral("#c0c0c0")},
            {QStringLiteral("qvgrey"), QStringLiteral("#c0c0c0")},
            {QStringLiteral("qvdarkgray"), QStringLiteral("#606060")},
            {QStringLiteral("qvdarkgrey"), QStringLiteral("#606060")},
            {QStringLiteral("qvlightray"), QStringLiteral("#dfdfdf")},
            {QStringLiteral("qvblue"), QStringLiteral("#0000ff")},
            {QStringLiteral("qvlightblue"), QStringLiteral("#a6caf0")},
            {QStringLiteral("qvroyalblue"), QStringLiteral("#3a6ea5")},
            {QStringLiteral("qvyellow"), QStringLiteral("#f5db95")},
            {QStringLiteral("qvlightyellow"), QStringLiteral("#ffffe1")},
        };
        return QColor(legacy.value(stored, stored)).name();
    }
    if (stored.startsWith(s_backgroundColor)) {
        const QString background =
            palette ? palette->value(s_backgroundColor, QStringLiteral("#ffffff")).toString() : QStringLiteral("#ffffff");
        return QColor(primaryDarkColour(background)).name();
    }
    return QColor(stored).name();
}

KSharedConfigPtr openScheme(const QString &scheme)
{
    return KSharedConfig::openConfig(schemeFilePath(scheme), KConfig::FullConfig);
}
