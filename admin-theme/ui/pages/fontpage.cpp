// SPDX-FileCopyrightText: 2026 Vyr desktop developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "fontpage.h"
#include "ui_fontpage.h"

#include "kfonts.h"

#include <desktopappearance.h>
#include <fontsettings.h>
#include <vyrwmcommand.h>

#include <QSettings>

FontPage::FontPage(ThemeSettings *settings, QWidget *parent)
    : AdminThemeKCM(settings, parent)
{
}

FontPage::~FontPage() = default;

void FontPage::load()
{
    setupForm(m_ui);
    if (!m_fonts) {
        m_fonts = new KFonts(settings(), this);
        m_ui->verticalLayout->insertWidget(0, m_fonts);
        connect(m_fonts, &KFonts::changed, this, qOverload<bool>(&KCModule::changed));
    }
    m_fonts->load();
    AdminThemeKCM::load();
}

void FontPage::save()
{
    if (!m_fonts) {
        AdminThemeKCM::save();
        return;
    }
    m_fonts->save();
    const QSettings settings;
    vyrSendWmCommand(QString::fromUtf8(FontSettings::xftSettingsCommand(settings)));
    // Running programs of every toolkit take the new fonts.
    const DesktopAppearance appearance = DesktopAppearance::current(*this->settings());
    appearance.write();
    appearance.notify();
    AdminThemeKCM::save();
}
