// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <KSharedConfig>

#include <QColor>
#include <QPalette>
#include <QString>

#include <optional>

class ThemeSettings;

/**
 * Applying a colour scheme to the desktop, shared by the service modes and
 * the Theme page. The scheme file is read once, when the object is made,
 * and every step reuses that reading; the palette KColorScheme makes of it
 * is made once too. The steps write first and tell the session last:
 * writeWmColours(), writePalette(), writeShadowColour(), then
 * notifySession().
 */
class ColourSchemeApply
{
public:
    /// @p scheme is the stored path of the scheme (/usr/share/... or a
    /// user's file); the file is read through schemeFilePath().
    explicit ColourSchemeApply(const QString &scheme);

    QString scheme() const { return m_scheme; }
    /// The file has colour groups ("Colors:View" or "Colors:Window"), or
    /// the scheme is a generated one, which needs none.
    bool hasColourGroups() const;
    /// KColorScheme's application palette of the file (its defaults for a
    /// file without colours).
    const QPalette &schemePalette() const;
    /// The colours the palette file keeps for the scheme: its Highlight
    /// and its Base.
    QColor schemePrimary() const;
    QColor schemeBackground() const;

    /**
     * Maps the scheme onto the WM colour keys of @p theme: from its "WM"
     * group when it has one (and then, with @p palette, the palette store's
     * PrimaryColor and BackgroundColor too), else by pointing every key at
     * its palette variable (the menu keys only with @p withMenuKeys), and
     * with @p iconStringColour IconStringColor at PrimaryTextColor. Returns
     * false when a store could not be written.
     */
    bool writeWmColours(ThemeSettings *theme, ThemeSettings *palette, bool iconStringColour,
                        bool withMenuKeys = true) const;

    /**
     * Writes the scheme's name into "Colors:View" of breezerc, and its Qt
     * palette (from @p primary and @p background for a generated scheme)
     * into Trolltech.conf, breezerc's decoration colours and, for a
     * generated scheme, the scheme file. Returns false when a file could
     * not be written.
     */
    bool writePalette(const QColor &primary, const QColor &background) const;

    /// The Qt palette writePalette() writes for @p primary and @p background.
    QPalette qtPalette(const QColor &primary, const QColor &background) const;

    /// Sets the compositor's shadow colour for the scheme shown over
    /// @p wallpaper (a stored path). False when the compositor's file could
    /// not be written.
    bool writeShadowColour(const QString &wallpaper) const;

    /**
     * Tells the running session: notifyStyle(), announceScheme() and
     * restartPanel(), in this order.
     */
    void notifySession() const;
    /// The widget style's D-Bus signal "reparseConfiguration" and the Qt
    /// settings time stamp: running programs reload their palette.
    static void notifyStyle();
    /// "VYRWM_UPDATE_VAL ColorScheme <scheme>" to the window manager.
    void announceScheme() const;
    /// Restarts the panel ("killall vyr-start-panel") and updates the
    /// on-screen keyboard ("vyr-vkbd --update"), each with an argument list,
    /// waiting for each; their exit statuses are not checked.
    static void restartPanel();
    /// The session-bus signal "iconChanged" (one int, 0) of
    /// org.kde.KIconLoader: KDE programs reload their icons.
    static bool notifyIconsChanged();

private:
    QString m_scheme;
    KSharedConfigPtr m_config;
    mutable std::optional<QPalette> m_palette;
};
