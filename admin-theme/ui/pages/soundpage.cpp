// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "soundpage.h"
#include "ui_soundpage.h"

SoundPage::SoundPage(ThemeSettings *settings, QWidget *parent)
    : AdminThemeKCM(settings, parent)
{
}

SoundPage::~SoundPage() = default;

void SoundPage::load()
{
    setupForm(m_ui);
    AdminThemeKCM::load();
}
