// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <fontsettings.h>

#include <QVector>
#include <QWidget>

#include <memory>

namespace Ui {
class KFontsForm;
}
class FontAASettings;
class KFontRequester;
class QFont;
class QLabel;
class ThemeSettings;

/// A chooser's font in the stored form: italic means any slanted style.
FontSettings::FontSpec fontSpecFromFont(const QFont &font);
/// @p base (or a default font) with the family, size, weight and slant of
/// @p spec; underline, overline and strike-out cleared.
QFont fontFromFontSpec(const FontSettings::FontSpec &spec, const QFont &base);

/**
 * The Fonts page's controls: one chooser per font entry, the anti-aliasing
 * mode with its dialog, the forced DPI and "Adjust All Fonts...". Fonts go
 * to the theme store; the rendering choices to the program settings, the
 * per-user fontconfig file and the X resources.
 */
class KFonts : public QWidget
{
    Q_OBJECT
public:
    /// @p settings is the page's theme store (not owned).
    KFonts(ThemeSettings *settings, QWidget *parent);
    ~KFonts() override;

    void load();
    /// Writes everything; the page then tells the window manager and reports itself unchanged.
    void save();

Q_SIGNALS:
    void changed(bool state);

private:
    void fontSelected(const QFont &font);
    void adjustAllFonts();
    void configureAntiAliasing();
    void aaModeChanged(int index);
    void writeFont(int entry);
    bool askCyrillic(const QString &family);

    std::unique_ptr<Ui::KFontsForm> m_ui;
    ThemeSettings *const m_settings;
    QVector<KFontRequester *> m_requesters;
    QVector<QLabel *> m_labels;
    FontAASettings *m_aaSettings = nullptr;
    bool m_showDpi = false;
    int m_loadedDpi = 0;
    FontSettings::AAMode m_loadedMode = FontSettings::AAMode::System;
};
