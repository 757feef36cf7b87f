// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <adminthemekcm.h>

#include <memory>

namespace Ui {
class FontForm;
}
class KFonts;

/**
 * The Fonts page: the fonts of the desktop's elements and their rendering.
 * KFonts does the work; the page adds the window manager's "XftSettings"
 * command after a save.
 */
class FontPage : public AdminThemeKCM
{
    Q_OBJECT
public:
    FontPage(ThemeSettings *settings, QWidget *parent);
    ~FontPage() override;

public Q_SLOTS:
    void load() override;
    void save() override;

private:
    std::unique_ptr<Ui::FontForm> m_ui;
    KFonts *m_fonts = nullptr;
};
