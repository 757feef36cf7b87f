// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "effectpage.h"
#include "ui_effectpage.h"

EffectPage::EffectPage(ThemeSettings *settings, QWidget *parent)
    : AdminThemeKCM(settings, parent)
{
}

EffectPage::~EffectPage() = default;

void EffectPage::load()
{
    setupForm(m_ui);
    AdminThemeKCM::load();
}
