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
    setupForm(m_ui);
    AdminThemeKCM::load();
}
