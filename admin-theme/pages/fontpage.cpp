// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "fontpage.h"
#include "ui_fontpage.h"

FontPage::FontPage(ThemeSettings *settings, QWidget *parent)
    : AdminThemeKCM(settings, parent)
{
}

FontPage::~FontPage() = default;

void FontPage::load()
{
    if (!m_ui) {
        m_ui = std::make_unique<Ui::FontForm>();
        m_ui->setupUi(this);
    }
    AdminThemeKCM::load();
}

void FontPage::save()
{
    AdminThemeKCM::save();
}
