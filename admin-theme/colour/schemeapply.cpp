// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "schemeapply.h"
#include "schemepalette.h"
#include "wmcolours.h"

#include <compositorconfig.h>
#include <distribution.h>
#include <themesettings.h>

#include <vyrpaths.h>
#include <vyrprocess.h>
#include <vyrwmcommand.h>

#include <KColorScheme>
#include <KConfigGroup>

#include <dbus/dbus.h>

#include <cstdio>

namespace {
/**
 * Emits a signal on the session bus through a private connection that is
 * closed again at once: the service modes have no event loop and should not
 * start a bus thread for one message.
 */
bool emitSessionSignal(const char *path, const char *interface, const char *member, const int *intArgument = nullptr)
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
    if (message && intArgument) {
        const dbus_int32_t value = *intArgument;
        dbus_message_append_args(message, DBUS_TYPE_INT32, &value, DBUS_TYPE_INVALID);
    }
    const bool sent = message && dbus_connection_send(connection, message, nullptr);
    dbus_connection_flush(connection);
    if (message)
        dbus_message_unref(message);
    dbus_connection_close(connection);
    dbus_connection_unref(connection);
    return sent;
}
}

ColourSchemeApply::ColourSchemeApply(const QString &scheme)
    : m_scheme(scheme)
    // Held for the object's life: the engine's functions that open the
    // scheme get this reading back instead of parsing the file again.
    , m_config(openScheme(scheme))
{
}

bool ColourSchemeApply::hasColourGroups() const
{
    return isGeneratedScheme(m_scheme) || m_config->hasGroup("Colors:View") || m_config->hasGroup("Colors:Window");
}

const QPalette &ColourSchemeApply::schemePalette() const
{
    if (!m_palette)
        m_palette = KColorScheme::createApplicationPalette(m_config);
    return *m_palette;
}

QColor ColourSchemeApply::schemePrimary() const
{
    return schemePalette().color(QPalette::Active, QPalette::Highlight);
}

QColor ColourSchemeApply::schemeBackground() const
{
    return schemePalette().color(QPalette::Active, QPalette::Base);
}

bool ColourSchemeApply::writeWmColours(ThemeSettings *theme, ThemeSettings *palette, bool iconStringColour,
                                       bool withMenuKeys) const
{
    if (hasWmColours(m_scheme))
        return applySchemeWmColours(m_scheme, theme, palette);
    bool ok = linkWmColoursToPalette(theme, withMenuKeys);
    if (iconStringColour) {
        saveString(theme, QStringLiteral("IconStringColor"), QStringLiteral("PrimaryTextColor"),
                   QStringLiteral("PrimaryTextColor"), false);
    }
    return ok;
}

bool ColourSchemeApply::writePalette(const QColor &primary, const QColor &background) const
{
    KConfigGroup view(KSharedConfig::openConfig(QStringLiteral("breezerc")), "Colors:View");
    view.writeEntry("ColorScheme", m_scheme);
    // A generated scheme's palette comes from the two colours alone.
    const QPalette *made = isGeneratedScheme(m_scheme) ? nullptr : &schemePalette();
    return applyColourScheme(m_scheme, primary, background, &view, made);
}

QPalette ColourSchemeApply::qtPalette(const QColor &primary, const QColor &background) const
{
    const QPalette *made = isGeneratedScheme(m_scheme) ? nullptr : &schemePalette();
    return buildSchemePalette(m_scheme, primary, background, nullptr, nullptr, made);
}

bool ColourSchemeApply::writeShadowColour(const QString &wallpaper) const
{
    return setCompositorShadowColor(Distribution::shadowColour(m_scheme, wallpaper));
}

void ColourSchemeApply::notifySession() const
{
    notifyStyle();
    announceScheme();
    restartPanel();
}

void ColourSchemeApply::notifyStyle()
{
    emitSessionSignal("/BreezeStyle", "org.kde.Breeze.Style", "reparseConfiguration");
    notifyQtSettingsChanged();
}

void ColourSchemeApply::announceScheme() const
{
    vyrSendWmCommand(QStringLiteral("VYRWM_UPDATE_VAL ColorScheme %1\n").arg(m_scheme));
}

void ColourSchemeApply::restartPanel()
{
    vyrRunProgram(vyrSystemPath(QStringLiteral("/usr/bin/killall")), {QStringLiteral("vyr-start-panel")});
    vyrRunProgram(vyrSystemPath(QStringLiteral("/usr/bin/vyr-vkbd")), {QStringLiteral("--update")});
}

bool ColourSchemeApply::notifyIconsChanged()
{
    const int group = 0;
    return emitSessionSignal("/KIconLoader", "org.kde.KIconLoader", "iconChanged", &group);
}
