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
    if (!m_ui) {
        m_ui = std::make_unique<Ui::EffectForm>();
        m_ui->setupUi(this);
    }
    AdminThemeKCM::load();
}

void EffectPage::save()
{
    AdminThemeKCM::save();
}
