// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <vyrqtsettings.h>

#include <QtThemeSupport/private/qgenericunixthemes_p.h>

#include <QAbstractNativeEventFilter>
#include <QFont>
#include <QObject>
#include <QPalette>
#include <QTimer>

#include <memory>
#include <optional>

class QThread;

/**
 * What the desktop's settings give a Qt program, read from the files the
 * settings programs write: the "[Qt]" group of Trolltech.conf (palette,
 * general font, style, double-click interval, cursor flash time, wheel
 * lines, GUI effects) and the icon theme of the theme store (the
 * administrator's master file over the user's current.themerc).
 */
struct VyrThemeValues {
    VyrQtSettings qt;
    std::optional<QPalette> palette;
    std::optional<QFont> font;
    QString iconTheme;

    /**
     * Reads the files. A palette that is present but malformed (a list of
     * the wrong length, a colour that does not parse) gives no palette and
     * the reason in @p paletteProblem; an absent one gives no palette and
     * leaves @p paletteProblem empty.
     */
    static VyrThemeValues load(QString *paletteProblem);
    /// The icon theme when the store names none.
    static QString fallbackIconTheme();
};

/**
 * The platform theme "vyr" (QT_QPA_PLATFORMTHEME=vyr). It answers Qt with
 * the desktop's settings, falling back to Qt's generic Unix theme for
 * everything they leave open, and follows changes while the program runs:
 * when the settings programs renew "_QT_SETTINGS_TIMESTAMP_<display>" on
 * the root window or send the style's "reparseConfiguration" signal, it
 * reads the files again and gives the program the new palette, fonts and
 * icon theme. File dialogs and the other standard dialogs are KDE's when
 * KDE's platform theme is installed, else Qt's own.
 */
class VyrPlatformTheme : public QObject, public QGenericUnixTheme, public QAbstractNativeEventFilter
{
    Q_OBJECT
public:
    VyrPlatformTheme();
    ~VyrPlatformTheme() override;

    const QPalette *palette(Palette type = SystemPalette) const override;
    const QFont *font(Font type = SystemFont) const override;
    QVariant themeHint(ThemeHint hint) const override;

    bool usePlatformNativeDialog(DialogType type) const override;
    QPlatformDialogHelper *createPlatformDialogHelper(DialogType type) const override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, long *result) override;

public Q_SLOTS:
    /// Reads the files again at the next turn of the event loop; several
    /// calls before then read them once.
    void scheduleReload();

private:
    void startWatching();
    void watchStyleSignal();
    void reload();
    QPlatformTheme *kdeTheme() const;

    VyrThemeValues m_values;
    // Made with a family: a default-made QFont would ask for the
    // application font while the application is still being built.
    QFont m_fixedFont{QStringLiteral("monospace")};
    QTimer m_reloadTimer;
    unsigned int m_root = 0;
    unsigned int m_stampAtom = 0;
    QThread *m_busThread = nullptr;
    mutable std::unique_ptr<QPlatformTheme> m_kde;
    mutable bool m_kdeLooked = false;
};
