// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <fontsettings.h>

#include <QDialog>

#include <memory>

namespace Ui {
class FontAASettingsForm;
}
class KXftConfig;

/**
 * The anti-aliasing dialog of the Fonts page: exclusion range, sub-pixel
 * order and hinting style, kept in the per-user fontconfig file.
 *
 * The file is read by load() and held until save(), so that a change made
 * to it by someone else in between is merged rather than overwritten.
 */
class FontAASettings : public QDialog
{
    Q_OBJECT
public:
    explicit FontAASettings(QWidget *parent);
    ~FontAASettings() override;

    /// Reads the per-user fontconfig file into the controls.
    void load();
    /**
     * Writes the controls' choices, with anti-aliasing on or off by
     * @p antiAliasingEnabled, into the program settings and the fontconfig
     * file (the range in points at @p dpi). Returns false with @p error when
     * the file could not be written; it is then left as it was.
     */
    bool save(bool antiAliasingEnabled, double dpi, QString *error);
    /// Whether the file read by load() turns anti-aliasing on.
    bool aaEnabled() const;

    FontSettings::AAOptions options() const;
    void setOptions(const FontSettings::AAOptions &options);

    /// Runs the dialog; on Cancel the controls return to what they showed before.
    int exec() override;

private:
    std::unique_ptr<Ui::FontAASettingsForm> m_ui;
    std::unique_ptr<KXftConfig> m_config;
};
