// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "screensaverpage.h"
#include "ui_screensaverpage.h"

ScreensaverPage::ScreensaverPage(ThemeSettings *settings, QWidget *parent)
    : AdminThemeKCM(settings, parent)
{
}

ScreensaverPage::~ScreensaverPage() = default;

void ScreensaverPage::load()
{
    setupForm(m_ui);
    AdminThemeKCM::load();
}
