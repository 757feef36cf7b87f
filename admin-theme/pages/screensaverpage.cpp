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
    if (!m_ui) {
        m_ui = std::make_unique<Ui::ScreensaverForm>();
        m_ui->setupUi(this);
    }
    AdminThemeKCM::load();
}

void ScreensaverPage::save()
{
    AdminThemeKCM::save();
}
